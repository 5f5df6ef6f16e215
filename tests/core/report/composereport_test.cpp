#include "report/composereport.h"

#include "report/costs.h"

#include "platform/numtext.h"
#include "support/qstringprint.h"
#include "support/testsupport.h"
#include "workspace.h"

#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace arvex {
namespace {

// No text of a failed division or overflow.
void ExpectNoNumberFault(const QStringList& texts) {
  const QRegularExpression fault("\\b(inf|nan|infinity)\\b|1\\.#", QRegularExpression::CaseInsensitiveOption);
  for (const QString& t : texts) EXPECT_FALSE(t.contains(fault)) << t.toStdString();
}

struct Found {
  int Page = 0;
  const ReportTextItem* Item = nullptr;
  explicit operator bool() const { return Item != nullptr; }
};

// The first text that is `text` (or, with `prefix`, starts with it) on page
// `fromPage` or later.
Found Find(const ReportDocument& doc, const QString& text, int fromPage = 1, bool prefix = false) {
  for (int p = fromPage; p <= doc.PageCount(); ++p)
    for (const ReportTextItem* t : doc.Page(p).Texts())
      if (prefix ? t->Text.startsWith(text) : t->Text == text) return {p, t};
  return {};
}

QStringList AllTexts(const ReportDocument& doc) {
  QStringList texts;
  for (int p = 1; p <= doc.PageCount(); ++p) texts << doc.Page(p).TextStrings();
  return texts;
}

// The item of the first text `text` (as Find); a failure when there is none.
const ReportTextItem& At(const ReportDocument& doc, const QString& text, int fromPage = 1, bool prefix = false) {
  static const ReportTextItem none;
  const Found f = Find(doc, text, fromPage, prefix);
  if (!f) ADD_FAILURE() << "no text '" << text.toStdString() << "'";
  return f ? *f.Item : none;
}

// The texts on the same line as `f`, left to right; none when not found.
QStringList LineOf(const ReportDocument& doc, const Found& f) {
  if (!f) return {};
  QList<const ReportTextItem*> line;
  for (const ReportTextItem* t : doc.Page(f.Page).Texts())
    if (std::abs(t->Baseline - f.Item->Baseline) < 0.01) line << t;
  std::sort(line.begin(), line.end(),
            [](const ReportTextItem* a, const ReportTextItem* b) { return a->Box.left() < b->Box.left(); });
  QStringList texts;
  for (const ReportTextItem* t : line) texts << t->Text;
  return texts;
}

std::vector<const ReportPictureItem*> Pictures(const ReportDocument& doc, int page) {
  std::vector<const ReportPictureItem*> pictures;
  for (const ReportItem& item : doc.Page(page).Items)
    if (const auto* p = std::get_if<ReportPictureItem>(&item)) pictures.push_back(p);
  return pictures;
}

// What a reader of the printout would notice first: texts over texts or
// pictures, texts outside the margins, anything off the page.
void ExpectCleanLayout(const ReportDocument& doc) {
  const double left = doc.MarginLeft() - 0.01;
  const double right = doc.PageWidth() - doc.MarginRight() + 0.01;
  for (int p = 1; p <= doc.PageCount(); ++p) {
    const QList<const ReportTextItem*> texts = doc.Page(p).Texts();
    for (qsizetype i = 0; i < texts.size(); ++i) {
      const QRectF a = texts[i]->Box.adjusted(0.5, 0.5, -0.5, -0.5);
      EXPECT_TRUE(a.left() >= left && a.right() <= right && a.top() >= 0 && a.bottom() <= doc.PageHeight())
          << texts[i]->Text.toStdString() << " page " << p;
      for (qsizetype j = i + 1; j < texts.size(); ++j)
        EXPECT_FALSE(a.intersects(texts[j]->Box.adjusted(0.5, 0.5, -0.5, -0.5)))
            << "page " << p << ": '" << texts[i]->Text.toStdString() << "' over '" << texts[j]->Text.toStdString()
            << "'";
      for (const ReportPictureItem* pic : Pictures(doc, p))
        EXPECT_FALSE(a.intersects(pic->Box)) << texts[i]->Text.toStdString();
    }
    for (const ReportPictureItem* pic : Pictures(doc, p))
      EXPECT_TRUE(pic->Box.left() >= left && pic->Box.right() <= right && pic->Box.bottom() <= doc.BodyBottom() + 0.01);
  }
}

Operation MakeOp(const QString& tool, const QString& name, const QString& group, const QString& holder) {
  Operation op{.Group = group, .ToolNo = tool, .OpName = name, .Diameter = .5, .SFM = 314, .RPM = 2400,
               .IPR = .004, .IPM = 9.6, .CutLength = .75, .ToolHolder = holder};
  op.UpdateCutTime();
  return op;
}

// A study on an inch machine: a 144 inch bar, 10 inch remnant, .125 cut-off,
// 45 s bar load; 1.25 long parts; groups A, B1/C1 and D.
Workspace SampleWorkspace() {
  Workspace ws;
  ws.Study.Header = {.Customer = "Acme", .Engineer = "J. Smith", .PartName = "Valve Stem", .PartNo = "VS-1002",
                     .Material = "303 Stainless", .MaterialSize = ".500", .MaterialShape = "Round",
                     .PartLength = "1.25", .Notes = "Deburr all edges.", .MachineName = "SL-20", .SubSpindleUsed = 1};
  ws.Study.FilePath = "/studies/valve.rvx";
  ws.Study.Op(1, 1) = MakeOp("1", "Face", "A ", "SDJCR");
  ws.Study.Op(1, 2) = MakeOp("3", "Turn", "B1", "SVJBR");
  ws.Study.Op(1, 3) = MakeOp("3", "Finish", "B1", "SVJBR");
  ws.Study.Op(1, 4) = MakeOp("7", "Cut off", "D ", "Blade");
  ws.Study.Op(2, 1) = MakeOp("21", "Back drill", "C1", "ER11");
  ws.Study.MainOpCount = 4;
  ws.Study.SubOpCount = 1;
  MachineDefinition& m = ws.Machine;
  m.BarLengthInch = 144, m.CutOffWidth = .125f, m.BarLoadTimeSec = 45;
  m.MainSpindle.RemnantLength = 10, m.MainSpindle.SetUpTime = 30, m.MainSpindle.ToolSetTime1 = 5;
  m.MainTools1List = QStringList{QString(), "Gang", "1", "2", "3", "1"};
  m.MainTools2List = QStringList{QString(), "Turret", "7"};  // no setting time
  m.SubTools1List = QStringList{QString(), "Sub", "22", kEjectPartTool};
  m.SubSpindle.ToolSetTime1 = 6;  // none of its tools used
  CycleComparison& c = ws.Comparison;
  c.CutA = 3.2f, c.IdleA = 1.1f, c.TotalA = 4.3f;
  c.CutB[1] = 20.5f, c.IdleB[1] = 6.25f, c.TotalB[1] = 26.75f;
  c.CutC[1] = 12, c.IdleC[1] = 4, c.TotalC[1] = 16;
  c.CutD = 2, c.IdleD = 1.5f, c.TotalD = 3.5f;
  c.SetupMinutes = 45;
  c.LinesA = {{"Tool change main post 1", " 2 x 1.2 = 2.4"}, {"Spindle start/stop", " 1 x .5 = .5"}};
  c.LinesB[1] = {{"Stock feed", " 1 x 2 = 2"}};
  c.LinesC[1] = {{"Part transfer", " 1 x 1.5 = 1.5"}};
  return ws;
}

// A comparison with nothing but the given group A total.
Workspace WithTotalA(float totalA) {
  Workspace ws = SampleWorkspace();
  ws.Comparison = CycleComparison();
  ws.Comparison.TotalA = totalA;
  return ws;
}

// All sections off but the one named.
ReportSwitches Only(bool ReportSwitches::*section) {
  ReportSwitches sw = ReportSwitches::AllOff();
  sw.*section = true;
  return sw;
}

ReportDocument Compose(const Workspace& ws, ReportSwitches switches = {}) {
  ReportDocument doc;
  ComposeReport(ws, doc, {.Switches = switches, .Today = QDate(2024, 3, 14)});
  return doc;
}

ReportDocument ComposeAllOff(const Workspace& ws) { return Compose(ws, ReportSwitches::AllOff()); }

// A plain picture of the given size in `dir`; its path.
QString SaveImage(const QTemporaryDir& dir, const QString& name, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::red);
  const QString path = dir.filePath(name);
  EXPECT_TRUE(image.save(path)) << path.toStdString();
  return path;
}

const ReportFont kUnchecked{"", 0, false};

TEST(ComposeReportTest, AllSwitchesOffGivesOneBlockInOrderWithItsFonts) {
  const Workspace ws = SampleWorkspace();
  const ReportDocument doc = ComposeAllOff(ws);
  ASSERT_EQ(doc.PageCount(), 1);
  const std::pair<QString, ReportFont> order[] = {
      {"Cycle Time Estimate for SL-20", {"Arial", 18, true}},
      {"Prepared for: Acme", {"Arial", 12, true}},
      {"Prepared by: J. Smith", {"Arial", 8, false}},
      {"Part Number: VS-1002", {"Arial", 12, false}},
      {"Part Name: Valve Stem", kUnchecked}, {"Material: 303 Stainless", kUnchecked},
      {"Material Size/Shape: .500 Round", kUnchecked}, {"Part Length: 1.25", kUnchecked},
      {"Total Cycle Time= 34.55sec ", kUnchecked},
      {"(The above time is at 100% efficiency with no bar load time. See table below.)", kUnchecked},
      {kDefaultDisclaimer, kUnchecked}, {"Efficiency", kUnchecked}, {" 100", kUnchecked}, {TableBasedOnText(ws), kUnchecked},
      {"Parts per 144 inch bar: 97", kUnchecked}, {"Approximate remnant: 10.63 inch", kUnchecked},
      {"Approximate Setup Time:  45 min.", kUnchecked},
      {"*Notes*", {"Arial", 10, true}},
      {"Deburr all edges.", {"Arial", 10, false}}};
  double y = 0;
  for (const auto& [text, font] : order) {
    SCOPED_TRACE(text.toStdString());
    const Found f = Find(doc, text);
    ASSERT_TRUE(f);
    EXPECT_GT(f.Item->Box.top(), y);
    y = f.Item->Box.top();
    if (font != kUnchecked) {
      EXPECT_EQ(f.Item->Font, font);
    }
  }
  EXPECT_TRUE(Find(doc, "(A B1 D)"));
  const QStringList texts = AllTexts(doc);
  for (const char* absent : {"Comparing Times by Groups", "Tool Holders needed:",
                             "Setup time does not include bar loader setup and is calculated from..."})
    EXPECT_FALSE(texts.contains(absent)) << absent;
  // The running block.
  EXPECT_TRUE(texts.contains("Cust: Acme"));
  EXPECT_TRUE(texts.contains("Part No: VS-1002  Valve Stem"));
  EXPECT_TRUE(texts.contains("Mach: SL-20"));
  EXPECT_EQ(TableBasedOnText(ws),
            "Table based on 10hours/shift,  20hours/day,  6 days/week, 52 weeks/year,  144 inch bar,  45 "
            "sec barload time, with  .125 inch cutoff/face amount.");
  ExpectCleanLayout(doc);
}

TEST(ComposeReportTest, SixtySecondsMakeSixtyPartsAnHourLessTheBarLoad) {
  Workspace ws = WithTotalA(60);
  ws.Study.Header.SubSpindleUsed = 0;
  ws.Machine.BarLoadTimeSec = 0;
  const ReportDocument doc = ComposeAllOff(ws);
  EXPECT_EQ(LineOf(doc, Find(doc, "Efficiency")),
            (QStringList{"Efficiency", "1 hr", "Shift", "Day", "Week", "Month", "Year"}));
  EXPECT_EQ(LineOf(doc, Find(doc, " 100")),
            (QStringList{" 100", "60.0", "600.0", "1,200.0", "7,200.0", "28,800.0", "374,400.0"}));
  EXPECT_EQ(LineOf(doc, Find(doc, "Total Cycle Time= 60.sec ")), (QStringList{"Total Cycle Time= 60.sec ", "(A)"}));

  // Shop hours from the settings: 7.5 hours a shift are used as they are.
  ws.Report.HoursShift = 7.5f, ws.Report.HoursDay = 8, ws.Report.DaysWeek = 5;
  EXPECT_EQ(ComputeReportFigures(ws).Production[6].Cells,
            (QStringList{" 100", "60.0", "450.0", "480.0", "2,400.0", "9,600.0", "124,800.0"}));
  EXPECT_TRUE(TableBasedOnText(ws).startsWith("Table based on 7.5hours/shift,  8hours/day,  5 days/week"));

  // Bar load time is spread over the parts of a bar: 97 parts, one second a part.
  ws.Machine.BarLoadTimeSec = 97;
  EXPECT_EQ(ComputeReportFigures(ws).Production[6].Cells[1], "59.0");  // 3600 / 61
}

TEST(ComposeReportTest, NoTimeOrNoPartOnTheBarStillGivesAReportWithoutNumberFaults) {
  Workspace ws = WithTotalA(0);
  ws.Machine.BarLoadTimeSec = 0;
  ReportDocument doc = Compose(ws);
  EXPECT_EQ(LineOf(doc, Find(doc, "Total Cycle Time= 0sec ")), (QStringList{"Total Cycle Time= 0sec ", "()"}));
  EXPECT_EQ(LineOf(doc, Find(doc, " 85")), (QStringList{" 85", "0", "0", "0", "0", "0", "0"}));
  ExpectNoNumberFault(AllTexts(doc));
  // No group has time: no group details, the comparison page still comes.
  EXPECT_TRUE(Find(doc, "Comparing Times by Groups"));
  EXPECT_FALSE(Find(doc, "Main Spindle (A) (before comparing)"));
  EXPECT_FALSE(Find(doc, "Cutting Conditions", 1, true));

  for (const QString length : {"200", "0", "-3"}) {
    SCOPED_TRACE(length.toStdString());
    ws = SampleWorkspace();
    ws.Study.Header.PartLength = length;
    if (length == "0") ws.Machine.CutOffWidth = 0;  // 134 / 0
    for (const ProductionRow& row : ComputeReportFigures(ws).Production) EXPECT_EQ(row.Cells.mid(1), QStringList(6, "0"));
    const QStringList texts = AllTexts(ComposeAllOff(ws));
    EXPECT_TRUE(texts.contains("Parts per 144 inch bar: 0"));
    ExpectNoNumberFault(texts);
  }
  // Without bar load time the rate does not depend on the bar.
  ws.Study.Header.PartLength = "200";
  ws.Machine.BarLoadTimeSec = 0;
  EXPECT_EQ(ComputeReportFigures(ws).Production[6].Cells[1], "104.2");  // 3600 / 34.55
  EXPECT_TRUE(AllTexts(ComposeAllOff(ws)).contains("Approximate remnant: 144. inch"));
}

TEST(ComposeReportTest, MetricLengthsCarryMM) {
  Workspace ws = SampleWorkspace();
  ws.Study.Header.Metric = -1, ws.Study.Header.PartLength = "31.75";
  ws.Machine.BarLengthInch = 3657.6f, ws.Machine.CutOffWidth = 3.175f, ws.Machine.MainSpindle.RemnantLength = 254;
  const QStringList texts = AllTexts(ComposeAllOff(ws));
  EXPECT_TRUE(texts.contains("Parts per 3657.6 MM bar: 97"));
  EXPECT_TRUE(texts.contains("Approximate remnant: 269.88 MM"));
  EXPECT_EQ(TableBasedOnText(ws),
            "Table based on 10hours/shift,  20hours/day,  6 days/week, 52 weeks/year,  3657.6 MM bar,  45 "
            "sec barload time, with  3.175 MM cutoff/face amount.");
}

TEST(ComposeReportTest, SetupDataListsTheUsedToolsOfEachTimedPostAndTheNotesFollow) {
  Workspace ws = SampleWorkspace();
  ReportDocument doc = Compose(ws, Only(&ReportSwitches::PrintSetupData));
  EXPECT_EQ(At(doc, "Setup time does not include bar loader setup and is calculated from...").Font.Size, 8);
  EXPECT_GT(At(doc, "Gang used are 1, 3, = 5 min. each").Box.top(),
            At(doc, "Collets and (Guide Bushing) = 30 min.").Box.top());
  // The turret has no setting time and none of the sub post's tools is used.
  EXPECT_FALSE(Find(doc, "Turret", 1, true));
  EXPECT_FALSE(Find(doc, "Sub used", 1, true));
  EXPECT_EQ(doc.PageCount(), 1);
  ExpectCleanLayout(doc);
}

TEST(ComposeReportTest, LogoAtItsSizePercentCentredBelowThePreparedLines) {
  QTemporaryDir dir;
  Workspace ws = SampleWorkspace();
  ws.Report.LogoPic = SaveImage(dir, "logo.png", 200, 100);
  ws.Report.LogoSize = 50;
  const ReportDocument doc = ComposeAllOff(ws);
  const auto pictures = Pictures(doc, 1);
  ASSERT_EQ(pictures.size(), 1u);
  const QRectF box = pictures.front()->Box;
  EXPECT_DOUBLE_EQ(box.width(), 1500);
  EXPECT_DOUBLE_EQ(box.height(), 750);
  ExpectCleanLayout(doc);
  // A missing or unreadable logo is skipped.
  ws.Report.LogoPic = dir.filePath("none.png");
  EXPECT_TRUE(Pictures(ComposeAllOff(ws), 1).empty());
  ws.Report.LogoPic = dir.filePath("junk.jpg");
  test::WriteBytes(ws.Report.LogoPic, "not a picture");
  EXPECT_TRUE(Pictures(ComposeAllOff(ws), 1).empty());
}

TEST(ComposeReportTest, ComparisonShowsTheCountingSideInBoldAndTheTotalWithItsFormula) {
  Workspace ws = SampleWorkspace();
  CycleComparison& c = ws.Comparison;
  c.TotalA = 12.5f;
  c.TotalB[1] = 20, c.TotalC[1] = 25;  // C counts
  c.TotalB[2] = 8;                     // B counts
  c.TotalB[3] = 5, c.TotalC[3] = 5;    // a tie counts B
  const ReportDocument doc = Compose(ws, Only(&ReportSwitches::PrintCutData));
  const std::pair<const char*, bool> bold[] = {
      {"Total Time (B1): 20.00", false}, {"Total Time (C1): 25.00", true}, {"Total Time (B2): 8.00", true},
      {"Total Time (C2): 0.00", false},  {"Total Time (B3): 5.00", true},  {"Total Time (C3): 5.00", false}};
  for (const auto& [text, isBold] : bold) EXPECT_EQ(At(doc, text).Font.Bold, isBold) << text;
  EXPECT_EQ(Find(doc, "Comparing Times by Groups").Page, 2);
  EXPECT_EQ(LineOf(doc, Find(doc, "Main Spindle (B1) (while comparing to Sub).")),
            (QStringList{"Main Spindle (B1) (while comparing to Sub).", "Sub Spindle (C1) (while comparing to Main)."}));
  EXPECT_TRUE(Find(doc, "Main Spindle (A) (before comparing)"));
  EXPECT_TRUE(Find(doc, "Main Spindle (D) (after comparing)"));
  EXPECT_FALSE(Find(doc, "Main Spindle (B4) (while comparing to Sub)."));
  // The total on page 1 with its formula on the same line, and again under
  // the comparison.
  const QStringList totalLine{"Total Cycle Time= 54.sec ", "(A C1 B2 B3 D)"};
  EXPECT_EQ(LineOf(doc, Find(doc, "Total Cycle Time= 54.sec ")), totalLine);
  EXPECT_EQ(LineOf(doc, Find(doc, "Total Cycle Time= ", 2, true)), totalLine);
  ExpectCleanLayout(doc);
}

TEST(ComposeReportTest, GroupDetailsHoldTheirOperationsItemLinesAndTotals) {
  Workspace ws = SampleWorkspace();
  Operation& drill = ws.Study.Op(1, 3);
  drill = {.Group = "B1", .ToolNo = "T05", .OpName = "Drill", .Diameter = .25, .SFM = 79, .RPM = 1200, .IPR = .004,
           .IPM = 4.8, .CutLength = .5, .ExtraRapids = 2, .Dwells = 1, .OtherSeconds = 3, .ToolHolder = "ER16"};
  drill.UpdateCutTime();
  const ReportDocument doc = Compose(ws, Only(&ReportSwitches::PrintCutData));
  EXPECT_EQ(LineOf(doc, Find(doc, "T05")), (QStringList{"T05", "Drill", " 1200", " .25", " 79", ".004", "4.80", " .5",
                                                        "6.25", " 2", " 0", " 1", " 3"}));
  EXPECT_EQ(LineOf(doc, Find(doc, "Tool No")), SplitTableRow(kDetailHeader));

  // Headings in group order, each with its operations under it.
  const std::pair<const char*, const char*> headings[] = {
      {"Cutting Conditions and non cutting time (A) Main SPL (before time comparison).", "1"},
      {"Cutting Conditions and non cutting time (B1) Main SPL (while comparing to Sub).", "3"},
      {"Cutting Conditions and non cutting time (C1) Sub SPL (while comparing to Main).", "21"},
      {"Cutting Conditions and non cutting time (D) Main SPL (after comparing).", "7"}};
  auto position = [&](const Found& f) { return f.Page * 100000.0 + f.Item->Box.top(); };
  double last = 0;
  for (const auto& [heading, firstTool] : headings) {
    SCOPED_TRACE(heading);
    const Found h = Find(doc, heading);
    ASSERT_TRUE(h);
    EXPECT_GT(position(h), last);
    last = position(h);
    const Found tool = Find(doc, firstTool);
    ASSERT_TRUE(tool);
    EXPECT_GT(position(tool), last);
  }
  // Item lines: the description and its value on one line; the group's times.
  EXPECT_EQ(LineOf(doc, Find(doc, "Spindle start/stop")), (QStringList{"Spindle start/stop", " 1 x .5 = .5"}));
  for (const char* text :
       {"Idle Time (B1): 6.25", "Cutting Time (B1): 20.50", "Total Time (B1): 26.75", "Total Time (D): 3.50"})
    EXPECT_TRUE(Find(doc, text, 2)) << text;
  ExpectCleanLayout(doc);
}

TEST(ComposeReportTest, DuplicateToolAndHolderPairsGiveOneLine) {
  Workspace ws = SampleWorkspace();
  ws.Study.Op(2, 2) = MakeOp("3", "Turn", "C1", "SVJBR");
  ws.Study.Op(2, 3) = MakeOp("3", "Turn", "C1", "Other");
  ws.Study.SubOpCount = 3;
  const ReportDocument doc = Compose(ws, Only(&ReportSwitches::PrintToolHolders));
  const QStringList texts = AllTexts(doc);
  const qsizetype at = texts.indexOf("Tool Holders needed:");
  ASSERT_GE(at, 0);
  EXPECT_EQ(texts.mid(at + 1, 5), (QStringList{"1 SDJCR", "3 SVJBR", "7 Blade", "21 ER11", "3 Other"}));
  EXPECT_EQ(texts.count("3 SVJBR"), 1);
}

TEST(ComposeReportTest, ToolingImagesFitThePageWidthAndStartANewPageWhenTooTall) {
  QTemporaryDir dir;
  Workspace ws = SampleWorkspace();
  ws.AppFolder = dir.path() + u'/';
  SaveImage(dir, "main.png", 1200, 700);
  ws.Machine.MainToolImage = "main.png";                         // in the application folder
  ws.Machine.SubToolImage = SaveImage(dir, "sub.png", 1200, 700);  // a full path
  const ReportSwitches sw = Only(&ReportSwitches::PrintToolImage);
  const ReportDocument doc = Compose(ws, sw);
  EXPECT_EQ(doc.PageCount(), 2);  // neither fits below the notes; both fit on page 2
  EXPECT_EQ(Pictures(doc, 2).size(), 2u);
  ExpectCleanLayout(doc);

  // The same image for both spindles is printed once; a missing one is skipped.
  ws.Machine.SubToolImage = ws.Machine.MainToolImage;
  EXPECT_EQ(Pictures(Compose(ws, sw), 2).size(), 1u);
  ws.Machine.MainToolImage = "absent.png";
  ws.Machine.SubToolImage = "images\\absent.jpg";
  EXPECT_EQ(Compose(ws, sw).PageCount(), 1);
}

TEST(ComposeReportTest, HundredAndHundredOperationsOnNumberedPages) {
  Workspace ws = WithTotalA(0);
  for (int i = 1; i <= 100; ++i) {
    ws.Study.Op(1, i) = MakeOp(u"M%1"_s.arg(i), u"Main operation %1 with a longer name"_s.arg(i), "B1",
                               u"Holder M%1"_s.arg(i));
    ws.Study.Op(2, i) = MakeOp(u"S%1"_s.arg(i), u"Sub operation %1"_s.arg(i), "C1", u"Holder S%1"_s.arg(i));
    ws.Comparison.LinesB[1].push_back({u"Item %1"_s.arg(i), u" %1 x 1 = %1"_s.arg(i)});
  }
  ws.Study.MainOpCount = 100;
  ws.Study.SubOpCount = 100;
  ws.Comparison.TotalB[1] = 300;
  ws.Comparison.TotalC[1] = 200;
  const ReportDocument doc = Compose(ws);
  const QStringList texts = AllTexts(doc);
  for (int i = 1; i <= 100; ++i)
    EXPECT_TRUE(texts.contains(u"M%1"_s.arg(i)) && texts.contains(u"S%1"_s.arg(i)) && texts.contains(u"Item %1"_s.arg(i)))
        << i;
  // The first 100 holder entries: every main one, no sub one.
  EXPECT_TRUE(texts.contains("M100 Holder M100"));
  EXPECT_FALSE(texts.contains("S1 Holder S1"));
  const int n = doc.PageCount();
  ASSERT_GE(n, 8);
  // Every page numbered once, below the body.
  for (int p = 1; p <= n; ++p) {
    const ReportTextItem* number = nullptr;
    for (const ReportTextItem* t : doc.Page(p).Texts())
      if (t->Text.startsWith("Page ")) {
        EXPECT_EQ(number, nullptr);
        number = t;
      }
    ASSERT_TRUE(number) << p;
    EXPECT_EQ(number->Text, "Page " + Str(p) + " of " + QString::number(n));
    EXPECT_GT(number->Box.top(), doc.BodyBottom());
  }
  ExpectCleanLayout(doc);
}

TEST(ComposeReportTest, SixtySecondCycleCostsAsByHand) {
  // 60 s a part; 97 parts on a bar (134 usable / 1.375) loaded in 97 s: one
  // second of bar load and one bar price unit a part; 90 an hour on the
  // machine, 60 for the 90 minutes of setup; 500 parts quoted at 85 %.
  Workspace ws = WithTotalA(60);
  ws.Machine.BarLoadTimeSec = 97;
  ws.Comparison.SetupMinutes = 90;
  ws.Report.Costs = {90, 60, 97, 500, 85};
  // 100 %: 90 x 61 / 3600 + 1 = 2.525; 85 %: 2.7897...; 70 %: 3.1678...
  ReportDocument doc = ComposeAllOff(ws);
  EXPECT_EQ(LineOf(doc, Find(doc, "Cost per part")),
            (QStringList{"Cost per part", "3.17", "3.03", "2.90", "2.79", "2.69", "2.60", "2.53"}));
  EXPECT_TRUE(Find(doc, "Setup cost: 90 min. x 60 per hour = 90.00"));
  EXPECT_EQ(LineOf(doc, Find(doc, "Batch quote for 500 parts at 85% efficiency: 1,484.85")),
            (QStringList{"Batch quote for 500 parts at 85% efficiency: 1,484.85", "  (setup 90.00 + 500 x 2.7897)"}));
  ExpectCleanLayout(doc);

  // No part on the bar, or no cycle: no cost, never inf or nan.
  ws.Study.Header.PartLength = "200";
  doc = ComposeAllOff(ws);
  EXPECT_EQ(LineOf(doc, Find(doc, "Cost per part")), (QStringList{"Cost per part"} << QStringList(7, "\u2014")));
  EXPECT_EQ(LineOf(doc, Find(doc, "Batch quote for", 1, true)),
            QStringList{"Batch quote for 500 parts at 85% efficiency: \u2014"});
  ExpectNoNumberFault(AllTexts(doc));
  // Without a rate there is no cost section.
  ws.Report.Costs = {};
  EXPECT_FALSE(Find(ComposeAllOff(ws), "Cost"));
}

TEST(ComposeReportTest, TimelineIsASectionOfItsOwnAboveTheComparison) {
  Workspace ws = SampleWorkspace();
  auto drawings = [](const ReportDocument& doc, int page) {
    std::vector<QRectF> boxes;
    for (const ReportItem& item : doc.Page(page).Items)
      if (const auto* d = std::get_if<ReportDrawingItem>(&item)) boxes.push_back(d->Box);
    return boxes;
  };
  ReportDocument doc = Compose(ws, Only(&ReportSwitches::PrintTimeline));
  const Found heading = Find(doc, "Spindle Timeline");
  ASSERT_TRUE(heading);
  const std::vector<QRectF> boxes = drawings(doc, heading.Page);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_GT(boxes[0].top(), heading.Item->Box.bottom());
  EXPECT_LE(boxes[0].bottom(), doc.BodyBottom());
  EXPECT_FALSE(Find(ComposeAllOff(ws), "Spindle Timeline"));
  ExpectCleanLayout(doc);
}

}  // namespace
}  // namespace arvex

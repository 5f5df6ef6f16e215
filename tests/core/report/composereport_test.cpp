#include "report/composereport.h"

#include "platform/numtext.h"
#include "workspace.h"

#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace arvex {
namespace {

// The texts of a failed division or overflow.
QRegularExpression NumberFault() {
  return QRegularExpression(QStringLiteral("\\b(inf|nan|infinity)\\b|1\\.#"), QRegularExpression::CaseInsensitiveOption);
}

struct Found {
  int Page = 0;
  const ReportTextItem* Item = nullptr;
  explicit operator bool() const { return Item != nullptr; }
};

Found Find(const ReportDocument& doc, const QString& text) {
  for (int p = 1; p <= doc.PageCount(); ++p)
    for (const ReportTextItem* t : doc.Page(p).Texts())
      if (t->Text == text) return {p, t};
  return {};
}

QStringList AllTexts(const ReportDocument& doc) {
  QStringList texts;
  for (int p = 1; p <= doc.PageCount(); ++p) texts << doc.Page(p).TextStrings();
  return texts;
}

// The texts on the same line as `item`, left to right.
QStringList LineOf(const ReportDocument& doc, const Found& f) {
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
      EXPECT_GE(a.left(), left) << texts[i]->Text.toStdString() << " page " << p;
      EXPECT_LE(a.right(), right) << texts[i]->Text.toStdString() << " page " << p;
      EXPECT_GE(a.top(), 0);
      EXPECT_LE(a.bottom(), doc.PageHeight());
      for (qsizetype j = i + 1; j < texts.size(); ++j)
        EXPECT_FALSE(a.intersects(texts[j]->Box.adjusted(0.5, 0.5, -0.5, -0.5)))
            << "page " << p << ": '" << texts[i]->Text.toStdString() << "' over '" << texts[j]->Text.toStdString()
            << "'";
      for (const ReportPictureItem* pic : Pictures(doc, p))
        EXPECT_FALSE(a.intersects(pic->Box)) << texts[i]->Text.toStdString();
    }
    for (const ReportPictureItem* pic : Pictures(doc, p)) {
      EXPECT_GE(pic->Box.left(), left);
      EXPECT_LE(pic->Box.right(), right);
      EXPECT_LE(pic->Box.bottom(), doc.BodyBottom() + 0.01);
    }
  }
}

Operation MakeOp(const QString& tool, const QString& name, const QString& group, const QString& holder) {
  Operation op;
  op.ToolNo = tool;
  op.OpName = name;
  op.Group = group;
  op.ToolHolder = holder;
  op.RPM = 2400;
  op.Diameter = .5;
  op.SFM = 314;
  op.IPR = .004;
  op.IPM = 9.6;
  op.CutLength = .75;
  op.UpdateCutTime();
  return op;
}

// A study on an inch machine: a 144 inch bar, 10 inch remnant, .125 cut-off,
// 45 s bar load; 1.25 long parts; groups A, B1/C1 and D.
Workspace SampleWorkspace() {
  Workspace ws;
  TimeStudyHeader& h = ws.Study.Header;
  h.Customer = QStringLiteral("Acme");
  h.Engineer = QStringLiteral("J. Smith");
  h.PartName = QStringLiteral("Valve Stem");
  h.PartNo = QStringLiteral("VS-1002");
  h.Material = QStringLiteral("303 Stainless");
  h.MaterialSize = QStringLiteral(".500");
  h.MaterialShape = QStringLiteral("Round");
  h.PartLength = QStringLiteral("1.25");
  h.MachineName = QStringLiteral("SL-20");
  h.SubSpindleUsed = 1;
  h.Notes = QStringLiteral("Deburr all edges.");
  ws.Study.FilePath = QStringLiteral("/studies/valve.rvx");
  ws.Study.Op(1, 1) = MakeOp(QStringLiteral("1"), QStringLiteral("Face"), QStringLiteral("A "), QStringLiteral("SDJCR"));
  ws.Study.Op(1, 2) = MakeOp(QStringLiteral("3"), QStringLiteral("Turn"), QStringLiteral("B1"), QStringLiteral("SVJBR"));
  ws.Study.Op(1, 3) = MakeOp(QStringLiteral("3"), QStringLiteral("Finish"), QStringLiteral("B1"), QStringLiteral("SVJBR"));
  ws.Study.Op(1, 4) = MakeOp(QStringLiteral("7"), QStringLiteral("Cut off"), QStringLiteral("D "), QStringLiteral("Blade"));
  ws.Study.Op(2, 1) = MakeOp(QStringLiteral("21"), QStringLiteral("Back drill"), QStringLiteral("C1"), QStringLiteral("ER11"));
  ws.Study.MainOpCount = 4;
  ws.Study.SubOpCount = 1;
  MachineDefinition& m = ws.Machine;
  m.BarLengthInch = 144;
  m.CutOffWidth = .125f;
  m.BarLoadTimeSec = 45;
  m.MainSpindle.RemnantLength = 10;
  m.MainSpindle.SetUpTime = 30;
  m.MainSpindle.ToolSetTime1 = 5;
  m.MainTools1List = QStringList{QString(), QStringLiteral("Gang"), QStringLiteral("1"), QStringLiteral("2"),
                                 QStringLiteral("3"), QStringLiteral("1")};
  m.MainTools2List = QStringList{QString(), QStringLiteral("Turret"), QStringLiteral("7")};  // no setting time
  m.SubTools1List = QStringList{QString(), QStringLiteral("Sub"), QStringLiteral("22"), kEjectPartTool};
  m.SubSpindle.ToolSetTime1 = 6;  // none of its tools used
  CycleComparison& c = ws.Comparison;
  c.CutA = 3.2f;
  c.IdleA = 1.1f;
  c.TotalA = 4.3f;
  c.CutB[1] = 20.5f;
  c.IdleB[1] = 6.25f;
  c.TotalB[1] = 26.75f;
  c.CutC[1] = 12;
  c.IdleC[1] = 4;
  c.TotalC[1] = 16;
  c.CutD = 2;
  c.IdleD = 1.5f;
  c.TotalD = 3.5f;
  c.SetupMinutes = 45;
  c.LinesA = {{QStringLiteral("Tool change main post 1"), QStringLiteral(" 2 x 1.2 = 2.4")},
              {QStringLiteral("Spindle start/stop"), QStringLiteral(" 1 x .5 = .5")}};
  c.LinesB[1] = {{QStringLiteral("Stock feed"), QStringLiteral(" 1 x 2 = 2")}};
  c.LinesC[1] = {{QStringLiteral("Part transfer"), QStringLiteral(" 1 x 1.5 = 1.5")}};
  return ws;
}

ComposeOptions Options(ReportSwitches switches = {}) {
  ComposeOptions o;
  o.Switches = switches;
  o.Today = QDate(2024, 3, 14);
  return o;
}

ReportDocument Compose(const Workspace& ws, ReportSwitches switches = {}) {
  ReportDocument doc;
  ComposeReport(ws, doc, Options(switches));
  return doc;
}

TEST(ComposeReportTest, AllSwitchesOffGivesOneBlockWithItsPageNumber) {
  const Workspace ws = SampleWorkspace();
  const ReportDocument doc = Compose(ws, ReportSwitches::AllOff());
  ASSERT_EQ(doc.PageCount(), 1);
  const QStringList order = {QStringLiteral("Cycle Time Estimate for SL-20"),
                             QStringLiteral("Prepared for: Acme"),
                             QStringLiteral("Prepared by: J. Smith"),
                             QStringLiteral("Part Number: VS-1002"),
                             QStringLiteral("Part Name: Valve Stem"),
                             QStringLiteral("Material: 303 Stainless"),
                             QStringLiteral("Material Size/Shape: .500 Round"),
                             QStringLiteral("Part Length: 1.25"),
                             QStringLiteral("Total Cycle Time= 34.55sec "),
                             QStringLiteral("(The above time is at 100% efficiency with no bar load time. See table below.)"),
                             kDefaultDisclaimer,
                             QStringLiteral("Efficiency"),
                             QStringLiteral(" 100"),
                             TableBasedOnText(ws),
                             QStringLiteral("Parts per 144 inch bar: 97"),
                             QStringLiteral("Approximate remnant: 10.63 inch"),
                             QStringLiteral("Approximate Setup Time:  45 min."),
                             QStringLiteral("*Notes*"),
                             QStringLiteral("Deburr all edges.")};
  double y = 0;
  for (const QString& text : order) {
    const Found f = Find(doc, text);
    ASSERT_TRUE(f) << text.toStdString();
    EXPECT_GT(f.Item->Box.top(), y) << text.toStdString();
    y = f.Item->Box.top();
  }
  const QStringList texts = AllTexts(doc);
  EXPECT_TRUE(texts.contains(QStringLiteral("Page  1 of 1")));
  for (const QString& absent : {QStringLiteral("Comparing Times by Groups"), QStringLiteral("Tool Holders needed:"),
                                QStringLiteral("Setup time does not include bar loader setup and is calculated from...")})
    EXPECT_FALSE(texts.contains(absent)) << absent.toStdString();
  EXPECT_TRUE(Pictures(doc, 1).empty());
  // The running block.
  EXPECT_TRUE(texts.contains(QStringLiteral("Cust: Acme")));
  EXPECT_TRUE(texts.contains(QStringLiteral("Part No: VS-1002  Valve Stem")));
  EXPECT_TRUE(texts.contains(QStringLiteral("Mach: SL-20")));
  ExpectCleanLayout(doc);
}

TEST(ComposeReportTest, FontsOfTheFirstPage) {
  const ReportDocument doc = Compose(SampleWorkspace(), ReportSwitches::AllOff());
  auto font = [&](const QString& text) { return Find(doc, text).Item->Font; };
  EXPECT_EQ(font(QStringLiteral("Cycle Time Estimate for SL-20")), (ReportFont{QStringLiteral("Arial"), 18, true}));
  EXPECT_EQ(font(QStringLiteral("Prepared for: Acme")), (ReportFont{QStringLiteral("Arial"), 12, true}));
  EXPECT_EQ(font(QStringLiteral("Prepared by: J. Smith")), (ReportFont{QStringLiteral("Arial"), 8, false}));
  EXPECT_EQ(font(QStringLiteral("Part Number: VS-1002")), (ReportFont{QStringLiteral("Arial"), 12, false}));
  EXPECT_EQ(font(QStringLiteral("Total Cycle Time= 34.55sec ")), (ReportFont{QStringLiteral("Arial"), 18, true}));
  EXPECT_EQ(font(QStringLiteral("(A B1 D)")), (ReportFont{QStringLiteral("Arial"), 10, true}));
  EXPECT_EQ(font(kDefaultDisclaimer), (ReportFont{QStringLiteral("Arial"), 12, false}));
  EXPECT_EQ(font(QStringLiteral("*Notes*")), (ReportFont{QStringLiteral("Arial"), 10, true}));
  EXPECT_EQ(font(QStringLiteral("Deburr all edges.")), (ReportFont{QStringLiteral("Arial"), 10, false}));
  EXPECT_EQ(font(QStringLiteral("Cust: Acme")), (ReportFont{QStringLiteral("Arial"), 8, false}));
  EXPECT_EQ(font(QStringLiteral("Page  1 of 1")), (ReportFont{QStringLiteral("Arial"), 8, true}));
  const Found title = Find(doc, QStringLiteral("Cycle Time Estimate for SL-20"));
  EXPECT_NEAR(title.Item->Box.center().x(), doc.PageWidth() / 2, 0.01);
  EXPECT_EQ(Find(doc, QStringLiteral("Part Number: VS-1002")).Item->Box.left(), doc.MarginLeft());
}

TEST(ComposeReportTest, TotalLineCentredWithItsFormulaOnTheSameLine) {
  Workspace ws = SampleWorkspace();
  CycleComparison& c = ws.Comparison;
  c = CycleComparison();
  c.TotalA = 12.5f;
  c.TotalB[1] = 20;
  c.TotalC[1] = 25;
  c.TotalB[2] = 8;
  c.TotalD = 4;
  const ReportFigures f = ComputeReportFigures(ws);
  EXPECT_EQ(f.CycleTotal, 49.5);
  EXPECT_EQ(f.CycleFormula, QStringLiteral("(A C1 B2 D)"));
  const ReportDocument doc = Compose(ws, ReportSwitches::AllOff());
  const Found total = Find(doc, QStringLiteral("Total Cycle Time= 49.5sec "));
  ASSERT_TRUE(total);
  EXPECT_EQ(LineOf(doc, total), (QStringList{QStringLiteral("Total Cycle Time= 49.5sec "), QStringLiteral("(A C1 B2 D)")}));
  EXPECT_NEAR(total.Item->Box.center().x(), doc.PageWidth() / 2, 0.01);
}

TEST(ComposeReportTest, SixtySecondsWithoutBarLoadMakesSixtyPartsAnHour) {
  Workspace ws = SampleWorkspace();
  ws.Study.Header.SubSpindleUsed = 0;
  ws.Comparison = CycleComparison();
  ws.Comparison.TotalA = 60;
  ws.Machine.BarLoadTimeSec = 0;
  const ReportDocument doc = Compose(ws, ReportSwitches::AllOff());
  EXPECT_EQ(LineOf(doc, Find(doc, QStringLiteral("Efficiency"))),
            (QStringList{QStringLiteral("Efficiency"), QStringLiteral("1 hr"), QStringLiteral("Shift"),
                         QStringLiteral("Day"), QStringLiteral("Week"), QStringLiteral("Month"), QStringLiteral("Year")}));
  EXPECT_EQ(LineOf(doc, Find(doc, QStringLiteral(" 100"))),
            (QStringList{QStringLiteral(" 100"), QStringLiteral("60.0"), QStringLiteral("600.0"),
                         QStringLiteral("1,200.0"), QStringLiteral("7,200.0"), QStringLiteral("28,800.0"),
                         QStringLiteral("374,400.0")}));
  EXPECT_EQ(LineOf(doc, Find(doc, QStringLiteral(" 70"))),
            (QStringList{QStringLiteral(" 70"), QStringLiteral("42.0"), QStringLiteral("420.0"), QStringLiteral("840.0"),
                         QStringLiteral("5,040.0"), QStringLiteral("20,160.0"), QStringLiteral("262,080.0")}));
  EXPECT_TRUE(AllTexts(doc).contains(QStringLiteral("Total Cycle Time= 60.sec ")));
  EXPECT_TRUE(AllTexts(doc).contains(QStringLiteral("(A)")));

  // Shop hours from the settings: 7.5 hours a shift are used as they are.
  ws.Report.HoursShift = 7.5f;
  ws.Report.HoursDay = 8;
  ws.Report.DaysWeek = 5;
  const ReportFigures f = ComputeReportFigures(ws);
  EXPECT_EQ(f.Production[6].Cells, (QStringList{QStringLiteral(" 100"), QStringLiteral("60.0"), QStringLiteral("450.0"),
                                                QStringLiteral("480.0"), QStringLiteral("2,400.0"),
                                                QStringLiteral("9,600.0"), QStringLiteral("124,800.0")}));
}

TEST(ComposeReportTest, BarLoadTimeIsSpreadOverThePartsOfABar) {
  Workspace ws = SampleWorkspace();
  ws.Comparison = CycleComparison();
  ws.Comparison.TotalA = 60;
  ws.Machine.BarLoadTimeSec = 97;  // 97 parts a bar: one second a part
  const ReportFigures f = ComputeReportFigures(ws);
  EXPECT_EQ(f.PartsPerBar, 97);
  EXPECT_FLOAT_EQ(f.BarLoadPerPart, 1);
  EXPECT_EQ(f.Production[6].Cells[1], QStringLiteral("59.0"));  // 3600 / 61
  EXPECT_FLOAT_EQ(f.Remnant, 10.625f);
}

TEST(ComposeReportTest, NoTimeGivesEmptyFormulaAndZeroCells) {
  Workspace ws = SampleWorkspace();
  ws.Comparison = CycleComparison();
  ws.Machine.BarLoadTimeSec = 0;
  const ReportDocument doc = Compose(ws);
  const QStringList texts = AllTexts(doc);
  EXPECT_TRUE(texts.contains(QStringLiteral("Total Cycle Time= 0sec ")));
  EXPECT_EQ(LineOf(doc, Find(doc, QStringLiteral("Total Cycle Time= 0sec "))).last(), QStringLiteral("()"));
  EXPECT_EQ(LineOf(doc, Find(doc, QStringLiteral(" 85"))),
            (QStringList{QStringLiteral(" 85"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                         QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")}));
  for (const QString& t : texts) EXPECT_FALSE(t.contains(NumberFault())) << t.toStdString();
  // No group has time: no group details, the comparison page still comes.
  EXPECT_TRUE(texts.contains(QStringLiteral("Comparing Times by Groups")));
  EXPECT_FALSE(texts.contains(QStringLiteral("Main Spindle (A) (before comparing)")));
  EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                          [](const QString& t) { return t.startsWith(QStringLiteral("Cutting Conditions")); }),
            0);
}

TEST(ComposeReportTest, PartLongerThanTheBarStillGivesAReport) {
  for (const QString& length : {QStringLiteral("200"), QStringLiteral("0"), QStringLiteral("-3")}) {
    Workspace ws = SampleWorkspace();
    ws.Study.Header.PartLength = length;
    if (length == QStringLiteral("0")) ws.Machine.CutOffWidth = 0;  // 134 / 0
    const ReportFigures f = ComputeReportFigures(ws);
    EXPECT_EQ(f.PartsPerBar, 0) << length.toStdString();
    EXPECT_EQ(f.BarLoadPerPart, 0);
    for (const ProductionRow& row : f.Production)
      for (qsizetype i = 1; i < row.Cells.size(); ++i) EXPECT_EQ(row.Cells[i], QStringLiteral("0"));
    const ReportDocument doc = Compose(ws, ReportSwitches::AllOff());
    const QStringList texts = AllTexts(doc);
    EXPECT_TRUE(texts.contains(QStringLiteral("Parts per 144 inch bar: 0")));
    for (const QString& t : texts) EXPECT_FALSE(t.contains(NumberFault())) << t.toStdString();
  }
  // Without bar load time the rate does not depend on the bar.
  Workspace ws = SampleWorkspace();
  ws.Study.Header.PartLength = QStringLiteral("200");
  ws.Machine.BarLoadTimeSec = 0;
  EXPECT_EQ(ComputeReportFigures(ws).Production[6].Cells[1], QStringLiteral("104.2"));  // 3600 / 34.55
  EXPECT_TRUE(AllTexts(Compose(ws, ReportSwitches::AllOff())).contains(QStringLiteral("Approximate remnant: 144. inch")));
}

TEST(ComposeReportTest, TableBasedOnLineKeepsItsBlanks) {
  Workspace ws = SampleWorkspace();
  EXPECT_EQ(TableBasedOnText(ws),
            QStringLiteral("Table based on 10hours/shift,  20hours/day,  6 days/week, 52 weeks/year,  144 inch bar,  45 "
                           "sec barload time, with  .125 inch cutoff/face amount."));
  ws.Report.HoursShift = 7.5f;
  EXPECT_TRUE(TableBasedOnText(ws).startsWith(QStringLiteral("Table based on 7.5hours/shift,  20hours/day")));
  const ReportDocument doc = Compose(ws, ReportSwitches::AllOff());
  const Found line = Find(doc, TableBasedOnText(ws));
  ASSERT_TRUE(line);
  EXPECT_EQ(line.Item->Font.Size, 8);
  EXPECT_NEAR(line.Item->Box.center().x(), doc.PageWidth() / 2, 0.01);
}

TEST(ComposeReportTest, MetricLengthsCarryMM) {
  Workspace ws = SampleWorkspace();
  ws.Study.Header.Metric = -1;
  ws.Study.Header.PartLength = QStringLiteral("31.75");
  ws.Machine.BarLengthInch = 3657.6f;
  ws.Machine.CutOffWidth = 3.175f;
  ws.Machine.MainSpindle.RemnantLength = 254;
  const ReportFigures f = ComputeReportFigures(ws);
  EXPECT_EQ(f.UnitText, QStringLiteral(" MM"));
  EXPECT_EQ(f.PartsPerBar, 97);
  const QStringList texts = AllTexts(Compose(ws, ReportSwitches::AllOff()));
  EXPECT_TRUE(texts.contains(QStringLiteral("Parts per 3657.6 MM bar: 97")));
  EXPECT_TRUE(texts.contains(QStringLiteral("Approximate remnant: 269.88 MM")));
  EXPECT_EQ(TableBasedOnText(ws),
            QStringLiteral("Table based on 10hours/shift,  20hours/day,  6 days/week, 52 weeks/year,  3657.6 MM bar,  45 "
                           "sec barload time, with  3.175 MM cutoff/face amount."));
}

TEST(ComposeReportTest, SetupDataListsTheUsedToolsOfEachTimedPost) {
  const Workspace ws = SampleWorkspace();
  ReportSwitches sw = ReportSwitches::AllOff();
  sw.PrintSetupData = true;
  const ReportDocument doc = Compose(ws, sw);
  const QStringList texts = AllTexts(doc);
  const Found intro = Find(doc, QStringLiteral("Setup time does not include bar loader setup and is calculated from..."));
  ASSERT_TRUE(intro);
  EXPECT_EQ(intro.Item->Font.Size, 8);
  const Found collets = Find(doc, QStringLiteral("Collets and (Guide Bushing) = 30 min."));
  const Found gang = Find(doc, QStringLiteral("Gang used are 1, 3, = 5 min. each"));
  ASSERT_TRUE(collets && gang);
  EXPECT_EQ(collets.Item->Box.left(), doc.MarginLeft() + 500);
  EXPECT_EQ(gang.Item->Box.left(), doc.MarginLeft() + 500);
  EXPECT_GT(gang.Item->Box.top(), collets.Item->Box.top());
  // The turret has no setting time and none of the sub post's tools is used.
  for (const QString& t : texts) {
    EXPECT_FALSE(t.startsWith(QStringLiteral("Turret"))) << t.toStdString();
    EXPECT_FALSE(t.startsWith(QStringLiteral("Sub used"))) << t.toStdString();
  }
  EXPECT_FALSE(texts.contains(QStringLiteral("Page  2 of 2")));
  // The notes come after, left-indented 350.
  const Found notes = Find(doc, QStringLiteral("*Notes*"));
  EXPECT_EQ(notes.Item->Box.left(), doc.MarginLeft() + 350);
  ExpectCleanLayout(doc);
}

TEST(ComposeReportTest, NotesStartAt12700UnlessTheBodyReachesFurther) {
  Workspace ws = SampleWorkspace();
  {
    const ReportDocument doc = Compose(ws, ReportSwitches::AllOff());
    const Found notes = Find(doc, QStringLiteral("*Notes*"));
    ASSERT_TRUE(notes);
    EXPECT_EQ(notes.Page, 1);
    EXPECT_DOUBLE_EQ(notes.Item->Box.top(), 12700);
  }
  // A tall logo pushes the body past 12700: the notes follow below it.
  QTemporaryDir dir;
  QImage tall(100, 1400, QImage::Format_RGB32);
  tall.fill(Qt::blue);
  ws.Report.LogoPic = dir.filePath(QStringLiteral("tall.png"));
  ASSERT_TRUE(tall.save(ws.Report.LogoPic));
  ReportSwitches sw = ReportSwitches::AllOff();
  sw.PrintSetupData = true;
  ws.Study.Header.Notes = QStringLiteral("notes ").repeated(500);
  const ReportDocument doc = Compose(ws, sw);
  const Found notes = Find(doc, QStringLiteral("*Notes*"));
  const Found gang = Find(doc, QStringLiteral("Gang used are 1, 3, = 5 min. each"));
  ASSERT_TRUE(notes && gang);
  EXPECT_TRUE(notes.Page > gang.Page || notes.Item->Box.top() > gang.Item->Box.bottom());
  EXPECT_GE(doc.PageCount(), 2);
  ExpectCleanLayout(doc);
  QString joined;
  for (const QString& t : AllTexts(doc))
    if (t.startsWith(QStringLiteral("notes"))) joined += (joined.isEmpty() ? QString() : QStringLiteral(" ")) + t;
  EXPECT_EQ(joined, ws.Study.Header.Notes.trimmed());
}

TEST(ComposeReportTest, LogoAtItsSizePercentCentredBelowThePreparedLines) {
  QTemporaryDir dir;
  Workspace ws = SampleWorkspace();
  QImage logo(200, 100, QImage::Format_RGB32);
  logo.fill(Qt::red);
  ws.Report.LogoPic = dir.filePath(QStringLiteral("logo.png"));
  ASSERT_TRUE(logo.save(ws.Report.LogoPic));
  for (int size : {100, 50}) {
    ws.Report.LogoSize = static_cast<std::int16_t>(size);
    const ReportDocument doc = Compose(ws, ReportSwitches::AllOff());
    const auto pictures = Pictures(doc, 1);
    ASSERT_EQ(pictures.size(), 1u);
    const QRectF box = pictures.front()->Box;
    EXPECT_DOUBLE_EQ(box.width(), 3000.0 * size / 100);
    EXPECT_DOUBLE_EQ(box.height(), 1500.0 * size / 100);
    EXPECT_DOUBLE_EQ(box.center().x(), doc.PageWidth() / 2);
    const Found by = Find(doc, QStringLiteral("Prepared by: J. Smith"));
    const Found part = Find(doc, QStringLiteral("Part Number: VS-1002"));
    EXPECT_NEAR(box.top(), by.Item->Box.bottom() + 200, 30);
    EXPECT_GE(part.Item->Box.top(), box.bottom() + 300 - 0.01);
    ExpectCleanLayout(doc);
  }
  // A missing or unreadable logo is skipped.
  ws.Report.LogoPic = dir.filePath(QStringLiteral("none.png"));
  EXPECT_TRUE(Pictures(Compose(ws, ReportSwitches::AllOff()), 1).empty());
  ws.Report.LogoPic = dir.filePath(QStringLiteral("junk.jpg"));
  QFile junk(ws.Report.LogoPic);
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("not a picture");
  junk.close();
  EXPECT_TRUE(Pictures(Compose(ws, ReportSwitches::AllOff()), 1).empty());
}

TEST(ComposeReportTest, ComparisonShowsTheCountingSideInBold) {
  Workspace ws = SampleWorkspace();
  CycleComparison& c = ws.Comparison;
  c.TotalB[1] = 20;
  c.TotalC[1] = 25;  // C counts
  c.TotalB[2] = 8;   // B counts
  c.TotalB[3] = 5;
  c.TotalC[3] = 5;  // a tie counts B
  ReportSwitches sw = ReportSwitches::AllOff();
  sw.PrintCutData = true;
  const ReportDocument doc = Compose(ws, sw);
  auto bold = [&](const QString& text) {
    const Found f = Find(doc, text);
    EXPECT_TRUE(f) << text.toStdString();
    return f && f.Item->Font.Bold;
  };
  EXPECT_FALSE(bold(QStringLiteral("Total Time (B1): 20.00")));
  EXPECT_TRUE(bold(QStringLiteral("Total Time (C1): 25.00")));
  EXPECT_TRUE(bold(QStringLiteral("Total Time (B2): 8.00")));
  EXPECT_FALSE(bold(QStringLiteral("Total Time (C2): 0.00")));
  EXPECT_TRUE(bold(QStringLiteral("Total Time (B3): 5.00")));
  EXPECT_FALSE(bold(QStringLiteral("Total Time (C3): 5.00")));
  EXPECT_FALSE(bold(QStringLiteral("Cutting Time (C1): 12.00")));
  EXPECT_FALSE(bold(QStringLiteral("Idle Time (B1): 6.25")));

  const Found heading = Find(doc, QStringLiteral("Comparing Times by Groups"));
  ASSERT_TRUE(heading);
  EXPECT_EQ(heading.Page, 2);
  EXPECT_EQ(heading.Item->Font, (ReportFont{QStringLiteral("Arial"), 14, true}));
  const Found b1 = Find(doc, QStringLiteral("Main Spindle (B1) (while comparing to Sub)."));
  const Found c1 = Find(doc, QStringLiteral("Sub Spindle (C1) (while comparing to Main)."));
  ASSERT_TRUE(b1 && c1);
  EXPECT_EQ(b1.Item->Baseline, c1.Item->Baseline);
  EXPECT_NEAR(b1.Item->Box.center().x(), doc.PageWidth() / 4, 0.01);
  EXPECT_NEAR(c1.Item->Box.center().x(), doc.PageWidth() * 3 / 4, 0.01);
  EXPECT_TRUE(Find(doc, QStringLiteral("Main Spindle (A) (before comparing)")));
  EXPECT_TRUE(Find(doc, QStringLiteral("Total Time (A): 4.30")));
  EXPECT_TRUE(Find(doc, QStringLiteral("Main Spindle (D) (after comparing)")));
  EXPECT_FALSE(Find(doc, QStringLiteral("Main Spindle (B4) (while comparing to Sub).")));
  // The total again, bold 12 with its formula.
  const QStringList texts = AllTexts(doc);
  const Found total = [&] {
    for (int p = 2; p <= doc.PageCount(); ++p)
      for (const ReportTextItem* t : doc.Page(p).Texts())
        if (t->Text.startsWith(QStringLiteral("Total Cycle Time= "))) return Found{p, t};
    return Found{};
  }();
  ASSERT_TRUE(total);
  EXPECT_EQ(total.Item->Font, (ReportFont{QStringLiteral("Arial"), 12, true}));
  EXPECT_EQ(LineOf(doc, total),
            (QStringList{QStringLiteral("Total Cycle Time= 45.8sec "), QStringLiteral("(A C1 B2 B3 D)")}));
  ExpectCleanLayout(doc);
}

TEST(ComposeReportTest, GroupDetailsHoldTheirOperationsItemLinesAndTotals) {
  Workspace ws = SampleWorkspace();
  Operation& drill = ws.Study.Op(1, 3);
  drill = MakeOp(QStringLiteral("T05"), QStringLiteral("Drill"), QStringLiteral("B1"), QStringLiteral("ER16"));
  drill.RPM = 1200;
  drill.Diameter = .25;
  drill.SFM = 79;
  drill.IPR = .004;
  drill.IPM = 4.8;
  drill.CutLength = .5;
  drill.UpdateCutTime();
  drill.ExtraRapids = 2;
  drill.Dwells = 1;
  drill.OtherSeconds = 3;
  ReportSwitches sw = ReportSwitches::AllOff();
  sw.PrintCutData = true;
  const ReportDocument doc = Compose(ws, sw);
  const Found row = Find(doc, QStringLiteral("T05"));
  ASSERT_TRUE(row);
  EXPECT_EQ(LineOf(doc, row),
            (QStringList{QStringLiteral("T05"), QStringLiteral("Drill"), QStringLiteral(" 1200"), QStringLiteral(" .25"),
                         QStringLiteral(" 79"), QStringLiteral(".004"), QStringLiteral("4.80"), QStringLiteral(" .5"),
                         QStringLiteral("6.25"), QStringLiteral(" 2"), QStringLiteral(" 0"), QStringLiteral(" 1"),
                         QStringLiteral(" 3")}));
  EXPECT_EQ(row.Item->Font, (ReportFont{QStringLiteral("Arial"), 10, false}));
  EXPECT_EQ(LineOf(doc, Find(doc, QStringLiteral("Tool No"))),
            SplitTableRow(kDetailHeader));

  // Headings in group order, each with its operations under it.
  const QStringList headings = {
      QStringLiteral("Cutting Conditions and non cutting time (A) Main SPL (before time comparison)."),
      QStringLiteral("Cutting Conditions and non cutting time (B1) Main SPL (while comparing to Sub)."),
      QStringLiteral("Cutting Conditions and non cutting time (C1) Sub SPL (while comparing to Main)."),
      QStringLiteral("Cutting Conditions and non cutting time (D) Main SPL (after comparing).")};
  const QStringList firstTools = {QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("21"), QStringLiteral("7")};
  auto position = [&](const Found& f) { return f.Page * 100000.0 + f.Item->Box.top(); };
  double last = 0;
  for (qsizetype i = 0; i < headings.size(); ++i) {
    const Found h = Find(doc, headings[i]);
    ASSERT_TRUE(h) << headings[i].toStdString();
    EXPECT_EQ(h.Item->Font, (ReportFont{QStringLiteral("Arial"), 12, true}));
    EXPECT_EQ(h.Item->Box.left(), 400);
    EXPECT_GT(position(h), last);
    last = position(h);
    const Found tool = Find(doc, firstTools[i]);
    ASSERT_TRUE(tool);
    EXPECT_GT(position(tool), last) << firstTools[i].toStdString();
  }
  // Item lines: description at 500, value right-aligned 400 from the page's edge.
  const Found item = Find(doc, QStringLiteral("Spindle start/stop"));
  ASSERT_TRUE(item);
  EXPECT_EQ(item.Item->Box.left(), 500);
  EXPECT_EQ(LineOf(doc, item), (QStringList{QStringLiteral("Spindle start/stop"), QStringLiteral(" 1 x .5 = .5")}));
  const Found value = Find(doc, QStringLiteral(" 1 x .5 = .5"));
  EXPECT_NEAR(value.Item->Box.right(), doc.PageWidth() - 400, 0.01);
  for (const QString& text : {QStringLiteral("Idle Time (B1): 6.25"), QStringLiteral("Cutting Time (B1): 20.50"),
                              QStringLiteral("Total Time (B1): 26.75"), QStringLiteral("Total Time (D): 3.50")}) {
    bool rightAligned = false;
    for (int p = 2; p <= doc.PageCount(); ++p)
      for (const ReportTextItem* t : doc.Page(p).Texts())
        if (t->Text == text && t->Font.Bold && std::abs(t->Box.right() - (doc.PageWidth() - 400)) < 0.01)
          rightAligned = true;
    EXPECT_TRUE(rightAligned) << text.toStdString();
  }
  ExpectCleanLayout(doc);
}

TEST(ComposeReportTest, PrintItemLinesKeepsLinesAfterAnEmptyDescription) {
  ReportDocument doc;
  doc.StartDoc();
  PrintItemLines(doc, {{QStringLiteral("one"), QStringLiteral(" 1")},
                       {QString(), QStringLiteral(" 2")},
                       {QStringLiteral("three"), QStringLiteral(" 3")}});
  EXPECT_EQ(doc.Page(1).TextStrings(),
            (QStringList{QStringLiteral("one"), QStringLiteral(" 1"), QStringLiteral(" 2"), QStringLiteral("three"),
                         QStringLiteral(" 3")}));
  const ReportTextItem* three = doc.Page(1).Texts()[3];
  const ReportTextItem* two = doc.Page(1).Texts()[2];
  EXPECT_EQ(three->Box.left(), 500);
  EXPECT_GT(three->Box.top(), two->Box.top());
  EXPECT_NEAR(two->Box.right(), doc.PageWidth() - 400, 0.01);
}

TEST(ComposeReportTest, DuplicateToolAndHolderPairsGiveOneLine) {
  Workspace ws = SampleWorkspace();
  ws.Study.Op(2, 2) = MakeOp(QStringLiteral("3"), QStringLiteral("Turn"), QStringLiteral("C1"), QStringLiteral("SVJBR"));
  ws.Study.Op(2, 3) = MakeOp(QStringLiteral("3"), QStringLiteral("Turn"), QStringLiteral("C1"), QStringLiteral("Other"));
  ws.Study.SubOpCount = 3;
  ReportSwitches sw = ReportSwitches::AllOff();
  sw.PrintToolHolders = true;
  const ReportDocument doc = Compose(ws, sw);
  const QStringList texts = AllTexts(doc);
  const qsizetype at = texts.indexOf(QStringLiteral("Tool Holders needed:"));
  ASSERT_GE(at, 0);
  EXPECT_EQ(texts.mid(at + 1, 5),
            (QStringList{QStringLiteral("1 SDJCR"), QStringLiteral("3 SVJBR"), QStringLiteral("7 Blade"),
                         QStringLiteral("21 ER11"), QStringLiteral("3 Other")}));
  EXPECT_EQ(texts.count(QStringLiteral("3 SVJBR")), 1);
  EXPECT_EQ(Find(doc, QStringLiteral("1 SDJCR")).Item->Box.left(), 500);
  EXPECT_EQ(Find(doc, QStringLiteral("Tool Holders needed:")).Item->Font, (ReportFont{QStringLiteral("Arial"), 10, true}));
  EXPECT_FALSE(Find(doc, QStringLiteral("1 SDJCR")).Item->Font.Bold);
}

TEST(ComposeReportTest, ToolingImagesFitThePageWidthAndStartANewPageWhenTooTall) {
  QTemporaryDir dir;
  Workspace ws = SampleWorkspace();
  ws.AppFolder = dir.path() + u'/';
  QImage wide(1200, 700, QImage::Format_RGB32);
  wide.fill(Qt::green);
  ASSERT_TRUE(wide.save(dir.filePath(QStringLiteral("main.png"))));
  ASSERT_TRUE(wide.save(dir.filePath(QStringLiteral("sub.png"))));
  ws.Machine.MainToolImage = QStringLiteral("main.png");       // in the application folder
  ws.Machine.SubToolImage = dir.filePath(QStringLiteral("sub.png"));  // a full path
  ReportSwitches sw = ReportSwitches::AllOff();
  sw.PrintToolImage = true;
  const ReportDocument doc = Compose(ws, sw);
  int pictures = 0;
  const double body = doc.PageWidth() - doc.MarginLeft() - doc.MarginRight();
  for (int p = 1; p <= doc.PageCount(); ++p) {
    for (const ReportPictureItem* pic : Pictures(doc, p)) {
      ++pictures;
      EXPECT_DOUBLE_EQ(pic->Box.width(), body);
      EXPECT_NEAR(pic->Box.height(), body * 700 / 1200, 0.01);
    }
  }
  EXPECT_EQ(pictures, 2);
  EXPECT_EQ(doc.PageCount(), 2);  // neither fits below the notes; both fit on page 2
  EXPECT_TRUE(AllTexts(doc).contains(QStringLiteral("Page  2 of 2")));
  ExpectCleanLayout(doc);

  // The same image for both spindles is printed once; a missing one is skipped.
  ws.Machine.SubToolImage = ws.Machine.MainToolImage;
  EXPECT_EQ(Pictures(Compose(ws, sw), 2).size(), 1u);
  ws.Machine.MainToolImage = QStringLiteral("absent.png");
  ws.Machine.SubToolImage = QStringLiteral("images\\absent.jpg");
  const ReportDocument none = Compose(ws, sw);
  EXPECT_EQ(none.PageCount(), 1);
}

TEST(ComposeReportTest, EveryPageIsNumberedAgainstTheRightMargin) {
  Workspace ws = SampleWorkspace();
  ws.Study.Header.Notes = QStringLiteral("Long notes. ").repeated(400);
  const ReportDocument doc = Compose(ws);
  ASSERT_GE(doc.PageCount(), 3);
  const int n = doc.PageCount();
  for (int p = 1; p <= n; ++p) {
    const QString text = QStringLiteral("Page ") + Str(p) + QStringLiteral(" of ") + QString::number(n);
    const ReportTextItem* number = nullptr;
    for (const ReportTextItem* t : doc.Page(p).Texts())
      if (t->Text.startsWith(QStringLiteral("Page "))) {
        EXPECT_EQ(number, nullptr);
        number = t;
      }
    ASSERT_TRUE(number) << p;
    EXPECT_EQ(number->Text, text);
    EXPECT_EQ(number->Font, (ReportFont{QStringLiteral("Arial"), 8, true}));
    EXPECT_NEAR(number->Box.right(), doc.PageWidth() - doc.MarginRight(), 0.01);
    EXPECT_NEAR(number->Box.top(), doc.PageHeight() - 50 - MetricsOf(number->Font).LineHeight(), 0.01);
    EXPECT_GT(number->Box.top(), doc.BodyBottom());
  }
  EXPECT_EQ(Find(doc, QStringLiteral("Page  1 of ") + QString::number(n)).Page, 1);
  ExpectCleanLayout(doc);
}

TEST(ComposeReportTest, HundredAndHundredOperations) {
  Workspace ws = SampleWorkspace();
  ws.Comparison = CycleComparison();
  for (int i = 1; i <= 100; ++i) {
    ws.Study.Op(1, i) = MakeOp(QStringLiteral("M%1").arg(i), QStringLiteral("Main operation %1 with a longer name").arg(i),
                               QStringLiteral("B1"), QStringLiteral("Holder M%1").arg(i));
    ws.Study.Op(2, i) = MakeOp(QStringLiteral("S%1").arg(i), QStringLiteral("Sub operation %1").arg(i),
                               QStringLiteral("C1"), QStringLiteral("Holder S%1").arg(i));
  }
  ws.Study.MainOpCount = 100;
  ws.Study.SubOpCount = 100;
  ws.Comparison.TotalB[1] = 300;
  ws.Comparison.TotalC[1] = 200;
  for (int n = 1; n <= 100; ++n) {
    ws.Comparison.LinesB[1].push_back({QStringLiteral("Item %1").arg(n), QStringLiteral(" %1 x 1 = %1").arg(n)});
  }
  const ReportDocument doc = Compose(ws);
  const QStringList texts = AllTexts(doc);
  for (int i = 1; i <= 100; ++i) {
    EXPECT_TRUE(texts.contains(QStringLiteral("M%1").arg(i))) << i;
    EXPECT_TRUE(texts.contains(QStringLiteral("S%1").arg(i))) << i;
    EXPECT_TRUE(texts.contains(QStringLiteral("Item %1").arg(i))) << i;
  }
  // The first 100 holder entries: every main one, no sub one.
  EXPECT_TRUE(texts.contains(QStringLiteral("M100 Holder M100")));
  EXPECT_FALSE(texts.contains(QStringLiteral("S1 Holder S1")));
  EXPECT_GE(doc.PageCount(), 8);
  for (int p = 1; p <= doc.PageCount(); ++p)
    EXPECT_TRUE(doc.Page(p).TextStrings().contains(QStringLiteral("Page ") + Str(p) + QStringLiteral(" of ") +
                                                   QString::number(doc.PageCount())));
  ExpectCleanLayout(doc);
}

TEST(ComposeReportTest, ComposingAgainDiscardsThePreviousReport) {
  const Workspace ws = SampleWorkspace();
  ReportDocument doc;
  ComposeReport(ws, doc, Options());
  const int pages = doc.PageCount();
  const QStringList first = AllTexts(doc);
  ComposeReport(ws, doc, Options());
  EXPECT_EQ(doc.PageCount(), pages);
  EXPECT_EQ(AllTexts(doc), first);
}

}  // namespace
}  // namespace arvex

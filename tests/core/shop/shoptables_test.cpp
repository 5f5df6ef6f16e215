#include "shop/shoptables.h"

#include "platform/numtext.h"
#include "platform/scriptedprompter.h"
#include "support/qstringprint.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

using namespace arvex;
using arvex::test::TempAppFolder;

namespace {

QStringList RowTexts(const CenterDrillRow& row) {
  return QStringList(row.Cells.begin(), row.Cells.end());
}

// The stored rows, cells joined with "|" and rows with " / "; the rows after
// them must be empty.
QString RowsText(const CenterDrillTable& t) {
  QStringList rows;
  for (std::size_t i = 0; i < t.Rows.size(); ++i) {
    if (static_cast<int>(i) < t.StoredRows) rows << RowTexts(t.Rows[i]).join('|');
    else EXPECT_TRUE(t.Rows[i].IsEmpty()) << i;
  }
  return rows.join(" / ");
}

CenterDrillTable ParseCen(const QString& text, CenterDrillUnits units = CenterDrillUnits::Inch,
                          bool* failed = nullptr) {
  bool local = false;
  return ParseCenterDrillTable(text, units, failed ? failed : &local);
}

const QString kSmallCen = QStringLiteral(
    "Notes, with commas, before the marker\r\n"
    "[INCH]\r\n"
    "\"#1\",.125,118,.047,.047,60\r\n"
    "\r\n"
    "\"#2\", .1875 ,118,.078,.078,60\r\n"
    "[METRIC]\r\n"
    "\"A2\",5,118,2,3,60\r\n"
    "[END]\r\n"
    "\"after\",1,2,3,4,5\r\n");

void ExpectTap(const TapEntry& e, const char* name, float diameter, float pitch) {
  EXPECT_EQ(e.Name, name);
  EXPECT_EQ(e.Diameter, diameter) << name;
  EXPECT_EQ(e.Pitch, pitch) << name;
}

}  // namespace

TEST(CenterDrillTableTest, RowsOfTheOtherUnitAreConverted) {
  // Body, pilot diameter and pilot length follow the study's unit; the
  // angles stay.
  const std::pair<CenterDrillUnits, const char*> cases[] = {
      {CenterDrillUnits::Inch,
       "#1|.125|118|.047|.047|60 / #2|.1875|118|.078|.078|60 / A2|.1969|118|.0787|.1181|60"},
      {CenterDrillUnits::Millimetre, "#1|3.175|118|1.194|1.194|60 / #2|4.763|118|1.981|1.981|60 / A2|5|118|2|3|60"}};
  for (const auto& [units, rows] : cases) {
    bool failed = true;
    const CenterDrillTable t = ParseCen(kSmallCen, units, &failed);
    EXPECT_FALSE(failed);
    EXPECT_EQ(RowsText(t), rows);
    EXPECT_EQ(t.Rows[50].Body(), 0);
  }
}

TEST(CenterDrillTableTest, ConvertedCellsKeepADecimalPointUnderACommaLocale) {
  ScopedNumberLocale comma({u',', u'.'});
  const CenterDrillTable t = ParseCen(kSmallCen);
  EXPECT_EQ(t.Rows[2].Cell(2), ".1969");
  EXPECT_DOUBLE_EQ(t.Rows[2].Body(), 0.1969);
  EXPECT_EQ(ParseCen(kSmallCen, CenterDrillUnits::Millimetre).Rows[0].Cell(2), "3.175");
}

TEST(CenterDrillTableTest, MoreThan51RowsLoadsTheFirst51) {
  QString text = QStringLiteral("[INCH]\r\n");
  for (int i = 0; i < 40; ++i) text += QStringLiteral("I%1,1,118,.1,.1,60\r\n").arg(i);
  text += QStringLiteral("[METRIC]\r\n");
  for (int i = 0; i < 20; ++i) text += QStringLiteral("M%1,25.4,118,2.54,2.54,60\r\n").arg(i);
  text += QStringLiteral("[END]\r\n");
  bool failed = true;
  const CenterDrillTable t = ParseCen(text, CenterDrillUnits::Inch, &failed);
  EXPECT_FALSE(failed);
  EXPECT_EQ(t.StoredRows, 51);
  EXPECT_EQ(t.Rows[39].Designation(), "I39");
  EXPECT_EQ(t.Rows[40].Designation(), "M0");
  EXPECT_EQ(t.Rows[50].Designation(), "M10");
}

TEST(CenterDrillTableTest, LayoutsAndReadFaultsThatKeepTheCompleteRows) {
  const char* one = "#1|.125|118|.047|.047|60";
  const struct { const char* Text; bool Failed; const char* Rows; } cases[] = {
      {"[INCH]\r\n#1,.125,118,.047,.047,60\r\n[END]\r\n", false, one},  // no metric section
      {"[INCH]\n#1,.125,118,.047,.047,60\n", false, one},                 // the file simply ends
      // Items may be split over lines; a quoted item keeps its commas.
      {"x [INCH] y\n\"No. 1, short\",.125\n118,.047\n.047,60\n[END]", false, "No. 1, short|.125|118|.047|.047|60"},
      {"[INCH]\n[METRIC]\nA,,118,,x,60\n[END]\n", false, "A|0|118|0|0|60"},  // empty cells convert to zero
      {"no marker here\r\n1,2,3\r\n", true, ""},
      {"[INCH]\n#1,.125,118,.047,.047,60\n#2,.1875,118\n", true, one},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    bool failed = !c.Failed;
    const CenterDrillTable t = ParseCen(QString::fromLatin1(c.Text), CenterDrillUnits::Inch, &failed);
    EXPECT_EQ(failed, c.Failed);
    EXPECT_EQ(RowsText(t), c.Rows);
  }
}

TEST(CenterDrillTableTest, RowValuesAndAngleRounding) {
  CenterDrillRow row;
  row.Cells = {"#3", ".25", "118.5", ".108", ".109", "59.5"};
  EXPECT_EQ((std::vector<double>{row.Body(), row.PilotDiameter(), row.PilotLength()}),
            (std::vector<double>{.25, .108, .109}));
  EXPECT_EQ(row.PilotAngle(), 118);  // halves to even
  EXPECT_EQ(row.ChamferAngle(), 60);
}

// The missing files' messages are checked on the windows' forms.
TEST(ShopTableLoaderTest, LoadersReportAMissingFileAndAReadFault) {
  TempAppFolder folder;
  ScriptedPrompter prompter;
  TableReadStatus status = TableReadStatus::Ok;
  EXPECT_EQ(LoadCenterDrillTable(folder.Path(), CenterDrillUnits::Inch, prompter, &status).StoredRows, 0);
  EXPECT_EQ(status, TableReadStatus::Missing);
  EXPECT_EQ(prompter.Entries()[0].Caption, "ERROR");
  EXPECT_EQ(prompter.Entries()[0].Icon, MessageIcon::Question);

  prompter.Clear();
  folder.Write("CEN-INFO.TXT", "[INCH]\r\n#1,.125,118,.047,.047,60\r\n#2,.1875\r\n");
  EXPECT_EQ(LoadCenterDrillTable(folder.Path(), CenterDrillUnits::Inch, prompter, &status).StoredRows, 1);
  EXPECT_EQ(status, TableReadStatus::ReadError);
  EXPECT_EQ(prompter.Messages(), QStringList{"Can't read the data file!"});

  prompter.Clear();
  folder.Write("TAPDRILL.TXT", "[INCH]\r\nA,1,2\r\nbroken\r\n");
  EXPECT_EQ(LoadTapTable(folder.Path(), prompter, &status).Inch.size(), 1);
  EXPECT_EQ(status, TableReadStatus::ReadError);
  EXPECT_EQ(prompter.Messages(), QStringList{"Can't read the data file!"});
}

TEST(TapTableTest, SectionsBlankLinesAndTheEnd) {
  bool failed = true;
  const TapTable t = ParseTapTable(QStringLiteral("Common taps\r\n[INCH]\r\n1/4-20 UNC,.25,.05\r\n\r\n   \r\n"
                                                  "5/16-18 UNC,.3125,18\r\n[METRIC]\r\n\r\nM6x1, 6 ,1\r\n"
                                                  "M8x1.25,8,1.25\r\n[END]\r\nM10x1.5,10,1.5\r\n"),
                                   &failed);
  EXPECT_FALSE(failed);
  ASSERT_EQ(t.Inch.size(), 2);
  ExpectTap(t.Inch[0], "1/4-20 UNC", .25f, .05f);
  ExpectTap(t.Inch[1], "5/16-18 UNC", .3125f, 18.f);  // the blank lines do not shift it
  ASSERT_EQ(t.Metric.size(), 2);
  ExpectTap(t.Metric[0], "M6x1", 6.f, 1.f);
  ExpectTap(t.Metric[1], "M8x1.25", 8.f, 1.25f);
  // [END] in the inch section ends the table.
  const TapTable ended = ParseTapTable(QStringLiteral("[INCH]\nA,1,2\n[END]\n[METRIC]\nM,3,4\n"), nullptr);
  EXPECT_EQ(ended.Inch.size(), 1);
  EXPECT_TRUE(ended.Metric.isEmpty());
}

TEST(TapTableTest, AFullSectionIgnoresItsRemainingLines) {
  QString text = QStringLiteral("[INCH]\n");
  for (int i = 0; i < 160; ++i) text += QStringLiteral("I%1,%1,.05\n").arg(i);
  text += QStringLiteral("[METRIC]\n");
  for (int i = 0; i < 155; ++i) text += QStringLiteral("M%1,%1,1\n").arg(i);
  bool failed = true;
  const TapTable t = ParseTapTable(text, &failed);
  EXPECT_FALSE(failed);
  ASSERT_EQ(t.Inch.size(), 151);
  EXPECT_EQ(t.Inch[150].Name, "I150");
  // The inch lines beyond the limit do not turn into metric taps.
  ASSERT_EQ(t.Metric.size(), 151);
  EXPECT_EQ(t.Metric[0].Name, "M0");
  EXPECT_EQ(t.Metric[150].Name, "M150");
}

TEST(TapTableTest, MalformedLinesAreReadFaultsThatKeepTheLinesBefore) {
  const struct { const char* Text; bool Failed; QStringList Names; } cases[] = {
      {"[INCH]\nA,1,2\njust a name\nB,3,4\n", true, {"A"}},
      {"[INCH]\nA,1,2\nB,1E300,1\n", true, {"A"}},
      {"A,1,2\n", true, {}},
      // A missing pitch reads as 0; extra fields follow the pitch's number.
      {"[INCH]\nA,.25\nB,.5,.05,junk\n", false, {"A", "B"}},
  };
  for (const auto& c : cases) {
    bool failed = !c.Failed;
    const TapTable t = ParseTapTable(QString::fromLatin1(c.Text), &failed);
    EXPECT_EQ(failed, c.Failed) << c.Text;
    QStringList names;
    for (const TapEntry& e : t.Inch) names << e.Name;
    EXPECT_EQ(names, c.Names) << c.Text;
    if (!c.Failed) {
      ExpectTap(t.Inch[0], "A", .25f, 0.f);
      ExpectTap(t.Inch[1], "B", .5f, .05f);
    }
  }
}

// List lines pad the name to five; pairs in file order, at most 251.
TEST(DrillChartTest, ListLinesPairsInFileOrderAndTheLimit) {
  EXPECT_EQ((DrillChartEntry{"13/64", .203125}).ListLine(), "|13/64 .203125");
  EXPECT_EQ((DrillChartEntry{"LONGER", 0}).ListLine(), "|LONGER 0");
  const DrillChart c = ParseDrillChart(QStringLiteral("\"80\",.0135\r\n\r\nA, .234\r\n\"1/4\",.25,\"10.2\"\r\n.4016\r\nlone"));
  EXPECT_EQ(c.ListLines(), (QStringList{"|80    .0135", "|A     .234", "|1/4   .25", "|10.2  .4016"}));
  QString text;
  for (int i = 0; i < 300; ++i) text += QStringLiteral("D%1,%1\r\n").arg(i);
  const DrillChart full = ParseDrillChart(text);
  ASSERT_EQ(full.Entries.size(), 251);
  EXPECT_EQ(full.Entries.last().Name, "D250");
}

TEST(DrillChartTest, LoaderReportsAMissingFileAndReadsTheBundledChart) {
  TempAppFolder folder;
  ScriptedPrompter prompter;
  TableReadStatus status = TableReadStatus::Ok;
  EXPECT_TRUE(LoadDrillChart(folder.Path(), prompter, &status).Entries.isEmpty());
  EXPECT_EQ(status, TableReadStatus::Missing);
  EXPECT_EQ(prompter.Messages(), QStringList{"The drill data file is missing! " + folder.Path() + "DRILLDAT.TXT"});
  prompter.Clear();
  const DrillChart chart = LoadDrillChart(test::SourceDataFolder(), prompter, &status);
  EXPECT_EQ(status, TableReadStatus::Ok);
  EXPECT_TRUE(prompter.Entries().isEmpty());
  ASSERT_GE(chart.Entries.size(), 200);
  EXPECT_EQ(chart.ListLines().first(), "|80    .0135");
}

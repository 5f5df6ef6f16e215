#include "cutting/cutdatacsv.h"

#include "cutdatatestutil.h"
#include "cutting/cutdataqueries.h"

#include <gtest/gtest.h>

using namespace arvex;
using namespace arvex::test;

namespace {

const QStringList kGroups = {"Steel", "Stainless", "Aluminum"};
const QString kHeader = QStringLiteral("GrpName,Operation,DepthofCut,ToolGrade,FromSFM,ToSFM,FromIPR,ToIPR,FromDiam,ToDiam");

QStringList Lines(const std::vector<CsvRejection>& rejected) {
  QStringList out;
  for (const CsvRejection& r : rejected) out << QString::number(r.Line) + u' ' + r.Reason;
  return out;
}

}  // namespace

TEST(CsvTest, ParsingKeepsQuotedCommasQuotesAndLineEnds) {
  const std::vector<CsvRecord> records =
      ParseCsv(QStringLiteral("a,\"b,c\",\"d \"\"e\"\"\"\r\n\r\n\"multi\r\nline\",x\ny,\n\"open"));
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[0].Line, 1);
  EXPECT_EQ(records[0].Cells, (QStringList{"a", "b,c", "d \"e\""}));
  EXPECT_EQ(records[1].Line, 3);
  EXPECT_EQ(records[1].Cells, (QStringList{"multi\r\nline", "x"}));
  EXPECT_EQ(records[2].Line, 5);
  EXPECT_EQ(records[2].Cells, (QStringList{"y", ""}));
  EXPECT_EQ(records[3].Line, 6);
  EXPECT_TRUE(records[3].Unterminated);
}

TEST(CsvTest, BytesAreUtf8OrWindows1252) {
  EXPECT_EQ(DecodeCsvBytes("\xEF\xBB\xBF\xC3\x98 10"), QStringLiteral("Ø 10"));
  EXPECT_EQ(DecodeCsvBytes("\xD8 10"), QStringLiteral("Ø 10"));
}

TEST(CutDataCsvTest, WrittenTextReadsBackToTheSameRows) {
  const CuttingDataRecord a{0, 2, "Drill, \"peck\"", "1 x D\nthen 0.5 x D", "Carbide K10 uncoated, polished",
                            120, 200, 0.0004, 0.0015, 0.02, 0.125};
  const CuttingDataRecord b{.GrpIndex = 3, .Operation = "Tom's Ream", .ToSFM = 1.5e-7};
  const QString text = WriteCutDataCsv({a, b}, kGroups);
  EXPECT_EQ(text, kHeader + QStringLiteral("\r\n"
                                           "Stainless,\"Drill, \"\"peck\"\"\",\"1 x D\nthen 0.5 x D\","
                                           "\"Carbide K10 uncoated, polished\",120,200,.0004,.0015,.02,.125\r\n"
                                           "Aluminum,Tom's Ream,,,,1.5E-07,,,,\r\n"));
  const CutDataCsvRead read = ReadCutDataCsv(text, kGroups);
  EXPECT_TRUE(read.Rejected.empty()) << Lines(read.Rejected).join(u'|').toStdString();
  EXPECT_EQ(read.Rows, (std::vector<CuttingDataRecord>{a, b}));
}

TEST(CutDataCsvTest, RowsWithoutAGroupAreWrittenAndNamed) {
  QStringList warnings;
  const QString text = WriteCutDataCsv({{.Operation = "Drill"}}, kGroups, &warnings);
  EXPECT_EQ(text, kHeader + QStringLiteral("\r\n,Drill,,,,,,,,\r\n"));
  EXPECT_EQ(warnings, QStringList{"line 2: group number 0 is no material group; written without a group name"});
}

TEST(CutDataCsvTest, EveryBadLineIsRejectedWithItsNumberAndReasons) {
  const QString text = QStringLiteral(
      "grpname,op,doc,grade,a,b,c,d,e,f\n"                  // 1 header in any case
      "Steel,OD Turn,.03,P25,500,900,.004,.01,.125,1.25\n"  // 2 good
      "Steel,OD Turn,.03,P25,500,900,.004,.01,.125\n"       // 3 nine cells
      "Titanium,Drill,,,100,200,,,,\n"                      // 4 unknown group
      "Steel,Drill,,,fast,200,.001,12abc,,\n"               // 5 two bad numbers
      ",Drill,,,,,,,,\n"                                    // 6 no group
      "\n"                                                  // 7 empty: skipped
      ",,,,,,,,,\n"                                         // 8 only empty cells: skipped
      "steel,Drill,,,,,,,,\n"                               // 9 group names are exact
      "Aluminum,Face,\"never closed,,,,,,,\n");             // 10 open quote to the end
  const CutDataCsvRead read = ReadCutDataCsv(text, kGroups);
  ASSERT_EQ(read.Rows.size(), 1u);
  EXPECT_EQ(read.Rows[0].GrpIndex, 1);
  // A file without header is read from its first line.
  EXPECT_EQ(ReadCutDataCsv(QStringLiteral("Steel,Tap,,,40,80,,,,\r\n"), kGroups).Rows.size(), 1u);
  EXPECT_EQ(Lines(read.Rejected), (QStringList{
                                      "3 wrong column count: 9 columns, 10 expected",
                                      "4 unknown material group \"Titanium\"",
                                      "5 bad number in FromSFM: \"fast\"; bad number in ToIPR: \"12abc\"",
                                      "6 no material group",
                                      "9 unknown material group \"steel\"",
                                      "10 a quoted text is not closed",
                                  }));
}

using CutDataCsvFileTest = SmallSeedTest;
using CutDataCsvBundledFileTest = BundledSeedTest;

TEST_F(CutDataCsvBundledFileTest, ExportThenImportDoublesEveryRowExactly) {
  const std::vector<CuttingDataRecord> before = Selected(db_, ShowAllQuery());
  int written = 0;
  QStringList warnings;
  const QString csv = folder_.FilePath("cutdat.csv");
  ASSERT_TRUE(ExportCutDataCsv(db_, csv, &written, &warnings, &error_)) << error_.toStdString();
  EXPECT_EQ(written, 168);
  EXPECT_TRUE(warnings.isEmpty());
  EXPECT_TRUE(folder_.Read("cutdat.csv").startsWith("\xEF\xBB\xBF" + kHeader.toLatin1() + "\r\n"));

  int added = 0;
  std::vector<CsvRejection> rejected;
  ASSERT_TRUE(ImportCutDataCsv(db_, csv, &added, &rejected, &error_)) << error_.toStdString();
  EXPECT_EQ(added, 168);
  const std::vector<CuttingDataRecord> after = Selected(db_, ShowAllQuery());
  ASSERT_EQ(after.size(), 336u);
  for (size_t i = 0; i < before.size(); ++i) {
    CuttingDataRecord copy = after[before.size() + i];
    copy.RowId = before[i].RowId;
    EXPECT_EQ(copy, before[i]) << i;
  }
}

TEST_F(CutDataCsvFileTest, AnExportThatCannotBeWrittenIsReported) {
  int written = -1;
  EXPECT_FALSE(ExportCutDataCsv(db_, folder_.FilePath("no/such/folder/out.csv"), &written, nullptr, &error_));
  EXPECT_TRUE(error_.startsWith(QStringLiteral("Cannot write "))) << error_.toStdString();
  EXPECT_EQ(written, -1);
}

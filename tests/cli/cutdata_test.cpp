#include "support/testsupport.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace arvex::test;

namespace {

const char* const kGoodAndBad =
    "GrpName,Operation,DepthofCut,ToolGrade,FromSFM,ToSFM,FromIPR,ToIPR,FromDiam,ToDiam\r\n"
    "Titanium,Knurl,,,40,80,,,,\r\n"
    "Brass,Knurl,,,100,200,,,\r\n"
    "Brass,Knurl,,,100,2OO,,,,\r\n"
    "Tin,Knurl,,,100,200,,,,\r\n";

}  // namespace

TEST(CutDataCommandTest, ExportThenImportRoundTrip) {
  TempAppFolder folder(true);
  const QString csv = folder.FilePath("out.csv");
  const CliResult exported = RunArvex({"cutdata", "export", csv, "--app-folder", folder.Path()});
  EXPECT_EQ(exported.Status, 0) << exported.Err.toStdString();
  EXPECT_EQ(exported.Out, "Exported 168 cutting data rows to " + csv + "\n");
  EXPECT_TRUE(ReadBytes(csv).startsWith("\xEF\xBB\xBFGrpName,Operation,DepthofCut,ToolGrade,"));

  const CliResult imported = RunArvex({"--app-folder", folder.Path(), "cutdata", "import", csv});
  EXPECT_EQ(imported.Status, 0) << imported.Err.toStdString();
  EXPECT_EQ(imported.Out, "Imported 168 cutting data rows into " + folder.FilePath("RVXCutData.db") + "\n");
}

TEST(CutDataCommandTest, RejectedLinesOrAnUnreadableFileAddNothing) {
  TempAppFolder folder(true);
  folder.Write("in.csv", kGoodAndBad);
  CliResult r = RunArvex({"cutdata", "import", folder.FilePath("in.csv"), "--app-folder", folder.Path()});
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(r.Out, "");
  EXPECT_EQ(r.Err,
            "arvex: line 3: wrong column count: 9 columns, 10 expected\n"
            "arvex: line 4: bad number in ToSFM: \"2OO\"\n"
            "arvex: line 5: unknown material group \"Tin\"\n"
            "arvex: Nothing was imported: 3 of 4 lines were rejected.\n");
  const QString missing = folder.FilePath("missing.csv");
  r = RunArvex({"cutdata", "import", missing, "--app-folder", folder.Path()});
  EXPECT_EQ(r.Status, 1);
  EXPECT_TRUE(r.Err.startsWith("arvex: Cannot read " + missing + ": ")) << r.Err.toStdString();
  EXPECT_EQ(r.Err.count(u'\n'), 1);
  r = RunArvex({"cutdata", "export", folder.FilePath("after.csv"), "--app-folder", folder.Path()});
  EXPECT_EQ(r.Out, "Exported 168 cutting data rows to " + folder.FilePath("after.csv") + "\n");
  // Wrong use shows the usage.
  r = RunArvex({"cutdata", "merge", "x.csv", "--app-folder", folder.Path()});
  EXPECT_EQ(r.Status, 2);
  EXPECT_EQ(r.Err, "arvex: usage: arvex cutdata export FILE.csv | arvex cutdata import FILE.csv\n");
}

TEST(CutDataCommandTest, AFreshApplicationFolderGetsTheSeedData) {
  TempAppFolder parent;
  const QString app = parent.FilePath("fresh");
  const CliResult r = RunArvexProcess({"cutdata", "export", parent.FilePath("out.csv")},
                                      {"ARVEX_APP_FOLDER=" + app});
  ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
  EXPECT_EQ(r.Out, "Exported 168 cutting data rows to " + parent.FilePath("out.csv") + "\n");
  EXPECT_TRUE(QFile::exists(app + "/RVXCutData.db"));
}

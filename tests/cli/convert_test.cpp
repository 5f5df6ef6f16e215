#include "support/testsupport.h"

#include <gtest/gtest.h>

using arvex::test::CliResult;
using arvex::test::RunArvex;
using arvex::test::TempAppFolder;

namespace {

// Converts `name` (written with `bytes`) in `folder` into out.rvx; the
// option comes first.
CliResult Convert(const TempAppFolder& folder, const QString& name, const QByteArray& bytes) {
  folder.Write(name, bytes);
  return RunArvex({"convert", "-o", folder.FilePath("out.rvx"), folder.FilePath(name)});
}

}  // namespace

TEST(ConvertCommandTest, OldFormatsGetTheCurrentOneWithTheirSyncs) {
  TempAppFolder folder;
  // Version 107: short operation lines, a sub stretch 3..5 for the syncs.
  auto r = Convert(folder, "old.rvx",
                   "\"RVX-v107\",\"SH32-SubLive\",1,1,3,5,\"Cust\",\"Eng\",\"Part\",\"P-7\",\"303 Stainless\",\".750\","
                   "\"Round\",\"1.25\",\"old notes\"\r\n6\r\n" +
                       QByteArray("\"T01\",\"Face\",\"H\",.75,350,1782,.004,7.128,.9,1,0,0,\"\",0\r\n").repeated(4) +
                       "\"T12\",\"Drill\",\"3/8 Drill Sleeve\",.201,70,1330,.003,3.99,.65,2,0,0,\"Peck\",2\r\n"
                       "\"T05\",\"Cut-Off\",\"H\",.75,250,1273,.0015,1.9095,.385,0,0,1,\"\",0\r\n2\r\n" +
                       QByteArray("\"T21\",\"Back Face\",\"H\",.75,300,1527,.002,3.054,.4,0,0,0,\"\",0\r\n").repeated(2));
  ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
  EXPECT_EQ(r.Err, "");
  EXPECT_EQ(r.Out, folder.FilePath("old.rvx") + " (format 107) -> " + folder.FilePath("out.rvx") + " (format 119)\n");
  const QByteArray out = folder.Read("out.rvx");
  EXPECT_TRUE(out.startsWith("\"RVX-v119\",\"SH32-SubLive\",1,1,0,0,\"Cust\",\"Eng\",\"Part\",\"P-7\",\"303 Stainless\","
                             "\".750\",\"Round\",\"1.25\",\"old notes\",0\r\n6\r\n"));
  EXPECT_TRUE(out.endsWith("\r\n3,6,0\r\n1,3,0\r\n"));
}

TEST(ConvertCommandTest, AFileThatCannotBeConvertedNeverTouchesTheOutput) {
  TempAppFolder folder;
  folder.Write("out.rvx", "precious\r\n");
  auto expectRefused = [&](const CliResult& r) {
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Out, "");
    EXPECT_EQ(r.Err.count('\n'), 1) << r.Err.toStdString();
    EXPECT_EQ(folder.Read("out.rvx"), QByteArray("precious\r\n"));
  };
  auto r = RunArvex({"convert", folder.FilePath("none.rvx"), "-o", folder.FilePath("out.rvx")});
  expectRefused(r);
  EXPECT_EQ(r.Err, "arvex: cannot read " + folder.FilePath("none.rvx") + ": Error #53 - File not found\n");

  // A study of more than 100 operations would lose some.
  QByteArray big = "\"RVX-v119\",\"M\",0,1,0,0,\"\",\"\",\"\",\"\",\"\",\"\",\"Round\",\"\",\"\",0\r\n101\r\n";
  big += QByteArray("\"T01\",\"Turn\",\"\",.5,300,2291,.002,4.582,1.5,0,0,0,\"\",0,0,0\r\n").repeated(101);
  r = Convert(folder, "big.rvx", big + "0\r\n0\r\n0\r\n");
  expectRefused(r);
  EXPECT_EQ(r.Err, "arvex: " + folder.FilePath("big.rvx") +
                       " lists 1 operation beyond place 100 of a list, which a time study cannot hold; " +
                       folder.FilePath("out.rvx") + " was not written\n");

  // An unquoted text holding a double quote cannot be written back.
  r = Convert(folder, "quote.rvx", "\"RVX-v119\",\"M\",0,1,0,0,3/4\" bar\r\n");
  expectRefused(r);
  EXPECT_TRUE(r.Err.startsWith("arvex: The time study was not saved:")) << r.Err.toStdString();
  EXPECT_TRUE(r.Err.contains("the customer holds \"\"\" (U+0022)")) << r.Err.toStdString();

  // Usage mistakes write nothing either.
  const QString out = folder.FilePath("out.rvx");
  const std::pair<QStringList, QString> usage[] = {
      {{"a.rvx"}, "arvex: convert needs IN.rvx -o OUT.rvx\n"},
      {{"a.rvx", "-o"}, "arvex: -o needs a file name\n"},
      {{"a.rvx", "b.rvx", "-o", out}, "arvex: convert needs exactly one IN.rvx and -o OUT.rvx\n"}};
  for (const auto& [args, err] : usage) {
    r = RunArvex(QStringList{"convert"} + args);
    EXPECT_EQ(r.Status, 2);
    EXPECT_EQ(r.Err, err);
  }
  EXPECT_EQ(folder.Read("out.rvx"), QByteArray("precious\r\n"));
}

TEST(ConvertCommandTest, WarningsForFilesWithoutAVersionOrWithBadSyncs) {
  TempAppFolder folder;
  auto r = Convert(folder, "odd.rvx", "\"no version\",\"M\",0,1,0,0\r\n");
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Err, "arvex: warning: " + folder.FilePath("odd.rvx") +
                       " names no format version; it was read as the oldest format\n");
  r = Convert(folder, "syncs.rvx",
              "\"RVX-v119\",\"M\",1,1,0,0,\"\",\"\",\"\",\"\",\"\",\"\",\"Round\",\"\",\"\",0\r\n0\r\n0\r\n"
              "1,300,0\r\n1,2,0\r\n");
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Err, "arvex: warning: 1 sync of " + folder.FilePath("syncs.rvx") +
                       " points outside the operation lists and was left out\n");
  EXPECT_TRUE(folder.Read("out.rvx").endsWith("\r\n1,0\r\n1,0\r\n"));
}

#include "document/rvxfile.h"
#include "document/timestudy.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

using namespace arvex;
using arvex::test::RunArvex;
using arvex::test::TempAppFolder;

namespace {

TimeStudy ParseFile(const QString& path) {
  TimeStudy s;
  ParseTimeStudy(arvex::test::ReadBytes(path), &s);
  return s;
}

void ExpectSameFields(const TimeStudy& a, const TimeStudy& b) {
  EXPECT_EQ(a.Header, b.Header);
  for (int spindle = 1; spindle <= 2; ++spindle)
    for (int i = 1; i <= kMaxOperations; ++i) EXPECT_TRUE(a.Op(spindle, i) == b.Op(spindle, i)) << spindle << "/" << i;
  EXPECT_EQ(a.Syncs, b.Syncs);
}

const QByteArray kVersion107 =
    "\"RVX-v107\",\"SH32-SubLive\",1,1,3,5,\"Cust\",\"Eng\",\"Part\",\"P-7\",\"303 Stainless\",\".750\",\"Round\","
    "\"1.25\",\"old notes\"\r\n"
    "6\r\n"
    "\"T01\",\"Face\",\"1/2 Sq. RH Turning\",.75,350,1782,.004,7.128,.9,1,0,0,\"\",0\r\n"
    "\"T02\",\"Turn\",\"1/2 Sq. RH Turning\",.5,400,3055,.002,6.11,1.1,0,0,0,\"\",0\r\n"
    "\"T03\",\"Groove\",\"1/2 Sq. Grooving\",.5,300,2291,.001,2.291,.06,0,0,0,\"\",0\r\n"
    "\"T11\",\"Center Drill\",\"ER11 Collet Holder\",.125,100,3055,.002,6.11,.1,0,0,0,\"\",0\r\n"
    "\"T12\",\"Drill\",\"3/8 Drill Sleeve\",.201,70,1330,.003,3.99,.65,2,0,0,\"Peck\",2\r\n"
    "\"T05\",\"Cut-Off\",\"Cut-off Blade Holder 2.5mm\",.75,250,1273,.0015,1.9095,.385,0,0,1,\"\",0\r\n"
    "2\r\n"
    "\"T21\",\"Back Face\",\"1/2 Sq. Back Turning\",.75,300,1527,.002,3.054,.4,0,0,0,\"\",0\r\n"
    "\"T22\",\"Back Center Drill\",\"ER11 Collet Holder\",.125,100,3055,.002,6.11,.08,0,0,0,\"\",0\r\n";

const QByteArray kVersion110 =
    "\"RVX-v110\",\"SH20-Sub\",1,1,0,0,\"\",\"\",\"\",\"\",\"\",\"\",\"Hex\",\"22.5\",\"\"\n"
    "1\n"
    "\"T01\",\"Turn\",\"\",16,180,3581,.08,286.48,18,0,0,0,\"\",0,0,0\n"
    "1\n"
    "\"T21\",\"Back Face\",\"\",16,150,2984,.05,149.2,8,0,0,0,\"\",0,0,0\n"
    "1,2,0\n"
    "1,2,0\n";

}  // namespace

// Converts `name` (written with `bytes`) in `folder` into out.rvx.
arvex::test::CliResult Convert(const TempAppFolder& folder, const QString& name, const QByteArray& bytes) {
  folder.Write(name, bytes);
  return RunArvex({"convert", folder.FilePath(name), "-o", folder.FilePath("out.rvx")});
}

TEST(ConvertCommandTest, AVersion107FileGetsTheCurrentFormatWithItsLegacySyncs) {
  TempAppFolder folder;
  const auto r = Convert(folder, "old.rvx", kVersion107);
  ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
  EXPECT_EQ(r.Err, "");
  EXPECT_EQ(r.Out, folder.FilePath("old.rvx") + " (format 107) -> " + folder.FilePath("out.rvx") + " (format 119)\n");
  const QByteArray out = folder.Read("out.rvx");
  EXPECT_TRUE(out.startsWith("\"RVX-v119\",\"SH32-SubLive\",1,1,0,0,\"Cust\",\"Eng\",\"Part\",\"P-7\",\"303 Stainless\","
                             "\".750\",\"Round\",\"1.25\",\"old notes\",0\r\n6\r\n"));
  EXPECT_TRUE(
      out.contains("\r\n\"T12\",\"Drill\",\"3/8 Drill Sleeve\",.201,70,1330,.003,3.99,.65,2,0,0,\"Peck\",2,0,0\r\n"));
  EXPECT_TRUE(out.endsWith("\r\n3,6,0\r\n1,3,0\r\n"));
  const TimeStudy converted = ParseFile(folder.FilePath("out.rvx"));
  EXPECT_EQ(converted.Sync(1, 1), 3);
  EXPECT_EQ(converted.Sync(1, 2), 6);
}

TEST(ConvertCommandTest, AVersion110FileBecomesInchAndKeepsItsSyncs) {
  TempAppFolder folder;
  folder.Write("old.rvx", kVersion110);
  const auto r = RunArvex({"convert", "-o", folder.FilePath("new.rvx"), folder.FilePath("old.rvx")});
  ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
  const QByteArray out = folder.Read("new.rvx");
  EXPECT_TRUE(out.startsWith("\"RVX-v119\",\"SH20-Sub\",1,1,0,0,\"\",\"\",\"\",\"\",\"\",\"\",\"Hex\",\"22.5\",\"\",0\r\n"));
  EXPECT_TRUE(out.endsWith("\r\n1,2,0\r\n1,2,0\r\n"));
}

TEST(ConvertCommandTest, EveryConvertedFileReadsBackToTheSameFields) {
  TempAppFolder folder;
  folder.Write("v107.rvx", kVersion107);
  folder.Write("v110.rvx", kVersion110);
  folder.Write("truncated.rvx", kVersion110.left(120));
  QStringList inputs = {folder.FilePath("v107.rvx"), folder.FilePath("v110.rvx"), folder.FilePath("truncated.rvx")};
  const QDir samples(arvex::test::SourceDataFolder() + "samples");
  for (const QString& name : samples.entryList({"*.rvx"}, QDir::Files)) inputs << samples.filePath(name);
  int n = 0;
  for (const QString& input : inputs) {
    SCOPED_TRACE(input.toStdString());
    const QString output = folder.FilePath(u"out%1.rvx"_s.arg(++n));
    const auto r = RunArvex({"convert", input, "-o", output});
    ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
    ExpectSameFields(ParseFile(output), ParseFile(input));
    if (input.startsWith(samples.path())) {
      EXPECT_EQ(arvex::test::ReadBytes(output), arvex::test::ReadBytes(input)) << "already current";
    }
  }
}

TEST(ConvertCommandTest, AFileThatCannotBeConvertedNeverTouchesTheOutput) {
  TempAppFolder folder;
  folder.Write("out.rvx", "precious\r\n");
  auto expectRefused = [&](const arvex::test::CliResult& r) {
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
  for (int i = 0; i < 101; ++i) big += "\"T01\",\"Turn\",\"\",.5,300,2291,.002,4.582,1.5,0,0,0,\"\",0,0,0\r\n";
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

TEST(ConvertCommandTest, UsageErrors) {
  auto r = RunArvex({"convert", "a.rvx"});
  EXPECT_EQ(r.Status, 2);
  EXPECT_EQ(r.Err, "arvex: convert needs IN.rvx -o OUT.rvx\n");
  r = RunArvex({"convert", "a.rvx", "-o"});
  EXPECT_EQ(r.Status, 2);
  EXPECT_EQ(r.Err, "arvex: -o needs a file name\n");
  r = RunArvex({"convert", "a.rvx", "b.rvx", "-o", "c.rvx"});
  EXPECT_EQ(r.Status, 2);
  EXPECT_EQ(r.Err, "arvex: convert needs exactly one IN.rvx and -o OUT.rvx\n");
}

TEST(ConvertCommandTest, TheExecutableConvertsToo) {
  TempAppFolder folder;
  folder.Write("old.rvx", kVersion107);
  const auto r = arvex::test::RunArvexProcess({"convert", folder.FilePath("old.rvx"), "-o", folder.FilePath("new.rvx")});
  EXPECT_EQ(r.Status, 0) << r.Err.toStdString();
  EXPECT_TRUE(folder.Read("new.rvx").startsWith("\"RVX-v119\""));
}

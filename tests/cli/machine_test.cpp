#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using arvex::test::RunArvex;
using arvex::test::TempAppFolder;

namespace {

const QByteArray kSmallMachine =
    "[Small]\r\nHasSubSpindle=1\r\n1OD=Turning \"A\"\r\n2ID=Drill\\Sleeve\r\n"
    "[MainSpindle]\r\nTools1=Gang,T01,T02\r\nTime1to1=.6\r\nMaxSplSpeed=4999.5\r\nHeadstockStroke=12.6\r\n"
    "[SubSpindle]\r\nTools1=Back,T21\r\n[LiveSpindle4]\r\nName=Back Cross Live\r\n";

QJsonObject Show(const TempAppFolder& folder, const QStringList& extra, QString* text) {
  const auto r = RunArvex(QStringList{"--app-folder", folder.Path(), "machine", "show"} + extra);
  EXPECT_EQ(r.Status, 0) << r.Err.toStdString();
  EXPECT_EQ(r.Err, "");
  *text = r.Out;
  return QJsonDocument::fromJson(r.Out.toUtf8()).object();
}

}  // namespace

TEST(MachineCommandTest, ShowsTheLoadedDefinitionAsOneJsonObject) {
  TempAppFolder folder;
  folder.Write("Small.ini", kSmallMachine);
  QString text;
  const QJsonObject m = Show(folder, {"--json", "Small"}, &text);
  EXPECT_EQ(m.size(), 20);
  EXPECT_EQ(m["MainSpindle"].toObject().size(), 27);
  EXPECT_EQ(m["SubSpindle"].toObject().size(), 19);
  // Singles in their shortest text; quotes and backslashes escaped.
  EXPECT_TRUE(text.contains("\"Time1to1\": 0.6,"));
  EXPECT_TRUE(text.contains("\"CutOffWidth\": 0.099,"));
  const QJsonArray od = m["ODHolders"].toArray();
  ASSERT_EQ(od.size(), 30);
  EXPECT_EQ(od[0], "Turning \"A\"");
  EXPECT_EQ(m["IDHolders"].toArray()[1], "Drill\\Sleeve");
  EXPECT_EQ(m["SubTools1List"].toArray(), (QJsonArray{"Back", "T21", "Eject Part"}));

  // A metric study gives the lengths in millimetres, the times stay; the
  // options may follow the name.
  Show(folder, {"Small", "--metric", "--json"}, &text);
  EXPECT_TRUE(text.contains("\"BarLengthInch\": 3657.6,"));
  EXPECT_TRUE(text.contains("\"CutOffWidth\": 2.5146,"));
  EXPECT_TRUE(text.contains("\"Time1to1\": 0.6,"));
}

TEST(MachineCommandTest, AMissingFileAndUsageErrors) {
  TempAppFolder folder;
  folder.Write("Small.ini", kSmallMachine);
  const std::tuple<QStringList, int, QString> cases[] = {
      {{"show", "--json", "Nowhere"}, 1, "arvex: The machine file does not exist! " + folder.Path() + "Nowhere.ini\n"},
      {{"show", "Small"}, 2, "arvex: machine show writes JSON only: add --json\n"},
      {{"list"}, 2, "arvex: usage: arvex machine show [--metric] --json NAME\n"},
      {{"show", "--json"}, 2, "arvex: machine show needs exactly one machine NAME\n"}};
  for (const auto& [args, status, err] : cases) {
    const auto r = RunArvex(QStringList{"--app-folder", folder.Path(), "machine"} + args);
    EXPECT_EQ(r.Status, status);
    EXPECT_EQ(r.Out, "");
    EXPECT_EQ(r.Err, err);
  }
}

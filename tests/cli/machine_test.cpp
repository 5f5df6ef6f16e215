#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

using arvex::test::RunArvex;
using arvex::test::TempAppFolder;

namespace {

const QByteArray kSmallMachine =
    "[Small]\r\n"
    "HasSubSpindle=1\r\n"
    "1OD=Turning \"A\"\r\n"
    "2ID=Drill\\Sleeve\r\n"
    "[MainSpindle]\r\n"
    "Tools1=Gang,T01,T02\r\n"
    "Time1to1=.6\r\n"
    "MaxSplSpeed=4999.5\r\n"
    "HeadstockStroke=12.6\r\n"
    "[SubSpindle]\r\n"
    "Tools1=Back,T21\r\n"
    "[LiveSpindle4]\r\n"
    "Name=Back Cross Live\r\n";

QJsonObject Show(const TempAppFolder& folder, const QStringList& extra, QString* text = nullptr) {
  const auto r = RunArvex(QStringList{"--app-folder", folder.Path(), "machine", "show"} + extra);
  EXPECT_EQ(r.Status, 0) << r.Err.toStdString();
  EXPECT_EQ(r.Err, "");
  if (text) *text = r.Out;
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(r.Out.toUtf8(), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << r.Out.toStdString();
  return doc.object();
}

// The keys of the top level object in the order they are written.
QStringList TopLevelKeys(const QString& text) {
  QStringList keys;
  const QRegularExpression key("^  \"([A-Za-z0-9]+)\":", QRegularExpression::MultilineOption);
  for (auto it = key.globalMatch(text); it.hasNext();) keys << it.next().captured(1);
  return keys;
}

}  // namespace

TEST(MachineCommandTest, ShowsTheLoadedDefinitionAsOneJsonObject) {
  TempAppFolder folder;
  folder.Write("Small.ini", kSmallMachine);
  QString text;
  const QJsonObject m = Show(folder, {"--json", "Small"}, &text);
  EXPECT_EQ(TopLevelKeys(text),
            (QStringList{"HasSubSpindle", "HasLiveTools", "MainSpindle", "SubSpindle", "LiveSpindle1", "LiveSpindle2",
                         "LiveSpindle3", "LiveSpindle4", "CutOffWidth", "BarLengthInch", "BarLoadTimeSec",
                         "MainToolImage", "SubToolImage", "ODHolders", "IDHolders", "LiveHolders", "MainTools1List",
                         "MainTools2List", "SubTools1List", "SubTools2List"}));
  EXPECT_EQ(m["HasSubSpindle"], 1);
  EXPECT_EQ(m["HasLiveTools"], 0);

  const QJsonObject main = m["MainSpindle"].toObject();
  EXPECT_EQ(main.size(), 27);
  EXPECT_EQ(main["Tools1"], "Gang,T01,T02");
  EXPECT_EQ(main["Time1to1"], 0.6);
  EXPECT_EQ(main["MaxSplSpeed"], 5000);
  EXPECT_EQ(main["HeadstockStroke"], 12.6);
  EXPECT_EQ(main["OtherDesc1"], "0");
  EXPECT_EQ(main["RapidZBeginEnd"], "B");
  EXPECT_FALSE(main.contains("CatchFrSub"));
  EXPECT_TRUE(text.contains("\"Time1to1\": 0.6,"));

  const QJsonObject sub = m["SubSpindle"].toObject();
  EXPECT_EQ(sub.size(), 19);
  EXPECT_EQ(sub["Tools1"], "Back,T21,Eject Part");
  EXPECT_EQ(sub["Tools2"], "0");
  EXPECT_EQ(sub["TransferFrMain"], 0);
  EXPECT_FALSE(sub.contains("ColletOpenClose"));

  const QJsonObject live4 = m["LiveSpindle4"].toObject();
  EXPECT_EQ(live4.keys(), (QStringList{"MaxSplSpeed", "Name", "SplChange3k", "SplForRev", "SplStartStop"}));
  EXPECT_EQ(live4["Name"], "Back Cross Live");
  EXPECT_EQ(m["LiveSpindle1"].toObject()["Name"], "0");

  EXPECT_EQ(m["CutOffWidth"], 0.099);
  EXPECT_EQ(m["BarLengthInch"], 144);
  EXPECT_EQ(m["BarLoadTimeSec"], 50);
  EXPECT_EQ(m["MainToolImage"], "");
  EXPECT_TRUE(text.contains("\"CutOffWidth\": 0.099,"));

  const QJsonArray od = m["ODHolders"].toArray();
  ASSERT_EQ(od.size(), 30);
  EXPECT_EQ(od[0], "Turning \"A\"");
  EXPECT_EQ(od[1], "");
  EXPECT_EQ(m["IDHolders"].toArray()[1], "Drill\\Sleeve");
  EXPECT_EQ(m["LiveHolders"].toArray().size(), 30);

  EXPECT_EQ(m["MainTools1List"].toArray(), (QJsonArray{"Gang", "T01", "T02"}));
  EXPECT_EQ(m["MainTools2List"].toArray(), (QJsonArray{""}));
  EXPECT_EQ(m["SubTools1List"].toArray(), (QJsonArray{"Back", "T21", "Eject Part"}));
  EXPECT_EQ(m["SubTools2List"].toArray(), (QJsonArray{"0"}));
}

TEST(MachineCommandTest, MetricGivesTheLengthsInMillimetres) {
  TempAppFolder folder;
  folder.Write("Small.ini", kSmallMachine);
  QString text;
  const QJsonObject m = Show(folder, {"--metric", "--json", "Small"}, &text);
  EXPECT_TRUE(text.contains("\"BarLengthInch\": 3657.6,"));
  EXPECT_TRUE(text.contains("\"CutOffWidth\": 2.5146,"));
  EXPECT_DOUBLE_EQ(m["MainSpindle"].toObject()["HeadstockStroke"].toDouble(), 320.04);
  EXPECT_EQ(m["MainSpindle"].toObject()["Time1to1"], 0.6);
}

TEST(MachineCommandTest, TheBundledMachinesShowAndOptionsMayFollowTheName) {
  TempAppFolder folder(true);
  const auto r = RunArvex({"machine", "show", "SH32-SubLive", "--json", "--app-folder", folder.Path()});
  ASSERT_EQ(r.Status, 0) << r.Err.toStdString();
  const QJsonObject m = QJsonDocument::fromJson(r.Out.toUtf8()).object();
  EXPECT_EQ(m["HasLiveTools"], 1);
  EXPECT_EQ(m["SubTools1List"].toArray().last(), "Eject Part");
}

TEST(MachineCommandTest, AMissingFileIsReportedWithTheMachineMessage) {
  TempAppFolder folder;
  const auto r = RunArvex({"--app-folder", folder.Path(), "machine", "show", "--json", "Nowhere"});
  EXPECT_EQ(r.Status, 1);
  EXPECT_EQ(r.Out, "");
  EXPECT_EQ(r.Err, "arvex: The machine file does not exist! " + folder.Path() + "Nowhere.ini\n");
}

TEST(MachineCommandTest, UsageErrors) {
  TempAppFolder folder;
  folder.Write("Small.ini", kSmallMachine);
  auto r = RunArvex({"--app-folder", folder.Path(), "machine", "show", "Small"});
  EXPECT_EQ(r.Status, 2);
  EXPECT_EQ(r.Err, "arvex: machine show writes JSON only: add --json\n");
  r = RunArvex({"--app-folder", folder.Path(), "machine", "list"});
  EXPECT_EQ(r.Status, 2);
  EXPECT_EQ(r.Err, "arvex: usage: arvex machine show [--metric] --json NAME\n");
  r = RunArvex({"--app-folder", folder.Path(), "machine", "show", "--json"});
  EXPECT_EQ(r.Status, 2);
  EXPECT_EQ(r.Err, "arvex: machine show needs exactly one machine NAME\n");
}

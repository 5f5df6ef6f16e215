#include "machine/machinefile.h"

#include "document/rvxfile.h"
#include "machine/machinesetup.h"
#include "platform/profilefile.h"
#include "platform/scriptedprompter.h"
#include "support/testsupport.h"
#include "workspace.h"

#include <gtest/gtest.h>

#include <QDir>

using namespace arvex;
using arvex::test::TempAppFolder;

namespace {

MachineDefinition Read(const QByteArray& bytes, bool metric = false, const QString& name = "Test") {
  MachineDefinition m;
  ReadMachineDefinition(ProfileFile::FromBytes(bytes), name, metric, &m);
  return m;
}

const QByteArray kMainOnly =
    "[Test]\r\n"
    "HasSubSpindle=0\r\n"
    "[MainSpindle]\r\n"
    "Tools1=Gang,T01,T02\r\n"
    "Time1to1=.6\r\n"
    "HeadstockStroke=12.6\r\n"
    "RapidMultZ=500\r\n"
    "RemnantLength=8\r\n";

}  // namespace

TEST(MachineFileTest, MissingKeysTakeTheirDefaults) {
  const MachineDefinition m = Read(kMainOnly);
  EXPECT_EQ(m.HasLiveTools, 0);
  EXPECT_EQ(m.MainSpindle.Time1to1, .6);
  EXPECT_EQ(QStringList({m.MainSpindle.Tools2, m.MainSpindle.OtherDesc1, m.MainSpindle.Other1BeginEnd,
                         m.MainSpindle.Other2BeginEnd, m.MainSpindle.RapidZBeginEnd}),
            QStringList({"", "0", "B", "B", "B"}));
  SpindleRecord sub;
  sub.Tools1 = ",Eject Part";
  sub.Tools2 = sub.OtherDesc1 = sub.OtherDesc2 = "0";
  EXPECT_TRUE(m.SubSpindle == sub) << "every sub number 0";
  LiveSpindleRecord live;
  live.Name = "0";
  EXPECT_TRUE(m.LiveSpindle4 == live);
  EXPECT_EQ(m.CutOffWidth, 0.099f);
  EXPECT_EQ(m.BarLengthInch, 144.0f);
  EXPECT_EQ(m.BarLoadTimeSec, 50);
  EXPECT_EQ(m.MainTools2List, (QStringList{"", ""}));
  EXPECT_EQ(m.SubTools1List, (QStringList{"", "", "Eject Part"}));
  EXPECT_EQ(m.ODHolders[1], "");
  EXPECT_FALSE(m.LengthsInMillimetres);
}

TEST(MachineFileTest, AMetricStudyGetsTheFiveLengthsInMillimetres) {
  const MachineDefinition m = Read(kMainOnly + "[SubSpindle]\r\nTime1to1=.9\r\n", true);
  EXPECT_EQ(m.BarLengthInch, 3657.6f);
  EXPECT_EQ(m.CutOffWidth, 2.5146f);
  EXPECT_DOUBLE_EQ(m.MainSpindle.HeadstockStroke, 320.04);
  EXPECT_DOUBLE_EQ(m.MainSpindle.RapidMultZ, 12700);
  EXPECT_DOUBLE_EQ(m.MainSpindle.RemnantLength, 203.2);
  EXPECT_EQ(m.MainSpindle.Time1to1, .6) << "times are never converted";
  EXPECT_EQ(m.SubSpindle.Time1to1, .9);
  EXPECT_EQ(m.BarLoadTimeSec, 50);
  EXPECT_TRUE(m.LengthsInMillimetres);
}

TEST(MachineFileTest, IntegerFieldsRoundHalvesToEvenAndNumbersTakeTheirLeadingPart) {
  const MachineDefinition m = Read(
      "[MainSpindle]\r\nMaxSplSpeed=4999.5\r\nSetUpTime=90 min\r\nTime1to1=12abc\r\nTime2to2=abc\r\nSplRef= 1 . 5\r\n"
      "[SubSpindle]\r\nMaxSplSpeed=4998.5\r\nToolSetTime1=99999\r\nToolSetTime2=-1E9\r\n");
  EXPECT_EQ(m.MainSpindle.MaxSplSpeed, 5000);
  EXPECT_EQ(m.SubSpindle.MaxSplSpeed, 4998);
  EXPECT_EQ(m.MainSpindle.SetUpTime, 90);
  EXPECT_EQ(m.MainSpindle.Time1to1, 12);
  EXPECT_EQ(m.MainSpindle.Time2to2, 0);
  EXPECT_EQ(m.MainSpindle.SplRef, 1.5);
  // Beyond 16 bits the value is held at the end of the range, never wrapped.
  EXPECT_EQ(m.SubSpindle.ToolSetTime1, 32767);
  EXPECT_EQ(m.SubSpindle.ToolSetTime2, -32768);
}

TEST(MachineFileTest, ToolStringsAreSplitUntrimmedAndEjectPartIsAppendedOnce) {
  const MachineDefinition m = Read(
      "[MainSpindle]\r\nTools1=Gang, T01 ,T02,\r\nTools2=Front\r\n"
      "[SubSpindle]\r\nTools1=Back,T21,T22\r\nTools2=Back Cross,T25\r\n");
  EXPECT_EQ(m.MainTools1List, (QStringList{"", "Gang", " T01 ", "T02", ""}));
  EXPECT_EQ(m.MainTools2List, (QStringList{"", "Front"}));
  EXPECT_EQ(m.SubSpindle.Tools1, "Back,T21,T22,Eject Part");
  EXPECT_EQ(m.SubTools1List, (QStringList{"", "Back", "T21", "T22", "Eject Part"}));
  EXPECT_EQ(m.SubTools2List, (QStringList{"", "Back Cross", "T25"}));
  EXPECT_EQ(FindToolPost(m, "Eject Part", 2), kSubPost1);
  EXPECT_EQ(FindToolPost(m, "T25", 2), kSubPost2);
}

TEST(MachineFileTest, HoldersComeFromTheMachineSectionSlotBySlot) {
  const MachineDefinition m = Read(
      "[Test]\r\n1OD=Turning\r\n1id=Drill sleeve\r\n2OD=Grooving\r\n30Live=Saw\r\n31OD=never\r\n0OD=never\r\n"
      "[Other]\r\n3OD=not ours\r\n",
      false, "test");
  EXPECT_EQ(m.ODHolders[1], "Turning");
  EXPECT_EQ(m.IDHolders[1], "Drill sleeve");
  EXPECT_EQ(m.ODHolders[2], "Grooving");
  EXPECT_EQ(m.ODHolders[3], "");
  EXPECT_EQ(m.LiveHolders[30], "Saw");
  EXPECT_EQ(m.ODHolders[0], "");
}

TEST(MachineFileTest, LoadShowsTheMessageForAMissingFileAndKeepsTheMachine) {
  TempAppFolder folder;
  Workspace ws;
  ws.AppFolder = folder.Path();
  ws.Machine.LoadedName = "Previous";
  ws.Machine.MainSpindle.Time1to1 = 7;
  ScriptedPrompter prompter;
  EXPECT_FALSE(LoadMachineDefinition(ws, "Nowhere", prompter));
  ASSERT_EQ(prompter.Entries().size(), 1);
  EXPECT_EQ(prompter.Entries()[0].Text, "The machine file does not exist! " + folder.Path() + "Nowhere.ini");
  EXPECT_EQ(prompter.Entries()[0].Caption, kProgramTitle);
  EXPECT_EQ(prompter.Entries()[0].Icon, MessageIcon::None);
  EXPECT_EQ(ws.Machine.LoadedName, "Previous");
  EXPECT_EQ(ws.Machine.MainSpindle.Time1to1, 7);
}

TEST(MachineFileTest, LoadFollowsTheStudysUnitsAndFindsAFileInAnotherCase) {
  TempAppFolder folder;
  folder.Write("Swiss32.INI", kMainOnly);
  Workspace ws;
  ws.AppFolder = folder.Path();
  ws.Study.Header.Metric = -1;
  ScriptedPrompter prompter;
  ASSERT_TRUE(LoadMachineDefinition(ws, "swiss32", prompter));
  EXPECT_TRUE(prompter.Entries().isEmpty());
  EXPECT_EQ(ws.Machine.LoadedName, "swiss32");
  EXPECT_EQ(ws.Machine.BarLengthInch, 3657.6f);
  EXPECT_EQ(ws.Machine.MainTools1List, (QStringList{"", "Gang", "T01", "T02"}));
  EXPECT_EQ(MachineFilePath(folder.Path(), "SWISS32"), folder.FilePath("Swiss32.INI"));
  EXPECT_EQ(MachineFilePath(folder.Path(), "new"), folder.FilePath("new.ini"));
}

TEST(MachineFileTest, ListMachinesSortsByNameIgnoringCase) {
  TempAppFolder folder;
  for (const char* name : {"b.ini", "A.ini", "c.INI", "a2.ini", "notes.txt", "x.ini.bak"}) folder.Write(name, "");
  QDir(folder.Path()).mkdir("folder.ini");
  EXPECT_EQ(ListMachines(folder.Path()), (QStringList{"A", "a2", "b", "c"}));
  EXPECT_EQ(ListMachines(folder.FilePath("none/")), QStringList{});
}

// ---- The writer of the machine setup window -------------------------------------

namespace {

class MachineSetupFileTest : public ::testing::Test {
 protected:
  explicit MachineSetupFileTest(bool bundled = false) : folder_(bundled) {}

  void Save(const MachineSetupTexts& texts, const QString& name = "M.ini") {
    FileError error;
    ASSERT_TRUE(WriteMachineSetup(folder_.FilePath(name), texts, &error)) << error.Description.toStdString();
  }
  ProfileFile Saved(const QString& name = "M.ini") const { return ProfileFile::FromBytes(folder_.Read(name)); }

  TempAppFolder folder_;
  const QString path_ = folder_.FilePath("M.ini");
  MachineSetupTexts texts_;
};

class BundledMachineSetupFileTest : public MachineSetupFileTest {
 protected:
  BundledMachineSetupFileTest() : MachineSetupFileTest(true) {}
};

}  // namespace

TEST_F(MachineSetupFileTest, TheSubToolListsLoseEjectPartAndComeBackTheSame) {
  texts_.HasSubSpindle = true;
  texts_.Field("SubSpindle", "Tools1") = "Back,T21,T22,Eject Part";
  texts_.Field("SubSpindle", "Tools2") = "Back Cross,T25,Eject Part";
  texts_.Field("MainSpindle", "Tools1") = "Gang,T01,Eject Part";  // only the sub lists lose it
  Save(texts_);
  const ProfileFile file = Saved();
  EXPECT_EQ(file.Value("SubSpindle", "Tools1"), "Back,T21,T22");
  EXPECT_EQ(file.Value("SubSpindle", "Tools2"), "Back Cross,T25");
  EXPECT_EQ(file.Value("MainSpindle", "Tools1"), "Gang,T01,Eject Part");
  EXPECT_EQ(file.Value("M", "HasSubSpindle"), "1");
  EXPECT_EQ(file.Value("M", "HasLiveTools"), "0");

  MachineSetupTexts again;
  ASSERT_TRUE(ReadMachineSetupTexts(path_, &again));
  EXPECT_EQ(again.Field("SubSpindle", "Tools1"), "Back,T21,T22,Eject Part");
  MachineDefinition m;
  ASSERT_TRUE(ReadMachineDefinition(path_, false, &m));
  EXPECT_EQ(m.SubTools1List, (QStringList{"", "Back", "T21", "T22", "Eject Part"}));
}

TEST_F(MachineSetupFileTest, HolderSlotsBeyondAListAreWrittenEmpty) {
  QByteArray old = "[M]\r\n";
  for (int slot = 1; slot <= 30; ++slot) old += QByteArray::number(slot) + "OD=Stale\r\n";
  folder_.Write("M.ini", old);
  texts_.Holders[0] = QStringList{"Turning", "Grooving", "Cut-off"};
  for (int i = 1; i <= 31; ++i) texts_.Holders[2] << QStringLiteral("Live %1").arg(i);
  Save(texts_);
  const ProfileFile file = Saved();
  EXPECT_EQ(file.Value("M", "3OD"), "Cut-off");
  for (int slot = 4; slot <= 30; ++slot) {
    EXPECT_EQ(file.Find("M", HolderKey(slot, 0)), std::optional<QString>(QString())) << slot;
    EXPECT_EQ(file.Find("M", HolderKey(slot, 1)), std::optional<QString>(QString())) << slot;
  }
  EXPECT_EQ(file.Value("M", "30Live"), "Live 30");
  EXPECT_FALSE(folder_.Read("M.ini").contains("Live 31"));
}

TEST_F(MachineSetupFileTest, TextsAreWrittenAsShownAndOtherLinesOfTheFileStay) {
  folder_.Write("M.ini", "; shop notes: checked 2024\r\n[M]\r\nHasSubSpindle=1\r\nSerial=A-1234\r\n"
                         "[MainSpindle]\r\nmaxsplspeed=8000\r\nCoolantBar=70\r\n[Extra]\r\nKeep=me\r\n");
  texts_.Field("MainSpindle", "MaxSplSpeed") = "10000 rpm";  // no validation: read back later as 10000
  texts_.Field("MainSpindle", "Time1to1") = " .6";
  Save(texts_);
  const QString text = DecodeWindows1252(folder_.Read("M.ini"));
  EXPECT_TRUE(text.startsWith("; shop notes: checked 2024\r\n[M]\r\nHasSubSpindle=0\r\nSerial=A-1234\r\n"));
  EXPECT_TRUE(text.contains("[MainSpindle]\r\nMaxSplSpeed=10000 rpm\r\nCoolantBar=70\r\n"));
  EXPECT_TRUE(text.contains("[Extra]\r\nKeep=me\r\n"));
  EXPECT_EQ(Saved().Value("MainSpindle", "Time1to1"), " .6");
  MachineDefinition m;
  ReadMachineDefinition(path_, false, &m);
  EXPECT_EQ(m.MainSpindle.MaxSplSpeed, 10000);
}

TEST_F(BundledMachineSetupFileTest, SavingFromAMetricStudyNeverStoresMillimetres) {
  Workspace ws;
  ws.AppFolder = folder_.Path();
  ws.Study.Header.Metric = -1;
  ScriptedPrompter prompter;
  ASSERT_TRUE(LoadMachineDefinition(ws, "SH32-SubLive", prompter));
  ASSERT_EQ(ws.Machine.BarLengthInch, 3657.6f);
  const QByteArray original = folder_.Read("SH32-SubLive.ini");

  // The editing path reads the file's own values.
  ASSERT_TRUE(ReadMachineSetupTexts(folder_.FilePath("SH32-SubLive.ini"), &texts_));
  EXPECT_EQ(texts_.Field("MainSpindle", "HeadstockStroke"), "12.6");
  EXPECT_EQ(texts_.Field("LiveSpindle4", "BarLengthInch"), "144");
  Save(texts_, "SH32-SubLive.ini");
  EXPECT_EQ(folder_.Read("SH32-SubLive.ini"), original);

  // The loaded metric definition is turned back into inches.
  const MachineSetupTexts fromMetric = SetupTextsFromMachine(ws.Machine);
  const std::pair<const char*, const char*> inches[] = {{"HeadstockStroke", "12.6"}, {"RapidMultZ", "500"},
                                                        {"RemnantLength", "8"}};
  for (const auto& [key, text] : inches) EXPECT_EQ(fromMetric.Field("MainSpindle", key), text) << key;
  EXPECT_EQ(fromMetric.Field("LiveSpindle4", "CutOffWidth"), ".103");
  EXPECT_EQ(fromMetric.Field("LiveSpindle4", "BarLengthInch"), "144");
  Save(fromMetric, "SH32-SubLive.ini");
  EXPECT_EQ(folder_.Read("SH32-SubLive.ini"), original);
}

TEST(MachineSetupTest, TheWindowTextsOfADefinition) {
  MachineDefinition m = Read(
      "[Test]\r\nHasLiveTools=1\r\n2OD=Second\r\n1ID=First ID\r\n"
      "[MainSpindle]\r\nTime1to1=.6\r\nMaxSplSpeed=8000\r\nSplRef=1E-05\r\n"
      "[LiveSpindle3]\r\nName=Back Live\r\nSplForRev=.3\r\n");
  const MachineSetupTexts t = SetupTextsFromMachine(m);
  EXPECT_FALSE(t.HasSubSpindle);
  EXPECT_TRUE(t.HasLiveTools);
  const std::pair<std::size_t, const char*> fields[] = {
      {1, ".6"}, {11, "1E-05"}, {27, ",Eject Part"}, {56, "Back Live"}, {59, ".3"}, {66, ".099"}, {68, "50"}};
  for (const auto& [index, text] : fields) EXPECT_EQ(t.Fields[index], text) << index;
  EXPECT_EQ(t.Holders[0], QStringList{"Second"});
  EXPECT_EQ(t.Holders[1], QStringList{"First ID"});
  EXPECT_TRUE(t.Holders[2].isEmpty());
}

TEST_F(MachineSetupFileTest, AFailedSaveKeepsTheOldFile) {
  folder_.Write("M.ini", "[M]\r\nHasSubSpindle=1\r\n");
  texts_.Holders[0] = QStringList{"Turning ≥ 12"};
  FileError error;
  EXPECT_FALSE(WriteMachineSetup(path_, texts_, &error));
  EXPECT_TRUE(error.Description.contains("U+2265")) << error.Description.toStdString();
  EXPECT_EQ(folder_.Read("M.ini"), QByteArray("[M]\r\nHasSubSpindle=1\r\n"));
}

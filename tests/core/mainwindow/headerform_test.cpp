#include "mainwindow/headerform.h"

#include "platform/scriptedprompter.h"
#include "platform/settingsstore.h"
#include "platform/textinput.h"
#include "session/studysession.h"
#include "support/qstringprint.h"
#include "support/testsupport.h"
#include "workspace.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

using namespace arvex;
using arvex::test::TempAppFolder;

namespace {

class HeaderFormTest : public ::testing::Test {
 protected:
  HeaderFormTest() {
    ws_.AppFolder = folder_.Path();
    WriteSetting(store_, kSettingsSection, kStudyFolderKey, studies_.path());
    // Two groups of the same name: the entry's own group number decides.
    ws_.Materials.GroupNames << "Free Machining Steel" << "Stainless" << "Stainless";
    ws_.Materials.MaterialNames << "12L14" << "303" << "316L";
    ws_.Materials.MaterialGroups = {0, 1, 2, 3};
  }

  // A study as a file leaves it: every field filled, nothing unsaved.
  void OpenStudy(const QString& machine = "SH20-Sub") {
    TimeStudyHeader& h = ws_.Study.Header;
    h.Customer = "Acme";
    h.Engineer = "B. Ortiz";
    h.PartNo = "77";
    h.Material = "303 - Stainless";
    h.MaterialShape = "Hex";
    h.PartLength = "1.25";
    h.MachineName = machine;
    h.SubSpindleUsed = 1;
    ws_.Study.FilePath = "/shop/acme/77.rvx";
    ScriptedPrompter quiet;
    ReloadStudyMachine(ws_, quiet);
    ws_.Study.Dirty = false;
  }

  TempAppFolder folder_{true};
  QTemporaryDir studies_;
  QTemporaryDir settingsDir_;
  QSettings store_{settingsDir_.filePath("settings.ini"), QSettings::IniFormat};
  Workspace ws_;
  ScriptedPrompter prompter_;
  HeaderForm form_{ws_, prompter_, store_};
};

}  // namespace

TEST_F(HeaderFormTest, OpeningAndCancellingChangesNothingButTheEngineerFromTheSetting) {
  WriteSetting(store_, kSettingsSection, kEngineerKey, "J. Miller");
  for (const bool dirty : {false, true}) {
    ws_.Study.Clear();
    ws_.Study.Dirty = dirty;
    form_.Load();
    EXPECT_EQ(form_.Text(HeaderForm::kEngineer), "J. Miller");
    form_.Closed();
    EXPECT_EQ(ws_.Study.Dirty, dirty);
    EXPECT_EQ(ws_.Study.Header.Engineer, "J. Miller");
  }
  // What was typed and cancelled is not stored.
  form_.SetText(HeaderForm::kMaterialSize, ".500");
  form_.Closed();
  EXPECT_EQ(ws_.Study.Header.MaterialSize, "");
  EXPECT_TRUE(prompter_.Texts().isEmpty());
}

TEST_F(HeaderFormTest, ChangesMarkTheStudyChangedButContinueWithoutChangesAndRefusedQuotesDoNot) {
  OpenStudy();
  form_.Load();
  EXPECT_EQ(form_.Shape(), 2);
  EXPECT_EQ(form_.MachineIndex(), form_.Machines().indexOf("SH20-Sub"));
  EXPECT_EQ(form_.Continue(), HeaderForm::ContinueOutcome::Closed);
  EXPECT_FALSE(ws_.Study.Dirty);
  EXPECT_EQ(ws_.Study.FilePath, "/shop/acme/77.rvx");  // an existing path is never changed here

  // A double quote, typed or pasted, is refused and changes nothing.
  EXPECT_TRUE(form_.KeyPress(u'"'));
  EXPECT_FALSE(form_.SetText(HeaderForm::kPartName, "1/2\" Stud"));
  EXPECT_EQ(form_.Text(HeaderForm::kPartName), "");
  EXPECT_EQ(prompter_.Messages(), QStringList(2, kDoubleQuoteMessage));
  EXPECT_FALSE(ws_.Study.Dirty);

  form_.SetText(HeaderForm::kPartName, "Valve Stem");
  EXPECT_TRUE(ws_.Study.Dirty);
  EXPECT_EQ(ws_.Study.Header.PartName, "");  // stored on Continue only

  ws_.Study.Dirty = false;
  form_.ChooseShape(0);  // stored at once, as a change of its own
  EXPECT_EQ(ws_.Study.Header.MaterialShape, "Round");
  EXPECT_TRUE(ws_.Study.Dirty);
}

TEST_F(HeaderFormTest, APartLengthIsStoredAsItsLeadingNumber) {
  OpenStudy();
  form_.Load();
  form_.SetText(HeaderForm::kCustomer, "Bayside");
  form_.SetText(HeaderForm::kPartLength, "abc");
  EXPECT_EQ(form_.Continue(), HeaderForm::ContinueOutcome::NeedPartLength);
  EXPECT_EQ(prompter_.Messages(), QStringList{"You need to input the part length to continue!"});
  EXPECT_EQ(ws_.Study.Header.PartLength, "0");
  EXPECT_EQ(form_.Text(HeaderForm::kPartLength), "0");
  EXPECT_EQ(ws_.Study.Header.Customer, "Bayside");  // stored although the window stays

  prompter_.Clear();
  form_.SetText(HeaderForm::kPartLength, "12.50mm");
  EXPECT_EQ(form_.Continue(), HeaderForm::ContinueOutcome::Closed);
  EXPECT_EQ(ws_.Study.Header.PartLength, "12.5");
  EXPECT_TRUE(prompter_.Texts().isEmpty());
}

TEST_F(HeaderFormTest, ANewStudyIsNamedAfterCustomerAndPartNumberOnItsFirstContinue) {
  form_.Load();
  form_.SetText(HeaderForm::kCustomer, "Acme");
  form_.SetText(HeaderForm::kPartNo, "DP-0625");
  form_.SetText(HeaderForm::kEngineer, "A. Novak");
  EXPECT_EQ(form_.Continue(), HeaderForm::ContinueOutcome::NeedPartLength);
  EXPECT_EQ(ws_.Study.FilePath, studies_.path() + "/Acme-DP-0625.rvx");
  EXPECT_EQ(ReadSetting(store_, kSettingsSection, kEngineerKey, {}), "A. Novak");

  form_.SetText(HeaderForm::kPartNo, "DP-0700");
  form_.SetText(HeaderForm::kPartLength, ".625");
  prompter_.Clear();
  EXPECT_EQ(form_.Continue(), HeaderForm::ContinueOutcome::NeedMachine);
  EXPECT_EQ(prompter_.Messages(), QStringList{"You need to choose a Machine Name to continue!"});
  EXPECT_EQ(ws_.Study.FilePath, studies_.path() + "/Acme-DP-0625.rvx");
}

TEST_F(HeaderFormTest, TheChosenMachineIsLoadedAndKeptOnlyOnContinue) {
  // Cancelled after choosing another machine: the study's own comes back.
  OpenStudy();
  form_.Load();
  ASSERT_TRUE(form_.SubSpindleUsed());
  form_.ChooseMachine(form_.Machines().indexOf("SH12-Main"));
  EXPECT_EQ(ws_.Machine.LoadedName, "SH12-Main");
  EXPECT_TRUE(ws_.Study.Dirty);
  form_.Closed();
  EXPECT_EQ(ws_.Machine.LoadedName, "SH20-Sub");

  // Continued, and inch changed to metric: the machine's lengths follow.
  HeaderForm again(ws_, prompter_, store_);
  again.Load();
  again.ChooseMachine(again.Machines().indexOf("SH12-Main"));
  again.SetMetric(true);
  ASSERT_EQ(again.Continue(), HeaderForm::ContinueOutcome::Closed);
  again.Closed();
  EXPECT_EQ(ws_.Study.Header.MachineName, "SH12-Main");
  EXPECT_EQ(ws_.Study.Header.SubSpindleUsed, 0);
  EXPECT_EQ(ws_.Study.Header.Metric, -1);
  EXPECT_EQ(ws_.Machine.BarLengthInch, 3657.6f);
  EXPECT_TRUE(prompter_.Texts().isEmpty());
}

TEST_F(HeaderFormTest, AnUnknownMachineIsReportedAndMustBeChosen) {
  OpenStudy("Retired-Lathe");
  prompter_.Clear();
  form_.Load();
  EXPECT_EQ(prompter_.Messages(), QStringList{"The machine needed does not exist!"});
  EXPECT_EQ(form_.MachineIndex(), -1);
  EXPECT_EQ(form_.Continue(), HeaderForm::ContinueOutcome::NeedMachine);
  EXPECT_EQ(ws_.Study.Header.MachineName, "");
}

TEST_F(HeaderFormTest, TheMaterialEntryFixesTheGroupOfTheCuttingData) {
  OpenStudy();
  form_.Load();
  EXPECT_EQ(form_.MaterialEntries(), (QStringList{"12L14 - Free Machining Steel", "303 - Stainless",
                                                  "316L - Stainless"}));
  form_.ChooseMaterial(2);
  EXPECT_EQ(form_.MaterialText(), "316L - Stainless");
  ASSERT_EQ(form_.Continue(), HeaderForm::ContinueOutcome::Closed);
  EXPECT_EQ(ws_.MaterialGroupIndex, 3);
  EXPECT_TRUE(prompter_.Texts().isEmpty());

  // A text that is no entry warns only when no earlier group is known.
  form_.SetMaterialText("Inconel 718");
  ASSERT_EQ(form_.Continue(), HeaderForm::ContinueOutcome::Closed);
  EXPECT_EQ(ws_.MaterialGroupIndex, 3);
  ws_.MaterialGroupIndex = 0;
  ASSERT_EQ(form_.Continue(), HeaderForm::ContinueOutcome::Closed);
  EXPECT_EQ(prompter_.Messages(), QStringList{"The material entered is not in the database!"});
  EXPECT_EQ(ws_.Study.Header.Material, "Inconel 718");
}

TEST_F(HeaderFormTest, AnUndoWhileTheWindowIsOpenShowsTheRestoredHeader) {
  OpenStudy();
  form_.Load();
  int shown = 0;
  form_.SetOnChanged([&] { ++shown; });
  form_.ChooseShape(0);
  form_.SetText(HeaderForm::kCustomer, "Typed, not stored");
  ASSERT_TRUE(UndoStudyStep(ws_));
  EXPECT_EQ(form_.Shape(), 2);
  EXPECT_EQ(form_.Text(HeaderForm::kCustomer), "Acme");
  EXPECT_EQ(shown, 1);
}

#include "machine/machinesetupform.h"

#include "machine/machinefile.h"
#include "platform/profilefile.h"
#include "platform/scriptedprompter.h"
#include "platform/textinput.h"
#include "support/qstringprint.h"
#include "support/testsupport.h"
#include "workspace.h"

#include <gtest/gtest.h>

#include <QDir>

#include <set>

using namespace arvex;
using arvex::test::TempAppFolder;

namespace {

class MachineSetupFormTest : public ::testing::Test {
 protected:
  MachineSetupFormTest() {
    ws_.AppFolder = folder_.Path();
    form_.Load();
  }
  void Choose(const QString& name) { form_.ChooseMachine(form_.Machines().indexOf(name)); }
  QStringList Files() const { return QDir(folder_.Path()).entryList(QDir::Files); }

  TempAppFolder folder_{true};
  Workspace ws_;
  ScriptedPrompter prompter_;
  MachineSetupForm form_{ws_, prompter_};
};

}  // namespace

TEST(MachineSetupLayoutTest, EveryFieldStandsOnceOnItsPageWithALabel) {
  std::set<int> seen;
  for (int page = MachineSetupForm::kMainPage; page <= MachineSetupForm::kLivePage; ++page)
    for (const auto& column : MachineSetupForm::FieldLayout(page))
      for (const auto& group : column)
        for (int field : group.Fields) {
          EXPECT_TRUE(seen.insert(field).second) << field;
          EXPECT_FALSE(MachineSetupForm::FieldLabel(field).isEmpty()) << field;
          const QString section = MachineSetupFields()[static_cast<size_t>(field)].Section;
          const bool onItsPage = page == MachineSetupForm::kSubPage ? section == "SubSpindle"
                                 : page == MachineSetupForm::kMainPage
                                     ? section == "MainSpindle" || field >= 66
                                     : section.startsWith("LiveSpindle") && field < 66;
          EXPECT_TRUE(onItsPage) << field;
        }
  EXPECT_EQ(seen.size(), static_cast<size_t>(kMachineSetupFieldCount));
  EXPECT_EQ(MachineSetupForm::FieldUnit(15), "in");  // HeadstockStroke: the file's inches
  EXPECT_EQ(MachineSetupForm::FieldUnit(67), "in");
}

TEST_F(MachineSetupFormTest, AnEmptyFormShowsOnlyTheMainPageUntilTheBoxesAreChecked) {
  EXPECT_EQ(form_.MachineName(), "");
  EXPECT_EQ(form_.CurrentPage(), MachineSetupForm::kMainPage);
  EXPECT_FALSE(form_.PageEnabled(MachineSetupForm::kSubPage));
  EXPECT_FALSE(form_.PageEnabled(MachineSetupForm::kLivePage));
  EXPECT_TRUE(form_.PageEnabled(MachineSetupForm::kHoldersPage));
  EXPECT_EQ(form_.Field(7), "");

  Choose("SH12-Main");
  EXPECT_EQ(form_.Field(7), "12000");
  EXPECT_FALSE(form_.PageEnabled(MachineSetupForm::kSubPage));
  form_.ChoosePage(MachineSetupForm::kSubPage);
  EXPECT_EQ(form_.CurrentPage(), MachineSetupForm::kMainPage);
  form_.SetHasSubSpindle(true);
  form_.ChoosePage(MachineSetupForm::kSubPage);
  EXPECT_EQ(form_.CurrentPage(), MachineSetupForm::kSubPage);
  // Unchecking leaves no page shown whose button is disabled.
  form_.SetHasSubSpindle(false);
  EXPECT_EQ(form_.CurrentPage(), MachineSetupForm::kMainPage);
}

TEST_F(MachineSetupFormTest, ANewMachineIsWrittenWholeAndReported) {
  Choose("SH20-Sub");
  EXPECT_EQ(form_.Field(27), "Back,T21,T22,T23,T24,Eject Part");
  form_.SetMachineName("  SH20-Sub Bar Puller ");
  form_.SetField(7, "9000");
  prompter_.QueueFile("/shop/images/sh20 main.jpg");
  form_.ChooseToolImage(0);
  ASSERT_EQ(prompter_.Entries().size(), 1);
  EXPECT_EQ(prompter_.Entries()[0].File.Title, "Choose an image file");
  EXPECT_EQ(prompter_.Entries()[0].File.Filter, "*.bmp;*.jpg;*.gif");
  prompter_.Clear();
  ASSERT_TRUE(form_.Save());
  const QString path = folder_.FilePath("SH20-Sub Bar Puller.ini");
  EXPECT_EQ(prompter_.Messages(), QStringList{"'" + path + "' was saved!"});
  EXPECT_EQ(form_.MachineName(), "SH20-Sub Bar Puller");
  EXPECT_FALSE(form_.Machines().contains("SH20-Sub Bar Puller"));  // listed when the window opens again
  const ProfileFile file = ProfileFile::FromBytes(folder_.Read("SH20-Sub Bar Puller.ini"));
  EXPECT_EQ(file.Value("MainSpindle", "MaxSplSpeed"), "9000");
  EXPECT_EQ(file.Value("LiveSpindle4", "MainToolImage"), "/shop/images/sh20 main.jpg");
  EXPECT_EQ(file.Value("SubSpindle", "Tools1"), "Back,T21,T22,T23,T24");
  EXPECT_EQ(folder_.Read("SH20-Sub.ini"), test::ReadBytes(test::SourceDataFolder() + "SH20-Sub.ini"));

  // Saved again under its own name: no question.
  prompter_.Clear();
  ASSERT_TRUE(form_.Save());
  EXPECT_EQ(prompter_.Messages(), QStringList{"'" + path + "' was saved!"});
}

TEST_F(MachineSetupFormTest, AThirtyFirstHolderIsShownButNotSaved) {
  form_.SetMachineName("Holders");
  for (int i = 1; i <= 31; ++i) {
    form_.SetHolderEntry(2, QStringLiteral("Live %1").arg(i));
    form_.AddHolder(2);
  }
  EXPECT_EQ(form_.Texts().Holders[2].size(), 31);
  EXPECT_EQ(form_.HolderEntry(2), "");
  EXPECT_EQ(form_.HolderCountText(2), "31 of 30: the entries after the 30th are not saved");

  // Remove puts the entry back into the entry field and keeps a selection.
  form_.SelectHolder(2, 30);
  form_.RemoveHolder(2);
  EXPECT_EQ(form_.HolderEntry(2), "Live 31");
  EXPECT_EQ(form_.HolderSelection(2), 29);
  EXPECT_TRUE(form_.HolderKeyPress(u'"'));
  EXPECT_FALSE(form_.SetHolderEntry(0, "1/2\" Sq."));
  EXPECT_EQ(prompter_.Messages(), QStringList(2, kDoubleQuoteMessage));
}

TEST_F(MachineSetupFormTest, BadNamesAndUnwritableFilesWriteNothing) {
  const QStringList before = Files();
  for (const QString name : {"", "   ", "Shop/Lathe", "Lathe: 2", "Star [B]", "CON", "lpt1.x", "Lathe."}) {
    prompter_.Clear();
    form_.SetMachineName(name);
    EXPECT_FALSE(form_.Save()) << name.toStdString();
    ASSERT_EQ(prompter_.Messages().size(), 1);
    EXPECT_TRUE(prompter_.Messages()[0].endsWith("Nothing was saved.")) << prompter_.Messages()[0].toStdString();
  }
  EXPECT_EQ(Files(), before);

  Choose("SH12-Main");
  const QByteArray original = folder_.Read("SH12-Main.ini");
  form_.SetField(19, "Chip conveyor ≥ 2 min");
  prompter_.Clear();
  EXPECT_FALSE(form_.Save());
  ASSERT_EQ(prompter_.Messages().size(), 1);
  EXPECT_TRUE(prompter_.Messages()[0].startsWith("The machine file " + folder_.FilePath("SH12-Main.ini") +
                                                 " could not be saved: "));
  EXPECT_TRUE(prompter_.Messages()[0].contains("U+2265"));
  EXPECT_EQ(folder_.Read("SH12-Main.ini"), original);
  EXPECT_EQ(Files(), before);
}

TEST_F(MachineSetupFormTest, TypingTheNameOfAnotherMachineAsksBeforeReplacingIt) {
  Choose("SH12-Main");
  const QByteArray other = folder_.Read("SH20-Sub.ini");
  form_.SetMachineName("sh20-sub");
  prompter_.QueueAnswer(Answer::No);
  EXPECT_FALSE(form_.Save());
  EXPECT_EQ(prompter_.Entries().size(), 1);
  EXPECT_EQ(folder_.Read("SH20-Sub.ini"), other);
  prompter_.QueueAnswer(Answer::Yes);
  EXPECT_TRUE(form_.Save());
  EXPECT_TRUE(folder_.Read("SH20-Sub.ini").startsWith("[SH20-Sub]\r\nHasSubSpindle=0\r\n"));
  EXPECT_FALSE(QFile::exists(folder_.FilePath("sh20-sub.ini")));
}

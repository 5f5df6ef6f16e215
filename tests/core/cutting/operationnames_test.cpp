#include "cutting/operationnamelist.h"

#include "cutdatatestutil.h"
#include "cutting/cutdataqueries.h"
#include "cutting/cuttingdatabase.h"
#include "cutting/operationnamerules.h"
#include "engine/enginememo.h"

#include "platform/scriptedprompter.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

using namespace arvex;
using arvex::test::TempAppFolder;

namespace {

const QString kOd = QStringLiteral("(OD Turning Holders)");
const QString kId = QStringLiteral("(ID Holders)");
const QString kLive = QStringLiteral("(Live Holders)");

// ---- the name rules -------------------------------------------------------------

// Names beyond the bundled ones (whose rules BundledNamesSteerAsIntended pins).
TEST(OperationNameRulesTest, HolderHeadings) {
  const std::vector<std::pair<QString, QString>> cases = {
      {"live tap", kLive}, {"REAM", kId}, {"Rough Turn", kOd}, {"od knurl", kOd}, {"Thread", ""},
      {"Cut-Off", ""},     {"", ""},      {"Groove", ""},
      // "ID" counts in capitals only; "od" anywhere, inside words too.
      {"id bore", ""},     {"Grid", ""},  {"Body Form", kOd},  {"Taper", kId},
  };
  for (const auto& [name, heading] : cases) EXPECT_EQ(HolderHeadingForName(name), heading) << name.toStdString();
}

TEST(OperationNameRulesTest, GridKeywordsLastMatchWins) {
  const std::vector<std::pair<QString, QString>> cases = {
      {"Drill & Ream", "ream"}, {"Face Mill", "mill"},   {"CENTER", "center"},       {"Spot Face", "spot"},
      {"FACE and DRILL", "drill"}, {"Turn then ream", "ream"}, {"Cut-off", ""}, {"", ""},
  };
  for (const auto& [name, keyword] : cases) {
    EXPECT_EQ(GridKeywordForName(name), keyword) << name.toStdString();
    EXPECT_EQ(GridKeyword(name), keyword) << name.toStdString();
  }
}

TEST(OperationNameRulesTest, LiveNames) {
  EXPECT_TRUE(IsLiveOperationName("Live Drill"));
  EXPECT_TRUE(IsLiveOperationName("LIVE TAP"));
  EXPECT_TRUE(IsLiveOperationName("cross drill (live)"));
  EXPECT_FALSE(IsLiveOperationName("Drill"));
  EXPECT_FALSE(IsLiveOperationName("Li ve"));
}

// The bundled names steer the window and the cycle items as a shop expects.
// Columns: heading, keyword, and the words the non-cutting items look for
// (live tool, tapping, cut-off).
TEST(OperationNameRulesTest, BundledNamesSteerAsIntended) {
  struct Expected {
    QString Name;
    QString Heading;
    QString Keyword;
    bool Live;
    bool Tapping;
    bool CutOff;
  };
  const std::vector<Expected> expected = {
      {"OD Turn", kOd, "turn", false, false, false},
      {"OD Rough Turn", kOd, "turn", false, false, false},
      {"OD Finish Turn", kOd, "turn", false, false, false},
      {"Face OD", kOd, "turn", false, false, false},
      {"OD Groove", kOd, "turn", false, false, false},
      {"OD Form", kOd, "", false, false, false},
      {"OD Knurl", kOd, "", false, false, false},
      {"OD Thread", kOd, "", false, false, false},
      {"Single Point Thread", "", "", false, false, false},
      {"Die Thread OD", kOd, "", false, true, false},
      {"OD Groove & Cut-Off", kOd, "turn", false, false, true},
      {"Center Drill", kId, "center", false, false, false},
      {"Spot Drill", kId, "spot", false, false, false},
      {"Drill", kId, "drill", false, false, false},
      {"Peck Drill", kId, "drill", false, false, false},
      {"Ream", kId, "ream", false, false, false},
      {"Tap", kId, "", false, true, false},
      {"ID Turn", kId, "turn", false, false, false},
      {"ID Bore (Turn)", kId, "turn", false, false, false},
      {"ID Groove", kId, "turn", false, false, false},
      {"ID Thread", kId, "", false, false, false},
      {"Broach", kId, "", false, false, false},
      {"Live Center Drill", kLive, "center", true, false, false},
      {"Live Spot Drill", kLive, "spot", true, false, false},
      {"Live Drill", kLive, "drill", true, false, false},
      {"Live Ream", kLive, "ream", true, false, false},
      {"Live Tap", kLive, "", true, true, false},
      {"Live Cross Drill", kLive, "drill", true, false, false},
      {"Live Cross Tap", kLive, "", true, true, false},
      {"Live Cross Mill", kLive, "mill", true, false, false},
      {"Live Mill Flats", kLive, "mill", true, false, false},
      {"Live Slot Mill", kLive, "mill", true, false, false},
      {"Live Thread Mill", kLive, "mill", true, false, false},
      {"Live Polygon Mill", kLive, "mill", true, false, false},
      {"Live Thread Whirl", kLive, "", true, false, false},
  };
  ScriptedPrompter prompter;
  const QStringList names = LoadOperationNames(test::SourceDataFolder(), prompter);
  ASSERT_TRUE(prompter.Entries().isEmpty());
  QStringList expectedNames;
  for (const Expected& e : expected) expectedNames << e.Name;
  ASSERT_EQ(names, expectedNames);
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.Name.toStdString());
    EXPECT_EQ(HolderHeadingForName(e.Name), e.Heading);
    EXPECT_EQ(GridKeywordForName(e.Name), e.Keyword);
    EXPECT_EQ(GridKeyword(e.Name), e.Keyword);
    const OperationFacts facts = NameFacts(e.Name);
    EXPECT_EQ(IsLiveOperationName(e.Name), e.Live);
    EXPECT_EQ(facts.Live, e.Live);
    EXPECT_EQ(facts.Tapping, e.Tapping);
    EXPECT_EQ(facts.CutOff, e.CutOff);
  }
}

// Every bundled name with a keyword finds recommended data in the bundled
// cutting database.
TEST(OperationNameRulesTest, BundledNamesFindBundledCuttingData) {
  TempAppFolder app(true);
  CuttingDatabase db;
  test::OpenOrFail(db, app);
  const QStringList types = CollectOperationTypes(test::Selected(db, GroupQuery(1)));
  ScriptedPrompter prompter;
  for (const QString& name : LoadOperationNames(app.Path(), prompter)) {
    const QString keyword = GridKeywordForName(name);
    if (keyword.isEmpty()) continue;
    EXPECT_FALSE(KeywordAlternatives(types, keyword).isEmpty()) << name.toStdString();
    EXPECT_FALSE(test::Selected(db, KeywordQuery(1, types, keyword)).empty()) << name.toStdString();
  }
}

// ---- the file ----------------------------------------------------------------------

TEST(OperationNameFileTest, LoadsLinesInOrderWithEmptyNames) {
  TempAppFolder app;
  app.Write("OPP-DESC.TXT", QByteArray("OD Turn\r\n\r\nDrill \xD8 .25\r\nLive Tap\nLast"));
  ScriptedPrompter prompter;
  const QStringList names = LoadOperationNames(app.Path(), prompter);
  EXPECT_EQ(names, (QStringList{"OD Turn", "", QString::fromUtf8("Drill \u00D8 .25"), "Live Tap", "Last"}));
  EXPECT_TRUE(prompter.Entries().isEmpty());
}

TEST(OperationNameFileTest, MissingFileGivesTheMessageAndAnEmptyList) {
  TempAppFolder app;
  ScriptedPrompter prompter;
  EXPECT_TRUE(LoadOperationNames(app.Path(), prompter).isEmpty());
  EXPECT_EQ(prompter.Messages(), QStringList{"The file " + app.Path() +
                                             "OPP-DESC.TXT can not be found! There will be no tool descriptions!"});
}

TEST(OperationNameFileTest, SavesWindows1252WithCrLf) {
  TempAppFolder app;
  ScriptedPrompter prompter;
  ASSERT_TRUE(SaveOperationNames(app.Path(), {"OD Turn", "", QString::fromUtf8("Ø Drill – 1/4")}, prompter));
  EXPECT_EQ(app.Read("OPP-DESC.TXT"), QByteArray("OD Turn\r\n\r\n\xD8 Drill \x96 1/4\r\n"));
  EXPECT_EQ(LoadOperationNames(app.Path(), prompter),
            (QStringList{"OD Turn", "", QString::fromUtf8("Ø Drill – 1/4")}));
  EXPECT_TRUE(prompter.Entries().isEmpty());
}

TEST(OperationNameFileTest, AFolderThatCannotHoldTheFileGivesTheMessage) {
  TempAppFolder app;
  app.Write("notafolder", "x");
  const QString folder = app.FilePath("notafolder/");
  ScriptedPrompter prompter;
  EXPECT_FALSE(SaveOperationNames(folder, {"Drill"}, prompter));
  EXPECT_EQ(prompter.Messages(), QStringList{"The file " + folder + "OPP-DESC.TXT can not be opened!"});
}

// ---- the editor --------------------------------------------------------------------------

// An editor opened on the names Drill, Tap and Ream.
class OperationNameEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.Write("OPP-DESC.TXT", "Drill\r\nTap\r\nReam\r\n");
    editor.emplace(app.Path(), prompter);
  }
  TempAppFolder app;
  ScriptedPrompter prompter;
  std::optional<OperationNameEditor> editor;
};

TEST_F(OperationNameEditorTest, OpensWithTheFileAndNothingSelected) {
  EXPECT_EQ(editor->Names(), (QStringList{"Drill", "Tap", "Ream"}));
  EXPECT_EQ(editor->SelectedIndex(), -1);
  EXPECT_FALSE(editor->IsClosed());
  editor->Select(3);
  EXPECT_EQ(editor->SelectedIndex(), -1);
}

TEST_F(OperationNameEditorTest, OpeningWithoutTheFileShowsTheMessage) {
  QFile::remove(app.FilePath("OPP-DESC.TXT"));
  editor.emplace(app.Path(), prompter);
  EXPECT_TRUE(editor->Names().isEmpty());
  EXPECT_EQ(prompter.Messages().size(), 1);
  // Names can still be added and saved; the file is created.
  editor->SetText("OD Turn");
  editor->Add();
  EXPECT_TRUE(editor->Save());
  EXPECT_EQ(app.Read("OPP-DESC.TXT"), "OD Turn\r\n");
}

TEST_F(OperationNameEditorTest, AddGoesToTheTopOrBeforeTheSelection) {
  ASSERT_TRUE(editor->SetText("Spot Drill"));
  editor->Add();
  EXPECT_EQ(editor->Names(), (QStringList{"Spot Drill", "Drill", "Tap", "Ream"}));
  EXPECT_EQ(editor->SelectedIndex(), 0);
  EXPECT_EQ(editor->Text(), "");

  editor->Select(3);  // Ream
  editor->SetText("Live Tap");
  editor->Add();
  EXPECT_EQ(editor->Names(), (QStringList{"Spot Drill", "Drill", "Tap", "Live Tap", "Ream"}));
  EXPECT_EQ(editor->SelectedIndex(), 3);

  // An empty text adds an empty name, unchanged text otherwise.
  editor->Add();
  EXPECT_EQ(editor->Names()[3], "");
  editor->SetText("  Broach ");
  editor->Add();
  EXPECT_EQ(editor->Names()[3], "  Broach ");
}

TEST_F(OperationNameEditorTest, DeleteAsksAndKeepsTheNameInTheTextBox) {
  editor->Delete();  // nothing selected
  EXPECT_TRUE(prompter.Entries().isEmpty());

  editor->Select(1);
  editor->Delete();  // No is the default
  ASSERT_EQ(prompter.Entries().size(), 1);
  EXPECT_EQ(prompter.Entries()[0].Text, "Are you sure you want to delete this operation name? Tap");
  EXPECT_EQ(prompter.Entries()[0].ButtonSet, Buttons::YesNo);
  EXPECT_EQ(prompter.Entries()[0].Default, Answer::No);
  EXPECT_EQ(editor->Names().size(), 3);

  prompter.QueueAnswer(Answer::Yes);
  editor->Delete();
  EXPECT_EQ(editor->Names(), (QStringList{"Drill", "Ream"}));
  EXPECT_EQ(editor->Text(), "Tap");
  EXPECT_EQ(editor->SelectedIndex(), -1);

  // Re-added elsewhere.
  editor->Select(0);
  editor->Add();
  EXPECT_EQ(editor->Names(), (QStringList{"Tap", "Drill", "Ream"}));
}

TEST_F(OperationNameEditorTest, DeletingEverythingSavesAnEmptyFile) {
  for (int i = 0; i < 3; ++i) {
    editor->Select(0);
    prompter.QueueAnswer(Answer::Yes);
    editor->Delete();
  }
  EXPECT_TRUE(editor->Names().isEmpty());
  EXPECT_TRUE(editor->Save());
  EXPECT_TRUE(editor->IsClosed());
  EXPECT_EQ(app.Read("OPP-DESC.TXT"), QByteArray());
  prompter.Clear();
  EXPECT_TRUE(LoadOperationNames(app.Path(), prompter).isEmpty());
  EXPECT_TRUE(prompter.Entries().isEmpty());  // an empty file is not a missing one
}

TEST_F(OperationNameEditorTest, MovesStopAtTheEnds) {
  struct Case {
    int Select;
    bool Up;
    QStringList Names;
    int Selected;
  };
  const Case cases[] = {
      {-1, true, {"Drill", "Tap", "Ream"}, -1},  // nothing selected
      {-1, false, {"Drill", "Tap", "Ream"}, -1},
      {1, false, {"Drill", "Ream", "Tap"}, 2},
      {2, false, {"Drill", "Ream", "Tap"}, 2},  // already last
      {1, true, {"Ream", "Drill", "Tap"}, 0},
      {0, true, {"Ream", "Drill", "Tap"}, 0},  // already first
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Select << (c.Up ? " up" : " down"));
    if (c.Select >= 0) editor->Select(c.Select);
    c.Up ? editor->MoveUp() : editor->MoveDown();
    EXPECT_EQ(editor->Names(), c.Names);
    EXPECT_EQ(editor->SelectedIndex(), c.Selected);
  }
}

TEST_F(OperationNameEditorTest, SaveWritesInListOrderAndExitDoesNot) {
  editor->Select(2);
  editor->MoveUp();
  editor->Exit();
  EXPECT_TRUE(editor->IsClosed());
  EXPECT_EQ(app.Read("OPP-DESC.TXT"), "Drill\r\nTap\r\nReam\r\n");

  editor.emplace(app.Path(), prompter);
  editor->Select(2);
  editor->MoveUp();
  EXPECT_TRUE(editor->Save());
  EXPECT_TRUE(editor->IsClosed());
  EXPECT_EQ(app.Read("OPP-DESC.TXT"), "Drill\r\nReam\r\nTap\r\n");
  EXPECT_TRUE(prompter.Entries().isEmpty());
}

TEST_F(OperationNameEditorTest, FailedSaveKeepsTheListTheWindowAndTheOldFile) {
  // A name the file's code page cannot hold: nothing is written.
  editor->SetText(QString::fromUtf8("Drill \u2264 .5"));
  editor->Add();
  EXPECT_FALSE(editor->Save());
  EXPECT_FALSE(editor->IsClosed());
  EXPECT_EQ(editor->Names().size(), 4);
  EXPECT_EQ(app.Read("OPP-DESC.TXT"), "Drill\r\nTap\r\nReam\r\n");
  ASSERT_EQ(prompter.Messages().size(), 1);
  EXPECT_TRUE(prompter.Messages()[0].contains(QString::fromUtf8("\u2264"))) << prompter.Messages()[0].toStdString();

  // A file that cannot be replaced: the "can not be opened!" message.
  prompter.Clear();
  ASSERT_TRUE(QFile::remove(app.FilePath("OPP-DESC.TXT")));
  ASSERT_TRUE(QDir().mkpath(app.FilePath("OPP-DESC.TXT/keep")));
  editor->Select(0);
  prompter.QueueAnswer(Answer::Yes);
  editor->Delete();
  EXPECT_FALSE(editor->Save());
  EXPECT_FALSE(editor->IsClosed());
  EXPECT_EQ(editor->Names(), (QStringList{"Drill", "Tap", "Ream"}));
  EXPECT_EQ(prompter.Messages(), QStringList{"The file " + app.Path() + "OPP-DESC.TXT can not be opened!"});
  EXPECT_TRUE(QFileInfo(app.FilePath("OPP-DESC.TXT/keep")).isDir());
}

TEST_F(OperationNameEditorTest, ReadOnlyFolderKeepsTheOldFile) {
#if defined(Q_OS_UNIX)
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
#else
  GTEST_SKIP() << "folder permissions are POSIX only";
#endif
  editor->Select(0);
  editor->MoveDown();
  QFile::setPermissions(app.Path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  EXPECT_FALSE(editor->Save());
  QFile::setPermissions(app.Path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  EXPECT_EQ(app.Read("OPP-DESC.TXT"), "Drill\r\nTap\r\nReam\r\n");
  EXPECT_EQ(prompter.Messages(), QStringList{"The file " + app.Path() + "OPP-DESC.TXT can not be opened!"});
}

TEST_F(OperationNameEditorTest, TheTextBoxRefusesDoubleQuotes) {
  EXPECT_TRUE(editor->TextKeyPress(u'"'));
  EXPECT_FALSE(editor->TextKeyPress(u'a'));
  ASSERT_TRUE(editor->SetText("Drill"));
  EXPECT_FALSE(editor->SetText("1/2\" Drill"));
  EXPECT_EQ(editor->Text(), "Drill");
  EXPECT_EQ(prompter.Messages(),
            QStringList(2, "You can not use \" in your description because of the way I save the data file."));
}

}  // namespace

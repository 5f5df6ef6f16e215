#include "cutting/operationnamelist.h"

#include "cutdatatestutil.h"
#include "cutting/cutdataqueries.h"
#include "cutting/operationnamerules.h"
#include "engine/enginememo.h"
#include "platform/scriptedprompter.h"
#include "platform/textinput.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace arvex;
using arvex::test::TempAppFolder;

namespace {

const QString kOd = QStringLiteral("(OD Turning Holders)");
const QString kId = QStringLiteral("(ID Holders)");
const QString kLive = QStringLiteral("(Live Holders)");

// The holder heading, the grid keyword (the last one in the name wins), and
// the words the non-cutting items look for: "L" live tool, "T" tapping,
// "C" cut-off. "ID" counts in capitals only; the other words anywhere, inside
// other words too.
TEST(OperationNameRulesTest, HoldersKeywordsAndFacts) {
  const struct { QString Name, Heading, Keyword; const char* Facts; } cases[] = {
      {"live tap", kLive, "", "LT"},            {"cross drill (live)", kLive, "drill", "L"},
      {"Live Cross Mill", kLive, "mill", "L"},  {"Li ve", "", "", ""},
      {"Drill & Ream", kId, "ream", ""},        {"Center Drill", kId, "center", ""},
      {"Spot Drill", kId, "spot", ""},          {"Broach", kId, "", ""},
      {"Taper", kId, "", "T"},                  {"ID Turn", kId, "turn", ""},
      {"id bore", "", "", ""},                  {"OD Groove", kOd, "turn", ""},
      {"Die Thread OD", kOd, "", "T"},          {"OD Groove & Cut-Off", kOd, "turn", "C"},
      {"cutoff", "", "", "C"},                  {"Thread", "", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name.toStdString());
    EXPECT_EQ(HolderHeadingForName(c.Name), c.Heading);
    EXPECT_EQ(GridKeywordForName(c.Name), c.Keyword);
    EXPECT_EQ(GridKeyword(c.Name), c.Keyword);
    const OperationFacts facts = NameFacts(c.Name);
    const QString flags = QString::fromLatin1(c.Facts);
    EXPECT_EQ(IsLiveOperationName(c.Name), flags.contains(u'L'));
    EXPECT_EQ(facts.Live, flags.contains(u'L'));
    EXPECT_EQ(facts.Tapping, flags.contains(u'T'));
    EXPECT_EQ(facts.CutOff, flags.contains(u'C'));
  }
}

TEST(OperationNameFileTest, LinesInOrderWindows1252WithCrLf) {
  TempAppFolder app;
  app.Write("OPP-DESC.TXT", QByteArray("OD Turn\r\n\r\nDrill \xD8 .25\r\nLive Tap\nLast"));
  ScriptedPrompter prompter;
  EXPECT_EQ(LoadOperationNames(app.Path(), prompter),
            (QStringList{"OD Turn", "", QString::fromUtf8("Drill \u00D8 .25"), "Live Tap", "Last"}));
  ASSERT_TRUE(SaveOperationNames(app.Path(), {"OD Turn", "", QString::fromUtf8("Ø Drill – 1/4")}, prompter));
  EXPECT_EQ(app.Read("OPP-DESC.TXT"), QByteArray("OD Turn\r\n\r\n\xD8 Drill \x96 1/4\r\n"));

  // A missing file gives the message and an empty list; a folder that
  // cannot hold the file, its own.
  QFile::remove(app.FilePath("OPP-DESC.TXT"));
  EXPECT_TRUE(LoadOperationNames(app.Path(), prompter).isEmpty());
  app.Write("notafolder", "x");
  EXPECT_FALSE(SaveOperationNames(app.FilePath("notafolder/"), {"Drill"}, prompter));
  EXPECT_EQ(prompter.Messages(),
            (QStringList{"The file " + app.Path() + "OPP-DESC.TXT can not be found! There will be no tool descriptions!",
                         "The file " + app.FilePath("notafolder/") + "OPP-DESC.TXT can not be opened!"}));
}

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

TEST_F(OperationNameEditorTest, AddGoesToTheTopOrBeforeTheSelection) {
  EXPECT_EQ(editor->SelectedIndex(), -1);
  ASSERT_TRUE(editor->SetText("Spot Drill"));
  editor->Add();
  EXPECT_EQ(editor->Names(), (QStringList{"Spot Drill", "Drill", "Tap", "Ream"}));
  EXPECT_EQ(editor->SelectedIndex(), 0);
  EXPECT_EQ(editor->Text(), "");

  editor->Select(3);  // Ream
  editor->SetText("  Broach ");
  editor->Add();
  EXPECT_EQ(editor->Names(), (QStringList{"Spot Drill", "Drill", "Tap", "  Broach ", "Ream"}));
  EXPECT_EQ(editor->SelectedIndex(), 3);
  // The text box refuses double quotes.
  EXPECT_TRUE(editor->TextKeyPress(u'"'));
  ASSERT_TRUE(editor->SetText("Drill"));
  EXPECT_FALSE(editor->SetText("1/2\" Drill"));
  EXPECT_EQ(editor->Text(), "Drill");
  EXPECT_EQ(prompter.Messages(), QStringList(2, kDoubleQuoteMessage));
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
  editor->Select(0);
  editor->Add();  // re-added elsewhere
  EXPECT_EQ(editor->Names(), (QStringList{"Tap", "Drill", "Ream"}));
}

TEST_F(OperationNameEditorTest, MovesStopAtTheEndsAndOnlySaveWrites) {
  const struct { int Select; bool Up; QStringList Names; int Selected; } cases[] = {
      {-1, true, {"Drill", "Tap", "Ream"}, -1},  // nothing selected
      {1, false, {"Drill", "Ream", "Tap"}, 2},
      {2, false, {"Drill", "Ream", "Tap"}, 2},  // already last
      {1, true, {"Ream", "Drill", "Tap"}, 0},
      {0, true, {"Ream", "Drill", "Tap"}, 0},  // already first
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Select << (c.Up ? " up" : " down"));
    if (c.Select >= 0) editor->Select(c.Select);
    c.Up ? editor->MoveUp() : editor->MoveDown();
    EXPECT_EQ(editor->Names(), c.Names);
    EXPECT_EQ(editor->SelectedIndex(), c.Selected);
  }
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

}  // namespace

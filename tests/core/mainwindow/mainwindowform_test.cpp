#include "mainwindow/mainwindowform.h"

#include "autoset/autosetform.h"
#include "engine/printchecks.h"
#include "platform/scriptedprompter.h"
#include "session/studysession.h"
#include "support/qstringprint.h"
#include "support/testsupport.h"
#include "workspace.h"

#include <gtest/gtest.h>

using namespace arvex;

namespace {

class RecordingHost : public MainWindowHost {
 public:
  void ShowOperationEditor() override { Calls << QStringLiteral("editor %1").arg(Study->CurrentSpindle); }
  void ShowHeaderWindow() override { Calls << QStringLiteral("header"); }
  void FocusList(int side) override { Calls << QStringLiteral("focus %1").arg(side); }
  void ProcessPendingEvents() override {}
  QStringList Calls;
  const TimeStudy* Study = nullptr;
};

// An operation of `seconds` cutting time (CutLength / IPM x 60).
void SetOp(TimeStudy& st, int spindle, int i, const QString& tool, const QString& name, double seconds) {
  Operation& op = st.Op(spindle, i);
  op.ToolNo = tool;
  op.OpName = name;
  op.IPM = 60;
  op.CutLength = seconds;
  op.UpdateCutTime();
}

class MainWindowFormTest : public ::testing::Test {
 protected:
  MainWindowFormTest() {
    host_.Study = &ws_.Study;
    form_ = std::make_unique<MainWindowForm>(ws_, prompter_, *settings_.Store, host_);
  }

  // Main operations of the given seconds, and sub operations.
  void Study(std::initializer_list<double> main, std::initializer_list<double> sub, bool subUsed = true) {
    TimeStudy& st = ws_.Study;
    st.Header.SubSpindleUsed = subUsed ? 1 : 0;
    int i = 0;
    for (double s : main) ++i, SetOp(st, kMainSpindle, i, QStringLiteral("T%1").arg(i, 2, 10, QChar('0')), "Op", s);
    int j = 0;
    for (double s : sub) ++j, SetOp(st, kSubSpindle, j, QStringLiteral("T%1").arg(20 + j), "Back", s);
    st.RecountOps();
  }
  void Sync(int k, int a, int b) {
    ws_.Study.Sync(kMainSpindle, k) = static_cast<std::int16_t>(a);
    ws_.Study.Sync(kSubSpindle, k) = static_cast<std::int16_t>(b);
  }
  int Line(int side, const QString& text) { return static_cast<int>(form_->Lines(side).indexOf(text)); }
  QList<std::pair<int, int>> Syncs() const {
    QList<std::pair<int, int>> pairs;
    for (int k = 1; k <= kMaxSyncs && ws_.Study.Sync(kMainSpindle, k) > 0; ++k)
      pairs.append({ws_.Study.Sync(kMainSpindle, k), ws_.Study.Sync(kSubSpindle, k)});
    return pairs;
  }

  test::TempSettings settings_;
  Workspace ws_;
  ScriptedPrompter prompter_;
  RecordingHost host_;
  std::unique_ptr<MainWindowForm> form_;
};

}  // namespace

TEST_F(MainWindowFormTest, LinesShowGroupOwnTimeAndRunningTimeWithinTheGroup) {
  // Operations 1 and 2 before sync 1 run alone (group A); 3 and 4 in B1.
  Study({3, 4.55, 4.2, 7.55}, {2});
  SetOp(ws_.Study, kMainSpindle, 3, "T05", "Drill", 4.2);
  Sync(1, 3, 1);
  form_->FillList();
  EXPECT_EQ(form_->Lines(kMainSpindle), (QStringList{"1) A  03.00 : 03.00  T01-Op", "2) A  04.55 : 07.55  T02-Op",
                                                     "     Sync 1", "3) B1 04.20 : 04.20  T05-Drill",
                                                     "4) B1 07.55 : 11.75  T04-Op", " "}));
  EXPECT_EQ(form_->Lines(kSubSpindle), (QStringList{"     Sync 1", "1) C1 02.00 : 02.00  T21-Back", " "}));
  EXPECT_EQ(form_->ValueLabel(4), "Total=19.3(A B1)");
}

TEST_F(MainWindowFormTest, SelectionIsKeptByIndexAcrossARefresh) {
  Study({1, 2, 3}, {1});
  form_->FillList();
  form_->ClickLine(kMainSpindle, 2);
  ws_.Changes.Apply(ws_.Study, {"Edit", {}}, [](TimeStudy& st) {
    st.Op(kMainSpindle, 3).OpName = "Changed";
    return true;
  });
  EXPECT_EQ(form_->Selection(kMainSpindle), 2);
  EXPECT_EQ(form_->Lines(kMainSpindle)[2], "3) B1 03.00 : 06.00  T03-Changed");
}

TEST_F(MainWindowFormTest, MovedOperationsStopAtTheEndsAndTheSelectionFollowsThem) {
  Study({1, 2, 3}, {1, 1});
  Sync(1, 2, 2);
  form_->FillList();
  form_->ClickLine(kMainSpindle, 0);
  form_->MoveUp(kMainSpindle);
  form_->ClickLine(kMainSpindle, Line(kMainSpindle, "3) B2 03.00 : 05.00  T03-Op"));
  form_->MoveDown(kMainSpindle);
  EXPECT_FALSE(ws_.Study.Dirty);
  EXPECT_EQ(ws_.Study.Op(kMainSpindle, 1).ToolNo, "T01");

  // Operation 3 up: the sync stays before place 2, which now holds T03.
  form_->MoveUp(kMainSpindle);
  EXPECT_TRUE(ws_.Study.Dirty);
  EXPECT_EQ(form_->Lines(kMainSpindle)[form_->Selection(kMainSpindle)], "2) B2 03.00 : 03.00  T03-Op");
  EXPECT_EQ(Syncs(), (QList<std::pair<int, int>>{{2, 2}}));
}

TEST_F(MainWindowFormTest, DeleteAsksWithTheWholeLineAndNoKeepsEverything) {
  Study({1, 2}, {});
  form_->FillList();
  form_->ClickLine(kMainSpindle, 1);
  prompter_.QueueAnswer(Answer::No);
  form_->ListKeyDown(kMainSpindle, 46);
  ASSERT_EQ(prompter_.Entries().size(), 1);
  EXPECT_EQ(prompter_.Entries()[0].Text, "Are you sure you want to delete this operation? 2) B1 02.00 : 03.00  T02-Op");
  EXPECT_EQ(prompter_.Entries()[0].Default, Answer::No);
  EXPECT_EQ(ws_.Study.MainOpCount, 2);
  EXPECT_FALSE(ws_.Study.Dirty);

  prompter_.QueueAnswer(Answer::Yes);
  form_->ListKeyDown(kMainSpindle, 46);
  EXPECT_EQ(ws_.Study.MainOpCount, 1);
  EXPECT_TRUE(ws_.Study.Dirty);
}

TEST_F(MainWindowFormTest, SyncCommandsTakeTheSelectionsAndHideWithTheMarkers) {
  Study({1, 1, 1, 1}, {1, 1, 1});
  form_->FillList();
  form_->ClickLine(kMainSpindle, 1);
  form_->ClickLine(kSubSpindle, 0);
  form_->AddSync();
  form_->ClickLine(kMainSpindle, static_cast<int>(form_->Lines(kMainSpindle).size()) - 1);
  form_->ClickLine(kSubSpindle, static_cast<int>(form_->Lines(kSubSpindle).size()) - 1);
  form_->AddSync();
  EXPECT_EQ(Syncs(), (QList<std::pair<int, int>>{{2, 1}, {5, 4}}));

  // Remove takes the marker selected; later syncs move up.
  form_->ClickLine(kMainSpindle, Line(kMainSpindle, "     Sync 1"));
  form_->RemoveSync();
  EXPECT_EQ(Syncs(), (QList<std::pair<int, int>>{{5, 4}}));

  // Hidden syncs show no markers; the caption follows.
  form_->ToggleSyncs();
  EXPECT_FALSE(form_->Lines(kMainSpindle).join('|').contains("Sync"));
  EXPECT_EQ(form_->SyncToggleCaption(), "Show Syncs");
  form_->ToggleSyncs();
  EXPECT_EQ(form_->SyncToggleCaption(), "Hide Syncs");
}

TEST_F(MainWindowFormTest, AMarkerMovedDownJoinsTheNextSyncButNeverPassesIt) {
  Study({1, 1, 1}, {1, 1, 1});
  Sync(1, 1, 1);
  Sync(2, 2, 2);
  form_->FillList();
  form_->ClickLine(kMainSpindle, Line(kMainSpindle, "     Sync 1"));
  form_->MoveDown(kMainSpindle);
  EXPECT_EQ(Syncs(), (QList<std::pair<int, int>>{{2, 1}, {2, 2}}));
  EXPECT_EQ(form_->Lines(kMainSpindle)[form_->Selection(kMainSpindle)], "     Sync 1");
  form_->MoveDown(kMainSpindle);
  EXPECT_EQ(Syncs(), (QList<std::pair<int, int>>{{2, 1}, {2, 2}}));
  // Up never goes before sync 0's place or below 1.
  form_->MoveUp(kMainSpindle);
  form_->MoveUp(kMainSpindle);
  EXPECT_EQ(Syncs(), (QList<std::pair<int, int>>{{1, 1}, {2, 2}}));
}

TEST_F(MainWindowFormTest, MarkersAreReadByTheirWholeNumber) {
  Study(std::initializer_list<double>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
  for (int k = 1; k <= 12; ++k) Sync(k, k, k);
  form_->FillList();
  form_->ClickLine(kMainSpindle, Line(kMainSpindle, "     Sync 12"));
  EXPECT_EQ(form_->GroupChoice(), 11);
  EXPECT_EQ(form_->ValueLabel(1), "B12=2.");  // operations 12 and 13
  EXPECT_EQ(form_->Lines(kSubSpindle)[form_->Selection(kSubSpindle)], "     Sync 12");
  form_->MoveDown(kMainSpindle);
  EXPECT_EQ(ws_.Study.Sync(kMainSpindle, 12), 13);
}

TEST_F(MainWindowFormTest, NewAsksWhenDirtyAndOpensTheHeaderWindow) {
  Study({1}, {});
  ws_.Study.Header.MachineName = "M";
  form_->FillList();
  ws_.Study.Dirty = true;
  prompter_.QueueAnswer(Answer::No);
  form_->New();
  EXPECT_EQ(prompter_.Texts(), QStringList{"There is a T/S loaded! Are you sure you want to clear it?"});
  EXPECT_EQ(ws_.Study.MainOpCount, 1);
  prompter_.QueueAnswer(Answer::Yes);
  form_->New();
  EXPECT_EQ(ws_.Study.MainOpCount, 0);
  EXPECT_TRUE(form_->Lines(kMainSpindle).isEmpty());
  EXPECT_EQ(host_.Calls, QStringList{"header"});
}

TEST_F(MainWindowFormTest, ClosingAsksToSaveAndStaysWhenTheSaveDoesNotHappen) {
  Study({1}, {}, false);
  ws_.Study.Dirty = true;
  prompter_.QueueAnswer(Answer::Cancel);
  EXPECT_FALSE(form_->CloseRequested());
  const auto& asked = prompter_.Entries()[0];
  EXPECT_EQ(asked.Text, "Some Data was changed! Save before closing?");
  EXPECT_EQ(asked.Caption, "Save Dialog");
  EXPECT_EQ(asked.ButtonSet, Buttons::YesNoCancel);
  prompter_.QueueAnswer(Answer::Yes);  // the save dialog is cancelled: nothing lost
  EXPECT_FALSE(form_->CloseRequested());
  prompter_.QueueAnswer(Answer::No);
  EXPECT_TRUE(form_->CloseRequested());
  ws_.Study.Dirty = false;
  EXPECT_TRUE(form_->CloseRequested());
}

TEST_F(MainWindowFormTest, OpenReadsTheStudyWithoutLosingUnsavedWorkWhenCancelled) {
  test::TempAppFolder folder(true);
  ws_.AppFolder = folder.Path();
  Study({1}, {});
  ws_.Study.Dirty = true;
  prompter_.QueueAnswer(Answer::Yes);
  prompter_.QueueFile(std::nullopt);
  form_->Open();
  EXPECT_TRUE(ws_.Study.Dirty);
  EXPECT_EQ(prompter_.Entries().last().File.Title, "Open File -Choose a T/S File to Edit");

  const QString sample = folder.Path() + "samples/03-main-spindle-only.rvx";
  prompter_.QueueAnswer(Answer::Yes);
  prompter_.QueueFile(sample);
  form_->Open();
  EXPECT_FALSE(ws_.Study.Dirty);
  EXPECT_EQ(form_->FileLabel(), sample);
  EXPECT_EQ(form_->RecentFiles(), QStringList{sample});
  EXPECT_FALSE(form_->Lines(kMainSpindle).isEmpty());
}

// ---- undo and redo of every kind of change, made the way the program makes
// it, with the lists following each step ----------------------------------------

namespace {

// What a step must put back: the document and the lists on screen.
struct Shown {
  TimeStudyHeader Header;
  TimeStudy::OperationList Main, Sub;
  std::array<TimeStudy::SyncColumn, 3> Syncs;
  QStringList MainLines, SubLines;
  bool operator==(const Shown&) const = default;
};

// The lists show the groups, tools and sync markers of both spindles.
void PrintTo(const Shown& s, std::ostream* os) {
  PrintTo(s.MainLines, os);
  PrintTo(s.SubLines, os);
}

class UndoTest : public MainWindowFormTest {
 protected:
  UndoTest() {
    ws_.AppFolder = folder_.Path();
    ws_.Machine.MainTools1List = SplitToolString(QStringLiteral("Gang,T01,T02,T03,T04"));
    ws_.Study.Header.PartsCatcherUsed = 1;
    Study({1, 2, 3, 4}, {});
    ws_.Changes.Replaced(ws_.Study);
    form_->FillList();
  }

  Shown Now() const {
    Shown now{ws_.Study.Header, ws_.Study.Ops[kMainSpindle], ws_.Study.Ops[kSubSpindle], ws_.Study.Syncs,
              form_->Lines(kMainSpindle), form_->Lines(kSubSpindle)};
    // Place 0 is the recalculation's scratch copy, not the document.
    now.Main[0] = now.Sub[0] = Operation{};
    return now;
  }
  void Select(int side, const QString& lineStart) {
    const QStringList& lines = form_->Lines(side);
    for (qsizetype i = 0; i < lines.size(); ++i)
      if (lines[i].startsWith(lineStart)) return form_->ClickLine(side, static_cast<int>(i));
    ADD_FAILURE() << "no line " << lineStart.toStdString();
  }
  // Makes the change, then undoes and redoes it: the study and the lists
  // must be exactly as they were before, then after.
  void ExpectUndoable(const QString& step, const std::function<void()>& change) {
    SCOPED_TRACE(step.toStdString());
    const Shown before = Now();
    change();
    const Shown after = Now();
    ASSERT_FALSE(before == after);
    EXPECT_EQ(ws_.History->UndoMenuText(), QStringLiteral("&Undo ") + step);
    ASSERT_TRUE(UndoStudyStep(ws_));
    EXPECT_EQ(Now(), before);
    ASSERT_TRUE(RedoStudyStep(ws_));
    EXPECT_EQ(Now(), after);
  }

  test::TempAppFolder folder_{true};
};

}  // namespace

TEST_F(UndoTest, EveryKindOfChangeIsOneStepBackAndForth) {
  ExpectUndoable("Add Eject Part", [&] {
    prompter_.QueueAnswer(Answer::Yes);
    CheckSyncsBeforePrint(ws_, prompter_);
  });
  ExpectUndoable("Copy Operation 1 to Sub", [&] {
    Select(kMainSpindle, "1)");
    form_->CopyMainToSub();
  });
  ExpectUndoable("Move Operation 2 Down", [&] {
    Select(kMainSpindle, "2)");
    form_->MoveDown(kMainSpindle);
  });
  ExpectUndoable("Delete Operation 3", [&] {
    Select(kMainSpindle, "3)");
    prompter_.QueueAnswer(Answer::Yes);
    form_->ListKeyDown(kMainSpindle, 46);
  });
  ExpectUndoable("Add Sync", [&] {
    Select(kMainSpindle, "2)");
    Select(kSubSpindle, "2)");
    form_->AddSync();
  });
  ExpectUndoable("Move Sync 1 Up", [&] {
    Select(kMainSpindle, "     Sync 1");
    form_->MoveUp(kMainSpindle);
  });
  ExpectUndoable("Remove Sync 1", [&] {
    Select(kMainSpindle, "     Sync 1");
    form_->RemoveSync();
  });
  ExpectUndoable("Auto Set", [&] {
    AutoSetForm autoSet(ws_, prompter_);
    ws_.Study.CurrentSpindle = kMainSpindle;
    autoSet.Load();
    autoSet.ChooseKind(0);  // drill: center drill and drill
    autoSet.SetFirstToolIndex(1);
    autoSet.Change({AutoSetArray::DR, 0}, ".25");
    autoSet.Change({AutoSetArray::DR, 5}, "1");
    ASSERT_EQ(autoSet.Generate(2).Outcome, AutoSetOutcome::Added);
  });
  EXPECT_EQ(ws_.History->UndoCount(), 8);
}

// Undo and redo of every kind of change of the study, made the way the
// program makes it, with the main window's lists following each step.

#include "autoset/autosetform.h"
#include "engine/printchecks.h"
#include "mainwindow/mainwindowform.h"
#include "platform/scriptedprompter.h"
#include "session/studysession.h"
#include "support/qstringprint.h"
#include "support/testsupport.h"
#include "workspace.h"

#include <QSettings>

#include <gtest/gtest.h>

using namespace arvex;

namespace {

class QuietHost : public MainWindowHost {
 public:
  void ShowOperationEditor() override {}
  void ShowHeaderWindow() override {}
  void FocusList(int) override {}
  void ProcessPendingEvents() override {}
};

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

class UndoTest : public ::testing::Test {
 protected:
  UndoTest() : folder_(true) {
    ws_.AppFolder = folder_.Path();
    ws_.Machine.MainTools1List = SplitToolString(QStringLiteral("Gang,T01,T02,T03,T04"));
    TimeStudy& st = ws_.Study;
    st.Header.SubSpindleUsed = 1;
    st.Header.PartsCatcherUsed = 1;
    for (int i = 1; i <= 4; ++i) {
      Operation& op = st.Op(kMainSpindle, i);
      op.ToolNo = QStringLiteral("T0%1").arg(i);
      op.OpName = QStringLiteral("Op %1").arg(i);
      op.IPM = 6;
      op.CutLength = i;
      op.UpdateCutTime();
    }
    st.RecountOps();
    ws_.Changes.Replaced(st);
    form_ = std::make_unique<MainWindowForm>(ws_, prompter_, *settings_.Store, host_);
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

  test::TempAppFolder folder_;
  test::TempSettings settings_;
  Workspace ws_;
  ScriptedPrompter prompter_;
  QuietHost host_;
  std::unique_ptr<MainWindowForm> form_;
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

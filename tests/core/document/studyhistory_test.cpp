#include "document/studyhistory.h"

#include "session/studysession.h"
#include "support/qstringprint.h"
#include "workspace.h"

#include <gtest/gtest.h>

using namespace arvex;

namespace {

// A saved study whose main list holds tools T1..Tn, with its history empty.
struct HistoryTest : ::testing::Test {
  HistoryTest() {
    for (int i = 1; i <= 5; ++i) ws.Study.Op(kMainSpindle, i).ToolNo = QStringLiteral("T%1").arg(i);
    ws.Study.RecountOps();
    ws.Changes.Replaced(ws.Study);
    ws.Changes.Listen([this](const StudyNotice& n) {
      if (n.Event == StudyEvent::Undone) Heard << "undone " + n.Change.Label;
      if (n.Event == StudyEvent::Redone) Heard << "redone " + n.Change.Label;
    });
  }
  StudyHistory& History() { return *ws.History; }
  bool Delete(int n) {
    return Apply(QStringLiteral("Delete Operation %1").arg(n),
                 [n](TimeStudy& st) { return st.DeleteOperation(n) && (st.RecountOps(), true); });
  }
  bool Apply(const QString& label, const std::function<bool(TimeStudy&)>& edit, const QString& key = {}) {
    return ws.Changes.Apply(ws.Study, {label, key}, edit);
  }
  // Typing in the tool field of main operation n.
  void Type(int n, const QString& text) {
    Apply(QStringLiteral("Edit Tool No"), [&](TimeStudy& st) {
      st.Op(kMainSpindle, n).ToolNo = text;
      return true;
    }, QStringLiteral("cut:1:%1:0").arg(n));
  }
  Workspace ws;
  QStringList Heard;
};

}  // namespace

// Every kind of step, with the lists on screen, is the main window's undo test.
TEST_F(HistoryTest, UndoAndRedoPutTheStudyBackAndNameTheStep) {
  EXPECT_EQ(History().UndoMenuText(), "&Undo");
  EXPECT_FALSE(UndoStudyStep(ws));
  Apply("Add Sync", [](TimeStudy& st) { return (st.Sync(kMainSpindle, 1) = 2, st.Sync(kSubSpindle, 1) = 1, true); });
  EXPECT_FALSE(Apply("Nothing", [](TimeStudy&) { return false; }));  // refused edits are no step
  EXPECT_EQ(History().UndoMenuText(), "&Undo Add Sync");

  EXPECT_TRUE(UndoStudyStep(ws));
  EXPECT_EQ(ws.Study.Sync(kMainSpindle, 1), 0);
  EXPECT_EQ(History().RedoMenuText(), "&Redo Add Sync");
  EXPECT_FALSE(History().CanUndo());
  EXPECT_TRUE(RedoStudyStep(ws));
  EXPECT_EQ(ws.Study.Sync(kMainSpindle, 1), 2);
  EXPECT_FALSE(RedoStudyStep(ws));
  EXPECT_EQ(Heard, (QStringList{"undone Add Sync", "redone Add Sync"}));

  // A new step after an undo drops what could be redone.
  UndoStudyStep(ws);
  Apply("Header R&D", [](TimeStudy& st) { return (st.Header.PartName = "Stem", true); });
  EXPECT_FALSE(History().CanRedo());
  EXPECT_EQ(History().UndoMenuText(), "&Undo Header R&&D");  // the name's "&" is no access key
}

TEST_F(HistoryTest, UndoingBackToTheSavedStateClearsDirty) {
  Type(1, "A");
  Type(2, "B");
  EXPECT_TRUE(ws.Study.Dirty);
  UndoStudyStep(ws);
  EXPECT_TRUE(ws.Study.Dirty);
  UndoStudyStep(ws);
  EXPECT_FALSE(ws.Study.Dirty);  // as opened
  RedoStudyStep(ws);
  EXPECT_TRUE(ws.Study.Dirty);

  // Saved after the first step: that state is the clean one now.
  ws.Study.Dirty = false;
  ws.Changes.Saved(ws.Study);
  RedoStudyStep(ws);
  EXPECT_TRUE(ws.Study.Dirty);
  UndoStudyStep(ws);
  EXPECT_FALSE(ws.Study.Dirty);
  UndoStudyStep(ws);
  EXPECT_TRUE(ws.Study.Dirty);

  // A new step where the saved state could only be redone: it is gone, and
  // no state is clean any more.
  Type(4, "D");
  UndoStudyStep(ws);
  EXPECT_TRUE(ws.Study.Dirty);

  // Opening or creating a study empties the history.
  NewStudy(ws);
  EXPECT_FALSE(History().CanUndo());
  EXPECT_FALSE(History().CanRedo());
  Type(1, "N");
  UndoStudyStep(ws);
  EXPECT_FALSE(ws.Study.Dirty);
}

TEST_F(HistoryTest, KeepsTheLastStepsAndNeitherFilePathNorAnOperationBeyondTheList) {
  for (int n = 1; n <= kUndoSteps + 50; ++n)
    Apply(QStringLiteral("Step %1").arg(n), [n](TimeStudy& st) { return (st.Header.Notes = QString::number(n), true); });
  EXPECT_GE(kUndoSteps, 100);
  EXPECT_EQ(History().UndoCount(), kUndoSteps);
  while (UndoStudyStep(ws)) {}
  EXPECT_EQ(ws.Study.Header.Notes, "50");
  EXPECT_TRUE(ws.Study.Dirty);  // the saved state was dropped with the oldest steps

  ws.Study.FilePath = "/shop/stem.rvx";
  Delete(5);
  Delete(4);
  ws.Study.EditMainOp = 5;
  ws.Study.FilePath = "/shop/stem-2.rvx";  // saved under another name since
  for (auto step : {UndoStudyStep, UndoStudyStep, RedoStudyStep, RedoStudyStep}) step(ws);
  EXPECT_EQ(ws.Study.MainOpCount, 3);
  EXPECT_EQ(ws.Study.EditMainOp, 4);  // the place after the last operation at most
  EXPECT_EQ(ws.Study.FilePath, "/shop/stem-2.rvx");
}

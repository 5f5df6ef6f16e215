#include "guitest.h"
#include "mainwindow.h"
#include "session/studysession.h"
#include "timelineview.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace arvex;
using namespace arvex::test;

namespace {

struct MainWindowTest : ::testing::Test, GuiFixture {
  MainWindowTest() {
    Windows.HeaderData = [this](WindowContext&, QWidget*) { Opened << "header"; };
    Windows.CutData = [this](WindowContext& c, QWidget*) { Opened << QStringLiteral("cut %1").arg(c.Ws.Study.CurrentSpindle); };
    Windows.MachineSetup = {};
    window = std::make_unique<MainWindow>(Context);
    window->Form().Load();
    OpenStudy(Ws, Folder.Path() + "samples/01-inch-sub-spindle.rvx", Prompter);
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  QStringList Items(QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
  }
  QStringList Opened;
  std::unique_ptr<MainWindow> window;
};

}  // namespace

TEST_F(MainWindowTest, TheFormsTextsReachTheWidgets) {
  EXPECT_EQ(Items(Find<QListWidget>(window.get(), "List2")), window->Form().Lines(kSubSpindle));
  EXPECT_EQ(Find<QLabel>(window.get(), "Label2_4")->text(), window->Form().ValueLabel(4));
  // Entries whose window this build lacks are there, disabled.
  EXPECT_FALSE(Find<QAction>(window.get(), "AdMach")->isEnabled());
}

TEST_F(MainWindowTest, ControlsReachTheForm) {
  auto* list1 = Find<QListWidget>(window.get(), "List1");
  list1->setFocus();
  list1->setCurrentRow(1);  // operation 1
  EXPECT_EQ(window->Form().Selection(kMainSpindle), 1);
  const QString first = Ws.Study.Op(kMainSpindle, 1).ToolNo;
  QTest::mouseClick(Find<QToolButton>(window.get(), "cmdDownM"), Qt::LeftButton);
  EXPECT_EQ(Ws.Study.Op(kMainSpindle, 2).ToolNo, first);
  EXPECT_EQ(list1->currentRow(), window->Form().Selection(kMainSpindle));

  QTest::keyClick(list1, Qt::Key_Return);
  EXPECT_EQ(Opened, QStringList{"cut 1"});
  EXPECT_EQ(Ws.Study.EditMainOp, 2);  // the operation moved down

  auto* combo = Find<QComboBox>(window.get(), "Combo1");
  combo->setCurrentIndex(1);
  emit combo->activated(1);
  EXPECT_TRUE(Find<QLabel>(window.get(), "Label2_1")->text().startsWith("B2="));
  QTest::mouseClick(Find<QPushButton>(window.get(), "Command3"), Qt::LeftButton);
  EXPECT_EQ(Find<QPushButton>(window.get(), "Command3")->text(), "Show Syncs");
  EXPECT_FALSE(Find<QPushButton>(window.get(), "Command6")->isEnabled());
}

TEST_F(MainWindowTest, TheEditMenuNamesTheStepAndTheKeysTakeItBackAndForth) {
  auto* undo = Find<QAction>(window.get(), "mnuUndo");
  auto* redo = Find<QAction>(window.get(), "mnuRedo");
  ASSERT_TRUE(undo && redo);
  EXPECT_FALSE(undo->isEnabled());
  auto* list1 = Find<QListWidget>(window.get(), "List1");
  const QStringList before = window->Form().Lines(kMainSpindle);
  list1->setFocus();
  list1->setCurrentRow(1);  // operation 1
  Prompter.QueueAnswer(Answer::Yes);
  QTest::keyClick(list1, Qt::Key_Delete);
  EXPECT_EQ(undo->text(), "&Undo Delete Operation 1");
  EXPECT_EQ(list1->count(), before.size() - 1);

  QTest::keyClick(list1, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(list1->item(1)->text(), before[1]);
  EXPECT_EQ(redo->text(), "&Redo Delete Operation 1");
  QTest::keyClick(list1, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(list1->count(), before.size() - 1);
}

// A click on the timeline selects its operation; every control the keyboard
// reaches has a name for a screen reader (a label's is its text).
TEST_F(MainWindowTest, ATimelineClickSelectsTheOperationAndEveryControlIsNamed) {
  auto* view = Find<TimelineView>(window.get(), "SpindleTimeline");
  ASSERT_TRUE(view);
  const TimelineOperation& op = window->Form().SpindleTimeline().Bars.front().Operations.at(1);  // B1, operation 2
  const TimelineFrame frame = view->Frame();
  const QPoint at(static_cast<int>(frame.X((op.Start + op.End) / 2)), static_cast<int>(frame.MainLane.center().y()));
  QTest::mouseClick(view, Qt::LeftButton, {}, at);
  EXPECT_EQ(Find<QListWidget>(window.get(), "List1")->currentRow(), 2);
  for (QWidget* w : window->findChildren<QWidget*>())
    EXPECT_TRUE(w->focusPolicy() == Qt::NoFocus || qobject_cast<QLabel*>(w) || !w->accessibleName().isEmpty())
        << w->metaObject()->className();
}

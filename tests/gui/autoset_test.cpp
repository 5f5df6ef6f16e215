// frmAutoSet: the frames of the kind chosen, "Pick Tap" handing the tap drill
// window's result back, typing reaching the form, and "Add to CutData Exit"
// inserting into the study before the place given.

#include "autosetdialog.h"
#include "guitest.h"
#include "support/qstringprint.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace arvex;
using namespace arvex::test;

namespace {

class AutoSetWindowTest : public ::testing::Test {
 protected:
  AutoSetWindowTest() {
    f_.Ws.Machine.MainTools1List = SplitToolString(QStringLiteral("Gang,T01,T02,T03,T04"));
    for (int i = 1; i <= 3; ++i) f_.Ws.Study.Op(kMainSpindle, i).OpName = QStringLiteral("Op %1").arg(i);
    f_.Ws.Study.RecountOps();
    f_.Ws.Study.CurrentSpindle = kMainSpindle;
    // The tap drill window as the user leaves it: 1/4-20 chosen at 75 %.
    f_.Windows.TapDrill = [](WindowContext& c, QWidget*) {
      c.Ws.ChosenTapText = QStringLiteral("1/4-20 UNC");
      c.Ws.TapDrillResult = {0.25f, 0.05f, 0.2013f};
    };
    form_.Load();
    window_ = std::make_unique<AutoSetDialog>(form_, f_.Context, 2, nullptr);
    window_->show();
  }

  QString Text(const char* name) { return Find<QLineEdit>(window_.get(), name)->text(); }
  template <class T>
  T* Get(const char* name) {
    return Find<T>(window_.get(), name);
  }

  GuiFixture f_;
  AutoSetForm form_{f_.Ws, f_.Prompter};
  std::unique_ptr<AutoSetDialog> window_;
};

}  // namespace

TEST_F(AutoSetWindowTest, PickTapThenAddInsertsBeforeThePlace) {
  // The tap kind shows its frames, not the mill's.
  Get<QComboBox>("Combo1")->setCurrentIndex(1);
  EXPECT_TRUE(Get<QGroupBox>("fraTap")->isVisible());
  EXPECT_FALSE(Get<QGroupBox>("fraMill")->isVisible());
  Get<QPushButton>("cmdTap")->click();
  EXPECT_EQ(QStringList({Text("txtTap_0"), Text("txtTap_1"), Text("txtTap_2"), Text("txtDR_0")}),
            QStringList({"1/4-20 UNC", ".25", ".05", ".2013"}));
  // Typing reaches the form: the tap depth sets the drill depth; "m"
  // converts the field instead of being typed.
  QTest::keyClicks(Get<QLineEdit>("txtTap_3"), ".5");
  EXPECT_EQ(Text("txtDR_5"), ".65");
  QTest::keyClicks(Get<QLineEdit>("txtDR_4"), "m");
  EXPECT_EQ(Text("txtDR_4"), ".508");

  // Place 2 chosen: the center drill goes after operation 1.
  Get<QComboBox>("Combo2")->setCurrentIndex(1);
  Get<QPushButton>("cmdTapAdd")->click();
  EXPECT_EQ(f_.Ws.Study.Op(kMainSpindle, 2).OpName, "#4 Center Drill");
  EXPECT_EQ(window_->result(), QDialog::Accepted);
  EXPECT_FALSE(window_->isVisible());
}

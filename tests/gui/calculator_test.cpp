// frmCalc: the key trap and the buttons reach the form, the readout reaches
// the window, and closing leaves LastCalcText.

#include "calculatordialog.h"
#include "guitest.h"
#include "shop/calculator.h"
#include "support/qstringprint.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace arvex;
using namespace arvex::test;

TEST(CalculatorWindow, KeysAndButtonsPressTheSameButtons) {
  GuiFixture f;
  CalculatorForm form(f.Ws, f.Prompter);
  CalculatorDialog dialog(form, nullptr);
  dialog.show();
  auto* trap = Find<QWidget>(&dialog, "pctKeyTrap");
  auto* readout = Find<QLabel>(&dialog, "lblReadout");
  ASSERT_TRUE(trap && readout);

  // Buttons reach the form, its readout reaches the label, and the keys go
  // on to the key trap.
  Find<QPushButton>(&dialog, "cmdNumber_2")->click();
  Find<QPushButton>(&dialog, "cmdSquare")->click();
  EXPECT_EQ(readout->text(), "2.8284");
  EXPECT_EQ(dialog.focusWidget(), trap);
  // Esc is C here: the readout clears and the window stays open.
  QTest::keyClick(trap, Qt::Key_Escape);
  EXPECT_EQ(readout->text(), "0");
  EXPECT_TRUE(dialog.isVisible());
}

TEST(CalculatorWindow, ClosingLeavesTheReadout) {
  GuiFixture f;
  QTimer::singleShot(0, [] {
    QWidget* calc = QApplication::activeModalWidget();
    ASSERT_NE(calc, nullptr);
    QTest::keyClicks(Find<QWidget>(calc, "pctKeyTrap"), "7/0=");
    Find<QPushButton>(calc, "CSCmd1")->click();
  });
  f.Windows.Calculator(f.Context, nullptr);
  EXPECT_EQ(f.Prompter.Messages(), QStringList({"Can't divide by zero"}));
  EXPECT_EQ(f.Ws.LastCalcText, "Calc = 0");
}

#include "headerwindow.h"

#include "guitest.h"
#include "support/qstringprint.h"
#include "mainwindow/headerform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace arvex::test {

TEST(HeaderWindowTest, ControlsReachTheFormAndTheFormReachesThem) {
  GuiFixture f;
  f.Ws.Study.Header.Customer = "Acme";
  f.Ws.Study.Header.SubSpindleUsed = 1;
  f.Windows.Calculator = [](WindowContext& context, QWidget*) { context.Ws.LastCalcText = "1.2500"; };
  HeaderForm form(f.Ws, f.Prompter, *f.Store);
  form.Load();
  HeaderWindow window(form, f.Context, nullptr);
  EXPECT_EQ(window.windowTitle(), "Arvex  CNC Time Study");

  EXPECT_EQ(Find<QLineEdit>(&window, "Text1_0")->text(), "Acme");
  EXPECT_TRUE(Find<QCheckBox>(&window, "Check1")->isChecked());
  // The key the form refuses never shows in the field.
  auto* partNo = Find<QLineEdit>(&window, "Text1_3");
  QTest::keyClicks(partNo, "A\"7");
  EXPECT_EQ(form.Text(HeaderForm::kPartNo), "A7");
  EXPECT_EQ(partNo->text(), "A7");

  auto* machine = Find<QComboBox>(&window, "Combo1");
  const int sh12 = machine->findText("SH12-Main");
  ASSERT_GE(sh12, 0);
  machine->setCurrentIndex(sh12);
  emit machine->activated(sh12);
  EXPECT_FALSE(Find<QCheckBox>(&window, "Check1")->isChecked());

  Find<QPushButton>(&window, "cmdCalc")->click();
  EXPECT_EQ(Find<QLabel>(&window, "Label2")->text(), "1.2500");

  QTest::keyClicks(Find<QLineEdit>(&window, "Text1_6"), ".625");
  Find<QPushButton>(&window, "Command1")->click();
  EXPECT_EQ(window.result(), QDialog::Accepted);
  EXPECT_EQ(f.Ws.Study.Header.MachineName, "SH12-Main");
}

}  // namespace arvex::test

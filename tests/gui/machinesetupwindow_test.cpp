#include "machinesetupwindow.h"

#include "guitest.h"
#include "support/qstringprint.h"
#include "machine/machinesetupform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

namespace arvex::test {

TEST(MachineSetupWindowTest, ControlsReachTheFormAndTheFormReachesThem) {
  GuiFixture f;
  MachineSetupForm form(f.Ws, f.Prompter);
  form.Load();
  MachineSetupWindow window(form, f.Context, nullptr);
  auto* pages = Find<QStackedWidget>(&window, "Frame1");
  auto* subPage = Find<QRadioButton>(&window, "Option1_1");
  EXPECT_EQ(pages->currentIndex(), 0);
  EXPECT_FALSE(subPage->isEnabled());

  auto* machine = Find<QComboBox>(&window, "Combo1");
  const int sh20 = machine->findText("SH20-Sub");
  ASSERT_GE(sh20, 0);
  emit machine->activated(sh20);
  EXPECT_EQ(Find<QLineEdit>(&window, "txtTools_7")->text(), form.Field(7));
  EXPECT_TRUE(Find<QCheckBox>(&window, "Check1")->isChecked());
  ASSERT_TRUE(subPage->isEnabled());
  subPage->click();
  EXPECT_EQ(pages->currentIndex(), 1);

  auto* field = Find<QLineEdit>(&window, "txtTools_28");
  field->selectAll();
  QTest::keyClicks(field, "1.5");
  EXPECT_EQ(form.Field(28), "1.5");

  f.Folder.Write("Arvex.htm", "<html></html>");
  window.findChild<QMenuBar*>()->actions().front()->trigger();
  ASSERT_EQ(f.Help.Started.size(), 1);
  EXPECT_TRUE(f.Help.Started[0].endsWith("Arvex.htm#MachSetup")) << f.Help.Started[0].toStdString();
}

}  // namespace arvex::test

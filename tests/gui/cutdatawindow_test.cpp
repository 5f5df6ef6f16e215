// The cutting data window's bindings: keys reach the form through the one
// key translation, the form's texts reach the fields, the grid follows the
// operation name.

#include "cutdatawindow.h"
#include "guitest.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

namespace arvex::test {
namespace {

class CutDataWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    TimeStudy& st = f.Ws.Study;
    st.Header.MachineName = QStringLiteral("Test");
    f.Ws.Machine.MainTools1List = SplitToolString(QStringLiteral("Gang,T01,T02"));
    f.Ws.MaterialGroupIndex = 1;
    st.Op(kMainSpindle, 1).ToolNo = QStringLiteral("T01");
    st.Op(kMainSpindle, 1).OpName = QStringLiteral("OD Turn");
    st.RecountOps();
    st.CurrentSpindle = kMainSpindle;
    st.EditMainOp = 1;
    window = std::make_unique<CutDataWindow>(f.Context, kMainSpindle, nullptr);
    window->Form().Open();
    window->Refresh();
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  QLineEdit* Field(int i) { return Find<QLineEdit>(window.get(), QStringLiteral("toolText_%1").arg(i)); }
  // Types into a field that has the focus, as the keyboard does.
  void Type(int i, const QString& keys) {
    QLineEdit* edit = Field(i);
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(edit, keys);
  }

  GuiFixture f;
  std::unique_ptr<CutDataWindow> window;
};

TEST_F(CutDataWindowTest, KeysReachTheFormAndItsTextsTheFields) {
  // "m" converts the diameter and is not typed.
  Type(kDiameterField, QStringLiteral(".5m"));
  EXPECT_EQ(Field(kDiameterField)->text(), "12.7");

  // Enter in the length field evaluates its formula.
  Type(kCutLengthField, QStringLiteral("(1+2)*2"));
  QTest::keyClick(Field(kCutLengthField), Qt::Key_Return);
  EXPECT_EQ(Field(kCutLengthField)->text(), "6.");  // "####.####"
  EXPECT_TRUE(window->isVisible());  // Enter is no default button
}

TEST_F(CutDataWindowTest, TheGridFollowsTheName) {
  const QAbstractItemModel* model = Find<QTableView>(window.get(), QStringLiteral("DBGrid1"))->model();
  ASSERT_GT(model->rowCount(), 0);  // the turning rows of group 1

  auto* names = Find<QComboBox>(window.get(), QStringLiteral("Combo2"));
  names->setFocus(Qt::TabFocusReason);
  names->lineEdit()->selectAll();
  QTest::keyClicks(names, QStringLiteral("Tap"));
  EXPECT_EQ(model->rowCount(), 0);  // no keyword for tapping
  EXPECT_EQ(Find<QComboBox>(window.get(), QStringLiteral("Combo1"))->currentText(), "T01-Tap");
}

}  // namespace
}  // namespace arvex::test

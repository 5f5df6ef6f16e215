#pragma once
// A workspace with a small machine and the bundled application folder, and
// an Auto Set form over it.

#include "autoset/autosetform.h"
#include "machine/machinedefinition.h"
#include "platform/scriptedprompter.h"
#include "support/qstringprint.h"
#include "support/testsupport.h"
#include "workspace.h"

#include <gtest/gtest.h>

namespace arvex::test {

// Combo2 of the main spindle: 0 "(Gang)", 1 "T01-" .. 4 "T04-",
// 5 "(Turret)", 6 "T11-", 7 "T12-".
inline constexpr int kT01 = 1;
inline constexpr int kT04 = 4;
inline constexpr int kT12 = 7;

class AutoSetTest : public ::testing::Test {
 protected:
  using F = AutoSetField;

  explicit AutoSetTest(bool bundled = true) : folder_(bundled) {
    ws_.AppFolder = folder_.Path();
    ws_.Machine.MainTools1List = SplitToolString(QStringLiteral("Gang,T01,T02,T03,T04"));
    ws_.Machine.MainTools2List = SplitToolString(QStringLiteral("Turret,T11,T12"));
    ws_.Machine.SubTools1List = SplitToolString(QStringLiteral("Back,T21,T22"));
    ws_.Machine.SubTools2List = SplitToolString(QStringLiteral("Back 2,T31"));
  }

  void Load(bool metric = false) {
    ws_.Study.Header.Metric = metric ? -1 : 0;
    form_.Load();
  }

  // Kind 0 drill, 1 tap, 2 ream, 3 mill flats, 4 threads.
  void Start(int kind, bool metric = false, int firstTool = kT01) {
    Load(metric);
    form_.ChooseKind(kind);
    form_.SetFirstToolIndex(firstTool);
  }

  void Type(AutoSetField field, const QString& text) { ASSERT_TRUE(form_.Change(field, text)); }

  // Fills places 1..count of a list with operations named "Op <n>".
  void FillList(int count, int spindle = kMainSpindle) {
    for (int i = 1; i <= count; ++i) {
      Operation& op = ws_.Study.Op(spindle, i);
      op.ToolNo = QStringLiteral("T%1").arg(i);
      op.OpName = QStringLiteral("Op %1").arg(i);
    }
    ws_.Study.RecountOps();
  }

  // Types a field and leaves it.
  void Leave(AutoSetField field, const QString& text) {
    Type(field, text);
    form_.LostFocus(field);
  }

  QStringList Texts(std::initializer_list<AutoSetField> fields) const {
    QStringList texts;
    for (const AutoSetField& f : fields) texts << form_.Text(f);
    return texts;
  }

  // The inch drill example: .25 drill, 1 deep, .1 feed depth (typed over
  // the one the center drill gives), the default speeds and feeds.
  void InchDrillExample() {
    Type(F::DR(0), ".25");
    Type(F::DR(5), "1");
    Type(F::CD(1), ".1");
  }

  const Operation& Op(int place, int spindle = kMainSpindle) const { return ws_.Study.Op(spindle, place); }

  // Every stored field of the operation at a place; the cut time must
  // follow from the expected length and feed.
  void ExpectOp(int place, const Operation& e, int spindle = kMainSpindle) const {
    SCOPED_TRACE(testing::Message() << "operation " << place << " of spindle " << spindle);
    const Operation& a = Op(place, spindle);
    EXPECT_EQ((QStringList{a.ToolNo, a.OpName, a.OtherDesc, a.ToolHolder}),
              (QStringList{e.ToolNo, e.OpName, e.OtherDesc, e.ToolHolder}));
    // SFM, RPM, extra rapids, indexes, dwells, other seconds, teeth.
    EXPECT_EQ((std::vector<int>{a.SFM, a.RPM, a.ExtraRapids, a.SpindleIndexes, a.Dwells, a.OtherSeconds, a.Teeth}),
              (std::vector<int>{e.SFM, e.RPM, e.ExtraRapids, e.SpindleIndexes, e.Dwells, e.OtherSeconds, e.Teeth}));
    const double cutTime = e.IPM > 0 ? e.CutLength / e.IPM * 60 : 0;
    // Diameter, IPR, IPM, cut length, cut time, IPT.
    const double actual[] = {a.Diameter, a.IPR, a.IPM, a.CutLength, a.CutTime, a.IPT};
    const double expected[] = {e.Diameter, e.IPR, e.IPM, e.CutLength, cutTime, e.IPT};
    for (int i = 0; i < 6; ++i) EXPECT_DOUBLE_EQ(actual[i], expected[i]) << "real field " << i;
  }

  TempAppFolder folder_;
  Workspace ws_;
  ScriptedPrompter prompter_;
  AutoSetForm form_{ws_, prompter_};
};

}  // namespace arvex::test

#include "cutting/cutdataqueries.h"

#include <gtest/gtest.h>

using namespace arvex;

namespace {

CuttingDataRecord Row(const QString& op, const QString& grade = QString()) {
  CuttingDataRecord r;
  r.Operation = op;
  r.ToolGrade = grade;
  return r;
}

}  // namespace

// Each query reads as the user knows it and selects through bound values;
// a condition of "0" selects nothing.
TEST(CutDataQueryTest, TextsConditionsAndBoundValues) {
  const QStringList types = {"OD Turn Rough", "Drill", "Face (Turn)", "Spot Drill", "OD TURN Finish"};
  const QString drill = QStringLiteral("Drill");
  const QString ream = QStringLiteral("Ream");
  const QString none = QStringLiteral("select * from cutdat where GrpIndex = -1");
  struct Case { CutDataQuery Query; QString Text; QString Condition; QVariantList Values; };
  const Case cases[] = {
      // The cutting data window.
      {GroupQuery(3), "select * from cutdat where GrpIndex = 3", "GrpIndex = ?", {3}},
      {OperationTypeQuery(3, drill), "select * from cutdat where GrpIndex = 3 and Operation = 'Drill'",
       "GrpIndex = ? and Operation = ?", {3, drill}},
      {NoRowsQuery(), none, "0", {}},
      {KeywordQuery(2, types, QStringLiteral("turn")),
       "select * from cutdat where GrpIndex = 2 and (Operation = 'OD Turn Rough' or Operation = 'Face (Turn)' "
       "or Operation = 'OD TURN Finish')",
       "GrpIndex = ? and (Operation = ? or Operation = ? or Operation = ?)",
       {2, QStringLiteral("OD Turn Rough"), QStringLiteral("Face (Turn)"), QStringLiteral("OD TURN Finish")}},
      // No alternative: the empty grid.
      {KeywordQuery(2, types, QStringLiteral("ream")), none, "0", {}},
      // The cutting database editor (its whole table and "show all": CuttingDataEditorFormTest).
      {AboveDataQuery(0, QString()), "select * from CutDat", "", {}},
      {AboveDataQuery(4, QString()), "select * from CutDat where GrpIndex = 4", "GrpIndex = ?", {4}},
      {AboveDataQuery(0, ream), "select * from CutDat where Operation = 'Ream'", "Operation = ?", {ream}},
      {AboveDataQuery(4, ream), "select * from CutDat where GrpIndex = 4 and Operation = 'Ream'",
       "GrpIndex = ? and Operation = ?", {4, ream}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Text.toStdString());
    EXPECT_EQ(c.Query.Text, c.Text);
    EXPECT_EQ(c.Query.Condition, c.Condition);
    EXPECT_EQ(c.Query.Values, c.Values);
  }
}

TEST(CollectTest, DistinctValuesInRowOrderComparedExactlyUpToTheLimits) {
  std::vector<CuttingDataRecord> rows = {Row("Drill", "K10"), Row("OD Turn", "P25"), Row("Drill", "K10"),
                                               Row("drill", ""),    Row("", "P25"),        Row("Ream", "HSS")};
  EXPECT_EQ(CollectOperationTypes(rows), (QStringList{"Drill", "OD Turn", "drill", "Ream"}));
  EXPECT_EQ(CollectToolGrades(rows), (QStringList{"K10", "P25", "HSS"}));
  // The lists stop at their limits.
  rows.clear();
  for (int i = 0; i < 600; ++i) rows.push_back(Row(QStringLiteral("Op %1").arg(i), QStringLiteral("G%1").arg(i)));
  const QStringList types = CollectOperationTypes(rows);
  ASSERT_EQ(types.size(), 500);
  EXPECT_EQ(types.back(), "Op 499");
  const QStringList grades = CollectToolGrades(rows);
  ASSERT_EQ(grades.size(), 100);
  EXPECT_EQ(grades.back(), "G99");
}

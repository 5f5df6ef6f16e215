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

TEST(GridKeywordTest, LastMatchingWordWins) {
  struct Case {
    const char* Name;
    const char* Keyword;
  };
  const Case cases[] = {
      {"OD Turn", "turn"},         {"Face OD", "turn"},           {"OD Groove", "turn"},
      {"Drill", "drill"},          {"Spot Drill", "spot"},        {"Center Drill", "center"},
      {"Live Cross Drill", "drill"}, {"Live Mill Flats", "mill"}, {"Ream", "ream"},
      {"FACE and DRILL", "drill"}, {"Turn then ream", "ream"},    {"Tap", ""},
      {"Single Point Thread", ""}, {"", ""},                      {"Cut-off", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GridKeyword(QString::fromUtf8(c.Name)), QString::fromUtf8(c.Keyword)) << c.Name;
  }
}

TEST(CutDataQueryTest, WindowQueriesReadAsTheUserKnowsThem) {
  const CutDataQuery group = GroupQuery(3);
  EXPECT_EQ(group.Text, "select * from cutdat where GrpIndex = 3");
  EXPECT_EQ(group.Condition, "GrpIndex = ?");
  EXPECT_EQ(group.Values, (QVariantList{3}));

  const CutDataQuery type = OperationTypeQuery(3, QStringLiteral("Drill"));
  EXPECT_EQ(type.Text, "select * from cutdat where GrpIndex = 3 and Operation = 'Drill'");
  EXPECT_EQ(type.Condition, "GrpIndex = ? and Operation = ?");
  EXPECT_EQ(type.Values, (QVariantList{3, QStringLiteral("Drill")}));

  EXPECT_EQ(NoRowsQuery().Text, "select * from cutdat where GrpIndex = -1");
  EXPECT_EQ(NoRowsQuery().Condition, "0");
}

TEST(CutDataQueryTest, GroupZeroAsksForGroupZeroAndSelectsNothing) {
  const CutDataQuery q = GroupQuery(0);
  EXPECT_EQ(q.Text, "select * from cutdat where GrpIndex = 0");
  EXPECT_EQ(q.Condition, "0");
  EXPECT_TRUE(q.Values.isEmpty());
  EXPECT_EQ(OperationTypeQuery(0, QStringLiteral("Drill")).Condition, "0");
}

TEST(CutDataQueryTest, KeywordQueryJoinsEveryAlternative) {
  const QStringList types = {"OD Turn Rough", "Drill", "Face (Turn)", "Spot Drill", "OD TURN Finish"};
  EXPECT_EQ(KeywordAlternatives(types, QStringLiteral("turn")),
            (QStringList{"OD Turn Rough", "Face (Turn)", "OD TURN Finish"}));
  const CutDataQuery q = KeywordQuery(2, types, QStringLiteral("turn"));
  EXPECT_EQ(q.Text,
            "select * from cutdat where GrpIndex = 2 and (Operation = 'OD Turn Rough' or Operation = 'Face (Turn)' "
            "or Operation = 'OD TURN Finish')");
  EXPECT_EQ(q.Condition, "GrpIndex = ? and (Operation = ? or Operation = ? or Operation = ?)");
  EXPECT_EQ(q.Values, (QVariantList{2, QStringLiteral("OD Turn Rough"), QStringLiteral("Face (Turn)"),
                                    QStringLiteral("OD TURN Finish")}));

  const CutDataQuery one = KeywordQuery(2, types, QStringLiteral("spot"));
  EXPECT_EQ(one.Text, "select * from cutdat where GrpIndex = 2 and (Operation = 'Spot Drill')");
}

TEST(CutDataQueryTest, NoKeywordOrNoAlternativeGivesTheEmptyGrid) {
  const QStringList types = {"OD Turn Rough", "Drill"};
  EXPECT_EQ(KeywordQuery(2, types, QString()).Text, "select * from cutdat where GrpIndex = -1");
  EXPECT_EQ(KeywordQuery(2, types, QStringLiteral("ream")).Text, "select * from cutdat where GrpIndex = -1");
  EXPECT_EQ(KeywordQuery(2, {}, QStringLiteral("turn")).Condition, "0");
}

TEST(CutDataQueryTest, QuotesAreDoubledInTheTextAndBoundInTheCondition) {
  const QString type = QStringLiteral("Drill' or '1'='1");
  const CutDataQuery q = OperationTypeQuery(1, type);
  EXPECT_EQ(q.Text, "select * from cutdat where GrpIndex = 1 and Operation = 'Drill'' or ''1''=''1'");
  EXPECT_EQ(q.Condition, "GrpIndex = ? and Operation = ?");
  EXPECT_EQ(q.Values[1].toString(), type);
  EXPECT_FALSE(q.Condition.contains(u'\''));

  const CutDataQuery k = KeywordQuery(1, {QStringLiteral("Tom's Drill")}, QStringLiteral("drill"));
  EXPECT_EQ(k.Text, "select * from cutdat where GrpIndex = 1 and (Operation = 'Tom''s Drill')");
  EXPECT_FALSE(k.Condition.contains(u'\''));
}

TEST(CutDataQueryTest, EditorQueries) {
  EXPECT_EQ(WholeTableQuery().Text, "Cutdat");
  EXPECT_EQ(WholeTableQuery().Condition, "");
  EXPECT_EQ(ShowAllQuery().Text, "select * from CutDat");
  EXPECT_EQ(AboveDataQuery(0, QString()).Text, "select * from CutDat");
  EXPECT_EQ(AboveDataQuery(0, QString()).Condition, "");
  EXPECT_EQ(AboveDataQuery(4, QString()).Text, "select * from CutDat where GrpIndex = 4");
  EXPECT_EQ(AboveDataQuery(0, QStringLiteral("Ream")).Text, "select * from CutDat where Operation = 'Ream'");
  const CutDataQuery both = AboveDataQuery(4, QStringLiteral("Ream"));
  EXPECT_EQ(both.Text, "select * from CutDat where GrpIndex = 4 and Operation = 'Ream'");
  EXPECT_EQ(both.Condition, "GrpIndex = ? and Operation = ?");
  EXPECT_EQ(both.Values, (QVariantList{4, QStringLiteral("Ream")}));
}

TEST(CollectTest, DistinctValuesInRowOrderComparedExactly) {
  const std::vector<CuttingDataRecord> rows = {Row("Drill", "K10"), Row("OD Turn", "P25"), Row("Drill", "K10"),
                                               Row("drill", ""),    Row("", "P25"),        Row("Ream", "HSS")};
  EXPECT_EQ(CollectOperationTypes(rows), (QStringList{"Drill", "OD Turn", "drill", "Ream"}));
  EXPECT_EQ(CollectToolGrades(rows), (QStringList{"K10", "P25", "HSS"}));
}

TEST(CollectTest, ListsStopAtTheirLimits) {
  std::vector<CuttingDataRecord> rows;
  for (int i = 0; i < 600; ++i) rows.push_back(Row(QStringLiteral("Op %1").arg(i), QStringLiteral("G%1").arg(i)));
  const QStringList types = CollectOperationTypes(rows);
  ASSERT_EQ(types.size(), 500);
  EXPECT_EQ(types.back(), "Op 499");
  const QStringList grades = CollectToolGrades(rows);
  ASSERT_EQ(grades.size(), 100);
  EXPECT_EQ(grades.back(), "G99");
}

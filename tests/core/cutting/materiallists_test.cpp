#include "cutting/materiallists.h"

#include "cutdatatestutil.h"
#include "cutting/cuttingdatabase.h"
#include "workspace.h"

#include <gtest/gtest.h>

using namespace arvex;
using namespace arvex::test;

namespace {

MaterialLists Lists(const QStringList& groups, const std::vector<std::pair<QString, int>>& materials) {
  MaterialLists l;
  l.GroupNames << groups;
  for (const auto& [name, group] : materials) {
    l.MaterialNames << name;
    l.MaterialGroups.push_back(static_cast<std::int16_t>(group));
  }
  return l;
}

// Appends groups "Group 1".. and materials "Material 1".. (material m in
// group m) to a database file.
void FillRaw(const QString& path, int groups, int materials) {
  RawQuery(path, QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                "INSERT INTO MaterialGrps (GrpName) SELECT 'Group ' || i FROM n WHERE %1 > 0")
                     .arg(groups));
  RawQuery(path, QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                "INSERT INTO Material (MatName, GrpIndex) SELECT 'Material ' || i, i FROM n "
                                "WHERE %1 > 0")
                     .arg(materials));
}

using ManyMaterialsTest = OpenDatabaseTest<Seed::Tables>;

}  // namespace

TEST(MaterialTextTest, DisplayTextsAndTheGroupsTheyResolveTo) {
  // Two groups of the same name, and a material whose name holds " - ".
  const MaterialLists l = Lists({"Steel", "Stainless", "Steel"},
                                {{"12L14", 1}, {"1018", 3}, {"17-4 PH - H900", 2}, {"Lost", 9}, {"12L14", 3}});
  EXPECT_EQ(MaterialDisplayTexts(l), (QStringList{"12L14 - Steel", "1018 - Steel", "17-4 PH - H900 - Stainless",
                                                  "Lost - ", "12L14 - Steel"}));
  EXPECT_EQ(MaterialDisplayText(l, 6), "");
  // A material entry: the first equal entry from the top.
  EXPECT_EQ(GroupOfMaterialEntry(l, QStringLiteral("12L14 - Steel")), 1);
  EXPECT_EQ(GroupOfMaterialEntry(l, QStringLiteral("1018 - Steel")), 3);
  EXPECT_EQ(GroupOfMaterialEntry(l, QStringLiteral("Lost - ")), 0);
  EXPECT_EQ(GroupOfMaterialEntry(l, QStringLiteral("Unobtainium - Steel")), std::nullopt);
  // Any text: the group named after its first " - ", first exact match.
  const std::pair<const char*, int> texts[] = {{"303 - Stainless", 2}, {"12L14 - Steel", 1}, {"12L14 - steel", 0},
                                               {"12L14", 0}, {"12L14-Steel", 0}, {"A - B - Steel", 0}};
  for (const auto& [text, group] : texts) EXPECT_EQ(GroupOfDisplayText(l, QString::fromLatin1(text)), group) << text;
}

// No limit below the 16-bit group numbers: beyond them groups are left out
// with a warning, and a material in such a group has none.
TEST_F(ManyMaterialsTest, EveryGroupWithASixteenBitNumberAndEveryMaterialIsListed) {
  FillRaw(db_.FilePath(), 32768, 1501);
  Exec("insert into Material values ('Far', 32768)");
  Exec("insert into Material values ('Last', 32767)");
  MaterialLists l;
  QString warning;
  ASSERT_TRUE(LoadMaterialLists(db_, &l, &error_, &warning)) << error_.toStdString();
  EXPECT_EQ(warning, "The cutting-data database holds 32768 material groups; only the first 32767 can be used.");
  EXPECT_EQ(GroupCount(l), 32767);
  EXPECT_EQ(GroupName(l, 32767), "Group 32767");
  EXPECT_EQ(MaterialCount(l), 1503);
  EXPECT_EQ(MaterialDisplayText(l, 1501), "Material 1501 - Group 1501");
  EXPECT_EQ(GroupOfMaterialEntry(l, QStringLiteral("Material 1501 - Group 1501")), 1501);
  EXPECT_EQ(l.MaterialGroups[1502], 0);
  EXPECT_EQ(MaterialDisplayText(l, 1503), "Last - Group 32767");
}

TEST(MaterialListsStartUpTest, AFailureLeavesEmptyListsAndSaysWhy) {
  TempAppFolder folder;
  folder.Write("RVXCutData.db", "junk");
  Workspace ws;
  ws.AppFolder = folder.Path();
  ws.Materials.GroupNames << QStringLiteral("old");
  QString error;
  EXPECT_FALSE(LoadMaterialListsAtStartUp(ws, &error));
  EXPECT_TRUE(error.contains(QStringLiteral("is not a usable cutting-data database"))) << error.toStdString();
  EXPECT_EQ(ws.Materials.GroupNames, QStringList{""});
  EXPECT_EQ(GroupCount(ws.Materials), 0);
  EXPECT_EQ(MaterialCount(ws.Materials), 0);
}

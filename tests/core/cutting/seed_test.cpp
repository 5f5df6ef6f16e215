// The bundled starting data: enough groups and materials for a Swiss-type
// shop, and for every group the operations the cutting data window looks
// up, with sensible ranges.
#include "cutdatatestutil.h"
#include "cutting/cutdataqueries.h"
#include "cutting/cuttingdatabase.h"
#include "cutting/materiallists.h"

#include <gtest/gtest.h>

using namespace arvex;
using namespace arvex::test;

namespace {

class SeedTest : public BundledSeedTest {
 protected:
  void SetUp() override {
    BundledSeedTest::SetUp();
    ASSERT_TRUE(LoadMaterialLists(db_, &lists_, &error_)) << error_.toStdString();
  }
  MaterialLists lists_;
};

}  // namespace

TEST_F(SeedTest, GroupsAndMaterialsAShopMeets) {
  EXPECT_EQ(lists_.GroupNames.mid(1),
            (QStringList{"Free-Machining Steel", "Low-Carbon Steel", "Alloy Steel", "300 Series Stainless",
                         "400 Series & PH Stainless", "Aluminum Alloys", "Brass", "Bronze", "Titanium",
                         "Nickel & Cobalt Alloys", "Plastics", "Copper"}));
  EXPECT_GE(MaterialCount(lists_), 30);
  const QStringList texts = MaterialDisplayTexts(lists_);
  for (const char* expected : {"12L14 - Free-Machining Steel", "1018 - Low-Carbon Steel", "4140 Annealed - Alloy Steel",
                               "316/316L - 300 Series Stainless", "17-4 PH (H1150) - 400 Series & PH Stainless",
                               "6061-T6 - Aluminum Alloys", "C36000 Free-Cutting Brass - Brass",
                               "Ti-6Al-4V (Grade 5) - Titanium", "Alloy 718 (UNS N07718) - Nickel & Cobalt Alloys",
                               "PEEK - Plastics"}) {
    EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected;
  }
  // Every material belongs to a group, so every entry resolves.
  for (int i = 1; i <= MaterialCount(lists_); ++i) {
    EXPECT_GE(lists_.MaterialGroups[static_cast<size_t>(i)], 1) << lists_.MaterialNames[i].toStdString();
    EXPECT_EQ(GroupOfDisplayText(lists_, MaterialDisplayText(lists_, i)), lists_.MaterialGroups[static_cast<size_t>(i)]);
  }
}

TEST_F(SeedTest, EveryGroupHasEveryOperationWithSensibleRanges) {
  const QStringList required = {"OD Turn Rough", "OD Turn Finish", "Face (Turn)", "Groove (Turn)",
                                "Cut-off (Turn)", "Center Drill", "Spot Drill", "Drill",
                                "Ream", "Tap", "Thread (Single Point)", "Live Mill"};
  for (int g = 1; g <= GroupCount(lists_); ++g) {
    SCOPED_TRACE(lists_.GroupNames[g].toStdString());
    const std::vector<CuttingDataRecord> rows = Selected(db_, GroupQuery(g));
    const QStringList types = CollectOperationTypes(rows);
    for (const QString& t : required) EXPECT_TRUE(types.contains(t)) << t.toStdString();
    for (const CuttingDataRecord& r : rows) {
      SCOPED_TRACE(r.Operation.toStdString());
      ASSERT_TRUE(r.FromSFM && r.ToSFM && r.FromIPR && r.ToIPR && r.FromDiam && r.ToDiam);
      EXPECT_FALSE(r.DepthofCut.isEmpty());
      EXPECT_FALSE(r.ToolGrade.isEmpty());
      EXPECT_LT(*r.FromSFM, *r.ToSFM);
      EXPECT_GE(*r.FromSFM, 5.0);
      EXPECT_LE(*r.ToSFM, 3000.0);
      EXPECT_LT(*r.FromIPR, *r.ToIPR);
      EXPECT_GT(*r.FromIPR, 0.0);
      EXPECT_LE(*r.ToIPR, 0.1);
      EXPECT_LT(*r.FromDiam, *r.ToDiam);
      EXPECT_LE(*r.ToDiam, 1.26);
    }
  }
}

TEST_F(SeedTest, OperationNamesFindTheirRowsThroughTheirKeywords) {
  struct Case {
    const char* Name;
    QStringList Types;
  };
  const QStringList turning = {"OD Turn Rough", "OD Turn Finish", "Face (Turn)", "Groove (Turn)", "Cut-off (Turn)"};
  const Case cases[] = {
      {"OD Turn", turning},
      {"Face", turning},
      {"OD Groove", turning},
      {"Center Drill", {"Center Drill"}},
      {"Spot Drill", {"Spot Drill"}},
      {"Drill", {"Center Drill", "Spot Drill", "Drill", "Live Cross Drill"}},
      {"Ream", {"Ream"}},
      {"Live Mill Flats", {"Live Mill"}},
  };
  const int steel = 1;
  const QStringList types = CollectOperationTypes(Selected(db_, GroupQuery(steel)));
  for (const Case& c : cases) {
    const QString keyword = GridKeyword(QString::fromUtf8(c.Name));
    EXPECT_EQ(CollectOperationTypes(Selected(db_, KeywordQuery(steel, types, keyword))), c.Types) << c.Name;
  }
}

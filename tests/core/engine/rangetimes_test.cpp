#include "engine/rangetimes.h"

#include "enginetestdata.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace arvex;
using arvex::test::MainOnlyStudy;
using arvex::test::Op;
using arvex::test::SetLastIntoPlaceZero;
using arvex::test::TestMachine;

namespace {

RangeTimes Compute(const TimeStudy& st, const MachineDefinition& m, int first, int last, int spindle = 1) {
  ItemCounts counts{};
  return ComputeRangeTimes(st, m, counts, first, last, spindle);
}

// One range of one study on the test machine, and what it must give.
struct RangeCase {
  const char* Name = "";
  std::vector<Operation> Main = {}, Sub = {};
  int First = 1, Last = 0, Spindle = 1;  // Last 0: to the end of the list
  std::int16_t SubUsed = 0, Catcher = 0;
  const char* PartLength = "0";
  const char* StockFeed = "N";  // the machine's RapidZBeginEnd; "N": the other lines stand alone
  void (*Machine)(MachineDefinition&) = nullptr;  // changes to the test machine
  ItemLines Lines = {};
  float Idle = -1;                             // -1: not checked
  std::vector<std::pair<int, int>> Counts = {};  // {slot, count}
};

void ExpectRange(const RangeCase& c) {
  SCOPED_TRACE(c.Name);
  MachineDefinition m = TestMachine();
  m.MainSpindle.RapidZBeginEnd = QString::fromLatin1(c.StockFeed);
  if (c.Machine) c.Machine(m);
  TimeStudy st;
  st.Header.SubSpindleUsed = c.SubUsed;
  st.Header.PartsCatcherUsed = c.Catcher;
  st.Header.PartLength = QString::fromLatin1(c.PartLength);
  for (std::size_t i = 0; i < c.Main.size(); ++i) st.Op(kMainSpindle, static_cast<int>(i) + 1) = c.Main[i];
  for (std::size_t i = 0; i < c.Sub.size(); ++i) st.Op(kSubSpindle, static_cast<int>(i) + 1) = c.Sub[i];
  SetLastIntoPlaceZero(st);
  ItemCounts counts{};
  const int last = c.Last ? c.Last : st.Count(c.Spindle);
  const RangeTimes r = ComputeRangeTimes(st, m, counts, c.First, last, c.Spindle);
  EXPECT_EQ(r.Lines, c.Lines);
  if (c.Idle >= 0) {
    EXPECT_FLOAT_EQ(r.IdleTotal, c.Idle);
  }
  for (auto [slot, count] : c.Counts) EXPECT_EQ(counts[slot], count) << "slot " << slot;
}

}  // namespace

TEST(RangeTimesTest, ToolChangesAndTheCycleWrap) {
  const std::vector<Operation> sameLast = {Op("T01", "Face"), Op("T02", "Turn"), Op("T02", "Finish")};
  const RangeCase cases[] = {
      {.Name = "one operation: no change", .Main = {Op("T01", "Turn")}, .Lines = {}, .Idle = 0},
      {.Name = "three tools of one post: two changes and the way back",
       .Main = {Op("T01", "Face"), Op("T02", "Turn"), Op("T03", "Drill")},
       .Lines = {{"Tool Change Gang to Gang", " 3 x 0.60 = 1.80"}}, .Idle = 1.8f, .Counts = {{0, 3}}},
      {.Name = "between posts and within post two", .Main = {Op("T01", "Turn"), Op("T11", "Bore"), Op("T12", "Groove")},
       .Lines = {{"Tool Change Turret to Turret", " 1 x 0.80 = 0.80"},
                 {"Tool Change Gang to Turret", " 2 x 1.50 = 3.00"}}},
      // Operation 2 follows 1 (a change), 3 follows 2 (same tool); the wrap
      // to the last operation belongs to the range that holds operation 1.
      {.Name = "range inside the list", .Main = sameLast, .First = 2,
       .Lines = {{"Tool Change Gang to Gang", " 1 x 0.60 = 0.60"}}},
      {.Name = "range holding operation 1", .Main = sameLast, .Last = 1,
       .Lines = {{"Tool Change Gang to Gang", " 1 x 0.60 = 0.60"}}},
      {.Name = "tool in no list: between posts", .Main = {Op("T01", "Turn"), Op("X9", "Special")},
       .Lines = {{"Tool Change Gang to Turret", " 2 x 1.50 = 3.00"}}},
      {.Name = "sub posts and times", .Sub = {Op("T21", "Face"), Op("T22", "Drill"), Op("T31", "Back bore")},
       .Spindle = 2, .SubUsed = 1,
       .Lines = {{"Tool Change Back to Back", " 1 x 0.65 = 0.65"}, {"Tool Change Back to Rear", " 2 x 1.55 = 3.10"}}},
  };
  for (const RangeCase& c : cases) ExpectRange(c);
}

TEST(RangeTimesTest, SpindleSpeedLiveToolsAndTapping) {
  const ItemLine turnToLive[] = {{"Main Spindle Start/Stop", " 1 x 1.20 = 1.20"},
                                 {"Main Spindle Index to Ref.", " 1 x 0.90 = 0.90"}};
  const RangeCase cases[] = {
      {.Name = "speed step of exactly 3000", .Main = {Op("T01", "Rough", 1000), Op("T01", "Finish", 4000)}, .First = 2,
       .Lines = {{"Main Spindle Change Speed", " 1 x 0.70 = 0.70"}}},
      {.Name = "speed step of 2999", .Main = {Op("T01", "Rough", 1000), Op("T01", "Finish", 3999)}, .First = 2,
       .Lines = {}},
      // Turning then a live drill stops and orients the spindle; the live
      // mill at 4000 after the drill changes the live speed, not the main one.
      {.Name = "turning, a live drill and a live mill",
       .Main = {Op("T01", "Turn", 3000), Op("T02", "LIVE Drill", 500), Op("T03", "Live mill", 4000)},
       .Lines = {{"Tool Change Gang to Gang", " 3 x 0.60 = 1.80"}, turnToLive[0], turnToLive[1],
                 {"Live1 Start/Stop", " 1 x 0.50 = 0.50"}, {"Live1 Change Speed", " 1 x 0.35 = 0.35"}},
       .Idle = 4.75f, .Counts = {{4, 0}, {24, 1}}},
      {.Name = "a live tool on post two uses live spindle two",
       .Main = {Op("T01", "Turn", 2000), Op("T11", "live cross drill", 1500)},
       .Lines = {{"Tool Change Gang to Turret", " 2 x 1.50 = 3.00"}, turnToLive[0], turnToLive[1],
                 {"Live2 Start/Stop", " 1 x 0.51 = 0.51"}}},
      {.Name = "a live tap reverses the live spindle, not the main one", .Main = {Op("T01", "LIVE TAP M5")},
       .Lines = {{"Live1 For./Rev", " 1 x 0.45 = 0.45"}}},
      {.Name = "a fixed tap (any case) or a die reverses the main spindle",
       .Main = {Op("T01", "tap M6"), Op("T01", "Die 1/4-20")},
       .Lines = {{"Main Spindle For./Rev", " 2 x 0.40 = 0.80"}}},
      {.Name = "a tap on the sub spindle reverses the back spindle", .Sub = {Op("T21", "Tap")}, .Spindle = 2,
       .SubUsed = 1, .Lines = {{"Back Spindle For./Rev", " 1 x 0.45 = 0.45"}}},
      // +3000 on a sub post: the back spindle; -3000 with a tool in no list
      // (code 0): the main side.
      {.Name = "sub spindle items and an unknown tool's speed",
       .Sub = {Op("T21", "Face", 500), Op("T21", "Finish", 3500), Op("X1", "Special", 500), Op("X1", "Live slot", 500)},
       .First = 2, .Spindle = 2, .SubUsed = 1,
       .Lines = {{"Main Spindle Change Speed", " 1 x 0.70 = 0.70"}, {"Tool Change Back to Rear", " 1 x 1.55 = 1.55"},
                 {"Back Spindle Start/Stop", " 1 x 1.25 = 1.25"}, {"Back Spindle Change Speed", " 1 x 0.75 = 0.75"},
                 {"Back Spindle Index to Ref.", " 1 x 0.95 = 0.95"}},
       .Counts = {{17, 1}, {4, 1}}},
  };
  for (const RangeCase& c : cases) ExpectRange(c);
}

// The test machine: stroke 1.0, feed 600 per minute (0.1 s per unit).
TEST(RangeTimesTest, StockFeedCountsOneFeedPerStrokeStarted) {
  const std::vector<Operation> one = {Op("T01", "Turn")};
  const std::vector<Operation> two = {Op("T01", "Turn"), Op("T01", "Part off")};
  const ItemLines feed25 = {{"Collet Open/Close", " 3 x 0.50 = 1.50"}, {"Feed Stock", " 2.5 x 0.100 = 0.25"}};
  const RangeCase cases[] = {
      {.Name = "2.5 long", .Main = one, .PartLength = "2.5", .StockFeed = "B", .Lines = feed25, .Idle = 1.75f,
       .Counts = {{10, 3}}},
      {.Name = "1 long", .Main = one, .PartLength = "1", .StockFeed = "B",
       .Lines = {{"Collet Open/Close", " 1 x 0.50 = 0.50"}, {"Feed Stock", " 1 x 0.100 = 0.10"}}},
      {.Name = ".75 long", .Main = one, .PartLength = ".75", .StockFeed = "B",
       .Lines = {{"Collet Open/Close", " 1 x 0.50 = 0.50"}, {"Feed Stock", " .75 x 0.100 = 0.08"}}},
      {.Name = "at the end: not at the first", .Main = two, .Last = 1, .PartLength = "2.5", .StockFeed = "E"},
      {.Name = "at the end: at the last", .Main = two, .First = 2, .PartLength = "2.5", .StockFeed = "E",
       .Lines = feed25},
      {.Name = "no feed", .Main = two, .PartLength = "2.5", .StockFeed = "N", .Lines = {}, .Idle = 0},
  };
  for (const RangeCase& c : cases) ExpectRange(c);
}

TEST(RangeTimesTest, OperationAndCycleItems) {
  Operation a = Op("T01", "Turn");
  a.Dwells = 3;
  a.ExtraRapids = 4;
  a.SpindleIndexes = 2;
  a.OtherDesc = "Deburr by hand";
  a.OtherSeconds = 12;
  Operation b = Op("T01", "Finish");
  b.Dwells = 2;
  const std::vector<Operation> sub = {Op("T21", "Face"), Op("T21", "Drill")};
  const std::vector<Operation> cutOff = {Op("T01", "Turn"), Op("T01", "Cut-off")};
  const RangeCase cases[] = {
      {.Name = "dwells, rapids and indexes", .Main = {a, b},
       .Lines = {{"Deburr by hand", "12.00"}, {"Dwells while cutting", " 5 x 1.00 = 5.00"},
                 {"Main Spindle Index", " 2 x 0.30 = 0.60"}, {"Extra Rapids", " 4 x 0.25 = 1.00"}},
       .Idle = 18.6f},
      {.Name = "no transfer before the last main operation", .Main = cutOff, .Last = 1, .SubUsed = 1, .Lines = {}},
      {.Name = "transfer at the last main operation", .Main = cutOff, .First = 2, .SubUsed = 1,
       .Lines = {{"Part transfer to back spindle", "1.50"}}},
      // The catcher from sub needs both switches and the last sub operation.
      {.Name = "catcher from sub, first", .Sub = sub, .Last = 1, .Spindle = 2, .SubUsed = 1, .Catcher = 1, .Lines = {}},
      {.Name = "catcher from sub, last", .Sub = sub, .First = 2, .Spindle = 2, .SubUsed = 1, .Catcher = 1,
       .Lines = {{"Parts Catcher from Sub", "03.00"}}},
      {.Name = "catcher from sub, not used", .Sub = sub, .First = 2, .Spindle = 2, .SubUsed = 1, .Lines = {}},
      {.Name = "catcher from sub, sub not used", .Sub = sub, .First = 2, .Spindle = 2, .Catcher = 1, .Lines = {}},
      // The catcher from main needs no sub spindle and a cut-off at the end.
      {.Name = "catcher from main after Cutoff", .Main = {Op("T01", "Turn"), Op("T01", "Cutoff")}, .Catcher = 1,
       .Lines = {{"Parts Catcher from Main", "2.00"}}},
      {.Name = "catcher from main after cut off", .Main = {Op("T01", "Turn"), Op("T01", "cut off to length")},
       .Catcher = 1, .Lines = {{"Parts Catcher from Main", "2.00"}}},
      {.Name = "no catcher from main after a part off", .Main = {Op("T01", "Turn"), Op("T01", "Part off")},
       .Catcher = 1, .Lines = {}},
      {.Name = "no catcher from main with the sub spindle used", .Main = {Op("T01", "Turn"), Op("T01", "CUT-OFF")},
       .SubUsed = 1, .Catcher = 1, .Lines = {{"Part transfer to back spindle", "1.50"}}},
  };
  for (const RangeCase& c : cases) ExpectRange(c);
}

TEST(RangeTimesTest, MachineItemsAndMachineDataThatMakeAnItemImpossible) {
  const std::vector<Operation> two = {Op("T01", "Turn"), Op("T01", "Finish")};
  const std::vector<Operation> sub = {Op("T21", "Face"), Op("T21", "Drill")};
  auto extras = [](MachineDefinition& m) {
    m.MainSpindle.OtherTime1 = 2.5;
    m.MainSpindle.OtherTime2 = 1;
    m.MainSpindle.Other2BeginEnd = "E";
    m.SubSpindle.OtherTime1 = 0.5;
    m.SubSpindle.OtherTime2 = 0;
  };
  const RangeCase cases[] = {
      {.Name = "an extra item at the beginning", .Main = two, .Last = 1, .Machine = extras,
       .Lines = {{"Chip conveyor", "2.50"}}},
      {.Name = "an extra item at the end", .Main = two, .First = 2, .Machine = extras, .Lines = {{"Probe", "1.00"}}},
      // The sub spindle's two items come with its first operation.
      {.Name = "sub extra items, first", .Sub = sub, .Last = 1, .Spindle = 2, .Machine = extras,
       .Lines = {{"Sub wash", "0.50"}}},
      {.Name = "sub extra items, last", .Sub = sub, .First = 2, .Spindle = 2, .Machine = extras, .Lines = {}},
      // No stroke: the feeds cannot be counted; the feed move alone counts.
      {.Name = "no stroke", .Main = {Op("T01", "Turn")}, .PartLength = "2.5", .StockFeed = "B",
       .Machine = [](MachineDefinition& m) { m.MainSpindle.HeadstockStroke = 0; },
       .Lines = {{"Collet Open/Close", " 0 x 0.50 = 0.00"}, {"Feed Stock", " 2.5 x 0.100 = 0.25"}}, .Idle = 0.25f},
      {.Name = "no Z feed speed", .Main = {Op("T01", "Turn")}, .PartLength = "2.5", .StockFeed = "B",
       .Machine = [](MachineDefinition& m) { m.MainSpindle.RapidMultZ = 0; },
       .Lines = {{"Collet Open/Close", " 3 x 0.50 = 1.50"}, {"Feed Stock", "no Z feed speed = 0.00"}}, .Idle = 1.5f},
  };
  for (const RangeCase& c : cases) ExpectRange(c);
}

// ---- limits -------------------------------------------------------------------------

TEST(RangeTimesTest, LinesBeyondOneHundredAreDroppedButStillCountAndBadRangesGiveNothing) {
  std::vector<Operation> ops;
  for (int i = 1; i <= 100; ++i) {
    Operation op = Op(i % 2 ? "T01" : "T02", "Turn");
    op.OtherDesc = QStringLiteral("Item %1").arg(i);
    op.OtherSeconds = 1;
    ops.push_back(op);
  }
  MachineDefinition m = TestMachine();
  m.MainSpindle.RapidZBeginEnd = "N";
  RangeTimes r = Compute(MainOnlyStudy(ops), m, 1, 100);
  ASSERT_EQ(r.Lines.size(), 100u);
  EXPECT_EQ(r.Lines.back(), (ItemLine{"Item 100", "1.00"}));
  EXPECT_EQ(r.IdleTotal, 160.0f);  // 100 x 1 s and 100 tool changes of 0.6 s

  TimeStudy st = MainOnlyStudy({Op("T01", "Turn", 1000, 3)});
  EXPECT_EQ(Compute(st, m, 1, 1).CutTotal, 3.0f);
  EXPECT_EQ(Compute(st, m, 0, 1).CutTotal, 0.0f);
  EXPECT_TRUE(Compute(st, m, 2, 1).Lines.empty());
  EXPECT_TRUE(Compute(st, m, 1, 101).Lines.empty());
  EXPECT_EQ(Compute(st, m, 1, 1, 3).CutTotal, 0.0f);
}

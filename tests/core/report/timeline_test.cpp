#include "report/timeline.h"

#include "engine/comparison.h"
#include "support/qstringprint.h"
#include "workspace.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace arvex;

namespace {

void SetOp(TimeStudy& st, int spindle, int i, double cutSeconds, std::int16_t otherSeconds = 0) {
  Operation& op = st.Op(spindle, i);
  op.ToolNo = QStringLiteral("T%1").arg(spindle * 10 + i);
  op.OpName = spindle == kMainSpindle ? QStringLiteral("Turn") : QStringLiteral("Back");
  op.IPM = 60;
  op.CutLength = cutSeconds;
  op.UpdateCutTime();
  if (otherSeconds) {
    op.OtherDesc = QStringLiteral("Deburr");
    op.OtherSeconds = otherSeconds;
  }
}

// Five syncs on a machine without non-cutting times: A (main 1, 5 s);
// B1 (main 2-3, 4 + 3 s cutting and 1 s deburring) beside C1 (2 s);
// B2 (main 4, 2 s) beside C2 (5 s); no main operation beside C3 (4 s);
// B4 (main 5, 6 s) beside C4 (1 s); the last sync after the sub list sends
// main 6 (3 s) to D.
struct FiveSyncs : ::testing::Test {
  FiveSyncs() {
    TimeStudy& st = ws.Study;
    st.Header.SubSpindleUsed = 1;
    st.Header.PartsCatcherUsed = 0;
    const double main[] = {5, 4, 3, 2, 6, 3};
    for (int i = 1; i <= 6; ++i) SetOp(st, kMainSpindle, i, main[i - 1], i == 2 ? 1 : 0);
    const double sub[] = {2, 5, 4, 1};
    for (int j = 1; j <= 4; ++j) SetOp(st, kSubSpindle, j, sub[j - 1]);
    const int syncs[5][2] = {{2, 1}, {4, 2}, {5, 3}, {5, 4}, {6, 5}};
    for (int k = 1; k <= 5; ++k) {
      st.Sync(kMainSpindle, k) = static_cast<std::int16_t>(syncs[k - 1][0]);
      st.Sync(kSubSpindle, k) = static_cast<std::int16_t>(syncs[k - 1][1]);
    }
    GetTime(ws);
    timeline = ComputeTimeline(ws.Study, ws.Comparison);
  }
  Workspace ws;
  Timeline timeline;
};

}  // namespace

TEST_F(FiveSyncs, LanesBarsAndWaitsFollowTheComparison) {
  EXPECT_EQ(CycleTotal(ws.Comparison).Formula, "(A B1 C2 C3 B4 D)");
  // "name lane start+cut/total", "*" when the bar counts in the cycle.
  QStringList bars;
  for (const TimelineBar& b : timeline.Bars)
    bars << QStringLiteral("%1 %2 %3+%4/%5%6").arg(b.Name).arg(b.Spindle).arg(b.Start).arg(b.Cut).arg(b.Total).arg(
                b.Counts ? " *" : "");
  EXPECT_EQ(bars, (QStringList{"A 1 0+5/5 *", "B1 1 5+7/8 *", "C1 2 5+2/2", "B2 1 13+2/2", "C2 2 13+5/5 *",
                               "C3 2 18+4/4 *", "B4 1 22+6/6 *", "C4 2 22+1/1", "D 1 28+3/3 *"}));
  // The spindle that waits, from the end of its own group to the end of the
  // group that counts; a group with no operation of its own waits whole.
  std::vector<std::tuple<int, QString, double, double>> waits;
  for (const TimelineWait& w : timeline.Waits) waits.emplace_back(w.Spindle, w.For, w.Start, w.End);
  EXPECT_EQ(waits, (std::vector<std::tuple<int, QString, double, double>>{
                       {2, "B1", 7, 13}, {1, "C2", 15, 18}, {1, "C3", 18, 22}, {2, "B4", 23, 28}}));
  EXPECT_EQ(timeline.Syncs, (std::vector<double>{5, 13, 18, 22, 28}));
  EXPECT_EQ(TimelineSummary(timeline),
            "A 5.00 s, B1 8.00 s (sub waits 6.00 s), C2 5.00 s (main waits 3.00 s), C3 4.00 s (main waits 4.00 s), "
            "B4 6.00 s (sub waits 5.00 s), D 3.00 s; cycle 31.00 s");
  // The operations of B1 share its cutting time; a tick between them at 9 s.
  const TimelineBar& b1 = timeline.Bars[1];
  ASSERT_EQ(b1.Operations.size(), 2u);
  EXPECT_EQ(b1.Operations[0].Number, 2);
  EXPECT_EQ(b1.Operations[0].End, 9);
  EXPECT_EQ(b1.Operations[1].End, 12);
  // The end of the axis is the cycle total, to the last bit.
  EXPECT_EQ(timeline.Total, 31);
  EXPECT_EQ(timeline.Total, CycleTotal(ws.Comparison).Total);
  // No operation, nothing drawn.
  EXPECT_TRUE(ComputeTimeline(ws.Study, CycleComparison()).IsEmpty());
}

TEST_F(FiveSyncs, PointingNamesTheOperationTheNonCuttingTimeOrTheWait) {
  TimelineStyle style;
  style.Font.setPixelSize(12);
  const TimelineFrame frame = FrameOfTimeline(timeline, QRectF(0, 0, 1000, 120), style);
  auto at = [&](int spindle, double seconds) {
    return QPointF(frame.X(seconds), frame.Lane(spindle).center().y());
  };
  TimelineHit hit = HitTimeline(timeline, frame, at(kMainSpindle, 10));
  EXPECT_EQ(hit.What, TimelineHit::Part::Operation);
  EXPECT_EQ(hit.Operation, 3);
  EXPECT_EQ(TimelineToolTip(timeline, ws.Study, ws.Comparison, hit),
            "Main 3) T13-Turn\nCutting time 3.00 s\nGroup B1: 8.00 s, counts in the cycle");
  hit = HitTimeline(timeline, frame, at(kMainSpindle, 12.5));
  EXPECT_EQ(hit.What, TimelineHit::Part::NonCutting);
  EXPECT_TRUE(TimelineToolTip(timeline, ws.Study, ws.Comparison, hit).startsWith("B1 non-cutting time 1.00 s\n"));
  hit = HitTimeline(timeline, frame, at(kSubSpindle, 10));
  EXPECT_EQ(TimelineToolTip(timeline, ws.Study, ws.Comparison, hit), "Sub spindle waits 6.00 s for B1");
  hit = HitTimeline(timeline, frame, at(kSubSpindle, 15));
  EXPECT_EQ(hit.Spindle, kSubSpindle);
  EXPECT_EQ(hit.Operation, 2);

  // The painter draws in that frame: B1's cutting time solid, its
  // non-cutting time lighter, in the main spindle's colour.
  QImage image(1000, 120, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    PaintTimeline(painter, timeline, QRectF(0, 0, 1000, 120), style);
  }
  const int y = static_cast<int>(frame.MainLane.center().y());
  EXPECT_EQ(image.pixelColor(static_cast<int>(frame.X(5.5)), y), QColor(0x2b, 0x62, 0x9c));
  EXPECT_EQ(image.pixelColor(static_cast<int>(frame.X(12.5)), y), QColor(0xa9, 0xc6, 0xe6));
}

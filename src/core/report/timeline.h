#pragma once
// The spindle timeline: one cycle as the comparison sees it, on one axis in
// seconds. Two lanes, main above and sub below: group A on the main lane,
// then for each group k Bk on the main lane beside Ck on the sub lane, then
// D. Each bar is its group's cutting time (solid, with a tick at every
// operation boundary) followed by its non-cutting time (lighter). In a
// group k the longer spindle counts; the other waits for it, and its idle
// gap is hatched and labelled "waits 3.2 s". The axis ends at the cycle
// total, which is CycleTotal of the comparison to the last bit.
//
// The geometry (ComputeTimeline) is worked out from the comparison and the
// operations' cutting times; PaintTimeline draws it on any painter in any
// unit: the main window's widget in pixels, the report in twips.

#include "engine/cyclecomparison.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <vector>

class QPainter;

namespace arvex {

class TimeStudy;

// An operation's cutting time on the axis (seconds).
struct TimelineOperation {
  std::int16_t Number = 0;  // place in its spindle's list
  double Start = 0;
  double End = 0;
};

// One group on its spindle's lane.
struct TimelineBar {
  QString Name;  // "A", "B2", "C2", "D"
  int Group = 0;  // 0 for A, k for Bk and Ck, kMaxGroups + 1 for D
  int Spindle = 0;
  double Start = 0;  // seconds from the start of the cycle
  double Cut = 0;    // cutting time, from Start
  double Total = 0;  // the group's total; the non-cutting time follows the cutting time
  bool Counts = false;  // the group's time is part of the cycle total
  std::vector<TimelineOperation> Operations;
  double CutEnd() const { return Start + Cut; }
  double End() const { return Start + Total; }
  double Idle() const { return Total - Cut; }
};

// The idle gap of the spindle that waits in group k.
struct TimelineWait {
  int Spindle = 0;
  QString For;  // the group it waits for ("B2")
  double Start = 0;
  double End = 0;
  double Length() const { return End - Start; }
};

struct Timeline {
  std::vector<TimelineBar> Bars;
  std::vector<TimelineWait> Waits;
  // Where both spindles start a group together (the syncs), between the
  // first and the last group.
  std::vector<double> Syncs;
  // The cycle total: the end of the axis.
  double Total = 0;
  bool IsEmpty() const { return Bars.empty(); }
};

// The timeline of the comparison left by the last recalculation. The
// operations are the study's, by the group labels the recalculation wrote.
Timeline ComputeTimeline(const TimeStudy& study, const CycleComparison& comparison);

// The chart in words, for a screen reader: the group that counts in each
// stretch with its time and the spindle that waits, then the cycle
// ("A 9.28 s, B1 13.57 s (sub waits 4.21 s), D 18.05 s; cycle 40.90 s").
QString TimelineSummary(const Timeline& timeline);

// ---- drawing ----------------------------------------------------------------------------

struct TimelineStyle {
  QFont Font;
  // The width of a thin line in the painter's unit (a pixel on screen, 10
  // twips on the page).
  double Line = 1;
};

// Where the parts of the chart lie in a box: the legend row, the lane
// names, the two lanes, the axis; and the scale of seconds. Painting and
// pointing use the same frame.
struct TimelineFrame {
  QRectF Box;
  QRectF Legend;
  QRectF MainLane;
  QRectF SubLane;
  double AxisY = 0;     // the axis line
  double Left = 0;      // X of second 0
  double PerSecond = 0;  // units per second
  double TextHeight = 0;
  double X(double seconds) const { return Left + seconds * PerSecond; }
  double Seconds(double x) const { return PerSecond > 0 ? (x - Left) / PerSecond : 0; }
  const QRectF& Lane(int spindle) const;
  // The bar's rectangle inside its lane.
  QRectF BarRect(int spindle, double start, double end) const;
};

TimelineFrame FrameOfTimeline(const Timeline& timeline, const QRectF& box, const TimelineStyle& style);

// Paints the chart into the box. One piece of code for the screen and the
// page.
void PaintTimeline(QPainter& painter, const Timeline& timeline, const QRectF& box, const TimelineStyle& style);

// ---- pointing ---------------------------------------------------------------------------

struct TimelineHit {
  enum class Part { None, Operation, NonCutting, Wait };
  Part What = Part::None;
  int Spindle = 0;
  int Operation = 0;  // for Part::Operation
  int Bar = -1;       // index into Bars (Operation, NonCutting)
  int Wait = -1;      // index into Waits
};

// What lies under a point of the box.
TimelineHit HitTimeline(const Timeline& timeline, const TimelineFrame& frame, const QPointF& point);
// The tool tip of what lies there: the operation, the group's non-cutting
// time with its items (from the comparison the timeline was made of), or
// the wait; "" for nothing.
QString TimelineToolTip(const Timeline& timeline, const TimeStudy& study, const CycleComparison& comparison,
                        const TimelineHit& hit);

}  // namespace arvex

#include "report/timeline.h"

#include "document/timestudy.h"
#include "engine/comparison.h"
#include "engine/itemtextcache.h"
#include "platform/numtext.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace arvex {

namespace {

// ---- geometry ---------------------------------------------------------------------------

// Group number of A and D beside the numbers 1..kMaxGroups of Bk and Ck.
constexpr int kGroupA = 0;
constexpr int kGroupD = kMaxGroups + 1;

void AddBar(Timeline& t, const TimeStudy& study, const QString& label, int group, int spindle, const GroupRange& range,
            float cut, float total, double start, bool counts) {
  TimelineBar bar;
  bar.Name = label.trimmed();
  bar.Group = group;
  bar.Spindle = spindle;
  bar.Start = start;
  bar.Total = total;
  bar.Cut = std::clamp(static_cast<double>(cut), 0.0, bar.Total);
  bar.Counts = counts;
  // The operations' cutting times in list order, fitted to the group's
  // cutting time (a sum in single precision).
  double sum = 0;
  if (!range.IsEmpty()) {
    for (int i = range.First; i <= range.Last && i <= kMaxOperations; ++i) {
      const Operation& op = study.Op(spindle, i);
      if (op.Group != label) continue;
      bar.Operations.push_back({static_cast<std::int16_t>(i), sum, sum + std::max(0.0, op.CutTime)});
      sum = bar.Operations.back().End;
    }
  }
  const double scale = sum > 0 ? bar.Cut / sum : 0;
  for (TimelineOperation& op : bar.Operations) {
    op.Start = start + op.Start * scale;
    op.End = start + op.End * scale;
  }
  if (!bar.Operations.empty()) bar.Operations.back().End = bar.CutEnd();
  t.Bars.push_back(std::move(bar));
}

// ---- drawing ----------------------------------------------------------------------------

struct LaneColours {
  QColor Solid;
  QColor Light;
};
const LaneColours& ColoursOf(int spindle) {
  static const LaneColours kMain{QColor(0x2b, 0x62, 0x9c), QColor(0xa9, 0xc6, 0xe6)};
  static const LaneColours kSub{QColor(0xc0, 0x6a, 0x14), QColor(0xf2, 0xc9, 0x9a)};
  return spindle == kSubSpindle ? kSub : kMain;
}
const QColor kLaneFill(0xf1, 0xf1, 0xf1);
const QColor kInk(0x20, 0x20, 0x20);
const QColor kHatch(0x70, 0x70, 0x70);
const QColor kSyncLine(0x90, 0x90, 0x90);

const QString kMainLaneName = QStringLiteral("Main");
const QString kSubLaneName = QStringLiteral("Sub");

QString Seconds(double seconds) { return Format(seconds, kTimeFormat); }
QString WaitText(double seconds) { return QStringLiteral("waits ") + Format(seconds, u"0.0") + QStringLiteral(" s"); }
QString TotalText(double seconds) { return QStringLiteral("Cycle ") + Seconds(seconds) + QStringLiteral(" s"); }

void Hatch(QPainter& p, const QRectF& r, double spacing, double line) {
  p.save();
  p.setClipRect(r, Qt::IntersectClip);
  p.fillRect(r, Qt::white);
  p.setPen(QPen(kHatch, line));
  for (double x = r.left() - r.height(); x < r.right(); x += spacing)
    p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
  p.restore();
}

// Text centred in a rectangle, on a ground that hides the lines below it,
// when it fits there.
bool CentredText(QPainter& p, const QFontMetricsF& fm, const QRectF& r, const QString& text, const QColor& colour,
                 const QColor& ground) {
  const double w = fm.horizontalAdvance(text);
  if (w + fm.height() * 0.2 > r.width() || fm.height() > r.height() * 1.05) return false;
  const QRectF box(r.center().x() - w / 2, r.center().y() - fm.height() / 2, w, fm.height());
  p.fillRect(box.adjusted(-fm.height() * 0.08, 0, fm.height() * 0.08, 0).intersected(r), ground);
  p.setPen(colour);
  p.drawText(QPointF(box.left(), box.top() + fm.ascent()), text);
  return true;
}

// The axis step: 1, 2 or 5 times a power of ten, the smallest that leaves
// room for each label.
double AxisStep(double total, double width, double labelWidth) {
  if (!(total > 0) || !(width > 0)) return 0;
  const double most = std::max(1.0, std::floor(width / labelWidth));
  const double raw = total / most;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 5.0, 10.0})
    if (m * power >= raw) return m * power;
  return 10 * power;
}

QString AxisLabel(double seconds, double step) { return Format(seconds, step < 1 ? u"0.0" : u"0"); }

}  // namespace

Timeline ComputeTimeline(const TimeStudy& study, const CycleComparison& c) {
  Timeline t;
  // The same sums, in the same order and precision, as CycleTotal: the end
  // of the axis is the cycle total to the last bit.
  double at = 0;
  if (c.TotalA > 0) {
    AddBar(t, study, GroupLabelA(), kGroupA, kMainSpindle, c.RangeA, c.CutA, c.TotalA, at, true);
    at += c.TotalA;
  }
  for (int k = 1; k <= kMaxGroups; ++k) {
    const auto i = static_cast<size_t>(k);
    const float b = c.TotalB[i];
    const float s = c.TotalC[i];
    const bool mainCounts = b > 0 && b >= s;
    const bool subCounts = !mainCounts && s > 0 && s > b;
    if (!mainCounts && !subCounts) continue;
    const float slot = mainCounts ? b : s;
    if (!t.Bars.empty()) t.Syncs.push_back(at);
    if (b > 0) AddBar(t, study, GroupLabelB(k), k, kMainSpindle, c.RangeB[i], c.CutB[i], b, at, mainCounts);
    if (s > 0) AddBar(t, study, GroupLabelC(k), k, kSubSpindle, c.RangeC[i], c.CutC[i], s, at, subCounts);
    // The other spindle waits from the end of its own group to the end of
    // the one that counts.
    const double own = std::max(0.0f, mainCounts ? s : b);
    if (own < slot) {
      t.Waits.push_back({mainCounts ? kSubSpindle : kMainSpindle,
                         (mainCounts ? GroupLabelB(k) : GroupLabelC(k)).trimmed(), at + own, at + slot});
    }
    at += slot;
  }
  if (c.TotalD > 0) {
    if (!t.Bars.empty()) t.Syncs.push_back(at);
    AddBar(t, study, GroupLabelD(), kGroupD, kMainSpindle, c.RangeD, c.CutD, c.TotalD, at, true);
    at += c.TotalD;
  }
  t.Total = at;
  return t;
}

QString TimelineSummary(const Timeline& t) {
  QStringList parts;
  for (const TimelineBar& bar : t.Bars) {
    if (!bar.Counts) continue;
    QString part = bar.Name + u' ' + Seconds(bar.Total) + QStringLiteral(" s");
    for (const TimelineWait& w : t.Waits)
      if (w.For == bar.Name)
        part += QStringLiteral(" (") + (w.Spindle == kSubSpindle ? QStringLiteral("sub") : QStringLiteral("main")) +
                QStringLiteral(" waits ") + Seconds(w.Length()) + QStringLiteral(" s)");
    parts << part;
  }
  return parts.join(QStringLiteral(", ")) + (parts.isEmpty() ? QString() : QStringLiteral("; ")) +
         QStringLiteral("cycle ") + Seconds(t.Total) + QStringLiteral(" s");
}

// ---- frame --------------------------------------------------------------------------------

const QRectF& TimelineFrame::Lane(int spindle) const { return spindle == kSubSpindle ? SubLane : MainLane; }

QRectF TimelineFrame::BarRect(int spindle, double start, double end) const {
  const QRectF& lane = Lane(spindle);
  const double inset = lane.height() * 0.12;
  return QRectF(QPointF(X(start), lane.top() + inset), QPointF(X(end), lane.bottom() - inset));
}

TimelineFrame FrameOfTimeline(const Timeline& timeline, const QRectF& box, const TimelineStyle& style) {
  const QFontMetricsF fm(style.Font);
  const double h = fm.height();
  TimelineFrame f;
  f.Box = box;
  f.TextHeight = h;
  const double names = std::max(fm.horizontalAdvance(kMainLaneName), fm.horizontalAdvance(kSubLaneName)) + h * 0.6;
  f.Legend = QRectF(box.left(), box.top(), box.width(), h * 1.3);
  const double axis = h * 1.5;
  const double lanes = std::max(0.0, box.bottom() - axis - f.Legend.bottom());
  const double gap = std::min(h * 0.4, lanes * 0.1);
  const double lane = std::max(0.0, (lanes - gap) / 2);
  const double left = box.left() + names;
  const double right = std::max(left, box.right() - h * 0.3);
  f.MainLane = QRectF(left, f.Legend.bottom(), right - left, lane);
  f.SubLane = QRectF(left, f.MainLane.bottom() + gap, right - left, lane);
  f.AxisY = f.SubLane.bottom() + h * 0.2;
  f.Left = left;
  f.PerSecond = timeline.Total > 0 ? (right - left) / timeline.Total : 0;
  return f;
}

// ---- painting -------------------------------------------------------------------------------

void PaintTimeline(QPainter& p, const Timeline& t, const QRectF& box, const TimelineStyle& style) {
  const TimelineFrame f = FrameOfTimeline(t, box, style);
  const QFontMetricsF fm(style.Font);
  const double h = fm.height();
  const double line = style.Line;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setFont(style.Font);

  // The lanes with their names.
  for (int spindle : {kMainSpindle, kSubSpindle}) {
    const QRectF& lane = f.Lane(spindle);
    p.fillRect(lane, kLaneFill);
    p.setPen(kInk);
    p.drawText(QPointF(box.left(), lane.center().y() - h / 2 + fm.ascent()),
               spindle == kMainSpindle ? kMainLaneName : kSubLaneName);
  }

  // Where both spindles start together.
  p.setPen(QPen(kSyncLine, line, Qt::DashLine));
  for (double s : t.Syncs) p.drawLine(QPointF(f.X(s), f.MainLane.top()), QPointF(f.X(s), f.SubLane.bottom()));

  // The waiting spindle's idle gaps.
  for (const TimelineWait& w : t.Waits) {
    const QRectF r = f.BarRect(w.Spindle, w.Start, w.End);
    Hatch(p, r, h * 0.45, line);
    // "waits 3.2 s", or the seconds alone in a narrow gap.
    if (!CentredText(p, fm, r, WaitText(w.Length()), kInk, Qt::white))
      CentredText(p, fm, r, Format(w.Length(), u"0.0") + QStringLiteral(" s"), kInk, Qt::white);
  }

  // The groups: cutting time solid with the operation boundaries, then the
  // non-cutting time lighter; the group that counts framed in ink.
  for (const TimelineBar& bar : t.Bars) {
    const LaneColours& colours = ColoursOf(bar.Spindle);
    const QRectF whole = f.BarRect(bar.Spindle, bar.Start, bar.End());
    const QRectF cut = f.BarRect(bar.Spindle, bar.Start, bar.CutEnd());
    p.fillRect(whole, colours.Light);
    p.fillRect(cut, colours.Solid);
    p.setPen(QPen(Qt::white, line));
    for (size_t i = 0; i + 1 < bar.Operations.size(); ++i) {
      const double x = f.X(bar.Operations[i].End);
      p.drawLine(QPointF(x, cut.top()), QPointF(x, cut.bottom()));
    }
    p.setPen(QPen(bar.Counts ? kInk : colours.Solid, bar.Counts ? line * 1.5 : line));
    p.setBrush(Qt::NoBrush);
    p.drawRect(whole);
    // The group's name on its cutting time, else on its non-cutting time,
    // else across the bar on a white ground.
    const QRectF idle(QPointF(cut.right(), whole.top()), whole.bottomRight());
    if (!CentredText(p, fm, cut, bar.Name, Qt::white, colours.Solid) &&
        !CentredText(p, fm, idle, bar.Name, kInk, colours.Light))
      CentredText(p, fm, whole, bar.Name, kInk, Qt::white);
  }

  // The axis in seconds, ending at the cycle total.
  const double end = f.X(t.Total);
  const QString total = TotalText(t.Total);
  QFont bold = style.Font;
  bold.setBold(true);
  const QFontMetricsF boldMetrics(bold);
  const double totalWidth = boldMetrics.horizontalAdvance(total);
  const double labelY = f.AxisY + h * 0.25 + fm.ascent();
  p.setPen(QPen(kInk, line));
  if (t.Total > 0) {
    p.drawLine(QPointF(f.X(0), f.AxisY), QPointF(end, f.AxisY));
    const double step = AxisStep(t.Total, end - f.X(0), fm.horizontalAdvance(QStringLiteral("0000")) + h);
    const double stopLabels = end - totalWidth - h * 0.5;
    for (int i = 0; step > 0 && i * step < t.Total - step * 1e-9; ++i) {
      const double s = i * step;
      const double x = f.X(s);
      p.drawLine(QPointF(x, f.AxisY), QPointF(x, f.AxisY + h * 0.2));
      const QString text = AxisLabel(s, step);
      const double w = fm.horizontalAdvance(text);
      const double tx = i == 0 ? x : x - w / 2;
      if (tx + w < stopLabels) p.drawText(QPointF(tx, labelY), text);
    }
    p.setPen(QPen(kInk, line * 2));
    p.drawLine(QPointF(end, f.MainLane.top()), QPointF(end, f.AxisY + h * 0.25));
  }
  p.setFont(bold);
  p.setPen(kInk);
  p.drawText(QPointF(std::max(f.Left, end - totalWidth), labelY), total);
  p.setFont(style.Font);

  // The legend, right-aligned in the top row.
  struct Key {
    QString Text;
    int Kind;  // 0 solid, 1 light, 2 hatched
  };
  const std::array<Key, 3> keys{
      Key{QStringLiteral("cutting"), 0}, Key{QStringLiteral("non-cutting"), 1}, Key{QStringLiteral("waiting"), 2}};
  const double swatch = h * 0.9;
  double x = box.right();
  for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
    x -= fm.horizontalAdvance(it->Text);
    p.setPen(kInk);
    const double top = f.Legend.top() + (f.Legend.height() - h) / 2;
    p.drawText(QPointF(x, top + fm.ascent()), it->Text);
    x -= swatch + h * 0.3;
    const QRectF r(x, top + (h - swatch) / 2, swatch, swatch);
    if (it->Kind == 0) p.fillRect(r, ColoursOf(kMainSpindle).Solid);
    else if (it->Kind == 1) p.fillRect(r, ColoursOf(kMainSpindle).Light);
    else Hatch(p, r, h * 0.3, line);
    p.setPen(QPen(kInk, line));
    p.drawRect(r);
    x -= h * 1.2;
  }
  p.restore();
}

// ---- pointing -------------------------------------------------------------------------------

TimelineHit HitTimeline(const Timeline& t, const TimelineFrame& f, const QPointF& point) {
  TimelineHit hit;
  for (int spindle : {kMainSpindle, kSubSpindle}) {
    const QRectF& lane = f.Lane(spindle);
    if (point.y() < lane.top() || point.y() >= lane.bottom()) continue;
    if (point.x() < lane.left() || point.x() > lane.right() || !(f.PerSecond > 0)) return hit;
    const double s = f.Seconds(point.x());
    hit.Spindle = spindle;
    for (size_t b = 0; b < t.Bars.size(); ++b) {
      const TimelineBar& bar = t.Bars[b];
      if (bar.Spindle != spindle || s < bar.Start || s >= bar.End()) continue;
      hit.Bar = static_cast<int>(b);
      if (s >= bar.CutEnd()) {
        hit.What = TimelineHit::Part::NonCutting;
        return hit;
      }
      const auto op = std::find_if(bar.Operations.begin(), bar.Operations.end(),
                                   [s](const TimelineOperation& o) { return s >= o.Start && s < o.End; });
      if (op == bar.Operations.end()) return hit;
      hit.What = TimelineHit::Part::Operation;
      hit.Operation = op->Number;
      return hit;
    }
    for (size_t w = 0; w < t.Waits.size(); ++w) {
      const TimelineWait& wait = t.Waits[w];
      if (wait.Spindle != spindle || s < wait.Start || s >= wait.End) continue;
      hit.What = TimelineHit::Part::Wait;
      hit.Wait = static_cast<int>(w);
      return hit;
    }
    return hit;
  }
  return hit;
}

QString TimelineToolTip(const Timeline& t, const TimeStudy& study, const CycleComparison& comparison,
                        const TimelineHit& hit) {
  const QString spindleName = hit.Spindle == kSubSpindle ? QStringLiteral("Sub") : QStringLiteral("Main");
  const TimelineBar* bar = hit.Bar >= 0 && hit.Bar < static_cast<int>(t.Bars.size()) ? &t.Bars[hit.Bar] : nullptr;
  auto groupLine = [&] {
    return QStringLiteral("Group ") + bar->Name + QStringLiteral(": ") + Seconds(bar->Total) + QStringLiteral(" s") +
           (bar->Counts ? QStringLiteral(", counts in the cycle") : QStringLiteral(", waits for the other spindle"));
  };
  switch (hit.What) {
    case TimelineHit::Part::None: return {};
    case TimelineHit::Part::Operation: {
      if (!bar || hit.Operation < 1 || hit.Operation > kMaxOperations) return {};
      const Operation& op = study.Op(hit.Spindle, hit.Operation);
      return spindleName + QStringLiteral(" ") + QString::number(hit.Operation) + QStringLiteral(") ") + op.ToolNo +
             u'-' + op.OpName + u'\n' + QStringLiteral("Cutting time ") + Seconds(op.CutTime) +
             QStringLiteral(" s\n") + groupLine();
    }
    case TimelineHit::Part::NonCutting: {
      if (!bar) return {};
      QString text = bar->Name + QStringLiteral(" non-cutting time ") + Seconds(bar->Idle()) + QStringLiteral(" s");
      const auto k = static_cast<size_t>(std::clamp(bar->Group, 1, kMaxGroups));
      const ItemLines& lines = bar->Group == kGroupA   ? comparison.LinesA
                               : bar->Group == kGroupD ? comparison.LinesD
                               : bar->Spindle == kSubSpindle ? comparison.LinesC[k]
                                                             : comparison.LinesB[k];
      constexpr int kMostLines = 12;
      int shown = 0;
      for (const ItemLine& item : lines) {
        if (item.Description.isEmpty() && item.Value.isEmpty()) continue;
        if (++shown > kMostLines) {
          text += QStringLiteral("\n...");
          break;
        }
        text += u'\n' + item.Description + u' ' + item.Value.trimmed();
      }
      return text + u'\n' + groupLine();
    }
    case TimelineHit::Part::Wait: {
      if (hit.Wait < 0 || hit.Wait >= static_cast<int>(t.Waits.size())) return {};
      const TimelineWait& w = t.Waits[static_cast<size_t>(hit.Wait)];
      return spindleName + QStringLiteral(" spindle waits ") + Seconds(w.Length()) + QStringLiteral(" s for ") + w.For;
    }
  }
  return {};
}

}  // namespace arvex

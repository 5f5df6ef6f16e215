#include "engine/rangetimes.h"

#include "document/timestudy.h"
#include "engine/rangecalculator.h"
#include "machine/machinedefinition.h"
#include "platform/numtext.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace arvex {

namespace {

// Element 1 of a tool list (the post's name), "" when the list has none.
QString PostName(const QStringList& list) { return list.size() > 1 ? list[1] : QString(); }

// Assigns a text unless the target already holds that very text.
void AssignText(QString& target, const QString& text) {
  if (target.constData() != text.constData() || target.size() != text.size()) target = text;
}

// The sum kept in single precision: the addition in double, stored as a Single.
void AddTo(float& sum, double amount) { sum = static_cast<float>(static_cast<double>(sum) + amount); }

const QString kDwellsName = QStringLiteral("Dwells while cutting");

// First slot of live spindle n's three counters (start/stop, speed change,
// forward/reverse): 23, 26, 29, 32.
constexpr int LiveSlot(int n) { return 23 + 3 * (n - 1); }

}  // namespace

ItemNameTable ItemNames(const MachineDefinition& m) {
  ItemNameTable names;
  const QString tc = QStringLiteral("Tool Change ");
  const QString to = QStringLiteral(" to ");
  const QString m1 = PostName(m.MainTools1List), m2 = PostName(m.MainTools2List);
  const QString s1 = PostName(m.SubTools1List), s2 = PostName(m.SubTools2List);
  names[1] = tc + m1 + to + m1;
  names[2] = tc + m2 + to + m2;
  names[3] = tc + m1 + to + m2;
  names[4] = QStringLiteral("Main Spindle Start/Stop");
  names[5] = QStringLiteral("Main Spindle For./Rev");
  names[6] = QStringLiteral("Main Spindle Change Speed");
  names[7] = QStringLiteral("Main Spindle Index to Ref.");
  names[8] = QStringLiteral("Main Spindle Index");
  names[9] = QStringLiteral("Parts Catcher from Main");
  names[10] = QStringLiteral("Collet Open/Close");
  names[11] = QStringLiteral("Feed Stock");
  names[12] = QStringLiteral("Extra Rapids");
  names[13] = m.MainSpindle.OtherDesc1;
  names[14] = m.MainSpindle.OtherDesc2;
  names[15] = tc + s1 + to + s1;
  names[16] = tc + s2 + to + s2;
  names[17] = tc + s1 + to + s2;
  names[18] = QStringLiteral("Back Spindle Start/Stop");
  names[19] = QStringLiteral("Back Spindle For./Rev");
  names[20] = QStringLiteral("Back Spindle Change Speed");
  names[21] = QStringLiteral("Back Spindle Index to Ref.");
  names[22] = QStringLiteral("Back Spindle Index");
  names[23] = QStringLiteral("Parts Catcher from Sub");
  names[24] = QStringLiteral("Part transfer to back spindle");
  names[25] = m.SubSpindle.OtherDesc1;
  names[26] = m.SubSpindle.OtherDesc2;
  for (int n = 1; n <= 4; ++n) {
    const QString& live = m.LiveSpindle(n).Name;
    const int at = 27 + 3 * (n - 1);
    names[static_cast<size_t>(at)] = live + QStringLiteral(" Start/Stop");
    names[static_cast<size_t>(at + 1)] = live + QStringLiteral(" For./Rev");
    names[static_cast<size_t>(at + 2)] = live + QStringLiteral(" Change Speed");
  }
  return names;
}

RangeCalculator::RangeCalculator(const TimeStudy& study, const MachineDefinition& machine, EngineMemo& memo)
    : study_(study), machine_(machine), memo_(memo), names_(ItemNames(machine)) {}

void RangeCalculator::AddLine(RangeTimes* out, const QString& description, const QString& value) {
  if (lines_ >= static_cast<std::size_t>(kMaxItemLines)) return;
  if (lines_ < out->Lines.size()) {
    ItemLine& line = out->Lines[lines_];
    AssignText(line.Description, description);
    AssignText(line.Value, value);
  } else {
    out->Lines.push_back({description, value});
  }
  ++lines_;
}

// A counted item; item 0 is the dwells, 1..38 the item names.
void RangeCalculator::AddTimeItem(RangeTimes* out, const QString& description, double seconds) {
  AddTo(out->IdleTotal, seconds);
  AddLine(out, description, memo_.Texts.TimeText(seconds));
}

void RangeCalculator::AddCountItem(RangeTimes* out, int count, double unit, int item) {
  if (count < 1) return;
  AddTo(out->IdleTotal, static_cast<double>(count) * unit);
  if (lines_ >= static_cast<std::size_t>(kMaxItemLines)) return;
  AddLine(out, item == 0 ? kDwellsName : names_[static_cast<size_t>(item)], memo_.CountValue(item, count, unit));
}

// Collet open/close for each feed of the bar, then the headstock's feed move.
void RangeCalculator::AddStockFeed(ItemCounts& counts, RangeTimes* out) {
  const SpindleRecord& main = machine_.MainSpindle;
  const double length = Val(study_.Header.PartLength);
  const double stroke = main.HeadstockStroke;

  // Feeds: one, or one more than the whole strokes in the part length.
  int feeds = 1;
  if (length > stroke) {
    feeds = 0;  // no usable stroke: the count cannot be formed
    if (stroke > 0) {
      const double n = std::floor(length / stroke) + 1;
      if (n <= 32767) feeds = static_cast<int>(n);
    }
  }
  counts[10] = feeds;
  AddTo(out->IdleTotal, static_cast<double>(feeds) * main.ColletOpenClose);
  AddLine(out, names_[10], memo_.CountValue(10, feeds, main.ColletOpenClose));

  // Feed time: the part length at the Z feed speed (length units per minute).
  const double rapid = main.RapidMultZ;
  if (rapid > 0) {
    const double secondsPerUnit = 1.0 / (rapid / 60.0);
    const float t = static_cast<float>(length * secondsPerUnit);
    if (std::isfinite(t)) {
      AddTo(out->IdleTotal, static_cast<double>(t));
      AddLine(out, names_[11],
              memo_.Texts.StrText(length) + QStringLiteral(" x ") + memo_.Texts.FeedRateText(secondsPerUnit) +
                  QStringLiteral(" = ") + memo_.Texts.TimeText(t));
      return;
    }
  }
  AddLine(out, names_[11], QStringLiteral("no Z feed speed = ") + memo_.Texts.TimeText(0.0));
}

void RangeCalculator::Compute(ItemCounts& counts, int first, int last, int spindle, RangeTimes* out) {
  out->CutTotal = 0;
  out->IdleTotal = 0;
  lines_ = 0;
  Fill(counts, first, last, spindle, out);
  out->Lines.resize(lines_);
}

void RangeCalculator::Fill(ItemCounts& c, int first, int last, int spindle, RangeTimes* out) {
  const int s = spindle;
  if ((s != kMainSpindle && s != kSubSpindle) || first < 1 || last > kMaxOperations || first > last) return;
  const EngineMemo::FactsList& facts = memo_.Facts(s);
  const bool main = s == kMainSpindle;
  const TimeStudyHeader& header = study_.Header;
  const SpindleRecord& ms = machine_.MainSpindle;
  const SpindleRecord& ss = machine_.SubSpindle;

  // Pass 1: count the items of each operation against the one before it.
  for (int i = first; i <= last; ++i) {
    const int p = i - 1;  // 0 is the last operation of the previous cycle
    const Operation& op = study_.Op(s, i);
    const Operation& prev = study_.Op(s, p);
    const OperationFacts& f = facts[static_cast<size_t>(i)];
    const OperationFacts& pf = facts[static_cast<size_t>(p)];
    const int post = f.Post;

    if (op.ToolNo != prev.ToolNo) {
      const int prevPost = pf.Post;
      if (main) {
        if (post == kMainPost1 && prevPost == kMainPost1) ++c[0];
        else if (post == kMainPost2 && prevPost == kMainPost2) ++c[1];
        else ++c[2];
      } else {
        if (post == kSubPost1 && prevPost == kSubPost1) ++c[13];
        else if (post == kSubPost2 && prevPost == kSubPost2) ++c[14];
        else ++c[15];
      }
    }

    const bool liveCur = f.Live;
    const bool livePrev = pf.Live;
    const int rpmDiff = std::abs(static_cast<int>(op.RPM) - static_cast<int>(prev.RPM));
    const int live = LiveSpindleOfPost(post);

    if (liveCur) {
      if (!livePrev) {
        // The spindle stops and orients for the live tool.
        if (main) {
          ++c[6];
          ++c[3];
        } else {
          ++c[19];
          ++c[16];
        }
      }
      if (!livePrev && live) ++c[static_cast<size_t>(LiveSlot(live))];
      else if (livePrev && live && rpmDiff >= 3000) ++c[static_cast<size_t>(LiveSlot(live) + 1)];
    } else {
      // Back from a live tool to a turning tool counts nothing.
      if (post < 20 && !livePrev && rpmDiff >= 3000) ++c[4];
      else if (post > 20 && !livePrev && rpmDiff >= 3000) ++c[17];
    }

    if (f.Tapping) {
      if (live && liveCur) ++c[static_cast<size_t>(LiveSlot(live) + 2)];
      else if (post < 20) ++c[5];
      else if (post > 20) ++c[18];
    }

    c[11] += op.ExtraRapids;
    c[12] += op.Dwells;
    c[main ? 7 : 20] += op.SpindleIndexes;
    AddTo(out->CutTotal, op.CutTime);
  }

  // Pass 2: items at the start and end of the cycle, and each operation's
  // own extra seconds.
  const bool subUsed = header.SubSpindleUsed != 0;
  for (int i = first; i <= last; ++i) {
    const Operation& op = study_.Op(s, i);
    if (main && i == 1) {
      if (ms.RapidZBeginEnd == QLatin1String("B")) AddStockFeed(c, out);
      if (ms.Other1BeginEnd == QLatin1String("B") && ms.OtherTime1 > 0) AddTimeItem(out, names_[13], ms.OtherTime1);
      if (ms.Other2BeginEnd == QLatin1String("B") && ms.OtherTime2 > 0) AddTimeItem(out, names_[14], ms.OtherTime2);
    }
    if (!main && i == 1) {
      if (ss.OtherTime1 > 0) AddTimeItem(out, names_[25], ss.OtherTime1);
      if (ss.OtherTime2 > 0) AddTimeItem(out, names_[26], ss.OtherTime2);
    }
    if (op.OtherSeconds > 0) AddTimeItem(out, op.OtherDesc, op.OtherSeconds);
    if (main && i == study_.MainOpCount) {
      if (ms.Other1BeginEnd == QLatin1String("E") && ms.OtherTime1 > 0) AddTimeItem(out, names_[13], ms.OtherTime1);
      if (ms.Other2BeginEnd == QLatin1String("E") && ms.OtherTime2 > 0) AddTimeItem(out, names_[14], ms.OtherTime2);
      if (ms.RapidZBeginEnd == QLatin1String("E")) AddStockFeed(c, out);
      if (subUsed) AddTimeItem(out, names_[24], ss.TransferFrMain);
    }
    if (!main && i == study_.SubOpCount && header.PartsCatcherUsed == 1 && header.SubSpindleUsed == 1) {
      AddTo(out->IdleTotal, ss.CatchFrSub);
      AddLine(out, names_[23], memo_.Texts.CatchText(ss.CatchFrSub));
    }
  }

  // Pass 3: the counted items, in their printed order.
  // Dwells: seconds at one second each.
  AddCountItem(out, c[12], 1.0, 0);
  AddCountItem(out, c[0], ms.Time1to1, 1);
  AddCountItem(out, c[1], ms.Time2to2, 2);
  AddCountItem(out, c[2], ms.Time1to2, 3);
  AddCountItem(out, c[3], ms.SplStartStop, 4);
  AddCountItem(out, c[5], ms.SplForRev, 5);
  AddCountItem(out, c[4], ms.SplChange3k, 6);
  AddCountItem(out, c[6], ms.SplRef, 7);
  AddCountItem(out, c[7], ms.SplIndex, 8);

  if (header.PartsCatcherUsed == 1 && header.SubSpindleUsed == 0 && facts[static_cast<size_t>(last)].CutOff)
    AddTimeItem(out, names_[9], ms.CatchFrMain);

  AddCountItem(out, c[11], ms.RapidMultExtra, 12);
  AddCountItem(out, c[13], ss.Time1to1, 15);
  AddCountItem(out, c[14], ss.Time2to2, 16);
  AddCountItem(out, c[15], ss.Time1to2, 17);
  AddCountItem(out, c[16], ss.SplStartStop, 18);
  AddCountItem(out, c[18], ss.SplForRev, 19);
  AddCountItem(out, c[17], ss.SplChange3k, 20);
  AddCountItem(out, c[19], ss.SplRef, 21);
  AddCountItem(out, c[20], ss.SplIndex, 22);

  for (int n = 1; n <= 4; ++n) {
    const LiveSpindleRecord& live = machine_.LiveSpindle(n);
    const int slot = LiveSlot(n);
    const int name = 27 + 3 * (n - 1);
    AddCountItem(out, c[static_cast<size_t>(slot)], live.SplStartStop, name);
    AddCountItem(out, c[static_cast<size_t>(slot + 2)], live.SplForRev, name + 1);
    AddCountItem(out, c[static_cast<size_t>(slot + 1)], live.SplChange3k, name + 2);
  }
}

RangeTimes ComputeRangeTimes(const TimeStudy& study, const MachineDefinition& machine, ItemCounts& counts,
                             int first, int last, int spindle) {
  EngineMemo memo;
  memo.Refresh(study, machine);
  RangeCalculator calculator(study, machine, memo);
  RangeTimes out;
  calculator.Compute(counts, first, last, spindle, &out);
  return out;
}

}  // namespace arvex

#include "autoset/autosetform.h"

#include "platform/units.h"
#include "autoset/toolpositions.h"
#include "cutting/unitconversion.h"
#include "document/timestudy.h"
#include "platform/numtext.h"
#include "platform/textinput.h"
#include "workspace.h"

#include <cmath>
#include <utility>
#include <vector>

namespace arvex {

namespace {

using F = AutoSetField;

constexpr std::array<int, 7> kArraySizes = {4, 6, 5, 4, 9, 7, 1};

// Allowance of the drill below the tap or ream depth, and the stock the
// reamer removes from the drilled hole.
constexpr double kDepthAllowanceInch = 0.15;
constexpr double kDepthAllowanceMetric = 4;
constexpr double kReamStockInch = 0.01;
constexpr double kReamStockMetric = 0.25;

const QString kLivePrefix = QStringLiteral("Live ");
const QString kShortFormat = QStringLiteral("#.####;;0");

bool ValidField(AutoSetField f) {
  const int array = static_cast<int>(f.Array);
  return array >= 0 && array < static_cast<int>(kArraySizes.size()) && f.Index >= 0 &&
         f.Index < kArraySizes[static_cast<std::size_t>(array)];
}

struct LabelPair {
  const char16_t* Inch;
  const char16_t* Metric;  // nullptr: the same as in inch
};

const LabelPair* LabelsOf(AutoSetArray array) {
  static constexpr LabelPair kCD[] = {
      {u"Center Name:", nullptr}, {u"Feed Depth:", nullptr}, {u"Center SFM:", u"Center SMM:"},
      {u"Feed IPR:", u"Feed MMPR:"}};
  static constexpr LabelPair kDR[] = {{u"Drill Diam:", nullptr},         {u"Drill SFM:", u"Drill SMM:"},
                                      {u"Drill Feed IPR:", u"Feed MMPR:"}, {u"Num Of Pecks:", nullptr},
                                      {u"Rapid in dist:", nullptr},      {u"Drill Depth:", nullptr}};
  static constexpr LabelPair kTap[] = {{u"", nullptr},
                                       {u"Tap Diam:", nullptr},
                                       {u"Tap Feed IPR:", u"Feed MMPR:"},
                                       {u"Tap Depth:", nullptr},
                                       {u"Tap RPM:", nullptr}};
  static constexpr LabelPair kReam[] = {
      {u"Ream Diam:", nullptr}, {u"Feed IPR:", u"Feed MMPR:"}, {u"Ream Depth:", nullptr}, {u"Ream SFM:", u"Ream SMM:"}};
  static constexpr LabelPair kMill[] = {{u"Mill Diam(Cutter):", nullptr},
                                        {u"Mill SFM:", u"Mill SMM:"},
                                        {u"Mill Feed IPR:", u"Mill MMPR:"},
                                        {u"Milled Surface Diam:", nullptr},
                                        {u"Milled Surface Length:", nullptr},
                                        {u"No of Flats:", nullptr},
                                        {u"Turned Diam:", nullptr},
                                        {u"Feed IPT:", u"Feed MMPT:"},
                                        {u"No Teeth:", nullptr}};
  static constexpr LabelPair kThd[] = {{u"Thread OD:", nullptr},       {u"TPI or IPR:", u"Feed MMPR:"},
                                       {u"Desired IPM:", u"Desired MMPM:"}, {u"RPM:", nullptr},
                                       {u"No. of passes:", nullptr},   {u"Approach Dist:", nullptr},
                                       {u"Length of 1 pass:", nullptr}};
  static constexpr LabelPair kHoles[] = {{u"Number of live features:", nullptr}};
  switch (array) {
    case AutoSetArray::CD: return kCD;
    case AutoSetArray::DR: return kDR;
    case AutoSetArray::Tap: return kTap;
    case AutoSetArray::Ream: return kReam;
    case AutoSetArray::Mill: return kMill;
    case AutoSetArray::Thd: return kThd;
    case AutoSetArray::Holes: return kHoles;
  }
  return kHoles;
}

// The initial text of a field in an inch or a metric study.
QString DefaultText(AutoSetField f, bool metric) {
  struct Default {
    AutoSetField Field;
    const char16_t* Inch;
    const char16_t* Metric;
  };
  static constexpr Default kDefaults[] = {
      {F::CD(2), u"80.", u""},     {F::CD(3), u".002", u""},    {F::DR(1), u"80.", u""},
      {F::DR(2), u".003", u""},    {F::DR(4), u".02", u".5"},   {F::Tap(4), u"750", u"750"},
      {F::Ream(1), u".008", u""},  {F::Ream(3), u"80", u""},    {F::Mill(1), u"175", u""},
      {F::Mill(2), u".004", u""},  {F::Mill(7), u".001", u""},  {F::Thd(2), u"100.", u"2500"},
  };
  for (const Default& d : kDefaults)
    if (d.Field == f) return QString::fromUtf16(metric ? d.Metric : d.Inch);
  return QString();
}

// What the conversion keys do in a field.
UnitKind ConversionKind(AutoSetField f) {
  switch (f.Array) {
    case AutoSetArray::CD:
      if (f.Index == 1 || f.Index == 3) return UnitKind::Length;
      if (f.Index == 2) return UnitKind::SurfaceSpeed;
      break;
    case AutoSetArray::DR:
      if (f.Index == 0 || f.Index == 2 || f.Index == 4 || f.Index == 5) return UnitKind::Length;
      if (f.Index == 1) return UnitKind::SurfaceSpeed;
      break;
    case AutoSetArray::Tap:
      if (f.Index >= 1 && f.Index <= 3) return UnitKind::Length;
      break;
    case AutoSetArray::Ream:
      if (f.Index >= 0 && f.Index <= 2) return UnitKind::Length;
      if (f.Index == 3) return UnitKind::SurfaceSpeed;
      break;
    case AutoSetArray::Mill:
      if (f.Index == 1) return UnitKind::SurfaceSpeed;
      if (f.Index != 5 && f.Index != 8) return UnitKind::Length;
      break;
    default:
      break;
  }
  return UnitKind::None;
}

bool TakesConversionKeys(AutoSetArray array) {
  return array == AutoSetArray::CD || array == AutoSetArray::DR || array == AutoSetArray::Tap ||
         array == AutoSetArray::Ream || array == AutoSetArray::Mill;
}

bool RefusesDoubleQuote(AutoSetArray array) { return array == AutoSetArray::CD || array == AutoSetArray::Tap; }

bool IsNameField(AutoSetField f) { return f == F::CD(0) || f == F::Tap(0); }

// A 16-bit field that does not fit keeps its value (0 in a new operation).
void AssignWhole(std::int16_t& target, double value) {
  if (const std::optional<std::int16_t> v = ToInt16(value)) target = *v;
}

// RPM from SFM and diameter, then IPM and the cut time.
void SetSpeedsFromSurface(Operation& op, double unitFactor) {
  if (const auto rpm = SpindleSpeedFromSurface(unitFactor, op.SFM, op.Diameter)) op.RPM = *rpm;
  op.IPM = op.RPM * op.IPR;
}

// SFM from RPM and diameter, then IPM.
void SetSpeedsFromSpindle(Operation& op, double unitFactor) {
  if (const auto sfm = SurfaceSpeedFromSpindle(unitFactor, op.Diameter, op.RPM)) op.SFM = *sfm;
  op.IPM = op.RPM * op.IPR;
}

}  // namespace

int AutoSetArraySize(AutoSetArray array) {
  const int a = static_cast<int>(array);
  if (a < 0 || a >= static_cast<int>(kArraySizes.size())) return 0;
  return kArraySizes[static_cast<std::size_t>(a)];
}

QString NoRoomMessage(int count, int place, bool listTooFull) {
  if (listTooFull)
    return QStringLiteral("There is no room for ") + NumberText(static_cast<double>(count)) +
           QStringLiteral(" more operations in this list (100 at most). Nothing was added.");
  return QStringLiteral("There is no room for ") + NumberText(static_cast<double>(count)) +
         QStringLiteral(" operations from place ") + NumberText(static_cast<double>(place)) +
         QStringLiteral(" on (the list ends at 100). Nothing was added.");
}

QStringList AutoSetKindEntries() {
  return {QStringLiteral("Drill -center drill, drill"), QStringLiteral("Tap -center drill, drill, tap"),
          QStringLiteral("Ream -center drill, drill, ream"), QStringLiteral("Mill Flats"),
          QStringLiteral("Threads")};
}

QString AutoSetLabel(AutoSetField field, bool metric) {
  if (!ValidField(field)) return QString();
  const LabelPair& pair = LabelsOf(field.Array)[field.Index];
  return QString::fromUtf16(metric && pair.Metric ? pair.Metric : pair.Inch);
}

QString AutoSetFrameCaption(AutoSetFrame frame) {
  switch (frame) {
    case AutoSetFrame::CenterType: return QStringLiteral("Center Type");
    case AutoSetFrame::Drill: return QStringLiteral("Drill Information");
    case AutoSetFrame::Tap: return QStringLiteral("Tap Information");
    case AutoSetFrame::Ream: return QStringLiteral("Ream Information");
    case AutoSetFrame::Mill: return QStringLiteral("Mill Information");
    case AutoSetFrame::Threads: return QStringLiteral("Thread Information");
  }
  return QString();
}

// ---- the form ---------------------------------------------------------------------

AutoSetForm::AutoSetForm(Workspace& workspace, Prompter& prompter) : ws_(workspace), prompter_(prompter) {
  numberFormat_ = QStringLiteral("#.####;-#.####;0");
  ResetFields();
}

bool AutoSetForm::Metric() const { return ws_.Study.Header.IsMetric(); }

int AutoSetForm::Spindle() const {
  return ws_.Study.CurrentSpindle == kSubSpindle ? kSubSpindle : kMainSpindle;
}

QString& AutoSetForm::TextRef(AutoSetField field) {
  return texts_[static_cast<std::size_t>(field.Array)][static_cast<std::size_t>(field.Index)];
}

const QString& AutoSetForm::Text(AutoSetField field) const {
  static const QString kNone;
  if (!ValidField(field)) return kNone;
  return texts_[static_cast<std::size_t>(field.Array)][static_cast<std::size_t>(field.Index)];
}

QString AutoSetForm::Label(AutoSetField field) const { return AutoSetLabel(field, Metric()); }

double AutoSetForm::Value(AutoSetField field) const { return ParseNumber(Text(field)); }

std::optional<std::int16_t> AutoSetForm::Whole(AutoSetField field) const { return ToInt16(Value(field)); }

std::int16_t AutoSetForm::WholeOr0(AutoSetField field) const { return Whole(field).value_or(0); }

void AutoSetForm::Set(AutoSetField field, const QString& text) {
  if (!ValidField(field)) return;
  QString& current = TextRef(field);
  if (current == text) return;
  current = text;
  Changed(field);
}

void AutoSetForm::ResetFields() {
  const bool metric = Metric();
  for (std::size_t a = 0; a < texts_.size(); ++a) {
    for (int i = 0; i < kMaxFields; ++i) {
      const AutoSetField f{static_cast<AutoSetArray>(a), i};
      texts_[a][static_cast<std::size_t>(i)] = ValidField(f) ? DefaultText(f, metric) : QString();
    }
  }
  centerType_ = CenterType::CenterDrill;
  peckPattern_ = PeckPattern::TwoOne;
  live_ = false;
  firstToolIndex_ = -1;
}

void AutoSetForm::Load() {
  closed_ = false;
  kindEntries_ = AutoSetKindEntries();
  kind_ = AutoSetKind::None;
  frames_.fill(false);
  instruction_.clear();
  toolEntries_.clear();

  const bool metric = Metric();
  unitFactor_ = metric ? 1000 : 12;
  numberFormat_ = metric ? QStringLiteral("##.###;-##.###;0") : QStringLiteral("#.####;-#.####;0");
  ResetFields();

  TableReadStatus status = TableReadStatus::Ok;
  centerTable_ = LoadCenterDrillTable(ws_.AppFolder, metric ? CenterDrillUnits::Millimetre : CenterDrillUnits::Inch,
                                      prompter_, &status);
  if (status == TableReadStatus::Missing) return;

  toolEntries_ = ToolPositionEntries(ws_.Study, ws_.Machine, Spindle());
}

void AutoSetForm::ChooseKind(int index) {
  kind_ = (index >= 0 && index <= 4) ? static_cast<AutoSetKind>(index + 1) : AutoSetKind::None;
  frames_.fill(false);
  auto show = [&](AutoSetFrame frame) { frames_[static_cast<std::size_t>(frame)] = true; };
  switch (kind_) {
    case AutoSetKind::Drill:
      show(AutoSetFrame::CenterType);
      show(AutoSetFrame::Drill);
      instruction_ = kHoleKindInstruction;
      break;
    case AutoSetKind::Tap:
      show(AutoSetFrame::CenterType);
      show(AutoSetFrame::Drill);
      show(AutoSetFrame::Tap);
      instruction_ = kHoleKindInstruction;
      break;
    case AutoSetKind::Ream:
      show(AutoSetFrame::CenterType);
      show(AutoSetFrame::Drill);
      show(AutoSetFrame::Ream);
      instruction_ = kHoleKindInstruction;
      break;
    case AutoSetKind::MillFlats:
      show(AutoSetFrame::Mill);
      instruction_ = kMillKindInstruction;
      break;
    case AutoSetKind::Threads:
      show(AutoSetFrame::Threads);
      instruction_ = kThreadKindInstruction;
      break;
    case AutoSetKind::None:
      instruction_.clear();
      break;
  }
}

void AutoSetForm::ClickCenterType(CenterType type) {
  centerType_ = type;
  SetCenterData();
}

void AutoSetForm::ClickPeckPattern(PeckPattern pattern) {
  peckPattern_ = pattern;
  SetNumberOfPecks();
}

bool AutoSetForm::Change(AutoSetField field, const QString& text) {
  if (!ValidField(field)) return false;
  if (RefusesDoubleQuote(field.Array) && RefuseDoubleQuote(text, prompter_)) return false;
  Set(field, text);
  return true;
}

bool AutoSetForm::KeyPress(AutoSetField field, QChar key) {
  if (!ValidField(field)) return false;
  if (RefusesDoubleQuote(field.Array) && RefuseDoubleQuote(key, prompter_)) return true;
  if (!TakesConversionKeys(field.Array) || IsNameField(field)) return false;
  const std::optional<UnitDirection> direction = UnitConversionKey(key);
  if (!direction) return false;
  const UnitKind kind = ConversionKind(field);
  if (kind != UnitKind::None) Set(field, ConvertUnitsText(Text(field), kind, *direction));
  return true;
}

void AutoSetForm::LostFocus(AutoSetField field) {
  if (!ValidField(field)) return;
  if (field.Array == AutoSetArray::Mill) MillFieldLeft(field.Index);
  if (field.Array == AutoSetArray::Thd) ThreadFieldLeft(field.Index);
}

// ---- couplings ------------------------------------------------------------------------

void AutoSetForm::Changed(AutoSetField field) {
  const double allowance = Metric() ? kDepthAllowanceMetric : kDepthAllowanceInch;
  const double stock = Metric() ? kReamStockMetric : kReamStockInch;
  if (field == F::DR(0)) {
    if (Value(F::DR(0)) > 0) {
      SetCenterData();
      if (Value(F::DR(5)) > 0) SetNumberOfPecks();
    }
  } else if (field == F::DR(5)) {
    if (Value(F::DR(5)) > 0) SetNumberOfPecks();
  } else if (field == F::Tap(3)) {
    Set(F::DR(5), Format(Value(F::Tap(3)) + allowance, u"##.####"));
    SetNumberOfPecks();
  } else if (field == F::Ream(0)) {
    Set(F::DR(0), Format(Value(F::Ream(0)) - stock, u"#.####"));
    if (Value(F::DR(5)) > 0) SetNumberOfPecks();
  } else if (field == F::Ream(2)) {
    Set(F::DR(5), Format(Value(F::Ream(2)) + allowance, u"##.####"));
    SetNumberOfPecks();
  }
}

void AutoSetForm::SetCenterData() {
  double hole = 0;
  switch (kind_) {
    case AutoSetKind::Drill: hole = Value(F::DR(0)); break;
    case AutoSetKind::Tap: hole = Value(F::Tap(1)); break;
    case AutoSetKind::Ream: hole = Value(F::Ream(0)); break;
    default: break;
  }
  const float spot = static_cast<float>(hole + 2 * 0.01);
  if (centerType_ == CenterType::CenterDrill) {
    const CenterDrillChoice choice = ChooseCenterDrill(centerTable_, Value(F::DR(0)), static_cast<double>(spot));
    Set(F::CD(0), choice.Designation + QStringLiteral(" Center Drill"));
    Set(F::CD(1), Format(choice.FeedDepth, kShortFormat));
  } else {
    // A 90 degree point reaches the spot diameter at half that depth.
    Set(F::CD(0), QStringLiteral("Spot Drill"));
    Set(F::CD(1), Format(spot / 2, kShortFormat));
  }
}

void AutoSetForm::SetNumberOfPecks() {
  if (const std::optional<int> pecks = PeckCount(peckPattern_, Value(F::DR(0)), Value(F::DR(5))))
    Set(F::DR(3), Format(*pecks, u"##"));
}

void AutoSetForm::StartPickTap() {
  beforePickTap_ = PickedTap{ws_.TapDrillResult, ws_.ChosenTapText};
  ws_.TapDrillResult = {};
  ws_.ChosenTapText.clear();
}

void AutoSetForm::PickTap() {
  if (beforePickTap_) {
    const PickedTap before = *std::exchange(beforePickTap_, std::nullopt);
    // Closed without a tap: the fields keep what the user typed, rather
    // than taking the values of an earlier visit or zeros.
    if (ws_.ChosenTapText.isEmpty() && ws_.TapDrillResult == TapDrillValues{}) {
      ws_.TapDrillResult = before.Result;
      ws_.ChosenTapText = before.Name;
      return;
    }
  }
  Set(F::Tap(0), ws_.ChosenTapText);
  const bool metric = Metric();
  auto text = [metric](float inches) {
    return metric ? Format(static_cast<double>(inches) * kMillimetresPerInch, kShortFormat)
                  : Format(inches, kShortFormat);
  };
  const TapDrillValues& tap = ws_.TapDrillResult;
  Set(F::Tap(1), text(tap.Diameter));
  Set(F::Tap(2), text(tap.Pitch));
  Set(F::DR(0), text(tap.DrillSize));
  SetCenterData();
}

std::optional<QString> AutoSetForm::ShowTools() { return ToolImageToShow(ws_, Spindle(), prompter_); }

void AutoSetForm::MillFieldLeft(int index) {
  const double ipr = Value(F::Mill(2));
  const double ipt = Value(F::Mill(7));
  const std::int16_t teeth = WholeOr0(F::Mill(8));
  if (teeth < 1) return;
  if (index == 2) {
    if (ipr > 0) Set(F::Mill(7), Format(ipr / teeth, u"#.####"));
  } else if (index == 7 || index == 8) {
    if (ipt > 0) Set(F::Mill(2), Format(teeth * ipt, u"#.####"));
  }
}

void AutoSetForm::ThreadFieldLeft(int index) {
  float pitch = static_cast<float>(Value(F::Thd(1)));
  if (!(pitch > 0)) return;
  if (!Metric() && pitch > 1) {
    // Threads per inch become the pitch.
    pitch = 1 / pitch;
    Set(F::Thd(1), Format(pitch, u"#.####"));
  }
  const std::int16_t rpm = WholeOr0(F::Thd(3));
  const float feed = static_cast<float>(Value(F::Thd(2)));
  switch (index) {
    case 1:
      Set(F::Thd(3), Format(std::floor(feed / pitch), u"#####"));
      Set(F::Thd(4), NumberText(static_cast<double>(ThreadPasses(pitch))));
      Set(F::Thd(5), Format(2 * pitch, u"#.####"));
      break;
    case 2:
      Set(F::Thd(3), Format(std::floor(feed / pitch), u"#####"));
      break;
    case 3:
      Set(F::Thd(2), Format(static_cast<float>(rpm) * pitch, u"####.##"));
      break;
    default:
      break;
  }
}

// ---- generation ------------------------------------------------------------------------

Operation AutoSetForm::MillOperation(const QString& tool) const {
  const float radius = static_cast<float>(Value(F::Mill(6))) / 2;  // turned radius
  const float cutter = static_cast<float>(Value(F::Mill(0)));
  const float halfFlats = static_cast<float>(Value(F::Mill(3))) / 2;  // half the size across the flats
  const float length = static_cast<float>(Value(F::Mill(4)));
  // Width of one flat: the chord at the flat's distance from the axis; none
  // when the flats lie outside the turned diameter.
  float width = 0;
  const float inside = radius * radius - halfFlats * halfFlats;
  if (!(halfFlats > radius) && inside > 0) width = 2 * std::sqrt(inside);
  // Approach and overrun of .02 each, plus the cutter to clear the flat.
  float path = static_cast<float>(static_cast<double>(width) + 0.02 + 0.02 + static_cast<double>(cutter));
  // Passes along the length, stepping 75 % of the cutter. Without a cutter
  // diameter there is no step: the flat counts as one pass.
  double passes = 1;
  if (length > cutter && cutter > 0)
    passes = std::floor(static_cast<double>(length) / (static_cast<double>(cutter) * 0.75)) + 1;
  path = static_cast<float>(static_cast<double>(path) * passes);
  path = static_cast<float>(static_cast<double>(path) * Value(F::Mill(5)));

  Operation op;
  op.ToolNo = tool;
  op.OpName = QStringLiteral("Live Mill Flats");
  op.SFM = WholeOr0(F::Mill(1));
  op.Diameter = Value(F::Mill(0));
  op.IPR = Value(F::Mill(2));
  SetSpeedsFromSurface(op, unitFactor_);
  op.CutLength = RoundedCutLength(path);
  op.SpindleIndexes = WholeOr0(F::Mill(5));  // one index per flat
  op.UpdateCutTime();
  return op;
}

Operation AutoSetForm::ThreadOperation(const QString& tool) const {
  const std::int16_t passes = WholeOr0(F::Thd(4));
  const float length = static_cast<float>((Value(F::Thd(6)) + Value(F::Thd(5))) * passes);
  Operation op;
  op.ToolNo = tool;
  op.OpName = QStringLiteral("Single Point Thread");
  op.Diameter = Value(F::Thd(0));
  op.IPR = Value(F::Thd(1));
  op.RPM = WholeOr0(F::Thd(3));
  SetSpeedsFromSpindle(op, unitFactor_);
  op.CutLength = RoundedCutLength(length);
  op.ExtraRapids = passes;  // one rapid return per pass
  op.Dwells = 1;
  op.UpdateCutTime();
  return op;
}

std::vector<Operation> AutoSetForm::HoleSequence(const QString& t1, const QString& t2, const QString& t3,
                                                 int holes) const {
  std::vector<Operation> ops;
  const QString prefix = live_ ? kLivePrefix : QString();

  Operation center;
  center.ToolNo = t1;
  center.OpName = prefix + Text(F::CD(0));
  center.SFM = WholeOr0(F::CD(2));
  switch (kind_) {
    case AutoSetKind::Tap: center.Diameter = Value(F::Tap(1)) + 2 * 0.02; break;
    case AutoSetKind::Ream: center.Diameter = Value(F::Ream(0)) + 2 * 0.01; break;
    default: center.Diameter = Value(F::DR(0)) + 2 * 0.01; break;
  }
  center.IPR = Value(F::CD(3));
  SetSpeedsFromSurface(center, unitFactor_);
  center.CutLength = Value(F::CD(1)) + 0.04;
  if (live_) {
    center.CutLength *= holes;
    AssignWhole(center.SpindleIndexes, holes - 1);
  }
  center.UpdateCutTime();
  ops.push_back(center);

  // Each peck retracts and comes back in rapid to the rapid-in distance.
  const std::int16_t pecks = WholeOr0(F::DR(3));
  Operation drill;
  drill.ToolNo = t2;
  drill.OpName = prefix + QStringLiteral("Drill");
  drill.SFM = WholeOr0(F::DR(1));
  drill.Diameter = Value(F::DR(0));
  drill.IPR = Value(F::DR(2));
  SetSpeedsFromSurface(drill, unitFactor_);
  drill.CutLength = RoundedCutLength(static_cast<float>(Value(F::DR(5)) + Value(F::DR(4)) * pecks + 0.04));
  AssignWhole(drill.ExtraRapids, 2.0 * pecks);
  if (live_) {
    drill.CutLength *= holes;
    AssignWhole(drill.SpindleIndexes, holes - 1);
    drill.ExtraRapids = 0;
    AssignWhole(drill.ExtraRapids, 2.0 * pecks * holes);
  }
  drill.UpdateCutTime();
  ops.push_back(drill);

  if (kind_ == AutoSetKind::Tap) {
    Operation tap;
    tap.ToolNo = t3;
    tap.OpName = prefix + QStringLiteral("Tap ") + Text(F::Tap(0));
    tap.RPM = WholeOr0(F::Tap(4));
    tap.Diameter = Value(F::Tap(1));
    tap.IPR = Value(F::Tap(2));
    SetSpeedsFromSpindle(tap, unitFactor_);
    tap.CutLength = 2 * Value(F::Tap(3)) + 0.08;  // in and out at the feed
    if (live_) tap.SpindleIndexes = 1;
    tap.UpdateCutTime();
    ops.insert(ops.end(), static_cast<std::size_t>(holes), tap);
  } else if (kind_ == AutoSetKind::Ream) {
    Operation ream;
    ream.ToolNo = t3;
    ream.OpName = prefix + QStringLiteral("Ream");
    ream.SFM = WholeOr0(F::Ream(3));
    ream.Diameter = Value(F::Ream(0));
    ream.IPR = Value(F::Ream(1));
    SetSpeedsFromSurface(ream, unitFactor_);
    ream.CutLength = RoundedCutLength(static_cast<float>(Value(F::Ream(2)) + 0.04));
    ream.ExtraRapids = 1;
    if (live_) {
      ream.CutLength *= holes;
      AssignWhole(ream.SpindleIndexes, holes - 1);
      AssignWhole(ream.ExtraRapids, holes);
    }
    ream.UpdateCutTime();
    ops.push_back(ream);
  }
  return ops;
}

AutoSetResult AutoSetForm::Generate(std::optional<int> place) {
  AutoSetResult result;
  const int entries = static_cast<int>(toolEntries_.size());
  if (firstToolIndex_ < 1 || firstToolIndex_ >= entries) {
    prompter_.ShowMessage(kChooseFirstToolMessage);
    result.Outcome = AutoSetOutcome::NoFirstTool;
    return result;
  }
  auto tool = [&](int index) { return index < entries ? ToolNumberOfEntry(toolEntries_[index]) : QString(); };
  const QString t1 = tool(firstToolIndex_);
  const QString t2 = tool(firstToolIndex_ + 1);
  const QString t3 = tool(firstToolIndex_ + 2);

  if (kind_ == AutoSetKind::None) {
    prompter_.ShowMessage(kChooseKindMessage);
    result.Outcome = AutoSetOutcome::NoKind;
    return result;
  }

  // Hole sequences: the number of live features, and names the time-study
  // file can hold (a table or the tap window may have put a quote there).
  const bool holeKind = kind_ == AutoSetKind::Drill || kind_ == AutoSetKind::Tap || kind_ == AutoSetKind::Ream;
  int holes = 1;
  if (holeKind) {
    if (live_) {
      const std::optional<std::int16_t> features = Whole(F::Holes());
      if (!features || *features < 0) {
        prompter_.ShowMessage(kLiveFeaturesMessage);
        result.Outcome = AutoSetOutcome::BadFeatureCount;
        return result;
      }
      holes = *features == 0 ? 1 : *features;
    }
    if (Text(F::CD(0)).contains(u'"') || (kind_ == AutoSetKind::Tap && Text(F::Tap(0)).contains(u'"'))) {
      prompter_.ShowMessage(kDoubleQuoteMessage);
      result.Outcome = AutoSetOutcome::QuoteInName;
      return result;
    }
  }

  // Placing: before the selected operation, or after the last one when no
  // line is selected. Nothing is written unless every operation fits.
  int n = 1;
  if (kind_ == AutoSetKind::Drill) n = 2;
  if (kind_ == AutoSetKind::Tap) n = holes + 2;
  if (kind_ == AutoSetKind::Ream) n = 3;
  TimeStudy& study = ws_.Study;
  const int spindle = study.CurrentSpindle;
  const int last = study.LastUsedPlace(spindle);
  const int at = (place && *place >= 1 && *place <= kMaxOperations) ? *place : last + 1;
  const std::vector<Operation> ops = kind_ == AutoSetKind::MillFlats ? std::vector<Operation>{MillOperation(t1)}
                                     : kind_ == AutoSetKind::Threads ? std::vector<Operation>{ThreadOperation(t1)}
                                                                     : HoleSequence(t1, t2, t3, holes);
  const bool inserted = ws_.Changes.Apply(study, {QStringLiteral("Auto Set"), {}}, [&](TimeStudy& st) {
    if (!st.InsertOperations(at, n)) return false;
    for (int i = 0; i < n; ++i) st.Op(spindle, at + i) = ops[static_cast<std::size_t>(i)];
    st.RecountOps();
    return true;
  });
  if (!inserted) {
    const bool listTooFull = last + n > kMaxOperations && at <= last + 1;
    prompter_.ShowMessage(NoRoomMessage(n, at, listTooFull));
    result.Outcome = AutoSetOutcome::NoRoom;
    return result;
  }

  prompter_.ShowMessage(kCheckAddedMessage);
  closed_ = true;
  result.Outcome = AutoSetOutcome::Added;
  result.Place = at;
  result.Count = n;
  return result;
}

}  // namespace arvex

#include "cutting/cuttingconditions.h"

#include "cutting/operationnamerules.h"
#include "cutting/unitconversion.h"
#include "machine/machinedefinition.h"
#include "platform/numtext.h"
#include "platform/prompter.h"
#include "platform/textinput.h"
#include "workspace.h"

#include <cmath>
#include <optional>

namespace arvex {

namespace {

// ---- assignments that skip on overflow ----------------------------------------
// The classic arithmetic raised an error instead of storing a value that does
// not fit; the handlers went on with the next statement. Each helper stores
// the value when it fits and returns whether it did.

bool AssignDouble(double& target, double value) {
  if (!std::isfinite(value)) return false;
  target = value;
  return true;
}

bool AssignSingle(float& target, double value) {
  if (!FitsSingle(value)) return false;
  target = static_cast<float>(value);
  return true;
}

bool AssignLong(std::int32_t& target, double value) {
  const std::optional<std::int32_t> v = ToInt32(value);
  if (!v) return false;
  target = *v;
  return true;
}

bool AssignInteger(std::int16_t& target, double value) {
  const std::optional<std::int16_t> v = ToInt16(value);
  if (!v) return false;
  target = *v;
  return true;
}

QString PlainNumber(double value) { return NumberText(value); }

// Field 2 shows the spindle speed as a whole number without a leading blank.
QString SpindleSpeedText(std::int32_t n) { return NumberText(static_cast<double>(n)); }

struct Captions {
  const char16_t* Inch;
  const char16_t* Metric;
};

constexpr std::array<Captions, kCuttingFieldCount> kCaptions = {{
    {u"&Diameter: =", u"&Diameter: ="},
    {u"&SFM: =", u"&SMM(MM):="},
    {u"&RPM: =", u"&RPM: ="},
    {u"&Feed IPR or TPI: =", u"&Feed MMPR(MM):="},
    {u"Feed IP&M: =", u"Feed MMP&M(MM):="},
    {u"Cutting &Length: =", u"Cutting &Length(MM):="},
    {u"&Extra Rapids: =", u"&Extra Rapids: ="},
    {u"Spindle &Indexes: =", u"Spindle &Indexes: ="},
    {u"# of 1 sec. d&wells: =", u"# of 1 sec. d&wells: ="},
    {u"Other: Description      seconds", u"Other: Description      seconds"},
    {u"", u""},
    {u"Feed IP&T/#Teeth: =", u"MMP&T/#Teeth(MM):="},
    {u"", u""},
}};

bool ValidField(int field) { return field >= 0 && field < kCuttingFieldCount; }

UnitKind FieldUnitKind(int field) {
  switch (field) {
    case kDiameterField:
    case kFeedPerRevField:
    case kFeedPerMinuteField:
    case kCutLengthField:
      return UnitKind::Length;
    case kSurfaceSpeedField:
      return UnitKind::SurfaceSpeed;
    default:
      return UnitKind::None;
  }
}

}  // namespace

QString CuttingFieldCaption(int field, bool metric) {
  if (!ValidField(field)) return QString();
  const Captions& c = kCaptions[static_cast<size_t>(field)];
  return QString::fromUtf16(metric ? c.Metric : c.Inch);
}

QString CutTimeLabelText(double cutTime, const QString& format) {
  return QStringLiteral("Cut Time= ") + Format(cutTime, format) + QStringLiteral(" seconds");
}

StudyChange OperationEdit(int spindle, int number, const QString& field) {
  StudyChange change;
  change.Label = QStringLiteral("Edit Operation ") + QString::number(number);
  if (!field.isEmpty())
    change.MergeKey = QStringLiteral("cut:%1:%2:").arg(spindle).arg(number) + field;
  return change;
}

QString SpindleSpeedLimitQuestion(std::int16_t limit) {
  return QStringLiteral("The RPM is over the max of") + Str(limit) +
         QStringLiteral(". Do you want to go over the max?");
}

CuttingConditionsForm::CuttingConditionsForm(Workspace& workspace, Prompter& prompter, int spindle)
    : ws_(workspace), prompter_(prompter), spindle_(spindle == kSubSpindle ? kSubSpindle : kMainSpindle) {}

bool CuttingConditionsForm::Metric() const { return ws_.Study.Header.IsMetric(); }

Operation* CuttingConditionsForm::CurrentOperation() {
  if (opNumber_ < 1 || opNumber_ > kMaxOperations) return nullptr;
  return &ws_.Study.Op(spindle_, opNumber_);
}

const Operation* CuttingConditionsForm::CurrentOperation() const {
  if (opNumber_ < 1 || opNumber_ > kMaxOperations) return nullptr;
  return &ws_.Study.Op(spindle_, opNumber_);
}

void CuttingConditionsForm::Show(int field, const QString& text) {
  auto& current = texts_[static_cast<size_t>(field)];
  if (current == text) return;
  current = text;
  // A text set by the program puts the caret at the start, as a text box does.
  selections_[static_cast<size_t>(field)] = TextSelection{};
}

void CuttingConditionsForm::Edit(const QString& mergeField, const std::function<void()>& work) {
  // A routine called inside another event's edit is part of that edit.
  if (editing_ || !CurrentOperation()) {
    work();
    return;
  }
  editing_ = true;
  const int n = opNumber_;
  ws_.Changes.Apply(ws_.Study, OperationEdit(spindle_, n, mergeField), [&](TimeStudy& st) {
    const Operation before = st.Op(spindle_, n);
    work();
    return !(st.Op(spindle_, n) == before);
  });
  editing_ = false;
}

void CuttingConditionsForm::SelectOperation(int number) {
  opNumber_ = (number >= 1 && number <= kMaxOperations) ? number : 0;
  const Operation blank;
  const Operation& op = opNumber_ ? ws_.Study.Op(spindle_, opNumber_) : blank;
  Show(kDiameterField, PlainNumber(op.Diameter));
  Show(kSurfaceSpeedField, PlainNumber(op.SFM));
  Show(kSpindleSpeedField, PlainNumber(op.RPM));
  Show(kFeedPerRevField, PlainNumber(op.IPR));
  Show(kFeedPerMinuteField, PlainNumber(op.IPM));
  Show(kCutLengthField, PlainNumber(op.CutLength));
  Show(kExtraRapidsField, PlainNumber(op.ExtraRapids));
  Show(kSpindleIndexesField, PlainNumber(op.SpindleIndexes));
  Show(kDwellsField, PlainNumber(op.Dwells));
  Show(kOtherDescField, op.OtherDesc);
  Show(kOtherSecondsField, PlainNumber(op.OtherSeconds));
  Show(kFeedPerToothField, PlainNumber(op.IPT));
  Show(kTeethField, PlainNumber(op.Teeth));
  selections_.fill(TextSelection{});
  opNameText_ = op.OpName;
  cutTimeText_ = CutTimeLabelText(op.CutTime, kLoadedCutTimeFormat);
}

const QString& CuttingConditionsForm::FieldText(int field) const {
  static const QString kNone;
  return ValidField(field) ? texts_[static_cast<size_t>(field)] : kNone;
}

TextSelection CuttingConditionsForm::Selection(int field) const {
  return ValidField(field) ? selections_[static_cast<size_t>(field)] : TextSelection{};
}

QString CuttingConditionsForm::FieldCaption(int field) const { return CuttingFieldCaption(field, Metric()); }

const QString& CuttingConditionsForm::NoteText() const { return ws_.LastCalcText; }

bool CuttingConditionsForm::IsTabStop(int field) const {
  if (field == kFeedPerMinuteField || field == kFeedPerToothField || field == kTeethField) return IsLive();
  return ValidField(field);
}

bool CuttingConditionsForm::SetOperationNameText(const QString& text) {
  if (RefuseDoubleQuote(text, prompter_)) return false;
  opNameText_ = text;
  return true;
}

bool CuttingConditionsForm::IsLive() const { return IsLiveOperationName(opNameText_); }

// ---- events -----------------------------------------------------------------

bool CuttingConditionsForm::SetFieldText(int field, const QString& text) {
  if (!ValidField(field)) return false;
  if (RefuseDoubleQuote(text, prompter_)) return false;
  Show(field, text);
  // The user's caret stays where the typing left it: after the text.
  selections_[static_cast<size_t>(field)] = TextSelection{static_cast<int>(text.size()), 0};
  return true;
}

void CuttingConditionsForm::GotFocus(int field) {
  if (!ValidField(field)) return;
  selections_[static_cast<size_t>(field)] =
      TextSelection{0, static_cast<int>(texts_[static_cast<size_t>(field)].size())};
  if (field == kCutLengthField) formulaHintVisible_ = true;
}

bool CuttingConditionsForm::KeyPress(int field, QChar typed) {
  if (RefuseDoubleQuote(typed, prompter_)) return true;
  return ConvertFieldUnits(field, typed);
}

void CuttingConditionsForm::KeyUp(int field, int keyCode) { RecalculateCuttingConditions(field, keyCode); }

void CuttingConditionsForm::LostFocus(int field) { CommitField(field); }

void CuttingConditionsForm::RecalculateCuttingConditions(int field, int keyCode) {
  if (!ValidField(field)) return;
  Edit(QString::number(field), [&] { Recalculate(field, keyCode); });
}

void CuttingConditionsForm::CommitField(int field) {
  if (!ValidField(field)) return;
  Edit(QString::number(field), [&] { Commit(field); });
}

// ---- the routines ---------------------------------------------------------------

void CuttingConditionsForm::EvaluateLengthFormula(bool enter) {
  // Errors inside the evaluation are ignored: the evaluator answers 0.
  QString formula = texts_[kCutLengthField];
  formula.replace(u',', u'.');
  double value = evaluator_.Evaluate(formula);
  if (!std::isfinite(value)) value = 0;
  if (enter) {
    Show(kCutLengthField, Format(value, kFormulaResultFormat));
    selections_[kCutLengthField] = TextSelection{static_cast<int>(texts_[kCutLengthField].size()), 0};
  } else {
    Show(kCutLengthField, PlainNumber(value));
  }
}

void CuttingConditionsForm::Recalculate(int field, int keyCode) {
  if (field == kCutLengthField && keyCode == kEnterKeyCode) EvaluateLengthFormula(true);

  // Working values; a text whose value does not fit its type reads as 0.
  const double D = ParseNumber(texts_[kDiameterField]);
  double S = ParseNumber(texts_[kSurfaceSpeedField]);
  std::int32_t N = 0;
  AssignLong(N, ParseNumber(texts_[kSpindleSpeedField]));
  float f = 0;
  AssignSingle(f, ParseNumber(texts_[kFeedPerRevField]));
  float F = 0;
  AssignSingle(F, ParseNumber(texts_[kFeedPerMinuteField]));
  float fz = 0;
  AssignSingle(fz, ParseNumber(texts_[kFeedPerToothField]));
  std::int16_t z = 0;
  AssignInteger(z, ParseNumber(texts_[kTeethField]));
  const double K = Metric() ? 1000.0 : 12.0;
  const bool live = IsLive();

  auto surfaceSpeedFrom = [&](std::int32_t n) { return kSurfaceSpeedPi * D * n / K; };
  auto showSurfaceSpeed = [&] { Show(kSurfaceSpeedField, Format(S, kSurfaceSpeedFormat)); };
  // The surface speed is worked out again from the spindle speed and shown.
  auto surfaceSpeedFollows = [&] {
    AssignDouble(S, surfaceSpeedFrom(N));
    showSurfaceSpeed();
  };
  auto showFeedPerTooth = [&] {
    if (live && z >= 1 && AssignSingle(fz, static_cast<double>(f) / z))
      Show(kFeedPerToothField, Format(fz, kFeedFormat));
  };

  switch (field) {
    case kDiameterField:
      if (D <= 0 || S <= 0) {
        if (D > 0 && N >= 1) surfaceSpeedFollows();
      } else {
        AssignLong(N, std::floor(K * S / (kSurfaceSpeedPi * D)));
        if (N > kMaxComputedRpm) {
          N = kMaxComputedRpm;
          surfaceSpeedFollows();
        }
        const std::int32_t before = N;
        CheckSpindleSpeedLimit(N);
        if (N < before && N >= 1) surfaceSpeedFollows();
        Show(kSpindleSpeedField, SpindleSpeedText(N));
      }
      break;

    case kSurfaceSpeedField: {
      // The field keeps what was typed; the speed is worked out from 2000.
      if (S > kMaxSurfaceSpeed) S = kMaxSurfaceSpeed;
      if (D > 0 && S > 0) AssignLong(N, std::floor(K * S / (kSurfaceSpeedPi * D)));
      const std::int32_t before = N;
      CheckSpindleSpeedLimit(N);
      if (N < before && D > 0 && N >= 1) {
        surfaceSpeedFollows();
        selections_[kSurfaceSpeedField] = TextSelection{0, static_cast<int>(texts_[kSurfaceSpeedField].size())};
      }
      Show(kSpindleSpeedField, SpindleSpeedText(N));
      break;
    }

    case kSpindleSpeedField:
      if (D > 0 && N >= 1) {
        const std::int32_t before = N;
        CheckSpindleSpeedLimit(N);
        if (N < before) Show(kSpindleSpeedField, SpindleSpeedText(N));
        // A surface speed that cannot be worked out ends the recalculation.
        if (!AssignDouble(S, surfaceSpeedFrom(N))) return;
      }
      showSurfaceSpeed();
      break;

    case kFeedPerRevField:
      showFeedPerTooth();
      break;

    case kFeedPerMinuteField:
      if (N > 0) AssignSingle(f, static_cast<double>(F) / N);
      showFeedPerTooth();
      Show(kFeedPerRevField, Format(f, kFeedFormat));
      break;

    case kFeedPerToothField:
    case kTeethField:
      if (live && AssignSingle(f, static_cast<double>(fz) * z)) Show(kFeedPerRevField, Format(f, kFeedFormat));
      break;

    default:
      break;
  }

  if (field != kFeedPerMinuteField && f > 0 && N >= 1) {
    if (AssignSingle(F, static_cast<double>(f) * N)) Show(kFeedPerMinuteField, Format(F, kFeedPerMinuteFormat));
  }

  CommitAll();
  UpdateCutTime();
}

void CuttingConditionsForm::StoreField(Operation& op, int field) const {
  const QString& text = texts_[static_cast<size_t>(field)];
  const double value = ParseNumber(text);
  switch (field) {
    case kDiameterField: AssignDouble(op.Diameter, value); break;
    case kSurfaceSpeedField: AssignInteger(op.SFM, value); break;
    case kSpindleSpeedField: AssignInteger(op.RPM, value); break;
    case kFeedPerRevField: AssignDouble(op.IPR, value); break;
    case kFeedPerMinuteField: AssignDouble(op.IPM, value); break;
    case kCutLengthField: AssignDouble(op.CutLength, value); break;
    case kExtraRapidsField: AssignInteger(op.ExtraRapids, value); break;
    case kSpindleIndexesField: AssignInteger(op.SpindleIndexes, value); break;
    case kDwellsField: AssignInteger(op.Dwells, value); break;
    case kOtherDescField: op.OtherDesc = text; break;
    case kOtherSecondsField: AssignInteger(op.OtherSeconds, value); break;
    case kFeedPerToothField: AssignDouble(op.IPT, value); break;
    case kTeethField: AssignInteger(op.Teeth, value); break;
    default: break;
  }
}

void CuttingConditionsForm::CommitAll() {
  Operation* op = CurrentOperation();
  if (!op) return;
  for (int field = 0; field < kCuttingFieldCount; ++field) StoreField(*op, field);
}

void CuttingConditionsForm::UpdateCutTime() {
  Operation* op = CurrentOperation();
  if (!op) return;
  AssignDouble(op->CutTime, CutTimeOf(op->CutLength, op->IPM));
  cutTimeText_ = CutTimeLabelText(op->CutTime);
}

void CuttingConditionsForm::Commit(int field) {
  if (field == kCutLengthField) {
    EvaluateLengthFormula(false);
    formulaHintVisible_ = false;
  }
  if (Operation* op = CurrentOperation()) StoreField(*op, field);
  if (field == kFeedPerRevField) {
    // A feed of 1 or more is a thread count per inch: the pitch is its inverse.
    const double value = ParseNumber(texts_[kFeedPerRevField]);
    if (value >= 1) {
      const double pitch = 1.0 / value;
      Show(kFeedPerRevField, Format(pitch, kSurfaceSpeedFormat));
      // The recalculation stores the pitch as shown and follows it through.
      Recalculate(kFeedPerRevField, 0);
    }
  }
  UpdateCutTime();
}

bool CuttingConditionsForm::ConvertFieldUnits(int field, QChar key) {
  if (field < kDiameterField || field > kCutLengthField) return false;
  const std::optional<UnitDirection> direction = UnitConversionKey(key);
  if (!direction) return false;
  Show(field, ConvertUnitsText(texts_[static_cast<size_t>(field)], FieldUnitKind(field), *direction));
  return true;
}

std::int16_t CuttingConditionsForm::SpindleSpeedLimit() const {
  const MachineDefinition& machine = ws_.Machine;
  const Operation* op = CurrentOperation();
  const bool live = op && IsLiveOperationName(op->OpName);
  const int post = op ? FindToolPost(machine, op->ToolNo, spindle_) : kNoPost;
  if (const int n = LiveSpindleOfPost(post); live && n != 0) return machine.LiveSpindle(n).MaxSplSpeed;
  return spindle_ == kSubSpindle ? machine.SubSpindle.MaxSplSpeed : machine.MainSpindle.MaxSplSpeed;
}

void CuttingConditionsForm::CheckSpindleSpeedLimit(std::int32_t& n) {
  const std::int16_t limit = SpindleSpeedLimit();
  if (n <= limit) return;
  const Answer answer =
      prompter_.Ask(SpindleSpeedLimitQuestion(limit), kProgramTitle, Buttons::YesNo, Answer::No, MessageIcon::None);
  if (answer != Answer::Yes) n = limit;
}

void CuttingConditionsForm::SurfaceFinishFeed() {
  // The answers are asked before the edit starts: a cancelled question
  // leaves the operation and the fields as they were.
  const std::optional<QString> rmsText = prompter_.AskText(kRmsQuestion);
  if (!rmsText) return;
  const std::optional<QString> radiusText = prompter_.AskText(kNoseRadiusQuestion);
  if (!radiusText) return;
  // An RMS beyond the 16-bit range is rejected like 0.
  const std::int16_t rms = ToInt16Or(ParseNumber(*rmsText), 0);
  const double radius = ParseNumber(*radiusText);
  if (rms <= 0 || !(radius > 0)) {
    prompter_.ShowMessage(kRmsMissingMessage);
    return;
  }
  const double feed = std::sqrt(rms * radius * 20.0) / 1000.0;
  const QString text = Format(feed, kConvertedFormat);
  ws_.LastCalcText = QStringLiteral("Feed= ") + text;
  // The feed shown is the operation's feed: store it and let the feed per
  // minute, the feed per tooth and the cut time follow, as a step of its own.
  Edit(QString(), [&] {
    Show(kFeedPerRevField, text);
    Recalculate(kFeedPerRevField, 0);
  });
}

}  // namespace arvex

#include "document/rvxfile.h"

#include "document/timestudy.h"
#include "machine/machinefile.h"
#include "platform/itemreader.h"
#include "platform/numtext.h"
#include "platform/prompter.h"
#include "platform/textfile.h"
#include "workspace.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

namespace arvex {

namespace {

// Format versions that changed the layout.
constexpr double kFirstVersionWithSyncLines = 108;  // and IPT, Teeth on every operation
constexpr double kFirstVersionWithMetric = 116;
// A sync value names a place 1..101 (count + 1 is "after the last
// operation"); 0 marks an unused entry.
constexpr int kMaxSyncValue = kMaxOperations + 1;
// The largest count a 16-bit count item can state.
constexpr int kMaxCountItem = 32767;

QString IntText(int v) { return Str(v).trimmed(); }

// ---- Reading ----------------------------------------------------------------

class FieldReader {
 public:
  explicit FieldReader(const QString& text) : reader_(text) {}

  bool AtEnd() const { return reader_.AtEnd(); }
  // Whether a read found the end of the text: the file ended early.
  bool RanOut() const { return ranOut_; }
  bool ReadLine(QString* line) { return Note(reader_.ReadLine(line)); }

  // Each Read returns false at the end of the text; the target keeps its
  // value then, and when the item does not fit the target.
  bool Text(QString* target) { return Note(reader_.ReadItem(target)); }
  bool Double(double* target) {
    QString item;
    if (!Note(reader_.ReadItem(&item))) return false;
    double v = 0;
    if (ValChecked(item, &v)) *target = v;
    return true;
  }
  bool Integer(std::int16_t* target) {
    QString item;
    if (!Note(reader_.ReadItem(&item))) return false;
    double v = 0;
    if (!ValChecked(item, &v)) return true;
    if (const auto i = ToInt16(v)) *target = *i;
    return true;
  }
  // A count of lines that follow: negative reads as 0, beyond 16 bits as
  // the largest 16-bit count (the reading stops at the end of the text).
  int Count() {
    QString item;
    if (!Note(reader_.ReadItem(&item))) return 0;
    double v = 0;
    if (!ValChecked(item, &v)) return kMaxCountItem;
    v = RoundHalfEven(v);
    if (v <= 0) return 0;
    return v >= kMaxCountItem ? kMaxCountItem : static_cast<int>(v);
  }

 private:
  bool Note(bool read) {
    if (!read) ranOut_ = true;
    return read;
  }

  ItemReader reader_;
  bool ranOut_ = false;
};

// Reads one operation line (14 items before version 108, 16 from then on).
// Returns whether any item was there.
bool ReadOperation(FieldReader& in, bool withMilling, Operation* op) {
  bool any = false;
  auto step = [&](bool ok) {
    any = any || ok;
    return ok;
  };
  step(in.Text(&op->ToolNo)) && step(in.Text(&op->OpName)) && step(in.Text(&op->ToolHolder)) &&
      step(in.Double(&op->Diameter)) && step(in.Integer(&op->SFM)) && step(in.Integer(&op->RPM)) &&
      step(in.Double(&op->IPR)) && step(in.Double(&op->IPM)) && step(in.Double(&op->CutLength)) &&
      step(in.Integer(&op->ExtraRapids)) && step(in.Integer(&op->SpindleIndexes)) &&
      step(in.Integer(&op->Dwells)) && step(in.Text(&op->OtherDesc)) && step(in.Integer(&op->OtherSeconds)) &&
      withMilling && step(in.Double(&op->IPT)) && step(in.Integer(&op->Teeth));
  return any;
}

// Reads `count` operation lines into places 1..100 of a list; lines beyond
// place 100 are read past so that what follows is read from its place.
// Returns the number of operations read past.
int ReadOperationList(FieldReader& in, int count, bool withMilling, TimeStudy* study, int spindle) {
  int dropped = 0;
  for (int i = 1; i <= count && !in.AtEnd(); ++i) {
    if (i <= kMaxOperations) {
      Operation& op = study->Op(spindle, i);
      ReadOperation(in, withMilling, &op);
      op.UpdateCutTime();
    } else {
      Operation scratch;
      if (ReadOperation(in, withMilling, &scratch)) ++dropped;
    }
  }
  return dropped;
}

// The sync table as read, before it is checked: values as numbers, so that
// one too large for a 16-bit entry is seen as outside the lists too.
using RawSyncs = std::array<std::array<double, kMaxSyncs + 2>, 3>;

// The sync line: "v1,v2,...,0" split at every comma; fields 1..30 count. A
// value that overflows reads as outside the lists.
void ReadSyncLine(FieldReader& in, RawSyncs* raw, int side) {
  QString line;
  if (!in.ReadLine(&line)) return;
  const QStringList fields = line.split(u',');
  for (int k = 1; k <= kMaxSyncs && k <= fields.size(); ++k) {
    double v = 0;
    (*raw)[static_cast<size_t>(side)][static_cast<size_t>(k)] = ValChecked(fields[k - 1], &v) ? v : -1;
  }
}

// Stores the sync entries whose main and sub values both lie in 0..101 and
// leaves out the others, moving the later entries up so that the table
// stays packed. Returns how many were left out.
int StoreSyncs(const RawSyncs& raw, TimeStudy* study) {
  study->ClearSyncs();
  int kept = 0;
  int dropped = 0;
  for (size_t k = 1; k <= kMaxSyncs; ++k) {
    const double main = RoundHalfEven(raw[kMainSpindle][k]);
    const double sub = RoundHalfEven(raw[kSubSpindle][k]);
    if (!(main >= 0 && main <= kMaxSyncValue && sub >= 0 && sub <= kMaxSyncValue)) {
      ++dropped;
      continue;
    }
    ++kept;
    study->Sync(kMainSpindle, kept) = static_cast<std::int16_t>(main);
    study->Sync(kSubSpindle, kept) = static_cast<std::int16_t>(sub);
  }
  return dropped;
}

double FormatVersionOf(const QString& versionText) {
  const qsizetype at = versionText.indexOf(QStringLiteral("-v"), 0, Qt::CaseInsensitive);
  if (at < 0) return 0;
  return Val(QStringView(versionText).mid(at + 2));
}

// ---- Writing ----------------------------------------------------------------

QString TextItem(const QString& text) { return u'"' + text + u'"'; }
QString IntegerItem(std::int16_t v) { return IntText(v); }
QString DoubleItem(double v) { return ExactNumberText(v); }

QString OperationLine(const Operation& op) {
  const QStringList items = {
      TextItem(op.ToolNo),          TextItem(op.OpName),           TextItem(op.ToolHolder),
      DoubleItem(op.Diameter),      IntegerItem(op.SFM),           IntegerItem(op.RPM),
      DoubleItem(op.IPR),           DoubleItem(op.IPM),            DoubleItem(op.CutLength),
      IntegerItem(op.ExtraRapids),  IntegerItem(op.SpindleIndexes), IntegerItem(op.Dwells),
      TextItem(op.OtherDesc),       IntegerItem(op.OtherSeconds),  DoubleItem(op.IPT),
      IntegerItem(op.Teeth)};
  return items.join(u',');
}

// Values up to the first 0 of the column, then that 0 (entry 31 when all 30
// are used).
QString SyncLine(const TimeStudy& study, int side) {
  QString line;
  int k = 1;
  for (; k <= kMaxSyncs && study.Sync(side, k) != 0; ++k) line += IntText(study.Sync(side, k)) + u',';
  line += IntText(k <= kMaxSyncs ? study.Sync(side, k) : 0);
  return line;
}

// Every stored text of the study with a name the user recognises.
void ForEachStoredText(const TimeStudy& study, const std::function<void(const QString&, const QString&)>& visit) {
  const TimeStudyHeader& h = study.Header;
  visit(QStringLiteral("the machine name"), h.MachineName);
  visit(QStringLiteral("the customer"), h.Customer);
  visit(QStringLiteral("the engineer"), h.Engineer);
  visit(QStringLiteral("the part name"), h.PartName);
  visit(QStringLiteral("the part number"), h.PartNo);
  visit(QStringLiteral("the material"), h.Material);
  visit(QStringLiteral("the material size"), h.MaterialSize);
  visit(QStringLiteral("the material shape"), h.MaterialShape);
  visit(QStringLiteral("the part length"), h.PartLength);
  visit(QStringLiteral("the notes text"), h.Notes);
  for (int spindle : {kMainSpindle, kSubSpindle}) {
    const QString list = spindle == kMainSpindle ? QStringLiteral("main") : QStringLiteral("sub");
    const int last = study.LastUsedPlace(spindle);
    for (int i = 1; i <= last; ++i) {
      const Operation& op = study.Op(spindle, i);
      const QString where = QStringLiteral(" of ") + list + QStringLiteral(" operation ") + IntText(i);
      visit(QStringLiteral("the tool") + where, op.ToolNo);
      visit(QStringLiteral("the description") + where, op.OpName);
      visit(QStringLiteral("the tool holder") + where, op.ToolHolder);
      visit(QStringLiteral("the other item") + where, op.OtherDesc);
    }
  }
}

// ---- Messages ---------------------------------------------------------------

QString RetryQuestion(const FileError& error) {
  return QStringLiteral("Error #") + IntText(error.Number) + QStringLiteral(" - ") + error.Description +
         QStringLiteral(" - ") + IntText(error.HelpContext) + QStringLiteral("\r\n Do you want to try again?");
}

// Asks the retry question; true when the user wants to try again.
bool AskRetry(Prompter& prompter, const FileError& error) {
  return prompter.Ask(RetryQuestion(error), error.Description, Buttons::YesNo, Answer::No, MessageIcon::Critical) ==
         Answer::Yes;
}

QString DroppedOperationsMessage(const QString& path, const TimeStudyParseReport& report) {
  QStringList parts;
  if (report.MainOperationsDropped > 0)
    parts << IntText(report.MainOperationsDropped) + QStringLiteral(" of the main spindle");
  if (report.SubOperationsDropped > 0)
    parts << IntText(report.SubOperationsDropped) + QStringLiteral(" of the sub spindle");
  const int n = report.OperationsDropped();
  return QStringLiteral("The file ") + path + QStringLiteral(" holds more operations than a list can take (") +
         IntText(kMaxOperations) + QStringLiteral("). ") + IntText(n) +
         (n == 1 ? QStringLiteral(" operation was") : QStringLiteral(" operations were")) +
         QStringLiteral(" not loaded (") + parts.join(QStringLiteral(", ")) +
         QStringLiteral("). Saving over this file would lose them: save the study under another name.");
}

QString DroppedSyncsMessage(const QString& path, int n) {
  return QStringLiteral("The file ") + path + QStringLiteral(" holds ") + IntText(n) +
         (n == 1 ? QStringLiteral(" sync that points") : QStringLiteral(" syncs that point")) +
         QStringLiteral(" outside the operation lists; ") + (n == 1 ? QStringLiteral("it was") : QStringLiteral("they were")) +
         QStringLiteral(" left out. Please check the sync list.");
}

}  // namespace

int CurrentRvxFormatVersion() {
  return static_cast<int>(Val(QStringView(RvxVersionText()).mid(5)));
}

QString RvxVersionText() {
  // The major, minor and revision numbers one after another: 1.1.9 is 119.
  return QStringLiteral("RVX-v") + IntText(ARVEX_VERSION_MAJOR) + IntText(ARVEX_VERSION_MINOR) +
         IntText(ARVEX_VERSION_PATCH);
}

TimeStudyParseReport ParseTimeStudyText(const QString& text, TimeStudy* study) {
  TimeStudyParseReport report;
  FieldReader in(text);
  TimeStudyHeader& h = study->Header;

  QString versionText;
  in.Text(&versionText);
  in.Text(&h.MachineName);
  in.Integer(&h.SubSpindleUsed);
  in.Integer(&h.PartsCatcherUsed);
  in.Integer(&h.LegacySubStart);
  in.Integer(&h.LegacySubEnd);
  in.Text(&h.Customer);
  in.Text(&h.Engineer);
  in.Text(&h.PartName);
  in.Text(&h.PartNo);
  in.Text(&h.Material);
  in.Text(&h.MaterialSize);
  in.Text(&h.MaterialShape);
  in.Text(&h.PartLength);
  in.Text(&h.Notes);
  report.FormatVersion = FormatVersionOf(versionText);
  if (report.FormatVersion >= kFirstVersionWithMetric) in.Integer(&h.Metric);

  study->ClearOperations();
  const bool withMilling = report.FormatVersion >= kFirstVersionWithSyncLines;
  report.MainCountInFile = in.Count();
  report.MainOperationsDropped = ReadOperationList(in, report.MainCountInFile, withMilling, study, kMainSpindle);
  report.SubCountInFile = in.Count();
  report.SubOperationsDropped = ReadOperationList(in, report.SubCountInFile, withMilling, study, kSubSpindle);

  RawSyncs raw{};
  if (report.FormatVersion >= kFirstVersionWithSyncLines) {
    ReadSyncLine(in, &raw, kMainSpindle);
    ReadSyncLine(in, &raw, kSubSpindle);
  }

  // Old files knew one stretch of main operations during which the sub
  // spindle ran: a sync before its first main operation and one after its
  // last, at the start and the end of the sub list.
  if (h.LegacySubStart >= 1) {
    raw[kMainSpindle][1] = h.LegacySubStart;
    raw[kMainSpindle][2] = h.LegacySubEnd + 1.0;
    raw[kSubSpindle][1] = 1;
    raw[kSubSpindle][2] = std::min(report.SubCountInFile, kMaxOperations) + 1;
    h.LegacySubStart = 0;
    h.LegacySubEnd = 0;
  }
  report.SyncsDropped = StoreSyncs(raw, study);
  report.EndedEarly = in.RanOut();

  study->RecountOps();
  study->Dirty = false;
  return report;
}

TimeStudyParseReport ParseTimeStudy(const QByteArray& bytes, TimeStudy* study) {
  return ParseTimeStudyText(DecodeWindows1252(bytes), study);
}

QString TimeStudyText(const TimeStudy& study) {
  const TimeStudyHeader& h = study.Header;
  QStringList lines;
  lines << QStringList{TextItem(RvxVersionText()), TextItem(h.MachineName), IntegerItem(h.SubSpindleUsed),
                       IntegerItem(h.PartsCatcherUsed), IntegerItem(h.LegacySubStart), IntegerItem(h.LegacySubEnd),
                       TextItem(h.Customer), TextItem(h.Engineer), TextItem(h.PartName), TextItem(h.PartNo),
                       TextItem(h.Material), TextItem(h.MaterialSize), TextItem(h.MaterialShape),
                       TextItem(h.PartLength), TextItem(h.Notes), IntegerItem(h.Metric)}
               .join(u',');
  for (int spindle : {kMainSpindle, kSubSpindle}) {
    const int count = study.LastUsedPlace(spindle);
    lines << IntText(count);
    for (int i = 1; i <= count; ++i) lines << OperationLine(study.Op(spindle, i));
  }
  lines << SyncLine(study, kMainSpindle) << SyncLine(study, kSubSpindle);
  QString text;
  for (const QString& line : lines) text += line + QStringLiteral("\r\n");
  return text;
}

QString TimeStudyStorageProblem(const TimeStudy& study) {
  QStringList problems;
  ForEachStoredText(study, [&](const QString& name, const QString& text) {
    QString bad;
    if (text.contains(u'"')) bad += u'"';
    QByteArray bytes;
    QString unencodable;
    if (!EncodeWindows1252(text, &bytes, &unencodable)) bad += unencodable;
    if (bad.isEmpty()) return;
    problems << name + QStringLiteral(" holds ") + NameCharacters(bad);
  });
  if (problems.isEmpty()) return {};
  return QStringLiteral("The time study was not saved: a time-study file cannot store double quotes or "
                        "characters outside Windows-1252, and ") +
         problems.join(QStringLiteral("; ")) + QStringLiteral(". Replace them and save again.");
}

bool SerializeTimeStudy(const TimeStudy& study, QByteArray* bytes, QString* problem) {
  const QString found = TimeStudyStorageProblem(study);
  if (problem) *problem = found;
  if (!found.isEmpty()) return false;
  return EncodeWindows1252(TimeStudyText(study), bytes, nullptr);
}

TimeStudyReadResult ReadTimeStudy(Workspace& ws, const QString& path, Prompter& prompter) {
  TimeStudyReadResult result;
  QByteArray bytes;
  while (true) {
    FileError error;
    if (ReadFileBytes(path, &bytes, &error)) break;
    if (!AskRetry(prompter, error)) return result;
  }
  const TimeStudyParseReport report = ParseTimeStudy(bytes, &ws.Study);
  result.FileRead = true;
  result.OperationsDropped = report.OperationsDropped();
  result.SyncsDropped = report.SyncsDropped;
  result.FormatVersion = report.FormatVersion;
  if (report.OperationsDropped() > 0)
    prompter.ShowMessage(DroppedOperationsMessage(path, report), kProgramTitle, MessageIcon::Exclamation);
  if (report.SyncsDropped > 0)
    prompter.ShowMessage(DroppedSyncsMessage(path, report.SyncsDropped), kProgramTitle, MessageIcon::Exclamation);
  if (report.EndedEarly)
    prompter.ShowMessage(QStringLiteral("The file ") + path +
                             QStringLiteral(" ends before the whole time study: the study holds what could be read "
                                            "and the rest is blank. Please check it before you save it."),
                         kProgramTitle, MessageIcon::Exclamation);
  result.MachineLoaded = LoadMachineDefinition(ws, ws.Study.Header.MachineName, prompter);
  return result;
}

bool WriteTimeStudy(TimeStudy& study, const QString& path, Prompter& prompter) {
  study.RecountOps();
  const QString problem = TimeStudyStorageProblem(study);
  if (!problem.isEmpty()) {
    prompter.ShowMessage(problem, kProgramTitle, MessageIcon::Exclamation);
    return false;
  }
  const QString text = TimeStudyText(study);
  while (true) {
    FileError error;
    if (WriteTextFileAtomically(path, text, &error)) break;
    const bool openFailed = error.Number == 53 || error.Number == 70 || error.Number == 75 || error.Number == 76;
    if (!openFailed) {
      prompter.ShowMessage(error.Description, kProgramTitle, MessageIcon::Exclamation);
      return false;
    }
    if (!AskRetry(prompter, error)) return false;
  }
  study.Dirty = false;
  return true;
}

}  // namespace arvex

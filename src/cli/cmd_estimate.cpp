// arvex estimate [--json] FILE.rvx [FILE.rvx ...]
// arvex estimate [--json] --sample
//
// The cycle time of each study, for batch quoting: reads the file, loads
// its machine from the application folder and runs the spindle comparison.
// Nothing is changed or written: the checks made before printing (with
// their parts-catcher repair) are not run here.
//
// --json writes one object per file and line, in the order given:
//   {"file", "machine", "metric", "mainOpCount", "subOpCount", "syncCount",
//    "mainGroups", "subGroups", "groups": [{"name", "spindle", "first",
//    "last", "cut", "idle", "total", "lines": [[description, value], ...]}],
//    "total", "formula", "setupMinutes"}
// Groups come in the order A, B1, C1, B2, C2, ... D, only those that hold an
// operation. Times are written with the seven digits of a Single. A file
// that cannot be estimated gives {"file", "error"} and the next file
// follows; the exit status is then 1.
//
// Without --json each file gets a readable summary. --sample estimates the
// first *.rvx (by name) of the application folder's samples/ folder.

#include "commands.h"
#include "session/studysession.h"
#include "jsontext.h"

#include "document/rvxfile.h"
#include "engine/comparison.h"
#include "platform/numtext.h"
#include "platform/prompter.h"
#include "terminalprompter.h"
#include "workspace.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace arvex {

namespace {

// Takes the messages of the reader and the machine loader instead of
// showing them, and declines every offer to try again.
class CollectingPrompter : public Prompter {
 public:
  void ShowMessage(const QString& text, const QString&, MessageIcon) override { texts_ << text; }
  Answer Ask(const QString& text, const QString&, Buttons buttons, Answer, MessageIcon) override {
    texts_ << text;
    switch (buttons) {
      case Buttons::Ok: return Answer::Ok;
      case Buttons::YesNo: return Answer::No;
      default: return Answer::Cancel;
    }
  }
  std::optional<QString> AskText(const QString&, const QString&, const QString&) override { return std::nullopt; }
  using Prompter::ChooseFile;
  std::optional<QString> ChooseFile(const FileRequest&) override { return std::nullopt; }

  // The last text as one line, without an offer to try again.
  QString LastText() const {
    if (texts_.isEmpty()) return {};
    QString text = texts_.back();
    const qsizetype retry = text.indexOf(QStringLiteral("Do you want to try again?"));
    if (retry >= 0) text.truncate(retry);
    return TerminalPrompter::OneLine(text);
  }
  void Clear() { texts_.clear(); }

 private:
  QStringList texts_;
};

// ---- JSON text -------------------------------------------------------------------

void AppendJsonNumber(QString& out, float value, ItemTextCache& texts) { out += JsonNumber(texts.SingleText(value)); }
void AppendJsonInt(QString& out, int value) {
  const QString text = Str(value);  // " 12" or "-3"
  out += value >= 0 ? QStringView(text).mid(1) : QStringView(text);
}

void AppendKey(QString& out, const char* key, bool first = false) {
  if (!first) out += u',';
  out += u'"';
  out += QLatin1String(key);
  out += QLatin1String("\":");
}

struct GroupView {
  QString Name;
  int Spindle;
  GroupRange Range;
  float Cut, Idle, Total;
  const ItemLines* Lines;
};

// The groups that hold operations, in the order A, B1, C1, B2, C2 ... D.
QList<GroupView> GroupsOf(const CycleComparison& r) {
  QList<GroupView> groups;
  auto add = [&](const QString& label, int spindle, const GroupRange& range, float cut, float idle, float total,
                 const ItemLines& lines) {
    if (!range.IsEmpty()) groups.append({label.trimmed(), spindle, range, cut, idle, total, &lines});
  };
  add(GroupLabelA(), 1, r.RangeA, r.CutA, r.IdleA, r.TotalA, r.LinesA);
  for (int k = 1; k <= kMaxGroups; ++k) {
    const auto at = static_cast<size_t>(k);
    add(GroupLabelB(k), 1, r.RangeB[at], r.CutB[at], r.IdleB[at], r.TotalB[at], r.LinesB[at]);
    add(GroupLabelC(k), 2, r.RangeC[at], r.CutC[at], r.IdleC[at], r.TotalC[at], r.LinesC[at]);
  }
  add(GroupLabelD(), 1, r.RangeD, r.CutD, r.IdleD, r.TotalD, r.LinesD);
  return groups;
}

void AppendLabels(QString& out, const TimeStudy& st, int spindle) {
  out += u'[';
  for (int i = 1; i <= st.Count(spindle); ++i) {
    if (i > 1) out += u',';
    AppendJsonString(out, st.Op(spindle, i).Group);
  }
  out += u']';
}

QString JsonEstimate(const QString& file, Workspace& ws) {
  const TimeStudy& st = ws.Study;
  const CycleComparison& r = ws.Comparison;
  ItemTextCache& texts = ws.Comparison.Memo.Texts;
  QString out;
  out.reserve(4096);
  out += u'{';
  AppendKey(out, "file", true);
  AppendJsonString(out, file);
  AppendKey(out, "machine");
  AppendJsonString(out, st.Header.MachineName);
  AppendKey(out, "metric");
  out += st.Header.IsMetric() ? QLatin1String("true") : QLatin1String("false");
  AppendKey(out, "mainOpCount");
  AppendJsonInt(out, st.MainOpCount);
  AppendKey(out, "subOpCount");
  AppendJsonInt(out, st.SubOpCount);
  AppendKey(out, "syncCount");
  AppendJsonInt(out, st.SyncCount);
  AppendKey(out, "mainGroups");
  AppendLabels(out, st, kMainSpindle);
  AppendKey(out, "subGroups");
  if (st.Header.SubSpindleUsed != 0) AppendLabels(out, st, kSubSpindle);
  else out += QLatin1String("[]");
  AppendKey(out, "groups");
  out += u'[';
  bool firstGroup = true;
  for (const GroupView& g : GroupsOf(r)) {
    if (!firstGroup) out += u',';
    firstGroup = false;
    out += u'{';
    AppendKey(out, "name", true);
    AppendJsonString(out, g.Name);
    AppendKey(out, "spindle");
    AppendJsonInt(out, g.Spindle);
    AppendKey(out, "first");
    AppendJsonInt(out, g.Range.First);
    AppendKey(out, "last");
    AppendJsonInt(out, g.Range.Last);
    AppendKey(out, "cut");
    AppendJsonNumber(out, g.Cut, texts);
    AppendKey(out, "idle");
    AppendJsonNumber(out, g.Idle, texts);
    AppendKey(out, "total");
    AppendJsonNumber(out, g.Total, texts);
    AppendKey(out, "lines");
    out += u'[';
    bool firstLine = true;
    for (const ItemLine& line : *g.Lines) {
      if (!firstLine) out += u',';
      firstLine = false;
      out += u'[';
      AppendJsonString(out, line.Description);
      out += u',';
      AppendJsonString(out, line.Value);
      out += u']';
    }
    out += QLatin1String("]}");
  }
  out += u']';
  AppendKey(out, "total");
  AppendJsonNumber(out, static_cast<float>(r.Total), texts);
  AppendKey(out, "formula");
  AppendJsonString(out, r.Formula);
  AppendKey(out, "setupMinutes");
  AppendJsonInt(out, r.SetupMinutes);
  out += QLatin1String("}\n");
  return out;
}

QString JsonError(const QString& file, const QString& message) {
  QString out = QStringLiteral("{");
  AppendKey(out, "file", true);
  AppendJsonString(out, file);
  AppendKey(out, "error");
  AppendJsonString(out, message);
  out += QLatin1String("}\n");
  return out;
}

// ---- readable summary ------------------------------------------------------------

QString Seconds(float value) { return Format(value, kTimeFormat); }
QString Column(const QString& text, int width) { return text.rightJustified(width); }

QString TextEstimate(const QString& file, const Workspace& ws) {
  const TimeStudy& st = ws.Study;
  const CycleComparison& r = ws.Comparison;
  const bool subUsed = st.Header.SubSpindleUsed != 0;
  QString out = file + u'\n';
  out += QStringLiteral("  Machine: %1 (%2)\n")
             .arg(st.Header.MachineName, st.Header.IsMetric() ? QStringLiteral("metric") : QStringLiteral("inch"));
  out += QStringLiteral("  Operations: %1 main, %2 sub%3; syncs: %4\n")
             .arg(NumberText(static_cast<double>(st.MainOpCount)), NumberText(static_cast<double>(st.SubOpCount)),
                  subUsed ? QString() : QStringLiteral(" (sub spindle not used)"),
                  NumberText(static_cast<double>(st.SyncCount)));

  constexpr int kW = 9;
  auto cells = [&](bool present, float cut, float idle, float total) {
    if (!present) return QString(3 * kW, u' ');
    return Column(Seconds(cut), kW) + Column(Seconds(idle), kW) + Column(Seconds(total), kW);
  };
  out += QStringLiteral("\n  Group ") + QStringLiteral("  Main spindle (s)").leftJustified(3 * kW) +
         QStringLiteral("  Sub spindle (s)").leftJustified(3 * kW) + QStringLiteral("   Counts\n");
  out += QStringLiteral("        ") + Column(QStringLiteral("cut"), kW) + Column(QStringLiteral("idle"), kW) +
         Column(QStringLiteral("total"), kW) + Column(QStringLiteral("cut"), kW) + Column(QStringLiteral("idle"), kW) +
         Column(QStringLiteral("total"), kW) + u'\n';
  auto row = [&](const QString& name, const QString& main, const QString& sub, const QString& counts) {
    out += QStringLiteral("  ") + name.leftJustified(6) + main + sub + QStringLiteral("   ") + counts;
    while (out.endsWith(u' ')) out.chop(1);
    out += u'\n';
  };
  bool any = false;
  if (!r.RangeA.IsEmpty()) {
    any = true;
    row(QStringLiteral("A"), cells(true, r.CutA, r.IdleA, r.TotalA), cells(false, 0, 0, 0),
        r.TotalA > 0 ? QStringLiteral("A (main)") : QString());
  }
  for (int k = 1; k <= kMaxGroups; ++k) {
    const auto at = static_cast<size_t>(k);
    const bool hasB = !r.RangeB[at].IsEmpty(), hasC = !r.RangeC[at].IsEmpty();
    if (!hasB && !hasC) continue;
    any = true;
    const float b = r.TotalB[at], c = r.TotalC[at];
    QString counts;
    if (b > 0 && b >= c) counts = GroupLabelB(k) + QStringLiteral(" (main)");
    else if (c > 0 && c > b) counts = GroupLabelC(k) + QStringLiteral(" (sub)");
    row(GroupLabelB(k) + u'/' + GroupLabelC(k), cells(hasB, r.CutB[at], r.IdleB[at], b),
        cells(hasC, r.CutC[at], r.IdleC[at], c), counts);
  }
  if (!r.RangeD.IsEmpty()) {
    any = true;
    row(QStringLiteral("D"), cells(true, r.CutD, r.IdleD, r.TotalD), cells(false, 0, 0, 0),
        r.TotalD > 0 ? QStringLiteral("D (main)") : QString());
  }
  if (!any) out += QStringLiteral("  (no operations)\n");
  out += QStringLiteral("\n  Cycle time: ") + Format(r.Total, kTimeFormat) + QStringLiteral(" s ") + r.Formula +
         u'\n';
  out += QStringLiteral("  Approximate setup time:") + Str(r.SetupMinutes) + QStringLiteral(" min.\n");
  return out;
}

// ---- one file -------------------------------------------------------------------

// Reads one study into ws and runs the comparison; the message on failure.
std::optional<QString> Estimate(Workspace& ws, const QString& path, CollectingPrompter& prompter) {
  ws.Study.Clear();
  ws.Machine = MachineDefinition{};
  ws.Comparison.ClearResults();
  prompter.Clear();
  if (!QFileInfo(path).isFile()) return QStringLiteral("the file does not exist");
  const TimeStudyReadResult read = ReadTimeStudy(ws, path, prompter);
  if (!read.FileRead) {
    const QString why = prompter.LastText();
    return why.isEmpty() ? QStringLiteral("the file cannot be read") : why;
  }
  if (!read.MachineLoaded) {
    // Never an estimate on the zero times of a machine that is not there.
    const QString why = prompter.LastText();
    return why.isEmpty() ? QStringLiteral("the machine file of \"") + ws.Study.Header.MachineName +
                               QStringLiteral("\" cannot be loaded")
                         : why;
  }
  if (read.OperationsDropped > 0)
    return QStringLiteral("the file lists %1 operations beyond place 100 of a list; an estimate without them would "
                          "be wrong")
        .arg(read.OperationsDropped);
  GetTime(ws);
  if (ws.Study.MainOpCount == 0 && ws.Study.SubOpCount == 0) {
    // Nothing to compare: an empty estimate, total 0.
    SortSyncs(ws.Study);
    const CycleTotalResult total = CycleTotal(ws.Comparison);
    ws.Comparison.Total = total.Total;
    ws.Comparison.Formula = total.Formula;
  }
  return std::nullopt;
}

struct Worker {
  Workspace Ws;
  CollectingPrompter Prompter;
};

struct FileResult {
  QString Out;    // the JSON line or the summary
  QString Error;  // the message for the error stream (summary form)
  bool Failed = false;
};

FileResult EstimateFile(Worker& w, const QString& file, bool json) {
  FileResult r;
  const std::optional<QString> error = Estimate(w.Ws, file, w.Prompter);
  r.Failed = error.has_value();
  if (json) r.Out = error ? JsonError(file, *error) : JsonEstimate(file, w.Ws);
  else if (error) r.Error = file + QStringLiteral(": ") + *error;
  else r.Out = TextEstimate(file, w.Ws);
  return r;
}


}  // namespace

int RunEstimateCommand(CliContext& ctx) {
  QStringList args = ctx.Args;
  const bool json = TakeFlag(args, QStringLiteral("--json"));
  const bool sample = TakeFlag(args, QStringLiteral("--sample"));
  QStringList files;
  bool onlyFiles = false;
  for (const QString& a : args) {
    if (!onlyFiles && a == QStringLiteral("--")) {
      onlyFiles = true;
    } else if (!onlyFiles && a.startsWith(QStringLiteral("--"))) {
      ctx.Fail(QStringLiteral("estimate: unknown option ") + a + QStringLiteral(" (try --help)"));
      return 2;
    } else {
      files << a;
    }
  }

  Workspace ws;
  if (!ctx.PrepareWorkspace(ws)) return 1;
  if (sample) {
    const QString first = FirstSample(ws.AppFolder);
    if (first.isEmpty()) {
      ctx.Fail(QStringLiteral("no sample study (*.rvx) in ") + ws.AppFolder + QStringLiteral("samples/"));
      return 1;
    }
    files.prepend(first);
  }
  if (files.isEmpty()) {
    ctx.Fail(QStringLiteral("estimate needs at least one FILE.rvx (try --help)"));
    return 2;
  }

  // Files are estimated side by side on the processor's cores, each worker
  // with its own workspace (whose memo serves all its files), and written in
  // the order given, block by block so that a long batch streams.
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  const int workers = files.size() < 16 ? 1 : static_cast<int>(std::min(cores, 4u));
  std::vector<Worker> pool(static_cast<size_t>(workers));
  for (Worker& w : pool) w.Ws.AppFolder = ws.AppFolder;
  const qsizetype block = 32 * workers;
  bool failed = false;
  bool firstSummary = true;
  std::vector<FileResult> results;
  for (qsizetype start = 0; start < files.size(); start += block) {
    const qsizetype end = std::min(files.size(), start + block);
    results.assign(static_cast<size_t>(end - start), FileResult{});
    std::atomic<qsizetype> next{start};
    auto work = [&](Worker& w) {
      for (qsizetype i; (i = next.fetch_add(1)) < end;)
        results[static_cast<size_t>(i - start)] = EstimateFile(w, files[i], json);
    };
    if (workers == 1) {
      work(pool[0]);
    } else {
      std::vector<std::thread> threads;
      for (int t = 1; t < workers; ++t) threads.emplace_back(work, std::ref(pool[static_cast<size_t>(t)]));
      work(pool[0]);
      for (std::thread& t : threads) t.join();
    }
    for (const FileResult& r : results) {
      failed = failed || r.Failed;
      if (!r.Error.isEmpty()) ctx.Fail(r.Error);
      if (r.Out.isEmpty()) continue;
      if (!json && !firstSummary) ctx.Out << '\n';
      ctx.Out << r.Out;
      firstSummary = false;
    }
  }
  ctx.Out.flush();
  return failed ? 1 : 0;
}

}  // namespace arvex

#include "cli.h"

#include "clicontext.h"
#include "commands.h"

#include <array>

namespace arvex {

namespace {

struct CommandEntry {
  const char* Word;
  int (*Run)(CliContext&);
  const char* Usage;
};

const std::array<CommandEntry, 7> kCommands = {{
    {"estimate", RunEstimateCommand, "estimate [--json] FILE.rvx [FILE.rvx ...]   cycle time of each study"},
    {"report", RunReportCommand,
     "report FILE.rvx -o OUT.pdf [--no-cutting-data] [--no-tool-holders] [--no-setup-data] [--no-images] "
     "[--repair]"},
    {"print", RunPrintCommand, "print [--repair] FILE.rvx   print the report on the default printer"},
    {"convert", RunConvertCommand, "convert IN.rvx -o OUT.rvx   rewrite a study in the current format"},
    {"eval", RunEvalCommand,
     "eval [--json] FORMULA   evaluate a formula as the cutting-length field does (\",\" reads as \".\")"},
    {"machine", RunMachineCommand, "machine show [--metric] --json NAME   the loaded machine definition"},
    {"cutdata", RunCutDataCommand, "cutdata export FILE.csv | cutdata import FILE.csv   the cutting-data table"},
}};

void PrintHelp(QTextStream& out) {
  out << "Usage: arvex [--app-folder DIR] [COMMAND] [ARGS...]\n"
         "       arvex /P FILE.rvx      print the report of FILE.rvx and end\n"
         "       arvex [FILE.rvx]       the windows, on FILE.rvx (--sample: on the first sample study);\n"
         "                              without a display, the estimate of FILE.rvx\n\n"
         "Commands:\n";
  for (const CommandEntry& c : kCommands) out << "  " << c.Usage << "\n";
  out << "\nOptions:\n"
         "  --app-folder DIR   application folder (machines, tables, database);\n"
         "                     also ARVEX_APP_FOLDER; default the per-user data folder\n"
         "  --help             this text\n"
         "  --version          the program version\n";
  out.flush();
}

const CommandEntry* FindCommand(const QString& word) {
  for (const CommandEntry& c : kCommands)
    if (word == QLatin1String(c.Word)) return &c;
  return nullptr;
}

}  // namespace

bool IsPrintSwitch(const QString& arg) {
  // "/P" alone, or "/P" and the path in one argument after a blank or a
  // quote. A path such as "/projects/a.rvx" is no switch.
  const QString upper = arg.left(3).toUpper();
  return upper == QStringLiteral("/P") || upper == QStringLiteral("/P ") || upper == QStringLiteral("/P\"");
}

bool WantsWindows(const QStringList& arguments) {
  QStringList args = arguments;
  QString folder;
  TakeOption(args, QStringLiteral("--app-folder"), &folder);
  if (args.isEmpty() || args == QStringList{QStringLiteral("--sample")}) return true;
  const QString& first = args.front();
  if (IsPrintSwitch(first) || FindCommand(first)) return false;
  if (first.startsWith(QStringLiteral("--")) || first == QStringLiteral("-h") || first == QStringLiteral("help"))
    return false;
  return true;
}

QString VersionText() {
  return QStringLiteral("Arvex %1.%2.%3").arg(ARVEX_VERSION_MAJOR).arg(ARVEX_VERSION_MINOR).arg(ARVEX_VERSION_PATCH);
}

AppKind AppKindFor(const QStringList& arguments) {
  for (const QString& a : arguments) {
    if (a == QStringLiteral("report") || a == QStringLiteral("print") || IsPrintSwitch(a)) return AppKind::Gui;
  }
  return AppKind::Core;
}

int RunCli(const QStringList& arguments, QTextStream& out, QTextStream& err) {
  QStringList args = arguments;
  CliContext ctx{out, err, {}, {}};
  bool missing = false;
  if (!TakeOption(args, QStringLiteral("--app-folder"), &ctx.AppFolderOption, &missing) && missing) {
    ctx.Fail(QStringLiteral("--app-folder needs a folder"));
    return 2;
  }

  // "/P path" (the path may be quoted and may hold blanks).
  if (!args.isEmpty() && IsPrintSwitch(args.front())) {
    QString rest = args.front().mid(2).trimmed();
    args.removeFirst();
    if (!rest.isEmpty()) args.prepend(rest);
    ctx.Args = args;
    return RunPrintCommand(ctx);
  }

  if (args.isEmpty() || args == QStringList{QStringLiteral("--sample")}) {
    // Without a display: the estimate of the bundled sample study.
    ctx.Args = {QStringLiteral("--sample")};
    return RunEstimateCommand(ctx);
  }

  const QString word = args.front();
  if (word == QStringLiteral("--version")) {
    out << VersionText() << "\n";
    out.flush();
    return 0;
  }
  if (word == QStringLiteral("--help") || word == QStringLiteral("-h") || word == QStringLiteral("help")) {
    PrintHelp(out);
    return 0;
  }
  if (const CommandEntry* command = FindCommand(word)) {
    args.removeFirst();
    ctx.Args = args;
    if (ctx.Args.contains(QStringLiteral("--help"))) {
      out << "Usage: arvex " << command->Usage << "\n";
      out.flush();
      return 0;
    }
    if (ctx.Args.contains(QStringLiteral("--version"))) {
      out << VersionText() << "\n";
      out.flush();
      return 0;
    }
    return command->Run(ctx);
  }
  if (word.startsWith(QStringLiteral("--"))) {
    ctx.Fail(QStringLiteral("unknown option ") + word + QStringLiteral(" (try --help)"));
    return 2;
  }
  // Any other text is a time-study path; without a display its estimate is
  // shown.
  ctx.Args = args;
  return RunEstimateCommand(ctx);
}

}  // namespace arvex

#include "reportjob.h"

#include "document/rvxfile.h"
#include "engine/printchecks.h"
#include "platform/settingsstore.h"
#include "session/startup.h"
#include "session/studysession.h"

#include <QDir>
#include <QFileInfo>

namespace arvex {

namespace {

bool Offers(Buttons buttons, Answer answer) {
  switch (buttons) {
    case Buttons::Ok: return answer == Answer::Ok;
    case Buttons::OkCancel: return answer == Answer::Ok || answer == Answer::Cancel;
    case Buttons::YesNo: return answer == Answer::Yes || answer == Answer::No;
    case Buttons::YesNoCancel: return answer == Answer::Yes || answer == Answer::No || answer == Answer::Cancel;
    case Buttons::RetryCancel: return answer == Answer::Retry || answer == Answer::Cancel;
  }
  return false;
}

}  // namespace

Answer UnattendedPrompter::Ask(const QString& text, const QString& caption, Buttons buttons, Answer defaultAnswer,
                               MessageIcon icon) {
  Answer answer = defaultAnswer;
  if (text == QString::fromUtf16(kPartsCatcherQuestionText)) {
    answer = repair_ ? Answer::Yes : Answer::No;
    repaired_ = repair_;
  } else if (Offers(buttons, Answer::No)) {
    answer = Answer::No;
  } else if (Offers(buttons, Answer::Cancel)) {
    answer = Answer::Cancel;
  }
  return TerminalPrompter::Ask(text, caption, buttons, answer, icon);
}

bool ParseReportOptions(CliContext& ctx, bool wantOutput, ReportCommandOptions* options) {
  QStringList& args = ctx.Args;
  if (wantOutput) {
    bool missing = false;
    if (!TakeOption(args, QStringLiteral("-o"), &options->OutputPath, &missing) && missing) {
      ctx.Fail(QStringLiteral("-o needs the name of the PDF file to write"));
      return false;
    }
    if (options->OutputPath.isEmpty() && !TakeOption(args, QStringLiteral("--output"), &options->OutputPath, &missing) &&
        missing) {
      ctx.Fail(QStringLiteral("--output needs the name of the PDF file to write"));
      return false;
    }
  }
  {
    auto store = OpenSettingsStore();
    options->Switches = LoadReportSwitches(*store);
  }
  if (TakeFlag(args, QStringLiteral("--no-cutting-data"))) options->Switches.PrintCutData = false;
  if (TakeFlag(args, QStringLiteral("--no-tool-holders"))) options->Switches.PrintToolHolders = false;
  if (TakeFlag(args, QStringLiteral("--no-setup-data"))) options->Switches.PrintSetupData = false;
  if (TakeFlag(args, QStringLiteral("--no-images"))) options->Switches.PrintToolImage = false;
  options->Repair = TakeFlag(args, QStringLiteral("--repair"));
  args.removeAll(QStringLiteral("--"));
  for (const QString& a : args) {
    if (a.startsWith(QStringLiteral("--")) || (a.startsWith(u'-') && a.size() > 1)) {
      ctx.Fail(QStringLiteral("unknown option ") + a + QStringLiteral(" (try --help)"));
      return false;
    }
  }
  if (args.isEmpty()) {
    ctx.Fail(QStringLiteral("give the time study to print (FILE.rvx)"));
    return false;
  }
  QString path = StripQuotes(args.front());
  if (args.size() > 1) {
    // A path with blanks that reached us in pieces ("/P my study.rvx").
    const QString joined = StripQuotes(args.join(u' '));
    if (!QFileInfo(joined).isFile()) {
      ctx.Fail(QStringLiteral("give one time study, not ") + QString::number(args.size()) + QStringLiteral(" names"));
      return false;
    }
    path = joined;
  }
  options->StudyPath = path;
  if (wantOutput && options->OutputPath.isEmpty()) {
    ctx.Fail(QStringLiteral("give the PDF file to write with -o OUT.pdf"));
    return false;
  }
  return true;
}

int ReadStudyForReport(CliContext& ctx, const ReportCommandOptions& options, Workspace& ws, Prompter& prompter) {
  if (!ctx.PrepareWorkspace(ws)) return 1;
  {
    auto store = OpenSettingsStore();
    ws.Report = LoadReportSettings(*store);
  }
  const QFileInfo file(options.StudyPath);
  if (!file.isFile()) {
    ctx.Fail(options.StudyPath + QStringLiteral(": no such time study"));
    return 1;
  }
  if (!OpenStudy(ws, file.absoluteFilePath(), prompter).FileRead) {
    ctx.Fail(options.StudyPath + QStringLiteral(": the time study could not be read"));
    return 1;
  }
  return 0;
}

void NoteRepairIsNotSaved(CliContext& ctx, const ReportCommandOptions& options, const UnattendedPrompter& prompter) {
  if (!prompter.Repaired()) return;
  ctx.Err << "arvex: the added \"Eject Part\" operation and its sync are used for this report only; "
          << QDir::toNativeSeparators(QFileInfo(options.StudyPath).absoluteFilePath()) << " is not changed"
          << Qt::endl;
}

}  // namespace arvex

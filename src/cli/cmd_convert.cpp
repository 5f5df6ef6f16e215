// arvex convert IN.rvx -o OUT.rvx: reads a time study of any format
// generation and writes it in the current one. OUT is written only when IN
// was read whole: a file that lists operations beyond place 100 of a list
// is refused, since converting it would lose them.
#include "commands.h"

#include "document/rvxfile.h"
#include "document/timestudy.h"
#include "platform/numtext.h"
#include "platform/textfile.h"

namespace arvex {

namespace {
QString IntText(double v) { return NumberText(v); }
}  // namespace

int RunConvertCommand(CliContext& ctx) {
  QStringList args = ctx.Args;
  QString output;
  bool missingShort = false;
  bool missingLong = false;
  if (!TakeOption(args, QStringLiteral("-o"), &output, &missingShort) &&
      !TakeOption(args, QStringLiteral("--output"), &output, &missingLong)) {
    ctx.Fail(missingShort || missingLong ? QStringLiteral("-o needs a file name")
                                         : QStringLiteral("convert needs IN.rvx -o OUT.rvx"));
    return 2;
  }
  args.removeAll(QStringLiteral("--"));
  if (args.size() != 1 || output.isEmpty()) {
    ctx.Fail(QStringLiteral("convert needs exactly one IN.rvx and -o OUT.rvx"));
    return 2;
  }
  const QString input = args.front();

  QByteArray bytes;
  FileError error;
  if (!ReadFileBytes(input, &bytes, &error)) {
    ctx.Fail(QStringLiteral("cannot read ") + input + QStringLiteral(": Error #") + IntText(error.Number) +
             QStringLiteral(" - ") + error.Description);
    return 1;
  }
  TimeStudy study;
  const TimeStudyParseReport report = ParseTimeStudy(bytes, &study);
  if (report.OperationsDropped() > 0) {
    const int n = report.OperationsDropped();
    ctx.Fail(input + QStringLiteral(" lists ") + IntText(n) +
             (n == 1 ? QStringLiteral(" operation") : QStringLiteral(" operations")) +
             QStringLiteral(" beyond place 100 of a list, which a time study cannot hold; ") + output +
             QStringLiteral(" was not written"));
    return 1;
  }
  if (report.FormatVersion == 0)
    ctx.Fail(QStringLiteral("warning: ") + input +
             QStringLiteral(" names no format version; it was read as the oldest format"));
  if (report.SyncsDropped > 0)
    ctx.Fail(QStringLiteral("warning: ") + IntText(report.SyncsDropped) +
             (report.SyncsDropped == 1 ? QStringLiteral(" sync of ") : QStringLiteral(" syncs of ")) + input +
             (report.SyncsDropped == 1 ? QStringLiteral(" points outside the operation lists and was left out")
                                       : QStringLiteral(" point outside the operation lists and were left out")));

  if (const QString problem = TimeStudyStorageProblem(study); !problem.isEmpty()) {
    ctx.Fail(problem);
    return 1;
  }
  if (!WriteTextFileAtomically(output, TimeStudyText(study), &error)) {
    ctx.Fail(QStringLiteral("cannot write ") + output + QStringLiteral(": Error #") + IntText(error.Number) +
             QStringLiteral(" - ") + error.Description);
    return 1;
  }
  ctx.Out << input << " (format " << NumberText(report.FormatVersion) << ") -> " << output << " (format "
          << IntText(CurrentRvxFormatVersion()) << ")\n";
  ctx.Out.flush();
  return 0;
}

}  // namespace arvex

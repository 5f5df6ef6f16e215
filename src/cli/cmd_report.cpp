#include "commands.h"

namespace arvex {

int RunReportCommand(CliContext& ctx) {
  ctx.Fail(QStringLiteral("the report command is not available yet"));
  return 2;
}

}  // namespace arvex

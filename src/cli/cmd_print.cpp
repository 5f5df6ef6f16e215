#include "commands.h"

namespace arvex {

int RunPrintCommand(CliContext& ctx) {
  ctx.Fail(QStringLiteral("the print command is not available yet"));
  return 2;
}

}  // namespace arvex

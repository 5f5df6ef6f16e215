#include "commands.h"

namespace arvex {

int RunCutDataCommand(CliContext& ctx) {
  ctx.Fail(QStringLiteral("the cutdata command is not available yet"));
  return 2;
}

}  // namespace arvex

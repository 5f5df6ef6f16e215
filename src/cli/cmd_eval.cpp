#include "commands.h"

namespace arvex {

int RunEvalCommand(CliContext& ctx) {
  ctx.Fail(QStringLiteral("the eval command is not available yet"));
  return 2;
}

}  // namespace arvex

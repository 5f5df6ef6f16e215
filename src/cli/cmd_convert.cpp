#include "commands.h"

namespace arvex {

int RunConvertCommand(CliContext& ctx) {
  ctx.Fail(QStringLiteral("the convert command is not available yet"));
  return 2;
}

}  // namespace arvex

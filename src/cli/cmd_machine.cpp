#include "commands.h"

namespace arvex {

int RunMachineCommand(CliContext& ctx) {
  ctx.Fail(QStringLiteral("the machine command is not available yet"));
  return 2;
}

}  // namespace arvex

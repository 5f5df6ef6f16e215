#include "commands.h"

namespace arvex {

int RunEstimateCommand(CliContext& ctx) {
  ctx.Fail(QStringLiteral("the estimate command is not available yet"));
  return 2;
}

}  // namespace arvex

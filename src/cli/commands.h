#pragma once
// The command words. Each one lives in its own file cmd_<word>.cpp.

#include "clicontext.h"

namespace arvex {

int RunEstimateCommand(CliContext& ctx);
int RunReportCommand(CliContext& ctx);
int RunPrintCommand(CliContext& ctx);
int RunConvertCommand(CliContext& ctx);
int RunEvalCommand(CliContext& ctx);
int RunMachineCommand(CliContext& ctx);
int RunCutDataCommand(CliContext& ctx);

}  // namespace arvex

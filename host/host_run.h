// One run of the host: load the plug-in, prepare its configuration, run its dialog with
// every host service, and write the document it commits. Returns the exit code.
#pragma once

#include "host/command_line.h"

enum ExitCode { kExitDone = 0, kExitBuildFailed = 1, kExitUsage = 2, kExitNoPlugin = 3 };

int RunHost(const HostOptions &options);

// zxhost.exe: the substitute host. It loads a plug-in as the host editors do, serves every
// host service, and writes the animation it receives to a file.
#include "host/command_line.h"
#include "host/host_run.h"

#include <cstdio>

int main(int argc, char **argv)
{
    HostOptions options;
    std::string error;
    if (!ParseCommandLine(argc, argv, options, error)) {
        std::fprintf(stderr, "zxhost: %s\n%s", error.c_str(), UsageText());
        return kExitUsage;
    }
    if (options.help) {
        std::fputs(UsageText(), stdout);
        return kExitDone;
    }
    return RunHost(options);
}

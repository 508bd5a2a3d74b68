// The host's command line: a contract that scripts and tests rely on.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

enum class PressButton { None, Build, Test, Cancel };

// The service operations a run can be told to refuse.
enum class FailOperation { NewTask, AddImage, ShowHelp, ChooseColour, ChooseFile, LoadImage };
constexpr int kFailOperations = 6;

// Refuse the call numbered `call` (from 0) of that operation, or every call when it is -1.
struct FailRule {
    FailOperation operation;
    int call;
};

struct HostOptions {
    std::string plugin; // empty: zxfxplg1.dll beside the host
    bool info = false;
    int flags = 3;
    bool fresh = false;
    std::vector<std::pair<std::string, std::string>> settings; // --set and --effect, in order
    PressButton press = PressButton::None;
    bool interactive = false;
    std::string out;
    std::string log;
    std::string screenshot;
    bool hasColour = false;
    COLORREF colour = 0;
    bool hasFile = false;
    std::string file;
    std::vector<FailRule> failures;
    bool noCallback = false;
    bool help = false;
};

// Fills options from argv[1..]; on a bad option returns false with the reason in error.
bool ParseCommandLine(int argc, char **argv, HostOptions &options, std::string &error);
const char *UsageText();

// A path as Windows sees it: under Wine a Unix path ("/tmp/a.gif") names drive Z:.
std::string ToWindowsPath(const std::string &path);
// True when path ends with extension (".gif"), compared without case.
bool HasExtension(const std::string &path, const char *extension);

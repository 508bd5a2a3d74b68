#include "host/command_line.h"

#include "frame/effect_registry.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace
{

const char kUsage[] =
    "usage: zxhost.exe [options]\n"
    "  --plugin PATH          plug-in DLL (default: zxfxplg1.dll beside zxhost.exe)\n"
    "  --info                 print the plug-in's PluginInfo name and exit\n"
    "  --flags N              HostRecord flags byte (default 3: GIF-type host, accepts true "
    "colour)\n"
    "  --fresh                delete the plug-in's configuration file first (built-in "
    "defaults)\n"
    "  --set KEY=VALUE        write KEY into the plug-in's configuration file before the run\n"
    "                         (other keys keep their lines); repeatable\n"
    "  --effect I|NAME        the same as --set MainEffect=I (NAME: the effect list's text)\n"
    "  --press build|test|cancel\n"
    "                         once the dialog has built its pages, press that button\n"
    "                         (default build when --out is given; none with --interactive)\n"
    "  --interactive          show the dialog and let the user work; write --out after Build\n"
    "  --out FILE             write the received document: .gif (palette documents) or\n"
    "                         .png (animated PNG, any document)\n"
    "  --log FILE             JSON Lines, one object per host service call and per message "
    "box\n"
    "  --screenshot FILE      save a picture of the dialog (.png or .bmp) once its pages are "
    "built\n"
    "  --choose-colour C      answer HOST_CHOOSE_COLOUR with colour C (0x00BBGGRR decimal)\n"
    "  --choose-file PATH     answer HOST_CHOOSE_FILE with PATH\n"
    "  --fail OP[@N]          make service OP fail: new-task, add-image@N (the N-th add, from "
    "0),\n"
    "                         show-help, choose-colour, choose-file, load-image; repeatable\n"
    "  --no-callback          pass a HostRecord without service callback\n"
    "Paths may be Unix paths under Wine: /home/a.gif is Z:\\home\\a.gif.\n"
    "exit: 0 the asked action completed (document committed, or test/cancel pressed);\n"
    "      1 the build failed or was abandoned; 2 usage error; 3 the plug-in could not be "
    "loaded\n";

struct FailName {
    const char *name;
    FailOperation operation;
};

const FailName kFailNames[] = {
    {"new-task", FailOperation::NewTask},       {"add-image", FailOperation::AddImage},
    {"show-help", FailOperation::ShowHelp},     {"choose-colour", FailOperation::ChooseColour},
    {"choose-file", FailOperation::ChooseFile}, {"load-image", FailOperation::LoadImage},
};

struct PressName {
    const char *name;
    PressButton button;
};

const PressName kPressNames[] = {
    {"build", PressButton::Build},
    {"test", PressButton::Test},
    {"cancel", PressButton::Cancel},
};

bool Reject(std::string &error, const std::string &reason)
{
    error = reason;
    return false;
}

// A whole decimal number in [low, high].
bool ParseNumber(const std::string &text, long long low, long long high, long long &value)
{
    if (text.empty())
        return false;
    char *end = nullptr;
    errno = 0;
    value = std::strtoll(text.c_str(), &end, 10);
    return errno == 0 && *end == '\0' && value >= low && value <= high;
}

bool ParseFail(const std::string &text, FailRule &rule)
{
    const size_t at = text.find('@');
    const std::string name = text.substr(0, at);
    rule.call = -1;
    if (at != std::string::npos) {
        long long call;
        if (!ParseNumber(text.substr(at + 1), 0, 0x7FFFFFFF, call))
            return false;
        rule.call = static_cast<int>(call);
    }
    for (const FailName &row : kFailNames) {
        if (name == row.name) {
            rule.operation = row.operation;
            return true;
        }
    }
    return false;
}

const char *const kValueOptions[] = {
    "--plugin", "--flags",      "--set",           "--effect",      "--press", "--out",
    "--log",    "--screenshot", "--choose-colour", "--choose-file", "--fail",
};

bool IsValueOption(const std::string &name)
{
    for (const char *option : kValueOptions)
        if (name == option)
            return true;
    return false;
}

bool ParsePress(const std::string &text, PressButton &button)
{
    for (const PressName &row : kPressNames) {
        if (text == row.name) {
            button = row.button;
            return true;
        }
    }
    return false;
}

// Applies one option that takes a value; false with error set when the value is bad.
bool ApplyValue(const std::string &name, const std::string &value, HostOptions &options,
                std::string &error)
{
    long long number;
    if (name == "--plugin") {
        options.plugin = ToWindowsPath(value);
    } else if (name == "--flags") {
        if (!ParseNumber(value, 0, 255, number))
            return Reject(error, "--flags needs a number from 0 to 255");
        options.flags = static_cast<int>(number);
    } else if (name == "--set") {
        const size_t equals = value.find('=');
        if (equals == 0 || equals == std::string::npos)
            return Reject(error, "--set needs KEY=VALUE");
        options.settings.emplace_back(value.substr(0, equals), value.substr(equals + 1));
    } else if (name == "--effect") {
        const int index = EffectIndexByName(value.c_str());
        if (index >= 0)
            options.settings.emplace_back("MainEffect", std::to_string(index));
        else if (ParseNumber(value, 0, 0x7FFFFFFF, number))
            options.settings.emplace_back("MainEffect", value);
        else
            return Reject(error, "--effect needs a number or a name from the effect list");
    } else if (name == "--press") {
        if (!ParsePress(value, options.press))
            return Reject(error, "--press needs build, test or cancel");
    } else if (name == "--out") {
        if (!HasExtension(value, ".gif") && !HasExtension(value, ".png"))
            return Reject(error, "--out needs a .gif or .png file");
        options.out = ToWindowsPath(value);
    } else if (name == "--log") {
        options.log = ToWindowsPath(value);
    } else if (name == "--screenshot") {
        if (!HasExtension(value, ".bmp") && !HasExtension(value, ".png"))
            return Reject(error, "--screenshot needs a .png or .bmp file");
        options.screenshot = ToWindowsPath(value);
    } else if (name == "--choose-colour") {
        if (!ParseNumber(value, 0, 0xFFFFFF, number))
            return Reject(error, "--choose-colour needs a colour from 0 to 16777215");
        options.hasColour = true;
        options.colour = static_cast<COLORREF>(number);
    } else if (name == "--choose-file") {
        if (value.empty() || ToWindowsPath(value).size() >= MAX_PATH)
            return Reject(error, "--choose-file needs a path shorter than 260 characters");
        options.hasFile = true;
        options.file = ToWindowsPath(value);
    } else if (name == "--fail") {
        FailRule rule;
        if (!ParseFail(value, rule))
            return Reject(error, "--fail needs new-task, add-image[@N], show-help, choose-colour, "
                                 "choose-file or load-image");
        options.failures.push_back(rule);
    }
    return true;
}

bool ApplySwitch(const std::string &name, HostOptions &options)
{
    if (name == "--info")
        options.info = true;
    else if (name == "--fresh")
        options.fresh = true;
    else if (name == "--interactive")
        options.interactive = true;
    else if (name == "--no-callback")
        options.noCallback = true;
    else if (name == "--help")
        options.help = true;
    else
        return false;
    return true;
}

} // namespace

bool ParseCommandLine(int argc, char **argv, HostOptions &options, std::string &error)
{
    bool pressGiven = false;
    for (int i = 1; i < argc; i++) {
        const std::string name = argv[i];
        if (ApplySwitch(name, options))
            continue;
        if (!IsValueOption(name))
            return Reject(error, "unknown option " + name);
        if (i + 1 >= argc)
            return Reject(error, name + " needs a value");
        pressGiven |= name == "--press";
        if (!ApplyValue(name, argv[++i], options, error))
            return false;
    }
    if (pressGiven && options.interactive)
        return Reject(error, "--press and --interactive exclude each other");
    if (!pressGiven && !options.interactive && !options.out.empty())
        options.press = PressButton::Build;
    return true;
}

const char *UsageText()
{
    return kUsage;
}

std::string ToWindowsPath(const std::string &path)
{
    if (path.empty() || path[0] != '/' || (path.size() > 1 && path[1] == '/'))
        return path;
    std::string result = "Z:" + path;
    for (char &c : result)
        if (c == '/')
            c = '\\';
    return result;
}

bool HasExtension(const std::string &path, const char *extension)
{
    const size_t length = std::strlen(extension);
    return path.size() > length && _stricmp(path.c_str() + path.size() - length, extension) == 0;
}

// The real plug-in DLL in the substitute host, driven through the host's command line: what
// only a whole run shows (the host's flags and presses, the call log, the exit code and the
// configuration file the plug-in leaves behind). Each run of the host costs seconds, so each
// checks several things.
#include "config/config_folders.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace
{

std::string ProgramFolder()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string program = path;
    return program.substr(0, program.find_last_of("\\/") + 1);
}

std::string ReadFile(const std::string &path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

struct HostRun {
    DWORD exitCode = 0;
    std::vector<std::string> log; // one JSON object per line
    std::string settings;         // the plug-in's configuration file after the run

    bool Logged(const std::string &line) const
    {
        for (const std::string &entry : log)
            if (entry == line)
                return true;
        return false;
    }
    size_t Count(const std::string &part) const
    {
        size_t n = 0;
        for (const std::string &entry : log)
            n += entry.find(part) != std::string::npos;
        return n;
    }
    bool Stored(const std::string &keyAndValue) const
    {
        return settings.find("\n" + keyAndValue + "\r\n") != std::string::npos;
    }
};

HostRun RunHost(const std::string &arguments)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string logPath = std::string(temp) + "zxdialog_e2e.jsonl";
    DeleteFileA(logPath.c_str());
    std::string command =
        "\"" + ProgramFolder() + "zxhost.exe\" " + arguments + " --log \"" + logPath + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    HostRun run;
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        ADD_FAILURE() << "cannot start " << command;
        return run;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::istringstream lines(ReadFile(logPath));
    for (std::string line; std::getline(lines, line);)
        run.log.push_back(line);
    run.settings = ReadFile(ConfigurationPath("ZXFXPLG1.INI"));
    DeleteFileA(logPath.c_str());
    return run;
}

const char kMemoryError[] = R"({"op":"message","caption":"Message","text":"Memory error"})";

// "&Test" builds and leaves the dialog open (the host then presses Cancel); no page value is
// read back. A host without true colour and a stored effect outside the list are kept safe.
TEST(HostEndToEnd, TestThenCancelOnAPlainHost)
{
    const HostRun run = RunHost("--fresh --flags 1 --set Truecolour=1 --set MainEffect=25 "
                                "--set MainDelay=0 --press test");
    EXPECT_TRUE(run.Logged(R"({"op":"press","button":"test","pages":1})"));
    EXPECT_TRUE(run.Logged(kMemoryError)) << "the effect has no renderer yet";
    EXPECT_TRUE(run.Logged(R"({"op":"press","button":"cancel","pages":1})"))
        << "the dialog stayed open after the test";
    EXPECT_EQ(0u, run.Count("HOST_NEW")) << "a failed build opens no document";
    EXPECT_TRUE(run.Stored("Truecolour = 0")) << run.settings;
    EXPECT_TRUE(run.Stored("MainEffect = 25"));
    EXPECT_TRUE(run.Stored("MainDelay = 0")) << "read back, it would be held to its range";
}

// "Build" reads the pages back, builds and closes, whatever the build's result.
TEST(HostEndToEnd, BuildReadsThePagesBackAndCloses)
{
    const HostRun run = RunHost("--fresh --effect 3 --set MainDelay=0 --press build");
    EXPECT_EQ(1u, run.exitCode) << "no document was committed";
    EXPECT_TRUE(run.Logged(R"({"op":"press","button":"build","pages":1})"));
    EXPECT_TRUE(run.Logged(kMemoryError));
    EXPECT_EQ(1u, run.Count(R"("op":"message")"));
    EXPECT_TRUE(run.Stored("MainEffect = 3")) << run.settings;
    EXPECT_TRUE(run.Stored("MainDelay = 1")) << "read back through its spin box's range";
}

// A millisecond host (flags bit 0 clear): the countdown's frames carry their delays in
// milliseconds, and the stored "&Transparent" and "&Supercompress" are disabled and ignored.
TEST(HostEndToEnd, MillisecondHostGetsAPlainDocument)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string out = std::string(temp) + "zxdialog_e2e.png";
    const HostRun run = RunHost("--fresh --flags 2 --effect Countdown --set MainCountdownHours=0 "
                                "--set MainCountdownMinutes=0 --set MainCountdownSeconds=2 "
                                "--set MainCountdownUseHund=0 --set MainTransparent=1 "
                                "--set MainSupercompress=1 --press build --out \"" + out + "\"");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_EQ(3u, run.Count(R"("op":"HOST_ADD_IMAGE")")) << "2, 1 and 0 seconds";
    EXPECT_EQ(3u, run.Count(R"("delay":1000,"transparent_flag":0,"transparent_index":-1)"));
    EXPECT_EQ(0u, run.Count("Supercompressing"));
    EXPECT_TRUE(run.Logged(R"({"op":"HOST_END_TASK","commit":1,"frames_received":3,"result":1})"));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(out.c_str())) << "the document written";
    DeleteFileA(out.c_str());
}

TEST(HostEndToEnd, WithoutServiceCallbackOnlyTheMessage)
{
    const HostRun run = RunHost("--no-callback --press build");
    EXPECT_TRUE(run.Logged(R"({"op":"message","caption":"Message","text":"Internal error"})"));
    EXPECT_EQ(0u, run.Count("HOST_")) << "nothing reaches the host";
    EXPECT_EQ(0u, run.Count(R"("pages":1)")) << "no page is built";
}

} // namespace

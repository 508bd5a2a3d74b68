#include "host/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

bool Parse(std::vector<const char *> args, HostOptions &options, std::string &error)
{
    args.insert(args.begin(), "zxhost.exe");
    return ParseCommandLine(static_cast<int>(args.size()), const_cast<char **>(args.data()),
                            options, error);
}

TEST(CommandLine, RejectsBadOptionsWithTheReason)
{
    const struct {
        std::vector<const char *> args;
        const char *error;
    } cases[] = {
        {{"--bogus"}, "unknown option --bogus"},
        {{"extra"}, "unknown option extra"},
        {{"--out"}, "--out needs a value"},
        {{"--out", "a.bmp"}, "--out needs a .gif or .png file"},
        {{"--flags", "256"}, "--flags needs a number from 0 to 255"},
        {{"--flags", "3x"}, "--flags needs a number from 0 to 255"},
        {{"--set", "=1"}, "--set needs KEY=VALUE"},
        {{"--press", "ok"}, "--press needs build, test or cancel"},
        {{"--press", "test", "--interactive"}, "--press and --interactive exclude each other"},
        {{"--choose-colour", "16777216"}, "--choose-colour needs a colour from 0 to 16777215"},
        {{"--fail", "add-image@x"},
         "--fail needs new-task, add-image[@N], show-help, "
         "choose-colour, choose-file or load-image"},
        {{"--screenshot", "a.jpg"}, "--screenshot needs a .png or .bmp file"},
        {{"--effect", "Radar dish"}, "--effect needs a number or a name from the effect list"},
    };
    for (const auto &c : cases) {
        HostOptions options;
        std::string error;
        EXPECT_FALSE(Parse(c.args, options, error)) << c.error;
        EXPECT_EQ(c.error, error);
    }
}

TEST(CommandLine, EffectByNameOrNumber)
{
    for (auto [given, stored] : {std::pair{"Radar", "15"},
                                 {"digital vu meter (vertical)", "9"},
                                 {"Alien Overflight", "0"},
                                 {"7", "7"}}) {
        HostOptions options;
        std::string error;
        ASSERT_TRUE(Parse({"--effect", given}, options, error)) << error;
        ASSERT_EQ(1u, options.settings.size());
        EXPECT_EQ("MainEffect", options.settings[0].first);
        EXPECT_EQ(stored, options.settings[0].second) << given;
    }
}

TEST(CommandLine, ReadsEveryOptionOfADrivenRun)
{
    HostOptions options;
    std::string error;
    ASSERT_TRUE(Parse({"--plugin",  "/opt/zx/p.dll",   "--flags",     "0",
                       "--fresh",   "--set",           "MainDelay=8", "--effect",
                       "12",        "--out",           "/tmp/a.GIF",  "--log",
                       "l.jsonl",   "--choose-colour", "255",         "--choose-file",
                       "C:\\a.wav", "--fail",          "add-image@2", "--fail",
                       "show-help", "--no-callback"},
                      options, error))
        << error;
    EXPECT_EQ("Z:\\opt\\zx\\p.dll", options.plugin);
    EXPECT_EQ(0, options.flags);
    EXPECT_TRUE(options.fresh);
    ASSERT_EQ(2u, options.settings.size());
    EXPECT_EQ("MainDelay", options.settings[0].first);
    EXPECT_EQ("8", options.settings[0].second);
    EXPECT_EQ("MainEffect", options.settings[1].first);
    EXPECT_EQ("12", options.settings[1].second);
    EXPECT_EQ(PressButton::Build, options.press); // --out alone presses Build
    EXPECT_EQ("Z:\\tmp\\a.GIF", options.out);
    EXPECT_EQ("l.jsonl", options.log);
    EXPECT_EQ(255u, options.colour);
    EXPECT_EQ("C:\\a.wav", options.file);
    ASSERT_EQ(2u, options.failures.size());
    EXPECT_EQ(FailOperation::AddImage, options.failures[0].operation);
    EXPECT_EQ(2, options.failures[0].call);
    EXPECT_EQ(FailOperation::ShowHelp, options.failures[1].operation);
    EXPECT_EQ(-1, options.failures[1].call);
    EXPECT_TRUE(options.noCallback);
}

TEST(CommandLine, PressesNothingUnlessAsked)
{
    for (const std::vector<const char *> &args :
         {std::vector<const char *>{}, {"--interactive", "--out", "a.png"}}) {
        HostOptions options;
        std::string error;
        ASSERT_TRUE(Parse(args, options, error)) << error;
        EXPECT_EQ(PressButton::None, options.press);
    }
}

TEST(CommandLine, UnixPathsNameDriveZ)
{
    EXPECT_EQ("Z:\\tmp\\out dir\\a.gif", ToWindowsPath("/tmp/out dir/a.gif"));
    EXPECT_EQ("C:\\a.gif", ToWindowsPath("C:\\a.gif"));
    EXPECT_EQ("a.gif", ToWindowsPath("a.gif"));
    EXPECT_EQ("//server/share/a.gif", ToWindowsPath("//server/share/a.gif"));
}

} // namespace

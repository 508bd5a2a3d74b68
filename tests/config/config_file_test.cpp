#include "config/config_file.h"
#include "config/config_folders.h"
#include "config/file_replacement.h"
#include "config/settings.h"

#include "config/scratch_folder.h"
#include "config/settings_snapshot.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace
{

const SettingEntry *Find(const char *key)
{
    for (size_t i = 0; i < kSettingsCount; i++)
        if (std::strcmp(kSettingsTable[i].key, key) == 0)
            return &kSettingsTable[i];
    return nullptr;
}

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

TEST(SettingsTable, HoldsEveryKeyOnceExceptTheTwinsListedTwice)
{
    ASSERT_EQ(323u, kSettingsCount);
    int repeated = 0;
    for (size_t i = 0; i < kSettingsCount; i++) {
        for (size_t j = 0; j < i; j++)
            if (std::strcmp(kSettingsTable[i].key, kSettingsTable[j].key) == 0) {
                repeated++;
                EXPECT_EQ(kSettingsTable[i].value, kSettingsTable[j].value)
                    << kSettingsTable[i].key;
            }
        EXPECT_EQ(kSettingsTable[i].neverRead,
                  std::strcmp(kSettingsTable[i].key, "PatchLevel") == 0 ||
                      std::strcmp(kSettingsTable[i].key, "VersionNumber") == 0)
            << kSettingsTable[i].key;
    }
    EXPECT_EQ(4, repeated);
}

TEST(SettingsTable, OldKeysShareTheirAdvancedTwinsVariables)
{
    for (const char *key :
         {"DigitalVURedRange", "DigitalVUYellowRange", "DigitalVUDarkFactor",
          "DigitalVUEtchHighlight", "DigitalVUEtchShadow", "DigitalVUInterledHorizontal",
          "DigitalVUInterledVertical", "DigitalVUEdgePadHorizontal", "DigitalVUEdgePadVertical",
          "InstrumentFontBold", "InstrumentFontName", "LabelLeft", "LabelMono", "LabelRight"}) {
        const SettingEntry *old = Find(key);
        const SettingEntry *advanced = Find(("Advanced" + std::string(key)).c_str());
        ASSERT_TRUE(old && advanced) << key;
        EXPECT_EQ(old->value, advanced->value) << key;
        EXPECT_EQ(old->kind, advanced->kind) << key;
    }
}

TEST(SettingsTable, KeysWithoutAPageStartFromTheirDefaults)
{
    const struct {
        const char *key;
        int32_t value;
    } numbers[] = {
        {"AdvancedDigitalVUInterchannelHorizontal", 6},
        {"AdvancedDigitalVUEtchHighlight", 266},
        {"AdvancedAltimeterSampleAltitude", 21400},
        {"FastRemap", 1},
        {"SolidBackground", 0},
        {"MainCountdownIncludeHundredths", 1},
        {"MainVoiceIncrement", 19},
        {"PatchLevel", 15},
        {"VersionNumber", 64},
        {"MainEffect", 4},
        {"MainPalette", 6},
        {"MainMaskBackground", 1},
    };
    for (const auto &expected : numbers)
        EXPECT_EQ(expected.value, *static_cast<int32_t *>(Find(expected.key)->value))
            << expected.key;
    EXPECT_STREQ("Arial", static_cast<char *>(Find("InstrumentFontName")->value));
    EXPECT_STREQ("RIGHT", static_cast<char *>(Find("AdvancedLabelRight")->value));
}

TEST(ConfigurationFolder, IsTheUsersApplicationDataFolderUnlessOverridden)
{
    char appData[MAX_PATH];
    ASSERT_EQ(S_OK, SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, appData));
    const std::string folder = std::string(appData) + "\\Quintrel\\";
    EXPECT_EQ(folder + "ZXFXPLG1.INI", ConfigurationPath(kConfigurationFileName));
    EXPECT_EQ(folder + "Zentrix 1\\ZXFXLST1_0.TXT", ListFolderPath("ZXFXLST1_0.TXT"));
    {
        ScratchConfigurationFolder scratch;
        EXPECT_EQ(scratch.File("ZXFXPLG1.INI"), ConfigurationPath(kConfigurationFileName));
    }
    EXPECT_EQ(folder + "ZXFXPLG1.INI", ConfigurationPath(kConfigurationFileName));
}

class ConfigurationFile : public ::testing::Test
{
protected:
    std::string Path() const { return scratch_.File("ZXFXPLG1.INI"); }
    void Read(const std::string &text)
    {
        WriteTextFile(Path(), text);
        ReadSettingsFile(Path());
    }

    SettingsSnapshot snapshot_;
    ScratchConfigurationFolder scratch_;
};

TEST_F(ConfigurationFile, IsWrittenWithItsHeaderAndOneLinePerRowInTableOrder)
{
    settings::MainDelay = -1;
    ASSERT_TRUE(WriteSettingsFile(Path()));

    const std::vector<std::string> lines = Lines(ReadTextFile(Path()));
    ASSERT_EQ(5 + kSettingsCount, lines.size());
    EXPECT_EQ(";Quintrel animtion plugin configuration file", lines[0]);
    EXPECT_EQ(";Edit this at your own risk", lines[1]);
    // ";Last updated Www Mmm dd hh:mm:ss yyyy", the day padded with a space.
    ASSERT_EQ(14u + 24u, lines[2].size());
    EXPECT_EQ(0u, lines[2].find(";Last updated "));
    EXPECT_EQ(':', lines[2][14 + 13]);
    EXPECT_EQ(";", lines[3]);
    EXPECT_EQ("[PlugIn]", lines[4]);
    EXPECT_EQ("AddDescriptiveCommentBlock = 1", lines[5]);
    EXPECT_EQ("AdvancedInstrumentFontName = Arial", lines[5 + 17]);
    EXPECT_EQ("MainDelay = 4294967295", lines[5 + 118]);
    EXPECT_EQ("VersionNumber = 64", lines.back());
    for (size_t i = 0; i < kSettingsCount; i++)
        EXPECT_EQ(0u, lines[5 + i].find(std::string(kSettingsTable[i].key) + " = ")) << i;
}

// Every value as the test sees it; shared variables show the value of their last key.
std::vector<std::string> ReadableValues()
{
    std::vector<std::string> values;
    for (size_t i = 0; i < kSettingsCount; i++) {
        const SettingEntry &entry = kSettingsTable[i];
        if (entry.neverRead)
            continue;
        values.push_back(entry.kind == SettingKind::Number
                             ? std::to_string(*static_cast<int32_t *>(entry.value))
                             : std::string(static_cast<char *>(entry.value)));
    }
    return values;
}

TEST_F(ConfigurationFile, ReadsBackEveryValueItWrote)
{
    for (size_t i = 0; i < kSettingsCount; i++) {
        const SettingEntry &entry = kSettingsTable[i];
        if (entry.kind == SettingKind::Number)
            *static_cast<int32_t *>(entry.value) = static_cast<int32_t>(i * 7919 - 300000);
        else
            std::snprintf(static_cast<char *>(entry.value), kSettingTextSize, "value %u;x,y",
                          unsigned(i));
    }
    const std::vector<std::string> written = ReadableValues();
    ASSERT_TRUE(WriteSettingsFile(Path()));
    snapshot_.Restore();

    ReadSettingsFile(Path());

    EXPECT_EQ(written, ReadableValues());
    EXPECT_EQ(15, settings::PatchLevel);
}

TEST_F(ConfigurationFile, HandEditedLinesReadAsTheirKeyAndLeadingNumber)
{
    const struct {
        const char *line;
        int32_t delay; // MainDelay afterwards; its default is 1
    } cases[] = {
        {"MainDelay=12", 12},
        {"MainDelay   =   12 frames", 12},
        {"MainDelay == -3", -3},
        {"MainDelay = many", 0},
        {"MainDelay = 4294967295", -1},
        {"MainDelay = 99999999999", -1}, // beyond 32 bits: the largest written value
        {"MainDelay = -99999999999", INT32_MIN},
        {"  MainDelay = 12", 1}, // a line beginning with spaces has no key
        {";MainDelay = 12", 1},
        {"", 1},
        {"[PlugIn]", 1},
        {"MainDelayed = 12", 1}, // no key begins with that
        {"MainDel = 12", 12},    // the first key beginning with it
        {"MainDelay\t= 12", 0},  // a tab ends the line
        {"PatchLevel = 12", 1},
    };
    for (const auto &test : cases) {
        snapshot_.Restore();
        Read(std::string("[PlugIn]\r\n") + test.line + "\r\n");
        EXPECT_EQ(test.delay, settings::MainDelay) << test.line;
        EXPECT_EQ(15, settings::PatchLevel) << test.line;
    }
}

TEST_F(ConfigurationFile, KeysComeInAnyOrderAndTheLastTwinLineDecides)
{
    Read("MainPalette = 2\nAdvancedDigitalVURedRange = 200\nDigitalVURedRange = 100\n"
         "Unknown = 5\nAddDescriptiveCommentBlock = 0\n");
    EXPECT_EQ(2, settings::MainPalette);
    EXPECT_EQ(100, settings::AdvancedDigitalVURedRange);
    EXPECT_EQ(0, settings::AddDescriptiveCommentBlock);
    EXPECT_EQ(4, settings::MainEffect); // no line: keeps its value
}

TEST_F(ConfigurationFile, OverLongLinesGoOnAsTheNextLineAndTextsStayInTheirBuffers)
{
    // 259 characters are read at a time; the rest of the line is read as a line of its own.
    const std::string key = "AdvancedLabelLeft = ";
    const std::string firstPart(259 - key.size(), 'x');
    Read(key + firstPart + "MainDelay = 7\n" + "AdvancedLabelMono = " + std::string(600, 'y') +
         "\n");
    EXPECT_EQ(firstPart, settings::AdvancedLabelLeft);
    EXPECT_EQ(7, settings::MainDelay);
    EXPECT_EQ(std::string(259 - 20, 'y'), settings::AdvancedLabelMono);
    EXPECT_STREQ("RIGHT", settings::AdvancedLabelRight); // the neighbouring buffer is intact
}

TEST_F(ConfigurationFile, MissingFileLeavesEverySettingAsItIs)
{
    ReadSettingsFile(scratch_.File("absent.ini"));
    ReadSettingsFile(std::string());
    EXPECT_EQ(1, settings::MainDelay);
    EXPECT_STREQ("Arial", settings::AdvancedInstrumentFontName);
}

// The file is rewritten in full at every close: an interrupted write must not cost the user
// the settings already on disk.
TEST_F(ConfigurationFile, FailedWriteLeavesTheOldFileUntouched)
{
    WriteTextFile(Path(), "MainDelay = 9\n");

    const bool written = ReplaceFileWith(Path(), [](FILE *file) {
        std::fputs("MainDelay = ", file);
        return false; // the disk filled up half way
    });
    EXPECT_FALSE(written);
    EXPECT_EQ("MainDelay = 9\n", ReadTextFile(Path()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((Path() + ".new").c_str()));

    // The new file cannot even be created.
    ASSERT_TRUE(CreateDirectoryA((Path() + ".new").c_str(), nullptr));
    EXPECT_FALSE(WriteSettingsFile(Path()));
    EXPECT_EQ("MainDelay = 9\n", ReadTextFile(Path()));
}

TEST_F(ConfigurationFile, WriteSettingsAndReadSettingsUseTheConfigurationFolder)
{
    settings::MainTachSize = 77;
    WriteSettings();
    settings::MainTachSize = 5;
    EXPECT_TRUE(ReadSettings()); // Shift is not held
    EXPECT_EQ(77, settings::MainTachSize);
}

} // namespace

#include "config/config_file.h"
#include "config/settings.h"
#include "frame/effect_registry.h"
#include "resources/resource_ids.h"
#include "ui/about_box.h"
#include "ui/help.h"

#include "config/scratch_folder.h"
#include "config/settings_snapshot.h"
#include "support/message_box_recorder.h"
#include "support/recording_host.h"
#include "ui/scripted_dialog.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

using Strings = std::vector<std::string>;

// Each test starts from the built-in settings in a scratch configuration folder, with the
// given values stored in the file as a user's earlier run would have left them.
class MainDialog : public ::testing::Test
{
protected:
    void Store(void (*change)())
    {
        change();
        WriteSettings();
        snapshot_.Restore();
    }
    std::string StoredFile() const { return ReadTextFile(folder_.File("ZXFXPLG1.INI")); }

    SettingsSnapshot snapshot_;
    ScratchConfigurationFolder folder_;
    MessageBoxRecorder messages_;
};

bool Contains(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

std::string Text(HWND dialog, int id)
{
    char text[256] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

bool Enabled(HWND dialog, int id)
{
    return IsWindowEnabled(GetDlgItem(dialog, id));
}

TEST_F(MainDialog, BuildStoresThePageValuesAndCloses)
{
    RecordingHost host;
    bool stayedOpen = false;
    const INT_PTR result =
        ScriptedDialog::Run(&host.record, {ScriptedDialog::PagesBuilt, [&](HWND dialog) {
                                               SetDlgItemTextA(dialog, IDC_DELAY, "12");
                                               ScriptedDialog::Choose(dialog, IDC_EFFECT_LIST, 3);
                                               stayedOpen = IsWindowVisible(
                                                   GetDlgItem(dialog, kEffects[3].pageControls[0]));
                                               ScriptedDialog::Press(dialog, IDC_BUILD);
                                               return true;
                                           }});
    EXPECT_EQ(1, result);
    EXPECT_TRUE(stayedOpen) << "choosing an effect shows its page";
    EXPECT_EQ(12, settings::MainDelay);
    EXPECT_EQ(3, settings::MainEffect);
    // The effect has no renderer yet: the build stops before the host gets a document.
    EXPECT_EQ(Strings{"Memory error"}, messages_.Texts());
    EXPECT_FALSE(host.taskCreated);
    EXPECT_TRUE(Contains(StoredFile(), "MainDelay = 12"));
}

TEST_F(MainDialog, TestAndCancelKeepThePageValuesButNotTheChoices)
{
    Store([] { settings::MainCustompalette = 1; });
    RecordingHost host;
    bool paletteListStartedDisabled = false, paletteListFollowsTheBox = false;
    bool stayedOpen = false;
    const INT_PTR result = ScriptedDialog::Run(
        &host.record, {ScriptedDialog::PagesBuilt, [&](HWND dialog) {
                           paletteListStartedDisabled = !Enabled(dialog, IDC_PALETTE_LIST);
                           SendDlgItemMessageA(dialog, IDC_CUSTOM_PALETTE, BM_CLICK, 0, 0);
                           paletteListFollowsTheBox = Enabled(dialog, IDC_PALETTE_LIST);
                           SetDlgItemTextA(dialog, IDC_DELAY, "33");
                           ScriptedDialog::Choose(dialog, IDC_PALETTE_LIST, 2);
                           ScriptedDialog::Choose(dialog, IDC_EFFECT_LIST, 5);
                           ScriptedDialog::Press(dialog, IDC_TEST);
                           stayedOpen = IsWindow(dialog) && IsWindowVisible(dialog);
                           ScriptedDialog::Press(dialog, IDC_CANCEL);
                           return true;
                       }});
    EXPECT_EQ(0, result);
    EXPECT_TRUE(paletteListStartedDisabled);
    EXPECT_TRUE(paletteListFollowsTheBox);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(Strings{"Memory error"}, messages_.Texts()); // from the test build
    const std::string stored = StoredFile();
    EXPECT_TRUE(Contains(stored, "MainDelay = 1\r\n")) << stored;
    EXPECT_TRUE(Contains(stored, "MainCustompalette = 1"));
    EXPECT_TRUE(Contains(stored, "MainPalette = 2"));
    EXPECT_TRUE(Contains(stored, "MainEffect = 5"));
}

// What the host's flags leave of the output options.
TEST_F(MainDialog, HostFlagsDecideTheOptionsAndTheDelayUnit)
{
    struct Case {
        uint8_t flags;
        bool gifType, trueColour;
        int maximumDelay;
    } cases[] = {{0, false, false, 5000},
                 {kHostFlagGifType | kHostFlagTrueColour, true, true, 500}};
    for (const Case &c : cases) {
        Store([] { settings::Truecolour = 1; }); // a host without true colour stores it off
        RecordingHost host(c.flags);
        bool transparent = !c.gifType, supercompress = !c.gifType, trueColour = !c.trueColour;
        bool trueColourChecked = !c.trueColour;
        int minimum = 0, maximum = 0;
        ScriptedDialog::Run(&host.record,
                            {ScriptedDialog::PagesBuilt, [&](HWND dialog) {
                                 transparent = Enabled(dialog, IDC_TRANSPARENT);
                                 supercompress = Enabled(dialog, IDC_SUPERCOMPRESS);
                                 trueColour = Enabled(dialog, IDC_TRUE_COLOUR);
                                 trueColourChecked = IsDlgButtonChecked(dialog, IDC_TRUE_COLOUR);
                                 SendDlgItemMessageA(dialog, IDC_DELAY_SPIN, UDM_GETRANGE32,
                                                     reinterpret_cast<WPARAM>(&minimum),
                                                     reinterpret_cast<LPARAM>(&maximum));
                                 ScriptedDialog::Press(dialog, IDC_CANCEL);
                                 return true;
                             }});
        EXPECT_EQ(c.gifType, transparent) << int(c.flags);
        EXPECT_EQ(c.gifType, supercompress);
        EXPECT_EQ(c.trueColour, trueColour);
        EXPECT_EQ(c.trueColour, trueColourChecked);
        EXPECT_EQ(1, minimum);
        EXPECT_EQ(c.maximumDelay, maximum);
    }
}

TEST_F(MainDialog, StoredEffectOutsideTheRegistryShowsTheFirstPageAndTheLogoRuns)
{
    Store([] { settings::MainEffect = 25; });
    RecordingHost host;
    LRESULT selection = 0;
    bool firstPage = false;
    RECT logo = {};
    LONG_PTR logoState = 0;
    std::string frameSize = "?";
    ScriptedDialog::Run(
        &host.record,
        {ScriptedDialog::PagesBuilt, [&](HWND dialog) {
             selection = SendDlgItemMessageA(dialog, IDC_EFFECT_LIST, CB_GETCURSEL, 0, 0);
             firstPage = IsWindowVisible(GetDlgItem(dialog, kEffects[0].pageControls[0]));
             GetClientRect(GetDlgItem(dialog, IDC_LOGO), &logo);
             logoState = GetWindowLongPtrA(GetDlgItem(dialog, IDC_LOGO), GWLP_USERDATA);
             UpdateWindow(dialog);
             frameSize = Text(dialog, IDC_FRAME_SIZE);
             ScriptedDialog::Press(dialog, IDC_CANCEL);
             return true;
         }});
    EXPECT_EQ(CB_ERR, selection);
    EXPECT_TRUE(firstPage);
    EXPECT_EQ(54, logo.right); // the 50 × 49 pictures and a 2-pixel edge
    EXPECT_EQ(53, logo.bottom);
    EXPECT_EQ(99, logoState & 0xFF);         // timer 99
    EXPECT_EQ(24, (logoState >> 16) & 0xFF); // a true-colour screen
    EXPECT_NE(0, logoState & (1 << 24));     // animating
    EXPECT_EQ("", frameSize) << "no effect renders a preview yet";
}

TEST_F(MainDialog, WithoutAServiceCallbackNothingCanBeBuilt)
{
    HostRecord record = {};
    record.flags = kHostFlagGifType | kHostFlagTrueColour;
    const INT_PTR result = ScriptedDialog::Run(&record, {});
    EXPECT_EQ(0, result);
    EXPECT_EQ(Strings{"Internal error"}, messages_.Texts());
}

TEST_F(MainDialog, HelpRefusedKeepsTheDialogAndAboutShowsTheVersion)
{
    RecordingHost host;
    host.Refuse(HOST_SHOW_HELP, 0);
    bool stayedOpen = false;
    std::string heading, text;
    LOGFONTA font = {};
    const INT_PTR result = ScriptedDialog::Run(
        &host.record, {ScriptedDialog::PagesBuilt,
                       [&](HWND dialog) {
                           ScriptedDialog::Press(dialog, IDC_HELP_BUTTON);
                           stayedOpen = IsWindowVisible(dialog);
                           ScriptedDialog::PressLater(dialog, IDC_ABOUT);
                           return true;
                       },
                       [&](HWND) {
                           HWND about = FindWindowA("#32770", "About");
                           if (!about)
                               return false;
                           heading = Text(about, IDC_ABOUT_HEADING);
                           text = Text(about, IDC_ABOUT_TEXT);
                           GetObjectA(reinterpret_cast<HFONT>(SendDlgItemMessageA(
                                          about, IDC_ABOUT_HEADING, WM_GETFONT, 0, 0)),
                                      sizeof font, &font);
                           ScriptedDialog::Press(about, IDOK);
                           return true;
                       },
                       [&](HWND dialog) {
                           if (FindWindowA("#32770", "About"))
                               return false;
                           ScriptedDialog::Press(dialog, IDC_CANCEL);
                           return true;
                       }});
    EXPECT_EQ(0, result);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(Strings{kHelpFailedMessage}, messages_.Texts());
    EXPECT_EQ("Zentrix #1 Plugin", heading);
    EXPECT_EQ(0u, text.find("Version 2.0a (patch 15)\r\n")) << text;
    EXPECT_STREQ("Times New Roman", font.lfFaceName);
    EXPECT_EQ(28, font.lfHeight);
    EXPECT_EQ(700, font.lfWeight);
}

// Help asks the host for the document at the topic; a host that cannot show it, or no host,
// gets the message.
std::string g_helpAsked;
int __cdecl HelpService(void *, int operation, int, void *data)
{
    if (operation == HOST_SHOW_HELP)
        g_helpAsked = static_cast<const char *>(data);
    return operation == HOST_SHOW_HELP && g_helpAsked != "ZXFXPLG1.HTML";
}

TEST(Help, AsksTheHostForTheDocumentAtTheTopic)
{
    MessageBoxRecorder messages;
    HostRecord record = {};
    record.service = HelpService;
    g_hostRecord = &record;
    EXPECT_EQ(1, ShowHelp(nullptr, "ADVANCED"));
    EXPECT_EQ("ZXFXPLG1.HTML#ADVANCED", g_helpAsked);
    EXPECT_TRUE(messages.Texts().empty());
    EXPECT_EQ(1, ShowHelp(nullptr, nullptr)); // this host refuses the bare document
    EXPECT_EQ("ZXFXPLG1.HTML", g_helpAsked);
    record.service = nullptr;
    EXPECT_EQ(1, ShowHelp(nullptr, "TEXT"));
    g_hostRecord = nullptr;
    EXPECT_EQ(1, ShowHelp(nullptr, "TEXT"));
    EXPECT_EQ(Strings(3, kHelpFailedMessage), messages.Texts());
}

} // namespace

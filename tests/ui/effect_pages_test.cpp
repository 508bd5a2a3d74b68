#include "config/settings.h"
#include "frame/effect_registry.h"
#include "ui/colour_swatch.h"
#include "ui/effect_pages.h"
#include "ui/page_values.h"

#include "config/settings_snapshot.h"
#include "ui/page_dialog.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace
{

std::set<int> VisiblePageControls(HWND dialog)
{
    std::set<int> visible;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        const int pageId = id >= 10000 ? id - 10000 : id;
        if (pageId >= 100 && pageId <= 670 && IsWindowVisible(child))
            visible.insert(id);
    }
    return visible;
}

std::string Text(HWND control)
{
    char text[300] = "";
    GetWindowTextA(control, text, sizeof(text));
    return text;
}

class EffectPages : public ::testing::Test
{
protected:
    SettingsSnapshot snapshot_;
    PageDialog dialog_;
};

TEST_F(EffectPages, CreatesEveryControlHiddenWithItsSpinBoxAttached)
{
    int windows = 0;
    for (HWND child = GetWindow(dialog_.get(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        const int pageId = id >= 10000 ? id - 10000 : id;
        if (pageId >= 100 && pageId <= 670) {
            windows++;
            EXPECT_FALSE(IsWindowVisible(child)) << id;
        }
    }
    EXPECT_EQ(570, windows);
    HWND spin = dialog_.Control(387 + kSpinIdOffset);
    EXPECT_EQ(dialog_.Control(387), reinterpret_cast<HWND>(SendMessageA(spin, UDM_GETBUDDY, 0, 0)));
    EXPECT_EQ("64,32760,128", Text(spin));
}

TEST_F(EffectPages, ShowsExactlyTheSelectedEffectsControls)
{
    ShowWindow(dialog_.get(), SW_SHOW);
    for (int effect : {9, 5, 0, 16, 9, 19}) {
        ShowPage(dialog_.get(), effect);
        const std::set<int> expected(
            kEffects[effect].pageControls, kEffects[effect].pageControls + [&] {
                int n = 0;
                while (kEffects[effect].pageControls[n])
                    n++;
                return n;
            }());
        EXPECT_EQ(expected, VisiblePageControls(dialog_.get())) << kEffects[effect].name;
    }
    ShowPage(dialog_.get(), 25); // an effect beyond the list shows the last one
    EXPECT_TRUE(IsWindowVisible(dialog_.Control(490)));
}

TEST_F(EffectPages, ShowsTheSettingsInTheirControls)
{
    EXPECT_EQ("196", Text(dialog_.Control(387)));
    EXPECT_EQ("3355443", Text(dialog_.Control(385)));
    EXPECT_EQ("33292328", Text(dialog_.Control(404)));
    EXPECT_EQ("default.wav", Text(dialog_.Control(418)));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dialog_.get(), 400));
    EXPECT_EQ(19, SendMessageA(dialog_.Control(254), CB_GETCURSEL, 0, 0));
    EXPECT_EQ(34, SendMessageA(dialog_.Control(254), CB_GETCOUNT, 0, 0));
    EXPECT_EQ(7, SendMessageA(dialog_.Control(345), LB_GETCOUNT, 0, 0));
    EXPECT_EQ(20, SendMessageA(dialog_.Control(IDC_EFFECT_LIST), CB_GETCOUNT, 0, 0));
    EXPECT_EQ(4, SendMessageA(dialog_.Control(IDC_EFFECT_LIST), CB_GETCURSEL, 0, 0));
    EXPECT_EQ(6, SendMessageA(dialog_.Control(IDC_PALETTE_LIST), CB_GETCURSEL, 0, 0));
    char palette[64] = "";
    SendMessageA(dialog_.Control(IDC_PALETTE_LIST), CB_GETLBTEXT, 6,
                 reinterpret_cast<LPARAM>(palette));
    EXPECT_STREQ("256-color orthogonal", palette);
    // The spin box takes its range from its spin specification; the field shows the setting.
    int min = 0, max = 0;
    SendMessageA(dialog_.Control(387 + kSpinIdOffset), UDM_GETRANGE32,
                 reinterpret_cast<WPARAM>(&min), reinterpret_cast<LPARAM>(&max));
    EXPECT_EQ(64, min);
    EXPECT_EQ(32760, max);
}

TEST_F(EffectPages, ReadsBackEveryValueItWrote)
{
    std::vector<std::vector<char>> before;
    for (size_t i = 0; i < kSettingsCount; i++) {
        const char *value = static_cast<const char *>(kSettingsTable[i].value);
        before.emplace_back(value, value + (kSettingsTable[i].kind == SettingKind::Text
                                                ? kSettingTextSize
                                                : sizeof(int32_t)));
    }
    ReadValues(dialog_.get(), kControlTable, kControlRowCount);
    for (size_t i = 0; i < kSettingsCount; i++)
        EXPECT_EQ(0, std::memcmp(before[i].data(), kSettingsTable[i].value, before[i].size()))
            << kSettingsTable[i].key;
}

TEST_F(EffectPages, BuildCopiesEditedControlsIntoTheSettingsWithinTheirBounds)
{
    dialog_.SetText(387, "99999"); // above its maximum
    dialog_.SetText(389, "");      // not a number
    dialog_.SetText(385, "255");
    dialog_.SetText(418, std::string(400, 'w').c_str());
    CheckDlgButton(dialog_.get(), 391, BST_CHECKED);
    SendMessageA(dialog_.Control(428), CB_SETCURSEL, 3, 0);

    ReadValues(dialog_.get(), kControlTable, kControlRowCount);

    EXPECT_EQ(32760, settings::MainPlasmaSize);
    EXPECT_EQ(32, settings::MainPlasmaFrames);
    EXPECT_EQ(255, settings::MainPlasmaScaleColor);
    EXPECT_EQ(std::string(260, 'w'), settings::MainSpectrumSound);
    EXPECT_EQ(1, settings::MainPlasmaUseScale);
    EXPECT_EQ(3, settings::MainSpectrumChannels);
}

// "Full scale" has a variable of its own: unchecking it leaves "Match Time" as it was.
TEST_F(EffectPages, FullScaleAndMatchTimeKeepTheirOwnStates)
{
    CheckDlgButton(dialog_.get(), 180, BST_UNCHECKED);
    ReadValues(dialog_.get(), kControlTable, kControlRowCount);
    EXPECT_EQ(1, settings::MainVUAnalogSquareMatchTime);
    EXPECT_EQ(0, settings::MainVUAnalogSquareFullScale);
    settings::MainVUAnalogSquareFullScale = 1;
}

struct ChooserCall {
    int calls = 0;
    ColourRequest request = {};
    uint8_t palette[768] = {};
    COLORREF answer = 0;
    int result = 0;
} g_chooser;

int __cdecl ChooseColourService(void *, int operation, int, void *data)
{
    if (operation != HOST_CHOOSE_COLOUR)
        return 0;
    ColourRequest *request = static_cast<ColourRequest *>(data);
    g_chooser.calls++;
    g_chooser.request = *request;
    std::memcpy(g_chooser.palette, request->palette, sizeof(g_chooser.palette));
    request->colour = g_chooser.answer;
    return g_chooser.result;
}

TEST_F(EffectPages, SwatchAsksTheHostForAColourAndKeepsItsOwnWhenRefused)
{
    HostRecord host = {};
    host.size = sizeof(host);
    host.version = kRecordVersion;
    host.service = ChooseColourService;
    g_hostRecord = &host;
    HWND swatch = dialog_.Control(385);

    g_chooser.answer = 0x123456;
    g_chooser.result = 1;
    SendMessageA(swatch, WM_COMMAND, kSwatchChooseCommand, 0);
    EXPECT_EQ(1, g_chooser.calls);
    EXPECT_EQ(28, g_chooser.request.size);
    EXPECT_EQ(513, g_chooser.request.version);
    EXPECT_EQ(24, g_chooser.request.constant24);
    EXPECT_EQ(3355443u, g_chooser.request.colour);
    EXPECT_EQ(swatch, g_chooser.request.control);
    const uint8_t entry37[] = {36, 36, 85}; // r 1, g 1, b 1 of the orthogonal levels
    EXPECT_EQ(0, std::memcmp(entry37, g_chooser.palette + 37 * 3, 3));
    EXPECT_EQ(255, g_chooser.palette[255 * 3 + 2]);
    EXPECT_EQ(0x123456, ReadSwatchColour(dialog_.get(), 385));

    // The page hears of the click, so its preview is repainted.
    MSG message;
    EXPECT_TRUE(PeekMessageA(&message, dialog_.get(), WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(385, LOWORD(message.wParam));

    g_chooser.answer = 0xFF;
    g_chooser.result = 0;
    SendMessageA(swatch, WM_COMMAND, kSwatchChooseCommand, 0);
    EXPECT_EQ(0x123456, ReadSwatchColour(dialog_.get(), 385));
    g_hostRecord = nullptr;
}

} // namespace

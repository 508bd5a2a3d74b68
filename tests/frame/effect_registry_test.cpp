#include "frame/effect_registry.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

TEST(EffectRegistry, ListsTheTwentyEffectsWithEveryHandler)
{
    EXPECT_STREQ("Alien Overflight", kEffects[0].name);
    EXPECT_STREQ("Extraterrestrial Data Pad", kEffects[10].name);
    EXPECT_STREQ("Stopwatch", kEffects[19].name);
    for (const EffectDescriptor &effect : kEffects) {
        EXPECT_TRUE(effect.preview && effect.build && effect.background) << effect.name;
        EXPECT_NE(0u, effect.pageControls[0]) << effect.name;
        EXPECT_EQ(0u, effect.zero) << effect.name;
    }
    EXPECT_EQ(0, ClampEffectIndex(-1));
    EXPECT_EQ(19, ClampEffectIndex(20));
}

// The background queries read the live controls, not the stored settings.
TEST(EffectRegistry, BackgroundFollowsThePagesSwatchesAndCheckBoxes)
{
    HWND page = CreateWindowA("static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    auto add = [page](int id, const char *className, const char *text, DWORD style) {
        CreateWindowA(className, text, WS_CHILD | style, 0, 0, 10, 10, page,
                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    };
    add(351, "button", "1111", BS_OWNERDRAW);
    add(355, "button", "2222", BS_OWNERDRAW);
    add(374, "button", "", BS_AUTOCHECKBOX);
    add(442, "button", "3333", BS_OWNERDRAW);
    add(468, "button", "", BS_AUTOCHECKBOX);
    add(566, "button", "", BS_AUTOCHECKBOX);
    add(562, "button", "4444", BS_OWNERDRAW);

    const struct {
        int effect;
        int check; // checked when nonzero
        int colour;
    } cases[] = {
        {0, 0, 0},   {10, 0, -1},   {6, 1, 1111}, {6, 0, 2222},
        {14, 1, -1}, {14, 0, 3333}, {5, 1, 4444}, {5, 0, -1},
    };
    const int checks[kEffectCount] = {0, 0, 0, 0, 0,   566, 374, 0, 0, 0,
                                      0, 0, 0, 0, 468, 0,   0,   0, 0, 0};
    for (const auto &test : cases) {
        if (checks[test.effect])
            CheckDlgButton(page, checks[test.effect], test.check ? BST_CHECKED : BST_UNCHECKED);
        EXPECT_EQ(test.colour, kEffects[test.effect].background(page))
            << kEffects[test.effect].name << " " << test.check;
    }
    DestroyWindow(page);
}

} // namespace

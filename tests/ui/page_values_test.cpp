#include "ui/page_values.h"

#include "config/settings_snapshot.h"
#include "ui/page_dialog.h"

#include <gtest/gtest.h>

namespace
{

class PageValues : public ::testing::Test
{
protected:
    SettingsSnapshot snapshot_;
    PageDialog dialog_;
};

TEST_F(PageValues, SpinValueIsClampedToItsSpecification)
{
    const struct {
        const char *field;
        const char *spec;
        int value;
    } cases[] = {
        {"50", "2,256,16", 50},        {"1", "2,256,16", 2},
        {"999", "2,256,16", 256},      {"abc", "2,256,16", 2},
        {"", "2,256,16", 2},           {"4294967295", "0,10,1", 10},
        {"99999999999", "0,10,1", 10}, {"50", "junk", 50},
        {"500", "junk", 100},          {"7", "5", 7},
    };
    for (const auto &test : cases) {
        dialog_.SetText(387, test.field);
        dialog_.SetText(387 + kSpinIdOffset, test.spec);
        EXPECT_EQ(test.value, ReadSpinValue(dialog_.get(), 387)) << test.field << " " << test.spec;
    }
}

TEST_F(PageValues, ChoiceIsRaisedToMinAndLoweredToMax)
{
    const struct {
        int selection, min, max, value;
    } cases[] = {
        {-1, 0, 3, 0}, {-1, -1, 3, -1}, {2, 0, 3, 2}, {3, 0, 1, 1}, {3, -1, -1, 3},
    };
    for (const auto &test : cases) {
        SendMessageA(dialog_.Control(428), CB_SETCURSEL, test.selection, 0);
        EXPECT_EQ(test.value, ReadChoice(dialog_.get(), 428, test.min, test.max))
            << test.selection << " " << test.min << " " << test.max;
    }
}

TEST_F(PageValues, CheckSliderAndSwatchReadTheirControls)
{
    EXPECT_EQ(0, ReadCheck(dialog_.get(), 391));
    CheckDlgButton(dialog_.get(), 391, BST_CHECKED);
    EXPECT_EQ(1, ReadCheck(dialog_.get(), 391));

    EXPECT_EQ(0, ReadSliderValue(dialog_.get(), 404)); // position 127, the default
    dialog_.SetText(404, std::to_string(255u << 18 | 0x3FFFF).c_str());
    EXPECT_EQ(128, ReadSliderValue(dialog_.get(), 404));
    dialog_.SetText(404, "0");
    EXPECT_EQ(-127, ReadSliderValue(dialog_.get(), 404));

    EXPECT_EQ(3355443, ReadSwatchColour(dialog_.get(), 385));
}

} // namespace

#include "config/setting_entry.h"
#include "config/settings.h"
#include "frame/effect_registry.h"
#include "ui/control_row.h"
#include "ui/page_values.h"
#include "ui/sound_file_control.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>

namespace
{

const ControlRow *FindRow(uint32_t id)
{
    for (size_t i = 0; i < kControlRowCount; i++)
        if (kControlTable[i].id == id)
            return &kControlTable[i];
    return nullptr;
}

TEST(ControlTable, BindsTheDialogsOwnControlsFirstThenCreatesEveryPageRow)
{
    ASSERT_EQ(482u, kControlRowCount);
    const uint32_t dialogIds[] = {30, 13, 11, 14, 20, 10, 15, 29, 22, 19, 46};
    for (size_t i = 0; i < kControlRowCount; i++) {
        const ControlRow &row = kControlTable[i];
        if (i < 11) {
            EXPECT_EQ(dialogIds[i], row.id);
            EXPECT_EQ(0, row.createFlags & kCreateAtStart) << row.id;
            continue;
        }
        EXPECT_TRUE(row.id >= 100 && row.id <= 670) << row.id;
        EXPECT_EQ(kCreateAtStart | kCreatePageRow, row.createFlags & 3) << row.id;
        EXPECT_EQ(0u, row.style & WS_VISIBLE) << row.id;
        for (size_t j = 11; j < i; j++)
            EXPECT_NE(row.id, kControlTable[j].id) << "row " << i;
    }
}

TEST(ControlTable, EverySpinSpecificationParsesIntoOrderedBounds)
{
    int numbers = 0;
    for (size_t i = 11; i < kControlRowCount; i++) {
        const ControlRow &row = kControlTable[i];
        if (row.kind != kKindNumber)
            continue;
        numbers++;
        ASSERT_NE(nullptr, row.text) << row.id;
        const SpinSpecification spec = ParseSpinSpecification(row.text);
        EXPECT_EQ(3, spec.fields) << row.id;
        EXPECT_LT(spec.min, spec.max) << row.id;
    }
    EXPECT_EQ(99, numbers); // 471 page rows and 99 spin boxes: 570 windows
}

TEST(ControlTable, EveryPageListNamesItsRowsAndEveryRowBelongsToOnePage)
{
    std::map<uint32_t, int> pageOf;
    for (int effect = 0; effect < kEffectCount; effect++) {
        for (const uint32_t *id = kEffects[effect].pageControls; *id; id++) {
            const bool spin = *id >= kSpinIdOffset;
            const ControlRow *row = FindRow(spin ? *id - kSpinIdOffset : *id);
            ASSERT_NE(nullptr, row) << kEffects[effect].name << " " << *id;
            if (spin) {
                EXPECT_EQ(kKindNumber, row->kind) << *id;
                EXPECT_EQ(*id - kSpinIdOffset, id[-1]) << "a spin box follows its field";
            }
            const auto known = pageOf.find(*id);
            EXPECT_TRUE(known == pageOf.end() || known->second == effect) << *id;
            pageOf[*id] = effect;
        }
    }
    for (size_t i = 11; i < kControlRowCount; i++)
        EXPECT_EQ(1u, pageOf.count(kControlTable[i].id)) << kControlTable[i].id;
}

TEST(ControlTable, EveryBoundVariableIsASettingOrOneOfTheUnsavedOnes)
{
    std::set<const void *> stored;
    for (size_t i = 0; i < kSettingsCount; i++)
        stored.insert(kSettingsTable[i].value);
    const std::set<const void *> unsaved = {
        &settings::MainSpectrumTextColor,       &settings::MainVUDigHorzTextColor,
        &settings::MainVUDigVertTextColor,      &settings::MainCountdownBezelColor,
        &settings::MainVUAnalogSquareFullScale, &settings::MainVUAnalogRoundFullScale};
    for (size_t i = 0; i < kControlRowCount; i++) {
        const ControlRow &row = kControlTable[i];
        if (row.kind == kKindLabel || row.id == 345) {
            EXPECT_EQ(nullptr, row.value) << row.id;
            continue;
        }
        ASSERT_NE(nullptr, row.value) << row.id;
        EXPECT_TRUE(stored.count(row.value) || unsaved.count(row.value)) << row.id;
    }
}

// One or two controls of every page, with the look and default the page gives them.
TEST(ControlTable, SampleRowsOfEveryPage)
{
    const struct {
        uint32_t id;
        uint32_t kind;
        int32_t x, y;
        const char *text; // spin specification or caption
        int32_t value;
    } rows[] = {
        {387, kKindNumber, 476, 94, "64,32760,128", 196},
        {404, kKindCustom, 364, 234, nullptr, 33292328},
        {537, kKindNumber, 476, 150, "1,256,16", 10},
        {426, kKindNumber, 476, 290, "6,255,16", 48},
        {416, kKindCustom, 476, 122, nullptr, 16777215},
        {180, kKindCheck, 236, 354, "Full scale", 1},
        {192, kKindNumber, 476, 94, "48,256,128", 97},
        {569, kKindNumber, 476, 318, "1,100,50", 80},
        {371, kKindNumber, 476, 290, "1,255,255", 224},
        {214, kKindNumber, 476, 206, "0,256,16", 10},
        {159, kKindCheck, 12, 370, "Etched", 1},
        {106, kKindCustom, 476, 94, nullptr, 4144959},
        {510, kKindCustom, 476, 94, nullptr, 16725453},
        {488, kKindNumber, 476, 262, "1000,32760,10632", 8162},
        {254, kKindChoice, 476, 150, nullptr, 19},
        {235, kKindNumber, 476, 178, "0,256,16", 10},
        {466, kKindNumber, 476, 346, "1000,32760,10632", 11259},
        {341, kKindChoice, 476, 150, nullptr, 22},
        {375, kKindNumber, 476, 66, "2,32760,256", 64},
        {321, kKindCheck, 124, 354, "Use bezel", 0},
        {498, kKindNumber, 476, 122, "2,32760,59", 60},
        {560, kKindChoice, 476, 346, nullptr, 0},
    };
    for (const auto &expected : rows) {
        const ControlRow *row = FindRow(expected.id);
        ASSERT_NE(nullptr, row) << expected.id;
        EXPECT_EQ(expected.kind, row->kind) << expected.id;
        EXPECT_EQ(expected.x, row->x) << expected.id;
        EXPECT_EQ(expected.y, row->y) << expected.id;
        if (expected.text) {
            EXPECT_STREQ(expected.text, row->kind == kKindNumber ? row->text : row->caption)
                << expected.id;
        }
        EXPECT_EQ(expected.value, *static_cast<int32_t *>(row->value)) << expected.id;
    }
    EXPECT_EQ(100, FindRow(560)->width);
    EXPECT_STREQ("Altitude:", FindRow(540)->caption);
    EXPECT_EQ(222 - 16, FindRow(540)->y);
    EXPECT_STREQ("0,140;14,200;20,680;39,870;44,220;67,310;80,570;92,680;100,140",
                 static_cast<char *>(FindRow(383)->value));
    EXPECT_STREQ("default.wav", static_cast<char *>(FindRow(311)->value));
}

// The control of every "Sound:" label is the sound file control; the text and image file
// controls are not.
TEST(ControlTable, EverySoundRowCarriesTheSoundControl)
{
    for (uint32_t id : {110u, 144u, 168u, 184u, 233u, 283u, 311u, 418u}) {
        EXPECT_EQ(SoundFileControlProc, FindRow(id)->windowProc) << id;
        EXPECT_STREQ("Sound:", FindRow(id + 1)->caption) << id;
    }
    for (uint32_t id : {514u, 567u})
        EXPECT_NE(SoundFileControlProc, FindRow(id)->windowProc) << id;
}

} // namespace

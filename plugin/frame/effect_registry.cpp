#include "frame/effect_registry.h"

#include "effects/band_meter.h"
#include "effects/countdown.h"
#include "effects/digital_vu.h"
#include "effects/stopwatch.h"
#include "ui/page_values.h"

namespace
{

// Effects whose renderer is not built yet: their preview stays blank and a build of them
// fails like any failing build.
int __cdecl NotBuiltYet(EffectContext *)
{
    return 0;
}

int __cdecl Black(HWND)
{
    return 0;
}
int __cdecl NoSingleBackground(HWND)
{
    return -1;
}

template <UINT swatch> int __cdecl Swatch(HWND dialog)
{
    return ReadSwatchColour(dialog, swatch);
}

// The background depends on a check box; a swatch id of 0 means no single background.
template <UINT check, UINT swatchWhenChecked, UINT swatchWhenClear>
int __cdecl SwatchByCheck(HWND dialog)
{
    const UINT swatch = ReadCheck(dialog, check) ? swatchWhenChecked : swatchWhenClear;
    return swatch ? ReadSwatchColour(dialog, swatch) : -1;
}

// Page controls, in creation order; each spin box right after its number field.
// clang-format off
const uint32_t kAlienOverflightPage[] = {385, 386, 387, 10387, 388, 389, 10389, 390, 391, 392, 393, 394, 395, 396, 10396, 397, 400, 401, 10401, 402, 403, 398, 10398, 399, 404, 405, 406, 407, 0};
const uint32_t kAltimeterPage[] = {525, 526, 527, 528, 529, 530, 531, 532, 533, 10533, 534, 535, 10535, 536, 537, 10537, 538, 539, 540, 541, 0};
const uint32_t kAudioSpectrumPage[] = {408, 409, 410, 411, 412, 413, 414, 415, 418, 419, 420, 10420, 421, 422, 10422, 423, 424, 10424, 425, 428, 429, 430, 431, 432, 433, 426, 10426, 427, 434, 435, 416, 417, 436, 10436, 437, 438, 10438, 439, 440, 441, 0};
const uint32_t kAnalogVUMeterRectangularPage[] = {168, 169, 170, 10170, 171, 172, 173, 174, 175, 176, 10176, 177, 178, 179, 180, 181, 10181, 182, 183, 0};
const uint32_t kAnalogVUMeterRoundPage[] = {184, 185, 186, 10186, 187, 188, 189, 190, 191, 192, 10192, 193, 194, 195, 196, 197, 10197, 198, 199, 0};
const uint32_t kBarGraphPage[] = {542, 543, 544, 545, 546, 547, 548, 549, 550, 10550, 551, 552, 10552, 553, 554, 10554, 555, 556, 10556, 557, 558, 10558, 559, 556, 10556, 557, 560, 561, 562, 563, 564, 565, 566, 567, 568, 569, 10569, 570, 0};
const uint32_t kBubbleChamberPage[] = {351, 352, 353, 354, 355, 356, 357, 10357, 358, 359, 10359, 360, 361, 10361, 362, 363, 10363, 364, 365, 10365, 366, 367, 10367, 368, 369, 10369, 370, 371, 10371, 372, 373, 374, 0};
const uint32_t kCountdownPage[] = {200, 201, 202, 203, 204, 10204, 205, 206, 10206, 207, 208, 10208, 209, 210, 10210, 211, 212, 213, 214, 10214, 215, 216, 217, 10217, 218, 219, 220, 0};
const uint32_t kDigitalVUMeterHorizontalPage[] = {134, 135, 136, 137, 138, 139, 140, 141, 144, 145, 146, 10146, 147, 148, 10148, 149, 150, 10150, 151, 154, 155, 156, 157, 158, 159, 152, 10152, 153, 160, 161, 142, 143, 162, 10162, 163, 164, 10164, 165, 166, 167, 0};
const uint32_t kDigitalVUMeterVerticalPage[] = {100, 101, 102, 103, 104, 105, 106, 107, 110, 111, 112, 10112, 113, 114, 10114, 115, 116, 10116, 117, 120, 121, 122, 123, 124, 125, 118, 10118, 119, 126, 127, 108, 109, 128, 10128, 129, 130, 10130, 131, 132, 133, 0};
const uint32_t kExtraterrestrialDataPadPage[] = {504, 505, 506, 507, 508, 509, 510, 511, 512, 513, 514, 515, 516, 10516, 517, 518, 10518, 519, 520, 10520, 521, 522, 523, 524, 0};
const uint32_t kJacobsLadderPage[] = {470, 471, 472, 473, 474, 475, 476, 477, 478, 10478, 479, 480, 10480, 481, 482, 10482, 483, 484, 10484, 485, 486, 10486, 487, 488, 10488, 489, 0};
const uint32_t kLissajousFigurePage[] = {238, 239, 240, 241, 244, 10244, 245, 246, 10246, 247, 248, 10248, 249, 250, 10250, 251, 252, 10252, 253, 254, 255, 256, 10256, 257, 242, 243, 258, 259, 260, 261, 262, 263, 264, 10264, 265, 266, 0};
const uint32_t kMagicEyePage[] = {221, 222, 223, 224, 225, 10225, 226, 233, 234, 227, 228, 229, 10229, 230, 231, 232, 235, 10235, 236, 237, 0};
const uint32_t kPlasmaArcPage[] = {442, 443, 444, 445, 446, 447, 448, 449, 450, 451, 452, 453, 454, 455, 456, 10456, 457, 458, 10458, 459, 460, 10460, 461, 462, 10462, 463, 464, 10464, 465, 466, 10466, 467, 468, 469, 0};
const uint32_t kRadarPage[] = {329, 330, 331, 332, 333, 334, 335, 10335, 336, 337, 338, 339, 10339, 340, 341, 342, 343, 10343, 344, 345, 346, 347, 348, 349, 350, 0};
const uint32_t kTachometerPage[] = {375, 10375, 376, 377, 10377, 378, 379, 380, 381, 10381, 382, 383, 384, 0};
const uint32_t kSoundMapPage[] = {267, 268, 269, 270, 273, 10273, 274, 277, 10277, 278, 279, 10279, 280, 281, 10281, 282, 271, 272, 296, 287, 288, 289, 290, 291, 10291, 292, 293, 283, 284, 285, 286, 275, 10275, 276, 294, 295, 0};
const uint32_t kSoundScanPage[] = {297, 298, 299, 300, 303, 10303, 304, 307, 10307, 308, 309, 10309, 310, 301, 302, 324, 315, 316, 317, 318, 319, 10319, 320, 321, 311, 312, 313, 314, 305, 10305, 306, 322, 323, 325, 10325, 326, 327, 10327, 328, 0};
const uint32_t kStopwatchPage[] = {490, 491, 492, 493, 494, 495, 496, 10496, 497, 498, 10498, 499, 500, 501, 10501, 502, 503, 0};
// clang-format on

} // namespace

// clang-format off
const EffectDescriptor kEffects[kEffectCount] = {
    {"Alien Overflight",              NotBuiltYet,            NotBuiltYet,          Black,                        kAlienOverflightPage,          0},
    {"Altimeter",                     NotBuiltYet,            NotBuiltYet,          Swatch<525>,                  kAltimeterPage,                0},
    {"Audio Spectrum",                BandMeterPreview,       BandMeterBuild,       Swatch<414>,                  kAudioSpectrumPage,            0},
    {"Analog VU Meter (rectangular)", NotBuiltYet,            NotBuiltYet,          Swatch<178>,                  kAnalogVUMeterRectangularPage, 0},
    {"Analog VU Meter (round)",       NotBuiltYet,            NotBuiltYet,          Swatch<194>,                  kAnalogVUMeterRoundPage,       0},
    {"Bar Graph",                     NotBuiltYet,            NotBuiltYet,          SwatchByCheck<566, 562, 0>,   kBarGraphPage,                 0},
    {"Bubble Chamber",                NotBuiltYet,            NotBuiltYet,          SwatchByCheck<374, 351, 355>, kBubbleChamberPage,            0},
    {"Countdown",                     CountdownPreview,       CountdownBuild,       Swatch<202>,                  kCountdownPage,                0},
    {"Digital VU Meter (horizontal)", HorizontalMeterPreview, HorizontalMeterBuild, Swatch<140>,                  kDigitalVUMeterHorizontalPage, 0},
    {"Digital VU Meter (vertical)",   VerticalMeterPreview,   VerticalMeterBuild,   Swatch<106>,                  kDigitalVUMeterVerticalPage,   0},
    {"Extraterrestrial Data Pad",     NotBuiltYet,            NotBuiltYet,          NoSingleBackground,           kExtraterrestrialDataPadPage,  0},
    {"Jacob's Ladder",                NotBuiltYet,            NotBuiltYet,          Swatch<470>,                  kJacobsLadderPage,             0},
    {"Lissajous Figure",              NotBuiltYet,            NotBuiltYet,          SwatchByCheck<266, 260, 240>, kLissajousFigurePage,          0},
    {"Magic Eye",                     NotBuiltYet,            NotBuiltYet,          Swatch<223>,                  kMagicEyePage,                 0},
    {"Plasma Arc",                    NotBuiltYet,            NotBuiltYet,          SwatchByCheck<468, 0, 442>,   kPlasmaArcPage,                0},
    {"Radar",                         NotBuiltYet,            NotBuiltYet,          Swatch<329>,                  kRadarPage,                    0},
    {"Tachometer",                    NotBuiltYet,            NotBuiltYet,          Swatch<379>,                  kTachometerPage,               0},
    {"Sound Map",                     NotBuiltYet,            NotBuiltYet,          SwatchByCheck<293, 287, 269>, kSoundMapPage,                 0},
    {"Sound Scan",                    NotBuiltYet,            NotBuiltYet,          SwatchByCheck<321, 315, 299>, kSoundScanPage,                0},
    {"Stopwatch",                     StopwatchPreview,       StopwatchBuild,       Swatch<490>,                  kStopwatchPage,                0},
};
// clang-format on

int ClampEffectIndex(int index)
{
    if (index < 0)
        return 0;
    return index < kEffectCount ? index : kEffectCount - 1;
}

int EffectIndexByName(const char *name)
{
    for (int i = 0; i < kEffectCount; i++)
        if (lstrcmpiA(kEffects[i].name, name) == 0)
            return i;
    return -1;
}

#include "frame/build_animation.h"

#include "config/settings.h"
#include "frame/effect_context.h"
#include "frame/frame_list.h"
#include "frame/global_block.h"
#include "frame/plugin_messages.h"
#include "imaging/colour_reduction.h"
#include "imaging/fixed_palettes.h"
#include "imaging/octree_quantiser.h"
#include "imaging/packed_image.h"
#include "imaging/palette_search.h"
#include "resources/resource_ids.h"

#include <cstring>

namespace
{

const char kCommentBlock[] =
    "CREATED BY...\r\n"
    "\r\n"
    "This animation was created by Quintrel' Animora Professional or Framolt and the Zentrix "
    "#1 plugin.\r\n"
    "\r\n"
    "See\r\n"
    "\r\n"
    "    https://www.quintrel.example/zentrix\r\n"
    "\r\n"
    "for more information.";

const char kTaskError[] = "Error creating new task.";
const char kAddImageError[] = "There has been an error adding an image to the current file object.";


// Everything one build works on; the frames and the accumulated frame are freed with it.
class Build
{
public:
    Build(HWND dialog, const HostRecord *host) : dialog_(dialog), host_(host) {}
    ~Build()
    {
        FreeFrameList(&frames_);
        if (accumulated_)
            GlobalFree(accumulated_);
    }

    int Run(int test, const EffectDescriptor &effect, BuildOptions options);

private:
    int Call(int operation, int value, void *data, void *task = nullptr) const
    {
        return host_ && host_->service ? host_->service(task, operation, value, data) : 0;
    }
    void Status(const char *text) const { Call(HOST_SET_STATUS, 0, const_cast<char *>(text)); }
    void Progress(int position, int total) const
    {
        Call(HOST_PROGRESS, position, reinterpret_cast<void *>(static_cast<intptr_t>(total)));
    }
    int Fail(const char *text) const
    {
        ShowMessage(dialog_, text);
        return 0;
    }
    int MemoryError() const { return Fail(LoadPluginString(IDS_MEMORY_ERROR)); }

    bool MakePalette();
    bool Supercompress();
    HGLOBAL ReduceFrame(FrameRecord &record, int index);
    bool RemapFrames();
    bool MarkUnchangedPixels(HGLOBAL image, HGLOBAL mask);
    int HandToHost(int test);

    HWND dialog_;
    const HostRecord *host_;
    BuildOptions options_ = {};
    FrameList frames_ = {};
    HGLOBAL accumulated_ = nullptr;
    uint8_t palette_[kPaletteBytes] = {};
    int bits_ = 8;
    int colours_ = 256;
    int background_ = 0;
    int maskIndex_ = -1;
    int optimisationIndex_ = -1;
    int largestWidth_ = 0;
    int largestHeight_ = 0;
};

// Applies the option rules in their order of precedence.
void ResolveOptions(BuildOptions &o, const EffectDescriptor &effect, HWND dialog, int *background)
{
    if (o.trueColour)
        o.supercompress = false;
    if (o.supercompress)
        o.mask = o.transparent = false;
    if (effect.background) {
        *background = effect.background(dialog);
        if (*background == -1)
            o.mask = o.transparent = false;
    }
    if (o.transparent)
        o.mask = true;
    // Mask, transparency and frame optimisation each need a palette index no other colour
    // uses, which only the custom palette reserves: a fixed palette or true colour builds
    // without them rather than marking pixels with an index that is not there.
    if (o.trueColour || !o.optimisedPalette)
        o.mask = o.transparent = o.supercompress = false;
}

bool Build::MakePalette()
{
    const bool reserve = options_.supercompress || options_.mask;
    colours_ = reserve ? 255 : 256;
    Status("Quantizing");
    int count = colours_;
    if (!CollectExactPalette(&count, palette_, &frames_)) {
        count = colours_;
        if (!QuantiseFrames(&count, palette_, &frames_))
            return false;
    }
    colours_ = count;
    SortPaletteByLuminance(palette_, colours_, true);
    bits_ = BitsForColourCount(colours_ + (reserve ? 1 : 0));

    const int reserved = colours_;
    maskIndex_ = reserved;
    uint8_t *entry = palette_ + 3 * reserved;
    if (reserve && reserved < 256) {
        entry[0] = static_cast<uint8_t>(background_);
        entry[1] = static_cast<uint8_t>(background_ >> 8);
        entry[2] = static_cast<uint8_t>(background_ >> 16);
    }
    if (options_.supercompress)
        optimisationIndex_ = reserved;
    return true;
}

// Marks, frame by frame, the pixels that did not change since the frames before.
bool Build::Supercompress()
{
    Status("Supercompressing");
    const uint8_t blackAndWhite[kPaletteBytes] = {0, 0, 0, 255, 255, 255};
    for (int i = 0; i < frames_.count; i++) {
        Progress(i, frames_.count);
        FrameRecord record;
        if (!GetFrame(&record, &frames_, i))
            return false;
        if (i == 0) {
            accumulated_ = DuplicateImage(record.image);
            if (!accumulated_)
                return false;
            continue;
        }
        GlobalLockGuard<PackedImage> accumulated(accumulated_);
        GlobalLockGuard<PackedImage> frame(record.image);
        if (!accumulated || !frame)
            return false;
        const int width = accumulated->biWidth, height = accumulated->biHeight;
        GlobalBlock mask(CreatePackedImage(width, height, blackAndWhite, 1));
        GlobalLockGuard<PackedImage> bits(mask.get());
        if (!bits)
            return false;
        for (int y = 0; y < height; y++)
            for (int x = 0; x < width; x++) {
                const int colour = GetImagePixel(frame.get(), x, y);
                const bool changed = GetImagePixel(accumulated.get(), x, y) != colour;
                if (changed)
                    SetImagePixel(accumulated.get(), x, y, colour);
                SetImagePixel(bits.get(), x, y, changed ? 0 : 1);
            }
        record.mask = mask.get();
        if (!PutFrame(&record, &frames_, i))
            return false;
        mask.release(); // the frame list owns it now
    }
    Progress(0, 0);
    return true;
}

// Gives every unchanged pixel the optimisation index, which the frame shows as transparent
// and whose entry of the frame's own table is the background.
bool Build::MarkUnchangedPixels(HGLOBAL handle, HGLOBAL maskHandle)
{
    GlobalLockGuard<PackedImage> image(handle);
    GlobalLockGuard<PackedImage> mask(maskHandle);
    if (!image || !mask)
        return false;
    for (int y = 0; y < mask->biHeight; y++)
        for (int x = 0; x < mask->biWidth; x++)
            if (GetImagePixel(mask.get(), x, y) == 1)
                SetImagePixel(image.get(), x, y, optimisationIndex_);
    if (optimisationIndex_ < ColourTableEntries(image->biBitCount)) {
        RGBQUAD &entry = reinterpret_cast<RGBQUAD *>(image.get() + 1)[optimisationIndex_];
        entry = RGBQUAD{static_cast<BYTE>(background_ >> 16), static_cast<BYTE>(background_ >> 8),
                        static_cast<BYTE>(background_), 0};
    }
    return true;
}

// The palette image of one true-colour frame, with its background and unchanged pixels
// marked as the options ask; none on failure.
HGLOBAL Build::ReduceFrame(FrameRecord &record, int index)
{
    const HGLOBAL source = record.image;
    GlobalBlock result(options_.dither
                           ? DitherImage(source, palette_, bits_, colours_, options_.fastRemap)
                           : RemapImage(source, palette_, bits_, colours_, options_.fastRemap));
    if (result && options_.supercompress && index == 0)
        result.reset(ReplaceMatchingPixels(result.get(), source, background_, maskIndex_));
    if (result && options_.supercompress && record.mask) {
        if (!MarkUnchangedPixels(result.get(), record.mask))
            return nullptr;
        record.transparentIndex = optimisationIndex_;
    }
    if (result && options_.mask && maskIndex_ != -1)
        result.reset(ReplaceMatchingPixels(result.get(), source, background_, maskIndex_));
    return result.release();
}

bool Build::RemapFrames()
{
    Status("Remapping");
    for (int i = 0; i < frames_.count; i++) {
        Progress(i, frames_.count);
        FrameRecord record;
        if (!GetFrame(&record, &frames_, i))
            return false;
        if (!options_.trueColour) {
            const HGLOBAL source = record.image;
            record.image = ReduceFrame(record, i);
            if (!record.image)
                return false;
            if (!PutFrame(&record, &frames_, i)) {
                GlobalFree(record.image);
                return false;
            }
            GlobalFree(source); // the list now holds the palette image
        }
        int width, height;
        if (!GetImageInfo(record.image, &width, &height, nullptr, nullptr))
            return false;
        largestWidth_ = width > largestWidth_ ? width : largestWidth_;
        largestHeight_ = height > largestHeight_ ? height : largestHeight_;
        if (options_.transparent)
            record.transparentIndex = maskIndex_;
        if (!PutFrame(&record, &frames_, i))
            return false;
    }
    return true;
}

int Build::HandToHost(int test)
{
    Progress(0, 0);
    TaskRecord task = {};
    task.size = sizeof task;
    task.version = kRecordVersion;
    task.owner = dialog_;
    task.width = largestWidth_;
    task.height = largestHeight_;
    task.bits = bits_;
    std::memcpy(task.palette, palette_, sizeof task.palette);
    task.frameCount = frames_.count;
    if (options_.transparent)
        task.transparentIndex = maskIndex_;
    if (!Call(test ? HOST_NEW_TEST_TASK : HOST_NEW_TASK, 0, &task))
        return Fail(kTaskError);

    for (int i = 0; i < frames_.count; i++) {
        FrameRecord record;
        if (!GetFrame(&record, &frames_, i))
            return MemoryError();
        ImageRecord image = {};
        image.size = sizeof image;
        image.version = kRecordVersion;
        image.image = record.image;
        image.transparent = options_.transparent ? 1 : 0;
        image.delay = record.delay;
        image.frameNumber = i;
        image.transparentIndex = record.transparentIndex;
        if (!Call(HOST_ADD_IMAGE, 0, &image, &task)) {
            Fail(kAddImageError);
            Call(HOST_END_TASK, 0, nullptr, &task);
            return 0;
        }
    }
    if (options_.comment)
        Call(HOST_ADD_COMMENT, 0, const_cast<char *>(kCommentBlock), &task);
    Call(HOST_END_TASK, 1, nullptr, &task);
    return 1;
}

int Build::Run(int test, const EffectDescriptor &effect, BuildOptions options)
{
    options_ = options;
    ResolveOptions(options_, effect, dialog_, &background_);
    bits_ = 8;
    LoadFixedPalette(palette_, &bits_, options_.paletteChoice);

    Progress(0, 0);
    Status("Building");
    if (effect.build) {
        Status("Building");
        EffectContext context = {};
        context.dialog = dialog_;
        context.frames = &frames_;
        context.host = host_;
        if (!effect.build(&context))
            return MemoryError();
    }
    Progress(0, 0);
    Progress(0, 0);
    if (frames_.count == 0)
        return MemoryError();

    if (!options_.trueColour && options_.optimisedPalette && !MakePalette())
        return MemoryError();
    Progress(0, 0);
    if (options_.supercompress && !Supercompress())
        return MemoryError();
    if (!RemapFrames())
        return MemoryError();
    return HandToHost(test);
}

bool Checked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) != 0;
}

bool CheckedWhenEnabled(HWND dialog, int id)
{
    return IsWindowEnabled(GetDlgItem(dialog, id)) && IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

} // namespace

BuildOptions ReadBuildOptions(HWND dialog)
{
    BuildOptions o = {};
    o.effect = ClampEffectIndex(
        static_cast<int>(SendDlgItemMessageA(dialog, IDC_EFFECT_LIST, CB_GETCURSEL, 0, 0)));
    o.mask = Checked(dialog, IDC_MASK_BACKGROUND);
    o.trueColour = IsDlgButtonChecked(dialog, IDC_TRUE_COLOUR) == BST_CHECKED;
    o.optimisedPalette = Checked(dialog, IDC_CUSTOM_PALETTE);
    o.dither = Checked(dialog, IDC_DITHER);
    o.supercompress = CheckedWhenEnabled(dialog, IDC_SUPERCOMPRESS);
    o.transparent = CheckedWhenEnabled(dialog, IDC_TRANSPARENT);
    o.paletteChoice = settings::MainPalette;
    o.comment = settings::AddDescriptiveCommentBlock != 0;
    o.fastRemap = settings::FastRemap != 0;
    return o;
}

int RunBuild(HWND dialog, const HostRecord *host, int test, const EffectDescriptor &effect,
             BuildOptions options)
{
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    const int result = Build(dialog, host).Run(test, effect, options);
    SetCursor(previous);
    return result;
}

int BuildAnimation(HWND dialog, const HostRecord *host, int test)
{
    const BuildOptions options = ReadBuildOptions(dialog);
    return RunBuild(dialog, host, test, kEffects[options.effect], options);
}

#include "ui/sound_file_control.h"

#include "frame/global_block.h"
#include "ui/control_row.h"

#include "sound/wav_fixture.h"
#include "support/heap_census.h"
#include "support/message_box_recorder.h"

#include <gtest/gtest.h>

#include <commdlg.h>
#include <dlgs.h>

#include <string>
#include <vector>

namespace
{

// A sawtooth of 16-bit stereo at 11025 samples a second, a quarter of a second unless told.
Bytes TestSound(double seconds = 0.25)
{
    const WavFormat format = {1, 2, 11025, 4, 16};
    std::vector<int16_t> samples(static_cast<size_t>(11025 * seconds) * 2);
    for (size_t i = 0; i < samples.size(); i++)
        samples[i] = static_cast<int16_t>((i / 2) % 50 * 400 - 10000);
    return WavFile(format, Samples16(samples));
}

void PumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// The control on a small window of its own, 80 × 20 as on the pages, holding a path. Only
// tests that read its pixels show it: showing a window is slow under the emulator.
class SoundControl
{
public:
    explicit SoundControl(const char *path, bool shown = false)
    {
        parent_ = CreateWindowExA(0, "static", "", WS_POPUP | (shown ? WS_VISIBLE : 0), 40, 40, 100,
                                  40, nullptr, nullptr, nullptr, nullptr);
        control_ = CreateWindowExA(0, "button", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 10, 10,
                                   80, 20, parent_, reinterpret_cast<HMENU>(110), nullptr, nullptr);
        SetWindowLongPtrA(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SoundFileControlProc));
        SendMessageA(control_, WM_CONTROL_INITIALISE, 0, 0);
        SetWindowTextA(control_, path);
        SendMessageA(control_, WM_CONTROL_REFRESH, 0, 0);
    }
    ~SoundControl() { DestroyWindow(parent_); }
    SoundControl(const SoundControl &) = delete;
    SoundControl &operator=(const SoundControl &) = delete;

    HWND get() const { return control_; }

    uint32_t Flags() const
    {
        GlobalLockGuard<SoundControlState> state(
            reinterpret_cast<HGLOBAL>(GetWindowLongPtrA(control_, GWLP_USERDATA)));
        return state ? state->flags : 0xDEAD;
    }
    bool Playing() const { return Flags() & kSoundPlaying; }

    std::string Text() const
    {
        char text[300] = "";
        GetWindowTextA(control_, text, sizeof(text));
        return text;
    }

    void Press(int x) const
    {
        SendMessageA(control_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 10));
    }
    // A whole click, and the command it posts carried out.
    void Click(int x) const
    {
        Press(x);
        SendMessageA(control_, WM_LBUTTONUP, 0, MAKELPARAM(x, 10));
        PumpMessages();
    }
    void ClickSquare() const { Click(70); }
    void ClickSelect() const { Click(30); }

    // Waits for the device's end of playback, five seconds at most.
    bool WaitUntilIdle() const
    {
        for (int waited = 0; Playing() && waited < 5000; waited += 10) {
            PumpMessages();
            Sleep(10);
        }
        return !Playing();
    }

    COLORREF Pixel(int x, int y) const
    {
        UpdateWindow(control_);
        HDC dc = GetDC(control_);
        const COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(control_, dc);
        return colour;
    }

    // Pixels of a colour inside the "Select" part, within its edges.
    int CountInLabel(int colourIndex) const
    {
        UpdateWindow(control_);
        HDC dc = GetDC(control_);
        int count = 0;
        for (int y = 2; y < 18; y++)
            for (int x = 2; x < 58; x++)
                count += GetPixel(dc, x, y) == GetSysColor(colourIndex);
        ReleaseDC(control_, dc);
        return count;
    }

private:
    HWND parent_, control_;
};

// The play square starts at x 60; glyph points are relative to it.
constexpr int kSquare = 60;

// Pixels where the two glyphs differ: the stop square's top and bottom edges.
void ExpectGlyph(const SoundControl &control, bool stop, const char *when)
{
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    EXPECT_EQ(shadow, control.Pixel(kSquare + 4, 8)) << when << ": the left edge of both";
    EXPECT_EQ(highlight, control.Pixel(kSquare + 15, 10)) << when;
    EXPECT_EQ(stop ? shadow : face, control.Pixel(kSquare + 10, 4)) << when;
    EXPECT_EQ(stop ? highlight : face, control.Pixel(kSquare + 10, 15)) << when;
}

TEST(SoundInformation, RateCutToOneDecimalAndPlayingTimeInHundredths)
{
    const struct {
        uint16_t channels;
        uint32_t rate;
        uint16_t blockAlign;
        DWORD dataSize;
        const char *rateAndTime;
    } cases[] = {
        {2, 22050, 2, 88200, "Stereo\nSample rate: 22.0 kHz\nPlaying time: 00:02.00"},
        {1, 44100, 2, 6659100, "Mono\nSample rate: 44.1 kHz\nPlaying time: 01:15.50"},
        {1, 11025, 4, 33075, "Mono\nSample rate: 11.0 kHz\nPlaying time: 00:00.75"},
        {2, 11025, 4, 44100 * 61 + 4410, "Stereo\nSample rate: 11.0 kHz\nPlaying time: 01:01.10"},
        // Damaged headers: no rate or no frame size give no playing time.
        {2, 0, 4, 1000, "Stereo\nSample rate: 0.0 kHz\nPlaying time: 00:00.00"},
        {2, 8000, 0, 1000, "Stereo\nSample rate: 8.0 kHz\nPlaying time: 00:00.00"},
    };
    for (const auto &c : cases) {
        const SoundFormat format = {1, c.channels, c.rate, c.rate * c.blockAlign, c.blockAlign, 8};
        EXPECT_EQ(std::string("C:\\Sounds\\drums.wav\n\nChannels: ") + c.rateAndTime,
                  SoundInformationText("C:\\Sounds\\drums.wav", format, c.dataSize));
    }
}

TEST(SoundFileControl, PlaysUntilTheDeviceIsDoneShowingTheStopSquareMeanwhile)
{
    TempWav wav(TestSound());
    SoundControl control(wav.path(), true);
    ExpectGlyph(control, false, "idle");
    EXPECT_GT(control.CountInLabel(COLOR_BTNTEXT), 0);

    control.ClickSquare();
    ASSERT_TRUE(control.Playing());
    ExpectGlyph(control, true, "playing");
    EXPECT_EQ(0, control.CountInLabel(COLOR_BTNTEXT));
    EXPECT_GT(control.CountInLabel(COLOR_GRAYTEXT), 0);

    EXPECT_TRUE(control.WaitUntilIdle());
    ExpectGlyph(control, false, "done");
    EXPECT_EQ(wav.path(), control.Text());
}

TEST(SoundFileControl, PressingTheSquareWhilePlayingStopsAndPlayingAgainWorks)
{
    TempWav wav(TestSound(3));
    SoundControl control(wav.path());
    control.ClickSquare();
    ASSERT_TRUE(control.Playing());
    control.ClickSquare();
    EXPECT_FALSE(control.Playing());
    control.ClickSquare();
    EXPECT_TRUE(control.Playing()) << "and plays again";
    control.ClickSquare();
    EXPECT_FALSE(control.Playing());
}

TEST(SoundFileControl, AHeldPartSinksAndMovesItsContent)
{
    TempWav wav(TestSound());
    SoundControl control(wav.path(), true);
    control.Press(70);
    EXPECT_EQ(kSoundPlayHeld, control.Flags());
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), control.Pixel(kSquare + 5, 9));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), control.Pixel(kSquare + 4, 9));
    SendMessageA(control.get(), WM_LBUTTONUP, 0, MAKELPARAM(70, 10));
    EXPECT_EQ(0u, control.Flags() & kSoundPlayHeld);
    PumpMessages();
    EXPECT_TRUE(control.Playing()) << "the release plays";
}

// Watches for the file chooser and, once it has settled in its folder, notes the folder and
// answers it: with the given file name, or by cancelling.
class ChooserAnswer
{
public:
    explicit ChooserAnswer(const char *fileName = nullptr)
    {
        fileName_ = fileName;
        opened_ = 0;
        folder_.clear();
        hook_ = SetWindowsHookExA(WH_CBT, Watch, nullptr, GetCurrentThreadId());
    }
    ~ChooserAnswer() { UnhookWindowsHookEx(hook_); }
    ChooserAnswer(const ChooserAnswer &) = delete;
    ChooserAnswer &operator=(const ChooserAnswer &) = delete;

    int Opened() const { return opened_; }
    const std::string &Folder() const { return folder_; }

private:
    static LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam)
    {
        HWND window = reinterpret_cast<HWND>(wParam);
        char className[32] = "";
        if (code == HCBT_ACTIVATE && GetClassNameA(window, className, sizeof(className)) &&
            lstrcmpA(className, "#32770") == 0 && !opened_++) {
            chooser_ = window;
            SetTimer(nullptr, 0, 300, Answer);
        }
        return CallNextHookEx(hook_, code, wParam, lParam);
    }
    static void CALLBACK Answer(HWND, UINT, UINT_PTR timer, DWORD)
    {
        KillTimer(nullptr, timer);
        char folder[MAX_PATH] = "";
        SendMessageA(chooser_, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
        folder_ = folder;
        if (fileName_) {
            SetDlgItemTextA(chooser_, cmb13, fileName_);
            SetDlgItemTextA(chooser_, edt1, fileName_);
        }
        PostMessageA(chooser_, WM_COMMAND, fileName_ ? IDOK : IDCANCEL, 0);
    }
    static HHOOK hook_;
    static HWND chooser_;
    static const char *fileName_;
    static int opened_;
    static std::string folder_;
};
HHOOK ChooserAnswer::hook_;
HWND ChooserAnswer::chooser_;
const char *ChooserAnswer::fileName_;
int ChooserAnswer::opened_;
std::string ChooserAnswer::folder_;

std::string FolderOf(const std::string &path)
{
    return path.substr(0, path.find_last_of('\\'));
}

TEST(SoundFileControl, SelectOpensTheChooserInTheSoundsFolder)
{
    TempWav wav(TestSound()), other(TestSound());
    SoundControl control(wav.path());
    {
        ChooserAnswer cancel;
        control.ClickSelect();
        EXPECT_EQ(1, cancel.Opened());
        EXPECT_EQ(FolderOf(wav.path()), FolderOf(cancel.Folder() + "\\"));
        EXPECT_EQ(wav.path(), control.Text()) << "cancelled: the path stays";
    }
    {
        ChooserAnswer choose(other.path());
        control.ClickSelect();
        EXPECT_EQ(1, choose.Opened());
        EXPECT_EQ(other.path(), control.Text());
    }
}

TEST(SoundFileControl, SelectDoesNothingWhilePlaying)
{
    TempWav wav(TestSound());
    SoundControl control(wav.path());
    control.ClickSquare();
    ASSERT_TRUE(control.Playing());
    ChooserAnswer cancel;
    control.Press(30);
    EXPECT_EQ(0u, control.Flags() & kSoundSelectHeld);
    SendMessageA(control.get(), WM_LBUTTONUP, 0, MAKELPARAM(30, 10));
    SendMessageA(control.get(), WM_COMMAND, kSoundSelectCommand, 0);
    PumpMessages();
    EXPECT_EQ(0, cancel.Opened());
    EXPECT_TRUE(control.Playing());
    EXPECT_EQ(wav.path(), control.Text());
}

TEST(SoundFileControl, SoundsThatCannotBeReadOrPlayedAreNamedAndNothingPlays)
{
    const struct {
        const char *what;
        Bytes file;
        const char *message;
    } cases[] = {
        {"ADPCM", WavFile({2, 1, 8000, 1, 4}, Bytes(100, 0)), "This sound cannot be read."},
        {"not a WAV file", Bytes(100, 'x'), "This sound cannot be read."},
        {"1 sample a second", WavFile({1, 2, 1, 4, 16}, Bytes(8, 0)),
         "This sound cannot be played."},
        {"0 bits a sample", WavFile({1, 2, 44100, 4, 0}, Bytes(8, 0)),
         "This sound cannot be played."},
        {"no channels", WavFile({1, 0, 11025, 4, 16}, Bytes(8, 0)), "This sound cannot be played."},
        {"nine channels", WavFile({1, 9, 11025, 18, 16}, Bytes(36, 0)),
         "This sound cannot be played."},
        {"no frame size", WavFile({1, 2, 11025, 0, 16}, Bytes(8, 0)),
         "This sound cannot be played."},
    };
    for (const auto &c : cases) {
        TempWav wav(c.file);
        SoundControl control(wav.path());
        MessageBoxRecorder boxes;
        control.ClickSquare();
        ASSERT_EQ(1u, boxes.Shown().size()) << c.what;
        EXPECT_EQ("Message", boxes.Shown()[0].caption) << c.what;
        EXPECT_EQ(c.message, boxes.Shown()[0].text) << c.what;
        EXPECT_FALSE(control.Playing()) << c.what;
    }
}

// Shift held while the square is pressed.
class ShiftHeld
{
public:
    ShiftHeld()
    {
        GetKeyboardState(saved_);
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = 0x80;
        SetKeyboardState(keys);
    }
    ~ShiftHeld() { SetKeyboardState(saved_); }

private:
    BYTE saved_[256];
};

TEST(SoundFileControl, ShiftShowsTheFormatInsteadOfPlaying)
{
    const WavFormat stereo8 = {1, 2, 22050, 2, 8};
    TempWav wav(WavFile(stereo8, Bytes(88200, 128))), broken(Bytes(40, 'x'));
    const struct {
        const char *path;
        const char *caption;
        std::string text;
    } cases[] = {
        {wav.path(), " ",
         std::string(wav.path()) +
             "\n\nChannels: Stereo\nSample rate: 22.0 kHz\nPlaying time: 00:02.00"},
        {broken.path(), "Message", "Memory error"},
    };
    for (const auto &c : cases) {
        SoundControl control(c.path);
        MessageBoxRecorder boxes;
        {
            ShiftHeld shift;
            control.ClickSquare();
        }
        ASSERT_EQ(1u, boxes.Shown().size()) << c.path;
        EXPECT_EQ(c.caption, boxes.Shown()[0].caption);
        EXPECT_EQ(c.text, boxes.Shown()[0].text);
        EXPECT_FALSE(control.Playing());
    }
}

TEST(SoundFileControl, LeavesNothingBehindAfterPlayingStoppingAndDestruction)
{
    TempWav wav(TestSound());
    {
        // The multimedia library sets itself up on first use; that is not a leak.
        SoundControl warmUp(wav.path());
        warmUp.ClickSquare();
        warmUp.ClickSquare();
    }
    PumpMessages();
    HeapCensus census;
    {
        SoundControl control(wav.path());
        control.ClickSquare();
        control.ClickSquare();
        control.ClickSquare();
        EXPECT_TRUE(control.WaitUntilIdle());
        control.ClickSquare();
        EXPECT_TRUE(control.Playing());
    } // destroyed while playing
    // The device's own thread lets go of its memory a little after the device is closed.
    for (int waited = 0; census.Leaked() > 0 && waited < 2000; waited += 20) {
        PumpMessages();
        Sleep(20);
    }
    EXPECT_EQ(0, census.Leaked());
}

} // namespace

#include "ui/sound_file_control.h"

#include "frame/global_block.h"
#include "frame/plugin_instance.h"
#include "frame/plugin_messages.h"
#include "imaging/gdi_guards.h"
#include "resources/resource_ids.h"
#include "ui/control_row.h"
#include "ui/custom_control.h"

#include <commdlg.h>
#include <windowsx.h>

#include <cmath>
#include <cstdio>
#include <cstring>

namespace
{

typedef char SoundPath[kSoundPathLength + 1];

void ReadPath(HWND control, SoundPath path)
{
    GetWindowTextA(control, path, sizeof(SoundPath));
}

uint32_t Flags(HWND control)
{
    GlobalLockGuard<SoundControlState> state(ControlStateBlock(control));
    return state ? state->flags : 0;
}

// The play square on the right, as wide as the control is high, and "Select" left of it.
void SplitParts(HWND control, RECT *select, RECT *square)
{
    GetClientRect(control, select);
    *square = *select;
    square->left = select->right > select->bottom ? select->right - select->bottom : 0;
    select->right = square->left;
}

// The glyphs of the play square, from its top-left corner, engraved: shadow lines on the
// upper left, highlight lines on the lower right.
struct GlyphLine {
    int colour;
    int count;
    POINT points[3];
};
const GlyphLine kPlayGlyph[] = {
    {COLOR_BTNSHADOW, 3, {{4, 14}, {4, 4}, {14, 9}}},
    {COLOR_BTNHIGHLIGHT, 2, {{15, 10}, {5, 15}}},
};
const GlyphLine kStopGlyph[] = {
    {COLOR_BTNSHADOW, 3, {{4, 14}, {4, 4}, {14, 4}}},
    {COLOR_BTNHIGHLIGHT, 3, {{15, 5}, {15, 15}, {5, 15}}},
};

void DrawGlyph(HDC dc, POINT origin, const GlyphLine (&lines)[2])
{
    for (const GlyphLine &line : lines) {
        ScopedPen pen(dc, GetSysColor(line.colour), 1);
        POINT points[3];
        for (int i = 0; i < line.count; i++)
            points[i] = {origin.x + line.points[i].x, origin.y + line.points[i].y};
        Polyline(dc, points, line.count);
    }
}

// A part's face and soft edge; answers how far its content moves (pressed in while held).
int DrawPart(HDC dc, RECT part, bool held)
{
    FillRect(dc, &part, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &part, held ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_SOFT);
    return held ? 1 : 0;
}

void DrawSelectLabel(HWND control, HDC dc, RECT part, bool playing)
{
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(playing ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    DrawTextA(dc, "Select", -1, &part, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (previous)
        SelectObject(dc, previous);
}

LRESULT Paint(HWND control, WPARAM, LPARAM)
{
    const uint32_t flags = Flags(control);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(control, &paint);
    RECT select, square;
    SplitParts(control, &select, &square);
    const int selectOffset = DrawPart(dc, select, flags & kSoundSelectHeld);
    OffsetRect(&select, selectOffset, selectOffset);
    DrawSelectLabel(control, dc, select, flags & kSoundPlaying);
    const int squareOffset = DrawPart(dc, square, flags & kSoundPlayHeld);
    DrawGlyph(dc, {square.left + squareOffset, square.top + squareOffset},
              (flags & kSoundPlaying) ? kStopGlyph : kPlayGlyph);
    EndPaint(control, &paint);
    return 0;
}

LRESULT Refresh(HWND control, WPARAM, LPARAM)
{
    InvalidateRect(control, nullptr, FALSE);
    UpdateWindow(control);
    return 0;
}

LRESULT Initialise(HWND control, WPARAM, LPARAM)
{
    AttachControlState(control, sizeof(SoundControlState));
    InvalidateRect(control, nullptr, FALSE);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(g_pageFont), FALSE);
    return 0;
}

LRESULT Press(HWND control, WPARAM, LPARAM lParam)
{
    SetCapture(control);
    RECT select, square;
    SplitParts(control, &select, &square);
    {
        GlobalLockGuard<SoundControlState> state(ControlStateBlock(control));
        if (state && GET_X_LPARAM(lParam) < square.left) {
            if (!(state->flags & kSoundPlaying))
                state->flags |= kSoundSelectHeld;
        } else if (state) {
            state->flags |= kSoundPlayHeld;
        }
    }
    InvalidateRect(control, nullptr, FALSE);
    return 0;
}

LRESULT Release(HWND control, WPARAM, LPARAM)
{
    if (GetCapture() != control)
        return 0;
    uint32_t held = 0;
    {
        GlobalLockGuard<SoundControlState> state(ControlStateBlock(control));
        if (state) {
            held = state->flags & (kSoundSelectHeld | kSoundPlayHeld);
            state->flags &= ~held;
        }
    }
    InvalidateRect(control, nullptr, FALSE);
    if (held & kSoundSelectHeld)
        PostMessageA(control, WM_COMMAND, kSoundSelectCommand, 0);
    if (held & kSoundPlayHeld)
        PostMessageA(control, WM_COMMAND, kSoundPlayCommand, 0);
    ReleaseCapture();
    return 0;
}

// The folder of the current path, where the chooser opens; a bare file name has none, and the
// chooser then starts in the current folder, where such a name is found.
void FolderOf(const char *path, SoundPath folder)
{
    size_t length = std::strlen(path);
    while (length > 0 && !std::strchr("\\/:", path[length - 1]))
        length--;
    lstrcpynA(folder, path, static_cast<int>(length) + 1);
    if (length > 0 && folder[length - 1] != '\\' && length < kSoundPathLength)
        lstrcatA(folder, "\\");
}

void SelectFile(HWND control)
{
    if (Flags(control) & kSoundPlaying)
        return;
    SoundPath path, folder;
    ReadPath(control, path);
    FolderOf(path, folder);
    char fileName[kSoundPathLength] = "";
    SoundPath fileTitle = "";
    OPENFILENAMEA request = {};
    request.lStructSize = sizeof(request);
    request.hwndOwner = control;
    request.lpstrFilter = "WAV files\0*.WAV\0All files\0*.*\0";
    request.nFilterIndex = 1;
    request.lpstrFile = fileName;
    request.nMaxFile = sizeof(fileName);
    request.lpstrFileTitle = fileTitle;
    request.nMaxFileTitle = sizeof(fileTitle);
    request.lpstrInitialDir = folder;
    request.Flags =
        OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (GetOpenFileNameA(&request))
        SetWindowTextA(control, fileName);
    Refresh(control, 0, 0);
}

void ShowSoundInformation(HWND control)
{
    SoundPath path;
    ReadPath(control, path);
    DWORD dataSize = 0;
    GlobalBlock image(ReadSoundImage(path, &dataSize));
    std::string text;
    {
        GlobalLockGuard<SoundFormat> format(image.get());
        if (format)
            text = SoundInformationText(path, *format.get(), dataSize);
    }
    if (text.empty()) {
        ShowMessage(GetParent(control), LoadPluginString(IDS_MEMORY_ERROR));
        return;
    }
    MessageBoxExA(GetParent(control), text.c_str(), " ", MB_OK,
                  MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
}

// Stops a playing sound, or reads the file and plays it; answers the complaint to show, if
// any, once the state is no longer locked.
const char *TogglePlayback(HWND control)
{
    GlobalLockGuard<SoundControlState> state(ControlStateBlock(control));
    if (!state)
        return nullptr;
    if (state->flags & kSoundPlaying) {
        StopSoundPlayback(control, &state->playback);
        state->flags &= ~kSoundPlaying;
        return nullptr;
    }
    SoundPath path;
    ReadPath(control, path);
    GlobalBlock image(ReadSoundImage(path, nullptr));
    if (!image)
        return "This sound cannot be read.";
    if (!StartSoundPlayback(control, image.get(), &state->playback))
        return "This sound cannot be played.";
    state->flags |= kSoundPlaying;
    return nullptr;
}

void Play(HWND control)
{
    if (GetKeyState(VK_SHIFT) < 0) {
        ShowSoundInformation(control);
        return;
    }
    if (const char *complaint = TogglePlayback(control))
        ShowMessage(GetParent(control), complaint);
    SendMessageA(control, WM_CONTROL_REFRESH, 0, 0);
}

LRESULT Command(HWND control, WPARAM wParam, LPARAM)
{
    if (wParam == kSoundSelectCommand)
        SelectFile(control);
    else if (wParam == kSoundPlayCommand)
        Play(control);
    return 0;
}

LRESULT PlaybackDone(HWND control, WPARAM, LPARAM)
{
    bool ended = false;
    {
        GlobalLockGuard<SoundControlState> state(ControlStateBlock(control));
        ended = state && FinishSoundPlayback(&state->playback);
        if (ended)
            state->flags &= ~kSoundPlaying;
    }
    if (ended)
        InvalidateRect(control, nullptr, FALSE);
    return 0;
}

// Painting covers the whole control.
LRESULT SkipErase(HWND, WPARAM, LPARAM)
{
    return 1;
}

// A page rebuilt or a dialog closed never leaves a sound playing.
LRESULT Destroy(HWND control, WPARAM wParam, LPARAM lParam)
{
    {
        GlobalLockGuard<SoundControlState> state(ControlStateBlock(control));
        if (state)
            StopSoundPlayback(control, &state->playback);
    }
    FreeControlState(control);
    return CallWindowProcA(ButtonClassProc(), control, WM_DESTROY, wParam, lParam);
}

typedef LRESULT (*MessageHandler)(HWND control, WPARAM wParam, LPARAM lParam);
struct MessageRoute {
    UINT message;
    MessageHandler handle;
};
// clang-format off
const MessageRoute kRoutes[] = {
    {WM_CONTROL_INITIALISE, Initialise},
    {WM_CONTROL_REFRESH,    Refresh},
    {WM_PAINT,              Paint},
    {WM_ERASEBKGND,         SkipErase},
    {WM_LBUTTONDOWN,        Press},
    {WM_LBUTTONDBLCLK,      Press}, // a quick second click presses again
    {WM_LBUTTONUP,          Release},
    {WM_COMMAND,            Command},
    {MM_WOM_DONE,           PlaybackDone},
    {WM_DESTROY,            Destroy},
};
// clang-format on

} // namespace

LRESULT CALLBACK SoundFileControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    for (const MessageRoute &route : kRoutes)
        if (route.message == message)
            return route.handle(control, wParam, lParam);
    return CallWindowProcA(ButtonClassProc(), control, message, wParam, lParam);
}

std::string SoundInformationText(const char *path, const SoundFormat &format, DWORD dataSize)
{
    const double bytesPerSecond = static_cast<double>(format.samplesPerSecond) * format.blockAlign;
    // A header without a rate or a frame size gives no playing time rather than a division
    // by zero.
    const double seconds = bytesPerSecond > 0 ? dataSize / bytesPerSecond : 0;
    const unsigned minutes = static_cast<unsigned>(seconds / 60);
    const unsigned wholeSeconds = static_cast<unsigned>(seconds - minutes * 60.0);
    const unsigned hundredths = static_cast<unsigned>((seconds - std::floor(seconds)) * 100);
    char text[kSoundPathLength + 128];
    std::snprintf(text, sizeof(text),
                  "%s\n\nChannels: %s\nSample rate: %u.%1.1u kHz\nPlaying time: %.2u:%.2u.%.2u",
                  path, format.channels == 1 ? "Mono" : "Stereo",
                  static_cast<unsigned>(format.samplesPerSecond / 1000),
                  static_cast<unsigned>(format.samplesPerSecond % 1000 / 100), minutes,
                  wholeSeconds, hundredths);
    return text;
}

#include "ui/colour_swatch.h"

#include "frame/global_block.h"
#include "frame/plugin_instance.h"
#include "imaging/fixed_palettes.h"
#include "imaging/packed_image.h"
#include "ui/control_row.h"
#include "ui/custom_control.h"
#include "ui/page_values.h"

#include <cstdint>
#include <cstdio>

namespace
{

struct SwatchState {
    uint32_t flags; // bit 0: pressed
};

COLORREF CurrentColour(HWND swatch)
{
    return static_cast<COLORREF>(ReadSwatchColour(GetParent(swatch), GetDlgCtrlID(swatch)));
}

bool IsPressed(HWND swatch)
{
    GlobalLockGuard<SwatchState> state(ControlStateBlock(swatch));
    return state && (state->flags & 1);
}

void SetPressed(HWND swatch, bool pressed)
{
    GlobalLockGuard<SwatchState> state(ControlStateBlock(swatch));
    if (state)
        state->flags = pressed ? 1 : 0;
    InvalidateRect(swatch, nullptr, FALSE);
}

void Paint(HWND swatch)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(swatch, &paint);
    RECT rect;
    GetClientRect(swatch, &rect);
    FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    RECT edge = rect;
    InflateRect(&edge, -1, -1);
    DrawEdge(dc, &edge, IsPressed(swatch) ? BDR_SUNKENINNER : BDR_RAISEDINNER, BF_RECT);
    RECT inside = rect;
    InflateRect(&inside, -2, -2);
    HBRUSH fill = CreateSolidBrush(CurrentColour(swatch) & 0xFFFFFF);
    FillRect(dc, &inside, fill);
    DeleteObject(fill);
    EndPaint(swatch, &paint);
}

// Asks the host for a new colour; whatever the answer, the page learns of the click so the
// preview follows.
void ChooseColour(HWND swatch)
{
    // The host's chooser offers the "256-color orthogonal" palette.
    static uint8_t palette[kPaletteBytes];
    LoadFixedPalette(palette, nullptr, kOrthogonal256Palette);
    ColourRequest request = {};
    request.size = sizeof(request);
    request.version = kRecordVersion;
    request.palette = palette;
    request.constant24 = 24;
    request.colour = CurrentColour(swatch);
    request.control = swatch;
    if (g_hostRecord && g_hostRecord->service &&
        g_hostRecord->service(nullptr, HOST_CHOOSE_COLOUR, 0, &request)) {
        char text[16];
        std::snprintf(text, sizeof(text), "%u", static_cast<unsigned>(request.colour));
        SetWindowTextA(swatch, text);
    }
    InvalidateRect(swatch, nullptr, FALSE);
    const int id = GetDlgCtrlID(swatch);
    PostMessageA(GetParent(swatch), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(swatch));
}

} // namespace

LRESULT CALLBACK ColourSwatchProc(HWND swatch, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CONTROL_INITIALISE:
        AttachControlState(swatch, sizeof(SwatchState));
        InvalidateRect(swatch, nullptr, FALSE);
        return 0;
    case WM_CONTROL_REFRESH:
        InvalidateRect(swatch, nullptr, FALSE);
        return 0;
    case WM_PAINT:
        Paint(swatch);
        return 0;
    case WM_LBUTTONDOWN:
        SetCapture(swatch);
        SetPressed(swatch, true);
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == swatch) {
            SetPressed(swatch, false);
            PostMessageA(swatch, WM_COMMAND, kSwatchChooseCommand, 0);
            ReleaseCapture();
        }
        return 0;
    case WM_COMMAND:
        if (wParam == kSwatchChooseCommand) {
            ChooseColour(swatch);
            return 0;
        }
        break;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
        return 0;
    case WM_DESTROY:
        FreeControlState(swatch);
        break;
    }
    return CallWindowProcA(ButtonClassProc(), swatch, message, wParam, lParam);
}

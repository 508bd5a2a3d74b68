#include "ui/dialog_painting.h"

#include "frame/effect_registry.h"
#include "frame/global_block.h"
#include "frame/plugin_instance.h"
#include "imaging/image_drawing.h"
#include "imaging/packed_image.h"
#include "resources/resource_ids.h"

#include <cstdio>
#include <string>

namespace
{

constexpr int kPaneInset = 3;

int SelectedEffect(HWND dialog)
{
    const LRESULT selection = SendDlgItemMessageA(dialog, IDC_EFFECT_LIST, CB_GETCURSEL, 0, 0);
    return ClampEffectIndex(static_cast<int>(selection));
}

// The effect's picture for a pane of the given size, or null.
HGLOBAL RenderPreview(HWND dialog, int width, int height)
{
    EffectContext context = {};
    context.dialog = dialog;
    context.host = g_hostRecord;
    context.previewWidth = width;
    context.previewHeight = height;
    const EffectDescriptor &effect = kEffects[SelectedEffect(dialog)];
    const int rendered = effect.preview ? effect.preview(&context) : 0;
    GlobalBlock image(context.resultImage);
    return rendered ? image.release() : nullptr;
}

void ShowFrameSize(HWND dialog, HGLOBAL image)
{
    int width = 0, height = 0;
    GetImageInfo(image, &width, &height, nullptr, nullptr);
    char text[32];
    std::snprintf(text, sizeof text, "%d x %d", width, height);
    SetDlgItemTextA(dialog, IDC_FRAME_SIZE, text);
}

void DrawCentred(HDC dc, const RECT &area, HGLOBAL image)
{
    int width = 0, height = 0;
    GetImageInfo(image, &width, &height, nullptr, nullptr);
    const int x = area.left + (area.right - area.left - width) / 2;
    const int y = area.top + (area.bottom - area.top - height) / 2;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    DrawPackedImage(dc, x, y, image);
    RestoreDC(dc, saved);
}

} // namespace

HBRUSH PaintLabel(HDC dc)
{
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void PaintPreview(HWND dialog, const DRAWITEMSTRUCT *item)
{
    RECT inner = item->rcItem;
    InflateRect(&inner, -kPaneInset, -kPaneInset);
    inner.left--;
    inner.top--;
    GlobalBlock image(RenderPreview(dialog, inner.right - inner.left, inner.bottom - inner.top));
    FillRect(item->hDC, &inner, GetSysColorBrush(COLOR_3DLIGHT));
    if (image) {
        DrawCentred(item->hDC, inner, image.get());
        ShowFrameSize(dialog, image.get());
    }
    RECT outer = item->rcItem;
    DrawEdge(item->hDC, &outer, EDGE_ETCHED, BF_RECT | BF_SOFT);
}

void PaintFrameSize(const DRAWITEMSTRUCT *item)
{
    RECT area = item->rcItem;
    FillRect(item->hDC, &area, GetSysColorBrush(COLOR_HIGHLIGHTTEXT));
    DrawEdge(item->hDC, &area, EDGE_ETCHED, BF_RECT | BF_SOFT);
    char text[32] = "";
    GetWindowTextA(item->hwndItem, text, sizeof text);
    InflateRect(&area, -4, -2);
    SetBkMode(item->hDC, TRANSPARENT);
    SetTextColor(item->hDC, GetSysColor(COLOR_BTNTEXT));
    DrawTextA(item->hDC, text, -1, &area, DT_SINGLELINE | DT_VCENTER);
}

void PaintMarkerItem(const DRAWITEMSTRUCT *item)
{
    if (item->itemID == static_cast<UINT>(-1))
        return; // an empty list draws only its focus
    const LRESULT length = SendMessageA(item->hwndItem, LB_GETTEXTLEN, item->itemID, 0);
    std::string text(length > 0 ? length : 0, '\0');
    SendMessageA(item->hwndItem, LB_GETTEXT, item->itemID, reinterpret_cast<LPARAM>(&text[0]));
    text = text.substr(0, text.find(','));

    const bool selected = item->itemState & ODS_SELECTED;
    const COLORREF background = selected ? GetSysColor(COLOR_BTNSHADOW) : RGB(255, 255, 255);
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(item->hDC, &item->rcItem, brush);
    DeleteObject(brush);
    SetBkMode(item->hDC, TRANSPARENT);
    SetTextColor(item->hDC, selected ? RGB(255, 255, 255) : RGB(0, 0, 0));
    RECT area = item->rcItem;
    area.left += 2;
    DrawTextA(item->hDC, text.c_str(), -1, &area, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

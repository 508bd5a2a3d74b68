#include "ui/option_lists.h"

#include "config/settings.h"
#include "frame/effect_registry.h"
#include "frame/plugin_instance.h"
#include "resources/resource_ids.h"

namespace
{

void SelectIndex(HWND list, int32_t index)
{
    SendMessageA(list, CB_SETCURSEL, index, 0);
}

} // namespace

void FillEffectList(HWND dialog, UINT id)
{
    HWND list = GetDlgItem(dialog, id);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    for (const EffectDescriptor &effect : kEffects)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(effect.name));
    SelectIndex(list, settings::MainEffect);
}

void FillPaletteList(HWND dialog, UINT id)
{
    HWND list = GetDlgItem(dialog, id);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < IDS_PALETTE_COUNT; i++) {
        char name[64];
        if (!LoadStringA(g_module, IDS_PALETTE_FIRST + i, name, sizeof(name)))
            name[0] = '\0';
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    SelectIndex(list, settings::MainPalette);
}

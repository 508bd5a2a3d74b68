#include "ui/page_values.h"

#include "ui/control_row.h"

#include <cstdio>
#include <cstdlib>

unsigned long ReadControlUnsigned(HWND dialog, UINT id)
{
    char text[32] = "";
    GetDlgItemTextA(dialog, id, text, sizeof(text));
    const char *digits = text;
    while (*digits == ' ')
        digits++;
    // strtoul would turn "-1" into its unsigned form; a number field holds digits only.
    if (*digits == '-')
        return 0;
    return std::strtoul(digits, nullptr, 10);
}

SpinSpecification ParseSpinSpecification(const char *text)
{
    SpinSpecification spec = {0, 0, 0, 0};
    const int fields = std::sscanf(text, "%d,%d,%d", &spec.min, &spec.max, &spec.initial);
    spec.fields = fields < 0 ? 0 : fields;
    return spec;
}

int ReadSpinValue(HWND dialog, UINT id)
{
    char text[64] = "";
    GetDlgItemTextA(dialog, id + kSpinIdOffset, text, sizeof(text));
    SpinSpecification spec = ParseSpinSpecification(text);
    if (spec.fields < 2) {
        spec.min = 0;
        spec.max = 100;
    }
    const unsigned long value = ReadControlUnsigned(dialog, id);
    if (static_cast<long long>(value) < spec.min)
        return spec.min;
    if (static_cast<long long>(value) > spec.max)
        return spec.max;
    return static_cast<int>(value);
}

int ReadCheck(HWND dialog, UINT id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

int ReadChoice(HWND dialog, UINT id, int min, int max)
{
    HWND list = GetDlgItem(dialog, id);
    int choice = list ? static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0)) : -1;
    if (min >= 0 && choice < min)
        choice = min;
    if (max >= 0 && choice > max)
        choice = max;
    return choice;
}

int ReadSliderValue(HWND dialog, UINT id)
{
    return static_cast<int>((ReadControlUnsigned(dialog, id) >> 18) & 0xFF) - 127;
}

int ReadSwatchColour(HWND dialog, UINT id)
{
    return static_cast<int>(ReadControlUnsigned(dialog, id));
}

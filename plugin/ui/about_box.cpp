#include "ui/about_box.h"

#include "frame/plugin_instance.h"
#include "frame/plugin_messages.h"
#include "resources/resource_ids.h"
#include "ui/animated_logo.h"
#include "ui/dialog_look.h"
#include "ui/help.h"

#include <shellapi.h>

#include <cstdio>
#include <string>

const char kLicenseFailedMessage[] =
    "There has been an error displaying the requested document. Please ensure that there is an "
    "application installed on your system capable of opening text documents associated with "
    "the file extension .TXT.";
const char kWebPageFailedMessage[] = "There has been an error accessing your web browser.";

namespace
{

const char kLicenseFile[] = "zxfxlst1.txt";
const char kWebPage[] = "http://www.quintrel.example/zentrix1/";
const char kVersionRevision = 'a';
const char kAboutText[] =
    "\r\n\r\nZentrix #1 turns gadget and instrument displays into complete animations: "
    "meters and scopes driven by your sounds, gauges driven by your data, radar screens, "
    "countdowns, electric arcs and more, built frame by frame into a new document.\r\n\r\n"
    "News, updates and more effects are on the maker's web page.";

// Shell calls report success with a value above 32.
bool ShellSucceeded(HINSTANCE result)
{
    return reinterpret_cast<INT_PTR>(result) > 32;
}

std::string PluginFolder()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(g_module, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

void ViewLicense(HWND dialog)
{
    const std::string folder = PluginFolder();
    const std::string file = folder + kLicenseFile;
    char program[MAX_PATH] = "";
    bool shown = ShellSucceeded(FindExecutableA(file.c_str(), folder.c_str(), program));
    if (shown) {
        const std::string argument = "\"" + file + "\"";
        shown = ShellSucceeded(ShellExecuteA(dialog, "open", program, argument.c_str(),
                                             folder.c_str(), SW_SHOWMAXIMIZED));
    }
    if (!shown)
        ShowMessage(dialog, kLicenseFailedMessage);
}

void OpenWebPage(HWND dialog)
{
    if (!ShellSucceeded(ShellExecuteA(dialog, "open", kWebPage, nullptr, nullptr, SW_SHOWNORMAL)))
        ShowMessage(dialog, kWebPageFailedMessage);
}

HFONT HeadingFont(HWND dialog)
{
    return reinterpret_cast<HFONT>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void OnInit(HWND dialog)
{
    HFONT heading = CreateFontA(28, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, "Times New Roman");
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(heading));
    SendDlgItemMessageA(dialog, IDC_ABOUT_HEADING, WM_SETFONT, reinterpret_cast<WPARAM>(heading),
                        FALSE);
    SetDlgItemTextA(dialog, IDC_ABOUT_HEADING, "Zentrix #1 Plugin");
    char version[64];
    FormatVersionLine(version, sizeof version);
    SetDlgItemTextA(dialog, IDC_ABOUT_TEXT, (std::string(version) + kAboutText).c_str());
    StartLogo(dialog, IDC_ABOUT_LOGO);
    CentreOnScreen(dialog);
}

void OnCommand(HWND dialog, int id)
{
    switch (id) {
    case IDOK:
    case IDCANCEL:
        EndDialog(dialog, id);
        break;
    case IDC_HELP_BUTTON:
        ShowHelp(dialog, "ABOUT");
        break;
    case IDC_VIEW_LICENSE:
        ViewLicense(dialog);
        break;
    case IDC_WEB_PAGE:
        OpenWebPage(dialog);
        break;
    default:
        break;
    }
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    bool handled;
    const INT_PTR answer =
        HandleDialogLook(dialog, message, wParam, lParam, IDC_ABOUT_LOGO, &handled);
    if (handled)
        return answer;
    switch (message) {
    case WM_INITDIALOG:
        OnInit(dialog);
        return TRUE;
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam));
        return TRUE;
    case WM_DESTROY:
        StopLogo(dialog, IDC_ABOUT_LOGO);
        DeleteObject(HeadingFont(dialog));
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

void FormatVersionLine(char *text, size_t size)
{
    std::snprintf(text, size, "Version %d.%d%c (patch %d)", ZX_VERSION_MAJOR, ZX_VERSION_MINOR,
                  kVersionRevision, ZX_VERSION_PATCH);
}

void RunAboutBox(HWND owner)
{
    DialogBoxParamA(g_module, MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutProc, 0);
}

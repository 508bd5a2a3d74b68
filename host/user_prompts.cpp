#include "host/user_prompts.h"

#include <commdlg.h>
#include <shellapi.h>

bool AskForFile(HWND owner, char *buffer)
{
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = IsWindow(owner) ? owner : nullptr;
    dialog.lpstrFilter = "All files (*.*)\0*.*\0";
    dialog.lpstrFile = buffer;
    dialog.nMaxFile = MAX_PATH;
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    return GetOpenFileNameA(&dialog) != FALSE;
}

bool AskForColour(HWND owner, ColourRequest &request)
{
    // The first sixteen colours the plug-in offers become the chooser's custom colours.
    COLORREF custom[16] = {};
    for (int i = 0; request.palette && i < 16; i++) {
        const uint8_t *entry = request.palette + 3 * i;
        custom[i] = RGB(entry[0], entry[1], entry[2]);
    }
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = IsWindow(request.control) ? request.control : owner;
    dialog.rgbResult = request.colour;
    dialog.lpCustColors = custom;
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorA(&dialog))
        return false;
    request.colour = dialog.rgbResult;
    return true;
}

bool ShowHelpDocument(const std::string &pluginFolder, const std::string &topic, std::string &error)
{
    const size_t hash = topic.find('#');
    const std::string name = topic.substr(0, hash);
    const std::string anchor = hash == std::string::npos ? "" : topic.substr(hash);
    if (name.empty() || name.find_first_of("\\/:") != std::string::npos) {
        error = "the help document must be a file name beside the plug-in";
        return false;
    }
    // The installer puts the document in the "html" folder beside the plug-in.
    std::string path;
    for (const char *folder : {"\\html\\", "\\"}) {
        path = pluginFolder + folder + name;
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
            break;
        path.clear();
    }
    if (path.empty()) {
        error = "no help document " + name + " in " + pluginFolder + "\\html";
        return false;
    }
    std::string url = "file:///" + path + anchor;
    for (char &c : url)
        if (c == '\\')
            c = '/';
    const HINSTANCE shown =
        ShellExecuteA(nullptr, "open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(shown) <= 32) {
        error = "no program opens " + url;
        return false;
    }
    return true;
}

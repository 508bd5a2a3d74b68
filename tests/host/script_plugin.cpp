// A plug-in for testing the substitute host: it makes the host service calls named by the
// ZXTEST_SCRIPT environment variable when its Build or &Test button is pressed, and appends
// what each call returned to the file named by ZXTEST_RESULTS.
//
// A script is a list of steps separated by ";"; each step is a word and its arguments:
//   new W H BITS FRAMES TRANSPARENT   HOST_NEW_TASK (HOST_NEW_TEST_TASK under &Test)
//   add DELAY FLAG INDEX [local|noise] HOST_ADD_IMAGE of the next frame; "local": own
//                                     colours; "noise": scattered indices (see NoiseIndex)
//   comment TEXT | status TEXT | end COMMIT | progress POSITION TOTAL
//   colour C | file PATH | load PATH | help ANCHOR | call OPERATION
//   message TEXT                      a message box, as the plug-in shows its messages
//   ask TEXT                          a message box with Yes and No buttons
//   ini KEY                           the configuration file's value of KEY
// Frame f of a palette document has colour index (x + f) % 4 at (x, y); palette entries
// 0-3 are black, red, green and blue ("local" frames have yellow for red); a true-colour
// document has the same colours.
#include "frame/host_records.h"
#include "imaging/packed_image.h"

#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace
{

HINSTANCE g_instance;
const HostRecord *g_host;
TaskRecord g_task;
int g_nextFrame;

constexpr UINT kBuildPagesMessage = WM_USER + 200;
constexpr int kTestButton = 35;

std::string Environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

void Record(const std::string &line)
{
    const std::string path = Environment("ZXTEST_RESULTS");
    if (FILE *file = path.empty() ? nullptr : std::fopen(path.c_str(), "a")) {
        std::fprintf(file, "%s\n", line.c_str());
        std::fclose(file);
    }
}

int Call(void *task, int operation, int value, void *data)
{
    return g_host->service(task, operation, value, data);
}

void FillPalette(uint8_t *palette, bool local)
{
    const uint8_t base[4][3] = {
        {0, 0, 0}, {255, static_cast<uint8_t>(local ? 255 : 0), 0}, {0, 255, 0}, {0, 0, 255}};
    for (int i = 0; i < 256; i++)
        for (int c = 0; c < 3; c++)
            palette[3 * i + c] = i < 4 ? base[i][c] : static_cast<uint8_t>(i);
}

// Indices without runs or repeats, so that a GIF encoder fills its whole code table: the
// top byte of a multiplicative hash of the pixel's number in the document.
int NoiseIndex(int frame, int x, int y)
{
    const uint32_t n = (static_cast<uint32_t>(frame) * g_task.height + y) * g_task.width + x;
    return static_cast<int>((n * 2654435761u) >> 24) & ((1 << g_task.bits) - 1);
}

HGLOBAL FrameImage(int frame, const std::string &kind)
{
    const bool local = kind == "local";
    uint8_t palette[kPaletteBytes];
    FillPalette(palette, local);
    const int bits = g_task.bits;
    HGLOBAL handle = CreatePackedImage(g_task.width, g_task.height, palette, bits);
    PackedImage *image = static_cast<PackedImage *>(GlobalLock(handle));
    for (int y = 0; y < g_task.height; y++) {
        for (int x = 0; x < g_task.width; x++) {
            const int index = kind == "noise" ? NoiseIndex(frame, x, y) : (x + frame) % 4;
            const uint8_t *rgb = palette + 3 * index;
            SetImagePixel(image, x, y, bits <= 8 ? index : rgb[0] | rgb[1] << 8 | rgb[2] << 16);
        }
    }
    GlobalUnlock(handle);
    return handle;
}

std::string Hex(int value)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%06x", value);
    return text;
}

std::string ImageSummary(HGLOBAL handle)
{
    PackedImage *image = static_cast<PackedImage *>(GlobalLock(handle));
    std::string summary = std::to_string(image->biWidth) + " " + std::to_string(image->biHeight) +
                          " " + std::to_string(image->biBitCount) + " " +
                          Hex(GetImagePixel(image, 0, 0)) + " " +
                          Hex(GetImagePixel(image, image->biWidth - 1, image->biHeight - 1));
    GlobalUnlock(handle);
    return summary;
}

std::string IniValue(const std::string &key)
{
    char folder[MAX_PATH];
    SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder);
    const std::string path = std::string(folder) + "\\Quintrel\\ZXFXPLG1.INI";
    char value[256];
    GetPrivateProfileStringA("PlugIn", key.c_str(), "(none)", value, sizeof(value), path.c_str());
    return value;
}

void RunStep(HWND dialog, const std::string &step, bool test)
{
    std::istringstream in(step);
    std::string word, rest;
    in >> word;
    std::getline(in >> std::ws, rest);
    std::istringstream args(rest);
    char buffer[MAX_PATH] = {};
    lstrcpynA(buffer, rest.c_str(), MAX_PATH);
    int result = 0;
    std::string detail;
    if (word == "new") {
        g_task = TaskRecord{};
        g_task.size = sizeof(g_task);
        g_task.version = kRecordVersion;
        g_task.owner = dialog;
        args >> g_task.width >> g_task.height >> g_task.bits >> g_task.frameCount >>
            g_task.transparentIndex;
        FillPalette(g_task.palette, false);
        g_nextFrame = 0;
        result = Call(nullptr, test ? HOST_NEW_TEST_TASK : HOST_NEW_TASK, 0, &g_task);
    } else if (word == "add") {
        ImageRecord record{};
        std::string kind;
        record.size = sizeof(record);
        record.version = kRecordVersion;
        args >> record.delay >> record.transparent >> record.transparentIndex >> kind;
        record.frameNumber = g_nextFrame++;
        record.image = FrameImage(record.frameNumber, kind);
        result = Call(&g_task, HOST_ADD_IMAGE, 0, &record);
        GlobalFree(record.image); // the plug-in keeps ownership of every frame it hands over
    } else if (word == "comment") {
        result = Call(&g_task, HOST_ADD_COMMENT, 0, buffer);
    } else if (word == "end") {
        result = Call(&g_task, HOST_END_TASK, std::atoi(rest.c_str()), nullptr);
    } else if (word == "status") {
        result = Call(nullptr, HOST_SET_STATUS, 0, buffer);
    } else if (word == "progress") {
        int position = 0, total = 0;
        args >> position >> total;
        result = Call(nullptr, HOST_PROGRESS, position, reinterpret_cast<void *>(total));
    } else if (word == "colour") {
        uint8_t palette[kPaletteBytes];
        FillPalette(palette, false);
        ColourRequest request{sizeof(request),
                              kRecordVersion,
                              palette,
                              24,
                              0,
                              static_cast<COLORREF>(std::atoi(rest.c_str())),
                              dialog};
        result = Call(nullptr, HOST_CHOOSE_COLOUR, 0, &request);
        detail = " " + std::to_string(request.colour);
    } else if (word == "file") {
        result = Call(nullptr, HOST_CHOOSE_FILE, reinterpret_cast<int>(dialog), buffer);
        detail = std::string(" ") + buffer;
    } else if (word == "load") {
        const HGLOBAL image = reinterpret_cast<HGLOBAL>(Call(nullptr, HOST_LOAD_IMAGE, 0, buffer));
        result = image != nullptr;
        if (image)
            detail = " " + ImageSummary(image);
        GlobalFree(image);
    } else if (word == "help") {
        const std::string topic = "ZXFXPLG1.HTML#" + rest;
        result = Call(nullptr, HOST_SHOW_HELP, 0, const_cast<char *>(topic.c_str()));
    } else if (word == "call") {
        result = Call(nullptr, std::atoi(rest.c_str()), 0, nullptr);
    } else if (word == "message") {
        result = MessageBoxA(dialog, rest.c_str(), "Message", MB_OK | MB_ICONEXCLAMATION);
    } else if (word == "ask") {
        result = MessageBoxA(dialog, rest.c_str(), "Message", MB_YESNO | MB_DEFBUTTON2);
    } else if (word == "ini") {
        result = 1;
        detail = " " + rest + " " + IniValue(rest);
    }
    Record(word + " " + std::to_string(result) + detail);
}

void RunScript(HWND dialog, bool test)
{
    std::istringstream script(Environment("ZXTEST_SCRIPT"));
    std::string step;
    while (std::getline(script, step, ';'))
        if (step.find_first_not_of(' ') != std::string::npos)
            RunStep(dialog, step, test);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        g_host = reinterpret_cast<const HostRecord *>(lParam);
        Record("flags " + std::to_string(g_host->flags));
        if (!g_host->service)
            MessageBoxA(dialog, "Internal error", "Message", MB_OK);
        PostMessageA(dialog, kBuildPagesMessage, 0, 0);
        return TRUE;
    case kBuildPagesMessage:
        Record("pages");
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == kTestButton) {
            Record(LOWORD(wParam) == IDOK ? "build" : "test");
            if (g_host->service)
                RunScript(dialog, LOWORD(wParam) == kTestButton);
            if (LOWORD(wParam) == IDOK)
                EndDialog(dialog, 1);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            Record("cancel");
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

extern "C" {

BOOL WINAPI DllEntryPoint(HINSTANCE instance, DWORD, LPVOID)
{
    g_instance = instance;
    return TRUE;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    return DllEntryPoint(instance, reason, reserved);
}

int WINAPI PLUGINGetPluginParams(PluginInfo *info, void *)
{
    info->version = kRecordVersion;
    lstrcpynA(info->name, "Script plug-in", sizeof(info->name));
    return 1;
}

int WINAPI PLUGINDoBuild(HWND owner, HostRecord *host, void *)
{
    DialogBoxParamA(g_instance, MAKEINTRESOURCEA(1000), owner, DialogProc,
                    reinterpret_cast<LPARAM>(host));
    return 1;
}
}

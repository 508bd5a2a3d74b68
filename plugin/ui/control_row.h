// One control of an effect page, or one of the main dialog's own option controls: how it is
// created, and which setting variable its value comes from and goes back to.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

enum ControlKind : uint32_t {
    kKindChoice = 1,   // drop-down list
    kKindCheck = 2,    // check box
    kKindNumber = 3,   // number field with its spin box (id + 10000)
    kKindText = 4,     // text field
    kKindCustom = 5,   // owner-drawn button with its own window procedure
    kKindLabel = 6,    // static text
    kKindListBox = 7,  // list box
    kKindScrollBar = 8 // scroll bar
};

// Create flags.
constexpr uint8_t kCreateAtStart = 0x01;   // not in the dialog resource: made at dialog start
constexpr uint8_t kCreatePageRow = 0x02;   // marks the rows of effect pages
constexpr uint8_t kCreateTextValue = 0x04; // the control's text is its value
constexpr uint8_t kCreateSubclass = 0x80;  // replace the window procedure, then initialise
// Refresh flag.
constexpr uint8_t kRefreshAfterWrite = 0x01;
// Value flags.
constexpr uint8_t kValueInteger = 0x01;
constexpr uint8_t kValueInitialise = 0x02; // lists: run the initialiser; custom: integer as text
constexpr uint8_t kValueText = 0x04;
constexpr uint8_t kValueItems = 0x08; // lists: items from the row's text; custom: text as text
// Draw flag.
constexpr uint8_t kDrawByHandler = 0x08;

// Messages the mechanism sends to custom controls; both carry the row's number and text.
constexpr UINT WM_CONTROL_INITIALISE = WM_USER + 300;
constexpr UINT WM_CONTROL_REFRESH = WM_USER + 302;

// Spin boxes carry their number field's id plus this.
constexpr UINT kSpinIdOffset = 10000;

typedef void (*ControlInitialiser)(HWND dialog, UINT id);
typedef int (*ControlMessageHandler)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

struct ControlRow {
    uint32_t id;
    uint32_t kind;
    uint8_t createFlags;
    uint8_t refreshFlag;
    uint8_t valueFlags;
    uint8_t drawFlag;
    WNDPROC windowProc;
    ControlInitialiser initialise;
    ControlMessageHandler onMessage;
    void *value; // int32_t or char[kSettingTextSize]; null when bound to nothing
    uint32_t number;
    const char *text; // spin specification, list items, or custom control parameter
    int32_t x, y, width, height;
    uint32_t style, exStyle;
    const char *className;
    const char *caption;
};

// The main dialog's own option controls first, then every page control of every effect.
extern const ControlRow kControlTable[];
extern const size_t kControlRowCount;

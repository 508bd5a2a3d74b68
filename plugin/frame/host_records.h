// The records exchanged with the host editors and the host's service callback.
// Every field sits at a fixed offset of a 32-bit layout; the asserts below pin them.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

static_assert(sizeof(void *) == 4, "the host records hold 32-bit pointers and handles");

constexpr int32_t kRecordVersion = 513;

// Host service operation codes.
enum HostOperation : int {
    HOST_NEW_TASK = 1,
    HOST_ADD_IMAGE = 2,
    HOST_ADD_COMMENT = 3,
    HOST_END_TASK = 4,
    HOST_NEW_TEST_TASK = 5,
    HOST_CHOOSE_FILE = 6,
    HOST_LOAD_IMAGE = 8,
    HOST_SHOW_HELP = 9,
    HOST_SET_STATUS = 10,
    HOST_CHOOSE_COLOUR = 11,
    HOST_PROGRESS = 13,
};

// The host's single entry point for every service; nonzero means success.
typedef int(__cdecl *HostService)(void *task, int operation, int value, void *data);

// Host flags (HostRecord::flags).
constexpr uint8_t kHostFlagGifType = 0x01;    // delays in hundredths; transparency available
constexpr uint8_t kHostFlagTrueColour = 0x02; // the host accepts true-colour frames

#pragma pack(push, 1)

// Filled by PLUGINGetPluginParams into a block the host sized. The credit text follows the
// name field directly.
struct PluginInfo {
    int32_t size;
    int32_t version;
    char name[261];
};
constexpr size_t kPluginInfoCreditOffset = 269;

// Owned by the host; the plug-in reads only the callback and the flags.
struct HostRecord {
    int32_t size;
    int32_t version;
    HostService service;
    int32_t reserved12;
    int32_t reserved16;
    uint8_t flags;
    uint8_t reserved21[3];
};

// Describes the document a build creates in the host.
struct TaskRecord {
    int32_t size;
    int32_t version;
    HWND owner;
    int32_t width;
    int32_t height;
    int32_t bits;
    int32_t zero24;
    uint8_t palette[768];
    int32_t zero796;
    int32_t frameCount;
    char zero804[261];
    int32_t transparentIndex; // not 4-byte aligned
};

// One frame handed to the host; the plug-in keeps ownership of the image.
struct ImageRecord {
    int32_t size;
    int32_t version;
    HGLOBAL image;
    int32_t transparent;
    int32_t delay;
    int32_t zero20;
    int32_t zero24;
    int32_t zero28;
    int32_t frameNumber;
    int32_t transparentIndex;
    uint8_t zero40[64];
};

// Asks the host to let the user choose a colour.
struct ColourRequest {
    int32_t size;
    int32_t version;
    const uint8_t *palette;
    int32_t constant24;
    int32_t zero16;
    COLORREF colour;
    HWND control;
};

#pragma pack(pop)

static_assert(offsetof(PluginInfo, version) == 4, "PluginInfo layout");
static_assert(offsetof(PluginInfo, name) == 8, "PluginInfo layout");
static_assert(sizeof(PluginInfo) == kPluginInfoCreditOffset, "PluginInfo layout");

static_assert(offsetof(HostRecord, service) == 8, "HostRecord layout");
static_assert(offsetof(HostRecord, flags) == 20, "HostRecord layout");

static_assert(offsetof(TaskRecord, owner) == 8, "TaskRecord layout");
static_assert(offsetof(TaskRecord, width) == 12, "TaskRecord layout");
static_assert(offsetof(TaskRecord, height) == 16, "TaskRecord layout");
static_assert(offsetof(TaskRecord, bits) == 20, "TaskRecord layout");
static_assert(offsetof(TaskRecord, palette) == 28, "TaskRecord layout");
static_assert(offsetof(TaskRecord, zero796) == 796, "TaskRecord layout");
static_assert(offsetof(TaskRecord, frameCount) == 800, "TaskRecord layout");
static_assert(offsetof(TaskRecord, zero804) == 804, "TaskRecord layout");
static_assert(offsetof(TaskRecord, transparentIndex) == 1065, "TaskRecord layout");
static_assert(sizeof(TaskRecord) == 1069, "TaskRecord layout");

static_assert(offsetof(ImageRecord, image) == 8, "ImageRecord layout");
static_assert(offsetof(ImageRecord, transparent) == 12, "ImageRecord layout");
static_assert(offsetof(ImageRecord, delay) == 16, "ImageRecord layout");
static_assert(offsetof(ImageRecord, frameNumber) == 32, "ImageRecord layout");
static_assert(offsetof(ImageRecord, transparentIndex) == 36, "ImageRecord layout");
static_assert(offsetof(ImageRecord, zero40) == 40, "ImageRecord layout");
static_assert(sizeof(ImageRecord) == 104, "ImageRecord layout");

static_assert(offsetof(ColourRequest, palette) == 8, "ColourRequest layout");
static_assert(offsetof(ColourRequest, constant24) == 12, "ColourRequest layout");
static_assert(offsetof(ColourRequest, colour) == 20, "ColourRequest layout");
static_assert(offsetof(ColourRequest, control) == 24, "ColourRequest layout");
static_assert(sizeof(ColourRequest) == 28, "ColourRequest layout");

#include "support/recording_host.h"

#include "frame/global_block.h"
#include "imaging/packed_image.h"

namespace
{

RecordingHost *g_current = nullptr;

const char *OperationName(int operation)
{
    switch (operation) {
    case HOST_NEW_TASK:
        return "new-task";
    case HOST_NEW_TEST_TASK:
        return "new-test-task";
    case HOST_ADD_IMAGE:
        return "add-image";
    case HOST_ADD_COMMENT:
        return "comment";
    case HOST_END_TASK:
        return "end-task";
    case HOST_SET_STATUS:
        return "status";
    default:
        return "other";
    }
}

ReceivedFrame CopyFrame(const ImageRecord &record)
{
    ReceivedFrame frame;
    frame.record = record;
    GlobalLockGuard<PackedImage> image(record.image);
    if (!image)
        return frame;
    frame.width = image->biWidth;
    frame.height = image->biHeight;
    frame.bits = image->biBitCount;
    for (int y = 0; y < frame.height; y++)
        for (int x = 0; x < frame.width; x++)
            frame.pixels.push_back(GetImagePixel(image.get(), x, y));
    frame.palette.resize(kPaletteBytes);
    GetImagePalette(image.get(), frame.palette.data());
    return frame;
}

} // namespace

RecordingHost::RecordingHost(uint8_t flags)
{
    record.size = sizeof record;
    record.version = kRecordVersion;
    record.service = Service;
    record.flags = flags;
    g_current = this;
}

RecordingHost::~RecordingHost()
{
    g_current = nullptr;
}

int __cdecl RecordingHost::Service(void *task, int operation, int value, void *data)
{
    return g_current ? g_current->Handle(task, operation, value, data) : 0;
}

int RecordingHost::Handle(void *, int operation, int value, void *data)
{
    if (operation == HOST_PROGRESS) {
        progressCalls++;
        return 1;
    }
    std::string call = OperationName(operation);
    if (operation == HOST_SET_STATUS)
        call += ":" + std::string(static_cast<const char *>(data));
    if (operation == HOST_END_TASK)
        call += ":" + std::to_string(value);
    calls.push_back(call);

    const int n = seen_[operation & 15]++;
    if (operation == refuseOp_ && n == refuseAt_)
        return 0;
    switch (operation) {
    case HOST_NEW_TASK:
    case HOST_NEW_TEST_TASK:
        taskCreated = true;
        task = *static_cast<const TaskRecord *>(data);
        break;
    case HOST_ADD_IMAGE:
        frames.push_back(CopyFrame(*static_cast<const ImageRecord *>(data)));
        break;
    case HOST_ADD_COMMENT:
        comment = static_cast<const char *>(data);
        break;
    default:
        break;
    }
    return 1;
}

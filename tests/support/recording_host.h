// A host whose service callback records every call, keeps a copy of each frame it is given,
// and refuses the calls a test asks it to refuse.
#pragma once

#include "frame/host_records.h"

#include <cstdint>
#include <string>
#include <vector>

struct ReceivedFrame {
    ImageRecord record;
    int width = 0, height = 0, bits = 0;
    std::vector<int> pixels; // top-down, as GetImagePixel reads them
    std::vector<uint8_t> palette;
};

class RecordingHost
{
public:
    explicit RecordingHost(uint8_t flags = kHostFlagGifType | kHostFlagTrueColour);
    ~RecordingHost();

    // Refuse the n-th call (from 0) of this operation.
    void Refuse(int operation, int n) { refuseOp_ = operation, refuseAt_ = n; }

    HostRecord record = {};
    // Every call but progress, as "new-task", "add-image", "status:Quantizing", "end-task:1"...
    std::vector<std::string> calls;
    int progressCalls = 0;
    bool taskCreated = false;
    TaskRecord task = {};
    std::vector<ReceivedFrame> frames;
    std::string comment;

private:
    static int __cdecl Service(void *task, int operation, int value, void *data);
    int Handle(void *task, int operation, int value, void *data);

    int refuseOp_ = 0, refuseAt_ = -1;
    int seen_[16] = {};
};

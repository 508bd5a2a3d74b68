// The document a plug-in builds in the host: the task's description and the frames the host
// has copied, kept in memory until the run ends.
#pragma once

#include "frame/host_records.h"

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

struct GlobalFreeDeleter {
    void operator()(void *block) const { GlobalFree(block); }
};
using OwnedImage = std::unique_ptr<std::remove_pointer<HGLOBAL>::type, GlobalFreeDeleter>;

struct DocumentFrame {
    OwnedImage image; // the host's own copy of the packed image
    int delay;
    bool transparent;
    int transparentIndex;
};

enum class DocumentState { None, Open, Committed, Abandoned };

struct Document {
    DocumentState state = DocumentState::None;
    bool test = false;
    TaskRecord task{}; // a copy of the record the plug-in sent
    std::vector<DocumentFrame> frames;
    std::vector<std::string> comments;

    // The palette entries the task's bit depth uses.
    int PaletteEntries() const { return task.bits >= 1 && task.bits <= 8 ? 1 << task.bits : 0; }
    // The colour index that is transparent in a frame, or -1.
    int TransparentIndex(const DocumentFrame &frame) const;
};

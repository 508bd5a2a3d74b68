#include "host/document.h"

int Document::TransparentIndex(const DocumentFrame &frame) const
{
    if (!frame.transparent)
        return -1;
    // A frame without an index of its own uses the document's.
    return frame.transparentIndex >= 0 ? frame.transparentIndex : task.transparentIndex;
}

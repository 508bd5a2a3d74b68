#include "frame/frame_list.h"

#include "frame/global_block.h"

#include <cstring>

namespace
{

// Copies one record in or out of the block, holding the lock only for the copy.
int CopyRecord(const FrameList *list, int index, FrameRecord *out, const FrameRecord *in)
{
    if (!list->block || index < 0 || index >= list->count)
        return 0;
    GlobalLockGuard<FrameRecord> records(list->block);
    if (!records)
        return 0;
    if (out)
        *out = records.get()[index];
    else
        records.get()[index] = *in;
    return 1;
}

} // namespace

int GetFrame(FrameRecord *record, const FrameList *list, int index)
{
    return CopyRecord(list, index, record, nullptr);
}

int PutFrame(const FrameRecord *record, FrameList *list, int index)
{
    return CopyRecord(list, index, nullptr, record);
}

int AddFrame(FrameList *list, HGLOBAL image, int delay)
{
    const FrameRecord record = {image, nullptr, delay, -1};

    if (list->count == 0) {
        list->block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(FrameRecord));
        if (!list->block)
            return 0;
        list->count = 1;
        if (!PutFrame(&record, list, 0)) {
            GlobalFree(list->block);
            *list = FrameList{};
            return 0;
        }
        return 1;
    }

    HGLOBAL grown = GlobalReAlloc(list->block, (list->count + 1) * sizeof(FrameRecord),
                                  GMEM_MOVEABLE | GMEM_ZEROINIT);
    if (!grown)
        return 0;
    list->block = grown;
    list->count++;
    if (!PutFrame(&record, list, list->count - 1)) {
        list->count--; // the block keeps its larger size
        return 0;
    }
    return 1;
}

int SetLastFrameDelay(FrameList *list, int delay)
{
    FrameRecord record;
    if (!GetFrame(&record, list, list->count - 1))
        return 0;
    record.delay = delay;
    return PutFrame(&record, list, list->count - 1);
}

int FreeFrameList(FrameList *list)
{
    for (int i = 0; i < list->count; i++) {
        FrameRecord record;
        if (!GetFrame(&record, list, i))
            continue;
        if (record.image)
            GlobalFree(record.image);
        if (record.mask)
            GlobalFree(record.mask);
    }
    if (list->block)
        GlobalFree(list->block);
    *list = FrameList{};
    return 1;
}

#include "support/heap_census.h"

#include <windows.h>

size_t CountProcessHeapBlocks()
{
    HANDLE heap = GetProcessHeap();
    size_t busy = 0;
    PROCESS_HEAP_ENTRY entry = {};
    HeapLock(heap);
    while (HeapWalk(heap, &entry))
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
            busy++;
    HeapUnlock(heap);
    return busy;
}

HeapCensus::HeapCensus()
{
    // The allocator sets up its handle table on first use; that is not a leak.
    GlobalFree(GlobalAlloc(GMEM_MOVEABLE, 16));
    before_ = CountProcessHeapBlocks();
}

long HeapCensus::Leaked() const
{
    return static_cast<long>(CountProcessHeapBlocks()) - static_cast<long>(before_);
}

// Counts the blocks in use on the process heap, where the global allocator keeps movable
// blocks, so that a test can show an operation leaves no block behind.
#pragma once

#include <cstddef>

size_t CountProcessHeapBlocks();

// Takes the count at construction; Leaked() is the number of blocks added since.
class HeapCensus
{
public:
    HeapCensus();
    long Leaked() const;

private:
    size_t before_;
};

// The boxes of the box-average shrink along one axis: destination pixel j averages the
// source pixels from the end of box j - 1 up to (j + 1) × 100 / percent that exist.
#pragma once

#include <vector>

class BoxAxis
{
public:
    // length source pixels shrunk to percent (1..99) × length / 100 destination pixels.
    BoxAxis(int length, int percent);

    int Count() const { return static_cast<int>(start_.size()); }
    int Start(int j) const { return start_[j]; }
    // Source pixels inside box j; 0 when the box lies past the end of the line.
    int Size(int j) const { return size_[j]; }
    // What box j's sum is divided by: its size, or 1 for an empty box.
    int Divisor(int j) const { return size_[j] ? size_[j] : 1; }
    // The box holding source pixel i, or -1 when no box reaches it.
    int BoxOf(int i) const { return box_[i]; }

private:
    std::vector<int> start_, size_, box_;
};

#include "imaging/box_average.h"

#include <algorithm>

BoxAxis::BoxAxis(int length, int percent) : box_(length, -1)
{
    const int count = percent * length / 100;
    int start = 0;
    for (int j = 0; j < count; j++) {
        const int end = (j + 1) * 100 / percent;
        const int last = std::min(end, length);
        start_.push_back(start);
        size_.push_back(std::max(last - start, 0));
        for (int i = start; i < last; i++)
            box_[i] = j;
        start = end;
    }
}

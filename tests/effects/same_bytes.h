// Whether two global blocks hold the same bytes: how the fast renderers are held to the
// plain ones.
#pragma once

#include "frame/global_block.h"

#include <cstdint>
#include <cstring>

inline bool SameBytes(HGLOBAL a, HGLOBAL b)
{
    GlobalLockGuard<uint8_t> pa(a), pb(b);
    return pa && pb && GlobalSize(a) == GlobalSize(b) &&
           std::memcmp(pa.get(), pb.get(), GlobalSize(a)) == 0;
}

#include "sound/match_time.h"

#include "frame/host_records.h"

#include <algorithm>

int HostDelayUnit(uint8_t hostFlags)
{
    return (hostFlags & kHostFlagGifType) ? 10 : 1;
}

int MatchTimeDelay(int duration, int frames, int unit)
{
    return std::max(1, duration / std::max(1, frames) / std::max(1, unit));
}

// "Match Time": the frame delay that spreads an animation over its sound's playing time.
#pragma once

#include <cstdint>

// 10 when the host counts delays in hundredths of a second, else 1 (milliseconds).
int HostDelayUnit(uint8_t hostFlags);
// duration / frames / unit, truncated, at least 1; a count or unit below 1 counts as 1.
int MatchTimeDelay(int duration, int frames, int unit);

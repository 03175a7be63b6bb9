// The calendar clock that seeds the picture's random dots.
#pragma once

#include <cstdint>

// Seconds since 1970-01-01 00:00:00 UTC, taken to 32 bits: the real clock, unless a fixed time
// was set (tests and the batch renderer choose the second they render at).
std::uint32_t CalendarSeconds32();
void SetFixedCalendarSeconds(std::uint32_t seconds);
void UseRealCalendarClock();

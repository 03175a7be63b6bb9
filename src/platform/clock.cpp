#include "platform/clock.h"

#include <ctime>
#include <optional>

namespace {
std::optional<std::uint32_t> fixedSeconds;
}

std::uint32_t CalendarSeconds32() {
  if (fixedSeconds) return *fixedSeconds;
  return static_cast<std::uint32_t>(std::time(nullptr));
}

void SetFixedCalendarSeconds(std::uint32_t seconds) { fixedSeconds = seconds; }

void UseRealCalendarClock() { fixedSeconds.reset(); }

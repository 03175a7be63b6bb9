// The headless backend's own controls for tests and the batch renderer: resetting its state
// between scenarios. Each area of the backend has a header of its own (windows, text, ...).
#pragma once

#include <functional>

namespace headless {

// Forgets every window, message, scripted answer and recorded call, so that the next scenario
// starts as a fresh process would. Areas of the backend register what they must forget.
void Reset();
void OnReset(std::function<void()> forget);

}  // namespace headless

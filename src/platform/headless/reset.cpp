#include <vector>

#include "platform/headless/headless.h"

namespace headless {
namespace {
std::vector<std::function<void()>>& Hooks() {
  static std::vector<std::function<void()>> hooks;
  return hooks;
}
}  // namespace

void OnReset(std::function<void()> forget) { Hooks().push_back(std::move(forget)); }

void Reset() {
  for (auto& forget : Hooks()) forget();
}

}  // namespace headless

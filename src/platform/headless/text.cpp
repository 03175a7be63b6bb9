// Headless backend, text: records every TextOutA call and draws no glyphs.
#include "platform/backend.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_text.h"

namespace headless {
namespace {
std::vector<TextCall>& Calls() {
  static std::vector<TextCall> calls;
  return calls;
}
const bool registered = (OnReset([] { Calls().clear(); }), true);
}  // namespace

const std::vector<TextCall>& TextCalls() { return Calls(); }
void ClearTextCalls() { Calls().clear(); }

}  // namespace headless

void backend::DrawText(raster::Surface&, HWND window, int x, int y, const char* text, int length,
                       const LOGFONTA& font, COLORREF color, int bkMode) {
  (void)headless::registered;
  headless::Calls().push_back({window, x, y, std::string(text, length), font, color, bkMode});
}

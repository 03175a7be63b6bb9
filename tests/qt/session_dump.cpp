// Plays the scripted session on the headless backend and writes, for each checkpoint, the client's
// width, height and pixels (32-bit, native order), with kSkipped where text was drawn.
// Usage: qt_session_dump FILE
#include <algorithm>
#include <cstdio>

#include "platform/backend.h"
#include "platform/clock.h"
#include "platform/headless/headless_text.h"
#include "platform/headless/headless_windows.h"
#include "qt/session_script.h"
#include "shell/resources.h"
#include "shell/win_main.h"

using namespace session_script;

namespace {

void Checkpoint(HWND hwnd, std::FILE* f) {
  raster::Surface* s = backend::ClientSurface(hwnd);
  std::fill(s->pixels.begin(), s->pixels.end(), kUntouched);
  headless::ClearTextCalls();
  InvalidateRect(hwnd, nullptr, TRUE);
  UpdateWindow(hwnd);
  std::vector<std::uint32_t> pixels = s->pixels;
  // A box two cells wide per character: no glyph reaches beyond it.
  for (const headless::TextCall& t : headless::TextCalls()) {
    if (t.window != hwnd) continue;
    int characters = 0;
    for (unsigned char c : t.text) characters += (c & 0xC0) != 0x80;
    for (int y = std::max(t.y, 0); y < std::min(t.y + t.font.lfHeight, s->height); ++y)
      for (int x = std::max(t.x, 0); x < std::min(t.x + 2 * t.font.lfWidth * characters, s->width);
           ++x)
        pixels[static_cast<size_t>(y) * s->width + x] = kSkipped;
  }
  const std::int32_t size[] = {s->width, s->height};
  std::fwrite(size, sizeof size, 1, f);
  std::fwrite(pixels.data(), sizeof pixels[0], pixels.size(), f);
}

}  // namespace

int main(int argc, char** argv) {
  std::FILE* f = argc == 2 ? std::fopen(argv[1], "wb") : nullptr;
  if (!f) return 2;
  SetFixedCalendarSeconds(kSeedSeconds);
  HINSTANCE instance = CreateModuleInstance(&ProgramResources);
  LoadStringA(instance, 109, MainClassName, kMainClassNameSize);
  RegisterMainClass(instance);
  if (!CreateMainWindow(instance, SW_SHOWNORMAL)) return 1;
  HWND hwnd = headless::FindTopLevel(MainClassName);
  for (const Step& step : Steps()) {
    if (step.msg == 0)
      Checkpoint(hwnd, f);
    else if (step.msg == WM_COMMAND)
      SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(step.wParam, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(hwnd, static_cast<int>(step.wParam))));
    else
      SendMessageA(hwnd, step.msg, step.wParam, MAKELPARAM(step.x, step.y));
  }
  return std::fclose(f) == 0 ? 0 : 1;
}

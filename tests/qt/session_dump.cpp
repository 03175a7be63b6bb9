// Plays the scripted session on the headless backend and writes what each checkpoint saw,
// for the Qt test that compares its own pixels with these. Usage: qt_session_dump FILE
#include <cstdio>
#include <cstring>

#include "platform/backend.h"
#include "platform/clock.h"
#include "platform/headless/headless_text.h"
#include "platform/headless/headless_windows.h"
#include "platform/module.h"
#include "qt/session_script.h"
#include "shell/resources.h"
#include "shell/win_main.h"

using namespace session_script;

namespace {

// The width of a text in a 6 x 12 cell: half-width characters take one cell, others two.
int TextWidth(const std::string& utf8) {
  int width = 0;
  for (size_t i = 0; i < utf8.size();) {
    const unsigned char c = utf8[i];
    const int length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    unsigned code = length == 1 ? c : c & (0xFF >> (length + 1));
    for (int k = 1; k < length && i + k < utf8.size(); ++k) code = code << 6 | (utf8[i + k] & 0x3F);
    width += code < 0x80 || (code >= 0xFF61 && code <= 0xFF9F) ? 6 : 12;
    i += length;
  }
  return width;
}

Snapshot Take(HWND hwnd) {
  raster::Surface* s = backend::ClientSurface(hwnd);
  std::fill(s->pixels.begin(), s->pixels.end(), kUntouched);
  headless::ClearTextCalls();
  InvalidateRect(hwnd, nullptr, TRUE);
  UpdateWindow(hwnd);
  Snapshot shot{s->width, s->height, s->pixels, {}};
  for (const headless::TextCall& t : headless::TextCalls())
    if (t.window == hwnd) shot.textBoxes.push_back({t.x, t.y, t.x + TextWidth(t.text), t.y + 12});
  return shot;
}

void Write(std::FILE* f, const std::vector<Snapshot>& shots) {
  auto put = [&](std::int32_t v) { std::fwrite(&v, sizeof v, 1, f); };
  put(static_cast<std::int32_t>(shots.size()));
  for (const Snapshot& s : shots) {
    put(s.width);
    put(s.height);
    std::fwrite(s.pixels.data(), sizeof(std::uint32_t), s.pixels.size(), f);
    put(static_cast<std::int32_t>(s.textBoxes.size()));
    for (const RECT& r : s.textBoxes) {
      put(r.left);
      put(r.top);
      put(r.right);
      put(r.bottom);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
    return 2;
  }
  SetFixedCalendarSeconds(kSeedSeconds);
  HINSTANCE instance = CreateModuleInstance(&ProgramResources);
  LoadStringA(instance, 109, MainClassName, kMainClassNameSize);
  RegisterMainClass(instance);
  if (!CreateMainWindow(instance, SW_SHOWNORMAL)) return 1;
  HWND hwnd = headless::FindTopLevel(MainClassName);
  WPARAM buttons = 0;
  std::vector<Snapshot> shots;
  for (const Step& step : Steps()) {
    const LPARAM at = MAKELPARAM(step.x, step.y);
    const WPARAM flag = step.button == 1 ? MK_LBUTTON : MK_RBUTTON;
    switch (step.kind) {
      case Kind::Move:
        SendMessageA(hwnd, WM_MOUSEMOVE, buttons, at);
        break;
      case Kind::Press:
        buttons |= flag;
        SendMessageA(hwnd, step.button == 1 ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, buttons, at);
        break;
      case Kind::Release:
        buttons &= ~flag;
        SendMessageA(hwnd, step.button == 1 ? WM_LBUTTONUP : WM_RBUTTONUP, buttons, at);
        break;
      case Kind::Click:
        SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(step.control, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(hwnd, step.control)));
        break;
      case Kind::Checkpoint:
        shots.push_back(Take(hwnd));
        break;
    }
  }
  std::FILE* f = std::fopen(argv[1], "wb");
  if (!f) return 1;
  Write(f, shots);
  return std::fclose(f) == 0 ? 0 : 1;
}

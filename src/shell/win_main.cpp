#include "shell/win_main.h"

#include "canvas/app_state.h"
#include "shell/main_window.h"
#include "shell/resource_ids.h"

char MainClassName[kMainClassNameSize];

namespace {

// The window the message loop translates accelerators for. Key messages are addressed to
// whichever child control has the keyboard focus (a check box after a click, the dot list);
// translating for that control would send the command to it, where it does nothing, so the
// loop always translates for the main window instead.
HWND MainWindow = nullptr;

}  // namespace

void RegisterMainClass(HINSTANCE instance) {
  WNDCLASSEXA wc;
  wc.cbSize = sizeof(WNDCLASSEXA);
  // Repaint the whole client area after every change of size; no CS_DBLCLKS, so a double
  // click arrives as two presses and paints like them.
  wc.style = CS_VREDRAW | CS_HREDRAW;
  wc.lpfnWndProc = MainWndProc;
  wc.cbClsExtra = 0;
  wc.cbWndExtra = 0;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_MAIN_LARGE));
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  // A system colour index plus one: the default erase paints the scroll-bar colour.
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_SCROLLBAR + 1));
  wc.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN);
  wc.lpszClassName = MainClassName;
  wc.hIconSm = LoadIconA(instance, MAKEINTRESOURCEA(IDI_MAIN_SMALL));
  RegisterClassExA(&wc);
}

int CreateMainWindow(HINSTANCE instance, int showCommand) {
  // Stored first: the creation message already makes the controls with it.
  AppState.Instance = instance;
  HWND window = CreateWindowExA(0, MainClassName, "Velmora Ver.2", WS_OVERLAPPEDWINDOW, 60, 60, 504,
                                486, nullptr, nullptr, instance, nullptr);
  if (!window) return 0;
  MainWindow = window;
  ShowWindow(window, showCommand);
  UpdateWindow(window);  // the first paint, now
  return 1;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  LoadStringA(instance, IDR_MAIN, MainClassName, kMainClassNameSize);
  RegisterMainClass(instance);
  if (!CreateMainWindow(instance, showCommand)) return 0;
  HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_MAIN));
  MSG msg{};
  // GetMessageA's -1 (an error) must end the loop too, not spin it.
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (!TranslateAcceleratorA(MainWindow, accelerators, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  MainWindow = nullptr;
  return static_cast<int>(msg.wParam);
}

// Shared set-up of the Qt backend tests: a private home for Qt, a small module with a menu,
// accelerators, a dialog template and icons, a test window procedure that logs every message,
// a pump that runs the message loop until the queue is drained, and a helper that answers a
// modal dialog once it is up (closing it after a few seconds if a check failed to).
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/module.h"
#include "platform/qt/qt_backend.h"
#include "platform/win32.h"

namespace qt_harness {

// Qt and fontconfig must not touch the real home of whoever runs the tests.
inline const bool kPrivateHome = [] {
  char base[] = "/tmp/velmora-qt-test-XXXXXX";
  if (!mkdtemp(base)) return false;
  static const std::string root = base;
  std::atexit([] {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
  });
  setenv("HOME", root.c_str(), 1);
  setenv("XDG_CONFIG_HOME", root.c_str(), 1);
  setenv("XDG_RUNTIME_DIR", root.c_str(), 1);
  return true;
}();

constexpr UINT kSentinel = 0x8000 + 77;
constexpr int kCheckBoxId = 201, kLabelId = 203, kListId = 204, kRenderId = 206;
constexpr WORD kOpenCommand = 32771, kSaveDataCommand = 32772, kAboutCommand = 104;
constexpr WORD kMenuId = 109, kDialogId = 103, kIconLarge = 131, kIconSmall = 132;
constexpr COLORREF kGrey = RGB(192, 192, 192);

struct Delivered {
  HWND hwnd;
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
};

inline std::vector<Delivered>& Log() {
  static std::vector<Delivered> log;
  return log;
}
inline bool& AllowClose() {
  static bool allow = false;
  return allow;
}
inline std::function<void(HWND, WPARAM)>& OnCommand() {
  static std::function<void(HWND, WPARAM)> handler;
  return handler;
}
// One font for the controls of every test window, made once.
inline HFONT ControlFont();

inline std::vector<Delivered> Messages(UINT msg) {
  std::vector<Delivered> out;
  for (const Delivered& d : Log())
    if (d.msg == msg) out.push_back(d);
  return out;
}
inline int IndexOf(UINT msg) {
  for (size_t i = 0; i < Log().size(); ++i)
    if (Log()[i].msg == msg) return static_cast<int>(i);
  return -1;
}

// The control font of the program: a 12-pixel cell of "ＭＳ ゴシック".
inline LOGFONTA ProgramFont() {
  LOGFONTA lf{};
  lf.lfHeight = 12;
  lf.lfWidth = 6;
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lf.lfOutPrecision = OUT_TT_PRECIS;
  lf.lfQuality = DRAFT_QUALITY;
  lf.lfPitchAndFamily = FIXED_PITCH | FF_ROMAN;
  lstrcpyA(lf.lfFaceName, "ＭＳ ゴシック");
  return lf;
}

inline HFONT ControlFont() {
  static HFONT font = [] {
    const LOGFONTA lf = ProgramFont();
    return CreateFontIndirectA(&lf);
  }();
  return font;
}

inline void FillClient(HWND hwnd, int left, int top, int right, int bottom, COLORREF color) {
  HDC dc = GetDC(hwnd);
  HPEN pen = CreatePen(PS_SOLID, 1, color);
  HBRUSH brush = CreateSolidBrush(color);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  Rectangle(dc, left, top, right, bottom);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(pen);
  DeleteObject(brush);
  ReleaseDC(hwnd, dc);
}

inline HWND AddControl(HWND parent, const char* cls, const char* text, DWORD style, int id, int x,
                       int y, int w, int h) {
  HWND control =
      CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(ControlFont()), 1);
  return control;
}

// A window procedure shaped like the program's: controls on creation, a grey repaint below
// row 56 drawn through GetDC, a close request that is refused until the test allows it.
inline LRESULT CALLBACK TestWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Log().push_back({hwnd, msg, wParam, lParam});
  switch (msg) {
    case WM_CREATE: {
      AddControl(hwnd, "BUTTON", "大きいサイズ", BS_CHECKBOX, kCheckBoxId, 8, 8, 100, 20);
      AddControl(hwnd, "STATIC", "色", SS_LEFT, kLabelId, 210, 11, 12, 16);
      AddControl(hwnd, "COMBOBOX", "赤", 0x00200843, kListId, 224, 8, 60, 160);
      AddControl(hwnd, "BUTTON", "３Ｄ作図", BS_PUSHBUTTON, kRenderId, 414, 8, 74, 20);
      return 0;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      RECT r;
      GetClientRect(hwnd, &r);
      FillClient(hwnd, 0, 56, r.right, r.bottom, kGrey);
      return 0;
    }
    case WM_CLOSE:
      if (AllowClose()) DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_COMMAND:
      if (OnCommand()) OnCommand()(hwnd, wParam);
      return 0;
    default:
      return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

// 4-bit icons: a blue square on transparent corners, red in the 16-pixel image.
inline std::string IconPixels(int size, char ink) {
  std::string pixels(size * size, ink);
  pixels[0] = pixels[size - 1] = '.';
  return pixels;
}

inline const ModuleResources& TestResources() {
  static const MenuEntryResource saveAs[] = {
      {MenuEntryKind::Item, "元データの保存", kSaveDataCommand, {}},
      {MenuEntryKind::Item, "３Ｄアートの保存", 32773, {}},
  };
  static const MenuEntryResource file[] = {
      {MenuEntryKind::Item, "開く(&O)", kOpenCommand, {}},
      {MenuEntryKind::Popup, "名前を付けて保存(&A)", 0, saveAs},
      {MenuEntryKind::Separator, nullptr, 0, {}},
      {MenuEntryKind::Item, "コピー", 32774, {}},
      {MenuEntryKind::Separator, nullptr, 0, {}},
      {MenuEntryKind::Item, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", 105, {}},
  };
  static const MenuEntryResource help[] = {
      {MenuEntryKind::Item, "目次(&C)", 32775, {}},
      {MenuEntryKind::Item, "ﾊﾞｰｼﾞｮﾝ情報(&A) ...", kAboutCommand, {}},
  };
  static const MenuEntryResource bar[] = {
      {MenuEntryKind::Popup, "ﾌｧｲﾙ(&F)", 0, file},
      {MenuEntryKind::Popup, "ﾍﾙﾌﾟ(&H)", 0, help},
  };
  static const MenuResource menus[] = {{kMenuId, bar}};
  static const ACCEL keys[] = {{FALT, '?', kAboutCommand}, {FALT, '/', kAboutCommand}};
  static const AcceleratorTableResource accelerators[] = {{kMenuId, keys}};
  static const DialogControlResource controls[] = {
      {"STATIC", nullptr, kIconLarge, WS_CHILD | WS_VISIBLE | SS_ICON, 9, 6, 20, 20, 131},
      {"STATIC", "Velmora Version 2.0", 0, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_NOPREFIX, 36, 7,
       68, 8, -1},
      {"BUTTON", "OK", 0, WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 63, 32,
       30, 11, IDOK},
  };
  static const DialogResource dialogs[] = {
      {kDialogId, 0x00C800C0, 0, 22, 17, 112, 52, "ﾊﾞｰｼﾞｮﾝ情報", "ＭＳ Ｐゴシック", 12, controls}};
  static const StringResource strings[] = {{109, "VELMORA2"}};
  static const std::string large32 = IconPixels(32, '1'), large16 = IconPixels(16, '1');
  static const std::string small32 = IconPixels(32, '2'), small16 = IconPixels(16, '2');
  static const IconImageResource largeImages[] = {
      {32, {0, RGB(0, 0, 255), RGB(255, 0, 0)}, large32.c_str()},
      {16, {0, RGB(0, 0, 255), RGB(255, 0, 0)}, large16.c_str()}};
  static const IconImageResource smallImages[] = {
      {32, {0, RGB(0, 0, 255), RGB(255, 0, 0)}, small32.c_str()},
      {16, {0, RGB(0, 0, 255), RGB(255, 0, 0)}, small16.c_str()}};
  static const IconResource icons[] = {{kIconLarge, largeImages}, {kIconSmall, smallImages}};
  static const ModuleResources resources{1041, menus, accelerators, dialogs, strings, icons};
  return resources;
}

inline HINSTANCE Module() {
  static HINSTANCE module = CreateModuleInstance(&TestResources());
  return module;
}

inline HACCEL Accelerators() { return LoadAcceleratorsA(Module(), MAKEINTRESOURCEA(kMenuId)); }

inline bool Pump(HWND hwnd);

// Registers the class and creates the window; shown and first painted unless asked not to.
// Whatever an earlier scenario left in the queue is handled first.
inline HWND MakeWindow(bool show = true) {
  (void)kPrivateHome;
  Pump(nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = TestWindowProc;
  wc.hInstance = Module();
  wc.hIcon = LoadIconA(Module(), MAKEINTRESOURCEA(kIconLarge));
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<UINT_PTR>(COLOR_SCROLLBAR + 1));
  wc.lpszMenuName = MAKEINTRESOURCEA(kMenuId);
  wc.lpszClassName = "VELMORA2";
  wc.hIconSm = LoadIconA(Module(), MAKEINTRESOURCEA(kIconSmall));
  RegisterClassExA(&wc);
  HWND hwnd = CreateWindowExA(0, "VELMORA2", "Velmora Ver.2", WS_OVERLAPPEDWINDOW, 60, 60, 504, 486,
                              nullptr, nullptr, Module(), nullptr);
  if (show) {
    ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);
  }
  return hwnd;
}

// Runs the program's loop until everything queued so far (and the repaint it asks for) has
// been handled. Returns false when the quit message came first.
inline bool Pump(HWND hwnd) {
  Accelerators();
  PostMessageA(hwnd, kSentinel, 0, 0);
  MSG m;
  while (GetMessageA(&m, nullptr, 0, 0) > 0) {
    if (m.message == kSentinel) {
      UpdateWindow(hwnd);
      return true;
    }
    if (!TranslateAcceleratorA(m.hwnd, Accelerators(), &m)) {
      TranslateMessage(&m);
      DispatchMessageA(&m);
    }
  }
  return false;
}

// Once a modal dialog of type T is up, hands it to act. A dialog still open after about five
// seconds (a check that failed to answer it) is ended, so that the test cannot hang.
template <typename T>
void WhenModal(std::function<void(T*)> act) {
  auto* timer = new QTimer(qApp);
  auto ticks = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, ticks, act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<T*>(modal); dialog && dialog->isVisible()) {
      timer->stop();
      timer->deleteLater();
      act(dialog);
      return;
    }
    if (++*ticks > 250) {
      timer->stop();
      timer->deleteLater();
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->done(0);
    }
  });
  timer->start(20);
}

inline QRgb ShownPixel(HWND hwnd, int x, int y) {
  return qtbackend::ClientWidget(hwnd)->grab().toImage().pixel(x, y);
}

}  // namespace qt_harness

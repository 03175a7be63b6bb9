// Shared set-up of the Qt backend tests: a private home for Qt, a window with the program's menu,
// accelerators and controls whose procedure logs every message, a pump, a helper that answers a
// modal dialog once it is up, and the program's own end for every test process (windows
// destroyed, the loop ended by the quit message, and with it the application object).
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "canvas/app_state.h"
#include "platform/qt/qt_backend.h"
#include "shell/control_panel.h"
#include "shell/resource_ids.h"
#include "shell/resources.h"

namespace qt_harness {

// Qt and fontconfig must not touch the real home of whoever runs the tests.
inline const bool kPrivateHome = [] {
  static QTemporaryDir home;  // removed at exit
  for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"})
    setenv(name, qPrintable(home.path()), 1);
  return home.isValid();
}();

inline std::vector<MSG> Log;

// The program's controls on creation, their font deleted on destruction; a close request is
// only noted.
inline LRESULT CALLBACK TestWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Log.push_back({hwnd, msg, wParam, lParam, 0, {}});
  if (msg == WM_CREATE) {
    CreateControlPanel(hwnd);
    FillDotColorList();
  }
  if (msg == WM_DESTROY) {
    DeleteObject(AppState.ControlFont);
    AppState.ControlFont = nullptr;
  }
  return msg == WM_CLOSE || msg == WM_CREATE ? 0 : DefWindowProcA(hwnd, msg, wParam, lParam);
}

class EndAsTheProgramDoes : public ::testing::Environment {
 public:
  void TearDown() override {
    if (!QCoreApplication::instance()) return;
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (HWND hwnd = qtbackend::HandleOfWidget(widget)) DestroyWindow(hwnd);
    PostQuitMessage(0);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) DispatchMessageA(&m);
  }
};
inline const bool kEndRegistered =
    (::testing::AddGlobalTestEnvironment(new EndAsTheProgramDoes), true);

inline HINSTANCE Module() {
  (void)kPrivateHome;
  (void)kEndRegistered;
  static HINSTANCE module = CreateModuleInstance(&ProgramResources);
  return module;
}

// Runs the program's loop until everything queued so far (and the repaint it asks for) has been
// handled. Returns false when the quit message came first.
inline bool Pump(HWND hwnd) {
  constexpr UINT kSentinel = 0x8000 + 77;
  static HACCEL accelerators = LoadAcceleratorsA(Module(), MAKEINTRESOURCEA(IDR_MAIN));
  PostMessageA(hwnd, kSentinel, 0, 0);
  MSG m;
  while (GetMessageA(&m, nullptr, 0, 0) > 0) {
    if (m.message == kSentinel) {
      UpdateWindow(hwnd);
      return true;
    }
    // As the program does: the commands go to the main window, whichever control had the focus.
    if (!TranslateAcceleratorA(hwnd, accelerators, &m)) DispatchMessageA(&m);
  }
  return false;
}

// A shown and first painted window; whatever an earlier test left in the queue is handled first.
inline HWND MakeWindow() {
  Pump(nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = TestWindowProc;
  wc.hInstance = Module();
  wc.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN);
  wc.lpszClassName = "VelmoraTest";
  RegisterClassExA(&wc);
  HWND hwnd = CreateWindowExA(0, "VelmoraTest", "Velmora Ver.2", WS_OVERLAPPEDWINDOW, 60, 60, 504,
                              486, nullptr, nullptr, Module(), nullptr);
  ShowWindow(hwnd, SW_SHOWNORMAL);
  UpdateWindow(hwnd);
  return hwnd;
}

// Once a modal dialog of type T is up, hands it to act. A dialog that act left open, or that
// never became a T within about five seconds, is ended, so that a failed check cannot hang; the
// watch ends with its test, so that it cannot answer a later test's dialog.
template <typename T>
void WhenModal(std::function<void(T*)> act) {
  auto* timer = new QTimer(qApp);
  auto ticks = std::make_shared<int>(0);
  const auto* test = testing::UnitTest::GetInstance()->current_test_info();
  QObject::connect(timer, &QTimer::timeout, [timer, ticks, act, test] {
    if (testing::UnitTest::GetInstance()->current_test_info() != test) {
      timer->stop();
      timer->deleteLater();
      return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    T* dialog = qobject_cast<T*>(modal);
    const bool up = dialog && dialog->isVisible();
    if (!up && ++*ticks <= 250) return;
    timer->stop();
    timer->deleteLater();
    QPointer<QDialog> open = up ? dialog : qobject_cast<QDialog*>(modal);
    if (up) act(dialog);
    if (open && open->isVisible()) open->done(0);
  });
  timer->start(20);
}

}  // namespace qt_harness

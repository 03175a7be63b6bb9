// The Qt backend refuses accelerator tables and icons that are not the module's own: a handle
// that points anywhere else (freed memory, a look-alike record) is never read through.
#include <QPixmap>
#include <string>

#include "platform/module.h"
#include "platform/qt/qt_windows.h"
#include "qt_harness.h"

using namespace qt_harness;

namespace {

constexpr WORD kForeignCommand = 4242;

TEST(QtHandles, OnlyTheModulesOwnAcceleratorTablesAndIconsAreUsed) {
  HWND hwnd = MakeWindow();
  // Look-alikes of the module's records, with an entry that would match.
  static const ACCEL entries[] = {{0, 'z', kForeignCommand}};
  const AcceleratorTableResource table{IDR_MAIN, entries};
  auto* made = new AcceleratorTableResource{IDR_MAIN, entries};
  // Kept as a number (volatile: the compiler need not know where it came from).
  volatile std::uintptr_t freed = reinterpret_cast<std::uintptr_t>(made);
  delete made;
  MSG msg{hwnd, WM_CHAR, 'z', 0, 0, {}};
  Log.clear();
  for (const void* foreign :
       {static_cast<const void*>(&table), reinterpret_cast<const void*>(freed)})
    EXPECT_EQ(
        TranslateAcceleratorA(hwnd, reinterpret_cast<HACCEL>(const_cast<void*>(foreign)), &msg), 0);
  Pump(hwnd);
  for (const MSG& m : Log)
    EXPECT_FALSE(m.message == WM_COMMAND && LOWORD(m.wParam) == kForeignCommand);

  static const std::string pixels(32 * 32, '1');
  static const IconImageResource image{32, {RGB(255, 0, 0), RGB(0, 255, 0)}, pixels.c_str()};
  const IconResource icon{IDI_MAIN_LARGE, {&image, 1}};
  EXPECT_TRUE(qtbackend::IconPixmap(reinterpret_cast<HICON>(const_cast<IconResource*>(&icon)), 32)
                  .isNull());
  EXPECT_FALSE(
      qtbackend::IconPixmap(LoadIconA(Module(), MAKEINTRESOURCEA(IDI_MAIN_LARGE)), 32).isNull());
  DestroyWindow(hwnd);
}

}  // namespace

// The same editing session on both backends gives the same client pixels: Qt, driven through its
// real widgets, against the headless backend (played by qt_session_dump). Glyphs aside: the
// headless backend draws none, and where it drew nothing, Qt shows the class background.
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "canvas/app_state.h"
#include "platform/backend.h"
#include "platform/clock.h"
#include "qt/qt_harness.h"
#include "qt/session_script.h"
#include "shell/win_main.h"

using namespace qt_harness;
using namespace session_script;

namespace {

void ExpectSamePixels(HWND hwnd, std::FILE* reference, int checkpoint) {
  std::int32_t size[2] = {};
  ASSERT_EQ(std::fread(size, sizeof size, 1, reference), 1u) << "checkpoint " << checkpoint;
  std::vector<std::uint32_t> want(static_cast<size_t>(size[0]) * size[1]);
  ASSERT_EQ(std::fread(want.data(), sizeof want[0], want.size(), reference), want.size());
  const raster::Surface* got = backend::ClientSurface(hwnd);
  ASSERT_EQ(std::pair(got->width, got->height), std::pair(size[0], size[1]));
  int differing = 0, skipped = 0;
  for (int y = 0; y < got->height; ++y)
    for (int x = 0; x < got->width; ++x) {
      const std::uint32_t recorded = want[static_cast<size_t>(y) * got->width + x];
      const std::uint32_t expected = recorded == kUntouched ? 0xC8C8C8u : recorded;
      const std::uint32_t actual = got->Row(y)[x] & 0xFFFFFFu;
      if (recorded == kSkipped)
        ++skipped;
      else if (actual != expected && ++differing == 1)
        ADD_FAILURE() << "checkpoint " << checkpoint << ": first difference at (" << x << "," << y
                      << "): Qt " << std::hex << actual << ", headless " << expected;
    }
  EXPECT_EQ(differing, 0) << "checkpoint " << checkpoint;
  EXPECT_LT(skipped, got->width * got->height / 10);
}

}  // namespace

TEST(SessionPixels, QtShowsWhatTheHeadlessBackendComputesForTheSameSession) {
  QTemporaryDir dir;
  const std::string reference = dir.filePath("headless.bin").toStdString();
  const std::string command = VELMORA_BUILD_DIR "/tests/qt_session_dump '" + reference + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::FILE* f = std::fopen(reference.c_str(), "rb");
  ASSERT_NE(f, nullptr);

  SetFixedCalendarSeconds(kSeedSeconds);
  HINSTANCE instance = Module();
  LoadStringA(instance, 109, MainClassName, kMainClassNameSize);
  RegisterMainClass(instance);
  ASSERT_EQ(CreateMainWindow(instance, SW_SHOWNORMAL), 1);
  HWND hwnd = qtbackend::HandleOfWidget(qtbackend::ControlWidget(AppState.LargeSizeBox)->window());
  ASSERT_NE(hwnd, nullptr);
  QWidget* client = qtbackend::ClientWidget(hwnd);

  int checkpoints = 0;
  for (const Step& step : Steps()) {
    const QPoint at(step.x, step.y);
    const bool left = step.msg == WM_LBUTTONDOWN || step.msg == WM_LBUTTONUP;
    const Qt::MouseButton button = left ? Qt::LeftButton : Qt::RightButton;
    if (step.msg == WM_MOUSEMOVE)
      QTest::mouseMove(client, at);
    else if (step.msg == WM_LBUTTONDOWN || step.msg == WM_RBUTTONDOWN)
      QTest::mousePress(client, button, {}, at);
    else if (step.msg == WM_LBUTTONUP || step.msg == WM_RBUTTONUP)
      QTest::mouseRelease(client, button, {}, at);
    else if (step.msg == WM_COMMAND)
      QTest::mouseClick(qtbackend::ControlWidget(GetDlgItem(hwnd, static_cast<int>(step.wParam))),
                        Qt::LeftButton);
    ASSERT_TRUE(Pump(hwnd));
    if (step.msg == 0) {
      InvalidateRect(hwnd, nullptr, TRUE);
      UpdateWindow(hwnd);
      ExpectSamePixels(hwnd, f, checkpoints++);
    }
  }
  EXPECT_EQ(checkpoints, 4);
  EXPECT_EQ(std::fgetc(f), EOF);
  std::fclose(f);
}

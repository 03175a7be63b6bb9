// The same editing session on both backends gives the same client pixels: Qt, driven through
// its real widgets, against the headless backend (played by qt_session_dump). Glyphs aside:
// the headless backend draws no text, so the boxes of the labels are not compared, and where
// the headless run drew nothing, the Qt window shows the class background.
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstdlib>

#include "platform/backend.h"
#include "platform/clock.h"
#include "qt/qt_harness.h"
#include "qt/session_script.h"
#include "shell/resources.h"
#include "shell/win_main.h"

using namespace qt_harness;
using namespace session_script;

namespace {

std::vector<Snapshot> ReadSnapshots(const QString& path) {
  std::vector<Snapshot> shots;
  std::FILE* f = std::fopen(path.toUtf8().constData(), "rb");
  if (!f) return shots;
  auto get = [&] {
    std::int32_t v = 0;
    if (std::fread(&v, sizeof v, 1, f) != 1) v = 0;
    return v;
  };
  const int count = get();
  for (int i = 0; i < count; ++i) {
    Snapshot s;
    s.width = get();
    s.height = get();
    s.pixels.resize(static_cast<size_t>(s.width) * s.height);
    if (std::fread(s.pixels.data(), sizeof(std::uint32_t), s.pixels.size(), f) != s.pixels.size())
      break;
    const int boxes = get();
    for (int b = 0; b < boxes; ++b) {
      RECT r;
      r.left = get();
      r.top = get();
      r.right = get();
      r.bottom = get();
      s.textBoxes.push_back(r);
    }
    shots.push_back(s);
  }
  std::fclose(f);
  return shots;
}

bool InText(const Snapshot& s, int x, int y) {
  for (const RECT& r : s.textBoxes)
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
  return false;
}

void ExpectSamePixels(HWND hwnd, const Snapshot& want, int checkpoint) {
  const raster::Surface* got = backend::ClientSurface(hwnd);
  ASSERT_EQ(got->width, want.width);
  ASSERT_EQ(got->height, want.height);
  int differing = 0, compared = 0;
  for (int y = 0; y < want.height; ++y)
    for (int x = 0; x < want.width; ++x) {
      if (InText(want, x, y)) continue;
      const std::uint32_t reference = want.pixels[static_cast<size_t>(y) * want.width + x];
      const std::uint32_t expected = reference == kUntouched ? 0xC8C8C8u : reference;
      const std::uint32_t actual = got->Row(y)[x] & 0xFFFFFFu;
      ++compared;
      if (actual != expected && ++differing == 1)
        ADD_FAILURE() << "checkpoint " << checkpoint << ": first difference at (" << x << "," << y
                      << "): Qt " << std::hex << actual << ", headless " << expected;
    }
  EXPECT_EQ(differing, 0) << "checkpoint " << checkpoint;
  EXPECT_GT(compared, want.width * want.height * 9 / 10);
}

HWND ProgramWindow() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && w->windowTitle() == "Velmora Ver.2") return qtbackend::HandleOfWidget(w);
  return nullptr;
}

}  // namespace

TEST(SessionPixels, QtShowsWhatTheHeadlessBackendComputesForTheSameSession) {
  QTemporaryDir dir;
  const QString reference = dir.filePath("headless.bin");
  const std::string command =
      std::string(VELMORA_BUILD_DIR) + "/tests/qt_session_dump '" + reference.toStdString() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  const std::vector<Snapshot> want = ReadSnapshots(reference);
  ASSERT_EQ(want.size(), 4u);

  (void)kPrivateHome;
  SetFixedCalendarSeconds(kSeedSeconds);
  HINSTANCE instance = CreateModuleInstance(&ProgramResources);
  LoadStringA(instance, 109, MainClassName, kMainClassNameSize);
  RegisterMainClass(instance);
  ASSERT_EQ(CreateMainWindow(instance, SW_SHOWNORMAL), 1);
  HWND hwnd = ProgramWindow();
  ASSERT_NE(hwnd, nullptr);
  QWidget* client = qtbackend::ClientWidget(hwnd);

  size_t checkpoint = 0;
  for (const Step& step : Steps()) {
    const QPoint at(step.x, step.y);
    const Qt::MouseButton button = step.button == 1 ? Qt::LeftButton : Qt::RightButton;
    switch (step.kind) {
      case Kind::Move:
        QTest::mouseMove(client, at);
        break;
      case Kind::Press:
        QTest::mousePress(client, button, {}, at);
        break;
      case Kind::Release:
        QTest::mouseRelease(client, button, {}, at);
        break;
      case Kind::Click:
        QTest::mouseClick(qtbackend::ControlWidget(GetDlgItem(hwnd, step.control)), Qt::LeftButton);
        break;
      case Kind::Checkpoint:
        ASSERT_TRUE(Pump(hwnd));
        InvalidateRect(hwnd, nullptr, TRUE);
        UpdateWindow(hwnd);
        ASSERT_LT(checkpoint, want.size());
        ExpectSamePixels(hwnd, want[checkpoint], static_cast<int>(checkpoint));
        ++checkpoint;
        break;
    }
    ASSERT_TRUE(Pump(hwnd));
  }
  EXPECT_EQ(checkpoint, want.size());
}

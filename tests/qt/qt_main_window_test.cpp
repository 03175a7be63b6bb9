// The main window on Qt, driven through its real widgets: pointer input, control clicks and picks,
// accelerators, the menu bar, the close box and the clipboard, as the messages the program's loop
// takes.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

#include "platform/backend.h"
#include "qt/qt_harness.h"

using namespace qt_harness;

namespace {

template <typename T>
T* Control(HWND hwnd, int id) {
  return qobject_cast<T*>(qtbackend::ControlWidget(GetDlgItem(hwnd, id)));
}

std::vector<WPARAM> Commands() {
  std::vector<WPARAM> out;
  for (const MSG& m : Log)
    if (m.message == WM_COMMAND) out.push_back(m.wParam);
  return out;
}

// Checks a menu's texts against its resource and triggers each item, noting its command.
void TriggerAll(const QList<QAction*>& actions, std::span<const MenuEntryResource> entries,
                std::vector<WPARAM>& triggered) {
  ASSERT_EQ(actions.size(), static_cast<qsizetype>(entries.size()));
  for (size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(actions[i]->text(), QString::fromUtf8(entries[i].text));
    if (entries[i].kind == MenuEntryKind::Popup) {
      ASSERT_NE(actions[i]->menu(), nullptr) << entries[i].text;
      TriggerAll(actions[i]->menu()->actions(), entries[i].children, triggered);
    } else if (entries[i].kind == MenuEntryKind::Item) {
      actions[i]->trigger();
      triggered.push_back(MAKEWPARAM(entries[i].command, 0));
    }
  }
}

}  // namespace

TEST(Input, DragsArriveInClientCoordinatesWithButtonFlagsAndPackedNegatives) {
  HWND hwnd = MakeWindow();
  QWidget* client = qtbackend::ClientWidget(hwnd);
  Log.clear();
  QTest::mouseMove(client, QPoint(20, 70));
  QTest::mousePress(client, Qt::LeftButton, {}, QPoint(20, 70));
  QTest::mouseMove(client, QPoint(-5, 90));
  QTest::mouseRelease(client, Qt::LeftButton, {}, QPoint(-5, 90));
  QTest::mouseClick(client, Qt::RightButton, {}, QPoint(100, 200));
  ASSERT_TRUE(Pump(hwnd));
  std::vector<std::tuple<UINT, WPARAM, int, int>> got;
  for (const MSG& m : Log)
    if (m.message >= WM_MOUSEMOVE && m.message <= WM_RBUTTONDBLCLK)
      got.emplace_back(m.message, m.wParam, LOWORD(m.lParam), HIWORD(m.lParam));
  EXPECT_EQ(got, (decltype(got){{WM_MOUSEMOVE, 0, 20, 70},
                                {WM_LBUTTONDOWN, MK_LBUTTON, 20, 70},
                                {WM_MOUSEMOVE, MK_LBUTTON, 65531, 90},
                                {WM_LBUTTONUP, 0, 65531, 90},
                                {WM_RBUTTONDOWN, MK_RBUTTON, 100, 200},
                                {WM_RBUTTONUP, 0, 100, 200}}));
}

// The class has no CS_DBLCLKS: a double click paints as two clicks, with no double-click message
// and no press lost or doubled, whether Qt delivers the second press before its double-click
// event (as from X11) or only the double-click event.
TEST(Input, ADoubleClickWithoutCsDblclksIsTwoClicks) {
  HWND hwnd = MakeWindow();
  QWidget* client = qtbackend::ClientWidget(hwnd);
  const auto doubleClick = [client](Qt::MouseButton button, bool secondPress) {
    const QPoint at(30, 80);
    QTest::mouseClick(client, button, {}, at);
    if (secondPress) QTest::mousePress(client, button, {}, at);
    QMouseEvent event(QEvent::MouseButtonDblClick, at, client->mapToGlobal(at), button, button, {});
    QApplication::sendEvent(client, &event);
    QTest::mouseRelease(client, button, {}, at);
  };
  for (bool secondPress : {true, false}) {
    Log.clear();
    doubleClick(Qt::LeftButton, secondPress);
    doubleClick(Qt::RightButton, secondPress);
    ASSERT_TRUE(Pump(hwnd));
    std::vector<UINT> got;
    for (const MSG& m : Log)
      if (m.message > WM_MOUSEMOVE && m.message <= WM_RBUTTONDBLCLK) got.push_back(m.message);
    EXPECT_EQ(got, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP,
                                      WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP}))
        << "second press delivered: " << secondPress;
  }
}

// Controls report only what the user did and leave their state to the program; the accelerators
// reach the window whichever control has the focus.
TEST(Input, ControlsReportOnlyTheUsersClicksAndPicksAndAcceleratorsWorkWhateverHasTheFocus) {
  HWND hwnd = MakeWindow();
  HWND boxHandle = GetDlgItem(hwnd, IDC_LARGE_SIZE);
  QCheckBox* box = Control<QCheckBox>(hwnd, IDC_LARGE_SIZE);
  QComboBox* combo = Control<QComboBox>(hwnd, IDC_DOT_COLOR);
  ASSERT_TRUE(box && combo);
  EXPECT_FALSE(combo->isEditable());
  ASSERT_EQ(combo->count(), kDotColorCount);
  EXPECT_EQ(combo->currentIndex(), kInitialDotColor);
  Log.clear();
  ASSERT_TRUE(Pump(hwnd));
  EXPECT_TRUE(Commands().empty());  // the program's own choice of colour is not reported

  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 10));
  QTest::mouseClick(Control<QWidget>(hwnd, IDC_RENDER), Qt::LeftButton);
  QTest::keyClick(combo, Qt::Key_Down);
  ASSERT_TRUE(Pump(hwnd));
  EXPECT_EQ(Commands(), (std::vector<WPARAM>{MAKEWPARAM(IDC_LARGE_SIZE, BN_CLICKED),
                                             MAKEWPARAM(IDC_RENDER, BN_CLICKED),
                                             MAKEWPARAM(IDC_DOT_COLOR, CBN_SELCHANGE)}));
  EXPECT_EQ(Log[IndexOf(WM_COMMAND)].lParam, reinterpret_cast<LPARAM>(boxHandle));
  EXPECT_EQ(SendMessageA(GetDlgItem(hwnd, IDC_DOT_COLOR), CB_GETCURSEL, 0, 0),
            kInitialDotColor + 1);
  EXPECT_FALSE(box->isChecked());
  SendMessageA(boxHandle, BM_SETCHECK, BST_CHECKED, 0);
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 10));  // the box takes the focus
  EXPECT_TRUE(box->isChecked());

  ASSERT_TRUE(Pump(hwnd));
  Log.clear();
  QTest::keyClick(box, '?', Qt::AltModifier);
  combo->setFocus();
  QTest::keyClick(combo, '/', Qt::AltModifier);
  QTest::keyClick(box, '/');  // without Alt: no accelerator
  ASSERT_TRUE(Pump(hwnd));
  EXPECT_EQ(Commands(), (std::vector<WPARAM>(2, MAKEWPARAM(IDM_ABOUT, 1))));
  EXPECT_EQ(combo->currentIndex(), kInitialDotColor + 1);
}

TEST(MainWindow, MenuBarMirrorsTheResourceAndItemsSendTheirCommandsThroughTheLoop) {
  HWND hwnd = MakeWindow();
  auto* bar = qtbackend::FrameWidget(hwnd)->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  Log.clear();
  std::vector<WPARAM> triggered;
  TriggerAll(bar->actions(), FindMenuResource(Module(), MAKEINTRESOURCEA(IDR_MAIN))->bar,
             triggered);
  EXPECT_GE(triggered.size(), 7u);
  EXPECT_TRUE(Commands().empty());
  ASSERT_TRUE(Pump(hwnd));
  EXPECT_EQ(Commands(), triggered);
}

// The close box only asks the program: the window stays until it is destroyed.
TEST(MainWindow, CloseBoxOnlyAsksAndCopiedBitmapsReachTheClipboard) {
  HWND hwnd = MakeWindow();
  QWidget* frame = qtbackend::FrameWidget(hwnd);
  Log.clear();
  ASSERT_FALSE(frame->close());
  ASSERT_TRUE(Pump(hwnd));
  EXPECT_EQ(Count(WM_CLOSE), 1);
  EXPECT_TRUE(frame->isVisible());

  HBITMAP bitmap = CreateCompatibleBitmap(nullptr, 7, 3);
  raster::Surface& s = raster::ToBitmap(bitmap)->surface;
  for (size_t i = 0; i < s.pixels.size(); ++i) s.pixels[i] = 0x0A141E + static_cast<unsigned>(i);
  ASSERT_TRUE(OpenClipboard(hwnd));
  EmptyClipboard();
  SetClipboardData(CF_BITMAP, bitmap);
  CloseClipboard();
  const QImage image = QApplication::clipboard()->image();
  ASSERT_EQ(image.size(), QSize(7, 3));
  EXPECT_EQ(image.pixel(0, 0), qRgb(10, 20, 30));
  EXPECT_EQ(image.pixel(6, 2), qRgb(10, 20, 50));
}

// Minimised, the window reports a zero client area; restored, its own size again, and it is
// repainted whole, since nothing of it was kept while it was away.
TEST(MainWindow, MinimiseReportsZeroAndRestoreReportsTheClientSizeAndRepaints) {
  HWND hwnd = MakeWindow();
  QWidget* frame = qtbackend::FrameWidget(hwnd);
  const QSize client = qtbackend::ClientWidget(hwnd)->size();
  const auto sizes = [] {
    std::vector<std::tuple<WPARAM, int, int>> out;
    for (const MSG& m : Log)
      if (m.message == WM_SIZE) out.emplace_back(m.wParam, LOWORD(m.lParam), HIWORD(m.lParam));
    return out;
  };
  Log.clear();
  frame->setWindowState(Qt::WindowMinimized);
  ASSERT_TRUE(Pump(hwnd));
  EXPECT_EQ(sizes(), (std::vector<std::tuple<WPARAM, int, int>>{{1 /* SIZE_MINIMIZED */, 0, 0}}));
  Log.clear();
  frame->setWindowState(Qt::WindowNoState);
  ASSERT_TRUE(Pump(hwnd));
  EXPECT_EQ(sizes(), (std::vector<std::tuple<WPARAM, int, int>>{
                         {0 /* SIZE_RESTORED */, client.width(), client.height()}}));
  EXPECT_EQ(client, QSize(496, 440));
  EXPECT_EQ(Count(WM_PAINT), 1);
}

// A window is never larger than its desktop, however it is resized, and its pixel buffer follows
// it. Where the client reaches beyond a buffer that could not grow, it shows the buffer's last
// column and row continued, as the program's lines and grey run on to the edges.
TEST(MainWindow, StaysWithinItsDesktopAndShowsItsBufferContinuedBeyondIt) {
  HWND hwnd = MakeWindow();
  QWidget* frame = qtbackend::FrameWidget(hwnd);
  QWidget* client = qtbackend::ClientWidget(hwnd);
  const QSize desktop = frame->screen()->virtualSize();
  Log.clear();
  frame->resize(16000, 32000);
  ASSERT_TRUE(Pump(hwnd));
  EXPECT_LE(frame->width(), desktop.width());
  EXPECT_LE(frame->height(), desktop.height());
  raster::Surface* s = backend::ClientSurface(hwnd);
  EXPECT_EQ(QSize(s->width, s->height), client->size());
  LPARAM lastSize = 0;
  for (const MSG& m : Log)
    if (m.message == WM_SIZE) lastSize = m.lParam;
  EXPECT_EQ(lastSize, MAKELPARAM(client->width(), client->height()));

  s->Resize(200, 100);  // as a buffer that could not grow with the window
  s->Row(0)[199] = 0x808080;
  s->Row(1)[199] = 0xFFFFFF;
  for (int y = 2; y < 100; ++y) s->Row(y)[199] = 0xC0C0C0;
  s->Row(99)[30] = 0x00FF00;
  s->Row(99)[199] = 0x0000FF;
  const QImage shown = client->grab().toImage();
  ASSERT_GE(shown.width(), 400);
  ASSERT_GE(shown.height(), 300);
  EXPECT_EQ(shown.pixel(399, 0), qRgb(128, 128, 128));
  EXPECT_EQ(shown.pixel(399, 1), qRgb(255, 255, 255));
  EXPECT_EQ(shown.pixel(250, 60), qRgb(192, 192, 192));
  EXPECT_EQ(shown.pixel(30, 299), qRgb(0, 255, 0));
  EXPECT_EQ(shown.pixel(399, 299), qRgb(0, 0, 255));
}

// The application object ends with the program's loop once no window is left (so that the
// clipboard manager gets what was copied) and not while a window lives; a window made after
// that gets a new one.
TEST(Application, EndsWithTheLoopWhenNoWindowIsLeftAndComesBackWhenNeeded) {
  HWND hwnd = MakeWindow();
  MSG m;
  PostQuitMessage(2);
  EXPECT_EQ(GetMessageA(&m, nullptr, 0, 0), FALSE);
  EXPECT_EQ(m.message, static_cast<UINT>(WM_QUIT));
  EXPECT_NE(QCoreApplication::instance(), nullptr);
  EXPECT_TRUE(qtbackend::FrameWidget(hwnd)->isVisible());

  DestroyWindow(hwnd);
  PostQuitMessage(3);
  EXPECT_EQ(GetMessageA(&m, nullptr, 0, 0), FALSE);
  EXPECT_EQ(m.wParam, 3u);
  EXPECT_EQ(QCoreApplication::instance(), nullptr);

  hwnd = MakeWindow();
  ASSERT_NE(qtbackend::FrameWidget(hwnd), nullptr);
  EXPECT_TRUE(qtbackend::FrameWidget(hwnd)->isVisible());
  Log.clear();
  QTest::mouseClick(qtbackend::ClientWidget(hwnd), Qt::LeftButton, {}, QPoint(30, 80));
  ASSERT_TRUE(Pump(hwnd));
  EXPECT_EQ(Count(WM_LBUTTONDOWN), 1);
}

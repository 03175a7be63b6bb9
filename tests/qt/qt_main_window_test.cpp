// The main window on Qt, driven through its real widgets: pointer input, control clicks and picks,
// accelerators, the menu bar, the close box, the clipboard, the frame's size and the icons.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>

#include "platform/backend.h"
#include "platform/module.h"
#include "platform/qt/qt_windows.h"
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

// The widgets report what the user did at once, from within the click or pick, as a control
// does, and show the state the program sets; the accelerators reach the window whichever control
// has the focus.
TEST(Input, ControlsReportClicksAndPicksAtOnceAndAcceleratorsWorkWhateverHasTheFocus) {
  HWND hwnd = MakeWindow();
  HWND boxHandle = GetDlgItem(hwnd, IDC_LARGE_SIZE);
  QCheckBox* box = Control<QCheckBox>(hwnd, IDC_LARGE_SIZE);
  QComboBox* combo = Control<QComboBox>(hwnd, IDC_DOT_COLOR);
  ASSERT_TRUE(box && combo);
  ASSERT_EQ(combo->count(), kDotColorCount);
  EXPECT_EQ(combo->currentIndex(), kInitialDotColor);
  Log.clear();
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 10));
  QTest::mouseClick(Control<QWidget>(hwnd, IDC_RENDER), Qt::LeftButton);
  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(Commands(), (std::vector<WPARAM>{MAKEWPARAM(IDC_LARGE_SIZE, BN_CLICKED),
                                             MAKEWPARAM(IDC_RENDER, BN_CLICKED),
                                             MAKEWPARAM(IDC_DOT_COLOR, CBN_SELCHANGE)}));
  EXPECT_EQ(Log[IndexOf(WM_COMMAND)].lParam, reinterpret_cast<LPARAM>(boxHandle));
  EXPECT_EQ(SendMessageA(GetDlgItem(hwnd, IDC_DOT_COLOR), CB_GETCURSEL, 0, 0),
            kInitialDotColor + 1);
  EXPECT_FALSE(box->isChecked());  // a BS_CHECKBOX: its mark is the program's
  SendMessageA(boxHandle, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_TRUE(box->isChecked());
  box->setFocus();

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

// A menu item queues its command: it reaches the window through the program's loop.
TEST(MainWindow, MenuItemsSendTheirCommandsThroughTheLoop) {
  HWND hwnd = MakeWindow();
  auto* bar = qtbackend::FrameWidget(hwnd)->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->actions().size(), 2);
  Log.clear();
  bar->actions().at(0)->menu()->actions().at(0)->trigger();  // ﾌｧｲﾙ > 開く
  bar->actions().at(1)->menu()->actions().back()->trigger();  // ﾍﾙﾌﾟ > ﾊﾞｰｼﾞｮﾝ情報
  EXPECT_TRUE(Commands().empty());
  ASSERT_TRUE(Pump(hwnd));
  EXPECT_EQ(Commands(), (std::vector<WPARAM>{IDM_OPEN_DATA, IDM_ABOUT}));
}

// The pixel buffer follows the client; where the client reaches beyond a buffer that could not
// grow with it (the e2e huge-window test makes one), it shows the buffer's last column and row
// continued, as the program's lines and grey run on to the edges.
TEST(MainWindow, ShowsItsBufferContinuedBeyondIt) {
  HWND hwnd = MakeWindow();
  QWidget* client = qtbackend::ClientWidget(hwnd);
  qtbackend::FrameWidget(hwnd)->resize(700, 600);
  ASSERT_TRUE(Pump(hwnd));
  raster::Surface* s = backend::ClientSurface(hwnd);
  EXPECT_EQ(QSize(s->width, s->height), client->size());
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

// Only the module's own icons are drawn: a look-alike of its record is never read through.
TEST(MainWindow, OnlyTheModulesOwnIconsAreDrawn) {
  static const std::string pixels(32 * 32, '1');
  static const IconImageResource image{32, {RGB(255, 0, 0), RGB(0, 255, 0)}, pixels.c_str()};
  const IconResource icon{IDI_MAIN_LARGE, {&image, 1}};
  MakeWindow();
  EXPECT_TRUE(qtbackend::IconPixmap(reinterpret_cast<HICON>(const_cast<IconResource*>(&icon)), 32)
                  .isNull());
  EXPECT_FALSE(
      qtbackend::IconPixmap(LoadIconA(Module(), MAKEINTRESOURCEA(IDI_MAIN_LARGE)), 32).isNull());
}

// The main window on Qt, driven through its real widgets: pointer input, control clicks and picks,
// and accelerators. (The menu bar is worked by the desktop session.)
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMouseEvent>
#include <QTest>

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

// A drag arrives in client coordinates with its button flags, beyond the left edge as a packed
// negative. The class has no CS_DBLCLKS: a double click paints as two clicks, with no press lost
// or doubled, whether Qt delivers the second press before its double-click event (as from X11)
// or only the double-click event.
TEST(Input, DragsAndDoubleClicksArriveAsThePlainMouseMessages) {
  HWND hwnd = MakeWindow();
  QWidget* client = qtbackend::ClientWidget(hwnd);
  const auto received = [] {
    std::vector<std::tuple<UINT, WPARAM, int, int>> got;
    for (const MSG& m : Log)
      if (m.message >= WM_MOUSEMOVE && m.message <= WM_RBUTTONDBLCLK)
        got.emplace_back(m.message, m.wParam, LOWORD(m.lParam), HIWORD(m.lParam));
    return got;
  };
  Log.clear();
  QTest::mouseMove(client, QPoint(20, 70));
  QTest::mousePress(client, Qt::LeftButton, {}, QPoint(20, 70));
  QTest::mouseMove(client, QPoint(-5, 90));
  QTest::mouseRelease(client, Qt::LeftButton, {}, QPoint(-5, 90));
  ASSERT_TRUE(Pump(hwnd));
  EXPECT_EQ(received(), (decltype(received()){{WM_MOUSEMOVE, 0, 20, 70},
                                              {WM_LBUTTONDOWN, MK_LBUTTON, 20, 70},
                                              {WM_MOUSEMOVE, MK_LBUTTON, 65531, 90},
                                              {WM_LBUTTONUP, 0, 65531, 90}}));
  const QPoint at(30, 80);
  for (bool secondPress : {true, false}) {
    Log.clear();
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
      QTest::mouseClick(client, button, {}, at);
      if (secondPress) QTest::mousePress(client, button, {}, at);
      QMouseEvent event(QEvent::MouseButtonDblClick, at, client->mapToGlobal(at), button, button,
                        {});
      QApplication::sendEvent(client, &event);
      QTest::mouseRelease(client, button, {}, at);
    }
    ASSERT_TRUE(Pump(hwnd));
    std::vector<UINT> got;
    for (const auto& m : received())
      if (std::get<0>(m) != WM_MOUSEMOVE) got.push_back(std::get<0>(m));
    EXPECT_EQ(got, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP,
                                      WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP}))
        << "second press delivered: " << secondPress;
  }
}

// The widgets report what the user did at once, from within the click or pick, as a control
// does; the accelerators reach the window whichever control has the focus, and only with Alt.
TEST(Input, ControlsReportClicksAndPicksAtOnceAndAcceleratorsWorkWhateverHasTheFocus) {
  HWND hwnd = MakeWindow();
  QCheckBox* box = Control<QCheckBox>(hwnd, IDC_LARGE_SIZE);
  QComboBox* combo = Control<QComboBox>(hwnd, IDC_DOT_COLOR);
  ASSERT_TRUE(box && combo);
  ASSERT_EQ(combo->count(), kDotColorCount);
  Log.clear();
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 10));
  QTest::mouseClick(Control<QWidget>(hwnd, IDC_RENDER), Qt::LeftButton);
  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(Commands(), (std::vector<WPARAM>{MAKEWPARAM(IDC_LARGE_SIZE, BN_CLICKED),
                                             MAKEWPARAM(IDC_RENDER, BN_CLICKED),
                                             MAKEWPARAM(IDC_DOT_COLOR, CBN_SELCHANGE)}));
  EXPECT_EQ(SendMessageA(GetDlgItem(hwnd, IDC_DOT_COLOR), CB_GETCURSEL, 0, 0),
            kInitialDotColor + 1);
  EXPECT_FALSE(box->isChecked());  // a BS_CHECKBOX: its mark is the program's to show
  SendMessageA(GetDlgItem(hwnd, IDC_LARGE_SIZE), BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_TRUE(box->isChecked());

  ASSERT_TRUE(Pump(hwnd));
  Log.clear();
  box->setFocus();
  QTest::keyClick(box, '?', Qt::AltModifier);
  combo->setFocus();
  QTest::keyClick(combo, '/', Qt::AltModifier);
  QTest::keyClick(box, '/');
  ASSERT_TRUE(Pump(hwnd));
  EXPECT_EQ(Commands(), (std::vector<WPARAM>(2, MAKEWPARAM(IDM_ABOUT, 1))));

  // The list drops down below its field as a Win32 drop-down list does, leaving the menu bar
  // free; its top row may share the field's bottom row, as Win32's shares its border.
  combo->showPopup();
  QWidget* popup = combo->view()->window();
  ASSERT_TRUE(QTest::qWaitFor([popup] { return popup->isVisible(); }, 5000));
  const QPoint fieldBottomLeft = combo->mapToGlobal(QPoint(0, combo->height() - 1));
  EXPECT_GE(popup->geometry().top(), fieldBottomLeft.y());
  EXPECT_EQ(popup->geometry().left(), fieldBottomLeft.x());
  combo->hidePopup();
}

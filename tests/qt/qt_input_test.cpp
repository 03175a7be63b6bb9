// Input on Qt: pointer events, control clicks and selections, and keys with accelerators, as
// the messages the program's loop takes.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "platform/qt/qt_windows.h"
#include "qt/qt_harness.h"

using namespace qt_harness;

namespace {

template <typename T>
T* Control(HWND hwnd, int id) {
  return qobject_cast<T*>(qtbackend::ControlWidget(GetDlgItem(hwnd, id)));
}

struct Mouse {
  UINT msg;
  WPARAM flags;
  int x, y;
  bool operator==(const Mouse&) const = default;
};

std::vector<Mouse> MouseMessages() {
  std::vector<Mouse> out;
  for (const Delivered& d : Log())
    if (d.msg >= WM_MOUSEMOVE && d.msg <= WM_RBUTTONDBLCLK)
      out.push_back({d.msg, d.wParam, LOWORD(d.lParam), HIWORD(d.lParam)});
  return out;
}

}  // namespace

TEST(Pointer, DragsArriveInClientCoordinatesWithButtonFlagsAndPackedNegatives) {
  HWND hwnd = MakeWindow();
  QWidget* client = qtbackend::ClientWidget(hwnd);
  Log().clear();
  QTest::mouseMove(client, QPoint(20, 70));
  QTest::mousePress(client, Qt::LeftButton, {}, QPoint(20, 70));
  QTest::mouseMove(client, QPoint(-5, 90));
  QTest::mouseRelease(client, Qt::LeftButton, {}, QPoint(-5, 90));
  QTest::mousePress(client, Qt::RightButton, {}, QPoint(100, 200));
  QTest::mouseRelease(client, Qt::RightButton, {}, QPoint(100, 200));
  EXPECT_TRUE(MouseMessages().empty());  // input waits in the queue for the loop
  ASSERT_TRUE(Pump(hwnd));
  const std::vector<Mouse> expected = {{WM_MOUSEMOVE, 0, 20, 70},
                                       {WM_LBUTTONDOWN, MK_LBUTTON, 20, 70},
                                       {WM_MOUSEMOVE, MK_LBUTTON, 65531, 90},
                                       {WM_LBUTTONUP, 0, 65531, 90},
                                       {WM_RBUTTONDOWN, MK_RBUTTON, 100, 200},
                                       {WM_RBUTTONUP, 0, 100, 200}};
  EXPECT_EQ(MouseMessages(), expected);
}

TEST(Pointer, DoubleClickArrivesAsTwoPressesForAClassWithoutDoubleClicks) {
  HWND hwnd = MakeWindow();
  Log().clear();
  QWidget* client = qtbackend::ClientWidget(hwnd);
  QTest::mouseClick(client, Qt::LeftButton, {}, QPoint(50, 100));
  QTest::mouseDClick(client, Qt::LeftButton, {}, QPoint(50, 100));
  ASSERT_TRUE(Pump(hwnd));
  int presses = 0;
  for (const Mouse& m : MouseMessages()) {
    EXPECT_NE(m.msg, static_cast<UINT>(WM_LBUTTONDBLCLK));
    presses += m.msg == WM_LBUTTONDOWN;
  }
  EXPECT_EQ(presses, 2);
}

TEST(Controls, CheckBoxReportsTheClickAndKeepsItsMarkUntilTheProgramSetsIt) {
  HWND hwnd = MakeWindow();
  QCheckBox* box = Control<QCheckBox>(hwnd, kCheckBoxId);
  ASSERT_NE(box, nullptr);
  Log().clear();
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 10));
  ASSERT_TRUE(Pump(hwnd));
  const auto commands = Messages(WM_COMMAND);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].wParam, MAKEWPARAM(kCheckBoxId, BN_CLICKED));
  EXPECT_EQ(commands[0].lParam, reinterpret_cast<LPARAM>(GetDlgItem(hwnd, kCheckBoxId)));
  EXPECT_FALSE(box->isChecked());
  SendMessageA(GetDlgItem(hwnd, kCheckBoxId), BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_TRUE(box->isChecked());
  EXPECT_EQ(SendMessageA(GetDlgItem(hwnd, kCheckBoxId), BM_GETCHECK, 0, 0), BST_CHECKED);
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 10));
  EXPECT_TRUE(box->isChecked());
}

TEST(Controls, DropDownListKeepsTheOrderAddedAndReportsTheUsersPick) {
  HWND hwnd = MakeWindow();
  HWND list = GetDlgItem(hwnd, kListId);
  QComboBox* combo = Control<QComboBox>(hwnd, kListId);
  ASSERT_NE(combo, nullptr);
  EXPECT_FALSE(combo->isEditable());
  for (const char* name : {"黒", "青", "赤", "桃色"})
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  EXPECT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), CB_ERR);  // adding selects nothing
  EXPECT_EQ(combo->itemText(0), QString("黒"));
  EXPECT_EQ(combo->itemText(3), QString("桃色"));
  char text[16];
  EXPECT_EQ(SendMessageA(list, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text)), 3);
  EXPECT_STREQ(text, "青");
  EXPECT_EQ(SendMessageA(list, CB_SETCURSEL, 2, 0), 2);
  EXPECT_EQ(combo->currentText(), QString("赤"));
  EXPECT_EQ(SendMessageA(list, CB_SETCURSEL, 9, 0), CB_ERR);

  SendMessageA(list, CB_SETCURSEL, 2, 0);
  Log().clear();
  ASSERT_TRUE(Pump(hwnd));
  for (const Delivered& d : Messages(WM_COMMAND))  // the program's own choice is not reported
    ADD_FAILURE() << "command " << LOWORD(d.wParam) << " code " << HIWORD(d.wParam);
  QTest::keyClick(combo, Qt::Key_Down);
  ASSERT_TRUE(Pump(hwnd));
  EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 3);
  const auto commands = Messages(WM_COMMAND);
  ASSERT_FALSE(commands.empty());
  EXPECT_EQ(commands.back().wParam, MAKEWPARAM(kListId, CBN_SELCHANGE));
}

TEST(Controls, ControlsSitAtTheirPixelPositionsInTheControlFont) {
  HWND hwnd = MakeWindow();
  QPushButton* render = Control<QPushButton>(hwnd, kRenderId);
  ASSERT_NE(render, nullptr);
  EXPECT_EQ(render->geometry(), QRect(414, 8, 74, 20));
  EXPECT_EQ(render->text(), QString("３Ｄ作図"));
  QLabel* label = Control<QLabel>(hwnd, kLabelId);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->geometry(), QRect(210, 11, 12, 16));
  EXPECT_EQ(label->text(), QString("色"));
  EXPECT_EQ(render->font().pixelSize(), 12);
  EXPECT_EQ(QFontInfo(render->font()).family(), QString("IPAGothic"));
  EXPECT_EQ(Control<QComboBox>(hwnd, kListId)->pos(), QPoint(224, 8));

  Log().clear();
  QTest::mouseClick(render, Qt::LeftButton);
  ASSERT_TRUE(Pump(hwnd));
  const auto commands = Messages(WM_COMMAND);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(LOWORD(commands[0].wParam), kRenderId);
}

TEST(Keyboard, BothAcceleratorsReachTheWindowWhicheverControlHasTheFocus) {
  HWND hwnd = MakeWindow();
  std::vector<WPARAM> commands;
  OnCommand() = [&](HWND target, WPARAM wParam) {
    EXPECT_EQ(target, hwnd);
    commands.push_back(wParam);
  };
  QCheckBox* box = Control<QCheckBox>(hwnd, kCheckBoxId);
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 10));  // the box takes the focus
  ASSERT_TRUE(Pump(hwnd));
  commands.clear();
  QTest::keyClick(box, '?', Qt::AltModifier);
  QTest::keyClick(qtbackend::FrameWidget(hwnd), '/', Qt::AltModifier);
  QTest::keyClick(box, '/');  // without Alt: no accelerator
  ASSERT_TRUE(Pump(hwnd));
  EXPECT_EQ(commands,
            (std::vector<WPARAM>{MAKEWPARAM(kAboutCommand, 1), MAKEWPARAM(kAboutCommand, 1)}));
  OnCommand() = nullptr;
}

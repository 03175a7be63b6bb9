// The main window on Qt, driven through its real widgets: pointer input, control clicks and
// picks, accelerators, the menu bar, resizing, the clipboard and the close box, as the
// messages the program's loop takes.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "platform/backend.h"
#include "qt/qt_harness.h"

using namespace qt_harness;

namespace {

template <typename T>
T* Control(HWND hwnd, int id) {
  return qobject_cast<T*>(qtbackend::ControlWidget(GetDlgItem(hwnd, id)));
}

std::vector<WPARAM> CommandsTo(HWND hwnd) {
  std::vector<WPARAM> out;
  for (const Delivered& d : Messages(WM_COMMAND))
    if (d.hwnd == hwnd) out.push_back(d.wParam);
  return out;
}

struct Mouse {
  UINT msg;
  WPARAM flags;
  int x, y;
  bool operator==(const Mouse&) const = default;
};

// Checks a menu against its resource entries and triggers each item, noting its command.
void CheckMenu(const QList<QAction*>& actions, std::span<const MenuEntryResource> entries,
               std::vector<WPARAM>& triggered) {
  ASSERT_EQ(actions.size(), static_cast<qsizetype>(entries.size()));
  for (size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(actions[i]->isSeparator(), entries[i].kind == MenuEntryKind::Separator);
    EXPECT_EQ(actions[i]->text(), QString::fromUtf8(entries[i].text));
    if (entries[i].kind == MenuEntryKind::Popup) {
      ASSERT_NE(actions[i]->menu(), nullptr) << entries[i].text;
      CheckMenu(actions[i]->menu()->actions(), entries[i].children, triggered);
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
  QTest::mousePress(client, Qt::RightButton, {}, QPoint(100, 200));
  QTest::mouseRelease(client, Qt::RightButton, {}, QPoint(100, 200));
  ASSERT_TRUE(Pump(hwnd));
  std::vector<Mouse> got;
  for (const Delivered& d : Log)
    if (d.msg >= WM_MOUSEMOVE && d.msg <= WM_RBUTTONDBLCLK)
      got.push_back({d.msg, d.wParam, LOWORD(d.lParam), HIWORD(d.lParam)});
  const std::vector<Mouse> expected = {{WM_MOUSEMOVE, 0, 20, 70},
                                       {WM_LBUTTONDOWN, MK_LBUTTON, 20, 70},
                                       {WM_MOUSEMOVE, MK_LBUTTON, 65531, 90},
                                       {WM_LBUTTONUP, 0, 65531, 90},
                                       {WM_RBUTTONDOWN, MK_RBUTTON, 100, 200},
                                       {WM_RBUTTONUP, 0, 100, 200}};
  EXPECT_EQ(got, expected);
}

TEST(Input, ClicksBecomeCommandsAndCheckBoxesLeaveTheirMarkToTheProgram) {
  HWND hwnd = MakeWindow();
  HWND boxHandle = GetDlgItem(hwnd, IDC_LARGE_SIZE);
  QCheckBox* box = Control<QCheckBox>(hwnd, IDC_LARGE_SIZE);
  ASSERT_NE(box, nullptr);
  Log.clear();
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 10));
  QTest::mouseClick(qtbackend::ControlWidget(GetDlgItem(hwnd, IDC_RENDER)), Qt::LeftButton);
  ASSERT_TRUE(Pump(hwnd));
  const auto commands = Messages(WM_COMMAND);
  ASSERT_EQ(commands.size(), 2u);
  EXPECT_EQ(commands[0].wParam, MAKEWPARAM(IDC_LARGE_SIZE, BN_CLICKED));
  EXPECT_EQ(commands[0].lParam, reinterpret_cast<LPARAM>(boxHandle));
  EXPECT_EQ(commands[1].wParam, MAKEWPARAM(IDC_RENDER, BN_CLICKED));
  EXPECT_FALSE(box->isChecked());
  SendMessageA(boxHandle, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(SendMessageA(boxHandle, BM_GETCHECK, 0, 0), BST_CHECKED);
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 10));
  EXPECT_TRUE(box->isChecked());
}

TEST(Input, ColourListIsPickOnlyKeepsItsOrderAndReportsOnlyTheUsersPick) {
  HWND hwnd = MakeWindow();
  QComboBox* combo = Control<QComboBox>(hwnd, IDC_DOT_COLOR);
  ASSERT_NE(combo, nullptr);
  EXPECT_FALSE(combo->isEditable());
  ASSERT_EQ(combo->count(), kDotColorCount);
  for (int i = 0; i < kDotColorCount; ++i)
    EXPECT_EQ(combo->itemText(i), QString::fromUtf8(DotColorNames[i]));
  EXPECT_EQ(combo->currentIndex(), kInitialDotColor);
  Log.clear();
  ASSERT_TRUE(Pump(hwnd));
  EXPECT_TRUE(CommandsTo(hwnd).empty());  // the program's own choice is not reported
  QTest::keyClick(combo, Qt::Key_Down);
  ASSERT_TRUE(Pump(hwnd));
  EXPECT_EQ(SendMessageA(GetDlgItem(hwnd, IDC_DOT_COLOR), CB_GETCURSEL, 0, 0),
            kInitialDotColor + 1);
  EXPECT_EQ(CommandsTo(hwnd), std::vector<WPARAM>{MAKEWPARAM(IDC_DOT_COLOR, CBN_SELCHANGE)});
}

TEST(Input, BothAcceleratorsReachTheWindowWhicheverControlHasTheFocus) {
  HWND hwnd = MakeWindow();
  QCheckBox* box = Control<QCheckBox>(hwnd, IDC_LARGE_SIZE);
  QComboBox* combo = Control<QComboBox>(hwnd, IDC_DOT_COLOR);
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 10));  // the box takes the focus
  ASSERT_TRUE(Pump(hwnd));
  Log.clear();
  QTest::keyClick(box, '?', Qt::AltModifier);
  combo->setFocus();
  QTest::keyClick(combo, '/', Qt::AltModifier);
  QTest::keyClick(box, '/');  // without Alt: no accelerator
  ASSERT_TRUE(Pump(hwnd));
  EXPECT_EQ(CommandsTo(hwnd), (std::vector<WPARAM>(2, MAKEWPARAM(IDM_ABOUT, 1))));
  EXPECT_EQ(combo->currentIndex(), kInitialDotColor);
}

TEST(MainWindow, MenuBarMirrorsTheResourceAndItemsSendTheirCommandsThroughTheLoop) {
  HWND hwnd = MakeWindow();
  auto* bar = qtbackend::FrameWidget(hwnd)->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  Log.clear();
  std::vector<WPARAM> triggered;
  CheckMenu(bar->actions(), FindMenuResource(Module(), MAKEINTRESOURCEA(IDR_MAIN))->bar, triggered);
  EXPECT_GE(triggered.size(), 7u);
  EXPECT_TRUE(CommandsTo(hwnd).empty());
  ASSERT_TRUE(Pump(hwnd));
  EXPECT_EQ(CommandsTo(hwnd), triggered);
}

TEST(MainWindow, ResizeSendsTheNewSizeThenRepaintsAndCopiedBitmapsReachTheClipboard) {
  HWND hwnd = MakeWindow();
  QWidget* frame = qtbackend::FrameWidget(hwnd);
  Log.clear();
  frame->resize(frame->width() + 40, frame->height() + 30);
  ASSERT_TRUE(Pump(hwnd));
  const auto sizes = Messages(WM_SIZE);
  ASSERT_FALSE(sizes.empty());
  EXPECT_EQ(sizes.back().lParam, MAKELPARAM(536, 470));
  EXPECT_GT(IndexOf(WM_PAINT), IndexOf(WM_SIZE));
  EXPECT_EQ(backend::ClientSurface(hwnd)->width, 536);

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

TEST(MainWindow, CloseBoxOnlyAsksAndDestroyWindowEndsTheLoop) {
  HWND hwnd = MakeWindow();
  QWidget* frame = qtbackend::FrameWidget(hwnd);
  Log.clear();
  ASSERT_FALSE(frame->close());
  ASSERT_TRUE(Pump(hwnd));
  EXPECT_EQ(Messages(WM_CLOSE).size(), 1u);
  EXPECT_TRUE(frame->isVisible());
  EXPECT_EQ(IndexOf(WM_DESTROY), -1);

  AllowClose = true;
  frame->close();
  ASSERT_TRUE(Pump(hwnd));
  MSG m;
  EXPECT_EQ(GetMessageA(&m, nullptr, 0, 0), FALSE);  // the quit message ends the loop
  EXPECT_EQ(Messages(WM_DESTROY).size(), 1u);
  EXPECT_EQ(qtbackend::FrameWidget(hwnd), nullptr);
}

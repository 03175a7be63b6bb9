// The main window on Qt: creation order, geometry, menu bar, icons, background, resizing and
// the close box.
#include <QIcon>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

#include "qt/qt_harness.h"

using namespace qt_harness;

namespace {

QMenuBar* MenuBarOf(HWND hwnd) { return qtbackend::FrameWidget(hwnd)->findChild<QMenuBar*>(); }

QStringList Texts(const QList<QAction*>& actions) {
  QStringList out;
  for (QAction* a : actions) out << (a->isSeparator() ? "-" : a->text());
  return out;
}

}  // namespace

TEST(MainWindow, CreationSizeAndFirstPaintArriveInTheOrderTheProgramReliesOn) {
  Log().clear();
  HWND hwnd = MakeWindow(false);
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(IndexOf(WM_CREATE), 0);  // before CreateWindowExA returned
  EXPECT_EQ(IndexOf(WM_SIZE), -1);
  ShowWindow(hwnd, SW_SHOWNORMAL);
  const auto sizes = Messages(WM_SIZE);
  ASSERT_EQ(sizes.size(), 1u);
  EXPECT_EQ(LOWORD(sizes[0].lParam), 496);
  EXPECT_EQ(HIWORD(sizes[0].lParam), 440);
  EXPECT_EQ(IndexOf(WM_PAINT), -1);
  UpdateWindow(hwnd);
  EXPECT_GT(IndexOf(WM_PAINT), IndexOf(WM_SIZE));

  RECT r;
  ASSERT_TRUE(GetClientRect(hwnd, &r));
  EXPECT_EQ(r.right, 496);
  EXPECT_EQ(r.bottom, 440);
  QWidget* frame = qtbackend::FrameWidget(hwnd);
  EXPECT_EQ(frame->windowTitle(), QString("Velmora Ver.2"));
  EXPECT_EQ(frame->pos(), QPoint(60, 60));
  EXPECT_EQ(qtbackend::ClientWidget(hwnd)->size(), QSize(496, 440));
  EXPECT_GT(qtbackend::ClientWidget(hwnd)->y(), 0);  // below the menu bar
  EXPECT_TRUE(frame->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST(MainWindow, StripAboveTheViewShowsTheClassBackgroundWhereNothingIsDrawn) {
  HWND hwnd = MakeWindow();
  EXPECT_EQ(ShownPixel(hwnd, 300, 40), qRgb(200, 200, 200));  // COLOR_SCROLLBAR
  EXPECT_EQ(ShownPixel(hwnd, 300, 55), qRgb(200, 200, 200));
  EXPECT_EQ(ShownPixel(hwnd, 300, 56), qRgb(192, 192, 192));
  EXPECT_EQ(ShownPixel(hwnd, 495, 439), qRgb(192, 192, 192));
}

TEST(MainWindow, MenuBarHoldsTheClassMenuAsWrittenAndItemsSendTheirCommands) {
  HWND hwnd = MakeWindow();
  QMenuBar* bar = MenuBarOf(hwnd);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(Texts(bar->actions()), QStringList({"ﾌｧｲﾙ(&F)", "ﾍﾙﾌﾟ(&H)"}));
  QMenu* file = bar->actions()[0]->menu();
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(Texts(file->actions()), QStringList({"開く(&O)", "名前を付けて保存(&A)", "-", "コピー",
                                                 "-", "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"}));
  QMenu* saveAs = file->actions()[1]->menu();
  ASSERT_NE(saveAs, nullptr);
  EXPECT_EQ(Texts(saveAs->actions()), QStringList({"元データの保存", "３Ｄアートの保存"}));
  EXPECT_EQ(Texts(bar->actions()[1]->menu()->actions()),
            QStringList({"目次(&C)", "ﾊﾞｰｼﾞｮﾝ情報(&A) ..."}));

  std::vector<WORD> commands;
  OnCommand() = [&](HWND, WPARAM wParam) { commands.push_back(LOWORD(wParam)); };
  saveAs->actions()[0]->trigger();
  file->actions()[0]->trigger();
  EXPECT_TRUE(commands.empty());  // commands travel through the message loop
  ASSERT_TRUE(Pump(hwnd));
  EXPECT_EQ(commands, (std::vector<WORD>{kSaveDataCommand, kOpenCommand}));
  OnCommand() = nullptr;
}

TEST(MainWindow, ClassIconsBecomeTheWindowIcons) {
  HWND hwnd = MakeWindow();
  const QIcon icon = qtbackend::FrameWidget(hwnd)->windowIcon();
  const QList<QSize> sizes = icon.availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(32, 32)));
  EXPECT_TRUE(sizes.contains(QSize(16, 16)));
  const QImage large = icon.pixmap(QSize(32, 32)).toImage();
  EXPECT_EQ(qAlpha(large.pixel(0, 0)), 0);  // '.' is transparent
  EXPECT_EQ(large.pixel(5, 5) & 0xFFFFFF, qRgb(0, 0, 255) & 0xFFFFFFu);
}

TEST(MainWindow, ResizeSendsTheNewSizeThenRepaintsTheWholeClient) {
  HWND hwnd = MakeWindow();
  QWidget* frame = qtbackend::FrameWidget(hwnd);
  Log().clear();
  frame->resize(frame->width() + 40, frame->height() + 30);
  ASSERT_TRUE(Pump(hwnd));
  const auto sizes = Messages(WM_SIZE);
  ASSERT_FALSE(sizes.empty());
  EXPECT_EQ(LOWORD(sizes.back().lParam), 536);
  EXPECT_EQ(HIWORD(sizes.back().lParam), 470);
  EXPECT_GT(IndexOf(WM_PAINT), IndexOf(WM_SIZE));
  EXPECT_EQ(ShownPixel(hwnd, 530, 465), qRgb(192, 192, 192));
  EXPECT_EQ(ShownPixel(hwnd, 530, 30), qRgb(200, 200, 200));
}

TEST(MainWindow, MinimisingReportsAnEmptyClientAndRestoringRepaints) {
  HWND hwnd = MakeWindow();
  QWidget* frame = qtbackend::FrameWidget(hwnd);
  Log().clear();
  frame->showMinimized();
  ASSERT_TRUE(Pump(hwnd));
  auto sizes = Messages(WM_SIZE);
  ASSERT_EQ(sizes.size(), 1u);
  EXPECT_EQ(sizes[0].wParam, 1u);  // SIZE_MINIMIZED
  EXPECT_EQ(sizes[0].lParam, 0);
  Log().clear();
  frame->showNormal();
  ASSERT_TRUE(Pump(hwnd));
  sizes = Messages(WM_SIZE);
  ASSERT_EQ(sizes.size(), 1u);
  EXPECT_EQ(sizes[0].lParam, MAKELPARAM(496, 440));
  EXPECT_GT(IndexOf(WM_PAINT), IndexOf(WM_SIZE));
}

TEST(MainWindow, CloseBoxOnlyAsksAndDestroyWindowEndsTheLoop) {
  HWND hwnd = MakeWindow();
  QWidget* frame = qtbackend::FrameWidget(hwnd);
  Log().clear();
  AllowClose() = false;
  EXPECT_FALSE(frame->close());
  ASSERT_TRUE(Pump(hwnd));
  EXPECT_EQ(Messages(WM_CLOSE).size(), 1u);
  EXPECT_TRUE(frame->isVisible());
  EXPECT_EQ(Messages(WM_DESTROY).size(), 0u);

  AllowClose() = true;
  frame->close();
  ASSERT_TRUE(Pump(hwnd));
  MSG m;
  EXPECT_EQ(GetMessageA(&m, nullptr, 0, 0), FALSE);  // the quit message ends the loop
  EXPECT_EQ(m.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(m.wParam, 0u);
  EXPECT_EQ(Messages(WM_DESTROY).size(), 1u);
  RECT r;
  EXPECT_FALSE(GetClientRect(hwnd, &r));
  EXPECT_EQ(qtbackend::FrameWidget(hwnd), nullptr);
  AllowClose() = false;
}

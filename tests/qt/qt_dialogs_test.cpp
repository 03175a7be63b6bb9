// Modal dialogs on Qt: message boxes with their answers, the template dialog driven by its
// dialog procedure, and repaints that keep reaching the window while a dialog is open.
#include <QAbstractButton>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "qt/qt_harness.h"

using namespace qt_harness;

namespace {

QStringList ButtonTexts(QMessageBox* box) {
  QStringList out;
  for (QAbstractButton* b : box->buttons()) out << b->text();
  out.sort();
  return out;
}

std::vector<Delivered> DialogLog;

INT_PTR CALLBACK AboutProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
  DialogLog.push_back({dialog, msg, wParam, lParam});
  if (msg == WM_INITDIALOG) return TRUE;
  if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

INT_PTR RunAbout(HWND owner, std::function<void(QDialog*)> answer) {
  DialogLog.clear();
  WhenModal<QDialog>(answer);
  return DialogBoxParamA(Module(), MAKEINTRESOURCEA(kDialogId), owner, AboutProc, 0);
}

}  // namespace

TEST(MessageBox, QuestionShowsTitleTextAndJapaneseYesNoAndReturnsTheAnswer) {
  HWND hwnd = MakeWindow();
  const char* text = "編集中の元データが保存されていません。\nよろしいですか？";
  WhenModal<QMessageBox>([](QMessageBox* box) {
    EXPECT_EQ(box->windowTitle(), QString("Velmora"));
    EXPECT_EQ(box->text(), QString("編集中の元データが保存されていません。\nよろしいですか？"));
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    EXPECT_EQ(ButtonTexts(box), QStringList({"いいえ(&N)", "はい(&Y)"}));
    box->button(QMessageBox::No)->click();
  });
  EXPECT_EQ(MessageBoxA(hwnd, text, "Velmora", MB_ICONQUESTION | MB_YESNO), IDNO);
  WhenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
  EXPECT_EQ(MessageBoxA(hwnd, text, "Velmora", MB_ICONQUESTION | MB_YESNO), IDYES);
}

TEST(MessageBox, WarningHasOneOkButton) {
  HWND hwnd = MakeWindow();
  WhenModal<QMessageBox>([](QMessageBox* box) {
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->buttons().size(), 1);
    QTest::keyClick(box, Qt::Key_Return);
  });
  EXPECT_EQ(MessageBoxA(hwnd, "ヘルプ\n二行目", "Velmora", MB_ICONWARNING | MB_OK), IDOK);
}

TEST(MessageBox, SizeAndPaintMessagesReachTheWindowWhileItIsOpen) {
  HWND hwnd = MakeWindow();
  ASSERT_TRUE(Pump(hwnd));
  Log().clear();
  bool paintedWhileOpen = false, sizedWhileOpen = false;
  WhenModal<QMessageBox>([&](QMessageBox* box) {
    QWidget* frame = qtbackend::FrameWidget(hwnd);
    frame->resize(frame->width() + 10, frame->height() + 10);
    // The repaint is handed over by the modal loop itself; wait for it, then answer.
    (void)QTest::qWaitFor([] { return IndexOf(WM_PAINT) >= 0; }, 5000);
    sizedWhileOpen = IndexOf(WM_SIZE) >= 0;
    paintedWhileOpen = IndexOf(WM_PAINT) > IndexOf(WM_SIZE);
    box->button(QMessageBox::Ok)->click();
  });
  MessageBoxA(hwnd, "text", "Velmora", MB_OK);
  EXPECT_TRUE(sizedWhileOpen);
  EXPECT_TRUE(paintedWhileOpen);
  EXPECT_EQ(ShownPixel(hwnd, 500, 445), qRgb(192, 192, 192));
}

TEST(AboutDialog, IsBuiltFromTheTemplateAndEndsWithOkEnterEscAndTheCloseBox) {
  HWND hwnd = MakeWindow();
  EXPECT_EQ(RunAbout(hwnd,
                     [](QDialog* d) {
                       EXPECT_EQ(d->windowTitle(), QString("ﾊﾞｰｼﾞｮﾝ情報"));
                       EXPECT_EQ(QFontInfo(d->font()).family(), QString("IPAPGothic"));
                       // 112 x 52 dialog units at the font's base units.
                       EXPECT_GT(d->width(), 112);
                       EXPECT_GT(d->height(), 52);
                       QStringList texts;
                       for (QLabel* l : d->findChildren<QLabel*>())
                         texts << (l->pixmap().isNull() ? l->text() : QString("[icon]"));
                       texts.sort();
                       EXPECT_EQ(texts, QStringList({"Velmora Version 2.0", "[icon]"}));
                       auto* ok = d->findChild<QPushButton*>();
                       ASSERT_NE(ok, nullptr);
                       EXPECT_TRUE(ok->isDefault());
                       EXPECT_TRUE(ok->hasFocus());
                       ok->click();
                     }),
            IDOK);
  ASSERT_FALSE(DialogLog.empty());
  EXPECT_EQ(DialogLog.front().msg, static_cast<UINT>(WM_INITDIALOG));
  EXPECT_EQ(RunAbout(hwnd, [](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); }), IDOK);
  EXPECT_EQ(RunAbout(hwnd, [](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }), IDCANCEL);
  EXPECT_EQ(RunAbout(hwnd, [](QDialog* d) { d->close(); }), IDCANCEL);
  EXPECT_EQ(DialogLog.back().msg, static_cast<UINT>(WM_DESTROY));
}

TEST(AboutDialog, AcceleratorTypedWhileItIsOpenDoesNotOpenItAgainLater) {
  HWND hwnd = MakeWindow();
  int abouts = 0;
  OnCommand() = [&](HWND, WPARAM wParam) { abouts += LOWORD(wParam) == kAboutCommand; };
  RunAbout(hwnd, [](QDialog* d) {
    QTest::keyClick(d, '?', Qt::AltModifier);
    d->findChild<QPushButton*>()->click();
  });
  ASSERT_TRUE(Pump(hwnd));
  EXPECT_EQ(abouts, 0);
  OnCommand() = nullptr;
}

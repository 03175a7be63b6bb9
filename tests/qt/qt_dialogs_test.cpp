// The program's modal dialogs on Qt, answered from a timer: its message boxes (with the window
// still getting size and paint messages while one is open), the About dialog built from its
// template, and its file choosers.
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "canvas/app_state.h"
#include "files/file_chooser.h"
#include "platform/backend.h"
#include "qt/qt_harness.h"
#include "shell/about_dialog.h"
#include "shell/commands.h"

using namespace qt_harness;

namespace {

// The names the chooser lists (files only), once it has read its folder.
QStringList Listed(QFileDialog* dialog, int expected) {
  auto* model = dialog->findChild<QFileSystemModel*>();
  QStringList names;
  (void)QTest::qWaitFor(
      [&] {
        names.clear();
        const QModelIndex root = model->index(dialog->directory().absolutePath());
        for (int i = 0; i < model->rowCount(root); ++i)
          names << model->index(i, 0, root).data().toString();
        return names.size() == expected;
      },
      5000);
  names.sort();
  return names;
}

void TypeAndAccept(QFileDialog* dialog, const QString& name) {
  dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
  static_cast<QDialog*>(dialog)->accept();
}

}  // namespace

TEST(MessageBox, ShowsTitleIconAndButtonsReturnsTheAnswerAndLetsTheWindowResizeAndRepaint) {
  HWND hwnd = MakeWindow();
  AppState.DataSaved = 0;
  for (auto answer : {QMessageBox::No, QMessageBox::Yes}) {
    WhenModal<QMessageBox>([answer](QMessageBox* box) {
      EXPECT_EQ(box->windowTitle(), QString("Velmora"));
      EXPECT_EQ(box->icon(), QMessageBox::Question);
      EXPECT_EQ(box->buttons().size(), 2);
      EXPECT_EQ(box->button(QMessageBox::Yes)->text(), QString("はい(&Y)"));
      EXPECT_EQ(box->button(QMessageBox::No)->text(), QString("いいえ(&N)"));
      box->button(answer)->click();
    });
    EXPECT_EQ(ConfirmDiscard(hwnd), answer == QMessageBox::Yes);
  }

  ASSERT_TRUE(Pump(hwnd));
  Log.clear();
  WhenModal<QMessageBox>([&](QMessageBox* box) {
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->buttons().size(), 1);
    QWidget* frame = qtbackend::FrameWidget(hwnd);
    frame->resize(frame->width() + 40, frame->height() + 30);
    // The repaint is handed over by the modal loop itself; wait for it, then answer.
    (void)QTest::qWaitFor([] { return IndexOf(WM_PAINT) >= 0; }, 5000);
    QTest::keyClick(box, Qt::Key_Return);
  });
  EXPECT_EQ(MessageBoxA(hwnd, "お知らせ", "Velmora", MB_ICONWARNING | MB_OK), IDOK);
  ASSERT_EQ(Count(WM_SIZE), 1);
  EXPECT_EQ(Log[IndexOf(WM_SIZE)].lParam, MAKELPARAM(536, 470));
  EXPECT_GT(IndexOf(WM_PAINT), IndexOf(WM_SIZE));
  EXPECT_EQ(backend::ClientSurface(hwnd)->width, 536);
}

TEST(AboutDialog, EndsWithItsOkButtonEnterOrEsc) {
  HWND hwnd = MakeWindow();
  auto run = [&](std::function<void(QDialog*)> answer) {
    WhenModal<QDialog>(answer);
    return DialogBoxParamA(Module(), MAKEINTRESOURCEA(IDD_ABOUT), hwnd, AboutDlgProc, 0);
  };
  EXPECT_EQ(run([](QDialog* d) {
              EXPECT_EQ(d->windowTitle(), QString("ﾊﾞｰｼﾞｮﾝ情報"));
              d->findChild<QPushButton*>()->click();
            }),
            IDOK);
  EXPECT_EQ(run([](QDialog* d) { QTest::keyClick(d, Qt::Key_Return); }), IDOK);
  EXPECT_EQ(run([](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }), IDCANCEL);
}

TEST(FileChooser, OpenShowsTitleFiltersAndInitialNameAndMatchesRegardlessOfCaseAndDots) {
  HWND hwnd = MakeWindow();
  QTemporaryDir folder;
  for (const char* name : {"grid.dat", "GRID2.DAT", "grid", "art.bmp"})
    (void)QFile(folder.filePath(name)).open(QIODevice::WriteOnly);
  WhenModal<QFileDialog>([&](QFileDialog* d) {
    EXPECT_EQ(d->windowTitle(), QString("データのロード"));
    EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(d->findChild<QLineEdit*>("fileNameEdit")->text(), QString("*.DAT"));
    d->setDirectory(folder.path());
    auto* types = d->findChild<QComboBox*>("fileTypeCombo");
    ASSERT_EQ(types->count(), 2);
    EXPECT_EQ(types->itemText(0), QString("データファイル(*.DAT)"));
    EXPECT_EQ(types->itemText(1), QString("全ファイル(*.*)"));
    EXPECT_EQ(Listed(d, 2), QStringList({"GRID2.DAT", "grid.dat"}));
    types->setCurrentIndex(1);
    types->activated(1);
    EXPECT_EQ(Listed(d, 4), QStringList({"GRID2.DAT", "art.bmp", "grid", "grid.dat"}));
    TypeAndAccept(d, "grid");
  });
  char path[kPathBufferBytes];
  ASSERT_EQ(RunFileChooser(hwnd, ChooserMode::Open, kReadDataChooser, path), 1);
  EXPECT_EQ(QString::fromUtf8(path), folder.filePath("grid"));
}

TEST(FileChooser, SaveReplacesAnExistingFileWithoutAQuestion) {
  HWND hwnd = MakeWindow();
  QTemporaryDir folder;
  (void)QFile(folder.filePath("old.dat")).open(QIODevice::WriteOnly);
  WhenModal<QFileDialog>([&](QFileDialog* d) {
    EXPECT_EQ(d->windowTitle(), QString("データの保存"));
    EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptSave);
    WhenModal<QMessageBox>([](QMessageBox* box) {
      ADD_FAILURE() << "asked: " << box->text().toStdString();
      box->reject();
    });
    TypeAndAccept(d, folder.filePath("old.dat"));
  });
  char path[kPathBufferBytes];
  ASSERT_EQ(RunFileChooser(hwnd, ChooserMode::Save, kWriteDataChooser, path), 1);
  EXPECT_EQ(QString::fromUtf8(path), folder.filePath("old.dat"));
}

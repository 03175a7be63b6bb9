// The program's modal dialogs on Qt, answered from a timer: its question and its file choosers.
#include <sys/stat.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIcon>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <cstdio>

#include "canvas/app_state.h"
#include "files/depth_data_file.h"
#include "files/file_chooser.h"
#include "qt/qt_harness.h"
#include "shell/commands.h"
#include "support/temp_folder.h"

using namespace qt_harness;
using testing_support::ReadBytes, testing_support::WriteBytes;

namespace {

// A user whose LANG is not Japanese still gets Japanese texts; set before the application exists.
const bool kEnglishEnvironment = [] {
  setenv("LANG", "C", 1);
  setenv("LC_ALL", "C", 1);
  return true;
}();

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

// The open chooser in Japanese, its filters matching regardless of case and dots. A typed name
// with wildcards filters the list instead of being chosen; a path whose folder is not there is
// refused with a warning, and the chooser stays open for another try.
TEST(FileChooser, OpenFiltersByTypeAndTypedWildcardsAndRefusesAMissingFolder) {
  ASSERT_TRUE(kEnglishEnvironment);
  HWND hwnd = MakeWindow();
  QTemporaryDir folder;
  for (const char* name : {"grid.dat", "grid", "art.bmp", "photo.BMP"})
    (void)QFile(folder.filePath(name)).open(QIODevice::WriteOnly);
  bool warned = false;
  WhenModal<QFileDialog>([&](QFileDialog* d) {
    EXPECT_EQ(d->windowTitle(), QString("データのロード"));
    EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(d->findChild<QLineEdit*>("fileNameEdit")->text(), QString("*.DAT"));
    d->setDirectory(folder.path());
    auto* types = d->findChild<QComboBox*>("fileTypeCombo");
    ASSERT_EQ(types->count(), 2);
    EXPECT_EQ(types->itemText(0), QString("データファイル(*.DAT)"));
    EXPECT_EQ(types->itemText(1), QString("全ファイル(*.*)"));
    EXPECT_EQ(Listed(d, 1), QStringList({"grid.dat"}));
    TypeAndAccept(d, "*.bmp");
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(Listed(d, 2), QStringList({"art.bmp", "photo.BMP"}));
    types->setCurrentIndex(1);
    types->activated(1);
    EXPECT_EQ(Listed(d, 4), QStringList({"art.bmp", "grid", "grid.dat", "photo.BMP"}));
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      warned = box->text().contains(QString::fromUtf8("パスが存在しません"));
      box->accept();
    });
    TypeAndAccept(d, folder.filePath("missing/grid.dat"));
    EXPECT_TRUE(d->isVisible());
    TypeAndAccept(d, "grid");
  });
  char path[kPathBufferBytes];
  ASSERT_EQ(RunFileChooser(hwnd, ChooserMode::Open, kReadDataChooser, path), 1);
  EXPECT_TRUE(warned);
  EXPECT_EQ(QString::fromUtf8(path), folder.filePath("grid"));
}

// A name from an old archive, Latin-1 "gr\xfcn.dat", is not UTF-8: Qt leaves it out of its
// lists and cannot turn it back into bytes. Chosen from the chooser's list of such names, or
// typed as it reads, it is still that very file that the program opens and saves; a typed text
// that several such names stand for is refused, not guessed at.
TEST(FileChooser, OpensAndSavesAFileWhoseNameIsNotUtf8ByItsOwnBytes) {
  HWND hwnd = MakeWindow();
  QTemporaryDir folder;
  const QByteArray dir = QFile::encodeName(folder.path());
  const std::string latin1 = (dir + "/gr\xfcn.dat").toStdString();
  std::vector<unsigned char> grid(kDepthDataBytes);
  grid[41] = 3;
  grid[kDepthDataBytes - 1] = 7;
  WriteBytes(latin1, grid);
  unsigned char buffer[kDepthDataBytes];
  WhenModal<QFileDialog>([&](QFileDialog* d) {
    d->setDirectory(folder.path());
    auto* others = d->findChild<QListWidget*>("namesQtCannotShow");
    ASSERT_NE(others, nullptr);
    ASSERT_EQ(others->count(), 1);
    EXPECT_EQ(others->item(0)->text(), QString::fromUtf8("grün.dat"));
    others->setCurrentRow(0);
    QTest::keyClick(others, Qt::Key_Return);
  });
  ASSERT_EQ(ChooseAndReadData(hwnd, buffer, kDepthDataBytes), kTransferDone);
  EXPECT_EQ(std::vector(buffer, buffer + kDepthDataBytes), grid);

  buffer[0] = 5;
  WhenModal<QFileDialog>([&](QFileDialog* d) {
    d->setDirectory(folder.path());
    TypeAndAccept(d, QString::fromUtf8("grün.dat"));
  });
  ASSERT_EQ(ChooseAndWriteData(hwnd, buffer, kDepthDataBytes), kTransferDone);
  EXPECT_EQ(ReadBytes(latin1), std::vector(buffer, buffer + kDepthDataBytes));
  EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty())
      << "a second file was written under a UTF-8 name";

  // The text Qt shows for both names below, with U+FFFD for the bad byte.
  WriteBytes((dir + "/gr\xe4n.dat").toStdString(), grid);
  WhenModal<QFileDialog>([&](QFileDialog* d) {
    d->setDirectory(folder.path());
    bool warned = false;
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      warned = true;
      box->accept();
    });
    TypeAndAccept(d, QString("gr") + QChar::ReplacementCharacter + "n.dat");
    EXPECT_TRUE(warned);
    EXPECT_TRUE(d->isVisible());
  });
  EXPECT_EQ(ChooseAndReadData(hwnd, buffer, kDepthDataBytes), kChooserCancelled);
  EXPECT_EQ(ReadBytes(latin1)[0], 5);
  // QTemporaryDir cannot name these files either.
  for (const char* name : {"/gr\xfcn.dat", "/gr\xe4n.dat"}) std::remove((dir + name).constData());
}

// Nothing the chooser lists is opened to guess its type: a FIFO that no one writes to and
// /proc (whose kmsg blocks a reader) are shown with their types in the detail view, and the
// dialog still answers Escape.
TEST(FileChooser, ListsAFifoAndProcWithoutReadingThemAndStillAnswersEscape) {
  HWND hwnd = MakeWindow();
  QTemporaryDir folder;
  for (const char* name : {"pipe", "pipe.dat", "pipe.txt"})
    ASSERT_EQ(mkfifo(QFile::encodeName(folder.filePath(name)).constData(), 0600), 0);
  (void)QFile(folder.filePath("grid.dat")).open(QIODevice::WriteOnly);
  ASSERT_TRUE(QDir(folder.path()).mkdir("sub"));
  // With an icon theme, as on a desktop, Qt's own provider looks icons up by file type.
  QIcon::setThemeName("hicolor");
  for (const QString& where : {folder.path(), QString("/proc")}) {
    bool answered = false;
    WhenModal<QFileDialog>([&](QFileDialog* d) {
      d->setViewMode(QFileDialog::Detail);
      auto* types = d->findChild<QComboBox*>("fileTypeCombo");
      types->setCurrentIndex(1);
      types->activated(1);
      d->setDirectory(where);
      auto* model = d->findChild<QFileSystemModel*>();
      const QModelIndex root = model->index(where);
      const QString listed = where == folder.path() ? "grid.dat" : "kmsg";
      EXPECT_TRUE(QTest::qWaitFor(
          [&] { return model->index(where + "/" + listed).isValid() && model->rowCount(root) > 0; },
          5000));
      // The type column, as the detail view paints it, for every name listed.
      for (int i = 0; i < model->rowCount(root); ++i) (void)model->index(i, 2, root).data();
      if (where == folder.path()) {
        auto typeOf = [&](const char* name) {
          return model->index(folder.filePath(name)).siblingAtColumn(2).data().toString();
        };
        EXPECT_EQ(typeOf("sub"), QString("ファイル フォルダー"));
        EXPECT_EQ(typeOf("pipe.dat"), QString("不明"));
        EXPECT_EQ(typeOf("grid.dat"), QString("DAT ファイル"));
      }
      d->findChild<QTreeView*>("treeView")->viewport()->repaint();
      QTest::keyClick(d, Qt::Key_Escape);
      answered = !d->isVisible();
    });
    char path[kPathBufferBytes];
    EXPECT_EQ(RunFileChooser(hwnd, ChooserMode::Open, kReadDataChooser, path), 0);
    EXPECT_TRUE(answered) << where.toStdString();
  }
}

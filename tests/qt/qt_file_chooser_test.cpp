// The file choosers on Qt: title, filter texts as written with case-blind matching and "*.*"
// for every file, typed names, the folder-must-exist rule and no overwrite question.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include "qt/qt_harness.h"

using namespace qt_harness;

namespace {

const char kFilter[] = "データファイル(*.DAT)\0*.DAT\0全ファイル(*.*)\0*.*\0";

struct Chooser {
  char path[MAX_PATH] = "*.DAT";
  char title[MAX_PATH] = "";
  OPENFILENAMEA ofn{};
  Chooser(HWND owner, const QString& folder, DWORD flags, const char* caption) {
    static QByteArray dir;
    dir = folder.toUtf8();
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = kFilter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = path;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrFileTitle = title;
    ofn.nMaxFileTitle = MAX_PATH;
    ofn.lpstrInitialDir = dir.constData();
    ofn.lpstrTitle = caption;
    ofn.Flags = flags;
  }
};

void Touch(const QString& path) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("x");
}

// The names the chooser lists in its folder (files only), once it has read the folder.
QStringList Listed(QFileDialog* dialog, int expected) {
  auto* model = dialog->findChild<QFileSystemModel*>();
  QStringList names;
  (void)QTest::qWaitFor(
      [&] {
        names.clear();
        const QModelIndex root = model->index(dialog->directory().absolutePath());
        for (int i = 0; i < model->rowCount(root); ++i)
          if (!model->isDir(model->index(i, 0, root)))
            names << model->index(i, 0, root).data().toString();
        return names.size() == expected;
      },
      5000);
  names.sort();
  return names;
}

// What the chooser's Open / Save button does.
void Accept(QFileDialog* dialog) { static_cast<QDialog*>(dialog)->accept(); }

void Type(QFileDialog* dialog, const QString& name) {
  dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
}

}  // namespace

TEST(FileChooser, ShowsFilterTextsAsWrittenAndMatchesRegardlessOfCaseAndDots) {
  HWND hwnd = MakeWindow();
  QTemporaryDir folder;
  for (const char* name : {"grid.dat", "GRID2.DAT", "grid", "art.bmp"})
    Touch(folder.filePath(name));
  Chooser c(hwnd, folder.path(), OFN_PATHMUSTEXIST, "データのロード");
  WhenModal<QFileDialog>([&](QFileDialog* d) {
    EXPECT_EQ(d->windowTitle(), QString("データのロード"));
    EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptOpen);
    auto* types = d->findChild<QComboBox*>("fileTypeCombo");
    ASSERT_NE(types, nullptr);
    ASSERT_EQ(types->count(), 2);
    EXPECT_EQ(types->itemText(0), QString("データファイル(*.DAT)"));
    EXPECT_EQ(types->itemText(1), QString("全ファイル(*.*)"));
    EXPECT_EQ(types->currentIndex(), 0);
    EXPECT_EQ(d->findChild<QLineEdit*>("fileNameEdit")->text(), QString("*.DAT"));
    EXPECT_EQ(Listed(d, 2), QStringList({"GRID2.DAT", "grid.dat"}));
    types->setCurrentIndex(1);
    types->activated(1);
    EXPECT_EQ(Listed(d, 4), QStringList({"GRID2.DAT", "art.bmp", "grid", "grid.dat"}));
    Type(d, "grid");
    Accept(d);
  });
  ASSERT_TRUE(GetOpenFileNameA(&c.ofn));
  EXPECT_EQ(QString::fromUtf8(c.path), folder.filePath("grid"));
  EXPECT_STREQ(c.title, "grid");
}

TEST(FileChooser, OpenAcceptsATypedNameOfAMissingFileAndCancelReturnsFalse) {
  HWND hwnd = MakeWindow();
  QTemporaryDir folder;
  Chooser c(hwnd, folder.path(), OFN_PATHMUSTEXIST, "データのロード");
  WhenModal<QFileDialog>([](QFileDialog* d) {
    Type(d, "missing.dat");
    Accept(d);
  });
  ASSERT_TRUE(GetOpenFileNameA(&c.ofn));
  EXPECT_EQ(QString::fromUtf8(c.path), folder.filePath("missing.dat"));

  Chooser cancelled(hwnd, folder.path(), OFN_PATHMUSTEXIST, "データのロード");
  WhenModal<QFileDialog>([](QFileDialog* d) { d->reject(); });
  EXPECT_FALSE(GetOpenFileNameA(&cancelled.ofn));
  EXPECT_STREQ(cancelled.path, "*.DAT");
  // The program writes no files but the user's: the chooser kept no settings file.
  EXPECT_FALSE(
      QFile::exists(QString::fromLocal8Bit(getenv("XDG_CONFIG_HOME")) + "/QtProject.conf"));
}

TEST(FileChooser, SaveNeedsAnExistingFolderAndReplacesFilesWithoutAQuestion) {
  HWND hwnd = MakeWindow();
  QTemporaryDir folder;
  Touch(folder.filePath("old.dat"));
  Chooser c(hwnd, folder.path(), OFN_PATHMUSTEXIST | OFN_HIDEREADONLY, "データの保存");
  bool warned = false, stayedOpen = false;
  WhenModal<QFileDialog>([&](QFileDialog* d) {
    EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptSave);
    // A folder that does not exist: a warning, and the chooser stays.
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      warned = true;
      box->accept();
    });
    Type(d, folder.filePath("no-such-folder/grid"));
    Accept(d);
    stayedOpen = d->isVisible();
    // A pattern typed as the name filters the list and is not chosen.
    Type(d, "*.txt");
    Accept(d);
    stayedOpen = stayedOpen && d->isVisible();
    // An existing file: chosen at once, no overwrite question.
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      ADD_FAILURE() << "asked: " << box->text().toStdString();
      box->reject();
    });
    Type(d, "old.dat");
    Accept(d);
  });
  ASSERT_TRUE(GetSaveFileNameA(&c.ofn));
  EXPECT_TRUE(warned);
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(QString::fromUtf8(c.path), folder.filePath("old.dat"));
}

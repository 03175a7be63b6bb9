// How Qt's own widgets look to a user of the desktop program: the dot-colour list drops down
// below its field, Qt's texts, dates and file types are Japanese even where LANG names another
// language, and a dialog opens beside its owner.
#include <stdlib.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include "files/file_chooser.h"
#include "platform/qt/presentation.h"
#include "qt/qt_harness.h"

using namespace qt_harness;

namespace {

// The environment of a user whose LANG is not Japanese; set before the application exists.
const bool kEnglishEnvironment = [] {
  setenv("LANG", "C", 1);
  setenv("LC_ALL", "C", 1);
  return true;
}();

bool HasNonAscii(const QString& text) {
  return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0x7F; });
}

}  // namespace

TEST(QtPresentation, TheDotColourListDropsDownBelowItsFieldLeavingTheMenuBarFree) {
  HWND hwnd = MakeWindow();
  auto* combo = qtbackend::FrameWidget(hwnd)->findChild<QComboBox*>();
  ASSERT_NE(combo, nullptr);
  combo->showPopup();
  QWidget* popup = combo->view()->window();
  ASSERT_TRUE(QTest::qWaitFor([popup] { return popup->isVisible(); }, 5000));
  // Its top row may share the field's bottom row, as Win32's list does with its field's border.
  const QPoint fieldBottomLeft = combo->mapToGlobal(QPoint(0, combo->height() - 1));
  EXPECT_GE(popup->geometry().top(), fieldBottomLeft.y());
  EXPECT_EQ(popup->geometry().left(), fieldBottomLeft.x());
  combo->hidePopup();
}

TEST(QtPresentation, TheChooserIsJapaneseUnderAnEnglishLang) {
  ASSERT_TRUE(kEnglishEnvironment);
  HWND hwnd = MakeWindow();
  QTemporaryDir folder;
  const QString picture = folder.filePath("art.bmp");
  (void)QFile(picture).open(QIODevice::WriteOnly);
  const QDateTime modified = QFileInfo(picture).lastModified();
  WhenModal<QFileDialog>([&](QFileDialog* d) {
    d->setNameFilter("*");
    d->setDirectory(folder.path());
    auto* model = d->findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return model->index(picture).isValid(); }, 5000));
    const QModelIndex row = model->index(picture);
    // Qt's own words, its date format and the type's name are the Japanese ones.
    EXPECT_TRUE(HasNonAscii(model->headerData(3, Qt::Horizontal).toString()));
    auto* view = d->findChild<QTreeView*>("treeView");
    auto* dates = dynamic_cast<qtbackend::JapaneseDateDelegate*>(view->itemDelegateForColumn(3));
    ASSERT_NE(dates, nullptr);
    EXPECT_EQ(dates->DateText(row.siblingAtColumn(3)),
              QLocale(QLocale::Japanese, QLocale::Japan).toString(modified, QLocale::ShortFormat));
    EXPECT_TRUE(HasNonAscii(model->data(row.siblingAtColumn(2)).toString()))
        << model->data(row.siblingAtColumn(2)).toString().toStdString();
    d->reject();
  });
  char path[kPathBufferBytes];
  EXPECT_EQ(RunFileChooser(hwnd, ChooserMode::Open, kReadDataChooser, path), 0);
}

// Beside the owner on the side with room, narrowed to fit there when it can narrow, else over
// the owner; always on the screen.
TEST(QtPresentation, ADialogOpensBesideItsOwnerOnTheSideWithRoom) {
  MakeWindow();  // the application as the program makes it
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  QWidget owner;
  owner.resize(200, 100);
  owner.show();
  const int rightEdge = area.right() + 1 - owner.frameGeometry().width();
  enum Side { Right, Left, Over };
  const struct {
    int ownerX, width, minimumWidth;
    Side side;
  } cases[] = {{area.left() + 10, 150, 0, Right},
               {rightEdge, 150, 0, Left},
               {area.left(), area.width(), 100, Right},
               {area.center().x() - 100, area.width() - 50, area.width() - 50, Over}};
  for (const auto& c : cases) {
    owner.move(c.ownerX, area.top());
    QDialog dialog(&owner);
    dialog.setMinimumWidth(c.minimumWidth);
    dialog.resize(c.width, 200);
    qtbackend::PlaceBesideOwner(&dialog, &owner);
    dialog.show();
    const QRect frame = owner.frameGeometry(), placed = dialog.frameGeometry();
    EXPECT_TRUE(area.contains(placed)) << c.ownerX;
    if (c.side == Over) {
      EXPECT_LT(placed.left(), frame.left());
      continue;
    }
    EXPECT_EQ(placed.left(), c.side == Right ? frame.right() + 1 : frame.left() - placed.width())
        << c.ownerX;
    EXPECT_EQ(placed.top(), frame.top());
  }
}

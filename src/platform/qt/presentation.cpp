// Qt backend, presentation details. See presentation.h.
#include "platform/qt/presentation.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QProxyStyle>
#include <QScreen>
#include <QTranslator>
#include <QTreeView>
#include <QWidget>
#include <algorithm>

namespace qtbackend {
namespace {

// The desktop's style, with the two habits of Win32 controls that Qt styles do differently.
class WindowsHabitsStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    switch (hint) {
      // A drop-down list opens below its field; a popup over the field would cover the field
      // itself and, for a list in the top row, the menu bar.
      case SH_ComboBox_Popup:
        return 0;
      // Message boxes and dialogs show plain text buttons.
      case SH_DialogButtonBox_ButtonsHaveIcons:
        return 0;
      default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
  }
};

// Places the dialog when its show event arrives: its size is final then, and the window is not
// mapped yet, so it appears where it belongs without a jump.
class PlaceOnShow : public QObject {
 public:
  PlaceOnShow(QWidget* dialog, const QWidget* owner) : QObject(dialog), owner_(owner) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && owner_) {
      Place(static_cast<QWidget*>(watched));
      deleteLater();
    }
    return false;
  }

 private:
  void Place(QWidget* dialog) const {
    const QRect ownerFrame = owner_->frameGeometry();
    const QRect ownerInner = owner_->geometry();
    // The dialog's own frame is not known before it is mapped; the owner's is the best guess.
    const QSize frame(ownerFrame.width() - ownerInner.width(),
                      ownerFrame.height() - ownerInner.height());
    const QScreen* screen = owner_->screen();
    const QRect area = screen ? screen->availableGeometry() : ownerFrame;
    // The side with more room takes the dialog, made narrower down to its smallest width
    // where that lets it fit there.
    const int roomRight = area.right() - ownerFrame.right();
    const int roomLeft = ownerFrame.left() - area.left();
    const bool right = roomRight >= roomLeft;
    const int room = (right ? roomRight : roomLeft) - frame.width();
    const int narrowest = std::max(dialog->minimumSizeHint().width(), dialog->minimumWidth());
    if (dialog->width() > room && narrowest <= room) dialog->resize(room, dialog->height());
    const QSize outer = dialog->size() + frame;
    int x;
    if (outer.width() <= (right ? roomRight : roomLeft))
      x = right ? ownerFrame.right() + 1 : ownerFrame.left() - outer.width();
    else
      x = ownerFrame.center().x() - outer.width() / 2;
    x = std::max(area.left(), std::min(x, area.right() + 1 - outer.width()));
    const int y =
        std::max(area.top(), std::min(ownerFrame.top(), area.bottom() + 1 - outer.height()));
    dialog->move(x, y);  // a window's position is that of its frame
  }

  QPointer<const QWidget> owner_;
};

}  // namespace

void PresentAsOnWindows(QApplication* app) {
  app->setStyle(new WindowsHabitsStyle);
  const QLocale japanese(QLocale::Japanese, QLocale::Japan);
  QLocale::setDefault(japanese);
  // Qt's texts (dialog buttons, the chooser's labels) from Qt's own Japanese catalogue,
  // whatever locale the environment names.
  auto* translator = new QTranslator(app);
  if (translator->load(japanese, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(translator);
  // One face for Latin and Japanese text alike; with a non-Japanese LANG the desktop's face
  // would draw the Latin letters and another one the rest.
  QFont font = QApplication::font();
  font.setFamilies({"IPAPGothic"});
  QApplication::setFont(font);
}

void PlaceBesideOwner(QWidget* dialog, const QWidget* owner) {
  if (!dialog || !owner) return;
  dialog->installEventFilter(new PlaceOnShow(dialog, owner));
}

JapaneseDateDelegate::JapaneseDateDelegate(const QFileSystemModel* model, QObject* parent)
    : QStyledItemDelegate(parent), model_(model) {}

QString JapaneseDateDelegate::DateText(const QModelIndex& index) const {
  return QLocale().toString(model_->lastModified(index), QLocale::ShortFormat);
}

void JapaneseDateDelegate::initStyleOption(QStyleOptionViewItem* option,
                                           const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  if (index.isValid()) option->text = DateText(index);
}

void ShowJapaneseDates(QFileDialog* chooser) {
  constexpr int kDateColumn = 3;
  auto* view = chooser->findChild<QTreeView*>("treeView");
  auto* model = chooser->findChild<QFileSystemModel*>();
  if (view && model)
    view->setItemDelegateForColumn(kDateColumn, new JapaneseDateDelegate(model, view));
}

}  // namespace qtbackend

// Qt backend, how Qt's own widgets present themselves: as a Windows user of the program expects
// them, whatever the desktop style and LANG are.
#pragma once

#include <QStyledItemDelegate>

class QApplication;
class QFileDialog;
class QFileSystemModel;
class QWidget;

namespace qtbackend {

// Called once for each application, right after it was made: drop-down lists open below their
// field and dialog buttons carry no icons (as on Windows), and Qt's own texts, dates, sizes and
// file types are Japanese in one Japanese face, as the program's own texts are.
void PresentAsOnWindows(QApplication* app);

// Moves a dialog, as it is shown, beside its owner's frame: to the right of it where the
// screen has room, else to the left, else over it; always within the screen's work area, and
// top-aligned with the owner where that fits. Qt would centre a large dialog over a small
// owner and push it against the screen's edge.
void PlaceBesideOwner(QWidget* dialog, const QWidget* owner);

// Shows a chooser's modification dates in the Japanese short format ("2026/12/07 3:44"). Qt's
// list formats them in the locale that LANG names, and no Japanese locale need be installed
// for the process to take one from the environment.
void ShowJapaneseDates(QFileDialog* chooser);

// The date column's delegate that ShowJapaneseDates installs.
class JapaneseDateDelegate : public QStyledItemDelegate {
 public:
  JapaneseDateDelegate(const QFileSystemModel* model, QObject* parent);
  // The text shown for a row's date.
  QString DateText(const QModelIndex& index) const;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

 private:
  const QFileSystemModel* model_;
};

}  // namespace qtbackend

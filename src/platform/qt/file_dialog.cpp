// Qt backend, the open and save choosers: a QFileDialog (Qt's own, the same on every desktop)
// set up from an OPENFILENAMEA record. The filter pairs keep their display texts as written
// while the patterns do the matching: case-insensitively, so that "*.DAT" also lists grid.dat,
// and with "*.*" standing for every file, names without a dot included. The folder of the
// chosen path must exist when OFN_PATHMUSTEXIST asks for it, an existing file is chosen
// without an overwrite question (the program asks its own), and a name typed with wildcards filters
// the list instead of being chosen. Names reach the program as the bytes they have on disk, UTF-8
// or not, and nothing in the chooser reads a file to show it.
#include <sys/stat.h>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <QTimer>

#include <algorithm>
#include <cstring>

#include "platform/path_names.h"
#include "platform/qt/file_icons.h"
#include "platform/qt/file_names.h"
#include "platform/qt/presentation.h"
#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_windows.h"
#include "platform/wm/chosen_file.h"

namespace qtbackend {
namespace {

struct FilterPair {
  QString display;
  QStringList patterns;
};

QString PatternForQt(const QString& pattern) { return pattern == "*.*" ? "*" : pattern; }

// "text\0pattern;pattern\0text\0pattern\0\0"
std::vector<FilterPair> ParseFilter(const char* filter) {
  std::vector<FilterPair> pairs;
  while (filter && *filter) {
    const char* display = filter;
    const char* patterns = display + std::strlen(display) + 1;
    if (!*patterns) break;
    FilterPair pair{QString::fromUtf8(display), {}};
    for (const QString& p : QString::fromUtf8(patterns).split(';', Qt::SkipEmptyParts))
      pair.patterns << PatternForQt(p.trimmed());
    pairs.push_back(pair);
    filter = patterns + std::strlen(patterns) + 1;
  }
  return pairs;
}

bool HasWildcard(const QString& name) { return name.contains('*') || name.contains('?'); }

class ChooserDialog : public QFileDialog {
 public:
  // The icon provider must outlive the dialog: the model's gatherer thread uses it until the
  // dialog is gone.
  ChooserDialog(QWidget* parent, DWORD flags, NameOnlyIconProvider* icons)
      : QFileDialog(parent), flags_(flags) {
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::DontUseCustomDirectoryIcons);
    setIconProvider(icons);
    AddListOfNamesQtCannotShow();
  }

  // The chosen path as the bytes of its name on disk, once the dialog was accepted.
  const QByteArray& Chosen() const { return chosen_; }

  // Qt's list leaves out the names that are not UTF-8; they are listed below it as they read in
  // Latin-1, the encoding of the archives such names come from. Choosing one there (double
  // click or Enter) takes that very file.
  void AddListOfNamesQtCannotShow() {
    auto* grid = qobject_cast<QGridLayout*>(layout());
    auto* model = findChild<QFileSystemModel*>();
    if (!grid || !model) return;
    hiddenLabel_ = new QLabel(QString::fromUtf8("文字コードの異なる名前のファイル:"), this);
    hidden_ = new QListWidget(this);
    hidden_->setObjectName("namesQtCannotShow");
    hidden_->setMaximumHeight(hidden_->fontMetrics().height() * 4);
    const int row = grid->rowCount();
    grid->addWidget(hiddenLabel_, row, 0, 1, grid->columnCount());
    grid->addWidget(hidden_, row + 1, 0, 1, grid->columnCount());
    ShowNamesQtCannotList(directory().absolutePath());
    connect(model, &QFileSystemModel::rootPathChanged, this,
            [this](const QString& folder) { ShowNamesQtCannotList(folder); });
    // A filter picked from the list of types reaches the model only after the signal.
    if (auto* types = findChild<QComboBox*>("fileTypeCombo"))
      connect(types, &QComboBox::activated, this,
              [this] { QTimer::singleShot(0, this, &ChooserDialog::RefreshNamesQtCannotList); });
    connect(hidden_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
      if (auto* edit = findChild<QLineEdit*>("fileNameEdit")) edit->setText(item->text());
    });
    connect(hidden_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
      chosen_ = item->data(Qt::UserRole).toByteArray();
      QDialog::accept();
    });
  }

  void RefreshNamesQtCannotList() {
    if (hidden_) ShowNamesQtCannotList(directory().absolutePath());
  }

  void ShowNamesQtCannotList(const QString& folder) {
    hidden_->clear();
    const QByteArray bytes = QFile::encodeName(folder);
    QList<QRegularExpression> patterns;
    if (auto* model = findChild<QFileSystemModel*>())
      for (const QString& filter : model->nameFilters())
        patterns << QRegularExpression(QRegularExpression::wildcardToRegularExpression(filter),
                                       QRegularExpression::CaseInsensitiveOption);
    for (const QByteArray& name : NamesQtCannotList(bytes)) {
      const QString text = QString::fromLatin1(name);
      if (!patterns.isEmpty() && std::none_of(patterns.begin(), patterns.end(),
                                              [&](auto& p) { return p.match(text).hasMatch(); }))
        continue;
      auto* item = new QListWidgetItem(text, hidden_);
      item->setData(Qt::UserRole, (bytes.endsWith('/') ? bytes : bytes + "/") + name);
    }
    hiddenLabel_->setVisible(hidden_->count() > 0);
    hidden_->setVisible(hidden_->count() > 0);
  }

  void accept() override {
    auto* edit = findChild<QLineEdit*>("fileNameEdit");
    const QString typed = edit ? edit->text().trimmed() : QString();
    if (HasWildcard(typed)) {
      if (auto* model = findChild<QFileSystemModel*>()) model->setNameFilters({typed});
      RefreshNamesQtCannotList();
      return;
    }
    const QStringList files = selectedFiles();
    if (files.isEmpty()) return;
    if (LocalPathOf(files.first(), &chosen_) == NameLookup::Ambiguous) {
      QMessageBox::warning(this, windowTitle(),
                           QString::fromUtf8("%1\nこの名前で表示されるファイルが複数あります。\n"
                                             "ほかのプログラムで名前を変えてください。")
                               .arg(QFileInfo(files.first()).fileName()));
      return;
    }
    if (flags_ & OFN_PATHMUSTEXIST) {
      const QFileInfo chosen(files.first());
      struct stat info;
      if (!chosen.isDir() &&
          (stat(FolderOf(chosen_.toStdString()).c_str(), &info) != 0 || !S_ISDIR(info.st_mode))) {
        QMessageBox::warning(this, windowTitle(),
                             QString::fromUtf8("%1\nパスが存在しません。\n"
                                               "パス名が正しいか確認してください。")
                                 .arg(chosen.absolutePath()));
        return;
      }
    }
    QFileDialog::accept();
  }

 private:
  DWORD flags_;
  QByteArray chosen_;
  QLabel* hiddenLabel_ = nullptr;
  QListWidget* hidden_ = nullptr;
};

// The chooser's memory of folders and views would be written to Qt's settings file; the
// program writes no files but the ones the user names, so those settings go nowhere.
void KeepChooserSettingsAway() {
  static const bool done = [] {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, "/dev/null");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, "/dev/null");
    return true;
  }();
  (void)done;
}

BOOL RunChooser(OPENFILENAMEA* ofn, bool save) {
  if (!ofn || !ofn->lpstrFile || ofn->nMaxFile == 0) return FALSE;
  EnsureApplication();
  KeepChooserSettingsAway();
  NameOnlyIconProvider icons;
  ChooserDialog dialog(FrameWidget(wm::TopLevelOf(ofn->hwndOwner)), ofn->Flags, &icons);
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setWindowTitle(ofn->lpstrTitle ? QString::fromUtf8(ofn->lpstrTitle)
                                        : QString::fromUtf8(save ? "名前を付けて保存" : "開く"));
  if (ofn->lpstrInitialDir && *ofn->lpstrInitialDir)
    dialog.setDirectory(QString::fromUtf8(ofn->lpstrInitialDir));

  // Qt reads the patterns out of the parentheses of each filter text; it gets texts made of
  // the patterns, and its list then shows the display texts in their place.
  const std::vector<FilterPair> pairs = ParseFilter(ofn->lpstrFilter);
  QStringList qtFilters;
  for (size_t i = 0; i < pairs.size(); ++i)
    qtFilters << QString("%1 (%2)").arg(i).arg(pairs[i].patterns.join(' '));
  if (!qtFilters.isEmpty()) {
    dialog.setNameFilters(qtFilters);
    const DWORD index =
        ofn->nFilterIndex >= 1 && ofn->nFilterIndex <= pairs.size() ? ofn->nFilterIndex - 1 : 0;
    dialog.selectNameFilter(qtFilters[static_cast<int>(index)]);
    if (auto* combo = dialog.findChild<QComboBox*>("fileTypeCombo"))
      for (int i = 0; i < combo->count() && i < static_cast<int>(pairs.size()); ++i)
        combo->setItemText(i, pairs[i].display);
  }

  dialog.RefreshNamesQtCannotList();

  const QString initial = QFile::decodeName(ofn->lpstrFile);
  if (!initial.isEmpty()) {
    dialog.selectFile(initial);
    if (auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit")) {
      edit->setText(initial);
      QTimer::singleShot(0, edit, &QLineEdit::selectAll);
    }
  }

  PlaceBesideOwner(&dialog, dialog.parentWidget());
  ShowJapaneseDates(&dialog);
  int accepted;
  {
    wm::ModalScope modal;
    accepted = dialog.exec();
  }
  if (accepted != QDialog::Accepted || dialog.Chosen().isEmpty()) return FALSE;
  return wm::FillChosenFile(ofn, dialog.Chosen().toStdString());
}

}  // namespace
}  // namespace qtbackend

BOOL WINAPI GetOpenFileNameA(OPENFILENAMEA* ofn) { return qtbackend::RunChooser(ofn, false); }
BOOL WINAPI GetSaveFileNameA(OPENFILENAMEA* ofn) { return qtbackend::RunChooser(ofn, true); }

// Qt backend, the built-in control classes of the window manager as native widgets: "BUTTON"
// (push buttons, and check boxes whose mark is the window manager's), "COMBOBOX" (a pick-only
// list) and "STATIC" (text or an icon).
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "platform/qt/qt_windows.h"
#include "platform/wm/window_backend.h"

namespace qtbackend {
namespace {

// BS_CHECKBOX: a click reports BN_CLICKED and leaves the mark to the program.
class ManualCheckBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  void nextCheckState() override {}
};

// Without SS_NOPREFIX a static control takes "&" as a mnemonic marker and "&&" as "&".
QString StaticText(const char* text, DWORD style) {
  QString s = QString::fromUtf8(text);
  if (style & SS_NOPREFIX) return s;
  QString out;
  for (int i = 0; i < s.size(); ++i) {
    if (s[i] == u'&' && i + 1 < s.size())
      ++i;
    else if (s[i] == u'&')
      continue;
    out += s[i];
  }
  return out;
}

void FitComboBox(QtView* v, QComboBox* combo) {
  const int field = combo->sizeHint().height();
  combo->resize(combo->width(), field);
  const int item = std::max(1, combo->fontMetrics().height() + 4);
  combo->setMaxVisibleItems(std::max(1, (v->listHeight - field) / item));
}

}  // namespace

// The widgets report what the user did to the window manager, which notifies the parent.
QWidget* MakeControlWidget(HWND hwnd, QWidget* parentWidget) {
  Window* w = ToWindow(hwnd);
  QtView* v = ViewOf(hwnd);
  const QString text = QString::fromUtf8(w->text);
  QWidget* widget = nullptr;
  if (w->className == "BUTTON") {
    const DWORD type = w->style & BS_TYPEMASK;
    QAbstractButton* button;
    if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX) {
      button = type == BS_CHECKBOX ? new ManualCheckBox(text, parentWidget)
                                   : new QCheckBox(text, parentWidget);
    } else {
      auto* push = new QPushButton(text, parentWidget);
      push->setAutoDefault(false);
      push->setDefault(type == BS_DEFPUSHBUTTON);
      button = push;
    }
    QObject::connect(button, &QAbstractButton::clicked, [hwnd] { wm::ClickButton(hwnd); });
    widget = button;
  } else if (w->className == "COMBOBOX") {
    auto* combo = new QComboBox(parentWidget);
    combo->setEditable(false);
    combo->setInsertPolicy(QComboBox::InsertAtBottom);
    QObject::connect(combo, &QComboBox::activated,
                     [hwnd](int index) { wm::PickListEntry(hwnd, index); });
    v->listHeight = w->height;
    widget = combo;
  } else {
    auto* label = new QLabel(parentWidget);
    if ((w->style & SS_TYPEMASK) != SS_ICON) {
      label->setText(StaticText(w->text.c_str(), w->style));
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label->setWordWrap(true);
    }
    widget = label;
  }
  widget->setGeometry(w->x, w->y, w->width, w->height);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) FitComboBox(v, combo);
  if (auto* label = qobject_cast<QLabel*>(widget); label && w->iconId) {
    // An icon control takes the size of its icon.
    const QPixmap pixmap = IconPixmap(LoadIconA(w->instance, MAKEINTRESOURCEA(w->iconId)), 32);
    if (!pixmap.isNull()) {
      label->setPixmap(pixmap);
      label->resize(pixmap.size());
    }
  }
  widget->setVisible((w->style & WS_VISIBLE) != 0);
  return widget;
}

}  // namespace qtbackend

using namespace qtbackend;

// The check mark, the list's entries and selection and the font are the window manager's; the
// widget shows them.
void backend::ControlChanged(HWND hwnd) {
  Window* w = ToWindow(hwnd);
  QtView* v = ViewOf(hwnd);
  if (!w || !v || !v->widget) return;
  if (auto* box = qobject_cast<QCheckBox*>(v->widget.data()))
    box->setChecked(w->check == BST_CHECKED);
  if (auto* combo = qobject_cast<QComboBox*>(v->widget.data())) {
    while (combo->count() < static_cast<int>(w->list.entries.size()))
      combo->addItem(QString::fromUtf8(w->list.entries[combo->count()]));
    combo->setCurrentIndex(w->list.selection);
  }
  const auto* font = static_cast<raster::Font*>(raster::ToObject(w->font));
  if (font && font->kind == raster::ObjectKind::Font &&
      v->widget->font() != FontFromLogfont(font->logfont)) {
    v->widget->setFont(FontFromLogfont(font->logfont));
    if (auto* combo = qobject_cast<QComboBox*>(v->widget.data())) FitComboBox(v, combo);
  }
}

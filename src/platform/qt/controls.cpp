// Qt backend, the built-in control classes as native widgets: "BUTTON" (push buttons, and
// check boxes that change their mark only when the program sets it), "COMBOBOX" (a pick-only
// list that keeps the order of its entries) and "STATIC" (text or an icon). Each answers the
// control messages the program sends and reports clicks and selections to its parent.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <cstring>

#include "platform/qt/qt_windows.h"
#include "platform/wm/combo_list.h"

namespace qtbackend {
namespace {

// BS_CHECKBOX: a click reports BN_CLICKED and leaves the mark to the program.
class ManualCheckBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  void nextCheckState() override {}
};

constexpr DWORD kButtonTypeMask = 0x0F;
constexpr DWORD kStaticTypeMask = 0x1F;

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

void FitComboBox(Window* w, QComboBox* combo) {
  const int field = combo->sizeHint().height();
  combo->resize(combo->width(), field);
  const int item = std::max(1, combo->fontMetrics().height() + 4);
  combo->setMaxVisibleItems(std::max(1, (w->listHeight - field) / item));
}

QComboBox* ComboOf(Window* w) {
  return w->className == "COMBOBOX" ? static_cast<QComboBox*>(w->widget.data()) : nullptr;
}

QCheckBox* CheckBoxOf(Window* w) {
  return w->className == "BUTTON" ? qobject_cast<QCheckBox*>(w->widget.data()) : nullptr;
}

}  // namespace

void Notify(Window* control, WORD code) {
  const HWND hwnd = ToHandle(control);
  const WPARAM wParam = MAKEWPARAM(control->id, code);
  const LPARAM lParam = reinterpret_cast<LPARAM>(hwnd);
  Window* parent = ToWindow(control->parent);
  if (!parent) return;
  if (parent->kind == WindowKind::Dialog)
    SendMessageA(control->parent, WM_COMMAND, wParam, lParam);
  else
    Post(control->parent, WM_COMMAND, wParam, lParam);
}

bool CreateControlWidget(Window* w, QWidget* parentWidget, const char* text, int x, int y,
                         int width, int height) {
  const HWND hwnd = ToHandle(w);
  QWidget* widget = nullptr;
  if (w->className == "BUTTON") {
    const DWORD type = w->style & kButtonTypeMask;
    if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX) {
      QCheckBox* box = type == BS_CHECKBOX
                           ? new ManualCheckBox(QString::fromUtf8(text), parentWidget)
                           : new QCheckBox(QString::fromUtf8(text), parentWidget);
      QObject::connect(box, &QCheckBox::clicked, [hwnd] {
        if (Window* c = ToWindow(hwnd)) Notify(c, BN_CLICKED);
      });
      widget = box;
    } else {
      auto* button = new QPushButton(QString::fromUtf8(text), parentWidget);
      button->setAutoDefault(false);
      if (type == BS_DEFPUSHBUTTON) button->setDefault(true);
      QObject::connect(button, &QPushButton::clicked, [hwnd] {
        if (Window* c = ToWindow(hwnd)) Notify(c, BN_CLICKED);
      });
      widget = button;
    }
  } else if (w->className == "COMBOBOX") {
    auto* combo = new QComboBox(parentWidget);
    combo->setEditable(false);
    combo->setInsertPolicy(QComboBox::InsertAtBottom);
    QObject::connect(combo, &QComboBox::activated, [hwnd](int index) {
      if (Window* c = ToWindow(hwnd); c && wm::PickEntry(c->list, index)) Notify(c, CBN_SELCHANGE);
    });
    w->listHeight = height;
    widget = combo;
  } else if (w->className == "STATIC") {
    auto* label = new QLabel(parentWidget);
    if ((w->style & kStaticTypeMask) != SS_ICON) {
      label->setText(StaticText(text, w->style));
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label->setWordWrap(true);
    }
    widget = label;
  } else {
    return false;
  }
  w->widget = widget;
  widget->setGeometry(x, y, width, height);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) FitComboBox(w, combo);
  widget->setVisible((w->style & WS_VISIBLE) != 0);
  return true;
}

LRESULT ControlProc(Window* w, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!w->widget) return 0;
  // The list's entries and selection are the window manager's; the widget shows them.
  if (LRESULT result; ComboOf(w) && wm::AnswerComboMessage(w->list, msg, wParam, lParam, &result)) {
    QComboBox* combo = ComboOf(w);
    if (msg == CB_ADDSTRING && result != CB_ERR)
      combo->addItem(QString::fromUtf8(w->list.entries.back()));
    combo->setCurrentIndex(w->list.selection);
    return result;
  }
  switch (msg) {
    case WM_SETFONT: {
      w->font = reinterpret_cast<HFONT>(wParam);
      const auto* font = static_cast<raster::Font*>(raster::ToObject(w->font));
      if (!font || font->kind != raster::ObjectKind::Font) return 0;
      w->widget->setFont(FontFromLogfont(font->logfont));
      if (auto* combo = ComboOf(w)) FitComboBox(w, combo);
      if (lParam) w->widget->update();
      return 0;
    }
    case BM_SETCHECK:
      if (QCheckBox* box = CheckBoxOf(w)) box->setChecked(wParam == BST_CHECKED);
      return 0;
    case BM_GETCHECK:
      if (QCheckBox* box = CheckBoxOf(w)) return box->isChecked() ? BST_CHECKED : BST_UNCHECKED;
      return 0;
    default:
      return 0;
  }
}

}  // namespace qtbackend

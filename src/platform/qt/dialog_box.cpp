// Qt backend, modal dialogs from templates: DialogBoxParamA builds a QDialog with the
// template's title, font and controls (dialog units turned into pixels by the font's metrics),
// drives it through the dialog procedure and returns what EndDialog was given. Esc and the
// close box arrive as WM_COMMAND IDCANCEL, the default button (and Enter) as its identifier.
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>

#include "platform/module.h"
#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_windows.h"

namespace qtbackend {
namespace {

class TemplateDialog : public QDialog {
 public:
  TemplateDialog(HWND hwnd, QWidget* owner) : QDialog(owner), hwnd_(hwnd) {}

  void reject() override {
    if (ToWindow(hwnd_)) SendMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
  }

 private:
  HWND hwnd_;
};

// Dialog base units: the average width of the Latin letters and the height of the font.
struct DialogUnits {
  int baseX = 8, baseY = 16;
  int X(int units) const { return (units * baseX + 2) / 4; }
  int Y(int units) const { return (units * baseY + 4) / 8; }
};

DialogUnits UnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters =
      metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return DialogUnits{(letters / 26 + 1) / 2, metrics.height()};
}

QFont DialogFont(const DialogResource& resource) {
  if (!(resource.style & DS_SETFONT) || !resource.fontFace) return QFont();
  QFont font(QString::fromUtf8(resource.fontFace));
  font.setPixelSize((resource.fontPoints * 96 + 36) / 72);  // points at 96 pixels per inch
  return font;
}

HWND AddControl(HWND dialog, HINSTANCE instance, const DialogControlResource& c,
                const DialogUnits& units, QWidget* host) {
  auto window = std::make_unique<Window>();
  window->kind = WindowKind::Control;
  window->className = c.className ? c.className : "";
  window->style = c.style;
  window->parent = dialog;
  window->id = c.id;
  window->instance = instance;
  Window* w = window.get();
  const HWND hwnd = AddWindow(std::move(window));
  if (!CreateControlWidget(w, host, c.text ? c.text : "", units.X(c.x), units.Y(c.y),
                           units.X(c.width), units.Y(c.height))) {
    RemoveWindow(w);
    return nullptr;
  }
  if (c.iconId) {
    // An icon control takes the size of its icon.
    const QPixmap pixmap = IconPixmap(LoadIconA(instance, MAKEINTRESOURCEA(c.iconId)), 32);
    if (auto* label = qobject_cast<QLabel*>(w->widget.data()); label && !pixmap.isNull()) {
      label->setPixmap(pixmap);
      label->resize(pixmap.size());
    }
  }
  return hwnd;
}

}  // namespace

LRESULT DialogWindowProc(Window* w, UINT msg, WPARAM wParam, LPARAM lParam) {
  const HWND hwnd = ToHandle(w);
  const INT_PTR handled = w->dialogProc ? w->dialogProc(hwnd, msg, wParam, lParam) : 0;
  if (handled) return handled;
  // The default dialog handling: the close request becomes the Cancel command.
  if (msg == WM_CLOSE && ToWindow(hwnd)) SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
  return 0;
}

}  // namespace qtbackend

using namespace qtbackend;

INT_PTR WINAPI DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner,
                               DLGPROC dialogProc, LPARAM initParam) {
  const DialogResource* resource = FindDialogResource(instance, templateName);
  if (!resource) return -1;
  EnsureApplication();
  auto window = std::make_unique<Window>();
  window->kind = WindowKind::Dialog;
  window->className = "#32770";
  window->style = resource->style;
  window->owner = TopLevelOf(owner);
  window->instance = instance;
  window->dialogProc = dialogProc;
  Window* w = window.get();
  const HWND hwnd = AddWindow(std::move(window));

  auto* dialog = new TemplateDialog(hwnd, FrameWidget(w->owner));
  w->widget = dialog;
  dialog->setWindowModality(Qt::ApplicationModal);
  dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint);
  dialog->setWindowTitle(QString::fromUtf8(resource->title ? resource->title : ""));
  const QFont font = DialogFont(*resource);
  if (resource->style & DS_SETFONT) dialog->setFont(font);
  const DialogUnits units = UnitsOf(dialog->font());
  dialog->setFixedSize(units.X(resource->width), units.Y(resource->height));
  QPoint origin(units.X(resource->x), units.Y(resource->y));
  if (QWidget* ownerClient = ClientWidget(w->owner)) origin = ownerClient->mapToGlobal(origin);
  dialog->move(origin);

  HWND focus = nullptr;
  for (const DialogControlResource& c : resource->controls) {
    const HWND control = AddControl(hwnd, instance, c, units, dialog);
    if (!focus && control && (c.style & WS_TABSTOP)) focus = control;
  }
  if (SendMessageA(hwnd, WM_INITDIALOG, reinterpret_cast<WPARAM>(focus), initParam) && focus)
    if (QWidget* widget = ControlWidget(focus)) widget->setFocus();

  if ((w = ToWindow(hwnd)) && !w->dialogEnded) {
    ModalScope modal;
    dialog->exec();
  }
  w = ToWindow(hwnd);
  const INT_PTR result = w ? w->dialogResult : -1;
  DestroyWindow(hwnd);
  return result;
}

BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
  Window* w = ToWindow(dialog);
  if (!w || w->kind != WindowKind::Dialog) return FALSE;
  w->dialogEnded = true;
  w->dialogResult = result;
  if (auto* widget = qobject_cast<QDialog*>(w->widget.data())) widget->done(0);
  return TRUE;
}

// Qt backend, modal dialogs from templates: the window manager builds the dialog and its
// controls; here it is a QDialog with the template's title and font, run by exec() until
// EndDialog. Esc and the close box arrive as the Cancel command.
#include <QDialog>
#include <QFontMetrics>

#include "platform/module.h"
#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_windows.h"
#include "platform/wm/window_backend.h"

namespace qtbackend {
namespace {

class TemplateDialog : public QDialog {
 public:
  TemplateDialog(HWND hwnd, QWidget* owner) : QDialog(owner), hwnd_(hwnd) {}

  void reject() override {
    if (ToWindow(hwnd_)) wm::SendDialogCommand(hwnd_, IDCANCEL);
  }

 private:
  HWND hwnd_;
};

QFont DialogFont(const DialogResource& resource) {
  if (!(resource.style & DS_SETFONT) || !resource.fontFace) return QFont();
  QFont font(QString::fromUtf8(resource.fontFace));
  font.setPixelSize((resource.fontPoints * 96 + 36) / 72);  // points at 96 pixels per inch
  return font;
}

}  // namespace

QWidget* MakeDialogWidget(HWND hwnd) {
  Window* w = ToWindow(hwnd);
  auto* dialog = new TemplateDialog(hwnd, FrameWidget(w->owner));
  dialog->setWindowModality(Qt::ApplicationModal);
  dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint);
  dialog->setWindowTitle(QString::fromUtf8(w->text));
  dialog->setFixedSize(w->client.width, w->client.height);
  QPoint origin(w->x, w->y);
  if (QWidget* ownerClient = ClientWidget(w->owner)) origin = ownerClient->mapToGlobal(origin);
  dialog->move(origin);
  return dialog;
}

}  // namespace qtbackend

using namespace qtbackend;

// The average width of the Latin letters and the height of the template's font.
backend::DialogBaseUnits backend::BaseUnitsOf(const DialogResource& resource) {
  EnsureApplication();
  const QFontMetrics metrics(DialogFont(resource));
  const int letters =
      metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return {(letters / 26 + 1) / 2, metrics.height()};
}

bool backend::RunDialog(HWND hwnd, LPCSTR templateName, HWND focus) {
  auto* dialog = qobject_cast<QDialog*>(ViewOf(hwnd)->widget.data());
  if (!dialog) return false;
  if (const DialogResource* t = FindDialogResource(ToWindow(hwnd)->instance, templateName);
      t && (t->style & DS_SETFONT))
    dialog->setFont(DialogFont(*t));
  if (QWidget* widget = ControlWidget(focus)) widget->setFocus();
  dialog->exec();
  return true;
}

void backend::DialogEnded(HWND hwnd) {
  if (QtView* v = ViewOf(hwnd))
    if (auto* dialog = qobject_cast<QDialog*>(v->widget.data())) dialog->done(0);
}

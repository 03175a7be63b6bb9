// Qt backend, MessageBoxA as a modal QMessageBox owned by the window: the title, the text with
// its line feeds, the icon and the buttons the flags ask for, in Qt's Japanese translation.
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_windows.h"
#include "platform/wm/message_box_buttons.h"

namespace {

QMessageBox::StandardButton ButtonOf(int id) {
  return id == IDYES ? QMessageBox::Yes : id == IDNO ? QMessageBox::No : QMessageBox::Ok;
}

// The icon bits of the type: the two the program asks for, no icon for the rest.
QMessageBox::Icon IconOf(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONQUESTION:
      return QMessageBox::Question;
    case MB_ICONWARNING:
      return QMessageBox::Warning;
    default:
      return QMessageBox::NoIcon;
  }
}

}  // namespace

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  qtbackend::EnsureApplication();
  QMessageBox box(qtbackend::FrameWidget(wm::TopLevelOf(owner)));
  box.setWindowModality(Qt::ApplicationModal);
  // A message box has a title and a close box; window managers would add the rest.
  box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowCloseButtonHint);
  box.setWindowTitle(QString::fromUtf8(wm::MessageBoxCaption(caption)));
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromUtf8(text ? text : ""));
  box.setIcon(IconOf(type));
  const std::vector<int> answers = wm::MessageBoxButtons(type);
  QMessageBox::StandardButtons buttons;
  for (int id : answers) buttons |= ButtonOf(id);
  box.setStandardButtons(buttons);
  box.setDefaultButton(ButtonOf(answers.front()));
  {
    wm::ModalScope modal;
    box.exec();
  }
  const QAbstractButton* clicked = box.clickedButton();
  for (int id : answers)
    if (clicked && clicked == box.button(ButtonOf(id))) return id;
  return wm::ClosedAnswer(type);
}

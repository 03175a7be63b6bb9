// Qt backend, MessageBoxA as a modal QMessageBox owned by the window: the title, the text with
// its line feeds, the icon and the buttons the flags ask for, in Qt's Japanese translation.
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_windows.h"

namespace {

constexpr UINT kButtonsMask = 0x0F;
constexpr UINT kIconMask = 0xF0;
constexpr UINT kDefaultButtonMask = 0xF00;
constexpr int kIdAbort = 3, kIdRetry = 4, kIdIgnore = 5;

struct ButtonChoice {
  QMessageBox::StandardButton button;
  int id;
};

std::vector<ButtonChoice> ButtonsOf(UINT type) {
  using B = QMessageBox;
  switch (type & kButtonsMask) {
    case 1:
      return {{B::Ok, IDOK}, {B::Cancel, IDCANCEL}};
    case 2:
      return {{B::Abort, kIdAbort}, {B::Retry, kIdRetry}, {B::Ignore, kIdIgnore}};
    case 3:
      return {{B::Yes, IDYES}, {B::No, IDNO}, {B::Cancel, IDCANCEL}};
    case MB_YESNO:
      return {{B::Yes, IDYES}, {B::No, IDNO}};
    case 5:
      return {{B::Retry, kIdRetry}, {B::Cancel, IDCANCEL}};
    default:
      return {{B::Ok, IDOK}};
  }
}

QMessageBox::Icon IconOf(UINT type) {
  switch (type & kIconMask) {
    case 0x10:
      return QMessageBox::Critical;
    case MB_ICONQUESTION:
      return QMessageBox::Question;
    case MB_ICONWARNING:
      return QMessageBox::Warning;
    case 0x40:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

}  // namespace

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  qtbackend::EnsureApplication();
  QMessageBox box(qtbackend::FrameWidget(qtbackend::TopLevelOf(owner)));
  box.setWindowModality(Qt::ApplicationModal);
  // A message box has a title and a close box; window managers would add the rest.
  box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowCloseButtonHint);
  box.setWindowTitle(QString::fromUtf8(caption ? caption : "エラー"));
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromUtf8(text ? text : ""));
  box.setIcon(IconOf(type));
  const std::vector<ButtonChoice> choices = ButtonsOf(type);
  QMessageBox::StandardButtons buttons;
  for (const ButtonChoice& c : choices) buttons |= c.button;
  box.setStandardButtons(buttons);
  const size_t defaultIndex = (type & kDefaultButtonMask) >> 8;
  box.setDefaultButton(choices[defaultIndex < choices.size() ? defaultIndex : 0].button);
  {
    qtbackend::ModalScope modal;
    box.exec();
  }
  const QAbstractButton* clicked = box.clickedButton();
  for (const ButtonChoice& c : choices)
    if (clicked && clicked == box.button(c.button)) return c.id;
  // Closed without a button: the answer that changes nothing.
  for (const ButtonChoice& c : choices)
    if (c.id == IDCANCEL || c.id == IDNO) return c.id;
  return choices.front().id;
}

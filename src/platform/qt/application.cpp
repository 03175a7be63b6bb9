// Qt backend, the application object: made on first use, because the program's entry point
// knows nothing of Qt. Before any font exists the Japanese faces the program names are mapped
// to the IPA faces, and Qt's own texts (dialog buttons) are loaded in Japanese.
#include <QApplication>
#include <QFont>
#include <QKeyEvent>
#include <QPointer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "platform/qt/presentation.h"
#include "platform/qt/qt_windows.h"

namespace qtbackend {
namespace {

// Key events are turned into messages once, where they enter the application, before Qt
// propagates them from the focus widget to its parents.
class VelmoraApplication : public QApplication {
 public:
  VelmoraApplication(int& argc, char** argv) : QApplication(argc, argv) {}

  bool notify(QObject* receiver, QEvent* event) override {
    const QEvent::Type type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && receiver->isWidgetType())
      PostKeyEvent(static_cast<QWidget*>(receiver), *static_cast<QKeyEvent*>(event),
                   type == QEvent::KeyPress);
    return QApplication::notify(receiver, event);
  }
};

int argcStorage = 1;
char arg0[] = "velmora";
char* argvStorage[] = {arg0, nullptr};

QApplication* app = nullptr;

}  // namespace

QApplication* EnsureApplication() {
  if (app) return app;
  QFont::insertSubstitution(QString::fromUtf8("ＭＳ ゴシック"), "IPAGothic");
  QFont::insertSubstitution(QString::fromUtf8("ＭＳ Ｐゴシック"), "IPAPGothic");
  app = new VelmoraApplication(argcStorage, argvStorage);
  // Every pointer move is a message of its own, even when the program falls behind: a
  // stroke paints each cell it crosses instead of jumping over the ones whose moves Qt
  // would otherwise merge. The X11 platform plugin switches merging on while the
  // application is constructed, so it is switched off only afterwards.
  QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, false);
  app->setQuitOnLastWindowClosed(false);
  PresentAsOnWindows(app);
  return app;
}

// Only destroying the application lets Qt hand a clipboard that this program still owns to
// the desktop's clipboard manager (it waits a moment for the manager to take the data), and
// closes the display connection and the fonts in order instead of leaving them to the end
// of the process. It happens while everything it needs still lives: no widget may outlive it.
void EndApplication() {
  if (!app) return;
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QList<QPointer<QWidget>> windows;
  for (QWidget* widget : QApplication::topLevelWidgets()) windows << widget;
  for (const QPointer<QWidget>& widget : windows) delete widget.data();
  delete app;
  app = nullptr;
}

// With VELMORA_TRACE_FIRST_PAINT set, the time at which the first repaint of a window reached
// the screen is written to standard error once, as nanoseconds of the realtime clock, so that
// a script can measure the start-up from outside.
namespace {
bool windowPainted = false;
bool traced = false;
}  // namespace

void NoteWindowPainted() { windowPainted = true; }

void NoteClientPainted() {
  if (traced || !windowPainted) return;
  traced = true;
  if (!std::getenv("VELMORA_TRACE_FIRST_PAINT")) return;
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  std::fprintf(
      stderr, "first-paint %lld\n",
      static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
  std::fflush(stderr);
}

}  // namespace qtbackend

// In the sanitizer build: libdbus keeps the buffers of Qt's bus connection for the life of the
// process (only dbus_shutdown frees them, and nothing calls it); they are not leaks of this
// program.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }

// How long a painting pointer move takes on the desktop program: from the pointer event that
// Qt delivers to the client widget, through the message loop and the window procedure, to the
// painted cell in the window's pixel buffer; and, in the second case, on to the repainted
// widget. Runs the real program's window offscreen.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <cstdio>

#include "platform/backend.h"
#include "platform/qt/qt_backend.h"
#include "platform/wm/window_manager.h"
#include "shell/resources.h"
#include "shell/win_main.h"

namespace {

HWND window = nullptr;
QWidget* client = nullptr;

void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(at), client->mapToGlobal(QPointF(at)), button, held,
                    Qt::NoModifier);
  QApplication::sendEvent(client, &event);
}

void DispatchQueued() {
  MSG msg;
  while (!wm::QueuedMessages().empty() && GetMessageA(&msg, nullptr, 0, 0) > 0)
    DispatchMessageA(&msg);
}

QPoint Cell(int column, int row) { return QPoint(8 + 12 * column + 6, 58 + 12 * row + 6); }

// Pixel of the window buffer at a cell's centre.
std::uint32_t BufferAt(QPoint p) { return backend::ClientSurface(window)->Row(p.y())[p.x()]; }

void Start() {
  HINSTANCE instance = CreateModuleInstance(&ProgramResources);
  LoadStringA(instance, 109, MainClassName, kMainClassNameSize);
  RegisterMainClass(instance);
  CreateMainWindow(instance, SW_SHOWNORMAL);
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->windowTitle() == "Velmora Ver.2") window = qtbackend::HandleOfWidget(w);
  client = qtbackend::ClientWidget(window);
  DispatchQueued();
  // The window system shows the window after a few turns of the event loop.
  for (int i = 0; i < 200 && !client->window()->windowHandle()->isExposed(); ++i)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  if (!client->window()->windowHandle()->isExposed()) std::fprintf(stderr, "not shown\n");
}

void PaintingMove(benchmark::State& state, bool repaint) {
  // A press inside the field starts the stroke; each move then paints the cell under it.
  Send(QEvent::MouseMove, Cell(10, 10), Qt::NoButton, Qt::NoButton);
  Send(QEvent::MouseButtonPress, Cell(10, 10), Qt::LeftButton, Qt::LeftButton);
  DispatchQueued();
  int column = 4;
  for (auto _ : state) {
    column = column == 35 ? 4 : column + 1;
    const QPoint at = Cell(column, 20);
    Send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
    DispatchQueued();
    if (repaint) client->repaint();
    benchmark::DoNotOptimize(BufferAt(at));
  }
  Send(QEvent::MouseButtonRelease, Cell(column, 20), Qt::LeftButton, Qt::NoButton);
  DispatchQueued();
  if (BufferAt(Cell(column, 20)) == BufferAt(Cell(0, 29))) state.SkipWithError("nothing painted");
}

void BM_PaintingMoveToBuffer(benchmark::State& state) { PaintingMove(state, false); }
void BM_PaintingMoveToScreen(benchmark::State& state) { PaintingMove(state, true); }
BENCHMARK(BM_PaintingMoveToBuffer)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintingMoveToScreen)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  Start();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

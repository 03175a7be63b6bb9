// A bare Qt window of Velmora's layout, for comparing start-up times: a main window with the
// same two menus, a 496 x 440 client area holding the same seven controls at the same places,
// grey below the control rows and a black 480 x 360 view at (8, 58), drawn from an image as the
// program shows its Canvas. Nothing else: no platform layer, no Canvas, no program. With
// VELMORA_TRACE_FIRST_PAINT set it writes "first-paint NANOSECONDS" to standard error when its
// client area has first been painted, as velmora does, so that one script can time both.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

class Client : public QWidget {
 public:
  Client() : view_(480, 360, QImage::Format_RGB32) {
    view_.fill(Qt::black);
    setFixedSize(496, 440);
    auto place = [this](QWidget* control, int x, int y, int w, int h) {
      control->setParent(this);
      control->setGeometry(x, y, w, h);
    };
    place(new QCheckBox("大きいサイズ"), 8, 8, 100, 20);
    place(new QCheckBox("明るく作図"), 110, 8, 100, 20);
    place(new QLabel("色"), 210, 11, 12, 16);
    auto* list = new QComboBox;
    list->addItems({"黒", "青", "赤", "桃色", "緑色", "水色", "黄色", "白"});
    list->setCurrentIndex(5);
    place(list, 224, 8, 60, 22);
    place(new QCheckBox("マーカーを中に"), 300, 8, 110, 20);
    place(new QPushButton("３Ｄ作図"), 414, 8, 74, 20);
    place(new QPushButton("編集画面"), 414, 34, 74, 20);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(0, 56, width(), height() - 56, QColor(192, 192, 192));
    painter.drawImage(8, 58, view_);
    painter.end();
    if (traced_ || !std::getenv("VELMORA_TRACE_FIRST_PAINT")) return;
    traced_ = true;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::fprintf(
        stderr, "first-paint %lld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    std::fflush(stderr);
  }

 private:
  QImage view_;
  bool traced_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Velmora Ver.2");
  QMenu* file = window.menuBar()->addMenu("ﾌｧｲﾙ(&F)");
  file->addAction("開く(&O)");
  QMenu* saveAs = file->addMenu("名前を付けて保存(&A)");
  saveAs->addAction("元データの保存");
  saveAs->addAction("３Ｄアートの保存");
  file->addSeparator();
  file->addAction("コピー");
  file->addSeparator();
  file->addAction("ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)");
  QMenu* help = window.menuBar()->addMenu("ﾍﾙﾌﾟ(&H)");
  help->addAction("目次(&C)");
  help->addAction("ﾊﾞｰｼﾞｮﾝ情報(&A) ...");
  window.setCentralWidget(new Client);
  window.show();
  return app.exec();
}

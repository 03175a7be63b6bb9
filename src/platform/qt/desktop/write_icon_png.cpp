// Build tool: writes the program's large class icon (the 32 x 32 image of icon 131 of its
// resources) as a PNG file for the desktop entry. Usage: velmora-icon-png FILE
#include <QImage>
#include <cstdio>

#include "platform/module.h"
#include "shell/resources.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FILE.png\n", argv[0]);
    return 2;
  }
  HINSTANCE instance = CreateModuleInstance(&ProgramResources);
  const IconResource* icon = FindIconResource(instance, MAKEINTRESOURCEA(131));
  if (!icon) {
    std::fprintf(stderr, "the program has no icon 131\n");
    return 1;
  }
  for (const IconImageResource& image : icon->images) {
    if (image.size != 32) continue;
    QImage out(image.size, image.size, QImage::Format_ARGB32);
    for (int y = 0; y < image.size; ++y)
      for (int x = 0; x < image.size; ++x) {
        const int index = IconPixelIndex(image, x, y);
        const COLORREF color = index < 0 ? 0 : image.palette[index];
        out.setPixel(x, y,
                     index < 0 ? 0u : qRgb(GetRValue(color), GetGValue(color), GetBValue(color)));
      }
    if (!out.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", argv[1]);
      return 1;
    }
    return 0;
  }
  std::fprintf(stderr, "icon 131 has no 32 x 32 image\n");
  return 1;
}

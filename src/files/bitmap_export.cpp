#include "files/bitmap_export.h"

#include <vector>

#include "files/bmp_file.h"
#include "files/file_chooser.h"

void SaveArtBitmap(HWND window, HDC canvas, int x, int y, int width, int height) {
  std::vector<char> path(kPathBufferBytes);
  if (!RunFileChooser(window, ChooserMode::Save, kSaveBitmapChooser, path.data())) return;
  AddExtensionIfNoDot(path.data(), path.size(), ".bmp");
  // The rectangle is taken only now that the chooser has closed.
  ExportRegionToBmp(canvas, x, y, width, height, path.data());
}

int ExportRegionToBmp(HDC canvas, int x, int y, int width, int height, const char* path) {
  HDC surface = CreateCompatibleDC(canvas);
  HBITMAP picture = CreateCompatibleBitmap(canvas, width, height);
  HGDIOBJ kept = SelectObject(surface, picture);
  BitBlt(surface, 0, 0, width, height, canvas, x, y, SRCCOPY);
  // GetDIBits wants a bitmap that no surface holds (Windows leaves the result undefined
  // otherwise), so the picture leaves its surface before it is captured.
  SelectObject(surface, kept);
  const int written = WriteBmpFile(path, picture);
  DeleteObject(picture);
  DeleteDC(surface);
  return written;
}

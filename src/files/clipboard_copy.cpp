#include "files/clipboard_copy.h"

void CopyArtToClipboard(HWND window, HDC canvas, int x, int y, int width, int height) {
  HDC surface = CreateCompatibleDC(canvas);
  HBITMAP picture = CreateCompatibleBitmap(canvas, width, height);
  HGDIOBJ kept = SelectObject(surface, picture);
  BitBlt(surface, 0, 0, width, height, canvas, x, y, SRCCOPY);
  // The bitmap leaves the temporary surface before it is handed over, so the clipboard never
  // holds a bitmap that some surface still draws into.
  SelectObject(surface, kept);
  DeleteDC(surface);

  // From SetClipboardData on the clipboard owns the bitmap. When the clipboard cannot be opened
  // (another program holds it) or does not take the bitmap, nobody would ever free it.
  bool taken = false;
  if (OpenClipboard(window)) {
    EmptyClipboard();
    taken = SetClipboardData(CF_BITMAP, picture) != nullptr;
    CloseClipboard();
  }
  if (!taken) DeleteObject(picture);
}

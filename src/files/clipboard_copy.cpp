#include "files/clipboard_copy.h"

void CopyArtToClipboard(HWND window, HDC canvas, int x, int y, int width, int height) {
  HDC surface = CreateCompatibleDC(canvas);
  // A bitmap of the display's own format, made for the screen rather than for the Canvas: the
  // Canvas holds a DIB section on Windows, a bitmap compatible with it would be one too, and
  // not every system hands a DIB section given as CF_BITMAP on to other programs (Wine's
  // clipboard does not).
  HDC screen = GetDC(nullptr);
  HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
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

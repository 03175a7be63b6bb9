// GDI objects and device contexts: creation, selection, deletion and the stock objects.
#include <initializer_list>

#include "platform/raster/surface.h"
#include "platform/raster/window_system.h"

namespace raster {
namespace {

int liveObjects = 0;
int liveContexts = 0;
// Constant-initialised, so that a backend's static initialiser may hand its own at any time.
constinit WindowSystem windowSystem{};

Surface* WindowSurface(HWND window) {
  return windowSystem.clientSurface ? windowSystem.clientSurface(window) : nullptr;
}

// Stock objects are never destroyed, not even when the process ends, so that their handles
// stay good for as long as their table lasts.
template <typename T>
T* MakeStock() {
  T* object = new T;
  object->stock = true;
  object->handle = gdiObjects.value.Add(object);
  return object;
}

Pen* StockBlackPen() {
  static Pen* pen = MakeStock<Pen>();
  return pen;
}
Brush* StockWhiteBrush() {
  static Brush* brush = [] {
    Brush* b = MakeStock<Brush>();
    b->color = RGB(255, 255, 255);
    return b;
  }();
  return brush;
}
Font* StockSystemFont() {
  static Font* font = [] {
    Font* f = MakeStock<Font>();
    f->logfont.lfHeight = 16;
    return f;
  }();
  return font;
}
Palette* StockPalette() {
  static Palette* palette = MakeStock<Palette>();
  return palette;
}
// A memory context starts with a 1 x 1 bitmap selected, as on Windows.
Bitmap* StockBitmap() {
  static Bitmap* bitmap = [] {
    Bitmap* b = MakeStock<Bitmap>();
    b->surface.Resize(1, 1);
    return b;
  }();
  return bitmap;
}

// Gives a new object its handle; null (and the object freed) when the table is full.
template <typename T>
T* Registered(T* object) {
  object->handle = gdiObjects.value.Add(object);
  if (!object->handle) {
    delete object;
    return nullptr;
  }
  ++liveObjects;
  return object;
}

// Copies the selected bitmap's pixels and size into the context, for SetPixel and GetPixel.
void TakeBitmapBits(DeviceContext* dc) {
  Surface& s = dc->bitmap->surface;
  dc->bits = s.Pixels();
  dc->bitsWidth = static_cast<std::size_t>(s.width);
  dc->bitsHeight = static_cast<std::size_t>(s.height);
}

// Makes object the one of its slot in the context, keeping the selection counts.
template <typename T>
T* Swap(T*& slot, T* object) {
  T* old = slot;
  old->selections--;
  object->selections++;
  slot = object;
  return old;
}

// Counts the context's hold on each object selected into it (delta +1), or lets go of it (-1).
void CountSelections(const DeviceContext& dc, int delta) {
  for (GdiObject* o :
       std::initializer_list<GdiObject*>{dc.pen, dc.brush, dc.font, dc.palette, dc.bitmap})
    if (o) o->selections += delta;
}

}  // namespace

Surface* TargetSurface(DeviceContext* dc) {
  switch (dc->kind) {
    case DcKind::Memory:
      return &dc->bitmap->surface;
    case DcKind::Window:
      return WindowSurface(dc->window);
    case DcKind::Screen:
      return nullptr;
  }
  return nullptr;
}

void NoteDrawn(DeviceContext* dc) {
  if (dc->kind == DcKind::Window && windowSystem.clientDrawn) windowSystem.clientDrawn(dc->window);
}

bool HandWindowSystem(const WindowSystem& system) {
  windowSystem = system;
  return true;
}

int LiveObjectCount() { return liveObjects; }
int LiveContextCount() { return liveContexts; }

Bitmap* NewBitmap(int width, int height) {
  Bitmap* bitmap = Registered(new Bitmap);
  if (bitmap) bitmap->surface.Resize(width, height);
  return bitmap;
}

DeviceContext* NewContext(DcKind kind, HWND window) {
  auto* dc = new DeviceContext;
  dc->handle = kind == DcKind::Memory ? memoryContexts.value.Add(dc) : deviceContexts.value.Add(dc);
  if (!dc->handle) {
    delete dc;
    return nullptr;
  }
  ++liveContexts;
  dc->kind = kind;
  dc->window = window;
  dc->pen = StockBlackPen();
  dc->brush = StockWhiteBrush();
  dc->font = StockSystemFont();
  dc->palette = StockPalette();
  if (kind == DcKind::Memory) {
    dc->bitmap = StockBitmap();
    TakeBitmapBits(dc);
  }
  CountSelections(*dc, +1);
  return dc;
}

void FreeContext(DeviceContext* dc) {
  CountSelections(*dc, -1);
  if (dc->kind == DcKind::Memory)
    memoryContexts.value.Remove(dc->handle);
  else
    deviceContexts.value.Remove(dc->handle);
  delete dc;
  --liveContexts;
}

}  // namespace raster

using namespace raster;

namespace {

HDC HandleOfContext(DeviceContext* dc) { return dc ? reinterpret_cast<HDC>(dc->handle) : nullptr; }

}  // namespace

HDC WINAPI CreateCompatibleDC(HDC) { return HandleOfContext(NewContext(DcKind::Memory, nullptr)); }

BOOL WINAPI DeleteDC(HDC hdc) {
  DeviceContext* dc = ToDc(hdc);
  if (!dc || dc->kind != DcKind::Memory) return FALSE;
  FreeContext(dc);
  return TRUE;
}

HDC WINAPI GetDC(HWND hwnd) {
  if (!hwnd) return HandleOfContext(NewContext(DcKind::Screen, nullptr));
  if (!WindowSurface(hwnd)) return nullptr;
  return HandleOfContext(NewContext(DcKind::Window, hwnd));
}

int WINAPI ReleaseDC(HWND, HDC hdc) {
  DeviceContext* dc = ToDc(hdc);
  if (!dc || dc->kind == DcKind::Memory) return 0;
  FreeContext(dc);
  return 1;
}

// Every bitmap is 32 bits per pixel, whatever the reference context: the screen's format here.
HBITMAP WINAPI CreateCompatibleBitmap(HDC, int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  Bitmap* bitmap = NewBitmap(width, height);
  return bitmap ? BitmapHandle(bitmap) : nullptr;
}

HPEN WINAPI CreatePen(int style, int, COLORREF color) {
  Pen* pen = Registered(new Pen);
  if (!pen) return nullptr;
  pen->color = color & 0xFFFFFF;
  pen->null = style == PS_NULL;
  return reinterpret_cast<HPEN>(pen->handle);
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
  Brush* brush = Registered(new Brush);
  if (!brush) return nullptr;
  brush->color = color & 0xFFFFFF;
  return reinterpret_cast<HBRUSH>(brush->handle);
}

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* logfont) {
  if (!logfont) return nullptr;
  Font* font = Registered(new Font);
  if (!font) return nullptr;
  font->logfont = *logfont;
  return reinterpret_cast<HFONT>(font->handle);
}

HGDIOBJ WINAPI GetStockObject(int index) {
  switch (index) {
    case WHITE_BRUSH:
      return HandleOf(StockWhiteBrush());
    case BLACK_PEN:
      return HandleOf(StockBlackPen());
    case SYSTEM_FONT:
      return HandleOf(StockSystemFont());
    case DEFAULT_PALETTE:
      return HandleOf(StockPalette());
    default:
      return nullptr;
  }
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ object) {
  DeviceContext* dc = ToDc(hdc);
  GdiObject* o = ToObject(object);
  if (!dc || !o) return nullptr;
  switch (o->kind) {
    case ObjectKind::Pen:
      return HandleOf(Swap(dc->pen, static_cast<Pen*>(o)));
    case ObjectKind::Brush:
      return HandleOf(Swap(dc->brush, static_cast<Brush*>(o)));
    case ObjectKind::Font:
      return HandleOf(Swap(dc->font, static_cast<Font*>(o)));
    case ObjectKind::Bitmap: {
      // Only memory contexts hold bitmaps, and a bitmap lives in one context at a time.
      auto* bitmap = static_cast<Bitmap*>(o);
      if (dc->kind != DcKind::Memory) return nullptr;
      if (bitmap == dc->bitmap) return HandleOf(bitmap);
      if (bitmap->selections > 0 && !bitmap->stock) return nullptr;
      Bitmap* old = Swap(dc->bitmap, bitmap);
      TakeBitmapBits(dc);
      return HandleOf(old);
    }
    case ObjectKind::Palette:
      return nullptr;  // palettes go through SelectPalette
  }
  return nullptr;
}

// An object that is selected into a context is not deleted, as on Windows: the call fails and
// the object stays usable. A handle that was deleted already finds nothing and fails too.
BOOL WINAPI DeleteObject(HGDIOBJ object) {
  GdiObject* o = ToObject(object);
  if (!o) return FALSE;
  if (o->stock) return TRUE;
  if (o->selections > 0) return FALSE;
  gdiObjects.value.Remove(o->handle);
  delete o;
  --liveObjects;
  return TRUE;
}

HPALETTE WINAPI SelectPalette(HDC hdc, HPALETTE palette, BOOL) {
  DeviceContext* dc = ToDc(hdc);
  GdiObject* o = ToObject(palette);
  if (!dc || !o || o->kind != ObjectKind::Palette) return nullptr;
  return reinterpret_cast<HPALETTE>(HandleOf(Swap(dc->palette, static_cast<Palette*>(o))));
}

// True-colour surfaces have no palette to realise.
UINT WINAPI RealizePalette(HDC hdc) { return ToDc(hdc) ? 0 : static_cast<UINT>(-1); }

int WINAPI SetBkMode(HDC hdc, int mode) {
  DeviceContext* dc = ToDc(hdc);
  if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  int old = dc->bkMode;
  dc->bkMode = mode;
  return old;
}

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
  DeviceContext* dc = ToDc(hdc);
  if (!dc) return CLR_INVALID;
  COLORREF old = dc->textColor;
  dc->textColor = color & 0xFFFFFF;
  return old;
}

BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR text, int length) {
  DeviceContext* dc = ToDc(hdc);
  if (!dc || !text || length < 0) return FALSE;
  Surface* surface = TargetSurface(dc);
  if (!surface || !windowSystem.drawText) return FALSE;
  windowSystem.drawText(*surface, dc->window, x, y, text, length, dc->font->logfont, dc->textColor,
                        dc->bkMode);
  NoteDrawn(dc);
  return TRUE;
}

// GDI objects and device contexts: creation, selection, deletion and the stock objects.
#include <cassert>
#include <cstring>

#include "platform/backend.h"
#include "platform/raster/surface.h"

namespace raster {
namespace {

int liveObjects = 0;
int liveContexts = 0;

template <typename T>
T* MakeStock() {
  static T object;
  object.stock = true;
  return &object;
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

template <typename T>
T* Counted(T* object) {
  ++liveObjects;
  return object;
}

}  // namespace

void Surface::Resize(int w, int h) {
  w = w < 0 ? 0 : w;
  h = h < 0 ? 0 : h;
  std::vector<std::uint32_t> next(static_cast<std::size_t>(w) * h, 0);
  // A zero-width side has no pixel buffer at all (null data), so nothing is copied then.
  const int kept = w < width ? w : width;
  for (int y = 0; kept > 0 && y < h && y < height; ++y)
    std::memcpy(next.data() + static_cast<std::size_t>(y) * w, Row(y),
                sizeof(std::uint32_t) * kept);
  pixels.swap(next);
  width = w;
  height = h;
}

DeviceContext* ToDc(HDC hdc) {
  auto* dc = reinterpret_cast<DeviceContext*>(hdc);
  return dc && dc->magic == DeviceContext::kMagic ? dc : nullptr;
}

GdiObject* ToObject(HGDIOBJ object) {
  auto* o = static_cast<GdiObject*>(object);
  return o && o->magic == GdiObject::kMagic ? o : nullptr;
}

Bitmap* ToBitmap(HGDIOBJ object) {
  GdiObject* o = ToObject(object);
  return o && o->kind == ObjectKind::Bitmap ? static_cast<Bitmap*>(o) : nullptr;
}

Surface* TargetSurface(DeviceContext* dc) {
  switch (dc->kind) {
    case DcKind::Memory:
      return &dc->bitmap->surface;
    case DcKind::Window:
      return backend::ClientSurface(dc->window);
    case DcKind::Screen:
      return nullptr;
  }
  return nullptr;
}

void NoteDrawn(DeviceContext* dc) {
  if (dc->kind == DcKind::Window) backend::ClientDrawn(dc->window);
}

int LiveObjectCount() { return liveObjects; }
int LiveContextCount() { return liveContexts; }

Bitmap* NewBitmap(int width, int height) {
  Bitmap* bitmap = Counted(new Bitmap);
  bitmap->surface.Resize(width, height);
  return bitmap;
}

DeviceContext* NewContext(DcKind kind, HWND window) {
  auto* dc = new DeviceContext;
  ++liveContexts;
  dc->kind = kind;
  dc->window = window;
  dc->pen = StockBlackPen();
  dc->brush = StockWhiteBrush();
  dc->font = StockSystemFont();
  dc->palette = StockPalette();
  if (kind == DcKind::Memory) {
    dc->bitmap = StockBitmap();
    dc->bitmap->selections++;
  }
  return dc;
}

void FreeContext(DeviceContext* dc) {
  if (dc->bitmap) dc->bitmap->selections--;
  dc->magic = 0;
  delete dc;
  --liveContexts;
}

}  // namespace raster

using namespace raster;

HDC WINAPI CreateCompatibleDC(HDC) {
  return reinterpret_cast<HDC>(NewContext(DcKind::Memory, nullptr));
}

BOOL WINAPI DeleteDC(HDC hdc) {
  DeviceContext* dc = ToDc(hdc);
  if (!dc || dc->kind != DcKind::Memory) return FALSE;
  FreeContext(dc);
  return TRUE;
}

HDC WINAPI GetDC(HWND hwnd) {
  if (!hwnd) return reinterpret_cast<HDC>(NewContext(DcKind::Screen, nullptr));
  if (!backend::ClientSurface(hwnd)) return nullptr;
  return reinterpret_cast<HDC>(NewContext(DcKind::Window, hwnd));
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
  return reinterpret_cast<HBITMAP>(NewBitmap(width, height));
}

HPEN WINAPI CreatePen(int style, int, COLORREF color) {
  Pen* pen = Counted(new Pen);
  pen->color = color & 0xFFFFFF;
  pen->null = style == PS_NULL;
  return reinterpret_cast<HPEN>(static_cast<GdiObject*>(pen));
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
  Brush* brush = Counted(new Brush);
  brush->color = color & 0xFFFFFF;
  return reinterpret_cast<HBRUSH>(static_cast<GdiObject*>(brush));
}

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* logfont) {
  if (!logfont) return nullptr;
  Font* font = Counted(new Font);
  font->logfont = *logfont;
  return reinterpret_cast<HFONT>(static_cast<GdiObject*>(font));
}

HGDIOBJ WINAPI GetStockObject(int index) {
  switch (index) {
    case WHITE_BRUSH:
      return static_cast<GdiObject*>(StockWhiteBrush());
    case BLACK_PEN:
      return static_cast<GdiObject*>(StockBlackPen());
    case SYSTEM_FONT:
      return static_cast<GdiObject*>(StockSystemFont());
    case DEFAULT_PALETTE:
      return static_cast<GdiObject*>(StockPalette());
    default:
      return nullptr;
  }
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ object) {
  DeviceContext* dc = ToDc(hdc);
  GdiObject* o = ToObject(object);
  if (!dc || !o) return nullptr;
  switch (o->kind) {
    case ObjectKind::Pen: {
      Pen* old = dc->pen;
      dc->pen = static_cast<Pen*>(o);
      return static_cast<GdiObject*>(old);
    }
    case ObjectKind::Brush: {
      Brush* old = dc->brush;
      dc->brush = static_cast<Brush*>(o);
      return static_cast<GdiObject*>(old);
    }
    case ObjectKind::Font: {
      Font* old = dc->font;
      dc->font = static_cast<Font*>(o);
      return static_cast<GdiObject*>(old);
    }
    case ObjectKind::Bitmap: {
      // Only memory contexts hold bitmaps, and a bitmap lives in one context at a time.
      auto* bitmap = static_cast<Bitmap*>(o);
      if (dc->kind != DcKind::Memory) return nullptr;
      if (bitmap == dc->bitmap) return static_cast<GdiObject*>(bitmap);
      if (bitmap->selections > 0 && !bitmap->stock) return nullptr;
      Bitmap* old = dc->bitmap;
      old->selections--;
      bitmap->selections++;
      dc->bitmap = bitmap;
      return static_cast<GdiObject*>(old);
    }
    case ObjectKind::Palette:
      return nullptr;  // palettes go through SelectPalette
  }
  return nullptr;
}

// An object that is still selected into a context is not deleted, as on Windows.
BOOL WINAPI DeleteObject(HGDIOBJ object) {
  GdiObject* o = ToObject(object);
  if (!o) return FALSE;
  if (o->stock) return TRUE;
  if (o->kind == ObjectKind::Bitmap && static_cast<Bitmap*>(o)->selections > 0) return FALSE;
  delete o;
  --liveObjects;
  return TRUE;
}

HPALETTE WINAPI SelectPalette(HDC hdc, HPALETTE palette, BOOL) {
  DeviceContext* dc = ToDc(hdc);
  GdiObject* o = ToObject(palette);
  if (!dc || !o || o->kind != ObjectKind::Palette) return nullptr;
  Palette* old = dc->palette;
  dc->palette = static_cast<Palette*>(o);
  return reinterpret_cast<HPALETTE>(static_cast<GdiObject*>(old));
}

// True-colour surfaces have no palette to realise.
UINT WINAPI RealizePalette(HDC hdc) { return ToDc(hdc) ? 0 : static_cast<UINT>(-1); }

int WINAPI GetDeviceCaps(HDC hdc, int index) {
  if (!ToDc(hdc)) return 0;
  if (index == BITSPIXEL) return 32;
  if (index == PLANES) return 1;
  return 0;
}

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
  if (!surface) return FALSE;
  backend::DrawText(*surface, dc->window, x, y, text, length, dc->font->logfont, dc->textColor,
                    dc->bkMode);
  NoteDrawn(dc);
  return TRUE;
}

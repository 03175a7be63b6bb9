// Pixel surfaces and GDI objects of the raster core, shared by both backends.
//
// Pixel rules, stated once for every operation in this folder:
// - A surface holds 32 bits per pixel as 0x00RRGGBB (the byte order blue, green, red, 0 of a
//   32-bit DIB), so every colour reads back unchanged and GetDIBits copies rows as they are.
//   Colours cross the API as COLORREF, red + green * 256 + blue * 65536.
// - Rectangles put their corners in order first, then cover columns left .. right - 1 and rows
//   top .. bottom - 1: the right and bottom edges are excluded.
// - A line covers its start point and excludes its end point.
// - Every write is clipped to its surface; the public operations clip, internal helpers that
//   take a surface say when their callers must clip.
#pragma once

#include <cstdint>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace raster {

struct Surface {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, row by row from the top

  void Resize(int w, int h);  // keeps the pixels that still fit; new pixels are black
  std::uint32_t* Row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width; }
  const std::uint32_t* Row(int y) const {
    return pixels.data() + static_cast<std::size_t>(y) * width;
  }
};

inline std::uint32_t PixelFromColorref(COLORREF c) {
  // 0x??BBGGRR byte-swapped is 0xRRGGBB??; the shift drops the flag byte. Two instructions,
  // which SetPixel's 36,000 calls per picture notice.
  return __builtin_bswap32(c) >> 8;
}
inline COLORREF ColorrefFromPixel(std::uint32_t p) { return __builtin_bswap32(p) >> 8; }

// Sets n pixels from p on to one value. The C library's wide fill is tuned for each processor
// at load time; wchar_t is 32 bits here, as static_assert checks.
inline void FillPixels(std::uint32_t* p, std::size_t n, std::uint32_t pixel) {
  static_assert(sizeof(wchar_t) == sizeof(std::uint32_t));
  std::wmemset(reinterpret_cast<wchar_t*>(p), static_cast<wchar_t>(pixel), n);
}

enum class ObjectKind : std::uint32_t { Pen, Brush, Bitmap, Font, Palette };

struct GdiObject {
  static constexpr std::uint32_t kMagic = 0x47444930;  // "GDI0"
  std::uint32_t magic = kMagic;
  ObjectKind kind;
  bool stock = false;  // stock objects are never deleted
  explicit GdiObject(ObjectKind k) : kind(k) {}
  virtual ~GdiObject() { magic = 0; }
};

struct Pen : GdiObject {
  Pen() : GdiObject(ObjectKind::Pen) {}
  COLORREF color = 0;
  bool null = false;
};

struct Brush : GdiObject {
  Brush() : GdiObject(ObjectKind::Brush) {}
  COLORREF color = 0;
};

struct Bitmap : GdiObject {
  Bitmap() : GdiObject(ObjectKind::Bitmap) {}
  Surface surface;
  int bitsPerPixel = 32;
  int selections = 0;  // how many memory contexts hold it selected
};

struct Font : GdiObject {
  Font() : GdiObject(ObjectKind::Font) {}
  LOGFONTA logfont{};
};

struct Palette : GdiObject {
  Palette() : GdiObject(ObjectKind::Palette) {}
};

enum class DcKind { Memory, Window, Screen };

struct DeviceContext {
  static constexpr std::uint32_t kMagic = 0x44435830;  // "DCX0"
  std::uint32_t magic = kMagic;
  DcKind kind = DcKind::Memory;
  HWND window = nullptr;     // for window contexts
  Bitmap* bitmap = nullptr;  // for memory contexts
  Pen* pen = nullptr;
  Brush* brush = nullptr;
  Font* font = nullptr;
  Palette* palette = nullptr;
  int bkMode = OPAQUE;
  COLORREF textColor = 0;
  POINT position{0, 0};
};

// Handle conversions; each returns null for a handle that is not of its kind.
DeviceContext* ToDc(HDC hdc);
GdiObject* ToObject(HGDIOBJ object);
Bitmap* ToBitmap(HGDIOBJ object);

// The surface that a context draws on, or null (a screen context, a dead window).
Surface* TargetSurface(DeviceContext* dc);
// Tells the backend that a window context drew on its window's client area.
void NoteDrawn(DeviceContext* dc);

// The colour a window class's background brush paints: a brush of ours, or a classic system
// colour named as COLOR_xxx + 1 (white for anything else).
COLORREF ClassBackgroundColor(HBRUSH brush);

// Counts of the objects and contexts that are alive, stock objects excluded; a drawing call
// that cleans up after itself leaves both unchanged.
int LiveObjectCount();
int LiveContextCount();

Bitmap* NewBitmap(int width, int height);
DeviceContext* NewContext(DcKind kind, HWND window);
void FreeContext(DeviceContext* dc);

}  // namespace raster

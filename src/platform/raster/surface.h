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

#include <cassert>
#include <cstdint>
#include <cwchar>
#include <string>
#include <vector>

#include "platform/handle_table.h"
#include "platform/raster/line_aligned.h"
#include "platform/win32.h"

namespace raster {

// A surface's pixels. A fill that covers whole rows of a window's client area is not written
// at once: each row keeps how many of its leading pixels hold their own values (its clean end),
// and the rest of the row is pending in the row's fill colour until something reads it or
// writes only part of it. The renderer clears the picture view and then copies the picture
// over nearly all of it; most of that fill is never written. A pending part is always the end
// of its row, so one comparison tells whether a pixel holds its value. Every read and write of
// pixels goes through the methods below, which settle what they touch first.
class Surface {
 public:
  int width = 0;  // both set by Resize only
  int height = 0;

  void Resize(int w, int h);  // keeps the pixels that still fit; new pixels are black

  // Whether any row has a pending part: a bitmap's never has (see Rectangle).
  bool HasPending() const { return pendingRows_ > 0; }
  // A whole row, every pixel of it settled; the writable one may be written anywhere.
  const std::uint32_t* Row(int y) const { return RowToRead(y, width); }
  std::uint32_t* Row(int y) { return const_cast<std::uint32_t*>(RowToRead(y, width)); }
  // Row y where columns 0 .. end - 1 hold their values (the rest may still be pending).
  const std::uint32_t* RowToRead(int y, int end) const {
    if (end > cleanEnds_[y]) SettleForRead(y, end);
    return RowStart(y);
  }
  // Row y for a write that covers columns begin .. end - 1, all of which the caller then
  // writes: pending pixels left of them are filled, those right of them stay pending.
  std::uint32_t* RowToWrite(int y, int begin, int end) {
    if (end > cleanEnds_[y]) SettleForWrite(y, begin, end);
    return RowStart(y);
  }
  // Rows top .. top + count - 1 as RowToRead and RowToWrite make them, for a block copy,
  // which then steps from row to row by the width: the first row.
  const std::uint32_t* BlockToRead(int top, int count, int end) const {
    if (pendingRows_ > 0) SettleBlockForRead(top, count, end);
    return RowStart(top);
  }
  std::uint32_t* BlockToWrite(int top, int count, int begin, int end) {
    if (pendingRows_ > 0) SettleBlockForWrite(top, count, begin, end);
    return RowStart(top);
  }
  // The pixel at (x, y), which must lie inside, pending or not.
  std::uint32_t PixelAt(int x, int y) const {
    return x < cleanEnds_[y] ? RowStart(y)[x] : pendingColors_[y];
  }
  // Fills rows top .. bottom - 1 (inside the surface) whole with one colour, lazily.
  void FillRows(int top, int bottom, std::uint32_t pixel);
  // Sets the pixel at (x, y), which must lie inside.
  void SetPixelAt(int x, int y, std::uint32_t pixel) { RowToWrite(y, x, x + 1)[x] = pixel; }
  // A bitmap's pixels, for the memory-context paths that write them themselves (SetPixel, a
  // whole-row fill): a bitmap is never filled lazily, and never changes size, so they stay put.
  std::uint32_t* Pixels() {
    assert(!HasPending() && "raw pixels of a surface with pending fills");
    return pixels_.data();
  }

 private:
  std::uint32_t* RowStart(int y) const {
    return pixels_.data() + static_cast<std::size_t>(y) * width;
  }
  void SettleForRead(int y, int end) const;
  void SettleForWrite(int y, int begin, int end);
  void SettleBlockForRead(int top, int count, int end) const;
  void SettleBlockForWrite(int top, int count, int begin, int end);
  // Fills columns begin .. end - 1 of row y with its pending colour.
  void FillPending(int y, int begin, int end) const;

  // Settling changes no pixel's value, so reads settle through a const surface.
  mutable LineAlignedVector<std::uint32_t> pixels_;  // 0x00RRGGBB, row by row from the top
  mutable std::vector<int> cleanEnds_;               // one a row; width when nothing is pending
  mutable int pendingRows_ = 0;                      // rows whose clean end is below width
  std::vector<std::uint32_t> pendingColors_;         // the pending colour of each row
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

// Objects and contexts are named by entries of the handle tables below, never by their
// addresses: a handle of a deleted object, or one that is not ours, finds nothing.
struct GdiObject {
  ObjectKind kind;
  bool stock = false;  // stock objects are never deleted
  int selections = 0;  // how many contexts hold it selected; it cannot be deleted meanwhile
  std::uintptr_t handle = 0;
  explicit GdiObject(ObjectKind k) : kind(k) {}
  virtual ~GdiObject() = default;
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

// A bitmap's size is fixed when it is made (NewBitmap); nothing resizes it later, so contexts
// may keep its pixels' address (DeviceContext::bits).
struct Bitmap : GdiObject {
  Bitmap() : GdiObject(ObjectKind::Bitmap) {}
  Surface surface;
  int bitsPerPixel = 32;
};

struct Font : GdiObject {
  Font() : GdiObject(ObjectKind::Font) {}
  LOGFONTA logfont{};
};

struct Palette : GdiObject {
  Palette() : GdiObject(ObjectKind::Palette) {}
};

enum class DcKind { Memory, Window, Screen };

// The objects selected into a context stay alive while it holds them (DeleteObject refuses
// them), so these pointers never dangle.
struct DeviceContext {
  DcKind kind = DcKind::Memory;
  HWND window = nullptr;     // for window contexts
  Bitmap* bitmap = nullptr;  // for memory contexts
  // The selected bitmap's pixels and size again, for SetPixel and GetPixel, set with every
  // selection. As pointer and std::size_t they are types that a pixel write (std::uint32_t)
  // cannot change, whereas an int it might, as far as the compiler knows: in a loop of SetPixel
  // calls on one context the compiler reads these once instead of after every pixel.
  std::uint32_t* bits = nullptr;
  std::size_t bitsWidth = 0;
  std::size_t bitsHeight = 0;
  Pen* pen = nullptr;
  Brush* brush = nullptr;
  Font* font = nullptr;
  Palette* palette = nullptr;
  int bkMode = OPAQUE;
  COLORREF textColor = 0;
  POINT position{0, 0};
  std::uintptr_t handle = 0;
};

inline platform::Lasting<platform::HandleTable<GdiObject, 1>> gdiObjects;
// Memory contexts have a table of their own, so a handle's tag tells a memory context from
// the others without reading memory: in a loop of calls on one memory context (36,000 SetPixel
// per picture), the compiler settles the question once and leaves the window path out.
inline platform::Lasting<platform::HandleTable<DeviceContext, 2>> deviceContexts;
inline platform::Lasting<platform::HandleTable<DeviceContext, 3>> memoryContexts;

// Handle conversions; each returns null for a handle that is not a live one of its kind. A
// lookup is an index into a table (SetPixel resolves its context once per pixel).
inline DeviceContext* ToMemoryDc(HDC hdc) {
  return memoryContexts.value.Find(reinterpret_cast<std::uintptr_t>(hdc));
}
inline bool IsMemoryDcHandle(HDC hdc) {
  return memoryContexts.value.IsOwnTag(reinterpret_cast<std::uintptr_t>(hdc));
}
inline DeviceContext* ToDc(HDC hdc) {
  return IsMemoryDcHandle(hdc) ? ToMemoryDc(hdc)
                               : deviceContexts.value.Find(reinterpret_cast<std::uintptr_t>(hdc));
}
inline GdiObject* ToObject(HGDIOBJ object) {
  return gdiObjects.value.Find(reinterpret_cast<std::uintptr_t>(object));
}
inline Bitmap* ToBitmap(HGDIOBJ object) {
  GdiObject* o = ToObject(object);
  return o && o->kind == ObjectKind::Bitmap ? static_cast<Bitmap*>(o) : nullptr;
}
inline HGDIOBJ HandleOf(const GdiObject* object) {
  return reinterpret_cast<HGDIOBJ>(object->handle);
}
inline HBITMAP BitmapHandle(const Bitmap* bitmap) {
  return reinterpret_cast<HBITMAP>(bitmap->handle);
}

// The surface that a context draws on, or null (a screen context, a dead window).
Surface* TargetSurface(DeviceContext* dc);
// Tells the window system that a window context drew on its window's client area.
void NoteDrawn(DeviceContext* dc);

// The colour a window class's background brush paints: a brush of ours, or a classic system
// colour named as COLOR_xxx + 1 (white for anything else).
COLORREF ClassBackgroundColor(HBRUSH brush);

// Counts of the objects and contexts that are alive, stock objects excluded; a drawing call
// that cleans up after itself leaves both unchanged.
int LiveObjectCount();
int LiveContextCount();

// A new bitmap with its handle (the caller owns it, to be deleted with DeleteObject).
Bitmap* NewBitmap(int width, int height);
// A new context with the stock objects selected, and its handle; FreeContext ends both.
DeviceContext* NewContext(DcKind kind, HWND window);
void FreeContext(DeviceContext* dc);

}  // namespace raster

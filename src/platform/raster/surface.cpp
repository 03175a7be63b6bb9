// Surfaces: their pixels, and the pending ends of rows that were filled whole.
#include <algorithm>
#include <cstring>

#include "platform/raster/surface.h"

namespace raster {

void Surface::Resize(int w, int h) {
  w = std::max(w, 0);
  h = std::max(h, 0);
  // Everything is allocated before anything changes, so that a failed allocation leaves the
  // surface as it was.
  LineAlignedVector<std::uint32_t> next(static_cast<std::size_t>(w) * h, 0);
  std::vector<int> nextCleanEnds(static_cast<std::size_t>(h), w);
  std::vector<std::uint32_t> nextColors(static_cast<std::size_t>(h), 0);
  // A zero-width side has no pixel buffer at all (null data), so nothing is copied then.
  const int kept = std::min(w, width);
  for (int y = 0; kept > 0 && y < h && y < height; ++y)
    std::memcpy(next.data() + static_cast<std::size_t>(y) * w, RowToRead(y, kept),
                sizeof(std::uint32_t) * kept);
  pixels_.swap(next);
  cleanEnds_.swap(nextCleanEnds);
  pendingColors_.swap(nextColors);
  pendingRows_ = 0;
  width = w;
  height = h;
}

void Surface::FillRows(int top, int bottom, std::uint32_t pixel) {
  if (width == 0) return;
  for (int y = top; y < bottom; ++y) {
    pendingRows_ += cleanEnds_[y] == width;
    cleanEnds_[y] = 0;
    pendingColors_[y] = pixel;
  }
}

void Surface::FillPending(int y, int begin, int end) const {
  std::uint32_t* const row = RowStart(y);
  const std::uint32_t pixel = pendingColors_[y];
  // The window's view leaves 8 columns left of the picture it shows: a loop, not a call.
  if (end - begin <= 16)
    std::fill(row + begin, row + end, pixel);
  else
    FillPixels(row + begin, static_cast<std::size_t>(end - begin), pixel);
}

// Both are called only when end lies past the row's clean end.
void Surface::SettleForRead(int y, int end) const {
  FillPending(y, cleanEnds_[y], end);
  cleanEnds_[y] = end;
  pendingRows_ -= end == width;
}

void Surface::SettleForWrite(int y, int begin, int end) {
  if (begin > cleanEnds_[y]) FillPending(y, cleanEnds_[y], begin);
  cleanEnds_[y] = end;
  pendingRows_ -= end == width;
}

// One call per block, not per row: the window's view settles 376 rows per picture.
void Surface::SettleBlockForRead(int top, int count, int end) const {
  for (int y = top; y < top + count; ++y)
    if (end > cleanEnds_[y]) SettleForRead(y, end);
}

void Surface::SettleBlockForWrite(int top, int count, int begin, int end) {
  for (int y = top; y < top + count; ++y)
    if (end > cleanEnds_[y]) SettleForWrite(y, begin, end);
}

}  // namespace raster

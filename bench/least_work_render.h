// The least work that leaves the same pixels as RenderStereogram, written straight onto plain
// 32-bit buffers: no device contexts, no pens or brushes, nothing drawn twice. It is the floor
// the renderer's benchmark is measured against, so it does only what the result needs: the
// 80 x 450 generator draws, the strip repeated across 600 columns, the 960 block moves in
// order, the grey rows under the picture, the markers, and in the window the grey around the
// shown block and one copy of that block. The renderer's benchmark checks once per run that
// both leave the same pixels, so the floor cannot drift away from the picture.
//
// Beside it, the same pixels made the way the renderer's calls make them, each call whole and
// in turn, straight on the buffers (RenderInCallOrder): the ArtArea filled grey first, the
// strip drawn, then repeated seven times, block by block. Between the two floors lies what the
// renderer's order of calls costs; between the second and the renderer, what the calls cost.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <vector>

#include "platform/raster/line_aligned.h"

namespace least_work {

constexpr int kWidth = 600;   // the ArtArea's columns
constexpr int kHeight = 466;  // the ArtArea's rows (Canvas rows 360..825)
constexpr int kStripWidth = 80;
constexpr int kStripHeight = 450;
constexpr int kViewTop = 56;  // first client row of the picture view's grey
constexpr int kViewX = 8;     // where the shown block lands in the client area
constexpr int kViewY = 58;
constexpr std::uint32_t kGrey = 0xC0C0C0;

struct Inputs {
  // The EditArea's 480 x 360 pixels as 0x00RRGGBB; only the 960 cell centres are read.
  raster::LineAlignedVector<std::uint32_t> editArea;
  std::uint32_t depthColors[8];  // level 0..7, as 0x00RRGGBB
  std::uint32_t dots[16];        // the dot palette, as 0x00RRGGBB
  std::uint32_t seed = 0;
  bool large = false;
  bool markersInside = false;
  int clientWidth = 0;
  int clientHeight = 0;
  bool window = true;  // false: the ArtArea alone, for comparison
};

struct Outputs {
  // Aligned as the raster aligns its surfaces, so that neither gains from where the heap puts it.
  raster::LineAlignedVector<std::uint32_t> art;     // kWidth x kHeight
  raster::LineAlignedVector<std::uint32_t> client;  // clientWidth x clientHeight; from kViewTop
};

// The rows of a 4 x 8 marker, as column spans relative to its box: a pixel belongs to the
// ellipse inscribed in the box when its centre lies inside it.
struct MarkerSpans {
  int first[8];
  int end[8];
};

inline MarkerSpans MakeMarkerSpans() {
  MarkerSpans spans{};
  const long w = 4, h = 8;
  for (int y = 0; y < h; ++y) {
    spans.first[y] = static_cast<int>(w);
    spans.end[y] = 0;
    for (int x = 0; x < w; ++x) {
      const long dx = 2 * x + 1 - w, dy = 2 * y + 1 - h;
      if (dx * dx * h * h + dy * dy * w * w <= w * w * h * h) {
        spans.first[y] = std::min(spans.first[y], x);
        spans.end[y] = std::max(spans.end[y], x + 1);
      }
    }
  }
  return spans;
}

// Fills n pixels with the C library's wide fill, the fastest this processor has.
inline void Fill(std::uint32_t* at, std::size_t n, std::uint32_t pixel) {
  static_assert(sizeof(wchar_t) == sizeof(std::uint32_t));
  std::wmemset(reinterpret_cast<wchar_t*>(at), static_cast<wchar_t>(pixel), n);
}

// The generator's draws for the strip, 80 columns at a time: column x of row y is draw
// 80 y + x + 1 of the seed, so each column runs a generator of its own that jumps 80 draws per
// row (s -> a s + c, with a and c those of 80 single steps); the 80 columns are independent,
// eight to an AVX2 instruction (four to an SSE2 one). Only the low four bits of each draw are
// kept: the dot's index.
using Lanes4 = std::uint32_t __attribute__((vector_size(16)));
using Lanes8 = std::uint32_t __attribute__((vector_size(32)));

class StripDraws {
 public:
  explicit StripDraws(std::uint32_t seed) {
    for (int x = 0; x < kStripWidth; ++x) {
      seed = seed * 214013u + 2531011u;
      states_[x] = seed;
      a_ *= 214013u;
      c_ = c_ * 214013u + 2531011u;
    }
  }

  void Next(std::uint32_t (&index)[kStripWidth]) {
    if (__builtin_cpu_supports("avx2")) return NextEight(index);
    Next<Lanes4>(index);
  }

 private:
  template <typename Lanes>
  [[gnu::always_inline]] void Next(std::uint32_t* index) {
    // Kept from the optimiser, which would multiply by the constant with shifts and adds.
    std::uint32_t hidden = a_;
    __asm__("" : "+r"(hidden));
    const Lanes a = Lanes{} + hidden, c = Lanes{} + c_;
    for (int x = 0; x < kStripWidth; x += sizeof(Lanes) / 4) {
      Lanes s;
      std::memcpy(&s, states_ + x, sizeof s);
      const Lanes low = (s >> 16) & 15u;
      std::memcpy(index + x, &low, sizeof low);
      s = s * a + c;
      std::memcpy(states_ + x, &s, sizeof s);
    }
  }
  [[gnu::target("avx2")]] void NextEight(std::uint32_t* index) { Next<Lanes8>(index); }

  std::uint32_t states_[kStripWidth];
  std::uint32_t a_ = 1, c_ = 0;
};

// The 960 block moves, in the renderer's order: each reads what the earlier ones left. With
// the cell size known here, each row's move compiles to a few vector moves instead of a call.
template <int kCell>
inline void MoveBlocks(const Inputs& in, std::uint32_t* art) {
  for (int k = 0; k < 30; ++k) {
    for (int c = 4; c <= 35; ++c) {
      const std::uint32_t centre = in.editArea[(12 * k + 6) * 480 + 12 * c + 6];
      int shift = 40;
      for (int level = 0; level < 8; ++level)
        if (centre == in.depthColors[level]) {
          shift = 40 - level;
          break;
        }
      const int x = c * kCell;
      for (int r = 0; r < kCell; ++r) {
        std::uint32_t* row = art + (k * kCell + r) * kWidth;
        std::memcpy(row + x + shift, row + x - shift, kCell * 4);
      }
    }
  }
}

// Grey under the picture, then the two markers.
inline void DrawGreyBelowAndMarkers(const Inputs& in, const MarkerSpans& marker,
                                    std::uint32_t* art) {
  const int cell = in.large ? 15 : 12;
  Fill(art + 30 * cell * kWidth, static_cast<std::size_t>(kHeight - 30 * cell) * kWidth, kGrey);
  const int top =
      (in.large ? (in.markersInside ? 581 : 814) : (in.markersInside ? 536 : 724)) - 360;
  const int left = in.large ? 260 : 200;
  for (int y = 0; y < 8; ++y) {
    std::uint32_t* row = art + (top + y) * kWidth;
    for (int box : {left, left + 76})
      std::fill(row + box + marker.first[y], row + box + marker.end[y], 0u);
  }
}

// The window: grey where the shown block does not land, then the block.
inline void ShowInWindow(const Inputs& in, Outputs& out) {
  if (!in.window) return;
  const std::uint32_t* art = out.art.data();
  const int cw = in.clientWidth, ch = in.clientHeight;
  std::uint32_t* client = out.client.data();
  const int shownW = std::min(in.large ? 600 : 480, cw - kViewX);
  const int shownBottom = std::min(kViewY + (in.large ? 466 : 376), ch);
  Fill(client + kViewTop * cw, static_cast<std::size_t>(kViewY - kViewTop) * cw, kGrey);
  for (int y = kViewY; y < shownBottom; ++y) {
    std::uint32_t* row = client + y * cw;
    Fill(row, kViewX, kGrey);
    std::memcpy(row + kViewX, art + (y - kViewY) * kWidth, shownW * 4);
    Fill(row + kViewX + shownW, static_cast<std::size_t>(cw - kViewX - shownW), kGrey);
  }
  Fill(client + shownBottom * cw, static_cast<std::size_t>(ch - shownBottom) * cw, kGrey);
}

inline void MoveBlocksOfSize(const Inputs& in, std::uint32_t* art) {
  if (in.large)
    MoveBlocks<15>(in, art);
  else
    MoveBlocks<12>(in, art);
}

// The strip's 80 x 450 dots, row by row, handing each row to then as soon as it is drawn.
template <typename Then>
inline void DrawStrip(const Inputs& in, std::uint32_t* art, Then then) {
  StripDraws draws(in.seed);
  std::uint32_t index[kStripWidth];
  for (int y = 0; y < kStripHeight; ++y) {
    std::uint32_t* row = art + y * kWidth;
    draws.Next(index);
    for (int x = 0; x < kStripWidth; ++x) row[x] = in.dots[index[x]];
    then(row);
  }
}

inline void Render(const Inputs& in, const MarkerSpans& marker, Outputs& out) {
  std::uint32_t* art = out.art.data();
  // Each row of the strip repeated across the width while it is still in cache.
  DrawStrip(in, art, [](std::uint32_t* row) {
    std::memcpy(row + 80, row, 80 * 4);
    std::memcpy(row + 160, row, 160 * 4);
    std::memcpy(row + 320, row, 280 * 4);
  });
  MoveBlocksOfSize(in, art);
  DrawGreyBelowAndMarkers(in, marker, art);
  ShowInWindow(in, out);
}

// The renderer's Canvas calls, each done whole before the next: the grey over the whole
// ArtArea, the 36,000 single pixels of the strip, the seven copies of the 80 x 450 strip, the
// blocks, the grey below, the markers. The window as above: how the renderer's raster clears
// it is its own business, and it writes no pixel there twice either.
inline void RenderInCallOrder(const Inputs& in, const MarkerSpans& marker, Outputs& out) {
  std::uint32_t* art = out.art.data();
  Fill(art, static_cast<std::size_t>(kWidth) * kHeight, kGrey);
  DrawStrip(in, art, [](std::uint32_t*) {});
  for (int n = 1; n * kStripWidth < kWidth; ++n) {
    const std::size_t bytes = 4 * std::min(kStripWidth, kWidth - n * kStripWidth);
    for (int y = 0; y < kStripHeight; ++y) {
      std::uint32_t* row = art + y * kWidth;
      std::memcpy(row + n * kStripWidth, row, bytes);
    }
  }
  MoveBlocksOfSize(in, art);
  DrawGreyBelowAndMarkers(in, marker, art);
  ShowInWindow(in, out);
}

}  // namespace least_work

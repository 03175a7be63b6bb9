// Qt backend, text: logical fonts become QFonts, and TextOutA draws real glyphs into the
// target surface in the text colour. The glyphs are drawn as coverage into a scratch image and
// blended into the surface, so the surface keeps its 0x00RRGGBB pixels.
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "platform/backend.h"
#include "platform/qt/qt_windows.h"

namespace qtbackend {

// What the program's fonts ask for: a face, a cell height, fixed pitch, draft quality.
QFont FontFromLogfont(const LOGFONTA& lf) {
  QFont font(QString::fromUtf8(lf.lfFaceName));
  // A positive height is the character cell, a negative one the character height; the IPA
  // faces that stand in for the program's faces have a cell of exactly one em.
  font.setPixelSize(lf.lfHeight ? std::abs(lf.lfHeight) : 16);
  font.setFixedPitch((lf.lfPitchAndFamily & 0x3) == FIXED_PITCH);
  // Draft quality draws plain glyphs in the one text colour.
  if (lf.lfQuality == DRAFT_QUALITY) font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

}  // namespace qtbackend

namespace {

std::uint32_t Blend(std::uint32_t under, std::uint32_t over, int alpha) {
  auto channel = [&](int shift) {
    const int a = (over >> shift) & 0xFF, b = (under >> shift) & 0xFF;
    return static_cast<std::uint32_t>((a * alpha + b * (255 - alpha) + 127) / 255) << shift;
  };
  return channel(16) | channel(8) | channel(0);
}

}  // namespace

void backend::DrawText(raster::Surface& surface, HWND, int x, int y, const char* text, int length,
                       const LOGFONTA& logfont, COLORREF color, int bkMode) {
  if (length <= 0) return;
  qtbackend::EnsureApplication();
  const QString string = QString::fromUtf8(text, length);
  const QFont font = qtbackend::FontFromLogfont(logfont);
  const QFontMetrics metrics(font);
  const int width = metrics.horizontalAdvance(string), height = metrics.height();
  if (width <= 0 || height <= 0) return;
  QImage coverage(width, height, QImage::Format_ARGB32_Premultiplied);
  coverage.fill(0);
  {
    QPainter painter(&coverage);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(0, metrics.ascent(), string);
  }
  const std::uint32_t ink = raster::PixelFromColorref(color);
  const std::uint32_t paper = 0x00FFFFFF;  // the default background colour, for OPAQUE
  for (int gy = 0; gy < height; ++gy) {
    const int sy = y + gy;
    if (sy < 0 || sy >= surface.height) continue;
    const auto* from = reinterpret_cast<const QRgb*>(coverage.constScanLine(gy));
    std::uint32_t* row = surface.Row(sy);
    for (int gx = 0; gx < width; ++gx) {
      const int sx = x + gx;
      if (sx < 0 || sx >= surface.width) continue;
      if (bkMode == OPAQUE) row[sx] = paper;
      const int alpha = qAlpha(from[gx]);
      if (alpha == 255)
        row[sx] = ink;
      else if (alpha > 0)
        row[sx] = Blend(row[sx], ink, alpha);
    }
  }
}

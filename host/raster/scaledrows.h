#pragma once
// A bitmap part resampled to another size, produced one target row at a
// time as straight RGBA pixels, or blended over the target as it is made.
// The column taps are worked out once per blit. An opaque smooth scale runs in fixed point on
// whole rows; a transparent one keeps premultiplied sampling, so no dark
// fringes bleed in from transparent pixels.
#include <cstdint>
#include <vector>

#include "raster/bilinearrows.h"
#include "raster/bitmap.h"
#include "raster/nearestrows.h"
#include "raster/premultipliedrows.h"

namespace host {

class ScaledRows {
 public:
  // src is the bitmap part, dst the physical target rectangle and area the
  // part of dst that is drawn.
  ScaledRows(const Bitmap& bitmap, const Rect& src, const Rect& dst, const Rect& area, bool nearest, bool useAlpha);

  // Target row y of the area into out (area.w pixels).
  void Row(int y, uint32_t* out);
  // The same row blended over dst by the host's rule.
  void BlendRow(int y, uint32_t* dst);
  // Without the alpha flag every row is opaque, so it may go straight to
  // the target.
  bool RowsAreOpaque() const { return !useAlpha_; }

 private:
  static constexpr int kOne = 256;  // fixed-point unit of the smooth weights

  // Source column (or row) and the next one, clamped to the part, and the
  // weight of the second in kOne units.
  using Tap = ScaleTap;

  Tap TapAt(double f, int lo, int hi) const;
  static BlendTap BlendTapAt(double f, int lo, int hi);
  BlendTap RowTap(int y) const;  // the smooth scale's with alpha
  int NearestSourceRow(int y) const;
  void NearestRow(int y, uint32_t* out) const;
  int PixelsBefore(int limit) const;
  void OpaqueRow(int y, uint32_t* out);
  void PremultipliedRow(int y, uint32_t* out);

  const Bitmap& bitmap_;
  Rect src_, dst_, area_;
  bool nearest_;
  bool useAlpha_;
  double stepX_, stepY_;
  std::vector<Tap> columns_;
  std::vector<Tap> rows_;            // of each area row, smooth opaque only
  std::vector<Tap> mixColumns_;      // columns_ as offsets into blend_
  std::vector<uint16_t> blend_;      // one row mixed vertically, a channel a number
  std::vector<int> offsets_;         // of each column's pixel in a row, nearest only
  std::vector<uint32_t> line_;       // a row on its way to be blended
  NearestRows nearestRows_;          // the nearest scale where the processor has it
  BilinearRows bilinear_;            // the opaque smooth scale where the processor has it
  PremultipliedRows premultiplied_;  // and the one with alpha
  bool fast_ = false;                // one of them is planned
};

}  // namespace host

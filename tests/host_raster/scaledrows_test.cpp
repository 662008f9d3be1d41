#include "raster/scaledrows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "raster/framebuffer.h"

namespace host {
namespace {

// Colours and alphas that change from pixel to pixel, with runs of fully
// transparent and fully opaque pixels beside each other.
Bitmap Patterned(int w, int h, int depth) {
  Bitmap b(w, h, depth);
  if (depth == 24) b.AddAlphaChannel();
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const int band = (x / 7 + y / 5) % 4;
      const uint8_t a = band == 0 ? 0 : band == 1 ? 255 : uint8_t(x * 37 + y * 11);
      b.SetPixel(x, y, {uint8_t(x * 3 + y), uint8_t(x ^ (y * 5)), uint8_t(255 - x), a});
      if (depth == 24) b.SetAlpha(x, y, a);
    }
  }
  return b;
}

// The smooth scale with alpha worked out in doubles: four taps, each colour
// weighted by its alpha, divided by the alpha they add up to.
Rgba Premultiplied(const Bitmap& b, const Rect& src, double fx, double fy) {
  const int x0 = int(std::floor(fx)), y0 = int(std::floor(fy));
  const double tx = fx - x0, ty = fy - y0;
  double sum[4] = {0, 0, 0, 0};
  for (int k = 0; k < 4; ++k) {
    const Rgba p = b.GetPixel(std::clamp(x0 + (k & 1), src.x, src.Right() - 1),
                              std::clamp(y0 + (k >> 1), src.y, src.Bottom() - 1));
    const double a = p.a * ((k & 1) ? tx : 1.0 - tx) * ((k >> 1) ? ty : 1.0 - ty);
    sum[0] += p.r * a;
    sum[1] += p.g * a;
    sum[2] += p.b * a;
    sum[3] += a;
  }
  if (sum[3] <= 0.0) return {0, 0, 0, 0};
  auto channel = [&](double v) { return uint8_t(std::clamp(v / sum[3] + 0.5, 0.0, 255.0)); };
  return {channel(sum[0]), channel(sum[1]), channel(sum[2]), uint8_t(std::clamp(sum[3] + 0.5, 0.0, 255.0))};
}

struct Extent {
  int w, h;
};

TEST(ScaledRows, SmoothScalesWithAlphaStayWithinOneOfTheExactSum) {
  for (const int depth : {24, 32}) {
    const Bitmap b = Patterned(173, 61, depth);
    const Rect src{3, 2, 165, 57};
    for (const Extent to : {Extent{101, 43}, Extent{259, 90}, Extent{37, 15}}) {
      const Rect dst{0, 0, to.w, to.h};
      ScaledRows rows(b, src, dst, dst, false, true);
      std::vector<uint32_t> line(size_t(to.w));
      int off = 0;
      for (int y = 0; y < to.h; ++y) {
        rows.Row(y, line.data());
        for (int x = 0; x < to.w; ++x) {
          const Rgba got = Framebuffer::Unpack(line[size_t(x)]);
          const Rgba want =
              Premultiplied(b, src, src.x + (x + 0.5) * src.w / to.w - 0.5, src.y + (y + 0.5) * src.h / to.h - 0.5);
          const int most = std::max(
              {std::abs(got.r - want.r), std::abs(got.g - want.g), std::abs(got.b - want.b), std::abs(got.a - want.a)});
          ASSERT_LE(most, 1) << depth << " bits to " << to.w << " at " << x << "," << y;
          off += most;
        }
      }
      // Off by one only where the sum falls on a half, not as a habit.
      EXPECT_LT(off, to.w * to.h / 50) << depth << " bits to " << to.w;
    }
  }
}

TEST(ScaledRows, NearestRowsTakeTheCoveringPixelWithOrWithoutItsAlpha) {
  for (const int depth : {24, 32}) {
    const Bitmap b = Patterned(61, 23, depth);
    for (const Extent to : {Extent{40, 9}, Extent{150, 50}}) {
      for (const bool useAlpha : {false, true}) {
        // The bottom rows reach the last source row, whose last pixel ends the bitmap.
        const Rect src{0, 0, 61, 23}, dst{0, 0, to.w, to.h};
        ScaledRows rows(b, src, dst, dst, true, useAlpha);
        std::vector<uint32_t> line(size_t(to.w));
        for (int y = 0; y < to.h; ++y) {
          rows.Row(y, line.data());
          const int sy = std::min(22, int((y + 0.5) * 23 / to.h));
          for (int x = 0; x < to.w; ++x) {
            Rgba want = b.GetPixel(std::min(60, int((x + 0.5) * 61 / to.w)), sy);
            if (!useAlpha) want.a = 255;
            ASSERT_EQ(Framebuffer::Unpack(line[size_t(x)]), want) << depth << " bits at " << x << "," << y;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace host

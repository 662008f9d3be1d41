// The scaled blits drawn through each width of vector kernel the machine
// has and through the plain loops, compared pixel by pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "raster/canvas.h"
#include "raster/vectorunits.h"

namespace host {
namespace {

// Colours and alphas that change from pixel to pixel, with runs of fully
// transparent and fully opaque pixels beside each other.
Bitmap Patterned(int w, int h, int depth, bool alphaChannel) {
  Bitmap b(w, h, depth);
  if (alphaChannel) b.AddAlphaChannel();
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const int band = (x / 5 + y / 3) % 4;
      const uint8_t a = band == 0 ? 0 : band == 1 ? 255 : uint8_t(x * 37 + y * 11);
      b.SetPixel(x, y, {uint8_t(x * 7 + y), uint8_t(x ^ (y * 5)), uint8_t(255 - 3 * x), a});
      if (alphaChannel) b.SetAlpha(x, y, a);
    }
  }
  return b;
}

struct Case {
  int depth;
  bool alphaChannel;
  int flags;
};

struct Placement {
  Rect dst;                 // logical, at scale 2
  std::optional<Rect> src;  // part of the bitmap
  Rect clip;                // logical
};

// The framebuffer after drawing with at most the given vectors; the
// background is a gradient, so a blend that takes the wrong pixel shows,
// with a few translucent rows that call for the rule's general case.
Framebuffer Drawn(const Bitmap& b, const Case& c, const Placement& p, Vectors most) {
  VectorUnits::Limit(most);
  Framebuffer fb(140, 90, 2);
  for (int y = 0; y < fb.Height(); ++y) {
    const uint8_t alpha = y % 13 == 5 ? uint8_t(40 + y) : 255;
    for (int x = 0; x < fb.Width(); ++x) fb.Row(y)[x] = Framebuffer::Pack({uint8_t(x), uint8_t(y), 90, alpha});
  }
  Canvas canvas(fb);
  canvas.PushClip(p.clip);
  canvas.DrawBitmap(b, p.dst, p.src, c.flags);
  VectorUnits::Limit(Vectors::Avx512Vbmi);
  return fb;
}

// The largest difference of a channel between two framebuffers.
int MostApart(const Framebuffer& a, const Framebuffer& b) {
  int most = 0;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      const Rgba p = a.GetPixel(x, y), q = b.GetPixel(x, y);
      most = std::max({most, std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b), std::abs(p.a - q.a)});
    }
  }
  return most;
}

TEST(VectorPaths, ScaledBlitsAgreeWithThePlainLoops) {
  const Case cases[] = {
      {24, false, 0},
      {32, false, 0},
      {24, false, kBlitNearest},
      {32, false, kBlitNearest},
      {24, true, kBlitNearest | kBlitAlpha},
      {32, false, kBlitNearest | kBlitAlpha},
      {24, true, kBlitAlpha},
      {32, false, kBlitAlpha},
  };
  // Odd sizes that leave tails past every vector step, source parts that
  // start inside the bitmap and end at its last pixel, shrinking and
  // enlarging, and clips that start the drawn area part way into a step.
  const Placement placements[] = {
      {{3, 2, 61, 37}, std::nullopt, {0, 0, 140, 90}},       {{1, 1, 131, 83}, std::nullopt, {0, 0, 140, 90}},
      {{5, 4, 47, 29}, Rect{7, 3, 90, 52}, {0, 0, 140, 90}}, {{0, 0, 133, 88}, Rect{2, 5, 95, 50}, {9, 3, 101, 61}},
      {{2, 3, 29, 17}, std::nullopt, {4, 5, 23, 9}},         {{6, 1, 13, 9}, std::nullopt, {0, 0, 140, 90}},
  };
  const Bitmap bitmaps[] = {Patterned(97, 55, 24, false), Patterned(97, 55, 32, false), Patterned(97, 55, 24, true)};
  for (const Case& c : cases) {
    const Bitmap& b = bitmaps[c.alphaChannel ? 2 : c.depth == 32 ? 1 : 0];
    // The smooth scale with alpha works in floats in the vectors and in
    // doubles in the loops, so it may round one step apart on a half.
    const int most = (c.flags & kBlitAlpha) && !(c.flags & kBlitNearest) ? 1 : 0;
    for (const Placement& p : placements) {
      const Framebuffer plain = Drawn(b, c, p, Vectors::None);
      for (const Vectors v : {Vectors::Avx2, Vectors::Avx512, Vectors::Avx512Vbmi}) {
        EXPECT_LE(MostApart(Drawn(b, c, p, v), plain), most)
            << "depth " << c.depth << " flags " << c.flags << " to " << p.dst.w << "x" << p.dst.h << " with " << int(v);
      }
    }
  }
}

}  // namespace
}  // namespace host

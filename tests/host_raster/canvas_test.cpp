#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "raster/canvas.h"

namespace host {
namespace {

constexpr Rgba kBg{10, 20, 30};
constexpr Rgba kRed{255, 0, 0};
constexpr Rgba kLight{200, 200, 200};
constexpr Rgba kDark{40, 40, 40};

// Physical pixels of the framebuffer equal to c, as a count.
int Count(const Framebuffer& fb, Rgba c) {
  int n = 0;
  for (int y = 0; y < fb.Height(); ++y) {
    for (int x = 0; x < fb.Width(); ++x) n += fb.GetPixel(x, y) == c;
  }
  return n;
}

struct Surface {
  explicit Surface(int w, int h, int scale = 1) : fb(w, h, scale), canvas(fb) { fb.Fill(kBg); }
  Framebuffer fb;
  Canvas canvas;
};

TEST(Canvas, FillCoversExactlyTheRectangle) {
  Surface s(10, 10);
  s.canvas.FillRect({2, 3, 4, 5}, kRed);
  EXPECT_EQ(Count(s.fb, kRed), 20);
  EXPECT_EQ(s.fb.GetPixel(2, 3), kRed);
  EXPECT_EQ(s.fb.GetPixel(5, 7), kRed);
  EXPECT_EQ(s.fb.GetPixel(6, 7), kBg);
  EXPECT_EQ(s.fb.GetPixel(5, 8), kBg);

  s.canvas.FillRect({-5, -5, 100, 1}, kRed);  // off the top: nothing
  EXPECT_EQ(Count(s.fb, kRed), 20);
}

TEST(Canvas, TranslucentFillBlends) {
  Surface s(2, 1);
  s.fb.Fill({0, 0, 0});
  s.canvas.FillRect({0, 0, 1, 1}, {255, 255, 255, 128});
  EXPECT_EQ(s.fb.GetPixel(0, 0), (Rgba{128, 128, 128, 255}));
  EXPECT_EQ(s.fb.GetPixel(1, 0), (Rgba{0, 0, 0, 255}));
}

TEST(Canvas, OriginAndClipStack) {
  Surface s(20, 20);
  s.canvas.SetOrigin({5, 6});
  s.canvas.PushClip({0, 0, 4, 4});
  EXPECT_EQ(s.canvas.ClipRect(), (Rect{0, 0, 4, 4}));
  s.canvas.FillRect({-10, -10, 100, 100}, kRed);
  EXPECT_EQ(Count(s.fb, kRed), 16);
  EXPECT_EQ(s.fb.GetPixel(5, 6), kRed);
  EXPECT_EQ(s.fb.GetPixel(8, 9), kRed);
  EXPECT_EQ(s.fb.GetPixel(9, 9), kBg);

  s.canvas.PushClip({2, 2, 10, 10});  // narrows to the overlap
  EXPECT_EQ(s.canvas.ClipRect(), (Rect{2, 2, 2, 2}));
  s.canvas.PopClip();
  s.canvas.PopClip();
  s.canvas.PopClip();  // one too many: the framebuffer stays the limit
  s.canvas.SetOrigin({0, 0});
  EXPECT_EQ(s.canvas.ClipRect(), (Rect{0, 0, 20, 20}));
}

TEST(Canvas, LinesIncludeBothEnds) {
  Surface s(10, 10);
  s.canvas.DrawLine(7, 2, 3, 2, kRed);
  s.canvas.DrawLine(1, 1, 1, 8, kRed);
  EXPECT_EQ(Count(s.fb, kRed), 5 + 8);
  s.fb.Fill(kBg);
  s.canvas.DrawLine(0, 0, 4, 4, kRed);
  EXPECT_EQ(Count(s.fb, kRed), 5);
  for (int i = 0; i <= 4; ++i) EXPECT_EQ(s.fb.GetPixel(i, i), kRed);
}

TEST(Canvas, ThinBorderIsLightTopLeftDarkBottomRight) {
  Surface s(6, 5);
  s.canvas.DrawBorder({0, 0, 6, 5}, BorderStyle::Thin, kLight, kDark);
  EXPECT_EQ(s.fb.GetPixel(0, 0), kLight);
  EXPECT_EQ(s.fb.GetPixel(4, 0), kLight);
  EXPECT_EQ(s.fb.GetPixel(0, 3), kLight);
  EXPECT_EQ(s.fb.GetPixel(5, 0), kDark);
  EXPECT_EQ(s.fb.GetPixel(0, 4), kDark);
  EXPECT_EQ(s.fb.GetPixel(5, 4), kDark);
  EXPECT_EQ(s.fb.GetPixel(2, 2), kBg);
  EXPECT_EQ(Count(s.fb, kLight) + Count(s.fb, kDark), 2 * 6 + 2 * 3);

  s.canvas.DrawBorder({0, 0, 6, 5}, BorderStyle::Sunken, kLight, kDark);
  EXPECT_EQ(s.fb.GetPixel(0, 0), kDark);
  EXPECT_EQ(s.fb.GetPixel(5, 4), kLight);
}

TEST(Canvas, ScaleTwoDrawsSharpDoubleWidthLines) {
  Surface s(10, 10, 2);
  ASSERT_EQ(s.fb.Width(), 20);
  s.canvas.DrawLine(1, 5, 8, 5, kRed);
  EXPECT_EQ(Count(s.fb, kRed), 8 * 2 * 2);
  for (int x = 2; x < 18; ++x) {
    EXPECT_EQ(s.fb.GetPixel(x, 9), kBg);
    EXPECT_EQ(s.fb.GetPixel(x, 10), kRed);
    EXPECT_EQ(s.fb.GetPixel(x, 11), kRed);
    EXPECT_EQ(s.fb.GetPixel(x, 12), kBg);
  }
  s.fb.Fill(kBg);
  s.canvas.DrawLine(0, 0, 3, 3, kRed);  // diagonal: a 2 x 2 pen stepping one physical pixel
  EXPECT_EQ(s.fb.GetPixel(0, 0), kRed);
  EXPECT_EQ(s.fb.GetPixel(7, 7), kRed);
  EXPECT_EQ(s.fb.GetPixel(8, 8), kBg);
  EXPECT_EQ(s.fb.GetPixel(0, 3), kBg);
}

Bitmap Checker(int w, int h) {
  Bitmap b(w, h, 24);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, (x + y) % 2 ? Rgba{255, 255, 255} : Rgba{0, 0, 0});
  }
  return b;
}

TEST(Canvas, BitmapAtScaleSizeIsCopiedPixelForPixel) {
  const Bitmap b = Checker(8, 6);
  Surface s(10, 10, 2);
  s.canvas.DrawBitmap(b, {1, 1, 4, 3});
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 8; ++x) ASSERT_EQ(s.fb.GetPixel(2 + x, 2 + y), b.GetPixel(x, y));
  }
  EXPECT_EQ(s.fb.GetPixel(10, 2), kBg);
}

TEST(Canvas, BitmapSourceRectAndScaling) {
  Bitmap b(4, 1, 24);
  for (int x = 0; x < 4; ++x) b.SetPixel(x, 0, {uint8_t(50 * x), 0, 0});
  Surface s(4, 2);
  s.canvas.DrawBitmap(b, {0, 0, 2, 1}, Rect{2, 0, 2, 1});
  EXPECT_EQ(s.fb.GetPixel(0, 0), (Rgba{100, 0, 0}));
  EXPECT_EQ(s.fb.GetPixel(1, 0), (Rgba{150, 0, 0}));

  s.canvas.DrawBitmap(b, {0, 1, 2, 1}, std::nullopt, kBlitNearest);  // shrink by two
  EXPECT_EQ(s.fb.GetPixel(0, 1), (Rgba{50, 0, 0}));
  EXPECT_EQ(s.fb.GetPixel(1, 1), (Rgba{150, 0, 0}));
  s.canvas.DrawBitmap(b, {0, 1, 1, 1});  // smooth: between the middle pixels
  EXPECT_EQ(s.fb.GetPixel(0, 1), (Rgba{75, 0, 0}));
}

// The smooth scale in plain integers: two taps a direction at 1/256 weights,
// rounded once at the end.
Rgba SmoothAt(const Bitmap& b, int x, int y, int dw, int dh) {
  auto taps = [](int i, int from, int to, int& first, int& second) {
    const double f = (i + 0.5) * (double(from) / to) - 0.5;
    const int whole = int(std::floor(f));
    first = std::clamp(whole, 0, from - 1);
    second = std::clamp(whole + 1, 0, from - 1);
    return int(std::lround((f - whole) * 256));
  };
  int x0, x1, y0, y1;
  const int wx = taps(x, b.Width(), dw, x0, x1), wy = taps(y, b.Height(), dh, y0, y1);
  auto channel = [&](uint8_t Rgba::*c) {
    const int top = b.GetPixel(x0, y0).*c * (256 - wx) + b.GetPixel(x1, y0).*c * wx;
    const int bottom = b.GetPixel(x0, y1).*c * (256 - wx) + b.GetPixel(x1, y1).*c * wx;
    return uint8_t((int64_t(top) * (256 - wy) + int64_t(bottom) * wy + 32768) >> 16);
  };
  return {channel(&Rgba::r), channel(&Rgba::g), channel(&Rgba::b), 255};
}

TEST(Canvas, SmoothScalesOfWideBitmapsMatchTheTwoTapSumEverywhere) {
  for (const int depth : {24, 32}) {
    Bitmap b(173, 61, depth);
    for (int y = 0; y < b.Height(); ++y) {
      for (int x = 0; x < b.Width(); ++x)
        b.SetPixel(x, y, {uint8_t(x * 3 + y), uint8_t(x ^ (y * 5)), uint8_t(255 - x), 255});
    }
    // Down and up, to widths that leave a tail past the vector steps; the
    // smallest shrinks too far for pairs of pixels to share a window.
    struct Extent {
      int w, h;
    };
    for (const Extent to : {Extent{101, 43}, Extent{259, 90}, Extent{37, 15}}) {
      Surface s(to.w + 4, to.h + 2);
      s.canvas.DrawBitmap(b, {2, 1, to.w, to.h});
      for (int y = 0; y < to.h; ++y) {
        for (int x = 0; x < to.w; ++x) {
          ASSERT_EQ(s.fb.GetPixel(2 + x, 1 + y), SmoothAt(b, x, y, to.w, to.h))
              << depth << " bits to " << to.w << " at " << x << "," << y;
        }
      }
      EXPECT_EQ(s.fb.GetPixel(1, 5), kBg);
      EXPECT_EQ(s.fb.GetPixel(2 + to.w, 5), kBg);
    }
  }
}

TEST(Canvas, AlphaFlagBlendsWithTheBitmapsAlpha) {
  Bitmap b(2, 1, 24);
  b.Clear({255, 255, 255});
  b.AddAlphaChannel();
  b.SetAlpha(0, 0, 0);
  b.SetAlpha(1, 0, 128);
  Surface s(2, 1);
  s.fb.Fill({0, 0, 0});
  s.canvas.DrawBitmap(b, {0, 0, 2, 1}, std::nullopt, kBlitAlpha);
  EXPECT_EQ(s.fb.GetPixel(0, 0), (Rgba{0, 0, 0}));
  EXPECT_EQ(s.fb.GetPixel(1, 0), (Rgba{128, 128, 128}));

  s.canvas.DrawBitmap(b, {0, 0, 2, 1});  // without the flag alpha is ignored
  EXPECT_EQ(s.fb.GetPixel(0, 0), (Rgba{255, 255, 255}));
}

TEST(Canvas, DisabledLookIsGreyAndFaded) {
  Bitmap b(1, 1, 24);
  b.SetPixel(0, 0, {255, 0, 0});
  Surface s(2, 1);
  s.fb.Fill({0, 0, 0});
  s.canvas.DrawBitmap(b, {0, 0, 1, 1}, std::nullopt, kBlitDisabled);
  const Rgba c = s.fb.GetPixel(0, 0);
  EXPECT_LT(c.r, 128);  // faded towards the background
  EXPECT_GT(c.g, 0);    // and mostly grey
  EXPECT_LT(c.r - c.g, 60);
}

TEST(Canvas, OffscreenFramebufferIsComposedInsideTheClip) {
  Surface gadget(3, 2, 2);
  gadget.fb.Fill(kRed);
  Surface window(10, 10, 2);
  window.canvas.SetOrigin({4, 4});
  window.canvas.PushClip({0, 0, 2, 2});
  EXPECT_TRUE(window.canvas.DrawFramebuffer(gadget.fb, {0, 0}));
  EXPECT_EQ(Count(window.fb, kRed), 4 * 4);  // 2 x 2 logical after the clip
  EXPECT_EQ(window.fb.GetPixel(8, 8), kRed);
  EXPECT_EQ(window.fb.GetPixel(12, 8), kBg);

  Surface other(3, 2, 1);
  EXPECT_FALSE(window.canvas.DrawFramebuffer(other.fb, {0, 0}));
}

}  // namespace
}  // namespace host

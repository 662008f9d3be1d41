#include <gtest/gtest.h>

#include <set>

#include "raster/canvas.h"

namespace host {
namespace {

constexpr Rgba kBlack{0, 0, 0};
constexpr Rgba kWhite{255, 255, 255};

// Left- and rightmost physical columns that differ from the background.
std::pair<int, int> InkColumns(const Framebuffer& fb) {
  int lo = fb.Width(), hi = -1;
  for (int y = 0; y < fb.Height(); ++y) {
    for (int x = 0; x < fb.Width(); ++x) {
      if (fb.GetPixel(x, y) != kBlack) lo = std::min(lo, x), hi = std::max(hi, x);
    }
  }
  return {lo, hi};
}

TEST(Text, FontIsAvailable) {
  ASSERT_TRUE(FontRenderer::Shared().IsReady()) << FontRenderer::Shared().Error();
  EXPECT_TRUE(FontRenderer::Shared().HasBold());
}

TEST(Text, GlyphsAreAntiAliased) {
  Framebuffer fb(60, 20);
  fb.Fill(kBlack);
  Canvas(fb).DrawText("Swatch", 2, 2, kWhite);
  std::set<int> levels;
  for (int y = 0; y < fb.Height(); ++y) {
    for (int x = 0; x < fb.Width(); ++x) levels.insert(fb.GetPixel(x, y).r);
  }
  EXPECT_TRUE(levels.count(255));
  EXPECT_GT(levels.size(), 10u);  // many intermediate greys, not a two-tone mask
}

TEST(Text, MeasuresGrowWithTextAndMatchAcrossScales) {
  Framebuffer one(10, 10, 1), two(10, 10, 2);
  Canvas c1(one), c2(two);
  const int shortWidth = c1.TextWidth("Hue");
  EXPECT_GT(shortWidth, 10);
  EXPECT_GT(c1.TextWidth("Hue and Saturation"), shortWidth * 3);
  EXPECT_GT(c1.TextWidth("Hue", {12, true}), shortWidth);  // bold is wider
  EXPECT_EQ(c1.TextWidth(""), 0);
  EXPECT_EQ(c2.TextWidth("Hue and Saturation"), c1.TextWidth("Hue and Saturation"));
  EXPECT_EQ(c1.TextHeight(), 14);
  EXPECT_EQ(c2.TextHeight(), 14);
}

TEST(Text, ScaleTwoRendersAtDoubleResolution) {
  Framebuffer one(80, 20, 1), two(80, 20, 2);
  one.Fill(kBlack);
  two.Fill(kBlack);
  Canvas(one).DrawText("Value", 4, 2, kWhite);
  Canvas(two).DrawText("Value", 4, 2, kWhite);
  const auto [lo1, hi1] = InkColumns(one);
  const auto [lo2, hi2] = InkColumns(two);
  EXPECT_NEAR(lo2, 2 * lo1, 2);
  EXPECT_NEAR(hi2 - lo2, 2 * (hi1 - lo1), 3);
}

TEST(Text, AlignmentAnchorsTheGivenPoint) {
  Framebuffer fb(100, 40);
  Canvas canvas(fb);
  const int width = canvas.TextWidth("Kelvin");
  fb.Fill(kBlack);
  canvas.DrawText("Kelvin", 90, 0, kWhite, kTextRight);
  const auto [rlo, rhi] = InkColumns(fb);
  EXPECT_NEAR(rhi, 89, 2);
  EXPECT_NEAR(rlo, 90 - width, 2);

  fb.Fill(kBlack);
  canvas.DrawText("Kelvin", 50, 20, kWhite, kTextCenter | kTextVCenter);
  const auto [clo, chi] = InkColumns(fb);
  EXPECT_NEAR((clo + chi) / 2.0, 50, 2);
  int top = fb.Height(), bottom = -1;
  for (int y = 0; y < fb.Height(); ++y) {
    for (int x = 0; x < fb.Width(); ++x) {
      if (fb.GetPixel(x, y) != kBlack) top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  EXPECT_LT(top, 20);
  EXPECT_GT(bottom, 20);
}

TEST(Text, TextIsClipped) {
  Framebuffer fb(60, 20);
  fb.Fill(kBlack);
  Canvas canvas(fb);
  canvas.PushClip({0, 0, 10, 20});
  canvas.DrawText("Mixer", 2, 2, kWhite);
  EXPECT_LE(InkColumns(fb).second, 9);
}

TEST(Text, Utf8DecodingReplacesDamage) {
  EXPECT_EQ(FontRenderer::DecodeUtf8("a\xC3\xA9z"), U"a\u00E9z");
  EXPECT_EQ(FontRenderer::DecodeUtf8("\xE2\x88\x86"), U"\u2206");
  EXPECT_EQ(FontRenderer::DecodeUtf8("\xF0\x9F\x8E\xA8"), U"\U0001F3A8");
  EXPECT_EQ(FontRenderer::DecodeUtf8("\xC3"), U"\uFFFD");                      // cut short
  EXPECT_EQ(FontRenderer::DecodeUtf8("\xC0\xAF"), U"\uFFFD\uFFFD");            // overlong
  EXPECT_EQ(FontRenderer::DecodeUtf8("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD");  // surrogate
  EXPECT_EQ(FontRenderer::DecodeUtf8("\xFFx"), U"\uFFFDx");
}

TEST(Text, Utf8OverlongFormsOfEveryLengthAreDamage) {
  // '/' written in two, three and four bytes, and the smallest honest form of each length.
  EXPECT_EQ(FontRenderer::DecodeUtf8("\xE0\x80\xAF"), U"\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(FontRenderer::DecodeUtf8("\xF0\x80\x80\xAF"), U"\uFFFD\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(FontRenderer::DecodeUtf8("\xE0\x9F\xBF"), U"\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(FontRenderer::DecodeUtf8("\xF0\x8F\xBF\xBF"), U"\uFFFD\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(FontRenderer::DecodeUtf8("\xC2\x80\xE0\xA0\x80\xF0\x90\x80\x80"), U"\u0080\u0800\U00010000");
  // The last code point, the first past it, and the code points either side of the surrogates.
  EXPECT_EQ(FontRenderer::DecodeUtf8("\xF4\x8F\xBF\xBF"), U"\U0010FFFF");
  EXPECT_EQ(FontRenderer::DecodeUtf8("\xF4\x90\x80\x80"), U"\uFFFD\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(FontRenderer::DecodeUtf8("\xED\x9F\xBF\xEE\x80\x80"), U"\uD7FF\uE000");
  EXPECT_EQ(FontRenderer::DecodeUtf8("\xED\xBF\xBF"), U"\uFFFD\uFFFD\uFFFD");
}

}  // namespace
}  // namespace host

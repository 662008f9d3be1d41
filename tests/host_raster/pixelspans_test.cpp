#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "raster/framebuffer.h"
#include "raster/pixelspans.h"

namespace host {
namespace {

// Rows of odd lengths so that every vector step and every tail is used.
constexpr int kWidth = 259;

std::vector<uint32_t> ByRule(const std::vector<uint32_t>& src, std::vector<uint32_t> dst) {
  for (size_t i = 0; i < dst.size(); ++i) {
    const Rgba s = Framebuffer::Unpack(src[i]);
    PixelSpans::BlendPixel(dst[i], s, s.a);
  }
  return dst;
}

const uint8_t* Bytes(const std::vector<uint32_t>& v) { return reinterpret_cast<const uint8_t*>(v.data()); }

TEST(PixelSpans, BlendOverAgreesWithTheOnePixelRuleEverywhere) {
  std::vector<uint32_t> src(kWidth), dst(kWidth);
  for (int a = 0; a < 256; ++a) {
    for (int s = 0; s < 256; ++s) {
      for (int i = 0; i < kWidth; ++i) {
        const auto d = uint8_t(i);
        src[i] = Framebuffer::Pack({uint8_t(s), uint8_t(255 - s), uint8_t(s ^ 0x5A), uint8_t(a)});
        dst[i] = Framebuffer::Pack({d, uint8_t(255 - d), uint8_t(d * 7), 255});
      }
      const std::vector<uint32_t> expected = ByRule(src, dst);
      PixelSpans::BlendOver(Bytes(src), dst.data(), kWidth);
      ASSERT_EQ(dst, expected) << "alpha " << a << " source " << s;
    }
  }
}

TEST(PixelSpans, BlendOverKeepsTheRuleOnTranslucentTargetsAndMixedRows) {
  std::vector<uint32_t> src(kWidth), dst(kWidth);
  for (int round = 0; round < 64; ++round) {
    for (int i = 0; i < kWidth; ++i) {
      // Runs of transparent, opaque and partial source pixels; a few target
      // pixels that are not opaque in the middle of opaque ones.
      const int k = (i * 37 + round * 11) % 256;
      const uint8_t alpha = (i / 8 + round) % 3 == 0 ? 0 : (i / 8 + round) % 3 == 1 ? 255 : uint8_t(k);
      src[i] = Framebuffer::Pack({uint8_t(k), uint8_t(i), uint8_t(round * 4), alpha});
      dst[i] = Framebuffer::Pack({uint8_t(255 - k), 40, uint8_t(i * 3), uint8_t(i % 13 == 0 ? k : 255)});
    }
    const std::vector<uint32_t> expected = ByRule(src, dst);
    PixelSpans::BlendOver(Bytes(src), dst.data(), kWidth);
    ASSERT_EQ(dst, expected) << "round " << round;
  }
}

TEST(PixelSpans, TranslucentOverTranslucentIsLikeBothOverWhatLiesBelow) {
  // The coverage of one over the other is a + b (1 - a), rounded down, and
  // the colour is what the two would make over any opaque background, but
  // for the three roundings down on the way.
  for (int a = 1; a < 255; a += 6) {
    for (int b = 1; b < 255; b += 7) {
      for (const Rgba back : {Rgba{0, 0, 0, 255}, Rgba{255, 255, 255, 255}, Rgba{30, 200, 90, 255}}) {
        const Rgba s{200, 17, uint8_t(a), uint8_t(a)}, d{5, 240, uint8_t(b), uint8_t(b)};
        uint32_t joined = Framebuffer::Pack(d);
        PixelSpans::BlendPixel(joined, s, a);
        const Rgba both = Framebuffer::Unpack(joined);
        ASSERT_EQ(both.a, (a * 255 + b * (255 - a)) / 255) << a << " over " << b;
        uint32_t left = Framebuffer::Pack(back), right = Framebuffer::Pack(back);
        PixelSpans::BlendPixel(left, both, both.a);
        PixelSpans::BlendPixel(right, d, b);
        PixelSpans::BlendPixel(right, s, a);
        const Rgba l = Framebuffer::Unpack(left), r = Framebuffer::Unpack(right);
        ASSERT_NEAR(l.r, r.r, 3) << a << " over " << b;
        ASSERT_NEAR(l.g, r.g, 3) << a << " over " << b;
        ASSERT_NEAR(l.b, r.b, 3) << a << " over " << b;
      }
    }
  }
}

TEST(PixelSpans, ColourAndCoverageFollowTheRule) {
  std::vector<uint8_t> coverage(kWidth);
  for (int i = 0; i < kWidth; ++i) coverage[i] = uint8_t(i * 29);
  for (const Rgba c : {Rgba{250, 10, 128, 255}, Rgba{0, 200, 90, 77}, Rgba{9, 9, 9, 0}}) {
    std::vector<uint32_t> dst(kWidth), expected(kWidth);
    for (int i = 0; i < kWidth; ++i) dst[i] = Framebuffer::Pack({uint8_t(i), 128, uint8_t(255 - i), 255});
    std::vector<uint32_t> flat = dst;
    expected = dst;
    for (int i = 0; i < kWidth; ++i) PixelSpans::BlendPixel(expected[i], c, (coverage[i] * c.a + 127) / 255);
    PixelSpans::BlendColor(dst.data(), kWidth, c, coverage.data());
    EXPECT_EQ(dst, expected);

    expected = flat;
    for (uint32_t& p : expected) PixelSpans::BlendPixel(p, c, c.a);
    PixelSpans::BlendColor(flat.data(), kWidth, c);
    EXPECT_EQ(flat, expected);
  }
}

TEST(PixelSpans, CopiesMakeOpaquePixelsAndJoinAlpha) {
  std::vector<uint8_t> rgb(3 * kWidth), rgba(4 * kWidth), alpha(kWidth);
  for (int i = 0; i < 3 * kWidth; ++i) rgb[i] = uint8_t(i * 13);
  for (int i = 0; i < 4 * kWidth; ++i) rgba[i] = uint8_t(i * 7);
  for (int i = 0; i < kWidth; ++i) alpha[i] = uint8_t(255 - i);
  std::vector<uint32_t> out(kWidth + 1, 0xDEADBEEF);
  PixelSpans::CopyRgb(rgb.data(), out.data(), kWidth);
  for (int i = 0; i < kWidth; ++i)
    ASSERT_EQ(out[i], Framebuffer::Pack({rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2], 255}));
  EXPECT_EQ(out[kWidth], 0xDEADBEEF);  // nothing written past the span

  PixelSpans::CopyRgbaOpaque(rgba.data(), out.data(), kWidth);
  for (int i = 0; i < kWidth; ++i) {
    ASSERT_EQ(out[i], Framebuffer::Pack({rgba[4 * i], rgba[4 * i + 1], rgba[4 * i + 2], 255}));
  }
  PixelSpans::JoinAlpha(rgb.data(), alpha.data(), out.data(), kWidth);
  for (int i = 0; i < kWidth; ++i) {
    ASSERT_EQ(out[i], Framebuffer::Pack({rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2], alpha[i]}));
  }
  EXPECT_EQ(out[kWidth], 0xDEADBEEF);
}

TEST(PixelSpans, JoinedBlendAgreesWithJoinThenBlendAndSplitUndoesJoin) {
  std::vector<uint8_t> rgb(3 * kWidth), alpha(kWidth);
  std::vector<uint32_t> joined(kWidth), dst(kWidth);
  for (int round = 0; round < 64; ++round) {
    for (int i = 0; i < 3 * kWidth; ++i) rgb[i] = uint8_t(i * 13 + round * 29);
    for (int i = 0; i < kWidth; ++i) {
      // Runs of transparent, opaque and partial pixels; now and then a
      // target pixel that is not opaque.
      const int run = (i / 8 + round) % 3;
      alpha[i] = run == 0 ? 0 : run == 1 ? 255 : uint8_t(i * 37 + round);
      dst[i] = Framebuffer::Pack({uint8_t(255 - i), uint8_t(round), uint8_t(i * 5), uint8_t(i % 29 == 0 ? i : 255)});
    }
    PixelSpans::JoinAlpha(rgb.data(), alpha.data(), joined.data(), kWidth);
    const std::vector<uint32_t> expected = ByRule(joined, dst);
    PixelSpans::BlendJoined(rgb.data(), alpha.data(), dst.data(), kWidth);
    ASSERT_EQ(dst, expected) << "round " << round;

    std::vector<uint8_t> rgbBack(3 * kWidth + 1, 0xEE), alphaBack(kWidth + 1, 0xEE);
    PixelSpans::SplitAlpha(Bytes(joined), rgbBack.data(), alphaBack.data(), kWidth);
    ASSERT_TRUE(std::equal(rgb.begin(), rgb.end(), rgbBack.begin())) << "round " << round;
    ASSERT_TRUE(std::equal(alpha.begin(), alpha.end(), alphaBack.begin())) << "round " << round;
    EXPECT_EQ(rgbBack[3 * kWidth], 0xEE);
    EXPECT_EQ(alphaBack[kWidth], 0xEE);
  }
}

}  // namespace
}  // namespace host

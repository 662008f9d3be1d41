#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "color/colorspacetransform.h"
#include "color/displayconversion.h"
#include "color/transformcache.h"
#include "testprofiles.h"

using host::ColorProfile;
using host::DisplayConversion;

namespace
{
DisplayConversion Make(const ColorProfile& source, const ColorProfile& display)
{
  std::string error;
  auto conversion = DisplayConversion::Create(source, display, error);
  EXPECT_TRUE(conversion) << error;
  return *conversion;
}
}  // namespace

TEST(DisplayConversion, SameProfileLeavesEverythingAlone)
{
  const DisplayConversion conversion = Make(ColorProfile::Srgb(), ColorProfile::Srgb());
  EXPECT_TRUE(conversion.IsIdentity());
  float rgb[3] = {0.2f, 1.5f, -0.1f};
  conversion.ConvertFloat(rgb, 1);
  EXPECT_EQ(rgb[1], 1.5f);
  EXPECT_EQ(rgb[2], -0.1f);

  const uint8_t in[8] = {1, 2, 3, 4, 250, 251, 252, 253};
  uint8_t out[8] = {};
  conversion.ConvertRgba8(in, out, 2);
  EXPECT_EQ(std::vector<uint8_t>(out, out + 8), std::vector<uint8_t>(in, in + 8));
}

TEST(DisplayConversion, LinearColoursReachAnSrgbDisplayEncoded)
{
  const DisplayConversion conversion = Make(ColorProfile::LinearSrgb(), ColorProfile::Srgb());
  EXPECT_FALSE(conversion.IsIdentity());
  for (float v : {0.0f, 0.01f, 0.18f, 0.5f, 1.0f})
  {
    float rgb[3] = {v, v * 0.5f, 1.0f - v};
    conversion.ConvertFloat(rgb, 1);
    EXPECT_NEAR(rgb[0], host::SrgbEncode(v), 2e-3) << v;
    EXPECT_NEAR(rgb[1], host::SrgbEncode(v * 0.5), 2e-3) << v;
    EXPECT_NEAR(rgb[2], host::SrgbEncode(1.0 - v), 2e-3) << v;
  }
}

class EightBitPath : public testing::TestWithParam<bool>
{};

// The matrix-shaper shortcut and the general LittleCMS path must agree with
// the float conversion.
TEST_P(EightBitPath, PixelsMatchTheFloatPathAndKeepAlpha)
{
  const bool tables = GetParam();
  const ColorProfile display = tables ? testprofiles::WideGamutTables() : testprofiles::WideGamut();
  // LittleCMS's own 8-bit tables lose up to two steps in the darkest tones.
  const double tolerance = tables ? 2.5 : 1.0;
  const DisplayConversion conversion = Make(ColorProfile::Srgb(), display);
  std::vector<uint8_t> pixels;
  // More pixels than one internal run, in no particular order.
  for (int i = 0; i < 2500; ++i)
    pixels.insert(pixels.end(), {uint8_t(i * 7), uint8_t(i * 13 + 5), uint8_t(i * 29), uint8_t(i)});
  const std::vector<uint8_t> original = pixels;
  conversion.ConvertRgba8(pixels.data(), pixels.data(), pixels.size() / 4);

  for (size_t p = 0; p < pixels.size(); p += 4)
  {
    float rgb[3] = {original[p] / 255.0f, original[p + 1] / 255.0f, original[p + 2] / 255.0f};
    conversion.ConvertFloat(rgb, 1);
    for (int c = 0; c < 3; ++c)
      EXPECT_NEAR(pixels[p + c], std::clamp(rgb[c], 0.0f, 1.0f) * 255.0f, tolerance) << p / 4 << ":" << c;
    EXPECT_EQ(pixels[p + 3], original[p + 3]);
  }
  // Saturated sRGB green is well inside the wide gamut: red and blue join in.
  uint8_t green[3] = {0, 255, 0};
  conversion.ConvertRgb8(green, green, 1);
  EXPECT_GT(green[0], 100);
  EXPECT_GT(green[2], 20);
}

INSTANTIATE_TEST_SUITE_P(DisplayConversion, EightBitPath, testing::Bool());

TEST(DisplayConversion, CopiesIntoASeparateBuffer)
{
  const DisplayConversion conversion = Make(ColorProfile::LinearSrgb(), ColorProfile::Srgb());
  const uint8_t in[6] = {0, 128, 255, 10, 20, 30};
  uint8_t out[6] = {};
  conversion.ConvertRgb8(in, out, 2);
  EXPECT_EQ(out[0], 0);
  EXPECT_NEAR(out[1], 188, 1);  // linear 0.5 encodes to 0.735
  EXPECT_EQ(out[2], 255);
  EXPECT_EQ(in[1], 128);
}

TEST(DisplayConversion, MissingProfileIsAnError)
{
  std::string error;
  EXPECT_FALSE(DisplayConversion::Create(ColorProfile(), ColorProfile::Srgb(), error));
  EXPECT_FALSE(error.empty());
}

TEST(DisplayConversion, TransformsAreBuiltOncePerProfilePair)
{
  const ColorProfile wide = testprofiles::WideGamut();
  Make(ColorProfile::LinearSrgb(), wide).ConvertFloat(nullptr, 0);
  const size_t built = host::TransformCache::Shared().Size();
  // A second copy of the same profile, loaded anew, reuses the transform.
  for (int i = 0; i < 3; ++i)
    Make(ColorProfile::LinearSrgb(), testprofiles::WideGamut());
  EXPECT_EQ(host::TransformCache::Shared().Size(), built);
}

#include <gtest/gtest.h>

#include <string>

#include "color/colorfamily.h"
#include "color/colorspacetransform.h"
#include "testprofiles.h"

namespace
{
const GxaColorFns& Fns()
{
  return *host::ColorFamily();
}

std::string Format(double value, int32_t unit)
{
  char buf[64];
  const int64_t length = Fns().format_number(value, unit, buf, sizeof buf);
  EXPECT_EQ(length, static_cast<int64_t>(std::string(buf).size()));
  return buf;
}
}  // namespace

TEST(ColorFamily, EveryEntryIsThere)
{
  EXPECT_TRUE(GXA_HAS(&Fns(), format_number));
  EXPECT_EQ(Fns().size, sizeof(GxaColorFns));
}

TEST(ColorFamily, TransformCodesAreInverse)
{
  const double linear[3] = {0.5, 0.01, 1.0};
  double chooser[3], back[3];
  ASSERT_TRUE(Fns().transform(GXA_TRANSFORM_FROM_HOST, linear, chooser));
  EXPECT_NEAR(chooser[0], 0.7353569830524495, 1e-15);
  ASSERT_TRUE(Fns().transform(GXA_TRANSFORM_TO_HOST, chooser, back));
  for (int i = 0; i < 3; ++i)
    EXPECT_NEAR(back[i], linear[i], 1e-15);
  EXPECT_FALSE(Fns().transform(7, linear, back));
  EXPECT_FALSE(Fns().transform(1, nullptr, back));
}

TEST(ColorFamily, StandardProfilesAndPaintTexture)
{
  const GxaColorProfile* linear = Fns().standard_profile(GXA_PROFILE_LINEAR);
  const GxaColorProfile* srgb = Fns().standard_profile(GXA_PROFILE_SRGB);
  ASSERT_TRUE(linear && srgb);
  EXPECT_NE(linear, srgb);
  EXPECT_EQ(host::FromHandle(srgb), &host::ColorProfile::Srgb());
  EXPECT_EQ(Fns().standard_profile(5), nullptr);

  EXPECT_EQ(Fns().paint_texture_profile(), nullptr);
  auto texture = std::make_shared<const host::ColorProfile>(testprofiles::WideGamut());
  host::SetPaintTextureProfile(texture);
  EXPECT_EQ(host::FromHandle(Fns().paint_texture_profile()), texture.get());
  host::SetPaintTextureProfile(nullptr);
  EXPECT_EQ(Fns().paint_texture_profile(), nullptr);
}

TEST(ColorFamily, ConversionOfFloatColours)
{
  const GxaColorProfile* linear = Fns().standard_profile(GXA_PROFILE_LINEAR);
  const GxaColorProfile* srgb = Fns().standard_profile(GXA_PROFILE_SRGB);
  EXPECT_EQ(Fns().conversion_create(linear, srgb, GXA_PIXEL_RGBA8), nullptr);
  EXPECT_EQ(Fns().conversion_create(nullptr, srgb, GXA_PIXEL_RGBF), nullptr);

  GxaColorConversion* conversion = Fns().conversion_create(linear, srgb, GXA_PIXEL_RGBF);
  ASSERT_NE(conversion, nullptr);
  float rgb[6] = {0.5f, 0.0f, 1.0f, 0.18f, 0.18f, 0.18f};
  Fns().convert(conversion, rgb, 2);
  EXPECT_NEAR(rgb[0], host::SrgbEncode(0.5), 2e-3);
  EXPECT_NEAR(rgb[4], host::SrgbEncode(0.18), 2e-3);
  Fns().convert(conversion, rgb, 0);
  Fns().conversion_destroy(conversion);
  Fns().conversion_destroy(nullptr);
}

TEST(ColorFamily, NumberTextsAsTheChooserShowsThem)
{
  EXPECT_EQ(Format(0.25, GXA_UNIT_PERCENT), "25%");
  EXPECT_EQ(Format(2.0 / 3.0 * 6.283185307179586, GXA_UNIT_DEGREE), "240\xC2\xB0");
  EXPECT_EQ(Format(0.5, GXA_UNIT_REAL), "0.5");
}

TEST(ColorFamily, ShortBufferGetsTheFullLengthAndATerminatedPrefix)
{
  char buf[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(Fns().format_number(0.123, GXA_UNIT_PERCENT, buf, sizeof buf), 5);  // "12.3%"
  EXPECT_STREQ(buf, "12.");
  EXPECT_EQ(Fns().format_number(0.5, GXA_UNIT_REAL, nullptr, 0), 3);
}

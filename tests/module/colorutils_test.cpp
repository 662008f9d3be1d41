#include <gtest/gtest.h>

#include <cstdio>

#include "gxa_api.h"

#include "utils/colorutils.h"

namespace
{
// Stands in for the host's formatter: unit name and value, so that tests see
// which unit each component was handed in.
String TaggedFormat(double value, std::int32_t unit)
{
  const char* tag = unit == GXA_UNIT_PERCENT ? "pct" : (unit == GXA_UNIT_DEGREE ? "deg" : "?");
  char text[48];
  std::snprintf(text, sizeof text, "%s:%.4f", tag, value);
  return text;
}
}  // namespace

TEST(HexText, FormatsSixUpperCaseDigits)
{
  EXPECT_EQ(ColorToHexText({0, 0, 0}), "000000");
  EXPECT_EQ(ColorToHexText({1, 1, 1}), "FFFFFF");
  EXPECT_EQ(ColorToHexText({1, 0.5, 0}), "FF8000");
  EXPECT_EQ(ColorToHexText({0, 0, 1.0 / 255}), "000001");
}

TEST(HexText, AcceptsEachPrefixAndEitherCase)
{
  const Vector orange(1, 128.0 / 255, 0);
  EXPECT_EQ(ParseHexColor("#FF8000"), orange);
  EXPECT_EQ(ParseHexColor("0xff8000"), orange);
  EXPECT_EQ(ParseHexColor("0XFf8000"), orange);
  EXPECT_EQ(ParseHexColor("ff8000"), orange);
  EXPECT_EQ(ParseHexColor("#00ff00"), Vector(0, 1, 0));
}

TEST(HexText, ShortTextsCountFromTheRight)
{
  EXPECT_EQ(ParseHexColor("FF"), Vector(0, 0, 1));
  EXPECT_EQ(ParseHexColor("#1FF"), Vector(0, 1.0 / 255, 1));
}

TEST(HexText, LongTextsAreCutToSixCharacters)
{
  EXPECT_EQ(CleanHexText("FF80001234"), "FF8000");
  EXPECT_EQ(CleanHexText("0xFF80001234"), "FF8000");
  EXPECT_EQ(ParseHexColor("FF80001234"), Vector(1, 128.0 / 255, 0));
  // The cut counts characters, not bytes, and leaves the prefix rules alone.
  EXPECT_EQ(CleanHexText("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"),
            "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9");
  EXPECT_EQ(CleanHexText("##12"), "#12");
}

TEST(HexText, BarePrefixIsBlack)
{
  EXPECT_EQ(CleanHexText("0x"), "0");
  EXPECT_EQ(CleanHexText("#"), "0");
  EXPECT_EQ(ParseHexColor("0x"), Vector(0, 0, 0));
  EXPECT_EQ(ParseHexColor("#"), Vector(0, 0, 0));
}

TEST(HexText, InvalidTextsGiveNoColour)
{
  EXPECT_FALSE(ParseHexColor("GG"));
  EXPECT_FALSE(ParseHexColor(""));
  EXPECT_FALSE(ParseHexColor(" FF"));
  EXPECT_FALSE(ParseHexColor("#-12"));
  EXPECT_FALSE(ParseHexColor("0x0x12"));
  EXPECT_FALSE(ParseHexColor("12\xC3\xA9"));
  EXPECT_FALSE(IsHexText(""));
  EXPECT_TRUE(IsHexText("aBc09F"));
}

TEST(HexText, FormattedTextParsesBack)
{
  for (std::uint32_t packed = 0; packed <= 0xFFFFFF; packed += 0x010203)
  {
    const Vector c((packed >> 16) / 255.0, ((packed >> 8) & 0xFF) / 255.0, (packed & 0xFF) / 255.0);
    const auto parsed = ParseHexColor(ColorToHexText(c));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(ColorToHexText(*parsed), ColorToHexText(c));
  }
}

TEST(ColourTexts, RgbTextFollowsTheUnitPreference)
{
  const Vector c(1, 0.5, 0);
  EXPECT_EQ(ColorToRgbText(c, 1, TaggedFormat), "255, 128, 0");
  EXPECT_EQ(ColorToRgbText(c, 3, TaggedFormat), "255, 128, 0");
  EXPECT_EQ(ColorToRgbText(c, 2, TaggedFormat), "65535, 32768, 0");
  EXPECT_EQ(ColorToRgbText(c, 0, TaggedFormat), "pct:1.0000, pct:0.5000, pct:0.0000");
}

TEST(ColourTexts, HsvTextHandsHueInRadians)
{
  EXPECT_EQ(ColorToHsvText({0, 0, 1}, TaggedFormat), "deg:4.1888, pct:1.0000, pct:1.0000");
  EXPECT_EQ(ColorToHsvText({0.25, 0.25, 0.25}, TaggedFormat), "deg:0.0000, pct:0.0000, pct:0.2500");
}

TEST(CheckerColors, ThemesPickTheirGreys)
{
  EXPECT_EQ(CheckerColors(1).lighter, Vector(0.6));
  EXPECT_EQ(CheckerColors(1).darker, Vector(0.4));
  EXPECT_EQ(CheckerColors(2).lighter, Vector(0.2));
  EXPECT_EQ(CheckerColors(2).darker, Vector(0.4));
  EXPECT_EQ(CheckerColors(0).lighter, Vector(1.0));
  EXPECT_EQ(CheckerColors(7).darker, Vector(0.8));
}

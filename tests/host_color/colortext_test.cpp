// Colour text that other programs put on the clipboard, read form by form,
// texts that are refused with their reason, and the forms a copied colour
// is written in.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "color/colortextreader.h"
#include "color/colortextwriter.h"
#include "colorscience/cssnames.h"

using host::ColorTextReader;
using host::ColorTextWriter;
using host::TextColor;

namespace
{

constexpr double kByte = 1.0 / 255.0;

TextColor Read(const std::string& text)
{
  const auto color = ColorTextReader::Read(text);
  EXPECT_TRUE(color.Ok()) << text << ": " << color.Error();
  return color.Ok() ? color.Value() : TextColor{};
}

void ExpectRgb(const std::string& text, double r, double g, double b, double tolerance = 1e-9)
{
  const TextColor c = Read(text);
  EXPECT_NEAR(c.rgb[0], r, tolerance) << text;
  EXPECT_NEAR(c.rgb[1], g, tolerance) << text;
  EXPECT_NEAR(c.rgb[2], b, tolerance) << text;
}

std::string Refusal(const std::string& text)
{
  const auto color = ColorTextReader::Read(text);
  EXPECT_FALSE(color.Ok()) << text << " was read";
  return color.Ok() ? "" : color.Error();
}

}  // namespace

TEST(ColorTextHex, EveryLengthCssKnowsWithAndWithoutTheHash)
{
  ExpectRgb("#3366cc", 0x33 * kByte, 0x66 * kByte, 0xCC * kByte);
  ExpectRgb("#36C", 0x33 * kByte, 0x66 * kByte, 0xCC * kByte);
  ExpectRgb("3366CC", 0x33 * kByte, 0x66 * kByte, 0xCC * kByte);
  ExpectRgb("0x3366cc", 0x33 * kByte, 0x66 * kByte, 0xCC * kByte);
  ExpectRgb("  #FFFFFF\n", 1.0, 1.0, 1.0);
  EXPECT_FALSE(Read("#3366cc").alpha.has_value());
  EXPECT_NEAR(*Read("#3366cc80").alpha, 0x80 * kByte, 1e-12);
  EXPECT_NEAR(*Read("#36c8").alpha, 0x88 * kByte, 1e-12);
  ExpectRgb("#36c8", 0x33 * kByte, 0x66 * kByte, 0xCC * kByte);
}

TEST(ColorTextHex, WrongLengthsAndDigitsAreRefusedWithTheirReason)
{
  EXPECT_NE(Refusal("#12345").find("5 hexadecimal digits"), std::string::npos);
  EXPECT_NE(Refusal("#").find("0 hexadecimal digits"), std::string::npos);
  EXPECT_NE(Refusal("#33GG00").find("no hexadecimal digit"), std::string::npos);
  // Bare digits count only in the six- and eight-digit forms: "bad" is a word.
  Refusal("bad");
  Refusal("12345");
}

TEST(ColorTextRgb, NumbersPercentsAlphaAndBothSeparators)
{
  ExpectRgb("rgb(255, 128, 0)", 1.0, 128 * kByte, 0.0);
  ExpectRgb("RGB(255,128,0)", 1.0, 128 * kByte, 0.0);
  ExpectRgb("rgb(100%, 50%, 0%)", 1.0, 0.5, 0.0);
  ExpectRgb("rgb(255 128 0)", 1.0, 128 * kByte, 0.0);
  ExpectRgb("rgb(51.5, 102, 204)", 51.5 * kByte, 102 * kByte, 204 * kByte);
  EXPECT_FALSE(Read("rgb(1, 2, 3)").alpha.has_value());
  EXPECT_DOUBLE_EQ(*Read("rgba(255, 128, 0, 0.25)").alpha, 0.25);
  EXPECT_DOUBLE_EQ(*Read("rgb(255 128 0 / 40%)").alpha, 0.4);
  EXPECT_DOUBLE_EQ(*Read("rgba(0, 0, 0, .5)").alpha, 0.5);
  // Out of range is clamped, as CSS does.
  ExpectRgb("rgb(300, -20, 1e2)", 1.0, 0.0, 100 * kByte);
  EXPECT_DOUBLE_EQ(*Read("rgba(0, 0, 0, 7)").alpha, 1.0);
}

TEST(ColorTextRgb, MalformedFunctionsAreRefused)
{
  EXPECT_NE(Refusal("rgb(255, 128)").find("three components"), std::string::npos);
  EXPECT_NE(Refusal("rgb(255, 128, 0").find("not closed"), std::string::npos);
  EXPECT_NE(Refusal("rgb(255, red, 0)").find("'red'"), std::string::npos);
  EXPECT_NE(Refusal("rgb(1, 2, 3 / 0.5)").find("either all by commas"), std::string::npos);
  Refusal("rgb(,,)");
  Refusal("rgb(1 2 3 / )");
  Refusal("rgb(inf, 0, 0)");
  Refusal("rgb(nan, 0, 0)");
  Refusal("rgb(0x10, 0, 0)");
  Refusal("rgb(1, 2, 3) trailing");
}

TEST(ColorTextHsl, HueUnitsSaturationLightnessAndAlpha)
{
  ExpectRgb("hsl(0, 100%, 50%)", 1.0, 0.0, 0.0);
  ExpectRgb("hsl(120, 100%, 25%)", 0.0, 0.5, 0.0);
  ExpectRgb("hsl(240deg 100% 50%)", 0.0, 0.0, 1.0);
  ExpectRgb("hsl(0.5turn, 100%, 50%)", 0.0, 1.0, 1.0);
  ExpectRgb("hsl(3.14159265358979rad, 100%, 50%)", 0.0, 1.0, 1.0, 1e-6);
  ExpectRgb("hsl(200grad, 100%, 50%)", 0.0, 1.0, 1.0);
  ExpectRgb("hsl(-120, 100%, 50%)", 0.0, 0.0, 1.0);
  ExpectRgb("hsl(480, 100%, 50%)", 0.0, 1.0, 0.0);
  ExpectRgb("hsl(30, 0%, 40%)", 0.4, 0.4, 0.4);
  ExpectRgb("hsl(210 60 40)", 0.16, 0.4, 0.64, 1e-9);
  EXPECT_DOUBLE_EQ(*Read("hsla(0, 100%, 50%, 0.3)").alpha, 0.3);
  EXPECT_DOUBLE_EQ(*Read("hsl(0 100% 50% / 30%)").alpha, 0.3);
  EXPECT_NE(Refusal("hsl(red, 100%, 50%)").find("no angle"), std::string::npos);
  EXPECT_NE(Refusal("hsl(0, full, 50%)").find("no percentage"), std::string::npos);
  EXPECT_NE(Refusal("hsl(0, 100%)").find("a hue, a saturation"), std::string::npos);
}

TEST(ColorTextNames, EveryCssNameInAnyCaseAndNothingElse)
{
  for (const colorscience::CssNamedColor& c : colorscience::CssNames::All())
    ExpectRgb(c.name, ((c.rgb >> 16) & 0xFF) * kByte, ((c.rgb >> 8) & 0xFF) * kByte, (c.rgb & 0xFF) * kByte);
  EXPECT_EQ(colorscience::CssNames::All().size(), 148u);
  ExpectRgb("RebeccaPurple", 0x66 * kByte, 0x33 * kByte, 0x99 * kByte);
  ExpectRgb(" white ", 1.0, 1.0, 1.0);
  EXPECT_FALSE(Read("red").alpha.has_value());
  Refusal("banana");
  Refusal("dark red");
}

TEST(ColorTextNumbers, ThreeOrFourNumbersFromZeroToOne)
{
  ExpectRgb("0.2, 0.4, 0.6", 0.2, 0.4, 0.6);
  ExpectRgb("0.2 0.4 0.6", 0.2, 0.4, 0.6);
  ExpectRgb("[0.2, 0.4, 0.6]", 0.2, 0.4, 0.6);
  ExpectRgb("(1,0,0)", 1.0, 0.0, 0.0);
  ExpectRgb("0.123456789012345 0 1", 0.123456789012345, 0.0, 1.0, 0.0);
  EXPECT_DOUBLE_EQ(*Read("0.2, 0.4, 0.6, 0.5").alpha, 0.5);
  EXPECT_FALSE(Read("0 0 0").alpha.has_value());
  EXPECT_NE(Refusal("255, 128, 0").find("from 0 to 1; 255 does not"), std::string::npos);
  Refusal("0.2, 0.4");
  Refusal("0.2, 0.4, 0.6, 0.8, 1");
  Refusal("1,,0,0");
  Refusal("0.2, 0.4, 0.6,");
  Refusal("[0.2, 0.4, 0.6)");
}

TEST(ColorTextRefusals, EmptyOverlongAndUnknownTextsSayWhy)
{
  EXPECT_EQ(Refusal(""), "there is no text");
  EXPECT_EQ(Refusal(" \n\t"), "there is no text");
  EXPECT_NE(Refusal(std::string(ColorTextReader::kMaxLength + 1, ' ')).find("too long"), std::string::npos);
  EXPECT_NE(Refusal("lab(50% 40 59)").find("rgb()"), std::string::npos);
  Refusal(std::string("#fff\0", 5));
  Refusal("#ff8000; color: red");
}

TEST(ColorTextWriter, EachFormAndAlphaOnlyBelowOne)
{
  const std::array<double, 3> blue{0.2, 0.4, 0.8};
  EXPECT_EQ(ColorTextWriter::Write(blue, std::nullopt, ColorTextWriter::kHex), "#3366CC");
  EXPECT_EQ(ColorTextWriter::Write(blue, 1.0, ColorTextWriter::kHex), "#3366CC");
  EXPECT_EQ(ColorTextWriter::Write(blue, 0.5, ColorTextWriter::kHex), "#3366CC80");
  EXPECT_EQ(ColorTextWriter::Write(blue, std::nullopt, ColorTextWriter::kRgb), "rgb(51, 102, 204)");
  EXPECT_EQ(ColorTextWriter::Write(blue, 0.25, ColorTextWriter::kRgb), "rgba(51, 102, 204, 0.25)");
  EXPECT_EQ(ColorTextWriter::Write(blue, std::nullopt, ColorTextWriter::kHsl), "hsl(220, 60%, 50%)");
  EXPECT_EQ(ColorTextWriter::Write(blue, 0.5, ColorTextWriter::kHsl), "hsla(220, 60%, 50%, 0.5)");
  EXPECT_EQ(ColorTextWriter::Write(blue, std::nullopt, ColorTextWriter::kNumbers), "0.2, 0.4, 0.8");
  EXPECT_EQ(ColorTextWriter::Write(blue, 0.5, ColorTextWriter::kNumbers), "0.2, 0.4, 0.8, 0.5");
  // Unknown forms write hex; out-of-range components are clamped.
  EXPECT_EQ(ColorTextWriter::Write(blue, std::nullopt, 99), "#3366CC");
  EXPECT_EQ(ColorTextWriter::Write({1.5, -0.2, 0.0}, std::nullopt, ColorTextWriter::kNumbers), "1, 0, 0");
  EXPECT_EQ(ColorTextWriter::Write({0.0, 0.0, 0.0}, std::nullopt, ColorTextWriter::kHsl), "hsl(0, 0%, 0%)");
}

TEST(ColorTextWriter, EveryFormReadsBackAsTheSameColour)
{
  const std::array<std::array<double, 3>, 4> colours{{{0.2, 0.4, 0.8}, {1.0, 0.5, 0.0}, {0.07, 0.93, 0.51}, {1, 1, 1}}};
  for (const auto& rgb : colours)
  {
    for (int32_t form :
         {ColorTextWriter::kHex, ColorTextWriter::kRgb, ColorTextWriter::kHsl, ColorTextWriter::kNumbers})
    {
      const std::string text = ColorTextWriter::Write(rgb, 0.4, form);
      const TextColor back = Read(text);
      for (size_t i = 0; i < 3; ++i)
        EXPECT_NEAR(back.rgb[i], rgb[i], 0.5 * kByte) << text;
      ASSERT_TRUE(back.alpha.has_value()) << text;
      EXPECT_NEAR(*back.alpha, 0.4, 0.5 * kByte) << text;
    }
  }
}

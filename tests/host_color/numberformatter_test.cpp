#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "color/numberformatter.h"

using host::NumberFormatter;

namespace
{
constexpr uint32_t kPercent = NumberFormatter::kPercent;
constexpr uint32_t kDegree = NumberFormatter::kDegree;
constexpr uint32_t kReal = NumberFormatter::kReal;
constexpr double kPi = std::numbers::pi;
}  // namespace

TEST(NumberFormatter, PercentShowsHundredthsWithSign)
{
  EXPECT_EQ(NumberFormatter::Format(0.25, kPercent), "25%");
  EXPECT_EQ(NumberFormatter::Format(1.0, kPercent), "100%");
  EXPECT_EQ(NumberFormatter::Format(0.0, kPercent), "0%");
  EXPECT_EQ(NumberFormatter::Format(128.0 / 255.0, kPercent), "50.2%");
  EXPECT_EQ(NumberFormatter::Format(-0.0001, kPercent), "0%");
  EXPECT_EQ(NumberFormatter::Format(-0.5, kPercent), "-50%");
}

TEST(NumberFormatter, DegreesTakeRadians)
{
  EXPECT_EQ(NumberFormatter::Format(kPi, kDegree), "180\xC2\xB0");
  EXPECT_EQ(NumberFormatter::Format(2.0 / 3.0 * 2 * kPi, kDegree), "240\xC2\xB0");
  EXPECT_EQ(NumberFormatter::Format(kPi / 180.0 * 12.34, kDegree), "12.3\xC2\xB0");
  EXPECT_EQ(NumberFormatter::Format(0.0, kDegree), "0\xC2\xB0");
}

TEST(NumberFormatter, PlainAndIntegerNumbers)
{
  EXPECT_EQ(NumberFormatter::Format(0.25, kReal), "0.25");
  EXPECT_EQ(NumberFormatter::Format(1.0 / 3.0, kReal), "0.333");
  EXPECT_EQ(NumberFormatter::Format(6500.0, kReal), "6500");
  EXPECT_EQ(NumberFormatter::Format(41.6, NumberFormatter::kInteger), "42");
  EXPECT_EQ(NumberFormatter::Format(0.123456, kReal, 5), "0.12346");
  EXPECT_EQ(NumberFormatter::Format(0.5, 0x12345678), "0.5");
}

TEST(NumberFormatter, NonFiniteValuesAreNamed)
{
  EXPECT_EQ(NumberFormatter::Format(NAN, kPercent), "nan");
  EXPECT_EQ(NumberFormatter::Format(-INFINITY, kReal), "-inf");
}

TEST(NumberFormatter, ReadsTypedTextWithOrWithoutSign)
{
  EXPECT_EQ(NumberFormatter::Parse("25%", kPercent), 0.25);
  EXPECT_EQ(NumberFormatter::Parse("25", kPercent), 0.25);
  EXPECT_EQ(NumberFormatter::Parse(" 25 % ", kPercent), 0.25);
  EXPECT_EQ(NumberFormatter::Parse("12,5", kPercent), 0.125);
  EXPECT_EQ(NumberFormatter::Parse("+12.5%", kPercent), 0.125);
  EXPECT_EQ(NumberFormatter::Parse("-3", kReal), -3.0);
  EXPECT_NEAR(*NumberFormatter::Parse("180\xC2\xB0", kDegree), kPi, 1e-15);
  EXPECT_NEAR(*NumberFormatter::Parse("90", kDegree), kPi / 2, 1e-15);
}

TEST(NumberFormatter, RejectsOtherTexts)
{
  for (const char* text : {"", "%", "abc", "1.2.3", "1,2,3", "1,2.5", "25%%", "1e3", "inf", "nan", "--1", "12 5"})
    EXPECT_FALSE(NumberFormatter::Parse(text, kPercent)) << text;
  EXPECT_FALSE(NumberFormatter::Parse("25%", kDegree));
  EXPECT_FALSE(NumberFormatter::Parse("25\xC2\xB0", kPercent));
  EXPECT_FALSE(NumberFormatter::Parse("25%", kReal));
}

TEST(NumberFormatter, FormattedTextReadsBackWithinItsDecimals)
{
  for (double v = -1.0; v <= 2.0; v += 0.0137)
  {
    EXPECT_NEAR(*NumberFormatter::Parse(NumberFormatter::Format(v, kPercent), kPercent), v, 0.0005);
    EXPECT_NEAR(*NumberFormatter::Parse(NumberFormatter::Format(v, kDegree), kDegree), v, 0.05 * kPi / 180 + 1e-12);
    EXPECT_NEAR(*NumberFormatter::Parse(NumberFormatter::Format(v, kReal), kReal), v, 0.0005);
  }
}

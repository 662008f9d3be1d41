#include <gtest/gtest.h>

#include <cmath>

#include "gxa_api.h"
#include "utils/colorunit.h"

TEST(ColorUnit, PreferenceSelectsTheUnit)
{
  EXPECT_EQ(ColorUnit::Create(0)->GetMaximum(), 1.0);
  EXPECT_EQ(ColorUnit::Create(1)->GetMaximum(), 255.0);
  EXPECT_EQ(ColorUnit::Create(2)->GetMaximum(), 65535.0);
  EXPECT_EQ(ColorUnit::Create(3)->GetMaximum(), 255.0);
  EXPECT_EQ(ColorUnit::Create(-1)->GetMaximum(), 255.0);
  for (std::int32_t preference : {0, 1, 2, 3, 99})
    EXPECT_EQ(ColorUnit::MaximumFor(preference), ColorUnit::Create(preference)->GetMaximum());
}

TEST(ColorUnit, SliderSteps)
{
  EXPECT_EQ(ColorUnit::Create(1)->GetStep(), 1.0);
  EXPECT_EQ(ColorUnit::Create(2)->GetStep(), 256.0);
  EXPECT_EQ(ColorUnit::Create(0)->GetStep(), 0.01);
  EXPECT_TRUE(ColorUnit::Create(1)->IsWholeNumber());
  EXPECT_TRUE(ColorUnit::Create(2)->IsWholeNumber());
  EXPECT_FALSE(ColorUnit::Create(0)->IsWholeNumber());
}

TEST(ColorUnit, EightBitFieldShowsRoundedSteps)
{
  const auto unit = ColorUnit::Create(1);
  const ColorUnitField field = unit->FieldFor(0.5);
  EXPECT_TRUE(field.whole);
  EXPECT_EQ(field.value, 128.0);
  EXPECT_EQ(field.minimum, 0.0);
  EXPECT_EQ(field.maximum, 255.0);
  EXPECT_EQ(field.step, 1.0);
  EXPECT_EQ(unit->ComponentFrom(255), 1.0);
  EXPECT_EQ(unit->ComponentFrom(300), 1.0);
  EXPECT_EQ(unit->ComponentFrom(-3), 0.0);
  EXPECT_DOUBLE_EQ(unit->ComponentFrom(51), 0.2);
}

TEST(ColorUnit, SixteenBitFieldReadsBackClamped)
{
  const auto unit = ColorUnit::Create(2);
  EXPECT_EQ(unit->FieldFor(1.0).value, 65535.0);
  EXPECT_EQ(unit->FieldFor(0.5).value, 32768.0);
  EXPECT_EQ(unit->FieldFor(0.5).maximum, 65535.0);
  EXPECT_EQ(unit->FieldFor(0.5).step, 1.0);
  EXPECT_EQ(unit->ComponentFrom(70000), 1.0);
  EXPECT_EQ(unit->ComponentFrom(1e300), 1.0);
  EXPECT_EQ(unit->ComponentFrom(-1e300), 0.0);
  EXPECT_EQ(unit->ComponentFrom(NAN), 0.0);
}

TEST(ColorUnit, PercentFieldIsRealAndUnclamped)
{
  const auto unit = ColorUnit::Create(0);
  const ColorUnitField field = unit->FieldFor(0.25);
  EXPECT_FALSE(field.whole);
  EXPECT_EQ(field.value, 0.25);
  EXPECT_EQ(field.maximum, 1.0);
  EXPECT_EQ(field.step, 0.01);
  EXPECT_EQ(field.format, GXA_UNIT_PERCENT);
  EXPECT_EQ(unit->ComponentFrom(1.5), 1.5);
  EXPECT_EQ(unit->ComponentFrom(-0.25), -0.25);
}

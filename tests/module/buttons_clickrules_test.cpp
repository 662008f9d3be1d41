#include <gtest/gtest.h>

#include "chooserids.h"
#include "gxa_api.h"
#include "utils/colormodebuttonsarea.h"

namespace
{
using Button = ColorButtonsArea::Button;
using Area = ColorModeButtonsArea;

enum Index : std::size_t
{
  kCompact,
  kWheel,
  kSpectrum,
  kPicture,
  kRgb,
  kHsv,
  kKelvin,
  kPicker
};

Button Make(std::int32_t id, bool radio, bool toggle, bool on)
{
  Button b;
  b.id = id;
  b.checkable = true;
  b.radio = radio;
  b.radioGroup = radio ? 0 : -1;
  b.toggle = toggle;
  b.state = on;
  return b;
}

// The row of a chooser: compact, the three exclusive modes, three panel
// toggles and, unless "NOSCREENPICKER", the picker button (on while idle).
BaseArray<Button> Row(bool withPicker)
{
  using namespace chooser;
  BaseArray<Button> row;
  (void)row.Append(Make(kModeCompact, false, false, false));
  for (const std::int32_t id : {kModeWheel, kModeSpectrum, kModePicture})
    (void)row.Append(Make(id, true, false, false));
  for (const std::int32_t id : {kModeRgb, kModeHsv, kModeKelvin})
    (void)row.Append(Make(id, false, true, false));
  if (withPicker)
    (void)row.Append(Make(kGadgetPicker, false, false, true));
  return row;
}

std::vector<bool> States(const BaseArray<Button>& row)
{
  std::vector<bool> states;
  for (const Button& b : row)
    states.push_back(b.state);
  return states;
}
}  // namespace

TEST(ModeRadio, ClickingTheSelectedOneLeavesNoneOnWhileAnotherButtonIsOn)
{
  BaseArray<Button> row = Row(true);
  row[kPicture].state = true;
  EXPECT_TRUE(Area::ClickRadio(row, kPicture));
  EXPECT_FALSE(row[kWheel].state || row[kSpectrum].state || row[kPicture].state);
  EXPECT_TRUE(row[kPicker].state);
}

TEST(ModeRadio, TheSelectedOneStaysWhenNothingElseIsOn)
{
  BaseArray<Button> row = Row(false);
  row[kWheel].state = true;
  const auto before = States(row);
  EXPECT_FALSE(Area::ClickRadio(row, kWheel));
  EXPECT_EQ(States(row), before);

  // A toggle that is on allows it.
  row[kHsv].state = true;
  EXPECT_TRUE(Area::ClickRadio(row, kWheel));
  EXPECT_FALSE(row[kWheel].state);
}

TEST(ModeToggle, PlainClickMakesItTheOnlyToggleOn)
{
  BaseArray<Button> row = Row(true);
  row[kWheel].state = true;
  row[kHsv].state = true;
  row[kKelvin].state = true;
  EXPECT_TRUE(Area::ClickToggle(row, kRgb, 0));
  EXPECT_TRUE(row[kRgb].state);
  EXPECT_FALSE(row[kHsv].state);
  EXPECT_FALSE(row[kKelvin].state);
  // Radio buttons are no toggles.
  EXPECT_TRUE(row[kWheel].state);

  // Clicking one of several that are on keeps it on and the others go.
  row[kHsv].state = true;
  EXPECT_TRUE(Area::ClickToggle(row, kRgb, 0));
  EXPECT_TRUE(row[kRgb].state);
  EXPECT_FALSE(row[kHsv].state);
}

TEST(ModeToggle, TheOnlyActiveToggleTurnsOffBesideThePicker)
{
  BaseArray<Button> row = Row(true);
  row[kRgb].state = true;
  EXPECT_FALSE(Area::ClickToggle(row, kRgb, 0));
  EXPECT_FALSE(row[kRgb].state);
}

TEST(ModeToggle, WithoutThePickerTheOnlyActiveButtonStays)
{
  BaseArray<Button> row = Row(false);
  row[kRgb].state = true;
  const auto before = States(row);
  EXPECT_FALSE(Area::ClickToggle(row, kRgb, 0));
  EXPECT_EQ(States(row), before);
  EXPECT_FALSE(Area::ClickToggle(row, kRgb, GXA_QUALIFIER_CTRL));
  EXPECT_EQ(States(row), before);

  // Any other checkable button that is on, a mode or compact, allows it.
  row[kCompact].state = true;
  EXPECT_FALSE(Area::ClickToggle(row, kRgb, 0));
  EXPECT_FALSE(row[kRgb].state);
}

TEST(ModeToggle, SweepGivesTheClickedStateToFurtherToggles)
{
  BaseArray<Button> row = Row(true);
  const bool on = Area::ClickToggle(row, kRgb, 0);
  ASSERT_TRUE(on);
  EXPECT_TRUE(Area::SweepToggle(row, kHsv, on));
  EXPECT_TRUE(Area::SweepToggle(row, kKelvin, on));
  EXPECT_FALSE(Area::SweepToggle(row, kKelvin, on));
  EXPECT_TRUE(row[kRgb].state && row[kHsv].state && row[kKelvin].state);

  // Sweeping off stops at the last button that keeps the row alive.
  BaseArray<Button> bare = Row(false);
  bare[kRgb].state = bare[kHsv].state = true;
  EXPECT_TRUE(Area::SweepToggle(bare, kRgb, false));
  EXPECT_FALSE(Area::SweepToggle(bare, kHsv, false));
  EXPECT_TRUE(bare[kHsv].state);
}

#include <gtest/gtest.h>

#include "raster/interfacecolors.h"

namespace host {
namespace {

TEST(InterfaceColors, ThemesCoverTheSameIdsAndReadAsTheirTheme) {
  const InterfaceColors dark(InterfaceColors::Theme::Dark), light(InterfaceColors::Theme::Light);
  EXPECT_EQ(dark.Ids(), light.Ids());
  for (int id : {0, 1, 1000, 1003, 1004, 1007, 1157, 1159}) {
    Rgba c;
    EXPECT_TRUE(dark.Get(id, c)) << id;
  }
  const Rgba darkBg = dark.GetOr(InterfaceColors::kBackground, {});
  const Rgba lightBg = light.GetOr(InterfaceColors::kBackground, {});
  EXPECT_TRUE(InterfaceColors::IsDark(darkBg));
  EXPECT_FALSE(InterfaceColors::IsDark(lightBg));
  // Text and disabled text must stand out from the background in both themes.
  for (const InterfaceColors* theme : {&dark, &light}) {
    const double bg = theme->GetOr(InterfaceColors::kBackground, {}).Luma();
    EXPECT_GT(std::abs(theme->GetOr(InterfaceColors::kText, {}).Luma() - bg), 100);
    EXPECT_GT(std::abs(theme->GetOr(InterfaceColors::kTextDisabled, {}).Luma() - bg), 40);
  }
}

TEST(InterfaceColors, UnknownIdLeavesTheColourAlone) {
  const InterfaceColors colors;
  Rgba c{1, 2, 3, 4};
  EXPECT_FALSE(colors.Get(4242, c));
  EXPECT_EQ(c, (Rgba{1, 2, 3, 4}));
  EXPECT_EQ(colors.GetOr(-7, {9, 9, 9}), (Rgba{9, 9, 9}));
}

TEST(InterfaceColors, PreferenceValueChoosesTheTheme) {
  EXPECT_EQ(InterfaceColors::ThemeFromPreference(0), InterfaceColors::Theme::Light);
  EXPECT_EQ(InterfaceColors::ThemeFromPreference(1), InterfaceColors::Theme::Dark);
  EXPECT_EQ(InterfaceColors::ThemeFromPreference(2), InterfaceColors::Theme::Dark);
  EXPECT_EQ(InterfaceColors::ThemeFromPreference(7), InterfaceColors::Theme::Dark);
}

TEST(InterfaceColors, DarknessThresholdIsLuma115) {
  EXPECT_TRUE(InterfaceColors::IsDark({114, 114, 114}));
  EXPECT_FALSE(InterfaceColors::IsDark({115, 115, 115}));
}

}  // namespace
}  // namespace host

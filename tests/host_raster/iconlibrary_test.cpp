#include <gtest/gtest.h>

#include "raster/iconlibrary.h"

namespace host {
namespace {

// Every icon the chooser asks for, by the row or toolbar it appears in.
const std::vector<int> kChooserIcons = {
    // mode buttons: on, off on dark, off on light
    1035588, 1035590, 1035589, 1033878, 1033992, 1033489, 1033879, 1033993, 1033490, 1033880, 1033994, 1033491, 1033881,
    1033995, 1033492, 1033882, 1033996, 1033493, 1033884, 1033997, 1033494, 1033883, 1033998, 1033495, 1040584, 1040586,
    1040585, 1040587, 1040589, 1040588, 1033885, 1033999, 1033496, 1040830, 1040831, 1040832, 1033886, 1034000, 1033497,
    // wheel harmonies and actions
    1033498, 1033621, 1033499, 1033622, 1033500, 1033623, 1033501, 1033624, 1033502, 1033625, 1033504, 1033627, 1033503,
    1033626, 1033619, 1033620, 1033505, 1033506, 1034124,
    // picture toolbar, swatch panel
    1033887, 1034001, 1033507, 1033760, 1033759};

// Covered area in pixels, counting partial coverage.
double Ink(const Bitmap& b) {
  double n = 0;
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) n += b.GetAlpha(x, y) / 255.0;
  }
  return n;
}

TEST(IconLibrary, EveryChooserIconResolvesAtBothScales) {
  IconLibrary library;
  for (int id : kChooserIcons) {
    const auto one = library.Get(id, 1);
    const auto two = library.Get(id, 2);
    ASSERT_TRUE(one && two) << id;
    EXPECT_TRUE(one->HasAlpha());
    EXPECT_EQ(one->Width(), library.LogicalSize(id)) << id;
    EXPECT_EQ(two->Width(), 2 * one->Width()) << id;
    EXPECT_EQ(two->Height(), 2 * one->Height()) << id;
    // A real drawing: some ink, yet transparent corners around it.
    EXPECT_GT(Ink(*one), one->Width() * one->Height() / 12) << id;
    EXPECT_LT(one->GetAlpha(0, one->Height() - 1), 128) << id;
    EXPECT_NEAR(Ink(*two), 4 * Ink(*one), Ink(*one) * 0.25) << id;
  }
}

TEST(IconLibrary, AlternativeLooksMatchTheMainIconsSize) {
  IconLibrary library;
  const std::pair<int, std::vector<int>> sets[] = {{1033878, {1033992, 1033489}},
                                                   {1040830, {1040831, 1040832}},
                                                   {1033498, {1033621}},
                                                   {1033887, {1034001, 1033507}}};
  for (const auto& [main, others] : sets) {
    for (int id : others) EXPECT_EQ(library.LogicalSize(id), library.LogicalSize(main)) << id;
  }
}

TEST(IconLibrary, OffLooksAreGreyAndOnLooksAreColoured) {
  IconLibrary library;
  auto maxChroma = [](const Bitmap& b) {
    int chroma = 0;
    for (int y = 0; y < b.Height(); ++y) {
      for (int x = 0; x < b.Width(); ++x) {
        const Rgba c = b.GetPixel(x, y);
        if (c.a > 0) chroma = std::max(chroma, std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}));
      }
    }
    return chroma;
  };
  EXPECT_GT(maxChroma(*library.Get(1033878, 1)), 100);
  EXPECT_EQ(maxChroma(*library.Get(1033992, 1)), 0);
  EXPECT_EQ(maxChroma(*library.Get(1033489, 1)), 0);
  EXPECT_EQ(maxChroma(*library.Get(1033621, 2)), 0);
}

TEST(IconLibrary, UnknownIdsAndScalesGiveNothing) {
  IconLibrary library;
  EXPECT_EQ(library.Get(4242, 1), nullptr);
  EXPECT_EQ(library.Get(-1, 2), nullptr);
  EXPECT_EQ(library.Get(1033878, 3), nullptr);
  EXPECT_EQ(library.LogicalSize(4242), 0);
  EXPECT_FALSE(library.Has(0));
}

TEST(IconLibrary, RenderedIconsAreCached) {
  IconLibrary library;
  EXPECT_EQ(library.Get(1033886, 2), library.Get(1033886, 2));
  EXPECT_NE(library.Get(1033886, 1), library.Get(1033886, 2));
}

}  // namespace
}  // namespace host

// Names in palette files come from other programs: every byte sequence that
// is not honest UTF-8, overlong forms included, shows as U+FFFD per byte,
// whether it is read from a GIMP palette or written into an ASE file.
#include <gtest/gtest.h>

#include <string>

#include "presets/asepalette.h"
#include "presets/gplpalette.h"

namespace host {
namespace {
const std::string kBad = "\xEF\xBF\xBD";

std::string Bad(int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += kBad;
  return out;
}

struct Case {
  const char* bytes;
  std::string shown;
};

// Overlong forms of '/' of every length, a surrogate, a code point past the
// last, sequences cut short; and the honest forms at each boundary.
const Case kCases[] = {{"\xC0\xAF", Bad(2)},
                       {"\xC1\xBF", Bad(2)},
                       {"\xE0\x80\xAF", Bad(3)},
                       {"\xE0\x9F\xBF", Bad(3)},
                       {"\xF0\x80\x80\xAF", Bad(4)},
                       {"\xF0\x8F\xBF\xBF", Bad(4)},
                       {"\xED\xA0\x80", Bad(3)},
                       {"\xF4\x90\x80\x80", Bad(4)},
                       {"\xE2\x88.", Bad(2) + "."},
                       {"\xC2\x80", "\xC2\x80"},
                       {"\xE0\xA0\x80", "\xE0\xA0\x80"},
                       {"\xF0\x90\x80\x80", "\xF0\x90\x80\x80"},
                       {"\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},
                       {"\xED\x9F\xBF", "\xED\x9F\xBF"}};

TEST(PaletteText, GimpPaletteNamesShowDishonestUtf8AsReplacements) {
  for (const Case& c : kCases) {
    const std::string text = std::string("GIMP Palette\nName: a") + c.bytes + "b\n1 2 3 c" + c.bytes + "d\n";
    auto read = GplPalette::Parse(text, "x");
    ASSERT_TRUE(read) << read.Error();
    EXPECT_EQ(read->groups[0].name, "a" + c.shown + "b") << c.shown;
    EXPECT_EQ(read->groups[0].colors[0].name, "c" + c.shown + "d") << c.shown;
  }
}

TEST(PaletteText, AseGroupNamesCarryDishonestUtf8AsReplacements) {
  for (const Case& c : kCases) {
    Palette p;
    p.groups = {{std::string("a") + c.bytes + "b", {{0.5, 0.25, 1.0, ""}}}};
    auto read = AsePalette::Parse(AsePalette::Write(p), "x");
    ASSERT_TRUE(read) << read.Error();
    ASSERT_EQ(read->groups.size(), 1u);
    EXPECT_EQ(read->groups[0].name, "a" + c.shown + "b") << c.shown;
  }
}
}  // namespace
}  // namespace host

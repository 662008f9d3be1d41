// Palette files as users have them: GIMP's text palettes and Adobe's swatch
// exchange files, with the variations real files show, and the promise that
// a palette written out reads back the same at the file's own precision.
#include <gtest/gtest.h>

#include <bit>
#include <random>

#include "presets/asepalette.h"
#include "presets/gplpalette.h"

namespace host {
namespace {

// A big-endian ASE file built by hand, the way other programs write them.
class AseBuilder {
 public:
  AseBuilder& Group(const std::u16string& name) { return Block(0xC001, Name(name)); }
  AseBuilder& End() { return Block(0xC002, {}); }
  AseBuilder& Color(const std::u16string& name, const char* model, std::vector<float> values, uint16_t kind = 2) {
    auto body = Name(name);
    body.insert(body.end(), model, model + 4);
    for (float v : values) Put(body, std::bit_cast<uint32_t>(v), 4);
    Put(body, kind, 2);
    return Block(0x0001, body);
  }
  AseBuilder& Block(uint16_t type, std::vector<uint8_t> body) {
    Put(blocks_, type, 2);
    Put(blocks_, static_cast<uint32_t>(body.size()), 4);
    blocks_.insert(blocks_.end(), body.begin(), body.end());
    ++count_;
    return *this;
  }
  std::vector<uint8_t> Bytes(int extra_count = 0) const {
    std::vector<uint8_t> out = {'A', 'S', 'E', 'F', 0, 1, 0, 0};
    Put(out, static_cast<uint32_t>(count_ + extra_count), 4);
    out.insert(out.end(), blocks_.begin(), blocks_.end());
    return out;
  }

 private:
  static void Put(std::vector<uint8_t>& out, uint32_t v, int n) {
    for (int i = n - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
  }
  static std::vector<uint8_t> Name(const std::u16string& s) {
    std::vector<uint8_t> b;
    Put(b, static_cast<uint32_t>(s.size() + 1), 2);
    for (char16_t u : s) Put(b, u, 2);
    Put(b, 0, 2);
    return b;
  }
  std::vector<uint8_t> blocks_;
  int count_ = 0;
};

TEST(GplPalette, ReadsTheVariationsRealFilesHave) {
  const std::string text =
      "\xEF\xBB\xBFGIMP Palette\r\n"
      "Columns: 8\r\n"
      "Name:   Sunset   strip \r\n"
      "# a comment\r\n"
      "\r\n"
      "255   0   0\tRed\r\n"
      "  0 128 255 Sky with spaces\r\n"
      "\t12\t34\t56\r\n"
      "7 8 9 caf\xE9 latin1\n";
  auto read = GplPalette::Parse(text, "file name");
  ASSERT_TRUE(read) << read.Error();
  ASSERT_EQ(read->groups.size(), 1u);
  const PaletteGroup& g = read->groups[0];
  EXPECT_EQ(g.name, "Sunset   strip");
  ASSERT_EQ(g.colors.size(), 4u);
  EXPECT_EQ(g.colors[0], (PaletteColor{1.0, 0.0, 0.0, "Red"}));
  EXPECT_EQ(g.colors[1], (PaletteColor{0.0, 128 / 255.0, 1.0, "Sky with spaces"}));
  EXPECT_EQ(g.colors[2].blue, 56 / 255.0);
  EXPECT_EQ(g.colors[3].name, "caf\xEF\xBF\xBD latin1");
  EXPECT_EQ(GplPalette::Parse("GIMP Palette\n1 2 3\n", "file name")->groups[0].name, "file name");
}

TEST(GplPalette, MalformedFilesNameTheirFault) {
  struct Case {
    const char* text;
    const char* error;
  };
  for (const Case& c : {Case{"GIMP Palett\n1 2 3\n", "not a GIMP palette"}, Case{"", "not a GIMP palette"},
                        Case{"GIMP Palette\n1 2 3\n4 5\n", "line 3 '4 5': expected three numbers"},
                        Case{"GIMP Palette\n1 2 300 Hot\n", "line 2 '1 2 300 Hot': 300 is outside 0..255"},
                        Case{"GIMP Palette\n1 -2 3\n", "line 2"}, Case{"GIMP Palette\n1 2 3x\n", "line 2"},
                        Case{"GIMP Palette\nColumns: many\n1 2 3\n", "line 2 'Columns: many': Columns needs"},
                        Case{"GIMP Palette\n1 2 3\nName: late\n", "line 3"},
                        Case{"GIMP Palette\nName: empty\n# nothing\n", "no colours"}}) {
    auto read = GplPalette::Parse(c.text, "x");
    ASSERT_FALSE(read) << c.text;
    EXPECT_NE(read.Error().find(c.error), std::string::npos) << read.Error();
  }
}

TEST(AsePalette, ReadsGroupsLooseColoursAndGrey) {
  auto bytes = AseBuilder()
                   .Color(u"Loose", "RGB ", {0.25f, 0.5f, 0.75f}, 0)
                   .Group(u"Warm \u00e9\U0001F525")
                   .Color(u"Red", "RGB ", {1.0f, 0.0f, 0.0f})
                   .Color(u"Mid grey", "Gray", {0.5f}, 1)
                   .End()
                   .Group(u"Empty")
                   .End()
                   .Color(u"Later loose", "RGB ", {0.1f, 0.2f, 0.3f})
                   .Block(0x7777, {1, 2, 3})
                   .Bytes();
  auto read = AsePalette::Parse(bytes, "swatches");
  ASSERT_TRUE(read) << read.Error();
  ASSERT_EQ(read->groups.size(), 3u);
  EXPECT_EQ(read->groups[0].name, "swatches");
  EXPECT_EQ(read->groups[0].colors.size(), 2u);
  EXPECT_EQ(read->groups[0].colors[1].green, 0.2f);
  EXPECT_EQ(read->groups[1].name, "Warm \xC3\xA9\xF0\x9F\x94\xA5");
  EXPECT_EQ(read->groups[1].colors[1], (PaletteColor{0.5, 0.5, 0.5, "Mid grey"}));
  EXPECT_TRUE(read->groups[2].colors.empty());
}

TEST(AsePalette, RefusesOtherColourModelsAndMalformedFiles) {
  auto cmyk = AsePalette::Parse(
      AseBuilder().Color(u"Ok", "RGB ", {1, 1, 1}).Color(u"Process Cyan", "CMYK", {1, 0, 0, 0}).Bytes(), "x");
  ASSERT_FALSE(cmyk);
  EXPECT_NE(cmyk.Error().find("colour 'Process Cyan' (block 2) is CMYK"), std::string::npos) << cmyk.Error();
  auto lab = AsePalette::Parse(AseBuilder().Color(u"L", "LAB ", {50, 0, 0}).Bytes(), "x");
  ASSERT_FALSE(lab);
  EXPECT_NE(lab.Error().find("is LAB"), std::string::npos) << lab.Error();

  const auto good = AseBuilder().Group(u"G").Color(u"A", "RGB ", {1, 0, 0}).End().Bytes();
  auto truncated = good;
  truncated.resize(truncated.size() - 8);
  auto long_block = good;
  long_block[15] += 4;  // the group start's length
  // Colour 'A', RGB 1 0 0, normal kind, and two bytes after it.
  const std::vector<uint8_t> kTwoBytesLong = {0, 2, 0, 'A', 0, 0, 'R', 'G', 'B', ' ', 0x3F, 0x80, 0,
                                              0, 0, 0, 0,   0, 0, 0,   0,   0,   0,   2,    0xAB, 0xCD};
  struct Case {
    std::vector<uint8_t> bytes;
    const char* error;
  };
  for (const Case& c : {Case{{'A', 'S', 'E'}, "does not start with 'ASEF'"},
                        Case{AseBuilder().Color(u"A", "RGB ", {1, 0, 0}).Bytes(5), "more than it holds"},
                        Case{truncated, "runs past the end"}, Case{long_block, "block 1"},
                        Case{AseBuilder().Color(u"A", "HSB ", {1, 0, 0}).Bytes(), "'HSB ' is not known"},
                        Case{AseBuilder().Color(u"A", "RGB ", {1, 0}).Bytes(), "cut short"},
                        Case{AseBuilder().Color(u"A", "RGB ", {1, 0, 0, 0}).Bytes(), "bytes more than its content"},
                        Case{AseBuilder().Block(0x0001, kTwoBytesLong).Bytes(), "2 bytes more than its content"},
                        Case{AseBuilder().Color(u"N", "RGB ", {1, NAN, 0}).Bytes(), "not a number"},
                        Case{AseBuilder().Group(u"A").Group(u"B").Bytes(), "starts inside group 'A'"},
                        Case{AseBuilder().End().Bytes(), "never started"},
                        Case{AseBuilder().Group(u"A").End().Bytes(), "no colours"}}) {
    auto read = AsePalette::Parse(c.bytes, "x");
    ASSERT_FALSE(read) << c.error;
    EXPECT_NE(read.Error().find(c.error), std::string::npos) << read.Error();
  }
}

// Arbitrary doubles go out and come back at 8 bits (GPL) and float32 (ASE).
TEST(PaletteRoundTrip, EachFormatKeepsItsOwnPrecision) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  Palette p;
  p.groups = {{"First", {}}, {"Second \xE2\x9C\x93", {}}};
  for (auto& g : p.groups) {
    for (int i = 0; i < 300; ++i) g.colors.push_back({unit(rng), unit(rng), unit(rng), ""});
    g.colors.push_back({0.0, 1.0, 0.5, ""});
  }
  auto ase = AsePalette::Parse(AsePalette::Write(p), "x");
  ASSERT_TRUE(ase) << ase.Error();
  ASSERT_EQ(ase->groups.size(), 2u);
  EXPECT_EQ(ase->groups[1].name, p.groups[1].name);
  auto gpl = GplPalette::Parse(GplPalette::Write(p.groups[1]), "x");
  ASSERT_TRUE(gpl) << gpl.Error();
  EXPECT_EQ(gpl->groups[0].name, p.groups[1].name);
  for (size_t g = 0; g < 2; ++g) {
    ASSERT_EQ(ase->groups[g].colors.size(), p.groups[g].colors.size());
    for (size_t i = 0; i < p.groups[g].colors.size(); ++i) {
      const auto& want = p.groups[g].colors[i];
      const auto& got = ase->groups[g].colors[i];
      EXPECT_EQ(got.red, static_cast<float>(want.red));
      EXPECT_EQ(got.green, static_cast<float>(want.green));
      EXPECT_EQ(got.blue, static_cast<float>(want.blue));
      if (g == 1) {
        const auto& eight = gpl->groups[0].colors[i];
        EXPECT_EQ(eight.red, std::floor(want.red * 255 + 0.5) / 255);
        EXPECT_EQ(eight.blue, std::floor(want.blue * 255 + 0.5) / 255);
      }
    }
  }
  // What came back is already at the format's precision: a second trip changes nothing.
  EXPECT_EQ(AsePalette::Write(ase.Value()), AsePalette::Write(*AsePalette::Parse(AsePalette::Write(ase.Value()), "x")));
  EXPECT_EQ(GplPalette::Write(gpl->groups[0]),
            GplPalette::Write(GplPalette::Parse(GplPalette::Write(gpl->groups[0]), "x")->groups[0]));
}

}  // namespace
}  // namespace host

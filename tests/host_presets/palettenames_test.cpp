// Colour names that come in with a palette go out with it again: they are
// kept in the preset's item file beside the module's data, survive what the
// library does to an item and a chooser's Save Preset over it (for the
// colours still there), follow a single exported group, and names damaged on
// disk are named as such, export nothing and are never saved over, nor is an
// item damaged anywhere else that an import replaces.
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "hostprocess.h"
#include "presets/asepalette.h"
#include "presets/colornamecarry.h"
#include "presets/gplpalette.h"
#include "presets/presetitemcodec.h"
#include "presets/presetlibrary.h"
#include "tempfolder.h"

namespace host {
namespace {

constexpr const char* kSixteen =
    "GIMP Palette\n"
    "Name: Harbour\n"
    "Columns: 4\n"
    "#\n"
    "  0   0   0\tBlack\n"
    "255 255 255\tWhite\n"
    "200  30  40\tSignal Red\n"
    " 20  60 160\tDeep Sea\n"
    "240 140  30\tMarigold\n"
    " 30 140  60\tMoss\n"
    "250 210  60\tMustard\n"
    "120 200 230\tSky Blue\n"
    "128 128 128\n"
    " 90  40 120\tAubergine\n"
    "255 192 203\tRosé\n"
    " 10  30  70\tNavy  (night)\n"
    "200 180 150\tSand\n"
    " 60  60  60\tCharcoal\n"
    "160  82  45\tRust #2\n"
    "  1   2   3\tAlmost Black\n";

std::vector<std::string> NamesOf(const PaletteGroup& g) {
  std::vector<std::string> names;
  for (const auto& c : g.colors) names.push_back(c.name);
  return names;
}

class PaletteNamesTest : public ::testing::Test {
 protected:
  // The copies of a damaged item kept beside it.
  static std::vector<std::filesystem::path> SetAside(const std::filesystem::path& item) {
    std::vector<std::filesystem::path> aside;
    for (const auto& f : std::filesystem::directory_iterator(item.parent_path()))
      if (f.path().filename().string().starts_with(item.filename().string() + ".damaged-")) aside.push_back(f.path());
    return aside;
  }
  HostRun Presets(const std::string& args, bool withErrors = true) {
    return RunHost("presets " + args + " --module " + std::string(GXA_MODULE_PATH) + " --home " + home.Path().string(),
                   withErrors);
  }
  std::string File(const std::string& name) { return (home / name).string(); }
  Palette ReadGpl(const std::string& name) {
    const auto bytes = TempFolder::ReadBytes(home / name);
    auto p = GplPalette::Parse(std::string(bytes.begin(), bytes.end()), "x");
    EXPECT_TRUE(p) << p.Error();
    return p ? p.Value() : Palette{};
  }
  Palette ReadAse(const std::string& name) {
    auto p = AsePalette::Parse(TempFolder::ReadBytes(home / name), "x");
    EXPECT_TRUE(p) << p.Error();
    return p ? p.Value() : Palette{};
  }
  std::filesystem::path ItemFile(const std::string& name) {
    return home / ("data/gxa-host/user.libvx/Color Swatches/" + name + ".gxp");
  }

  TempFolder home;
};

TEST_F(PaletteNamesTest, ANamedGimpPaletteComesBackWithEveryNameInEitherFormat) {
  TempFolder::WriteText(home / "harbour.gpl", kSixteen);
  const Palette in = GplPalette::Parse(kSixteen, "x").Value();
  ASSERT_EQ(in.groups[0].colors.size(), 16u);
  ASSERT_EQ(Presets("import " + File("harbour.gpl")).status, 0);
  const std::string url = "'preset:/user.libvx/Color Swatches/Harbour'";

  ASSERT_EQ(Presets("export " + url + " " + File("out.gpl")).status, 0);
  const Palette gpl = ReadGpl("out.gpl");
  ASSERT_EQ(gpl.groups.size(), 1u);
  // The unnamed ninth colour goes out under its hex text, as before.
  std::vector<std::string> want = NamesOf(in.groups[0]);
  want[8] = "#808080";
  EXPECT_EQ(NamesOf(gpl.groups[0]), want);
  for (size_t i = 0; i < 16; ++i) EXPECT_EQ(gpl.groups[0].colors[i].red, in.groups[0].colors[i].red) << i;

  ASSERT_EQ(Presets("export " + url + " " + File("out.ase")).status, 0);
  EXPECT_EQ(NamesOf(ReadAse("out.ase").groups.at(0)), want);

  auto shown = Presets("show " + url + " --json", false);
  ASSERT_EQ(shown.status, 0) << shown.out;
  const auto names = nlohmann::json::parse(shown.out)["groups"][0]["color_names"];
  ASSERT_EQ(names.size(), 16u);
  EXPECT_EQ(names[10], "Rosé");
  EXPECT_EQ(names[8], "");
}

TEST_F(PaletteNamesTest, OneGroupOfAnAsePaletteGoesOutAloneWithItsNames) {
  Palette two;
  two.groups = {{"Warm", {{0.9, 0.2, 0.1, "Ember"}, {0.95, 0.6, 0.1, "Amber"}}},
                {"Cold", {{0.1, 0.2, 0.6, "Cobalt"}, {0.5, 0.5, 0.5, ""}, {0.2, 0.7, 0.8, "Lagoon"}}}};
  TempFolder::WriteBytes(home / "two.ase", AsePalette::Write(two));
  ASSERT_EQ(Presets("import " + File("two.ase") + " --name Seasons").status, 0);
  const std::string url = "'preset:/user.libvx/Color Swatches/Seasons'";
  auto shown = Presets("show " + url + " --json", false);
  ASSERT_EQ(shown.status, 0) << shown.out;
  const auto groups = nlohmann::json::parse(shown.out)["groups"];
  ASSERT_EQ(groups.size(), 2u);
  const std::string second = groups[1]["name"];

  ASSERT_EQ(Presets("export " + url + " " + File("all.ase")).status, 0);
  const Palette all = ReadAse("all.ase");
  ASSERT_EQ(all.groups.size(), 2u);
  EXPECT_EQ(NamesOf(all.groups[0]), (std::vector<std::string>{"Ember", "Amber"}));

  auto one = Presets("export " + url + " " + File("cold.ase") + " --group '" + second + "'");
  ASSERT_EQ(one.status, 0) << one.out;
  const Palette cold = ReadAse("cold.ase");
  ASSERT_EQ(cold.groups.size(), 1u);
  EXPECT_EQ(cold.groups[0].name, second);
  EXPECT_EQ(NamesOf(cold.groups[0]), (std::vector<std::string>{"Cobalt", "#808080", "Lagoon"}));
  // A GIMP palette of one group needs no joining, so no note.
  auto gpl = Presets("export " + url + " " + File("cold.gpl") + " --group '" + second + "'");
  ASSERT_EQ(gpl.status, 0) << gpl.out;
  EXPECT_EQ(gpl.out.find("joined"), std::string::npos) << gpl.out;
  EXPECT_EQ(ReadGpl("cold.gpl").groups[0].colors.size(), 3u);

  auto unknown = Presets("export " + url + " " + File("none.ase") + " --group Nowhere");
  EXPECT_EQ(unknown.status, 1);
  EXPECT_NE(unknown.out.find("has no group named 'Nowhere' (its groups: '"), std::string::npos) << unknown.out;
  EXPECT_FALSE(std::filesystem::exists(home / "none.ase"));
  auto empty = Presets("export " + url + " " + File("none.ase") + " --group ''");
  EXPECT_EQ(empty.status, 2) << empty.out;
  EXPECT_FALSE(std::filesystem::exists(home / "none.ase"));
}

TEST_F(PaletteNamesTest, NamesStayThroughANewTextARenameAndAnImportOverThemBringsTheFilesOwn) {
  TempFolder::WriteText(home / "harbour.gpl", kSixteen);
  ASSERT_EQ(Presets("import " + File("harbour.gpl")).status, 0);
  PresetLibrary lib(home / "data/gxa-host");
  const auto url = PresetUrl::Parse("preset:/user.libvx/Color Swatches/Harbour").Value();
  ASSERT_TRUE(lib.SetText(url, "a harbour at dusk"));
  ASSERT_TRUE(lib.Rename(url, "Dusk"));
  ASSERT_EQ(Presets("export 'preset:/user.libvx/Color Swatches/Dusk' " + File("dusk.gpl")).status, 0);
  EXPECT_EQ(ReadGpl("dusk.gpl").groups[0].colors[2].name, "Signal Red");

  // A nameless palette imported over it: no stale names, not even for the colour both hold.
  TempFolder::WriteText(home / "plain.gpl", "GIMP Palette\n200 30 40\n1 2 3\n");
  ASSERT_EQ(Presets("import " + File("plain.gpl") + " --name Dusk --overwrite").status, 0);
  ASSERT_EQ(Presets("export 'preset:/user.libvx/Color Swatches/Dusk' " + File("plain-out.gpl")).status, 0);
  EXPECT_EQ(NamesOf(ReadGpl("plain-out.gpl").groups[0]), (std::vector<std::string>{"#C81E28", "#010203"}));
  // An item without names keeps the first version of the file, which older hosts read.
  EXPECT_EQ(TempFolder::ReadBytes(ItemFile("Dusk"))[4], PresetItemCodec::kFormatVersion);
}

// A chooser's Save Preset over Harbour, as a user does it, with the new colour
// (a green) in the chooser's colour field. load: the preset is first loaded
// into the document swatches; change: then its third swatch is deleted and
// the green dropped in its place; without load the green is the one group.
nlohmann::json SaveOverHarbourScenario(bool load, bool change) {
  using nlohmann::json;
  const json area = "0x3F10005";
  json steps = {{{"do", "open"}, {"id", "c"}, {"value", {0.1, 0.7, 0.3}}}};
  if (load) {
    steps.push_back({{"do", "answer"}, {"text", "Harbour"}});
    steps.push_back({{"do", "click"}, {"id", "c"}, {"gadget", "0x3F10006"}});
  }
  if (change) {
    // Group names off: the global group's row, then the document group's from y 21.
    steps.push_back({{"do", "click"}, {"id", "c"}, {"gadget", area}, {"x", 38}, {"y", 28}});
    steps.push_back({{"do", "answer"}, {"yes", true}});
    steps.push_back({{"do", "click"}, {"id", "c"}, {"gadget", "0x3F10004"}});
  }
  if (change || !load) {
    json onto = {{"id", "c"}, {"gadget", area}};
    if (change) onto.update({{"x", 33}, {"y", 28}});
    steps.push_back({{"do", "drag"}, {"id", "c"}, {"gadget", "0x3E80002"}, {"onto", onto}});
  }
  steps.push_back({{"do", "answer"}, {"text", "Harbour"}});
  steps.push_back({{"do", "answer"}, {"yes", true}});
  steps.push_back({{"do", "click"}, {"id", "c"}, {"gadget", "0x3F10007"}});
  return {{"prefs", {{"1116", true}, {"1117", false}}}, {"steps", steps}};
}

class ChooserStoreTest : public PaletteNamesTest {
 protected:
  nlohmann::json SaveOverHarbour(bool load, bool change) {
    TempFolder::WriteText(home / "store.json", SaveOverHarbourScenario(load, change).dump());
    auto r = RunHost("run " + File("store.json") + " --module " + std::string(GXA_MODULE_PATH) + " --home " +
                     home.Path().string());
    EXPECT_EQ(r.status, 0) << r.out;
    auto transcript = nlohmann::json::parse(r.out, nullptr, false);
    EXPECT_FALSE(transcript.is_discarded()) << r.out;
    for (const auto& e : transcript["events"]) EXPECT_NE(e.value("outcome", ""), "unanswered") << e;
    return transcript;
  }
  Palette Exported() {
    auto r = Presets("export 'preset:/user.libvx/Color Swatches/Harbour' " + File("out.gpl"));
    EXPECT_EQ(r.status, 0) << r.out;
    return ReadGpl("out.gpl");
  }
};

TEST_F(ChooserStoreTest, APresetStoredAgainFromAChooserKeepsTheNamesOfTheColoursItStillHolds) {
  TempFolder::WriteText(home / "harbour.gpl", kSixteen);
  ASSERT_EQ(Presets("import " + File("harbour.gpl")).status, 0);
  std::vector<std::string> want = NamesOf(GplPalette::Parse(kSixteen, "x")->groups[0]);
  want[8] = "#808080";

  SaveOverHarbour(true, false);
  EXPECT_EQ(NamesOf(Exported().groups.at(0)), want);

  SaveOverHarbour(true, true);
  const Palette changed = Exported();
  // The green took Signal Red's place and has no name of its own.
  want[2] = "#1AB34D";
  EXPECT_EQ(NamesOf(changed.groups.at(0)), want);
  EXPECT_EQ(changed.groups[0].colors[2], (PaletteColor{26 / 255.0, 179 / 255.0, 77 / 255.0, "#1AB34D"}));
}

// Rewrites the names that follow the thumbnail and makes both checksums true again.
std::vector<uint8_t> WithRawNames(const std::vector<uint8_t>& file, const std::vector<uint8_t>& names) {
  auto layout = PresetItemCodec::ReadHeader(file, file.size());
  EXPECT_TRUE(layout) << layout.Error();
  const size_t kept = layout->header_end + layout->header.data_size + layout->thumbnail_stored;
  std::vector<uint8_t> out(file.begin(), file.begin() + ptrdiff_t(kept));
  out.insert(out.end(), names.begin(), names.end());
  auto crc = [](const uint8_t* p, size_t n) { return uint32_t(crc32(0, p, uInt(n))); };
  const uint32_t c = crc(out.data() + layout->header_end, out.size() - layout->header_end);
  for (int i = 0; i < 4; ++i) out.push_back(uint8_t(c >> (8 * i)));
  // The header records the names' size just before its checksum.
  const size_t size_at = layout->header_end - 4 - 8;
  for (int i = 0; i < 8; ++i) out[size_at + size_t(i)] = uint8_t(uint64_t(names.size()) >> (8 * i));
  const uint32_t h = crc(out.data(), layout->header_end - 4);
  for (int i = 0; i < 4; ++i) out[layout->header_end - 4 + size_t(i)] = uint8_t(h >> (8 * i));
  return out;
}

TEST_F(PaletteNamesTest, DamagedNamesAreNamedAndNothingIsExportedOrChanged) {
  TempFolder::WriteText(home / "harbour.gpl", kSixteen);
  ASSERT_EQ(Presets("import " + File("harbour.gpl")).status, 0);
  const auto file = ItemFile("Harbour");
  const auto good = TempFolder::ReadBytes(file);
  ASSERT_EQ(good[4], PresetItemCodec::kNamesVersion);
  const auto names = ColorNamesCodec::Write({{"Black", "White"}});

  struct Case {
    std::vector<uint8_t> names;
    const char* says;
  };
  auto bad_utf8 = names;
  bad_utf8[bad_utf8.size() - 2] = 0xFF;
  auto too_many = names;
  too_many[0] = 0xFF;
  auto cut = names;
  cut.pop_back();
  auto trailing = names;
  trailing.push_back(0);
  for (const Case& c :
       {Case{bad_utf8, "group 1, colour 2: the name is not UTF-8"}, Case{too_many, "255 groups in too few bytes"},
        Case{cut, "group 1, colour 2: the name runs past the end"},
        Case{trailing, "something after the last group (1 bytes)"}}) {
    const auto damaged = WithRawNames(good, c.names);
    TempFolder::WriteBytes(file, damaged);
    const std::string url = "'preset:/user.libvx/Color Swatches/Harbour'";
    for (const std::string& args : {"export " + url + " " + File("out.gpl"), "show " + url, "apply " + url}) {
      auto r = Presets(args);
      EXPECT_EQ(r.status, 1) << args << "\n" << r.out;
      EXPECT_NE(r.out.find("is damaged: "), std::string::npos) << r.out;
      EXPECT_NE(r.out.find("colour names are damaged: " + std::string(c.says)), std::string::npos) << r.out;
    }
    EXPECT_FALSE(std::filesystem::exists(home / "out.gpl"));
    EXPECT_EQ(TempFolder::ReadBytes(file), damaged);
  }
  // The listing reads headers only and still shows the item.
  EXPECT_NE(Presets("list", false).out.find("Harbour"), std::string::npos);
}

TEST_F(ChooserStoreTest, AStoreOverDamagedNamesKeepsTheDamagedItemAsideAndSaysSo) {
  TempFolder::WriteText(home / "harbour.gpl", kSixteen);
  ASSERT_EQ(Presets("import " + File("harbour.gpl")).status, 0);
  const auto file = ItemFile("Harbour");
  auto names = ColorNamesCodec::Write({{"Black", "White"}});
  names.back() = 0xFF;
  const auto damaged = WithRawNames(TempFolder::ReadBytes(file), names);
  TempFolder::WriteBytes(file, damaged);

  const auto transcript = SaveOverHarbour(false, false);
  std::string notice;
  for (const auto& e : transcript["events"])
    if (e.value("kind", "") == "notice") notice = e.value("text", "");
  EXPECT_NE(
      notice.find(
          "colour names are damaged: group 1, colour 2: the name is not UTF-8; it is kept as Harbour.gxp.damaged-"),
      std::string::npos)
      << transcript.dump();
  const auto aside = SetAside(file);
  ASSERT_EQ(aside.size(), 1u);
  EXPECT_EQ(TempFolder::ReadBytes(aside[0]), damaged);
  EXPECT_EQ(NamesOf(Exported().groups.at(0)), (std::vector<std::string>{"#1AB34D"}));
}

TEST_F(PaletteNamesTest, AnImportOverAnItemDamagedAnywhereKeepsItAsideAndSaysSo) {
  TempFolder::WriteText(home / "harbour.gpl", kSixteen);
  TempFolder::WriteText(home / "dusk.gpl", "GIMP Palette\n10 20 30\tDusk\n");
  ASSERT_EQ(Presets("import " + File("harbour.gpl")).status, 0);
  const auto file = ItemFile("Harbour");
  const auto good = TempFolder::ReadBytes(file);
  auto in_data = good;
  in_data[PresetItemCodec::ReadHeader(good, good.size())->header_end + 3] ^= 0x10;
  auto in_header = good;
  in_header[14] ^= 0x40;
  auto names = ColorNamesCodec::Write({{"Black", "White"}});
  names.back() = 0xFF;
  struct Case {
    std::vector<uint8_t> bytes;
    const char* says;
  };
  for (const Case& c :
       {Case{in_data, "the preset item's data does not match its checksum"},
        Case{WithRawNames(good, names), "colour names are damaged: group 1, colour 2: the name is not UTF-8"},
        Case{in_header, "the preset item header does not match its checksum"}}) {
    for (const auto& f : SetAside(file)) std::filesystem::remove(f);
    TempFolder::WriteBytes(file, c.bytes);
    auto r = Presets("import " + File("dusk.gpl") + " --name Harbour --overwrite");
    ASSERT_EQ(r.status, 0) << c.says << "\n" << r.out;
    EXPECT_NE(r.out.find(std::string(c.says) + "; it is kept as Harbour.gxp.damaged-"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(", and the new preset is saved in its place"), std::string::npos) << r.out;
    const auto aside = SetAside(file);
    ASSERT_EQ(aside.size(), 1u) << c.says;
    EXPECT_EQ(TempFolder::ReadBytes(aside[0]), c.bytes) << c.says;
    auto shown = Presets("show 'preset:/user.libvx/Color Swatches/Harbour' --json", false);
    ASSERT_EQ(shown.status, 0) << shown.out;
    const auto group = nlohmann::json::parse(shown.out)["groups"][0];
    EXPECT_EQ(group["colors"], nlohmann::json({"#0A141E"})) << c.says;
    EXPECT_EQ(group["color_names"], nlohmann::json({"Dusk"})) << c.says;
  }
}

TEST(ColorNameCarry, MovedSwatchesKeepTheirNamesEachNameOnceAndOnlyInTheirGroup) {
  const PaletteColor red{1, 0, 0, "Red"}, red2{1, 0, 0, "Second Red"}, blue{0, 0, 1, "Blue"}, grey{.5, .5, .5, ""};
  Palette before;
  before.groups = {{"a", {red, blue, red2, grey}}, {"b", {blue}}};
  Palette now;
  // Reordered, a new green, a third red, a red in a group that had none, a new group.
  now.groups = {{"a", {blue, {0, 1, 0, ""}, red, grey, red, red}}, {"b", {red, blue}}, {"c", {blue}}};
  EXPECT_EQ(ColorNameCarry::Match(before, now),
            (ColorNames{{"Blue", "", "Second Red", "", "Red", ""}, {"", "Blue"}, {""}}));
}

TEST(ColorNamesCodec, NamesRoundTripAndBlankOnesAreNotStored) {
  const ColorNames names = {{"Ember", "", "Rosé"}, {}, {"x"}};
  EXPECT_EQ(ColorNamesCodec::Read(ColorNamesCodec::Write(names)).Value(), names);
  EXPECT_TRUE(ColorNamesCodec::IsBlank({{"", ""}, {}}));
  EXPECT_FALSE(ColorNamesCodec::IsBlank(names));

  PresetItem item;
  item.header.type = 1032074;
  item.data = {1, 2, 3};
  item.color_names = {{"", ""}};
  const auto plain = PresetItemCodec::Write(item);
  EXPECT_EQ(plain[4], PresetItemCodec::kFormatVersion);
  EXPECT_TRUE(PresetItemCodec::Read(plain)->color_names.empty());
  // Names added later keep the data byte for byte, and a new text keeps the names.
  auto named = PresetItemCodec::WithColorNames(plain, names);
  ASSERT_TRUE(named) << named.Error();
  auto texted = PresetItemCodec::WithText(named.Value(), "text");
  ASSERT_TRUE(texted) << texted.Error();
  auto read = PresetItemCodec::Read(texted.Value());
  ASSERT_TRUE(read) << read.Error();
  EXPECT_EQ(read->color_names, names);
  EXPECT_EQ(read->data, item.data);
  EXPECT_EQ(read->header.text, "text");
  // A name too long is cut between characters, still UTF-8.
  std::string accents;
  while (accents.size() < ColorNamesCodec::kMaxName + 10) accents += "é";
  auto cutBack = ColorNamesCodec::Read(ColorNamesCodec::Write({{"a" + accents}}));
  ASSERT_TRUE(cutBack) << cutBack.Error();
  EXPECT_LE(cutBack->at(0).at(0).size(), ColorNamesCodec::kMaxName);
  EXPECT_EQ(cutBack->at(0).at(0).back(), '\xA9');
}

}  // namespace
}  // namespace host

// Palettes made from pictures with `gxa-host presets extract`, and the colour
// names an exported palette is given with the perceptual colour tools on,
// seen through the real host and the module's swatch presets.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "core/hostpaths.h"
#include "core/worldpreferences.h"
#include "hostprocess.h"
#include "presets/gplpalette.h"
#include "raster/bitmap.h"
#include "raster/imagecodec.h"
#include "tempfolder.h"

namespace host {
namespace {

struct Band {
  uint8_t r, g, b;
  int rows;
};

class PictureExtractTest : public ::testing::Test {
 protected:
  HostRun Presets(const std::string& args, bool withErrors = true) {
    return RunHost("presets " + args + " --module " + std::string(GXA_MODULE_PATH) + " --home " + home.Path().string(),
                   withErrors);
  }
  std::string File(const std::string& name) { return (home / name).string(); }

  // Bands of colour, every component moved by up to +-noise levels by a
  // fixed sequence, saved as a PNG.
  std::string Picture(const std::string& name, const std::vector<Band>& bands, int noise) {
    int height = 0;
    for (const Band& b : bands) height += b.rows;
    Bitmap bitmap(64, height);
    uint32_t state = 99;
    auto jitter = [&](int v) {
      state = state * 1664525u + 1013904223u;
      return static_cast<uint8_t>(std::clamp(v + int((state >> 16) % (2 * noise + 1)) - noise, 0, 255));
    };
    int y = 0;
    for (const Band& b : bands) {
      for (int i = 0; i < b.rows; ++i, ++y) {
        for (int x = 0; x < 64; ++x) bitmap.SetPixel(x, y, {jitter(b.r), jitter(b.g), jitter(b.b), 255});
      }
    }
    std::string error;
    EXPECT_TRUE(ImageCodec::SavePngFile(bitmap, home / name, error)) << error;
    return File(name);
  }

  // The hex colours of a preset's only group, as `show` reports them.
  std::vector<std::string> Colours(const std::string& url) {
    auto shown = Presets("show '" + url + "' --json", false);
    EXPECT_EQ(shown.status, 0) << shown.out;
    const auto j = nlohmann::json::parse(shown.out, nullptr, false);
    if (!j.contains("groups") || j["groups"].size() != 1) {
      ADD_FAILURE() << shown.out;
      return {};
    }
    return j["groups"][0]["colors"].get<std::vector<std::string>>();
  }

  bool LibraryIsEmpty() {
    auto listed = Presets("list --json", false);
    return nlohmann::json::parse(listed.out, nullptr, false)["items"].empty();
  }

  void PerceptualTools(bool on) {
    const auto file = HostPaths::Resolve(home.Path())->PreferencesFile();
    std::filesystem::create_directories(file.parent_path());
    WorldPreferences prefs(file);
    prefs.Data().SetBool(WorldPreferences::kPerceptualTools, on);
    ASSERT_TRUE(prefs.Save());
  }

  TempFolder home;
};

void ExpectNear(const std::string& hex, const Band& want, int levels) {
  ASSERT_EQ(hex.size(), 7u) << hex;
  const long v = std::strtol(hex.c_str() + 1, nullptr, 16);
  EXPECT_NEAR((v >> 16) & 0xFF, want.r, levels) << hex;
  EXPECT_NEAR((v >> 8) & 0xFF, want.g, levels) << hex;
  EXPECT_NEAR(v & 0xFF, want.b, levels) << hex;
}

const std::vector<Band> kClusters{{210, 50, 40, 30}, {30, 70, 190, 20}, {240, 220, 110, 10}};

TEST_F(PictureExtractTest, APicturesClustersBecomeOnePresetMostCommonFirst) {
  const std::string picture = Picture("harbour.png", kClusters, 10);
  auto made = Presets("extract " + picture + " --count 3 --json", false);
  ASSERT_EQ(made.status, 0) << made.out;
  const auto info = nlohmann::json::parse(made.out);
  EXPECT_EQ(info["url"], "preset:/user.libvx/Color Swatches/harbour");
  EXPECT_EQ(info["groups"], 1);
  EXPECT_EQ(info["colors"], 3);
  const auto colours = Colours(info["url"]);
  ASSERT_EQ(colours.size(), 3u);
  for (size_t i = 0; i < 3; ++i) ExpectNear(colours[i], kClusters[i], 2);
}

TEST_F(PictureExtractTest, OnePictureAlwaysGivesTheSamePalette) {
  const std::string picture = Picture("noise.png", {{20, 160, 90, 20}, {170, 40, 210, 20}, {250, 245, 235, 20}}, 60);
  ASSERT_EQ(Presets("extract " + picture + " --count 7 --name First").status, 0);
  ASSERT_EQ(Presets("extract " + picture + " --count 7 --name Second").status, 0);
  const auto first = Colours("preset:/user.libvx/Color Swatches/First");
  EXPECT_EQ(first.size(), 7u);
  EXPECT_EQ(Colours("preset:/user.libvx/Color Swatches/Second"), first);
}

TEST_F(PictureExtractTest, APictureOfFewerColoursGivesThemAllWithANote) {
  const std::string picture = Picture("flags.png", kClusters, 0);
  auto made = Presets("extract " + picture + " --count 5 --name Flags");
  ASSERT_EQ(made.status, 0) << made.out;
  EXPECT_NE(made.out.find("only 3 distinct colours"), std::string::npos) << made.out;
  EXPECT_EQ(Colours("preset:/user.libvx/Color Swatches/Flags"),
            (std::vector<std::string>{"#D23228", "#1E46BE", "#F0DC6E"}));
}

TEST_F(PictureExtractTest, ABadCountOrPictureIsRefusedAndStoresNothing) {
  const std::string picture = Picture("ok.png", kClusters, 0);
  for (const std::string count : {"0", "33", "-2", "many"}) {
    auto run = Presets("extract " + picture + " --count " + count);
    EXPECT_EQ(run.status, 2) << count;
    EXPECT_NE(run.out.find("--count"), std::string::npos) << run.out;
  }
  TempFolder::WriteText(home / "notes.png", "these are no pixels");
  auto damaged = Presets("extract " + File("notes.png"));
  EXPECT_EQ(damaged.status, 1);
  EXPECT_NE(damaged.out.find("notes.png"), std::string::npos) << damaged.out;
  auto missing = Presets("extract " + File("gone.jpg"));
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.out.find("gone.jpg"), std::string::npos) << missing.out;
  EXPECT_EQ(Presets("extract").status, 2);
  EXPECT_TRUE(LibraryIsEmpty());
}

// Swatches keep no names; with the perceptual colour tools on an exported
// palette names each colour after the nearest CSS colour, and without them
// the file is what it always was.
TEST_F(PictureExtractTest, ExportedColoursAreNamedOnlyWithThePerceptualTools) {
  TempFolder::WriteText(home / "mix.gpl", "GIMP Palette\nName: Mix\n255 0 0\n100 149 237\n250 128 115\n");
  ASSERT_EQ(Presets("import " + File("mix.gpl")).status, 0);
  const std::string url = "'preset:/user.libvx/Color Swatches/Mix' ";
  ASSERT_EQ(Presets("export " + url + File("plain.gpl")).status, 0);
  PerceptualTools(true);
  ASSERT_EQ(Presets("export " + url + File("named.gpl")).status, 0);
  ASSERT_EQ(Presets("export " + url + File("named.ase")).status, 0);
  PerceptualTools(false);
  ASSERT_EQ(Presets("export " + url + File("off.gpl")).status, 0);

  auto read = [&](const std::string& name) {
    const auto bytes = TempFolder::ReadBytes(home / name);
    return std::string(bytes.begin(), bytes.end());
  };
  EXPECT_NE(read("plain.gpl").find("255   0   0\t#FF0000\n100 149 237\t#6495ED\n250 128 115\t#FA8073\n"),
            std::string::npos)
      << read("plain.gpl");
  EXPECT_EQ(read("off.gpl"), read("plain.gpl"));
  EXPECT_NE(read("named.gpl").find("255   0   0\tred\n100 149 237\tcornflowerblue\n250 128 115\tsalmon\n"),
            std::string::npos)
      << read("named.gpl");
  const std::string ase = read("named.ase");
  const std::u16string salmon = u"salmon";
  std::string wide;
  for (char16_t c : salmon) wide += {'\0', static_cast<char>(c)};
  EXPECT_NE(ase.find(wide), std::string::npos);
}

}  // namespace
}  // namespace host

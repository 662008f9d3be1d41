// `gxa-host presets` as a user runs it: palettes come in as swatch presets
// through the module and go out again the same at each format's precision,
// a preset applied reaches the document file, and bad files or arguments
// are refused with a clear line and change nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

#include "hostprocess.h"
#include "presets/asepalette.h"
#include "presets/gplpalette.h"
#include "tempfolder.h"

namespace host {
namespace {

class PresetsVerbTest : public ::testing::Test {
 protected:
  // The verb, the home folder and the module; extra goes at the end.
  HostRun Presets(const std::string& args, bool withErrors = true) {
    return RunHost("presets " + args + " --module " + std::string(GXA_MODULE_PATH) + " --home " + home.Path().string(),
                   withErrors);
  }
  nlohmann::json ListJson() {
    auto r = Presets("list --json", false);
    EXPECT_EQ(r.status, 0) << r.out;
    return nlohmann::json::parse(r.out, nullptr, false);
  }
  std::string File(const std::string& name) { return (home / name).string(); }

  TempFolder home;
};

Palette Sample() {
  Palette p;
  p.groups = {{"Warm", {{0.9, 0.23, 0.16, ""}, {0.94, 0.55, 0.12, ""}, {0.98, 0.82, 0.235, ""}}},
              {"Cold", {{0.08, 0.24, 0.63, ""}, {0.5, 0.5, 0.5, ""}}}};
  return p;
}

TEST_F(PresetsVerbTest, PalettesComeBackTheSameAtEachFormatsPrecision) {
  TempFolder::WriteBytes(home / "in.ase", AsePalette::Write(Sample()));
  auto imported = Presets("import " + File("in.ase") + " --name 'Two groups' --text 'from a file' --json", false);
  ASSERT_EQ(imported.status, 0) << imported.out;
  const auto info = nlohmann::json::parse(imported.out);
  EXPECT_EQ(info["groups"], 2);
  EXPECT_EQ(info["colors"], 5);
  const std::string url = info["url"];
  EXPECT_EQ(url.rfind("preset:/user.libvx/", 0), 0u) << url;

  const auto listed = ListJson();
  ASSERT_EQ(listed["items"].size(), 1u);
  EXPECT_EQ(listed["items"][0]["url"], url);
  EXPECT_EQ(listed["items"][0]["type"], 1032074);
  EXPECT_EQ(listed["items"][0]["text"], "from a file");

  ASSERT_EQ(Presets("export '" + url + "' " + File("out.ase")).status, 0);
  auto ase = AsePalette::Parse(TempFolder::ReadBytes(home / "out.ase"), "x");
  ASSERT_TRUE(ase) << ase.Error();
  ASSERT_EQ(ase->groups.size(), 2u);
  auto gplRun = Presets("export '" + url + "' " + File("out.gpl"));
  ASSERT_EQ(gplRun.status, 0) << gplRun.out;
  EXPECT_NE(gplRun.out.find("2 groups joined"), std::string::npos) << gplRun.out;
  const auto text = TempFolder::ReadBytes(home / "out.gpl");
  auto gpl = GplPalette::Parse(std::string(text.begin(), text.end()), "x");
  ASSERT_TRUE(gpl) << gpl.Error();
  ASSERT_EQ(gpl->groups[0].colors.size(), 5u);
  const Palette in = Sample();
  size_t n = 0;
  for (size_t g = 0; g < 2; ++g) {
    for (size_t i = 0; i < in.groups[g].colors.size(); ++i, ++n) {
      const PaletteColor& want = in.groups[g].colors[i];
      EXPECT_EQ(ase->groups[g].colors[i].red, static_cast<float>(want.red));
      EXPECT_EQ(ase->groups[g].colors[i].blue, static_cast<float>(want.blue));
      EXPECT_EQ(gpl->groups[0].colors[n].green, std::floor(want.green * 255 + 0.5) / 255);
    }
  }
}

TEST_F(PresetsVerbTest, AGimpPaletteKeepsItsNameAndAnExistingOneIsReplacedOnlyWhenAsked) {
  TempFolder::WriteText(home / "sea.gpl", "GIMP Palette\r\nName: Sea\r\n 20  60 160\tDeep\r\n120 200 230\r\n");
  auto first = Presets("import " + File("sea.gpl"), false);
  ASSERT_EQ(first.status, 0) << first.out;
  EXPECT_EQ(first.out, "preset:/user.libvx/Color Swatches/Sea\n");
  auto again = Presets("import " + File("sea.gpl"));
  EXPECT_EQ(again.status, 1);
  EXPECT_NE(again.out.find("already exists"), std::string::npos) << again.out;
  EXPECT_EQ(Presets("import " + File("sea.gpl") + " --overwrite").status, 0);
  auto shown = Presets("show 'preset:/user.libvx/Color Swatches/Sea'", false);
  ASSERT_EQ(shown.status, 0);
  EXPECT_NE(shown.out.find("group:      Sea (2): #143CA0 #78C8E6"), std::string::npos) << shown.out;
}

TEST_F(PresetsVerbTest, BadPalettesAreRefusedNamingTheFaultAndStoreNothing) {
  TempFolder::WriteText(home / "bad.gpl", "GIMP Palette\n1 2 3\n4 5\n");
  auto gpl = Presets("import " + File("bad.gpl"));
  EXPECT_EQ(gpl.status, 1);
  EXPECT_NE(gpl.out.find("bad.gpl: line 3 '4 5': expected three numbers"), std::string::npos) << gpl.out;

  Palette cmyk = Sample();
  auto bytes = AsePalette::Write(cmyk);
  // The first colour's model becomes CMYK.
  const std::string model = "RGB ";
  auto at = std::search(bytes.begin() + 40, bytes.end(), model.begin(), model.end());
  ASSERT_NE(at, bytes.end());
  std::copy_n("CMYK", 4, at);
  TempFolder::WriteBytes(home / "print.ase", bytes);
  auto ase = Presets("import " + File("print.ase"));
  EXPECT_EQ(ase.status, 1);
  EXPECT_NE(ase.out.find("is CMYK"), std::string::npos) << ase.out;

  auto other = Presets("import " + File("bad.txt"));
  EXPECT_EQ(other.status, 1);
  EXPECT_NE(other.out.find(".gpl (GIMP) or .ase"), std::string::npos) << other.out;
  EXPECT_TRUE(ListJson()["items"].empty());
}

TEST_F(PresetsVerbTest, ApplyAddsThePresetsGroupsToTheDocumentFile) {
  TempFolder::WriteText(home / "sea.gpl", "GIMP Palette\nName: Sea\n20 60 160\n120 200 230\n");
  ASSERT_EQ(Presets("import " + File("sea.gpl")).status, 0);
  auto applied = Presets("apply 'preset:/user.libvx/Color Swatches/Sea' " + File("doc.gxd") + " --json", false);
  ASSERT_EQ(applied.status, 0) << applied.out;
  auto doc = RunHost("doc " + File("doc.gxd"));
  ASSERT_EQ(doc.status, 0) << doc.out;
  EXPECT_NE(doc.out.find("Sea"), std::string::npos) << doc.out;
  auto missing = Presets("apply 'preset:/user.libvx/Color Swatches/Nowhere' " + File("doc2.gxd"));
  EXPECT_EQ(missing.status, 1);
  EXPECT_FALSE(std::filesystem::exists(home / "doc2.gxd"));
}

TEST_F(PresetsVerbTest, ADamagedItemIsWarnedAboutAndTheOthersListed) {
  TempFolder::WriteText(home / "a.gpl", "GIMP Palette\nName: A\n1 2 3\n");
  TempFolder::WriteText(home / "b.gpl", "GIMP Palette\nName: B\n1 2 3\n");
  ASSERT_EQ(Presets("import " + File("a.gpl")).status, 0);
  ASSERT_EQ(Presets("import " + File("b.gpl")).status, 0);
  const auto b = home / "data/gxa-host/user.libvx/Color Swatches/B.gxp";
  auto bytes = TempFolder::ReadBytes(b);
  bytes[20] ^= 0xFF;
  TempFolder::WriteBytes(b, bytes);
  auto listed = Presets("list");
  EXPECT_EQ(listed.status, 0);
  EXPECT_NE(listed.out.find("preset:/user.libvx/Color Swatches/A\t"), std::string::npos) << listed.out;
  EXPECT_NE(listed.out.find("warning: " + b.string()), std::string::npos) << listed.out;
  EXPECT_EQ(TempFolder::ReadBytes(b), bytes);
  auto exported = Presets("export 'preset:/user.libvx/Color Swatches/B' " + File("b.ase"));
  EXPECT_EQ(exported.status, 1);
  EXPECT_FALSE(std::filesystem::exists(home / "b.ase"));
}

TEST_F(PresetsVerbTest, ArgumentsThatMakeNoSenseGiveStatusTwo) {
  for (const char* args : {"", "frob", "show", "show not-a-url", "list a b", "export preset:/user.libvx/a out.txt",
                           "rename preset:/user.libvx/a", "list --bogus"}) {
    auto r = Presets(args);
    EXPECT_EQ(r.status, 2) << args << "\n" << r.out;
    EXPECT_NE(r.out.find("gxa-host presets"), std::string::npos) << args << "\n" << r.out;
  }
}

}  // namespace
}  // namespace host

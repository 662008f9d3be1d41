// What the host prints of hostile palettes and presets: every byte from a
// file or a name stays on its line, escaped; numbers are reported as
// written; a damaged or refused item is named as such, with the reason.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "hostprocess.h"
#include "tempfolder.h"
#include "testpalettes.h"

namespace host {
namespace {

namespace fs = std::filesystem;

class HostileText : public ::testing::Test {
 protected:
  HostRun Presets(const std::string& args) {
    return RunHost("presets " + args + " --module " + std::string(GXA_MODULE_PATH) + " --home " + home.Path().string(),
                   true);
  }
  std::string File(const std::string& name) const { return (home / name).string(); }
  static size_t Lines(const std::string& out) { return size_t(std::count(out.begin(), out.end(), '\n')); }
  static bool HasControl(const std::string& out) {
    return std::any_of(out.begin(), out.end(), [](char c) {
      const auto u = static_cast<unsigned char>(c);
      return (u < 0x20 && c != '\n' && c != '\t') || u == 0x7F;
    });
  }

  TempFolder home;
};

TEST_F(HostileText, ControlBytesFromPalettesAndNamesArePrintedEscapedOnTheirLine) {
  TempFolder::WriteText(home / "bell.gpl", std::string("GIMP Palette\n1 2 \x1b[2J\a\rforged\0cut\n", 34));
  HostRun r = Presets("import " + File("bell.gpl"));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(Lines(r.out), 1u) << r.out;
  EXPECT_FALSE(HasControl(r.out)) << r.out;
  EXPECT_NE(r.out.find("'1 2 \\x1b[2J\\x07\\rforged\\x00cut'"), std::string::npos) << r.out;

  TempFolder::WriteBytes(home / "ink.ase",
                         testpalettes::AseColour(u"ink\ngxa-host presets: forged", "CMYK", {0, 0, 0, 1}));
  r = Presets("import " + File("ink.ase"));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(Lines(r.out), 1u) << r.out;
  EXPECT_NE(r.out.find("colour 'ink\\ngxa-host presets: forged' (block 1) is CMYK"), std::string::npos) << r.out;

  TempFolder::WriteText(home / "Sea.gpl", "GIMP Palette\n20 60 160\n");
  ASSERT_EQ(Presets("import " + File("Sea.gpl")).status, 0);
  ASSERT_EQ(Presets("rename 'preset:/user.libvx/Color Swatches/Sea' \"$(printf 'two\\nlines\\033[31m')\"").status, 0);
  r = Presets("list");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(Lines(r.out), 1u) << r.out;
  EXPECT_FALSE(HasControl(r.out)) << r.out;
  EXPECT_NE(r.out.find("Color Swatches/two\\nlines\\x1b[31m\t"), std::string::npos) << r.out;
}

TEST_F(HostileText, NumbersOutOfRangeAreReportedAsWrittenAndAseComponentsClamped) {
  TempFolder::WriteText(home / "big.gpl", "GIMP Palette\n99999999999999999999 0 0\n");
  HostRun r = Presets("import " + File("big.gpl"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find(": 99999999999999999999 is outside 0..255"), std::string::npos) << r.out;

  TempFolder::WriteBytes(home / "Loud.ase", testpalettes::AseColour(u"loud", "RGB ", {5.0f, -3.0f, 1e30f}));
  ASSERT_EQ(Presets("import " + File("Loud.ase")).status, 0);
  r = Presets("show 'preset:/user.libvx/Color Swatches/Loud' --json");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("#FF00FF"), std::string::npos) << r.out;
  r = Presets("export 'preset:/user.libvx/Color Swatches/Loud' " + File("back.ase"));
  ASSERT_EQ(r.status, 0) << r.out;
  const auto back = TempFolder::ReadBytes(home / "back.ase");
  const std::vector<uint8_t> rgb = {'R', 'G', 'B', ' ', 0x3F, 0x80, 0, 0, 0, 0, 0, 0, 0x3F, 0x80, 0, 0};
  EXPECT_NE(std::search(back.begin(), back.end(), rgb.begin(), rgb.end()), back.end());
}

TEST_F(HostileText, ADamagedOrRefusedItemIsNamedWithItsReason) {
  TempFolder::WriteText(home / "Sea.gpl", "GIMP Palette\n20 60 160\n120 200 230\n");
  ASSERT_EQ(Presets("import " + File("Sea.gpl")).status, 0);
  const std::string url = "'preset:/user.libvx/Color Swatches/Sea'";
  const fs::path item = home / "data/gxa-host/user.libvx/Color Swatches/Sea.gxp";
  auto bytes = TempFolder::ReadBytes(item);
  ASSERT_GT(bytes.size(), 200u);
  bytes[bytes.size() - 100] ^= 0x40;  // in the data or the thumbnail, past the header
  TempFolder::WriteBytes(item, bytes);
  for (const std::string verb : {"show ", "apply "}) {
    const HostRun r = Presets(verb + url);
    EXPECT_EQ(r.status, 1) << verb << r.out;
    EXPECT_NE(r.out.find("Color Swatches/Sea is damaged: " + item.string()), std::string::npos) << r.out;
  }

  HostRun r = Presets("import " + File("Sea.gpl") + " --to 'preset:/source.libvx/Color Swatches'");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("is in the shipped library, which cannot be changed"), std::string::npos) << r.out;
  r = Presets("import " + File("Sea.gpl") + " --name " + std::string(10000, 'n'));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("is too long for a file name"), std::string::npos) << r.out.substr(0, 300);
  EXPECT_LT(r.out.size(), 400u);
}

}  // namespace
}  // namespace host

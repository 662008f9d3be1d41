// The preset library and the palette files under hostile conditions, through
// the real host: racing imports, export targets that are not files, and
// counts that claim more than a file holds. Nothing is lost, nothing hangs,
// and the loser of a race is told why.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <filesystem>

#include "core/compression.h"
#include "core/documentstore.h"
#include "hostprocess.h"
#include "presets/presetlibrary.h"
#include "tempfolder.h"

namespace host {
namespace {

namespace fs = std::filesystem;

class HostilePresets : public ::testing::Test {
 protected:
  std::string Options() const {
    return " --module " + std::string(GXA_MODULE_PATH) + " --home " + home.Path().string();
  }
  HostRun Host(const std::string& args) { return RunHost(args + Options(), true); }
  std::string File(const std::string& name) const { return (home / name).string(); }

  TempFolder home;
};

TEST_F(HostilePresets, OfTwoImportsOfOneNewNameAtOnceExactlyOneWinsAndTheOtherIsToldItExists) {
  TempFolder::WriteText(home / "a/Dusk.gpl", "GIMP Palette\n10 20 30\n");
  TempFolder::WriteText(home / "b/Dusk.gpl", "GIMP Palette\n200 100 50\n40 40 40\n");
  const std::string url = "'preset:/user.libvx/Color Swatches/Dusk'";
  for (int round = 0; round < 6; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const std::string one = std::string(GXA_HOST_EXE) + " presets import " + File("a/Dusk.gpl") + Options();
    const std::string two = std::string(GXA_HOST_EXE) + " presets import " + File("b/Dusk.gpl") + Options();
    const CommandResult both =
        RunShell("(" + one + " >/dev/null 2>&1; echo a$?) & (" + two + " >/dev/null 2>&1; echo b$?) & wait");
    const bool a_won = both.out.find("a0") != std::string::npos, b_won = both.out.find("b0") != std::string::npos;
    EXPECT_NE(a_won, b_won) << both.out;
    const HostRun shown = Host("presets show " + url);
    ASSERT_EQ(shown.status, 0) << shown.out;
    EXPECT_NE(shown.out.find(a_won ? "(1): #0A141E" : "(2): #C86432 #282828"), std::string::npos) << shown.out;
    // The loser, run again, says why.
    const HostRun again = Host("presets import " + File(a_won ? "b/Dusk.gpl" : "a/Dusk.gpl"));
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.out.find("already exists"), std::string::npos) << again.out;
    ASSERT_EQ(Host("presets delete " + url).status, 0);
  }
}

TEST_F(HostilePresets, ExportOntoWhatIsNotARegularFileIsRefusedAndLeavesNothingBehind) {
  TempFolder::WriteText(home / "Sea.gpl", "GIMP Palette\n20 60 160\n");
  ASSERT_EQ(Host("presets import " + File("Sea.gpl")).status, 0);
  const std::string url = " 'preset:/user.libvx/Color Swatches/Sea' ";
  fs::create_directories(home / "out/folder.gpl");
  ASSERT_EQ(::mkfifo(File("out/pipe.ase").c_str(), 0600), 0);
  const std::string kept = "GIMP Palette\n1 2 3\n";
  TempFolder::WriteText(home / "kept.gpl", kept);
  fs::create_symlink(home / "kept.gpl", home / "out/link.gpl");
  const std::vector<std::pair<std::string, std::string>> cases = {{"folder.gpl", "which is a directory"},
                                                                  {"pipe.ase", "which is not a regular file"},
                                                                  {"link.gpl", "which is a symbolic link"}};
  for (const auto& [target, why] : cases) {
    const HostRun r = Host("presets export" + url + File("out/" + target));
    EXPECT_EQ(r.status, 1) << target;
    EXPECT_NE(r.out.find("not replacing " + File("out/" + target) + ", " + why), std::string::npos) << r.out;
  }
  EXPECT_TRUE(fs::is_directory(home / "out/folder.gpl"));
  EXPECT_TRUE(fs::is_fifo(home / "out/pipe.ase"));
  EXPECT_TRUE(fs::is_symlink(home / "out/link.gpl"));
  EXPECT_EQ(TempFolder::ReadBytes(home / "kept.gpl"), std::vector<uint8_t>(kept.begin(), kept.end()));
  for (const auto& e : fs::directory_iterator(home / "out")) {
    EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << e.path();
  }
  // A regular file is replaced, as before.
  TempFolder::WriteText(home / "out/plain.gpl", "old");
  EXPECT_EQ(Host("presets export" + url + File("out/plain.gpl")).status, 0);
  EXPECT_GT(TempFolder::ReadBytes(home / "out/plain.gpl").size(), 3u);
}

TEST_F(HostilePresets, ASwatchGroupCountBeyondTheGroupsStoredCostsNoMoreThanTheGroups) {
  const fs::path doc = home / "data/gxa-host/demo.gxd";
  ASSERT_EQ(Host("call swatchdata CreateGroup 1 Cold 0 0 0.1 0.2 0.9 1").status, 0);
  for (int32_t count : {INT32_MAX, INT32_MAX - 1, -5}) {
    SCOPED_TRACE(count);
    auto opened = DocumentStore::Load(doc);
    ASSERT_TRUE(opened) << opened.Error();
    Container& data = opened->document.Data();
    ASSERT_TRUE(data.GetContainer(1032140) && data.GetContainer(1032140)->GetContainer(2));
    Container swatches = *data.GetContainer(1032140);
    Container document = *swatches.GetContainer(2);
    document.SetInt32(0, count);
    swatches.SetContainer(2, document);
    data.SetContainer(1032140, swatches);
    ASSERT_TRUE(DocumentStore::Save(opened->document, doc));

    const auto start = std::chrono::steady_clock::now();
    const HostRun r = Host("call swatchdata CreateGroup 1 Warm 0 0 1 0.5 0 1");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(r.status, 0) << r.out;
    // Within the count the stored group is read; beyond it, none is.
    EXPECT_EQ(r.out.find("Cold") != std::string::npos, count > 0) << r.out;
    EXPECT_NE(r.out.find("Warm"), std::string::npos) << r.out;
  }
}

TEST_F(HostilePresets, AnItemRecordingMoreThanItsDataCanUnpackToIsRefusedAtOnce) {
  const std::string url = "preset:/user.libvx/Color Swatches/Bomb";
  const std::vector<uint8_t> zeros(size_t{1} << 20);
  auto packed = Compression::Compress(zeros, 9);
  ASSERT_TRUE(packed);
  PresetLibrary library(home / "data/gxa-host");
  for (uint64_t recorded : {(uint64_t{1} << 30) - 1, uint64_t{250} << 20}) {
    SCOPED_TRACE(recorded);
    PresetItem item;
    item.header.type = 1032074;
    item.header.data_kind = 2;
    item.header.uncompressed_size = recorded;
    item.data = packed.Value();
    ASSERT_TRUE(library.Write(PresetUrl::Parse(url).Value(), item, true));
    const auto start = std::chrono::steady_clock::now();
    const HostRun r = Host("presets apply '" + url + "' --debug");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_NE(r.out.find(recorded > (uint64_t{256} << 20) ? "implausible preset size" : "more than the data can hold"),
              std::string::npos)
        << r.out;
    EXPECT_FALSE(fs::exists(home / "data/gxa-host/demo.gxd"));
  }
}

}  // namespace
}  // namespace host

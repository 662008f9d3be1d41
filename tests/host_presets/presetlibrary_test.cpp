// The preset library on disk: items survive a round trip through their files,
// listing reads headers only, and nothing the user has is ever lost to a
// damaged file, a name clash or a careless name.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "presets/presetindex.h"
#include "presets/presetitemcodec.h"
#include "presets/presetlibrary.h"
#include "tempfolder.h"

namespace host {
namespace {

namespace fs = std::filesystem;

PresetItem Item(int32_t type, std::string text, size_t data_size, uint8_t shade = 100) {
  PresetItem item;
  item.header.type = type;
  item.header.text = std::move(text);
  item.header.data_kind = 2;
  item.header.uncompressed_size = data_size * 3;
  for (size_t i = 0; i < data_size; ++i) item.data.push_back(static_cast<uint8_t>(i * 7));
  item.thumbnail.width = 64;
  item.thumbnail.height = 32;
  item.thumbnail.rgb.assign(64 * 32 * 3, shade);
  item.thumbnail.rgb[5] = 200;
  return item;
}

PresetUrl Url(const std::string& text) { return PresetUrl::Parse(text).Value(); }

std::vector<std::string> Names(const PresetListing& l) {
  std::vector<std::string> names;
  for (const auto& e : l.items) names.push_back(e.url.Text());
  return names;
}

class PresetLibraryTest : public ::testing::Test {
 protected:
  TempFolder home;
  PresetLibrary lib{home.Path()};
};

TEST_F(PresetLibraryTest, ItemsRoundTripAndListInNameOrderWithoutTheirData) {
  const PresetItem sunset = Item(1032074, "warm evening", 300);
  ASSERT_TRUE(lib.Write(Url("preset:/user.libvx/Color Swatches/sunset"), sunset, false));
  ASSERT_TRUE(lib.Write(Url("preset:/user.libvx/Color Swatches/Autumn"), Item(1032074, "", 10), false));
  ASSERT_TRUE(lib.Write(Url("preset:/user.libvx/Color Swatches/Deep/Sea"), Item(1032074, "", 10), false));
  ASSERT_TRUE(lib.Write(Url("preset:/user.libvx/Brushes/Round"), Item(42, "", 5), false));

  auto read = lib.Read(Url("preset:/user.libvx/Color Swatches/sunset"));
  ASSERT_TRUE(read) << read.Error();
  EXPECT_EQ(read->data, sunset.data);
  EXPECT_EQ(read->thumbnail, sunset.thumbnail);
  EXPECT_EQ(read->header.text, "warm evening");
  EXPECT_EQ(read->header.uncompressed_size, 900u);
  EXPECT_EQ(read->header.data_kind, 2);

  auto listing = lib.List(Url("preset:/user.libvx/Color Swatches"));
  EXPECT_TRUE(listing.problems.empty());
  EXPECT_EQ(Names(listing), (std::vector<std::string>{"preset:/user.libvx/Color Swatches/Autumn",
                                                      "preset:/user.libvx/Color Swatches/sunset",
                                                      "preset:/user.libvx/Color Swatches/Deep/Sea"}));
  EXPECT_EQ(listing.items[1].header.type, 1032074);
  EXPECT_EQ(listing.items[1].header.text, "warm evening");
  EXPECT_EQ(listing.items[1].header.data_size, 300u);
  EXPECT_EQ(listing.items[1].header.thumbnail_width, 64);
  EXPECT_EQ(lib.List(Url("preset:/user.libvx/Color Swatches"), false).items.size(), 2u);
  EXPECT_EQ(lib.ListAll().items.size(), 4u);
  EXPECT_TRUE(lib.List(Url("preset:/user.libvx/Nowhere")).items.empty());
  EXPECT_TRUE(fs::is_directory(home / "user.libvx/Color Swatches/Deep"));
}

TEST_F(PresetLibraryTest, ThumbnailsOfFlatCellsAreStoredSmall) {
  PresetItem item = Item(1, "", 0);
  item.thumbnail.width = item.thumbnail.height = 512;
  item.thumbnail.rgb.assign(512 * 512 * 3, 100);
  ASSERT_TRUE(lib.Write(Url("preset:/user.libvx/big"), item, false));
  EXPECT_LT(fs::file_size(home / "user.libvx/big.gxp"), 8000u);
  EXPECT_EQ(lib.Read(Url("preset:/user.libvx/big"))->thumbnail, item.thumbnail);
  // Without a thumbnail the pixels stay unread.
  EXPECT_TRUE(lib.Read(Url("preset:/user.libvx/big"), false)->thumbnail.rgb.empty());
}

TEST_F(PresetLibraryTest, AnExistingItemIsReplacedOnlyWhenAskedAndItsPreviousVersionKept) {
  const auto url = Url("preset:/user.libvx/Color Swatches/Mine");
  ASSERT_TRUE(lib.Write(url, Item(1, "first", 4), false));
  auto again = lib.Write(url, Item(1, "second", 4), false);
  ASSERT_FALSE(again);
  EXPECT_NE(again.Error().find("already exists"), std::string::npos) << again.Error();
  EXPECT_EQ(lib.Read(url)->header.text, "first");

  ASSERT_TRUE(lib.Write(url, Item(1, "second", 4), true));
  EXPECT_EQ(lib.Read(url)->header.text, "second");
  EXPECT_TRUE(fs::exists(home / "user.libvx/Color Swatches/Mine.gxp.bak"));
  ASSERT_TRUE(lib.SetText(url, "third"));
  EXPECT_EQ(lib.Find(url)->header.text, "third");
  // Backups are not items.
  EXPECT_EQ(lib.List(url.Parent()).items.size(), 1u);
}

TEST_F(PresetLibraryTest, ASaveCutShortLeavesATemporaryThatTheNextListingRemoves) {
  const PresetUrl url = Url("preset:/user.libvx/Color Swatches/Dusk");
  ASSERT_TRUE(lib.Write(url, Item(1032074, "", 10), false));
  const fs::path item = url.ItemPath(home.Path());
  // A pid that was just in use and is gone now, and one alive for sure (ours).
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ASSERT_GT(child, 0);
  ::waitpid(child, nullptr, 0);
  const fs::path dead = item.string() + ".tmp-" + std::to_string(child);
  const fs::path alive = item.string() + ".tmp-" + std::to_string(::getpid());
  const fs::path lookalike = item.parent_path() / "notes.tmp-12x";
  for (const auto& f : {dead, alive, lookalike}) TempFolder::WriteText(f, "half");

  const PresetListing listing = lib.List(Url("preset:/user.libvx"));
  EXPECT_EQ(Names(listing), std::vector<std::string>{url.Text()});
  EXPECT_TRUE(listing.problems.empty());
  EXPECT_FALSE(fs::exists(dead));
  EXPECT_TRUE(fs::exists(alive));
  EXPECT_TRUE(fs::exists(lookalike));
  EXPECT_TRUE(fs::exists(item));
}

TEST_F(PresetLibraryTest, ADamagedItemIsReportedSkippedAndKept) {
  ASSERT_TRUE(lib.Write(Url("preset:/user.libvx/A"), Item(1, "", 50), false));
  ASSERT_TRUE(lib.Write(Url("preset:/user.libvx/B"), Item(1, "", 50), false));
  ASSERT_TRUE(lib.Write(Url("preset:/user.libvx/C"), Item(1, "", 50), false));
  const fs::path b = home / "user.libvx/B.gxp";
  auto bytes = TempFolder::ReadBytes(b);
  bytes[14] ^= 0x40;  // inside the header
  TempFolder::WriteBytes(b, bytes);
  TempFolder::WriteText(home / "user.libvx/Empty.gxp", "");

  auto listing = lib.List(Url("preset:/user.libvx"));
  EXPECT_EQ(Names(listing), (std::vector<std::string>{"preset:/user.libvx/A", "preset:/user.libvx/C"}));
  ASSERT_EQ(listing.problems.size(), 2u);
  EXPECT_NE(listing.problems[0].find("B.gxp"), std::string::npos) << listing.problems[0];
  EXPECT_NE(listing.problems[0].find("checksum"), std::string::npos) << listing.problems[0];
  EXPECT_EQ(TempFolder::ReadBytes(b), bytes);

  // Without overwrite the damaged item still counts as there.
  EXPECT_FALSE(lib.Write(Url("preset:/user.libvx/B"), Item(1, "new", 5), false));
  auto written = lib.Write(Url("preset:/user.libvx/B"), Item(1, "new", 5), true);
  ASSERT_TRUE(written) << written.Error();
  EXPECT_NE(written->find("B.gxp: the preset item header does not match its checksum; it is kept as B.gxp.damaged-"),
            std::string::npos)
      << *written;
  EXPECT_EQ(lib.Read(Url("preset:/user.libvx/B"))->header.text, "new");
  bool kept = false;
  for (const auto& f : fs::directory_iterator(home / "user.libvx")) {
    if (f.path().filename().string().starts_with("B.gxp.damaged-")) kept = TempFolder::ReadBytes(f.path()) == bytes;
  }
  EXPECT_TRUE(kept);
}

TEST_F(PresetLibraryTest, AnItemThatIsNotARegularFileIsRefusedWithoutBlocking) {
  ASSERT_TRUE(lib.Write(Url("preset:/user.libvx/A"), Item(1, "", 50), false));
  ASSERT_EQ(::mkfifo((home / "user.libvx/Pipe.gxp").c_str(), 0600), 0);
  fs::create_directory(home / "user.libvx/Folder.gxp");

  auto listing = lib.List(Url("preset:/user.libvx"));
  EXPECT_EQ(Names(listing), (std::vector<std::string>{"preset:/user.libvx/A"}));
  auto pipe = lib.Read(Url("preset:/user.libvx/Pipe"));
  ASSERT_FALSE(pipe);
  EXPECT_NE(pipe.Error().find("Pipe"), std::string::npos) << pipe.Error();
  EXPECT_TRUE(fs::is_fifo(home / "user.libvx/Pipe.gxp"));
}

// Listing keeps an index of what it read; it must never show an item as it
// was before it changed, nor trust an index that is itself damaged.
TEST_F(PresetLibraryTest, TheListingIndexFollowsEveryChange) {
  const auto a = Url("preset:/user.libvx/F/A"), b = Url("preset:/user.libvx/F/B");
  ASSERT_TRUE(lib.Write(a, Item(1, "first", 4), false));
  ASSERT_TRUE(lib.Write(b, Item(1, "b", 4), false));
  ASSERT_EQ(lib.List(Url("preset:/user.libvx")).items.size(), 2u);
  const fs::path index = home / "user.libvx" / PresetIndex::kFileName;
  ASSERT_TRUE(fs::exists(index));

  ASSERT_TRUE(lib.Write(a, Item(1, "second", 4), true));
  ASSERT_TRUE(lib.Remove(b));
  auto listing = lib.List(Url("preset:/user.libvx"));
  ASSERT_EQ(listing.items.size(), 1u);
  EXPECT_EQ(listing.items[0].header.text, "second");

  // Damage in place (same size) is seen, as the file's time changed.
  const fs::path file = home / "user.libvx/F/A.gxp";
  auto bytes = TempFolder::ReadBytes(file);
  bytes[13] ^= 0x10;
  TempFolder::WriteBytes(file, bytes);
  fs::last_write_time(file, fs::last_write_time(file) + std::chrono::seconds(1));
  listing = lib.List(Url("preset:/user.libvx/F"));
  EXPECT_TRUE(listing.items.empty());
  EXPECT_EQ(listing.problems.size(), 1u);

  ASSERT_TRUE(lib.Write(a, Item(1, "third", 4), true));
  TempFolder::WriteText(index, "not an index");
  listing = lib.List(Url("preset:/user.libvx"));
  ASSERT_EQ(listing.items.size(), 1u);
  EXPECT_EQ(listing.items[0].header.text, "third");
  EXPECT_TRUE(listing.problems.empty());
  EXPECT_TRUE(PresetIndex::Read(TempFolder::ReadBytes(index)));
}

TEST_F(PresetLibraryTest, ANewTextKeepsDataAndThumbnailAndIsRefusedOnADamagedItem) {
  const auto url = Url("preset:/user.libvx/Color Swatches/Texts");
  const PresetItem item = Item(1032074, "old", 120, 77);
  ASSERT_TRUE(lib.Write(url, item, false));
  const auto before = TempFolder::ReadBytes(url.ItemPath(home.Path()));
  const std::string longer(5000, 'x');  // past what one listing read takes in
  ASSERT_TRUE(lib.SetText(url, longer));
  auto read = lib.Read(url);
  ASSERT_TRUE(read) << read.Error();
  EXPECT_EQ(read->header.text, longer);
  EXPECT_EQ(read->data, item.data);
  EXPECT_EQ(read->thumbnail, item.thumbnail);
  EXPECT_EQ(lib.List(url.Parent()).items.at(0).header.text, longer);
  // The stored data and thumbnail are the same bytes, only moved by the header.
  const auto after = TempFolder::ReadBytes(url.ItemPath(home.Path()));
  EXPECT_EQ(after.size(), before.size() + longer.size() - 3);
  EXPECT_TRUE(std::equal(before.end() - 120, before.end(), after.end() - 120));

  auto damaged = after;
  damaged[damaged.size() - 40] ^= 0x10;
  TempFolder::WriteBytes(url.ItemPath(home.Path()), damaged);
  auto refused = lib.SetText(url, "new");
  ASSERT_FALSE(refused);
  EXPECT_NE(refused.Error().find("damaged"), std::string::npos) << refused.Error();
  EXPECT_EQ(TempFolder::ReadBytes(url.ItemPath(home.Path())), damaged);
}

TEST_F(PresetLibraryTest, DamagedDataIsFoundWhenTheItemIsRead) {
  const auto url = Url("preset:/user.libvx/A");
  ASSERT_TRUE(lib.Write(url, Item(1, "", 50), false));
  auto bytes = TempFolder::ReadBytes(home / "user.libvx/A.gxp");
  bytes[bytes.size() - 30] ^= 1;
  TempFolder::WriteBytes(home / "user.libvx/A.gxp", bytes);
  auto read = lib.Read(url);
  ASSERT_FALSE(read);
  EXPECT_NE(read.Error().find("preset:/user.libvx/A is damaged"), std::string::npos) << read.Error();
  EXPECT_NE(read.Error().find("checksum"), std::string::npos) << read.Error();
}

TEST_F(PresetLibraryTest, RenameAndRemoveKeepOtherItems) {
  const auto a = Url("preset:/user.libvx/F/A"), b = Url("preset:/user.libvx/F/B");
  ASSERT_TRUE(lib.Write(a, Item(1, "a", 3), false));
  ASSERT_TRUE(lib.Write(b, Item(1, "b", 3), false));
  auto clash = lib.Rename(a, "B");
  ASSERT_FALSE(clash);
  EXPECT_NE(clash.Error().find("already exists"), std::string::npos);
  EXPECT_EQ(lib.Read(b)->header.text, "b");
  EXPECT_FALSE(lib.Rename(a, "x/y"));
  EXPECT_FALSE(lib.Rename(a, ""));

  ASSERT_TRUE(lib.Rename(a, "C"));
  EXPECT_FALSE(lib.Exists(a));
  EXPECT_EQ(lib.Read(a.WithName("C"))->header.text, "a");
  ASSERT_TRUE(lib.Remove(b));
  EXPECT_FALSE(lib.Remove(b));
  EXPECT_EQ(Names(lib.List(a.Parent())), (std::vector<std::string>{"preset:/user.libvx/F/C"}));
}

TEST_F(PresetLibraryTest, TheShippedLibraryCannotBeChangedFromTheHost) {
  PresetLibrary tool(home.Path(), true);
  const auto url = Url("preset:/source.libvx/Color Swatches/Basics");
  ASSERT_TRUE(tool.Write(url, Item(1, "", 3), false));
  EXPECT_EQ(lib.ListAll().items.size(), 1u);
  EXPECT_EQ(lib.Libraries(), (std::vector<std::string>{"source.libvx", "user.libvx"}));
  for (const std::string& error :
       {lib.Write(url, Item(1, "", 3), true).Error(), lib.Rename(url, "X").Error(), lib.Remove(url).Error()}) {
    EXPECT_NE(error.find("shipped library"), std::string::npos) << error;
  }
  EXPECT_TRUE(lib.Exists(url));
}

TEST(PresetUrl, AnyNameStaysInsideItsFolderAndComesBack) {
  TempFolder home;
  PresetLibrary lib(home.Path());
  for (std::string name :
       {"..", ".hidden", "a/b", "50% grey", "back\\slash", "tab\there", "end.", "end ", "Ünïcödé ✓", "x.gxp"}) {
    SCOPED_TRACE(name);
    const auto url = PresetUrl::Of("user.libvx", {"F", name});
    const fs::path file = url.ItemPath(home.Path());
    EXPECT_EQ(file.parent_path(), home / "user.libvx/F");
    ASSERT_TRUE(lib.Write(url, Item(1, name, 2), false));
    EXPECT_EQ(lib.Read(url)->header.text, name);
  }
  auto listing = lib.List(PresetUrl::Of("user.libvx", {"F"}));
  EXPECT_TRUE(listing.problems.empty());
  EXPECT_EQ(listing.items.size(), 10u);
}

TEST(PresetUrl, ParsesLibraryFoldersAndName) {
  auto url = PresetUrl::Parse("preset:/user.libvx/Color Swatches/My Preset");
  ASSERT_TRUE(url);
  EXPECT_EQ(url->Library(), "user.libvx");
  EXPECT_EQ(url->Path(), (std::vector<std::string>{"Color Swatches", "My Preset"}));
  EXPECT_EQ(url->Text(), "preset:/user.libvx/Color Swatches/My Preset");
  EXPECT_TRUE(PresetUrl::Parse("preset:/user.libvx/")->IsLibrary());
  for (const char* bad : {"user.libvx/a", "preset:/", "preset:/notalib/a", "preset:/user.libvx//a", "preset:/.libvx"}) {
    EXPECT_FALSE(PresetUrl::Parse(bad)) << bad;
  }
}

}  // namespace
}  // namespace host

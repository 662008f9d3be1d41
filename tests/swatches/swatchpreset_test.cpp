// Swatch presets through the swatch data library and the host's preset
// library on disk: what is stored, what reads back, what is refused.
#include <zlib.h>

#include "core/containercodec.h"
#include "presets/presetfamily.h"
#include "presets/presetlibrary.h"
#include "swatchfixture.h"

namespace {

class SwatchPresetTest : public SwatchTest {
 protected:
  GxaSwatchData* WithDocumentGroups(const std::vector<std::vector<Rgba>>& groups) {
    GxaSwatchData* d = Load();
    for (size_t i = 0; i < groups.size(); ++i)
      data_->create_group(d, kDocument, ("G" + std::to_string(i)).c_str(), false, int32_t(i),
                          groups[i].empty() ? nullptr : groups[i][0].data(), int32_t(groups[i].size()));
    return d;
  }

  std::string Folder() {
    std::string text(size_t(data_->default_folder(nullptr, 0)) + 1, '\0');
    data_->default_folder(text.data(), text.size());
    text.pop_back();
    return text;
  }

  host::PresetLibrary Library() { return host::PresetLibrary(host_->Paths()->DataDir()); }
  host::PresetUrl Url(const std::string& text) { return host::PresetUrl::Parse(text).Value(); }

  static std::vector<Rgba> Ramp(size_t n) {
    std::vector<Rgba> colors;
    for (size_t i = 0; i < n; ++i) colors.push_back({double(i % 256) / 255.0, double(i / 256) / 4.0, 0.5, 1});
    return colors;
  }

  // An item written the way another version of the module might have stored it.
  void StoreRaw(const std::string& url, const host::Container& collection, int32_t kind, int64_t raw_delta = 0) {
    std::vector<uint8_t> stream = host::ContainerCodec::Write(collection).Value();
    host::PresetItem item;
    item.header.type = 1032074;
    item.header.data_kind = kind;
    item.header.uncompressed_size = uint64_t(int64_t(stream.size()) + raw_delta);
    if (kind == 0) {
      item.data = stream;
    } else {
      uLongf size = compressBound(uLong(stream.size()));
      item.data.resize(size);
      ASSERT_EQ(compress2(item.data.data(), &size, stream.data(), uLong(stream.size()), 6), Z_OK);
      item.data.resize(size);
    }
    ASSERT_TRUE(Library().Write(Url(url), item, false));
  }
};

TEST_F(SwatchPresetTest, RegistersWithTheBrowserUnlessTheApplicationHasNone) {
  EXPECT_NE(host_->Registrations().Presets().Find(1032074), nullptr);
  EXPECT_EQ(Folder(), "preset:/user.libvx/Color Swatches");
  host_->UnloadModule();
  EXPECT_EQ(host_->Registrations().Presets().Find(1032074), nullptr);

  host_->SetApplicationType(8);
  auto again = host_->LoadModule(GXA_MODULE_PATH);
  ASSERT_TRUE(again && again->Started());
  EXPECT_EQ(host_->Registrations().Presets().Find(1032074), nullptr);
  EXPECT_TRUE(host_->Diag().ModuleLines().empty());
}

TEST_F(SwatchPresetTest, SavedPresetsReadBackThroughEveryCompressionKind) {
  GxaSwatchData* d = WithDocumentGroups({Ramp(3), {{0.1, 0.2, 0.3, 0.4}}});
  ASSERT_TRUE(data_->save_preset_by_name(d, "Pair", "two groups", false));
  const std::string url = Folder() + "/Pair";
  auto stored = Library().Find(Url(url));
  ASSERT_TRUE(stored) << stored.Error();
  EXPECT_EQ(stored->header.data_kind, 2);
  EXPECT_EQ(stored->header.type, 1032074);
  EXPECT_EQ(stored->header.text, "two groups");

  // The same collection stored plain and as kind 1 reads back alike.
  GxaSwatchData* saved = Load();
  ASSERT_TRUE(data_->save(d, Doc(), false));
  const host::Container written = *DocData().GetContainer(1032140)->GetContainer(2);
  StoreRaw(Folder() + "/Plain", written, 0);
  StoreRaw(Folder() + "/Deflated", written, 1);
  for (const char* name : {"Pair", "Plain", "Deflated"}) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(data_->load_preset_by_name(saved, name, false));
    ASSERT_EQ(data_->group_count(saved, kDocument), 2);
    EXPECT_EQ(Colors(data_->group_at(saved, 0, kDocument)), Ramp(3));
    EXPECT_EQ(Colors(data_->group_at(saved, 1, kDocument)), (std::vector<Rgba>{{0.1, 0.2, 0.3, 0.4}}));
    // Renamed after the item, and selected so that the user sees what came in.
    EXPECT_EQ(Name(data_->group_at(saved, 1, kDocument)), std::string(name) + "_Group.2");
    EXPECT_TRUE(group_->is_group_selected(data_->group_at(saved, 0, kDocument)));
  }
}

TEST_F(SwatchPresetTest, DataThatDoesNotDecompressToItsSizeIsRefused) {
  GxaSwatchData* d = WithDocumentGroups({Ramp(2)});
  ASSERT_TRUE(data_->save(d, Doc(), false));
  const host::Container written = *DocData().GetContainer(1032140)->GetContainer(2);
  StoreRaw(Folder() + "/Short", written, 2, +7);
  StoreRaw(Folder() + "/Stored", written, 0, -1);
  const auto before = TempFolder::ReadBytes(Library().Find(Url(Folder() + "/Short"))->file);
  EXPECT_FALSE(data_->load_preset_by_name(d, "Short", true));
  EXPECT_FALSE(data_->load_preset_by_name(d, "Stored", true));
  EXPECT_EQ(data_->group_count(d, kDocument), 1);
  EXPECT_EQ(TempFolder::ReadBytes(Library().Find(Url(Folder() + "/Short"))->file), before);
}

TEST_F(SwatchPresetTest, SavingNeedsSwatchesAndRespectsExistingNames) {
  GxaSwatchData* empty = WithDocumentGroups({{}, {}});
  EXPECT_FALSE(data_->save_preset_by_name(empty, "Nothing", nullptr, false));
  EXPECT_FALSE(Library().Exists(Url(Folder() + "/Nothing")));
  EXPECT_FALSE(data_->save_preset_by_name(empty, "", nullptr, true));

  GxaSwatchData* one = WithDocumentGroups({Ramp(1)});
  ASSERT_TRUE(data_->save_preset_by_name(one, "a/b\\c:d*e?f\"g<h>i|j", nullptr, false));
  const std::string safe = Folder() + "/a_b_c_d_e_f_g_h_i_j";
  EXPECT_TRUE(data_->is_swatch_preset(safe.c_str()));
  const auto first = TempFolder::ReadBytes(Library().Find(Url(safe))->file);

  GxaSwatchData* other = WithDocumentGroups({Ramp(5)});
  EXPECT_FALSE(data_->save_preset_by_url(other, safe.c_str(), nullptr, false));
  EXPECT_EQ(TempFolder::ReadBytes(Library().Find(Url(safe))->file), first);
  EXPECT_TRUE(data_->save_preset_by_url(other, safe.c_str(), nullptr, true));
  EXPECT_NE(TempFolder::ReadBytes(Library().Find(Url(safe))->file), first);

  std::string list(size_t(data_->list_presets(nullptr, 0)) + 1, '\0');
  data_->list_presets(list.data(), list.size());
  EXPECT_EQ(list.substr(0, list.size() - 1), safe + "\n");
  EXPECT_FALSE(data_->is_swatch_preset((Folder() + "/none").c_str()));
}

TEST_F(SwatchPresetTest, ThumbnailsDrawOneCellPerColourOnAGrid) {
  GxaSwatchData* three = WithDocumentGroups({{{1, 0, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1}}});
  ASSERT_TRUE(data_->save_preset_by_name(three, "Three", nullptr, false));
  auto item = Library().Read(Url(Folder() + "/Three"));
  ASSERT_TRUE(item) << item.Error();
  const auto& t = item->thumbnail;
  ASSERT_EQ(t.width, 512);
  ASSERT_EQ(t.height, 512);
  auto px = [&](int x, int y) {
    const uint8_t* p = &t.rgb[(size_t(y) * 512 + size_t(x)) * 3];
    return std::array<int, 3>{p[0], p[1], p[2]};
  };
  EXPECT_EQ(px(128, 128), (std::array<int, 3>{255, 0, 0}));
  EXPECT_EQ(px(384, 128), (std::array<int, 3>{0, 255, 0}));
  EXPECT_EQ(px(128, 384), (std::array<int, 3>{0, 0, 255}));
  EXPECT_EQ(px(384, 384), (std::array<int, 3>{100, 100, 100}));

  GxaSwatchData* many = WithDocumentGroups({Ramp(250), Ramp(250)});
  ASSERT_TRUE(data_->save_preset_by_name(many, "Many", nullptr, false));
  auto big = Library().Read(Url(Folder() + "/Many"));
  ASSERT_TRUE(big);
  const auto& b = big->thumbnail;
  auto cell = [&](int i) {
    const int x = (i % 20) * 25 + 12, y = (i / 20) * 25 + 12;
    const uint8_t* p = &b.rgb[(size_t(y) * 512 + size_t(x)) * 3];
    return std::array<int, 3>{p[0], p[1], p[2]};
  };
  // Cell 399 holds colour 399 (the 150th of the second group); the rest is cut off.
  EXPECT_EQ(cell(0), (std::array<int, 3>{0, 0, 128}));
  EXPECT_EQ(cell(399), (std::array<int, 3>{149, 0, 128}));
  EXPECT_EQ(b.rgb[(size_t(511) * 512 + 511) * 3], 100);
}

TEST_F(SwatchPresetTest, ApplyingFromTheBrowserAddsSelectedGroupsAndTellsTheChoosers) {
  GxaSwatchData* d = WithDocumentGroups({Ramp(4)});
  ASSERT_TRUE(data_->save_preset_by_name(d, "Dusk", nullptr, false));
  ASSERT_TRUE(data_->save(d, Doc(), true));
  const size_t events = host_->Events().History().size();
  auto applied = host::PresetFamily::Apply(*host_, Folder() + "/Dusk");
  ASSERT_TRUE(applied) << applied.Error();
  GxaSwatchData* after = Load();
  ASSERT_EQ(data_->group_count(after, kDocument), 2);
  EXPECT_FALSE(group_->is_group_selected(data_->group_at(after, 0, kDocument)));
  EXPECT_TRUE(group_->is_group_selected(data_->group_at(after, 1, kDocument)));
  EXPECT_EQ(Name(data_->group_at(after, 1, kDocument)), "Dusk");
  ASSERT_GT(host_->Events().History().size(), events);
  EXPECT_EQ(host_->Events().History().back().arg1, 66125833);

  EXPECT_FALSE(host::PresetFamily::Apply(*host_, Folder() + "/Missing"));
}

TEST_F(SwatchPresetTest, MergingAPresetLeavesOnlyItsGroupsSelected) {
  GxaSwatchData* d = WithDocumentGroups({Ramp(2), Ramp(3)});
  ASSERT_TRUE(data_->save_preset_by_name(d, "Dawn", nullptr, false));
  // The document and the global groups that were there are selected...
  data_->create_group(d, kGlobal, "Mine", true, 0, Ramp(1)[0].data(), 1);
  for (int g = 0; g < 2; ++g) group_->select_group(data_->group_at(d, g, kDocument), true);
  ASSERT_TRUE(data_->save(d, Doc(), true));
  // Selected flags of a collection's groups, in order.
  auto selected = [&](GxaSwatchData* data, int32_t collection) {
    std::vector<bool> flags;
    for (int g = 0; g < data_->group_count(data, collection); ++g)
      flags.push_back(group_->is_group_selected(data_->group_at(data, g, collection)));
    return flags;
  };
  const std::vector<bool> no_global(size_t(data_->group_count(d, kGlobal)), false);
  const std::vector<bool> only_merged = {false, false, true, true};
  // ... until the preset merges in, through the library by name or address...
  GxaSwatchData* by_name = Load();
  ASSERT_TRUE(data_->load_preset_by_name(by_name, "Dawn", true));
  EXPECT_EQ(selected(by_name, kDocument), only_merged);
  EXPECT_EQ(selected(by_name, kGlobal), no_global);
  GxaSwatchData* by_url = Load();
  ASSERT_TRUE(data_->load_preset_by_url(by_url, (Folder() + "/Dawn").c_str(), true));
  EXPECT_EQ(selected(by_url, kDocument), only_merged);
  EXPECT_EQ(selected(by_url, kGlobal), no_global);
  // ... or from the browser.
  ASSERT_TRUE(host::PresetFamily::Apply(*host_, Folder() + "/Dawn"));
  GxaSwatchData* applied = Load();
  EXPECT_EQ(selected(applied, kDocument), only_merged);
  EXPECT_EQ(selected(applied, kGlobal), no_global);
  // Loading without merging replaces the document's groups.
  GxaSwatchData* replaced = Load();
  ASSERT_TRUE(data_->load_preset_by_name(replaced, "Dawn", false));
  EXPECT_EQ(selected(replaced, kDocument), (std::vector<bool>{true, true}));
  EXPECT_EQ(Colors(data_->group_at(replaced, 1, kDocument)), Ramp(3));
}

}  // namespace

// The swatch model as other modules see it through the swatch libraries:
// what stored containers read as, where the collections live, and the
// operations on groups and collections.
#include "swatchfixture.h"

namespace {

host::Container Group(const std::string& name, std::vector<uint8_t> records) {
  host::Container g;
  g.SetString(0, name);
  g.SetBool(1, false);
  g.Set(2, host::Value::ByteArray(std::move(records)));
  return g;
}

TEST_F(SwatchTest, StoredGroupsReadAsFarAsTheirRecordsGo) {
  host::Container forty = Group("Forty", Records({{0.25, 0.5, 0.75, 1}}, 8));
  host::Container short31 = Group("Short", std::vector<uint8_t>(31, 0x3f));
  host::Container alphaMismatch = Group("Alphas", Records({{1, 0, 0, 1}, {0, 1, 0, 1}}));
  alphaMismatch.Set(3, host::Value::ByteArray(Doubles({0.5, 0.25, 0.125})));
  host::Container alphaMatch = Group("Alphas2", Records({{1, 0, 0, 1}, {0, 1, 0, 1}}));
  alphaMatch.Set(3, host::Value::ByteArray(Doubles({0.5, 0.25})));
  host::Container blank = Group("   \t", Records({{0, 0, 0, 1}}));
  PutDocumentCollection(Collection({forty, short31, alphaMismatch, alphaMatch, blank}));

  GxaSwatchData* d = Load(false);
  ASSERT_EQ(data_->group_count(d, kDocument), 5);
  EXPECT_EQ(Colors(data_->group_at(d, 0, kDocument)), (std::vector<Rgba>{{0.25, 0.5, 0.75, 1}}));
  EXPECT_TRUE(Colors(data_->group_at(d, 1, kDocument)).empty());
  EXPECT_EQ(Colors(data_->group_at(d, 2, kDocument)), (std::vector<Rgba>{{1, 0, 0, 1}, {0, 1, 0, 1}}));
  EXPECT_EQ(Colors(data_->group_at(d, 3, kDocument)), (std::vector<Rgba>{{1, 0, 0, 0.5}, {0, 1, 0, 0.25}}));
  EXPECT_EQ(Name(data_->group_at(d, 4, kDocument)), "Color Group");
  // Without the global collection asked for, the preferences stay untouched.
  EXPECT_FALSE(Prefs().Has(1127));
}

TEST_F(SwatchTest, DefaultGlobalSwatchesAreWrittenOnceAndReadBack) {
  ASSERT_FALSE(Prefs().Has(1127));
  GxaSwatchData* first = Load();
  ASSERT_EQ(data_->group_count(first, kGlobal), 1);
  const std::vector<Rgba> defaults = Colors(data_->group_at(first, 0, kGlobal));
  ASSERT_EQ(defaults.size(), 14u);
  EXPECT_EQ(defaults[10], (Rgba{89 / 255.0, 97 / 255.0, 105 / 255.0, 1.0}));
  ASSERT_TRUE(Prefs().Has(1127));

  // The next load reads the preference, so a change to it is what comes back.
  ASSERT_TRUE(group_->remove_colors(data_->group_at(first, 0, kGlobal), 0, 4));
  ASSERT_TRUE(data_->save(first, nullptr, true));
  GxaSwatchData* second = Load();
  EXPECT_EQ(Colors(data_->group_at(second, 0, kGlobal)).size(), 10u);
}

TEST_F(SwatchTest, LegacySingleGroupPreferenceBecomesTheOnlyGlobalGroup) {
  host::Container legacy;
  legacy.SetString(0, "Old");
  legacy.SetInt32(1, 0);
  legacy.Set(2, host::Value::ByteArray(Records({{0.1, 0.2, 0.3, 1}, {0.4, 0.5, 0.6, 1}})));
  Prefs().SetContainer(1127, legacy);
  GxaSwatchData* d = Load();
  ASSERT_EQ(data_->group_count(d, kGlobal), 1);
  EXPECT_EQ(Name(data_->group_at(d, 0, kGlobal)), "Old");
  EXPECT_EQ(Colors(data_->group_at(d, 0, kGlobal)).size(), 2u);
}

TEST_F(SwatchTest, SavingWritesTheStoredLayoutAndTellsTheChoosers) {
  GxaSwatchData* d = Load();
  const double rgba[] = {1, 0.5, 0, 0.25, 0, 0, 1, 1};
  ASSERT_NE(data_->create_group(d, kDocument, "Warm", true, 0, rgba, 2), nullptr);
  const size_t eventsBefore = host_->Events().History().size();
  ASSERT_TRUE(data_->save(d, Doc(), true));

  const host::Container* swatches = DocData().GetContainer(1032140);
  ASSERT_NE(swatches, nullptr);
  const host::Container* collection = swatches->GetContainer(2);
  ASSERT_NE(collection, nullptr);
  EXPECT_EQ(collection->GetInt32(0), 1);
  const host::Container* group = collection->GetContainer(1);
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->GetString(0), "Warm");
  EXPECT_TRUE(group->GetBool(1));
  const auto* records = group->Find(2)->AsBytes();
  ASSERT_NE(records, nullptr);
  ASSERT_EQ(records->size(), 64u);
  double green = 0;
  std::memcpy(&green, records->data() + 8, 8);
  EXPECT_EQ(green, 0.5);
  EXPECT_EQ((*records)[24], 1);
  EXPECT_EQ(group->Find(3)->AsBytes()->size(), 16u);

  const auto& events = host_->Events().History();
  ASSERT_GT(events.size(), eventsBefore);
  EXPECT_EQ(events.back().id, 1000492);
  EXPECT_EQ(events.back().arg1, 66125833);
  EXPECT_EQ(events.back().arg2, 0);
}

TEST_F(SwatchTest, CollectionIndexTwoIsRefused) {
  GxaSwatchData* d = Load();
  EXPECT_FALSE(data_->remove_group(d, 0, 2));
  EXPECT_EQ(data_->group_count(d, 2), 0);
  EXPECT_EQ(data_->group_at(d, 0, 2), nullptr);
  EXPECT_EQ(data_->create_group(d, 2, "x", false, 0, nullptr, 0), nullptr);
  GxaSwatchGroup* g = group_->alloc("x", false, nullptr, 0);
  EXPECT_FALSE(data_->insert_group(d, g, 0, 2));
  EXPECT_FALSE(data_->set_group_at(d, 0, g, 2));
  group_->free(&g);
  EXPECT_EQ(g, nullptr);
  // A group index past the end is refused too, and changes nothing.
  EXPECT_FALSE(data_->remove_group(d, 1, kGlobal));
  EXPECT_EQ(data_->group_count(d, kGlobal), 1);
  EXPECT_EQ(data_->create_group(d, kDocument, "x", false, 1, nullptr, 0), nullptr);
}

TEST_F(SwatchTest, RemovingSelectionTakesWholeGroupsAndSingleSwatches) {
  GxaSwatchData* d = Load();
  const double two[] = {1, 0, 0, 1, 0, 1, 0, 1};
  GxaSwatchGroup* whole = data_->create_group(d, kDocument, "Whole", true, 0, two, 2);
  ASSERT_NE(whole, nullptr);
  GxaSwatchGroup* global = data_->group_at(d, 0, kGlobal);
  ASSERT_TRUE(group_->set_color_selected(global, 3, true));
  EXPECT_TRUE(data_->remove_selected(d));
  EXPECT_EQ(data_->group_count(d, kDocument), 0);
  EXPECT_EQ(Colors(data_->group_at(d, 0, kGlobal)).size(), 13u);
  EXPECT_FALSE(data_->remove_selected(d));
}

TEST_F(SwatchTest, MergeAndCopyAreDeep) {
  GxaSwatchData* a = Load();
  GxaSwatchData* b = Load();
  const double red[] = {1, 0, 0, 1};
  ASSERT_NE(data_->create_group(b, kDocument, "Red", false, 0, red, 1), nullptr);
  ASSERT_TRUE(data_->merge(a, b, true));
  EXPECT_EQ(data_->group_count(a, kGlobal), 2);
  EXPECT_EQ(data_->group_count(a, kDocument), 1);
  // Changing the source afterwards leaves the copy alone.
  group_->reset(data_->group_at(b, 0, kDocument));
  EXPECT_EQ(Colors(data_->group_at(a, 0, kDocument)).size(), 1u);
  ASSERT_TRUE(data_->copy_from(a, b));
  EXPECT_EQ(data_->group_count(a, kGlobal), 1);
  EXPECT_TRUE(Colors(data_->group_at(a, 0, kDocument)).empty());
  EXPECT_FALSE(data_->merge(a, nullptr, true));
  EXPECT_FALSE(data_->reload(a, nullptr, false, false));
}

}  // namespace

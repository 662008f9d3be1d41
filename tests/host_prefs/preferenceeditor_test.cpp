// Preferences changed as the Preferences window changes them: checked,
// stored, saved to disk and announced.
#include <gtest/gtest.h>

#include <fstream>

#include "automation/temphome.h"
#include "color/colorprofile.h"
#include "prefs/preferencecatalog.h"
#include "prefs/preferenceeditor.h"

namespace host {
namespace {

class PreferenceEditorTest : public ::testing::Test {
 protected:
  PreferenceEditorTest()
      : home_(std::move(TempHome::Create().Value())),
        file_(home_.Path() / "prefs.gxs"),
        prefs_(file_),
        editor_(prefs_, [this](const PreferenceItem& item) { announced_.push_back(item.id); }) {}

  const PreferenceItem& Item(int32_t id) { return *PreferenceCatalog::Find(id); }
  WorldPreferences Reloaded() const { return WorldPreferences(file_); }

  TempHome home_;
  std::filesystem::path file_;
  WorldPreferences prefs_;
  PreferenceEditor editor_;
  std::vector<int32_t> announced_;
};

TEST_F(PreferenceEditorTest, ChangesAreStoredSavedAndAnnounced) {
  ASSERT_TRUE(editor_.Apply(Item(WorldPreferences::kColorUnit), Value::Int32(2)));
  ASSERT_TRUE(editor_.Apply(Item(WorldPreferences::kShowKelvin), Value::Bool(true)));
  EXPECT_EQ(prefs_.Data().GetInt32(WorldPreferences::kColorUnit), 2);
  EXPECT_EQ(Reloaded().Data().GetInt32(WorldPreferences::kColorUnit), 2);
  EXPECT_TRUE(Reloaded().Data().GetBool(WorldPreferences::kShowKelvin));
  EXPECT_EQ(announced_, (std::vector<int32_t>{WorldPreferences::kColorUnit, WorldPreferences::kShowKelvin}));
  EXPECT_EQ(editor_.Current(Item(WorldPreferences::kColorUnit)), Value::Int32(2));
}

TEST_F(PreferenceEditorTest, BadValuesChangeNothing) {
  const Container before = prefs_.Data();
  auto wrongType = editor_.Apply(Item(WorldPreferences::kShowHsv), Value::String("yes"));
  EXPECT_FALSE(wrongType);
  auto notOffered = editor_.Apply(Item(WorldPreferences::kWheelMode), Value::Int32(7));
  ASSERT_FALSE(notOffered);
  EXPECT_NE(notOffered.Error().find("Picture area"), std::string::npos) << notOffered.Error();
  auto badProfile = editor_.Apply(Item(WorldPreferences::kDisplayProfile), Value::String(file_.string() + ".none"));
  EXPECT_FALSE(badProfile);
  EXPECT_TRUE(announced_.empty());
  EXPECT_EQ(prefs_.Data().GetInt32(WorldPreferences::kWheelMode), before.GetInt32(WorldPreferences::kWheelMode));
  EXPECT_FALSE(std::filesystem::exists(file_));
}

TEST_F(PreferenceEditorTest, DisplayProfileLoadsFromAFileAndEmptyMeansSrgb) {
  const auto icc = home_.Path() / "display.icc";
  {
    const std::vector<uint8_t> bytes = ColorProfile::Srgb().ToBytes();
    std::ofstream(icc, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }
  const PreferenceItem& item = Item(WorldPreferences::kDisplayProfile);
  ASSERT_TRUE(editor_.Apply(item, Value::File(Filename(icc.string()))));
  const Value::ProfilePtr* stored = prefs_.Data().Find(item.id)->AsProfile();
  ASSERT_TRUE(stored && *stored);
  EXPECT_TRUE((*stored)->IsValid());
  EXPECT_EQ(*editor_.Current(item).AsString(), icc.string());
  // The profile itself is saved, not just its file name.
  const WorldPreferences saved = Reloaded();
  const Value* reloaded = saved.Data().Find(item.id);
  ASSERT_TRUE(reloaded && reloaded->AsProfile() && *reloaded->AsProfile());

  ASSERT_TRUE(editor_.Apply(item, Value::String("")));
  EXPECT_EQ(*prefs_.Data().Find(item.id)->AsProfile(), nullptr);
}

TEST_F(PreferenceEditorTest, RestoreDefaultsPutsEveryItemBack) {
  ASSERT_TRUE(editor_.Apply(Item(WorldPreferences::kTheme), Value::Int32(1)));
  ASSERT_TRUE(editor_.Apply(Item(WorldPreferences::kSpectrumSize), Value::Int32(2)));
  announced_.clear();
  ASSERT_TRUE(editor_.RestoreDefaults());
  const Container defaults = WorldPreferences::Defaults();
  for (const PreferenceItem& item : PreferenceCatalog::Items()) {
    EXPECT_EQ(*prefs_.Data().Find(item.id), *defaults.Find(item.id)) << item.label;
  }
  EXPECT_EQ(announced_.size(), PreferenceCatalog::Items().size());
  EXPECT_EQ(Reloaded().Data().GetInt32(WorldPreferences::kSpectrumSize),
            defaults.GetInt32(WorldPreferences::kSpectrumSize));
}

TEST(PreferenceCatalogTest, EveryChoiceIsAValueTheDefaultsUse) {
  // The defaults must be something the window can show.
  const Container defaults = WorldPreferences::Defaults();
  for (const PreferenceItem& item : PreferenceCatalog::Items()) {
    ASSERT_NE(defaults.Find(item.id), nullptr) << item.label;
    if (item.kind != PreferenceItem::Kind::Choice) continue;
    const int32_t d = defaults.GetInt32(item.id);
    bool offered = false;
    for (const auto& c : item.choices) offered = offered || c.value == d;
    EXPECT_TRUE(offered) << item.label;
  }
}

}  // namespace
}  // namespace host

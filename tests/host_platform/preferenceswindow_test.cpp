// The Preferences window over the demo page: driven from the keyboard, a
// change is saved at once and every open chooser shows it.
#include <gtest/gtest.h>

#include "automation/gadgetfinder.h"
#include "prefs/preferencesdialog.h"
#include "viewfixture.h"

namespace host::testing {
namespace {

constexpr int32_t kRedField = 0x3ED0001;

std::string RedText(ViewFixture& f, const char* key) {
  Dialog* chooser = f.Page().Find(key)->Chooser();
  Widget* field = chooser ? GadgetFinder::Find(*chooser, kRedField) : nullptr;
  return field ? field->Text().value_or("") : "(no red field)";
}

Container RgbShown() {
  Container prefs;
  prefs.SetBool(WorldPreferences::kShowRgb, true);
  prefs.SetInt32(WorldPreferences::kColorUnit, 1);
  return prefs;
}

TEST(PreferencesWindowTest, KeyboardChangeReachesEveryChooserAndTheFile) {
  ViewFixture f({900, 1400}, RgbShown());
  EXPECT_EQ(RedText(f, "color"), "204");
  EXPECT_EQ(RedText(f, "light"), "255");
  PreferenceEditor editor(f.GetHost().Prefs(), [&](const PreferenceItem&) { f.Page().PreferencesChanged(); });
  Dialog dialog(std::make_unique<PreferencesDialog>(editor));
  // The colour unit takes the focus first; Up steps from 8 bit to percent,
  // Escape closes the window.
  f.Screen().RunModal(dialog, "Preferences", {560, 0}, [&](Dialog& shown) {
    EXPECT_EQ(shown.Find(WorldPreferences::kColorUnit), f.Screen().Router().Focus());
    f.Frontend().Queue().Push(InputEvent::KeyDown(GXA_KEY_UP));
    f.Frontend().Queue().Push(InputEvent::KeyDown(GXA_KEY_ESC));
  });
  EXPECT_EQ(f.GetHost().Prefs().Data().GetInt32(WorldPreferences::kColorUnit), 0);
  EXPECT_EQ(WorldPreferences(f.GetHost().Prefs().File()).Data().GetInt32(WorldPreferences::kColorUnit), 0);
  EXPECT_EQ(RedText(f, "color"), "80%");
  EXPECT_EQ(RedText(f, "light"), "100%");
  EXPECT_EQ(f.Screen().TopLayer()->GetKind(), Layer::Kind::Window);
}

TEST(PreferencesWindowTest, UnusableProfileIsReportedAndNothingChanges) {
  ViewFixture f;
  int announced = 0;
  PreferenceEditor editor(f.GetHost().Prefs(), [&](const PreferenceItem&) { ++announced; });
  auto delegate = std::make_unique<PreferencesDialog>(editor);
  PreferencesDialog& prefs = *delegate;
  Dialog dialog(std::move(delegate));
  f.Screen().RunModal(dialog, "Preferences", {560, 0}, [&](Dialog& shown) {
    Widget* field = shown.Find(WorldPreferences::kDisplayProfile);
    ASSERT_NE(field, nullptr);
    field->SetText("/no/such/profile.icc");
    shown.Action(WorldPreferences::kDisplayProfile);
    EXPECT_EQ(field->Text().value_or("?"), "");
    shown.Action(PreferencesDialog::kClose);
  });
  EXPECT_NE(prefs.Message().find("profile.icc"), std::string::npos) << prefs.Message();
  EXPECT_EQ(announced, 0);
  EXPECT_EQ(*f.GetHost().Prefs().Data().Find(WorldPreferences::kDisplayProfile)->AsProfile(), nullptr);
}

}  // namespace
}  // namespace host::testing

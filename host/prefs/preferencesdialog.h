#pragma once
// The host's Preferences window: every preference of the catalogue in its
// section, changed as soon as the user touches its gadget. A problem (a
// profile that cannot be used, a file that cannot be saved) shows in the
// window and the gadget goes back to the value in effect.
#include <string>

#include "gui/dialogdelegate.h"
#include "prefs/preferenceeditor.h"

namespace host {

class PreferencesDialog : public DialogDelegate {
 public:
  static constexpr int32_t kClose = 2;  // also what Escape presses
  static constexpr int32_t kDefaults = 3;
  static constexpr int32_t kMessage = 4;

  explicit PreferencesDialog(PreferenceEditor& editor) : editor_(editor) {}

  bool CreateLayout(Dialog& dialog) override;
  bool InitValues(Dialog& dialog) override;
  bool Command(Dialog& dialog, int32_t id, const Container& msg) override;

  const std::string& Message() const { return message_; }

 private:
  void AddSection(Dialog& dialog, const std::string& section);
  void ShowMessage(Dialog& dialog, std::string text);

  PreferenceEditor& editor_;
  std::string message_;
};

}  // namespace host

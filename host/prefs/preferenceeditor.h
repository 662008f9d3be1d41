#pragma once
// Changes world preferences the way the Preferences window does: checks the
// new value, stores it, saves the preferences file and tells the listener
// (which lets every chooser know). A display profile is kept as the loaded
// profile; the file it came from is remembered beside it for the window.
#include <functional>

#include "core/fourcc.h"
#include "core/outcome.h"
#include "core/value.h"
#include "core/worldpreferences.h"
#include "prefs/preferenceitem.h"

namespace host {

class PreferenceEditor {
 public:
  // The path of the display profile file, a host-only entry.
  static constexpr int32_t kProfilePath = FourCC("vprf");

  using Listener = std::function<void(const PreferenceItem&)>;

  PreferenceEditor(WorldPreferences& prefs, Listener listener) : prefs_(prefs), listener_(std::move(listener)) {}

  // What the item's gadget shows: a bool, an int32, or the profile's path.
  Value Current(const PreferenceItem& item) const;
  // Fails, changing nothing, for a value of the wrong type, a choice not
  // offered or a profile that cannot be used. Fails too, the change in
  // effect, when the file cannot be saved.
  Outcome<Done> Apply(const PreferenceItem& item, const Value& value);
  // Every item back to its default value, announced once per item.
  Outcome<Done> RestoreDefaults();

 private:
  Outcome<Value> Checked(const PreferenceItem& item, const Value& value) const;
  Outcome<Value> LoadProfile(const std::string& path) const;
  void Store(const PreferenceItem& item, const Value& stored, const Value& shown);
  Outcome<Done> Save() const;

  WorldPreferences& prefs_;
  Listener listener_;
};

}  // namespace host

#pragma once
// One world preference as the Preferences window shows it: its ID, what the
// user reads, the kind of gadget, and the broadcast (besides the general
// preferences-changed message) that tells choosers to refresh the part it
// affects.
#include <cstdint>
#include <string>
#include <vector>

namespace host {

struct PreferenceChoice {
  int32_t value;
  std::string text;
};

struct PreferenceItem {
  enum class Kind {
    Toggle,   // a check box: a bool entry
    Choice,   // a drop-down list: an int32 entry, one of choices
    Profile,  // an ICC file name: a colour profile entry, empty for sRGB
  };

  int32_t id = 0;
  Kind kind = Kind::Toggle;
  std::string label;
  std::string section;
  std::vector<PreferenceChoice> choices;
  int64_t broadcastCode = 0;  // 0: none beyond the general message
};

}  // namespace host

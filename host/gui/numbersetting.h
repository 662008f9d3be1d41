#pragma once
// What a dialog hands a number gadget: the value, its limits and display.
#include <cstdint>

namespace host {

struct NumberSetting {
  double value = 0.0;
  double min = 0.0;
  double max = 0.0;
  double step = 1.0;
  int32_t unit = 0x666C6E67;  // GXA_UNIT_INT
  // Limits for typed values; when inputMin >= inputMax the value limits apply.
  double inputMin = 0.0;
  double inputMax = 0.0;
  bool mixed = false;  // several different values: show the mixed state
  bool integer = true;

  double TypedMin() const { return inputMin < inputMax ? inputMin : min; }
  double TypedMax() const { return inputMin < inputMax ? inputMax : max; }
  bool HasLimits() const { return min < max; }
};

}  // namespace host

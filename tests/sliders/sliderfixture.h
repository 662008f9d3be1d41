#pragma once
// Gradient sliders and the slider panels in choosers on the host's
// attribute page, at the width an attribute editor gives a colour parameter.
#include <cstdint>
#include <string>

#include "chooserpagetest.h"

namespace choosertest
{
constexpr double kTwoPi = 6.283185307179586;

class SliderTest : public ChooserPageTest
{
protected:
  void Start(const host::Container& prefs, int scale = 1);
  // The user picks the colour unit in the preferences (0 percent, 1 8-bit,
  // 2 16-bit) while the choosers are open.
  void ChooseUnit(std::int32_t preference);

  // A chooser of context kind 0 editing one object.
  void Open(const std::string& key, const host::Vector3& color, bool linear = false);
  // The same with alpha.
  void OpenWithAlpha(const std::string& key, const host::Vector3& color, double alpha);
  // A chooser of context kind 2 with the brightness row.
  void OpenWithBrightness(const std::string& key, const host::Vector3& color, double brightness);

  // The colour of the last action message key's chooser sent.
  host::Vector3 LastColor(const std::string& key);

  // Input at gadget-local logical positions.
  void Wheel(const std::string& key, std::int32_t id, double dx, double dy, std::int32_t qualifiers = 0);
  void Key(const std::string& key, std::int32_t id, std::int32_t code, std::int32_t qualifiers = 0);
  void Type(const std::string& key, std::int32_t id, const std::string& text, bool enter = true);
  std::string Text(const std::string& key, std::int32_t id);
};

// The sRGB curve the host's transform codes use.
double SrgbToLinear(double c);
double LinearToSrgb(double c);
}  // namespace choosertest

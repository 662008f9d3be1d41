#pragma once
// A chooser in wheel mode on the host's page (size 215, the RGB scheme,
// radius as saturation): where the wheel puts a colour, worked out here from
// the wheel's geometry rather than asked of the module, and the colour list
// as the chooser's state holds it.
#include <cmath>
#include <string>
#include <vector>

#include "chooserpagetest.h"

namespace choosertest
{
constexpr std::int32_t kWheelArea = 0x3EA0001;
constexpr std::int32_t kWheelSize = 0x3EA0002;
constexpr std::int32_t kWheelSlider = 0x3EA0003;
constexpr std::int32_t kWheelScheme = 0x3EA0004;
constexpr std::int32_t kWheelHarmony = 0x3EA0008;
constexpr std::int32_t kWheelListCount = 0x3EA001C;
constexpr std::int32_t kWheelList = 0x3EA001D;
constexpr std::int32_t kWheelFree = 0x3EA000A;
constexpr std::int32_t kWheelStrip = 0x3EA0018;
constexpr std::int32_t kSchemeRgb = 20000;
constexpr std::int32_t kSchemeRyb = 20001;
constexpr std::int32_t kPrefWheelSize = 1120;
constexpr std::int32_t kControl = 2;
constexpr std::int32_t kKeyBackspace = 61704;
constexpr std::int32_t kKeyDelete = 61823;
constexpr std::int32_t kModeLinearDisplayState = 0x3E9000D;

struct WheelEntry
{
  host::Vector3 hsv;
  bool selected = false;
};

class WheelModeTest : public ChooserPageTest
{
protected:
  static constexpr double kPi = 3.141592653589793;
  // Size 215: centre 107, 107 and radius 101 in logical pixels.
  static constexpr double kCentre = 107.0;
  static constexpr double kRadius = 101.0;

  void StartWheel(int scale = 1, host::Container prefs = Modes(), int width = 0)
  {
    prefs.SetInt32(kPrefStartMode, 1);
    prefs.SetInt32(kPrefWheelSize, 1);
    Start(prefs, width, scale);
  }
  void OpenRed(const std::string& key = "a") { Open(key, Settings(0, kNoBrightness), Plain(1.0, 0.0, 0.0)); }

  // Where the RGB wheel puts a hue and saturation (logical, in the wheel).
  static host::Point OnWheel(double hue, double saturation)
  {
    const double theta = 2.0 * kPi * hue - kPi;
    return {static_cast<int>(std::lround(kCentre + kRadius * saturation * std::sin(theta))),
            static_cast<int>(std::lround(kCentre + kRadius * saturation * std::cos(theta)))};
  }

  // Each stored colour is a container: two links, the colour, the selected flag.
  std::vector<WheelEntry> Colors(const std::string& key)
  {
    std::vector<WheelEntry> entries;
    const host::Container state = State(key);
    const host::Container* colors = state.GetContainer(kWheelList);
    if (!colors)
      return entries;
    for (int i = 0; i < state.GetInt32(kWheelListCount); ++i)
    {
      const host::Container* entry = colors->GetContainer(i);
      if (!entry || !entry->GetVector(2))
      {
        ADD_FAILURE() << "stored colour " << i << " missing";
        break;
      }
      entries.push_back({*entry->GetVector(2), entry->GetBool(3)});
    }
    return entries;
  }
};
}  // namespace choosertest

#pragma once
// Hue in degrees, saturation and value in percent, each a number field and a
// gradient slider. The hue read from its field is clamped to one turn;
// saturation and value are bounded only by their fields' own limits.
#include <cstdint>
#include <optional>

#include "utils/colorinterface.h"
#include "utils/colorsliderareablend.h"
#include "utils/colorsliderareahue.h"

class ColorInterfaceHSV : public ColorInterface
{
public:
  static constexpr std::int32_t kFieldHue = 0x3EE0001;
  static constexpr std::int32_t kFieldSaturation = 0x3EE0002;
  static constexpr std::int32_t kFieldValue = 0x3EE0003;
  static constexpr std::int32_t kSliderHue = 0x3EE0004;
  static constexpr std::int32_t kSliderSaturation = 0x3EE0005;
  static constexpr std::int32_t kSliderValue = 0x3EE0006;

  void Update(ChooserView& chooser) override;
  Result<void> CreateLayout(ChooserView& chooser) override;
  Result<bool> Command(std::int32_t id, const BaseContainer& msg, ChooserView& chooser) override;

  ColorSliderAreaHue& GetHueSlider() { return _hue; }

private:
  // The HSV triple after a command for gadget id; nothing for other IDs.
  std::optional<Vector> EditedHsv(std::int32_t id, const BaseContainer& msg, const ChooserView& chooser) const;

  ColorSliderAreaHue _hue;
  ColorSliderAreaBlend _saturation;
  ColorSliderAreaBlend _value;
};

#pragma once
// Sets the colour from a colour temperature in kelvin and a green-magenta
// tint. Both live in the chooser's state container, not in the colour: the
// panel shows what was last chosen here, whatever the colour became since.
#include <cstdint>

#include "utils/colorinterface.h"
#include "utils/colorsliderareablend.h"
#include "utils/colorsliderareakelvin.h"

class ColorInterfaceKelvin : public ColorInterface
{
public:
  static constexpr std::int32_t kFieldTemperature = 0x3F00001;
  static constexpr std::int32_t kSliderTemperature = 0x3F00002;
  static constexpr std::int32_t kFieldTint = 0x3F00004;
  static constexpr std::int32_t kSliderTint = 0x3F00005;
  // State container entries.
  static constexpr std::int32_t kStateTemperature = 0x3F00003;  // int32 kelvin
  static constexpr std::int32_t kStateTint = 0x3F00006;         // real -1..1

  ColorInterfaceKelvin();

  void Update(ChooserView& chooser) override;
  Result<void> CreateLayout(ChooserView& chooser) override;
  Result<bool> Command(std::int32_t id, const BaseContainer& msg, ChooserView& chooser) override;

  ColorSliderAreaKelvin& GetTemperatureSlider() { return _temperature; }
  ColorSliderAreaBlend& GetTintSlider() { return _tint; }

private:
  // Stores the edit of gadget id; false for other IDs.
  bool StoreEdit(std::int32_t id, const BaseContainer& msg, ChooserView& chooser) const;

  ColorSliderAreaKelvin _temperature;
  ColorSliderAreaBlend _tint;
};

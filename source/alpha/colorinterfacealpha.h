#pragma once
// The chooser's alpha as a percent field and a slider that fades the colour
// in over a checkerboard.
#include <cstdint>

#include "utils/colorinterface.h"
#include "utils/colorsliderareaalpha.h"

class ColorInterfaceAlpha : public ColorInterface
{
public:
  static constexpr std::int32_t kField = 0x3F30001;
  static constexpr std::int32_t kSlider = 0x3F30002;

  void Update(ChooserView& chooser) override;
  Result<void> CreateLayout(ChooserView& chooser) override;
  Result<bool> Command(std::int32_t id, const BaseContainer& msg, ChooserView& chooser) override;

  ColorSliderAreaAlpha& GetSlider() { return _slider; }

private:
  ColorSliderAreaAlpha _slider;
};

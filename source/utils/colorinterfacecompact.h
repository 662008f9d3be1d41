#pragma once
// The compact mode: a saturation-value square beside the RGB and HSV sliders,
// in one row. The chooser owns the slider panels and lays them out through
// the function it hands over; the square's body comes with the spectrum.
#include <cstdint>
#include <functional>

#include "result.h"
#include "utils/colorinterface.h"

class ColorInterfaceCompact : public ColorInterface
{
public:
  static constexpr std::int32_t kSquareId = 0x3F20001;

  // Lays out the RGB and the HSV panel at the current position.
  using SliderLayout = std::function<Result<void>(ColorChooserGui&)>;

  explicit ColorInterfaceCompact(SliderLayout layoutSliders);

  void Update(ColorChooserGui& chooser) override;
  Result<void> CreateLayout(ColorChooserGui& chooser) override;
  // The colour changed exactly when the square reports.
  Result<bool> Command(std::int32_t id, const BaseContainer& msg, ColorChooserGui& chooser) override;

private:
  SliderLayout _layoutSliders;
};

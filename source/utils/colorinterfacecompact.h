#pragma once
// The compact mode: a saturation-value square beside the RGB and HSV sliders,
// in one row, the square as tall as the sliders beside it. The chooser owns
// the slider panels and lays them out through the function it hands over.
#include <cstdint>
#include <functional>

#include "result.h"
#include "spectrum/colorspectrumarea.h"
#include "utils/colorinterface.h"

class ColorInterfaceCompact : public ColorInterface
{
public:
  static constexpr std::int32_t kSquareId = 0x3F20001;

  // Lays out the RGB and the HSV panel at the current position.
  using SliderLayout = std::function<Result<void>(ChooserView&)>;

  ColorInterfaceCompact(ChooserView& chooser, SliderLayout layoutSliders);

  void Update(ChooserView& chooser) override;
  Result<void> CreateLayout(ChooserView& chooser) override;
  // The colour changed exactly when the square reports.
  Result<bool> Command(std::int32_t id, const BaseContainer& msg, ChooserView& chooser) override;

  ColorSpectrumArea& GetSquare() { return _square; }

private:
  SliderLayout _layoutSliders;
  ColorSpectrumArea _square;
};

#pragma once
// The spectrum mode: the saturation-value square beside a vertical hue
// slider. The size of the square is one preference for every chooser.
#include <cstdint>

#include "spectrum/colorspectrumarea.h"
#include "utils/colorinterface.h"

class ColorInterfaceSpectrum : public ColorInterface
{
public:
  static constexpr std::int32_t kHueSlider = 0x3EB0001;
  static constexpr std::int32_t kSquare = 0x3EB0002;
  static constexpr std::int32_t kSquareGroup = 0x3EB0003;

  explicit ColorInterfaceSpectrum(ChooserView& chooser);

  void Update(ChooserView& chooser) override;
  Result<void> CreateLayout(ChooserView& chooser) override;
  Result<bool> Command(std::int32_t id, const BaseContainer& msg, ChooserView& chooser) override;

  // Redraws the square afresh and puts the hue slider at the chooser's hue.
  void Refresh(ChooserView& chooser);
  void SetHuePosition(double hue);
  // Takes the size preference; true when the square's size changed.
  bool ReadSize();
  bool HasSizeChanged() const;

private:
  ColorSpectrumArea _square;
  bool _refreshed = false;
};

#pragma once
// Lightness, chroma and hue of OKLCh, or with the switch lightness and the
// a and b axes of OKLab, each a number field and a gradient slider drawn
// live for the current colour. A colour set outside what a screen shows is
// brought in by cutting its chroma at the same lightness and hue. Shown
// only with the perceptual colour tools preference on.
#include <array>
#include <cstdint>

#include "colorscience/oklab.h"
#include "utils/colorinterface.h"
#include "utils/colorsliderareaoklch.h"

class ColorInterfaceOklch : public ColorInterface
{
public:
  static constexpr std::int32_t kFieldLightness = 0x3F50001;
  static constexpr std::int32_t kFieldSecond = 0x3F50002;  // chroma, or a
  static constexpr std::int32_t kFieldThird = 0x3F50003;   // hue, or b
  static constexpr std::int32_t kSliderLightness = 0x3F50004;
  static constexpr std::int32_t kSliderSecond = 0x3F50005;
  static constexpr std::int32_t kSliderThird = 0x3F50006;
  static constexpr std::int32_t kSwitchLab = 0x3F50007;
  static constexpr std::int32_t kLabelSecond = 0x3F50008;
  static constexpr std::int32_t kLabelThird = 0x3F50009;
  // State: true shows L, a, b.
  static constexpr std::int32_t kOptionLab = 0x3F5000A;

  void Update(ChooserView& chooser) override;
  Result<void> CreateLayout(ChooserView& chooser) override;
  Result<bool> Command(std::int32_t id, const BaseContainer& msg, ChooserView& chooser) override;

  ColorSliderAreaOklch& GetSlider(std::size_t row) { return _sliders[row]; }

private:
  // The chooser's colour; a grey keeps the hue last shown.
  colorscience::OkLchColor CurrentLch(const ChooserView& chooser) const;
  void ShowForm(ChooserView& chooser, bool lab);
  // The row of a field or slider ID, -1 for none.
  static int RowOf(std::int32_t id);
  void SetField(ChooserView& chooser, int row, double value, bool ambiguous) const;

  std::array<ColorSliderAreaOklch, 3> _sliders;
  double _hue = 0.0;
  bool _lab = false;
};

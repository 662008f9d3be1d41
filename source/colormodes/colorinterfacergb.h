#pragma once
// Red, green and blue, each a number field in the chooser's colour unit and
// a gradient slider. With world preference 1112 ("pure gradients") each
// slider runs from black to its primary; otherwise from the current colour
// with that component at 0 to the same colour with it at 1.
#include <array>
#include <cstdint>

#include "utils/colorinterface.h"
#include "utils/colorsliderareablend.h"

class ColorUnit;

class ColorInterfaceRGB : public ColorInterface
{
public:
  static constexpr std::int32_t kFieldRed = 0x3ED0001;
  static constexpr std::int32_t kFieldGreen = 0x3ED0002;
  static constexpr std::int32_t kFieldBlue = 0x3ED0003;
  static constexpr std::int32_t kSliderRed = 0x3ED0004;
  static constexpr std::int32_t kSliderGreen = 0x3ED0005;
  static constexpr std::int32_t kSliderBlue = 0x3ED0006;
  static constexpr std::int32_t kPrefPureGradients = 1112;

  // The sliders step in unit's steps when the chooser already has one.
  explicit ColorInterfaceRGB(const ColorUnit* unit = nullptr);

  void Update(ChooserView& chooser) override;
  Result<void> CreateLayout(ChooserView& chooser) override;
  Result<bool> Command(std::int32_t id, const BaseContainer& msg, ChooserView& chooser) override;

  // The chooser changed its colour unit: the sliders run 0 to its maximum.
  void SetUnit(const ColorUnit& unit);
  // Preference 1112 as the last update read it; the chooser updates the
  // panel when the preference no longer matches.
  bool HasPureGradients() const { return _pureGradients; }
  ColorSliderAreaBlend& GetSlider(std::int32_t component) { return _sliders[component]; }

private:
  std::array<ColorSliderAreaBlend, 3> _sliders;
  bool _pureGradients = false;
};

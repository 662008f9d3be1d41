#pragma once
// Blends two user-chosen colours. Picking a field makes the chooser's colour
// that field's colour and lets later edits in other modes flow into it
// (Follow); moving the slider or typing a ratio sets the chooser's colour to
// the blend. Both colours and the ratio live in the chooser's state.
#include <cstdint>

#include "mixer/subcolorfieldarea.h"
#include "utils/colorinterface.h"
#include "utils/colorsliderareablend.h"

class ColorInterfaceMixer : public ColorInterface
{
public:
  // Gadgets; the field IDs double as their state entries.
  static constexpr std::int32_t kFieldA = 0x3EF0001;
  static constexpr std::int32_t kFieldB = 0x3EF0002;
  static constexpr std::int32_t kRatioField = 0x3EF0003;
  static constexpr std::int32_t kSlider = 0x3EF0004;
  // The contrast readout's two lines, with the perceptual colour tools on.
  static constexpr std::int32_t kContrastText = 0x3EF0006;
  static constexpr std::int32_t kLightnessText = 0x3EF0007;
  // State container entries (colours in the host's space).
  static constexpr std::int32_t kStateColorA = 0x3EF0001;
  static constexpr std::int32_t kStateColorB = 0x3EF0002;
  static constexpr std::int32_t kStateRatio = 0x3EF0005;
  static constexpr Vector kDefaultColorA{0.36, 0.388, 0.6};
  static constexpr Vector kDefaultColorB{0.6, 0.36, 0.36};
  static constexpr double kDefaultRatio = 0.5;

  // The chooser writes these into a new state container.
  static void WriteDefaults(BaseContainer& state);

  ColorInterfaceMixer();

  void Update(ChooserView& chooser) override;
  Result<void> CreateLayout(ChooserView& chooser) override;
  Result<bool> Command(std::int32_t id, const BaseContainer& msg, ChooserView& chooser) override;

  // The chooser's colour changed elsewhere: a selected field takes it.
  void Follow(ChooserView& chooser);
  // Whether the layout holds the contrast readout.
  bool HasReadout() const { return _readout; }

  SubColorFieldArea& GetFieldA() { return _fieldA; }
  SubColorFieldArea& GetFieldB() { return _fieldB; }
  ColorSliderAreaBlend& GetSlider() { return _slider; }

private:
  bool PickField(std::int32_t id, const BaseContainer& msg, ChooserView& chooser);
  void SetRatio(double t, ChooserView& chooser);
  void ApplyBlend(const BaseContainer& msg, ChooserView& chooser);
  void ShowRatio(double t, ChooserView& chooser);
  void ShowContrast(ChooserView& chooser);

  SubColorFieldArea _fieldA;
  SubColorFieldArea _fieldB;
  ColorSliderAreaBlend _slider;
  bool _readout = false;
};

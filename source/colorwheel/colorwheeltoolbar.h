#pragma once
// The row above the wheel: a toggle per harmony (one of them on), the lock,
// the add, delete and reduce buttons, and the number of colours. The
// buttons report to the chooser's dialog with their gadget IDs.
#include <array>
#include <cstdint>

#include "colorwheel/colorwheelharmonies.h"
#include "gedialog.h"
#include "result.h"
#include "utils/specialbitmapbutton.h"

class ColorWheelToolbar
{
public:
  static constexpr std::int32_t kGroup = 0x3EA0009;
  static constexpr std::int32_t kAdd = 0x3EA0015;
  static constexpr std::int32_t kDelete = 0x3EA0016;
  static constexpr std::int32_t kReduce = 0x3EA0017;
  static constexpr std::int32_t kCountText = 0x3EA001A;

  // Sets every button up once; later calls do nothing.
  Result<void> Init(ColorWheelHarmonies& harmonies, std::int32_t harmony, bool lock);
  Result<void> Layout(GeDialog& dialog);

  // The one harmony button that is on.
  void ShowHarmony(std::int32_t harmony);
  void ShowLock(bool on);
  // Free and Mono delete the selected colours, the others their last one.
  void ShowDeleteText(bool selectedColors);
  void ShowCount(GeDialog& dialog, std::size_t count);

private:
  static BaseContainer Settings(std::int32_t icon, std::int32_t iconOff, std::int32_t tooltip, bool checkable,
                                bool state);
  Result<void> InitButton(SpecialBitmapButton& button, std::int32_t id, const BaseContainer& settings);

  bool _ready = false;
  std::array<SpecialBitmapButton, 7> _harmonies;
  SpecialBitmapButton _lock;
  std::array<SpecialBitmapButton, 3> _actions;
};

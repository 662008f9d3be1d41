#pragma once
// The colour wheel mode: the toolbar of harmonies and actions, the wheel
// with the slider of its fixed component, and the colour strip under it.
// The panel hands everything to its wheel area.
#include <cstdint>

#include "colorwheel/colorwheelarea.h"
#include "utils/colorinterface.h"

class ColorInterfaceColorWheel : public ColorInterface
{
public:
  explicit ColorInterfaceColorWheel(ChooserView& chooser);

  void Update(ChooserView& chooser) override;
  Result<void> CreateLayout(ChooserView& chooser) override;
  Result<bool> Command(std::int32_t id, const BaseContainer& msg, ChooserView& chooser) override;

  // Reads the options from the chooser's state (a new layout, another
  // chooser's change).
  Result<void> LoadOptions();
  void StoreOptions() { _area.StoreOptions(); }
  void Redraw() { _area.RedrawAll(); }
  bool FollowSize() { return _area.FollowSize(); }
  ColorWheelArea& GetArea() { return _area; }

private:
  ColorWheelArea _area;
  bool _loaded = false;
};

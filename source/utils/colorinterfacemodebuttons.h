#pragma once
// The chooser's row of mode buttons as a panel: which buttons the chooser's
// flags and state allow, with their icons, tooltips and gaps.
#include <cstdint>
#include <memory>

#include "result.h"
#include "utils/colorinterface.h"

class ColorModeButtonsArea;

class ColorInterfaceModeButtons : public ColorInterface
{
public:
  static constexpr std::int32_t kGadgetId = 0x3E8000C;

  explicit ColorInterfaceModeButtons(ChooserView& chooser);
  ~ColorInterfaceModeButtons() override;

  void Update(ChooserView& chooser) override;
  Result<void> CreateLayout(ChooserView& chooser) override;
  Result<bool> Command(std::int32_t id, const BaseContainer& msg, ChooserView& chooser) override;

  // The screen picker ended: the picker button shows on again.
  void PickingEnded();
  // Null only when allocation failed.
  ColorModeButtonsArea* GetArea() const { return _area.get(); }

private:
  Result<void> AddButtons(ChooserView& chooser);

  std::unique_ptr<ColorModeButtonsArea> _area;
};

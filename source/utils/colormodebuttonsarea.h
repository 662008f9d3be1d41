#pragma once
// The chooser's row of mode buttons. A click switches modes: the wheel,
// spectrum and picture buttons are exclusive, the panel toggles follow the
// input qualifiers and can be swept by dragging across them, the compact
// button flips, the picker button starts the screen picker and the linear
// button switches the linear display. Mode changes go into the chooser's
// state and the process-wide mode memory, then the chooser lays out again.
#include <cstddef>
#include <cstdint>

#include "utils/colorbuttonsarea.h"

class ChooserView;

class ColorModeButtonsArea : public ColorButtonsArea
{
public:
  static constexpr std::int32_t kMenuFirstId = 900000;

  explicit ColorModeButtonsArea(ChooserView& chooser);

  bool Init() override;
  bool InputEvent(const BaseContainer& msg) override;

  // The click rules, on a row's records. A button turns off only while some
  // other checkable button of the row stays on.
  // Selects the radio button, or turns it off when it was on; true when any
  // state changed.
  static bool ClickRadio(BaseArray<Button>& row, std::size_t index);
  // Qualifier 2 turns the toggle off, 1 turns it on, none makes it the only
  // toggle on, or turns it off when it already was. Answers the state the
  // click aimed at, which a drag then sweeps over further toggles.
  static bool ClickToggle(BaseArray<Button>& row, std::size_t index, std::int32_t qualifier);
  // Gives a toggle the swept state; true when it changed.
  static bool SweepToggle(BaseArray<Button>& row, std::size_t index, bool on);
  static bool IsAnotherCheckableOn(const BaseArray<Button>& row, std::size_t index);

private:
  Result<void> Click(std::size_t index, std::int32_t channel, std::int32_t qualifier, std::int32_t x, std::int32_t y,
                     bool sweep);
  Result<void> ClickRadioButton(std::size_t index);
  Result<void> ClickToggleButton(std::size_t index, std::int32_t channel, std::int32_t qualifier, std::int32_t x,
                                 std::int32_t y, bool sweep);
  void SweepWhileDown(std::int32_t channel, std::int32_t x, std::int32_t y, bool on);
  Result<void> ClickCompact(std::size_t index);
  void ClickPicker(std::size_t index);
  Result<void> ClickLinearDisplay(std::size_t index);
  Result<void> ShowOverflowMenu(std::int32_t channel, std::int32_t qualifier);
  // Writes the mode states of the row that differ from the chooser's state
  // into it and into the mode memory; true when any did.
  bool StoreModeStates();
  void Rebuild();

  ChooserView& _chooser;
};

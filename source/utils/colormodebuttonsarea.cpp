#include "utils/colormodebuttonsarea.h"

#include "chooserids.h"
#include "diagnostics.h"
#include "gedata.h"
#include "gxa_api.h"
#include "moduleresource.h"
#include "utils/chooserview.h"
#include "utils/modememory.h"

using namespace chooser;

namespace
{
constexpr std::int32_t kOverflowTooltip = 20105;
constexpr std::int32_t kMouseGlobal = 0x7fffffff;

bool IsRadioMode(std::int32_t id)
{
  return id == kModeWheel || id == kModeSpectrum || id == kModePicture;
}
}  // namespace

ColorModeButtonsArea::ColorModeButtonsArea(ChooserView& chooser) : _chooser(chooser) {}

bool ColorModeButtonsArea::Init()
{
  SetOverflowTooltip(ModuleResource::LoadString(kOverflowTooltip));
  return true;
}

// ------------------------------------------------------------- click rules

bool ColorModeButtonsArea::IsAnotherCheckableOn(const BaseArray<Button>& row, std::size_t index)
{
  for (std::size_t i = 0; i < row.GetCount(); ++i)
  {
    if (i != index && row[i].checkable && row[i].state)
      return true;
  }
  return false;
}

bool ColorModeButtonsArea::ClickRadio(BaseArray<Button>& row, std::size_t index)
{
  Button& clicked = row[index];
  if (clicked.state)
  {
    if (!IsAnotherCheckableOn(row, index))
      return false;
    clicked.state = false;
    return true;
  }
  for (Button& other : row)
  {
    if (other.radio && other.radioGroup == clicked.radioGroup)
      other.state = false;
  }
  clicked.state = true;
  return true;
}

bool ColorModeButtonsArea::ClickToggle(BaseArray<Button>& row, std::size_t index, std::int32_t qualifier)
{
  if (qualifier & GXA_QUALIFIER_CTRL)
  {
    SweepToggle(row, index, false);
    return false;
  }
  if (qualifier & GXA_QUALIFIER_SHIFT)
  {
    SweepToggle(row, index, true);
    return true;
  }
  bool otherToggleOn = false;
  for (std::size_t i = 0; i < row.GetCount(); ++i)
    otherToggleOn = otherToggleOn || (i != index && row[i].toggle && row[i].state);
  if (row[index].state && !otherToggleOn)
  {
    SweepToggle(row, index, false);
    return false;
  }
  for (std::size_t i = 0; i < row.GetCount(); ++i)
  {
    if (i != index && row[i].toggle)
      row[i].state = false;
  }
  row[index].state = true;
  return true;
}

bool ColorModeButtonsArea::SweepToggle(BaseArray<Button>& row, std::size_t index, bool on)
{
  Button& button = row[index];
  if (button.state == on || (!on && !IsAnotherCheckableOn(row, index)))
    return false;
  button.state = on;
  return true;
}

// ------------------------------------------------------------------ input

bool ColorModeButtonsArea::InputEvent(const BaseContainer& msg)
{
  const std::int32_t channel = msg.GetInt32(GXA_INPUT_CHANNEL);
  if (msg.GetInt32(GXA_INPUT_DEVICE) != GXA_DEVICE_MOUSE || !msg.GetBool(GXA_INPUT_VALUE, true) ||
      (channel != GXA_CHANNEL_LEFT && channel != GXA_CHANNEL_RIGHT))
    return false;
  std::int32_t x = msg.GetInt32(GXA_INPUT_X);
  std::int32_t y = msg.GetInt32(GXA_INPUT_Y);
  if (!Global2Local(x, y))
  {
    ReportError("ColorModeButtonsArea::InputEvent()", "Global2Local() failed.");
    return true;
  }
  const std::int32_t qualifier = msg.GetInt32(GXA_INPUT_QUALIFIER);
  const std::int32_t hit = HitTest(x, y);
  Result<void> result;
  if (hit == kHitOverflow)
    result = ShowOverflowMenu(channel, qualifier);
  else if (hit >= 0)
    result = Click(static_cast<std::size_t>(hit), channel, qualifier, x, y, true);
  if (result.IsError())
    ReportError("ColorModeButtonsArea::InputEvent()", result.GetError());
  return true;
}

Result<void> ColorModeButtonsArea::Click(std::size_t index, std::int32_t channel, std::int32_t qualifier,
                                         std::int32_t x, std::int32_t y, bool sweep)
{
  const Button& button = Buttons()[index];
  if (button.radio)
    return ClickRadioButton(index);
  if (button.toggle)
    return ClickToggleButton(index, channel, qualifier, x, y, sweep);
  switch (button.id)
  {
    case kModeCompact: return ClickCompact(index);
    case kGadgetPicker: ClickPicker(index); return Ok();
    case kModeLinearDisplay: return ClickLinearDisplay(index);
    default: return Ok();
  }
}

Result<void> ColorModeButtonsArea::ClickRadioButton(std::size_t index)
{
  if (!ClickRadio(Buttons(), index))
    return Ok();
  Redraw();
  const bool pictureBefore = _chooser.GetState().GetBool(kModePicture);
  _chooser.StoreLayoutState();
  if (!StoreModeStates())
    return Ok();
  _chooser.SetKeepPicture(_chooser.GetState().GetBool(kModePicture) == pictureBefore);
  Rebuild();
  return Ok();
}

Result<void> ColorModeButtonsArea::ClickToggleButton(std::size_t index, std::int32_t channel, std::int32_t qualifier,
                                                     std::int32_t x, std::int32_t y, bool sweep)
{
  const bool on = ClickToggle(Buttons(), index, qualifier);
  Redraw();
  if (sweep)
    SweepWhileDown(channel, x, y, on);
  if (StoreModeStates())
    Rebuild();
  return Ok();
}

void ColorModeButtonsArea::SweepWhileDown(std::int32_t channel, std::int32_t x, std::int32_t y, bool on)
{
  MouseDragStart(channel, x, y);
  double px = x, py = y;
  std::int32_t last = HitTest(x, y);
  BaseContainer channels;
  for (;;)
  {
    double dx = 0.0, dy = 0.0;
    if (MouseDrag(dx, dy, channels) != GXA_MOUSEDRAG_CONTINUE)
      break;
    px += dx;
    py += dy;
    const std::int32_t hit = HitTest(static_cast<std::int32_t>(px), static_cast<std::int32_t>(py));
    if (hit == last)
      continue;
    last = hit;
    if (hit >= 0 && Buttons()[static_cast<std::size_t>(hit)].toggle &&
        SweepToggle(Buttons(), static_cast<std::size_t>(hit), on))
      Redraw();
  }
  MouseDragEnd();
}

Result<void> ColorModeButtonsArea::ClickCompact(std::size_t index)
{
  Button& button = Buttons()[index];
  button.state = !button.state;
  Redraw();
  if (StoreModeStates())
    Rebuild();
  return Ok();
}

void ColorModeButtonsArea::ClickPicker(std::size_t index)
{
  // Off while picking; the chooser turns it on again when picking ends.
  Buttons()[index].state = false;
  Redraw();
  _chooser.StartScreenPicker();
}

Result<void> ColorModeButtonsArea::ClickLinearDisplay(std::size_t index)
{
  Button& button = Buttons()[index];
  button.state = !button.state;
  Redraw();
  return _chooser.SetLinearDisplay(button.state);
}

Result<void> ColorModeButtonsArea::ShowOverflowMenu(std::int32_t channel, std::int32_t qualifier)
{
  const bool dark = IsInterfaceColorDark(GXA_COLOR_MENU_BACKGROUND);
  BaseContainer menu;
  if (!menu.IsValid())
    return OutOfMemoryError("popup menu");
  for (std::size_t i = 0; i < Buttons().GetCount(); ++i)
  {
    const Button& button = Buttons()[i];
    if (!button.hidden)
      continue;
    const String text = String::Format("&i@&@", button.icons.GetOffId(dark), button.tooltip);
    menu.InsertData(kMenuFirstId + static_cast<std::int32_t>(i), GeData(text));
  }
  // Below the overflow button; at the mouse when its place is unknown.
  std::int32_t x = GetOverflowX(), y = GetHeight();
  if (!Local2Global(x, y))
    x = y = kMouseGlobal;
  const std::int32_t chosen = ShowPopupMenu(x, y, menu, 0);
  const std::int32_t index = chosen - kMenuFirstId;
  if (chosen < kMenuFirstId || index >= static_cast<std::int32_t>(Buttons().GetCount()))
    return Ok();
  return Click(static_cast<std::size_t>(index), channel, qualifier, 0, 0, false);
}

// ------------------------------------------------------------- mode state

bool ColorModeButtonsArea::StoreModeStates()
{
  BaseContainer& state = _chooser.GetState();
  bool changed = false;
  for (const Button& button : Buttons())
  {
    const bool mode = button.toggle || IsRadioMode(button.id) || button.id == kModeCompact;
    if (!mode || state.GetBool(button.id) == button.state)
      continue;
    state.SetBool(button.id, button.state);
    ModeMemory::Get().Store(button.id, button.state);
    changed = true;
  }
  return changed;
}

void ColorModeButtonsArea::Rebuild()
{
  // The layout recreates this row; no button record may be used after it.
  _chooser.RebuildLayout();
}

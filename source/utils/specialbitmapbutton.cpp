#include "utils/specialbitmapbutton.h"

#include "diagnostics.h"
#include "gxa_api.h"

namespace
{
constexpr std::int32_t kBorderStyle = 1;
}  // namespace

Result<bool> SpecialBitmapButton::Init(std::int32_t id, const BaseContainer& settings)
{
  const ButtonSettings parsed = ButtonSettings::Read(settings);
  if (!settings.Contains(ButtonSettings::kIcon))
    return IllegalArgumentError("No icon found");
  if (parsed.icon == ButtonSettings::kNoIcon)
    return false;
  ButtonIcons icons;
  switch (icons.Resolve(parsed))
  {
    case ButtonIcons::Lookup::Missing: return IllegalArgumentError("No icon found");
    case ButtonIcons::Lookup::SizeMismatch: return IllegalArgumentError("Icons sizes mismatch");
    case ButtonIcons::Lookup::Found: break;
  }
  _id = id;
  _settings = parsed;
  _icons = icons;
  _icons.GetSize(parsed.maxSize, _width, _height);
  _state = parsed.state;
  return true;
}

bool SpecialBitmapButton::SetState(bool state, bool redraw)
{
  if (!_settings.checkable || _state == state)
    return false;
  _state = state;
  if (redraw)
    Redraw();
  return true;
}

bool SpecialBitmapButton::GetMinSize(std::int32_t& w, std::int32_t& h)
{
  w = _width;
  h = _height;
  return true;
}

void SpecialBitmapButton::DrawMsg(std::int32_t, std::int32_t, std::int32_t, std::int32_t, const BaseContainer& msg)
{
  if (IsFocusRedraw(msg))
    return;
  OffScreenOn();
  const std::int32_t w = GetWidth(), h = GetHeight();
  DrawSetPen(GXA_COLOR_BACKGROUND);
  DrawRectangle(0, 0, w - 1, h - 1);
  const bool dark = IsInterfaceColorDark(GXA_COLOR_BACKGROUND);
  if (_icons.IsValid())
    ButtonIcons::Draw(*this, _icons.Get(_state, dark), (w - _width) / 2, (h - _height) / 2, _width, _height,
                      !IsEnabled());
  else
    DrawMissingIcon(dark);
  if (_settings.trackPress && _pressed)
    DrawBorder(kBorderStyle, 0, 0, w - 1, h - 1);
  OffScreenOff();
}

void SpecialBitmapButton::DrawMissingIcon(bool dark)
{
  const std::int32_t x2 = GetWidth() - 1, y2 = GetHeight() - 1;
  DrawSetPen(dark ? Vector(1.0) : Vector(0.0));
  DrawLine(0, 0, x2, 0);
  DrawLine(x2, 0, x2, y2);
  DrawLine(x2, y2, 0, y2);
  DrawLine(0, y2, 0, 0);
  DrawLine(0, 0, x2, y2);
  DrawLine(0, y2, x2, 0);
}

bool SpecialBitmapButton::InputEvent(const BaseContainer& msg)
{
  const std::int32_t channel = msg.GetInt32(GXA_INPUT_CHANNEL);
  if (_settings.passive || msg.GetInt32(GXA_INPUT_DEVICE) != GXA_DEVICE_MOUSE || !msg.GetBool(GXA_INPUT_VALUE, true) ||
      (channel != GXA_CHANNEL_LEFT && channel != GXA_CHANNEL_RIGHT))
    return false;
  std::int32_t x = msg.GetInt32(GXA_INPUT_X);
  std::int32_t y = msg.GetInt32(GXA_INPUT_Y);
  if (_settings.trackPress)
  {
    if (!Global2Local(x, y))
    {
      ReportError("SpecialBitmapButton::InputEvent()", "Global2Local() failed.");
      return true;
    }
    if (!TrackPress(channel, x, y))
      return true;
  }
  Act();
  return true;
}

bool SpecialBitmapButton::TrackPress(std::int32_t channel, std::int32_t x, std::int32_t y)
{
  SetPressed(true);
  MouseDragStart(channel, x, y);
  double px = x, py = y;
  BaseContainer channels;
  for (;;)
  {
    double dx = 0.0, dy = 0.0;
    if (MouseDrag(dx, dy, channels) != GXA_MOUSEDRAG_CONTINUE)
      break;
    px += dx;
    py += dy;
    SetPressed(Contains(px, py));
  }
  const bool finished = MouseDragEnd() == GXA_MOUSEDRAG_FINISHED;
  const bool inside = _pressed;
  SetPressed(false);
  return finished && inside;
}

bool SpecialBitmapButton::Contains(double x, double y) const
{
  return x >= 0.0 && y >= 0.0 && x < GetWidth() && y < GetHeight();
}

void SpecialBitmapButton::SetPressed(bool pressed)
{
  if (_pressed == pressed)
    return;
  _pressed = pressed;
  Redraw();
}

void SpecialBitmapButton::Act()
{
  const bool flips = _settings.checkable && !_settings.keepState;
  if (flips)
    SetState(!_state, true);
  BaseContainer action(GXA_MSG_ACTION);
  action.SetInt32(GXA_MSG_ID, _id);
  action.SetInt32(GXA_MSG_DRAG, 0);
  if (flips)
    action.SetBool(GXA_MSG_VALUE, _state);
  SendParentMessage(action);
}

std::int32_t SpecialBitmapButton::Message(const BaseContainer& msg, BaseContainer& result)
{
  if (msg.GetId() == GXA_MSG_CURSOR_INFO && !_settings.tooltip.IsEmpty())
  {
    result.SetString(GXA_RESULT_TOOLTIP, _settings.tooltip);
    return 1;
  }
  return GeUserArea::Message(msg, result);
}

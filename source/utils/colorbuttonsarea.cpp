#include "utils/colorbuttonsarea.h"

#include <algorithm>

#include "gxa_api.h"
#include "utils/buttonsettings.h"

Result<bool> ColorButtonsArea::AddButton(std::int32_t id, const BaseContainer& settings, std::int32_t gap)
{
  if (IndexOf(id) >= 0)
    return false;
  const ButtonSettings parsed = ButtonSettings::Read(settings);
  Button button;
  if (button.icons.Resolve(parsed) != ButtonIcons::Lookup::Found)
    return false;
  button.icons.GetSize(parsed.maxSize, button.width, button.height);
  button.id = id;
  button.gap = gap;
  button.groupEnd = gap == kGroupGap;
  button.checkable = parsed.checkable;
  button.toggle = parsed.toggle;
  button.radio = parsed.radio;
  button.radioGroup = parsed.radioGroup;
  button.state = parsed.state;
  button.tooltip = parsed.tooltip;
  if (button.radio && button.state)
  {
    for (const Button& other : _buttons)
    {
      if (other.radio && other.radioGroup == button.radioGroup && other.state)
        button.state = false;
    }
  }
  RETURN_IF_ERROR(_buttons.Append(std::move(button)));
  return true;
}

void ColorButtonsArea::FlushButtons()
{
  _buttons.Flush();
  _layout = RowLayout();
}

std::int32_t ColorButtonsArea::IndexOf(std::int32_t id) const
{
  for (std::size_t i = 0; i < _buttons.GetCount(); ++i)
  {
    if (_buttons[i].id == id)
      return static_cast<std::int32_t>(i);
  }
  return -1;
}

bool ColorButtonsArea::GetButtonState(std::int32_t id) const
{
  const std::int32_t index = IndexOf(id);
  return index >= 0 && _buttons[static_cast<std::size_t>(index)].state;
}

bool ColorButtonsArea::SetButtonState(std::int32_t id, bool on, bool redraw)
{
  const std::int32_t index = IndexOf(id);
  if (index < 0)
    return false;
  Button& button = _buttons[static_cast<std::size_t>(index)];
  if (!button.checkable || button.state == on)
    return false;
  button.state = on;
  if (redraw)
    Redraw();
  return true;
}

namespace
{
// The one gap every gap narrows to, as wide as the row allows but never
// narrower than kMinSqueezedGap; false when the row still overflows.
bool SqueezedGap(const BaseArray<ColorButtonsArea::Button>& buttons, std::int32_t width, std::int32_t& gap)
{
  std::int32_t widths = 0, gaps = 0;
  for (const ColorButtonsArea::Button& button : buttons)
  {
    widths += button.width;
    gaps += button.gap > 0 ? 1 : 0;
  }
  if (gaps == 0)
    return false;
  gap = std::max(ColorButtonsArea::kMinSqueezedGap, (width - widths) / gaps);
  return widths + gap * gaps <= width;
}
}  // namespace

ColorButtonsArea::RowLayout ColorButtonsArea::LayoutRow(BaseArray<Button>& buttons, std::int32_t width,
                                                        std::int32_t overflowWidth, bool squeeze)
{
  std::int32_t total = 0, groupGaps = 0, groupEnds = 0;
  for (Button& button : buttons)
  {
    if (button.groupEnd)
    {
      button.gap = kGroupGap;
      groupGaps += kGroupGap;
      ++groupEnds;
    }
    total += button.width + button.gap;
  }

  RowLayout layout;
  layout.groupGap = kGroupGap;
  if (total > width)
  {
    if (groupEnds == 0)
    {
      layout.overflow = true;
    }
    else
    {
      const std::int32_t rest = total - groupGaps;
      layout.groupGap = std::max(kMinGroupGap, (width - rest) / groupEnds);
      for (Button& button : buttons)
      {
        if (button.groupEnd)
          button.gap = layout.groupGap;
      }
      layout.overflow = rest + layout.groupGap * groupEnds > width;
    }
    if (layout.overflow && squeeze)
      layout.overflow = !SqueezedGap(buttons, width, layout.squeezedGap);
  }

  layout.limit = layout.overflow ? width - overflowWidth - kOverflowMargin : width;
  layout.overflowX = width - overflowWidth;
  std::int32_t x = 0;
  bool hide = false;
  for (Button& button : buttons)
  {
    button.x = x;
    hide = hide || x + button.width > layout.limit;
    button.hidden = hide;
    x += button.width + (layout.squeezedGap >= 0 ? std::min(button.gap, layout.squeezedGap) : button.gap);
  }
  return layout;
}

bool ColorButtonsArea::GetMinSize(std::int32_t& w, std::int32_t& h)
{
  w = _minWidth;
  h = RowHeight();
  return true;
}

void ColorButtonsArea::Sized(std::int32_t w, std::int32_t h)
{
  _height = h;
  ArrangeRow(w);
}

void ColorButtonsArea::ArrangeRow(std::int32_t width)
{
  _width = width;
  _layout = LayoutRow(_buttons, width, kOverflowWidth, _squeeze);
  Redraw();
}

void ColorButtonsArea::DrawMsg(std::int32_t, std::int32_t, std::int32_t, std::int32_t, const BaseContainer& msg)
{
  if (IsFocusRedraw(msg))
    return;
  OffScreenOn();
  DrawSetPen(GXA_COLOR_BACKGROUND);
  DrawRectangle(0, 0, GetWidth() - 1, GetHeight() - 1);
  const bool dark = IsInterfaceColorDark(GXA_COLOR_BACKGROUND);
  const bool disabled = !IsEnabled();
  for (const Button& button : _buttons)
  {
    if (button.hidden)
      continue;
    ButtonIcons::Draw(*this, button.icons.Get(button.state, dark), button.x, ButtonTop(button), button.width,
                      button.height, disabled);
  }
  if (_layout.overflow)
    DrawOverflowButton(dark);
  OffScreenOff();
}

void ColorButtonsArea::DrawOverflowButton(bool dark)
{
  // A double chevron in the off icons' grey, centred in the button.
  DrawSetPen(dark ? Vector(0.72) : Vector(0.3));
  const std::int32_t cx = _layout.overflowX + kOverflowWidth / 2;
  const std::int32_t cy = std::max(RowHeight(), _height) / 2;
  for (const std::int32_t dx : {-4, 1})
  {
    for (std::int32_t thick = 0; thick < 2; ++thick)
    {
      const std::int32_t x = cx + dx + thick;
      DrawLine(x, cy - 4, x + 3, cy - 1);
      DrawLine(x + 3, cy, x, cy + 3);
    }
  }
}

std::int32_t ColorButtonsArea::Message(const BaseContainer& msg, BaseContainer& result)
{
  if (msg.GetId() == GXA_MSG_CURSOR_INFO)
  {
    const String tooltip = TooltipAt(msg.GetInt32(GXA_INPUT_X), msg.GetInt32(GXA_INPUT_Y));
    if (!tooltip.IsEmpty())
    {
      result.SetString(GXA_RESULT_TOOLTIP, tooltip);
      return 1;
    }
  }
  return GeUserArea::Message(msg, result);
}

String ColorButtonsArea::TooltipAt(std::int32_t globalX, std::int32_t globalY) const
{
  std::int32_t x = globalX, y = globalY;
  if (!Global2Local(x, y))
    return String();
  const std::int32_t hit = HitTest(x, y);
  if (hit == kHitOverflow)
    return _overflowTooltip;
  return hit >= 0 ? _buttons[static_cast<std::size_t>(hit)].tooltip : String();
}

std::int32_t ColorButtonsArea::HitTest(std::int32_t x, std::int32_t y) const
{
  if (y < 0 || y >= std::max(RowHeight(), _height))
    return kHitNone;
  if (_layout.overflow && x >= _layout.overflowX && x < _layout.overflowX + kOverflowWidth)
    return kHitOverflow;
  for (std::size_t i = 0; i < _buttons.GetCount(); ++i)
  {
    const Button& button = _buttons[i];
    if (!button.hidden && x >= button.x && x < button.x + button.width)
      return static_cast<std::int32_t>(i);
  }
  return kHitNone;
}

std::int32_t ColorButtonsArea::RowHeight() const
{
  std::int32_t height = 0;
  for (const Button& button : _buttons)
    height = std::max(height, button.height);
  return height;
}

std::int32_t ColorButtonsArea::ButtonTop(const Button& button) const
{
  return (std::max(RowHeight(), _height) - button.height) / 2;
}

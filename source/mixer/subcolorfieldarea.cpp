#include "mixer/subcolorfieldarea.h"

#include <new>

#include "diagnostics.h"
#include "gedata.h"
#include "gedialog.h"
#include "hostdialogs.h"
#include "moduleresource.h"
#include "utils/chooserview.h"
#include "utils/colortooltip.h"
#include "utils/dragcolors.h"

namespace
{
constexpr std::int32_t kMinSize = 16;
constexpr std::int32_t kBorderStyle = 1;
// The host's drag cursor shown once a colour was taken.
constexpr std::int32_t kDropCursor = 19;
constexpr std::int32_t kDialogTitle = 20010;
}  // namespace

SubColorFieldArea::SubColorFieldArea(const Vector& color)
    : _color(color), _conversion(new (std::nothrow) ColorDisplayConversion)
{}

SubColorFieldArea::~SubColorFieldArea() = default;

bool SubColorFieldArea::GetMinSize(std::int32_t& w, std::int32_t& h)
{
  w = kMinSize;
  h = kMinSize;
  return true;
}

void SubColorFieldArea::Deselect()
{
  if (!_selected)
    return;
  _selected = false;
  Redraw();
}

// ----------------------------------------------------------------- drawing

void SubColorFieldArea::DrawFrame(std::int32_t inset, std::int32_t colorId)
{
  const std::int32_t x2 = GetWidth() - 1 - inset;
  const std::int32_t y2 = GetHeight() - 1 - inset;
  DrawSetPen(colorId);
  DrawLine(inset, inset, x2, inset);
  DrawLine(inset, y2, x2, y2);
  DrawLine(inset, inset, inset, y2);
  DrawLine(x2, inset, x2, y2);
}

void SubColorFieldArea::DrawMsg(std::int32_t, std::int32_t, std::int32_t, std::int32_t, const BaseContainer&)
{
  if (!_conversion)
  {
    _conversion.reset(new (std::nothrow) ColorDisplayConversion);
    if (!_conversion)
    {
      ReportError("CSubColorFieldArea::DrawMsg()", OutOfMemoryError());
      return;
    }
  }
  const std::int32_t w = GetWidth() - 1;
  const std::int32_t h = GetHeight() - 1;
  OffScreenOn();
  if (IsEnabled())
  {
    PrepareDisplayConversion(*_conversion, _chooser ? _chooser->GetProfileMode() : 0, _displayReady);
    Vector shown = _color;
    ConvertForDisplay(*_conversion, _displayReady, shown);
    DrawSetPen(shown);
    DrawRectangle(0, 0, w, h);
    if (_selected)
    {
      DrawFrame(1, GXA_COLOR_FRAME_LIGHT);
      DrawFrame(2, GXA_COLOR_FRAME_DARK);
    }
  }
  else
  {
    DrawSetPen(GXA_COLOR_BACKGROUND);
    DrawRectangle(0, 0, w, h);
  }
  DrawBorder(kBorderStyle, 0, 0, w, h);
  OffScreenOff();
}

// ------------------------------------------------------------------- input

void SubColorFieldArea::SendColor()
{
  BaseContainer msg(GXA_MSG_ACTION);
  msg.SetInt32(GXA_MSG_ID, GetId());
  msg.SetVector(GXA_MSG_VALUE, _color);
  SendParentMessage(msg);
}

bool SubColorFieldArea::HandleDoubleClick()
{
  _selected = true;
  Redraw();
  Vector color = _color;
  double alpha = 1.0;
  const std::int32_t profileMode = _chooser ? _chooser->GetProfileMode() : 0;
  if (ShowColorDialog(color, alpha, false, ModuleResource::LoadString(kDialogTitle), profileMode))
  {
    _color = color;
    SendColor();
    Redraw();
  }
  return true;
}

bool SubColorFieldArea::HandleClick()
{
  // A drag that left the field carried the colour away; nothing else.
  const Result<GeData> data = DragColors::OneColor(_color);
  if (data.IsOk() && StartDrag(GXA_DRAGTYPE_COLOR, data.GetValue()))
    return true;
  _selected = !_selected;
  Redraw();
  if (_selected)
    SendColor();
  return true;
}

bool SubColorFieldArea::InputEvent(const BaseContainer& msg)
{
  if (msg.GetInt32(GXA_INPUT_DEVICE) != GXA_DEVICE_MOUSE || msg.GetInt32(GXA_INPUT_CHANNEL) != GXA_CHANNEL_LEFT ||
      !msg.GetBool(GXA_INPUT_VALUE, true))
    return false;
  return msg.GetBool(GXA_INPUT_DOUBLECLICK) ? HandleDoubleClick() : HandleClick();
}

// ---------------------------------------------------------------- messages

String SubColorFieldArea::Tooltip() const
{
  return ColorTooltipText(_chooser ? _chooser->ToChooserSpace(_color) : _color);
}

Result<bool> SubColorFieldArea::ReceiveDrag(const BaseContainer& msg)
{
  if (msg.GetInt32(GXA_DRAG_ENTRY_ESCAPED) != 0 || msg.GetInt32(GXA_DRAG_ENTRY_LOST) != 0)
    return false;
  ASSIGN_OR_RETURN(const auto colors, DragColors::FromDragMessage(msg));
  if (colors.IsEmpty())
    return false;
  if (msg.GetInt32(GXA_DRAG_ENTRY_FINISHED) == 0)
    return true;
  _color = colors[0].color;
  SendColor();
  Redraw();
  if (auto* dialog = GeDialog::FromHandle(GetDialog()))
    dialog->SetDragDestination(kDropCursor);
  return true;
}

std::int32_t SubColorFieldArea::Message(const BaseContainer& msg, BaseContainer& result)
{
  switch (msg.GetId())
  {
    case GXA_MSG_DRAG_RECEIVE:
    {
      const Result<bool> taken = ReceiveDrag(msg);
      if (taken.IsError())
        ReportError("SubColorFieldArea::Message()", taken.GetError());
      else if (taken.GetValue())
        return 1;
      break;
    }
    case GXA_MSG_CURSOR_INFO: result.SetString(GXA_RESULT_TOOLTIP, Tooltip()); return 1;
    default: break;
  }
  return GeUserArea::Message(msg, result);
}

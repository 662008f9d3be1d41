#include "colorwheel/colorwheelarea.h"

#include <algorithm>
#include <cmath>

#include "colormodes/panellayout.h"
#include "cpuyield.h"
#include "diagnostics.h"
#include "hostservices.h"
#include "moduleresource.h"
#include "utils/chooserview.h"
#include "utils/colorconversions.h"
#include "utils/colordisplayconversion.h"
#include "utils/colortooltip.h"
#include "utils/colorutils.h"
#include "utils/colorvisionview.h"

namespace
{
constexpr std::int32_t kReasonFocusGained = GXA_FOURCC('b', 'G', 'F', 'C');
constexpr std::int32_t kReasonFocusLost = GXA_FOURCC('b', 'L', 'F', 'C');
constexpr std::int32_t kOutlineColor = GXA_COLOR_OUTLINE;
constexpr double kHandleReach = 5.0;
constexpr std::int32_t kCursorHandle = 20;
constexpr std::int32_t kCursorLine = 19;
constexpr std::int32_t kStringColor = 20007;
constexpr std::int32_t kStringHue = 20019;
constexpr std::int32_t kStringSaturation = 20020;
constexpr std::int32_t kStringValue = 20021;
constexpr std::int32_t kGroupFlags = GXA_ALIGN_LEFT | GXA_ALIGN_TOP;
constexpr std::int32_t kWheelFlags = GXA_ALIGN_LEFT | GXA_ALIGN_TOP;
constexpr std::int32_t kSliderFlags = GXA_ALIGN_LEFT | GXA_ALIGN_V_SCALEFIT;
constexpr std::int32_t kStripFlags = GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_TOP;
constexpr std::int32_t kWheelBorder = 10;
constexpr std::int32_t kSliderBorder = 5;
constexpr double kTurn = 2.0 * 3.141592653589793;

double DistanceToSegment(const Vector& p, const Vector& a, const Vector& b)
{
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0.0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

std::int32_t To8(double c)
{
  return static_cast<std::int32_t>(std::clamp(c, 0.0, 1.0) * 255.0 + 0.5);
}
}  // namespace

ColorWheelArea::ColorWheelArea(ChooserView& chooser) : _chooser(chooser), _harmonies(_wheel)
{
  _slider.SetVertical(true);
}

bool ColorWheelArea::GetMinSize(std::int32_t& w, std::int32_t& h)
{
  w = h = _size;
  return true;
}

Result<void> ColorWheelArea::CreateLayout()
{
  // Another caller may be half way through the one-time setup.
  if (_layoutState == 1)
    SpinWaitUntil([this] { return _layoutState != 1; });
  if (_layoutState == 0)
  {
    _layoutState = 1;
    _slider.SetRange(0.0, 1.0, 0.01);
    _list.SetMaxCount(kMaxColors);
    _strip.SetCommands(ColorWheelToolbar::kAdd, ColorWheelToolbar::kDelete);
    const Result<void> ready = _toolbar.Init(_harmonies, _harmony, _lock);
    _layoutState = ready.IsOk() ? 2 : 0;
    RETURN_IF_ERROR(ready);
  }
  RETURN_IF_ERROR(_toolbar.Layout(_chooser));
  PanelLayout layout(_chooser);
  _chooser.GroupBegin(kWheelGroup, kGroupFlags, 2, 0);
  _chooser.GroupBorderSpace(kWheelBorder, kWheelBorder, kWheelBorder, kWheelBorder);
  layout.UserArea(kArea, kWheelFlags, *this, 0);
  _chooser.GroupBegin(0, kSliderFlags, 1, 0);
  _chooser.GroupBorderSpace(0, kSliderBorder, 0, kSliderBorder);
  layout.UserArea(kSlider, kSliderFlags, _slider, 0);
  _chooser.GroupEnd();
  _chooser.GroupEnd();
  _chooser.GroupBegin(kStripGroup, kStripFlags, 1, 0);
  _chooser.GroupBorderSpace(kWheelBorder, 0, kWheelBorder, kWheelBorder);
  layout.UserArea(kStrip, kStripFlags, _strip, 0);
  _chooser.GroupEnd();
  RETURN_IF_ERROR(layout.Finish());
  _toolbar.ShowCount(_chooser, _list.GetCount());
  return Ok();
}

void ColorWheelArea::DrawMsg(std::int32_t, std::int32_t, std::int32_t, std::int32_t, const BaseContainer& msg)
{
  const std::int32_t reason = msg.GetInt32(GXA_DRAW_REASON);
  if (reason == kReasonFocusGained || reason == kReasonFocusLost)
    return;
  OffScreenOn();
  DrawSetPen(GXA_COLOR_BACKGROUND);
  DrawRectangle(0, 0, GetWidth() - 1, GetHeight() - 1);
  if (!IsEnabled())
  {
    DrawDisabled();
  }
  else
  {
    const Result<void> drawn = DrawWheel();
    if (drawn.IsError())
      ReportError("ColorWheelArea::DrawMsg()", drawn.GetError());
  }
  OffScreenOff();
}

Result<void> ColorWheelArea::DrawWheel()
{
  const std::int32_t side = std::min(GetWidth(), GetHeight());
  const std::int32_t scale = std::max(GetDisplayScale(), 1);
  Vector background;
  GetInterfaceColor(GXA_COLOR_BACKGROUND, background);
  _wheel.SetLinear(_chooser.IsLinearActive());
  _wheel.SetActiveHandle(_activeHandle);
  _wheel.SetVision(ColorVisionView::Of(_chooser.GetState()));
  _wheel.SetCurrentHarmony(&_harmonies.Get(_harmony));
  ASSIGN_OR_RETURN(BaseBitmap * picture, _wheel.GenerateWheel(side, scale, To8(background.x), To8(background.y),
                                                              To8(background.z), _list.Entries()));
  if (!picture)
    return Ok();
  std::int32_t flags = GXA_BMP_ALLOWALPHA;
  AttachDisplayProfile(picture->Get(), _chooser.GetProfileMode(), flags);
  DrawBitmap(*picture, 0, 0, side, side, 0, 0, side * scale, side * scale, flags);
  return Ok();
}

void ColorWheelArea::DrawDisabled()
{
  // An outlined, empty wheel with its centre point.
  const std::int32_t scale = std::max(GetDisplayScale(), 1);
  const std::int32_t w = GetWidth() * scale, h = GetHeight() * scale;
  if (w < 1 || h < 1)
    return;
  Vector background, outline;
  GetInterfaceColor(GXA_COLOR_BACKGROUND, background);
  GetInterfaceColor(kOutlineColor, outline);
  BaseBitmap picture;
  if (picture.Init(w, h, 24).IsError() || picture.AddAlpha().IsError())
    return;
  for (std::int32_t y = 0; y < h; ++y)
    for (std::int32_t x = 0; x < w; ++x)
    {
      picture.SetPixel(x, y, To8(background.x), To8(background.y), To8(background.z));
      picture.SetAlpha(x, y, 0);
    }
  const Vector centre((w - 1) / 2.0, (h - 1) / 2.0, 0.0);
  RingCircleBitmap ring;
  if (ring.SetDiameter(std::min(w, h) - 1.0, scale).IsOk())
  {
    ring.SetColor(background);
    ring.SetSecondColor(To8(outline.x), To8(outline.y), To8(outline.z));
    ring.SetOpacity(1.0);
    ring.SetUseAlpha(true);
    ring.Draw(picture, centre);
  }
  CircleBitmap dot;
  if (dot.Init(3.0 * scale, To8(outline.x), To8(outline.y), To8(outline.z), 1.0, true).IsOk())
    dot.Draw(picture, centre);
  DrawBitmap(picture, 0, 0, GetWidth(), GetHeight(), 0, 0, w, h, GXA_BMP_ALLOWALPHA);
}

ColorWheelArea::Hit ColorWheelArea::HitTest(const Vector& p) const
{
  Hit hit;
  for (const bool selected : {true, false})
    for (std::size_t i = 0; i < _list.GetCount(); ++i)
    {
      const Vector& c = _list[i].color;
      if (_list[i].selected != selected)
        continue;
      const Vector at = _wheel.HsvToPoint(c.x, c.y, c.z);
      if (std::fabs(p.x - at.x) <= kHandleReach && std::fabs(p.y - at.y) <= kHandleReach)
      {
        hit.index = static_cast<std::int64_t>(i);
        return hit;
      }
    }
  for (std::size_t i = 0; i < _list.GetCount(); ++i)
  {
    const Vector& c = _list[i].color;
    if (DistanceToSegment(p, _wheel.GetCentre(), _wheel.HsvToPoint(c.x, c.y, c.z)) <= kHandleReach)
    {
      hit.index = static_cast<std::int64_t>(i);
      hit.line = true;
      return hit;
    }
  }
  return hit;
}

String ColorWheelArea::Tooltip(const Vector& p) const
{
  const Hit hit = HitTest(p);
  const Vector hsv =
      hit.index >= 0 && !hit.line ? _list[static_cast<std::size_t>(hit.index)].color : _wheel.PointToHsv(p);
  const bool radiusIsSaturation = _wheel.IsRadiusSaturation();
  const double radial = radiusIsSaturation ? hsv.y : hsv.z, fixed = radiusIsSaturation ? hsv.z : hsv.y;
  const String radialLabel = ModuleResource::LoadString(radiusIsSaturation ? kStringSaturation : kStringValue);
  const String fixedLabel = ModuleResource::LoadString(radiusIsSaturation ? kStringValue : kStringSaturation);
  std::string text = ColorTooltipLine(ModuleResource::LoadString(kStringColor), ColorToRgbText(HsvToRgb(hsv))).GetStd();
  text +=
      " " +
      ColorTooltipLine(ModuleResource::LoadString(kStringHue), FormatNumber(hsv.x * kTurn, GXA_UNIT_DEGREE)).GetStd();
  text += " " + ColorTooltipLine(radialLabel, FormatNumber(radial, GXA_UNIT_PERCENT)).GetStd();
  text += " " + ColorTooltipLine(fixedLabel, FormatNumber(fixed, GXA_UNIT_PERCENT)).GetStd();
  return String(text);
}

std::int32_t ColorWheelArea::Message(const BaseContainer& msg, BaseContainer& result)
{
  if (msg.GetId() != GXA_MSG_CURSOR_INFO)
    return GeUserArea::Message(msg, result);
  std::int32_t mx = msg.GetInt32(GXA_INPUT_X), my = msg.GetInt32(GXA_INPUT_Y);
  Global2Local(mx, my);
  const Vector p(mx, my, 0.0);
  const Hit hit = HitTest(p);
  if (hit.index >= 0)
    result.SetInt32(GXA_RESULT_CURSOR, hit.line ? kCursorLine : kCursorHandle);
  result.SetString(GXA_RESULT_TOOLTIP, Tooltip(p));
  return 1;
}

bool ColorWheelArea::Contains(const BaseContainer& msg)
{
  std::int32_t x = msg.GetInt32(GXA_INPUT_X), y = msg.GetInt32(GXA_INPUT_Y);
  return IsEnabled() && Global2Local(x, y) && x >= 0 && y >= 0 && x < GetWidth() && y < GetHeight();
}

bool ColorWheelArea::TakeInput(const BaseContainer& msg)
{
  return Contains(msg) && InputEvent(msg);
}

bool ColorWheelArea::TakeCursorInfo(const BaseContainer& msg, BaseContainer& result)
{
  return Contains(msg) && Message(msg, result) != 0;
}

void ColorWheelArea::RefreshStrip()
{
  PushToStrip();
}

bool ColorWheelArea::InputEvent(const BaseContainer& msg)
{
  Result<void> handled = Ok();
  const std::int32_t device = msg.GetInt32(GXA_INPUT_DEVICE);
  const std::int32_t channel = msg.GetInt32(GXA_INPUT_CHANNEL);
  if (device == GXA_DEVICE_KEYBOARD)
  {
    if (channel != GXA_KEY_BACKSPACE && channel != GXA_KEY_DELETE)
      return false;
    handled = DeleteByKey();
  }
  else if (device == GXA_DEVICE_MOUSE && channel == GXA_CHANNEL_LEFT)
  {
    handled = MouseDown(msg);
  }
  else if (device == GXA_DEVICE_MOUSE && channel == GXA_CHANNEL_RIGHT)
  {
    handled = HandleMenu();
  }
  else
  {
    return false;
  }
  if (handled.IsError())
    ReportError("ColorWheelArea::InputEvent()", handled.GetError());
  SendParentMessage(BaseContainer(kArea));
  return true;
}

void ColorWheelArea::RedrawAll()
{
  Redraw();
  UpdateSlider();
  PushToStrip();
  _toolbar.ShowCount(_chooser, _list.GetCount());
}

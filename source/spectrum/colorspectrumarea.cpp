#include "spectrum/colorspectrumarea.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "chooserids.h"
#include "diagnostics.h"
#include "gedata.h"
#include "gxa_api.h"
#include "hostservices.h"
#include "moduleresource.h"
#include "utils/chooserview.h"
#include "utils/colordisplayconversion.h"
#include "utils/colortooltip.h"
#include "utils/colorutils.h"

namespace
{
constexpr std::int32_t kSizes[3] = {130, 210, 290};
constexpr std::int32_t kMargin = 6;
constexpr double kMarkerReach = 5.5;
constexpr double kMarkerRadius = 11.0;
constexpr double kMarkerRing = 2.0;
// The marker turns black on colours whose luma reaches this.
constexpr double kContrastLuma = 0.5098;
constexpr double kDisabledOpacity = 0.5;
constexpr std::int32_t kBorderStyle = 1;

constexpr std::int32_t kMenuFirst = 900000;
constexpr std::int32_t kStringFirstSize = 20092;
constexpr std::int32_t kAtMouse = 0x7fffffff;
constexpr std::int32_t kMenuFlags = 72;
constexpr std::int32_t kStringSaturation = 20020;
constexpr std::int32_t kStringValue = 20021;
constexpr std::int32_t kCursorMarker = 20;
constexpr std::int32_t kCursorSquare = GXA_CURSOR_MOVE;
// The host event that lays out every open dialog again.
constexpr std::int32_t kEventLayout = 604;

// A pen moves a little while it presses, a mouse does not.
constexpr double kThresholdPen = 6.0;
constexpr double kThresholdMouse = 2.0;

constexpr std::int32_t kReasonFocusGained = GXA_FOURCC('b', 'G', 'F', 'C');
constexpr std::int32_t kReasonFocusLost = GXA_FOURCC('b', 'L', 'F', 'C');

double KeyStep(std::int32_t qualifier)
{
  if (qualifier & GXA_QUALIFIER_ALT)
    return 1.0;
  if (qualifier & (GXA_QUALIFIER_SHIFT | GXA_QUALIFIER_CTRL))
    return 0.1;
  return 0.01;
}
}  // namespace

ColorSpectrumArea::ColorSpectrumArea(ChooserView& chooser, Sizing sizing) : _chooser(chooser), _sizing(sizing)
{
  _hue.SetVertical(true);
  if (_sizing == Sizing::Fixed)
    ComputeSizing(SizeFromPreference());
}

std::int32_t ColorSpectrumArea::SizeFromPreference()
{
  const std::int32_t index = GetWorldPreferences().GetInt32(kPrefSize, 0);
  return kSizes[std::clamp(index, 0, 2)];
}

void ColorSpectrumArea::ComputeSizing(std::int32_t size)
{
  _size = std::max(size, 0);
  _span = _size - 2 * kMargin - 1;
  _invSpan = _span > 0.0 ? 1.0 / _span : 0.0;
  _scale = std::max(GetDisplayScale(), 1);
  _edge = _size * _scale;
  _margin = kMargin * _scale;
}

bool ColorSpectrumArea::SetSize(std::int32_t size)
{
  if (size == _size)
    return false;
  ComputeSizing(size);
  Reset();
  return true;
}

void ColorSpectrumArea::Reset()
{
  _drawnHsv = Vector(-1.0, -1.0, -1.0);
}

bool ColorSpectrumArea::GetMinSize(std::int32_t& w, std::int32_t& h)
{
  if (_sizing == Sizing::Fixed || _measured > 0)
  {
    w = h = _size;
    return true;
  }
  // Until the row has measured the square, let it take what the row gives.
  w = h = _minSizeToggle ? 1 : 0;
  _minSizeToggle = !_minSizeToggle;
  return true;
}

void ColorSpectrumArea::Sized(std::int32_t, std::int32_t)
{
  if (_sizing != Sizing::Fixed)
    FollowExtent();
}

bool ColorSpectrumArea::FollowExtent()
{
  const std::int32_t extent = _sizing == Sizing::FollowHeight ? GetHeight() : GetWidth();
  if (extent == _measured || extent <= 0)
    return false;
  _measured = extent;
  ComputeSizing(extent);
  Reset();
  if (_layoutGuard || _layoutSize == extent)
    return false;
  _layoutGuard = true;
  _layoutSize = extent;
  BaseContainer msg(GXA_MSG_LAYOUT_CHANGED);
  msg.SetInt32(GXA_MSG_LAYOUT_CHANGED, 1);
  SendParentMessage(msg);
  _layoutGuard = false;
  return true;
}

void ColorSpectrumArea::DrawMsg(std::int32_t, std::int32_t, std::int32_t, std::int32_t, const BaseContainer& msg)
{
  if (_sizing != Sizing::Fixed && FollowExtent())
    return;
  const std::int32_t w = GetWidth(), h = GetHeight();
  OffScreenOn();
  DrawSetPen(GXA_COLOR_BACKGROUND);
  DrawRectangle(0, 0, w - 1, h - 1);
  if (!IsEnabled())
  {
    DrawDisabled();
    OffScreenOff();
    return;
  }
  const std::int32_t reason = msg.GetInt32(GXA_DRAW_REASON);
  const Result<void> drawn = DrawSquare(reason == kReasonFocusGained || reason == kReasonFocusLost);
  if (drawn.IsError())
    ReportError("ColorSpectrumArea::DrawMsg()", drawn.GetError());
  OffScreenOff();
}

void ColorSpectrumArea::DrawDisabled()
{
  const std::int32_t w = GetWidth(), h = GetHeight();
  DrawSetPen(GXA_COLOR_BACKGROUND);
  DrawRectangle(kMargin, kMargin, w - 1 - kMargin, h - 1 - kMargin);
  DrawBorder(kBorderStyle, kMargin, kMargin, w - 1 - kMargin, h - 1 - kMargin);
}

Result<void> ColorSpectrumArea::DrawSquare(bool fullRedraw)
{
  if (std::max(GetDisplayScale(), 1) != _scale)
  {
    ComputeSizing(_size);
    Reset();
    RETURN_IF_ERROR(_image.BuildMarker(kMarkerRadius * _scale, kMarkerRing * _scale));
  }
  if (_edge < 1)
    return Ok();
  const Vector& hsv = _chooser.GetHSV();
  ASSIGN_OR_RETURN(const bool rebuilt, _image.Prepare(_edge, _margin, hsv.x, _chooser.IsLinearActive()));
  if (!_image.IsMarkerBuilt())
    RETURN_IF_ERROR(_image.BuildMarker(kMarkerRadius * _scale, kMarkerRing * _scale));
  const bool moved = hsv.y != _drawnHsv.y || hsv.z != _drawnHsv.z || hsv.x != _drawnHsv.x;
  if (rebuilt || moved || fullRedraw || _drawnHsv.x < 0.0)
    RETURN_IF_ERROR(_image.Compose(MakeMarker(), rebuilt || fullRedraw || _drawnHsv.x < 0.0));
  _drawnHsv = hsv;
  BaseBitmap& composed = *_image.GetComposed();
  std::int32_t flags = GXA_BMP_ALLOWALPHA;
  AttachDisplayProfile(composed.Get(), _chooser.GetProfileMode(), flags);
  DrawBitmap(composed, 0, 0, _size, _size, 0, 0, _edge, _edge, flags);
  return Ok();
}

ColorSpectrumImage::Marker ColorSpectrumArea::MakeMarker() const
{
  const Vector& hsv = _chooser.GetHSV();
  const double steps = _edge - 2 * _margin - 1;
  ColorSpectrumImage::Marker marker;
  marker.centre = Vector(_margin + hsv.y * steps, _margin + steps - hsv.z * steps, 0.0);
  const Vector shown =
      _chooser.IsLinearActive() ? ConvertColorSpace(_chooser.GetColor(), GXA_TRANSFORM_TO_HOST) : _chooser.GetColor();
  marker.color = shown.Clamp01();
  const double luma = 0.299 * shown.x + 0.587 * shown.y + 0.114 * shown.z;
  marker.grey = luma < kContrastLuma ? 255 : 0;
  marker.opacity = IsEnabled() ? 1.0 : kDisabledOpacity;
  return marker;
}

Vector ColorSpectrumArea::MarkerPosition() const
{
  const Vector& hsv = _chooser.GetHSV();
  return {hsv.y * _span + kMargin, kMargin + _span - hsv.z * _span, 0.0};
}

Vector ColorSpectrumArea::PointToSv(double x, double y) const
{
  return {std::clamp((x - kMargin) * _invSpan, 0.0, 1.0), std::clamp(1.0 - (y - kMargin) * _invSpan, 0.0, 1.0), 0.0};
}

bool ColorSpectrumArea::OnMarker(double x, double y) const
{
  const Vector at = MarkerPosition();
  return std::fabs(x - at.x) <= kMarkerReach && std::fabs(y - at.y) <= kMarkerReach;
}

bool ColorSpectrumArea::InputEvent(const BaseContainer& msg)
{
  const std::int32_t device = msg.GetInt32(GXA_INPUT_DEVICE);
  if (device == GXA_DEVICE_KEYBOARD)
    return HandleKey(msg);
  if (device != GXA_DEVICE_MOUSE)
    return false;
  switch (msg.GetInt32(GXA_INPUT_CHANNEL))
  {
    case GXA_CHANNEL_LEFT: return HandleClick(msg);
    case GXA_CHANNEL_RIGHT:
    {
      if (_sizing != Sizing::Fixed || _chooser.GetState().GetBool(chooser::kModeCompact))
        return false;
      const Result<void> chosen = HandleMenu();
      if (chosen.IsError())
        ReportError("ColorSpectrumArea::InputEvent()", chosen.GetError());
      return true;
    }
    default: return false;
  }
}

void ColorSpectrumArea::Apply(double saturation, double value)
{
  const double hue = _chooser.GetHSV().x;
  _chooser.SetHSV(Vector(hue, saturation, value));
  _chooser.SetRebuildPending(false);
  Redraw();
  if (_sizing == Sizing::Fixed)
    _hue.SetPosition(hue);
}

void ColorSpectrumArea::Send(bool dragging)
{
  BaseContainer msg(GXA_MSG_ACTION);
  msg.SetInt32(GXA_MSG_ID, GetId());
  msg.SetInt32(GXA_MSG_DRAG, dragging ? 1 : 0);
  SendParentMessage(msg);
}

double ColorSpectrumArea::DragThreshold() const
{
  BaseContainer state;
  return GetInputState(GXA_DEVICE_MOUSE, GXA_CHANNEL_LEFT, state) ? kThresholdPen : kThresholdMouse;
}

bool ColorSpectrumArea::HandleClick(const BaseContainer& msg)
{
  std::int32_t mx = msg.GetInt32(GXA_INPUT_X), my = msg.GetInt32(GXA_INPUT_Y);
  if (!Global2Local(mx, my))
  {
    ReportError("ColorSpectrumArea::InputEvent()", "Global2Local() failed.");
    return true;
  }
  double x = mx, y = my;
  if (OnMarker(x, y))
  {
    // Grabbing the marker keeps the colour until the mouse really moves.
    const Vector at = MarkerPosition();
    x = at.x;
    y = at.y;
  }
  else
  {
    const Vector sv = PointToSv(x, y);
    Apply(sv.x, sv.y);
    _chooser.SetLiveChange(true);
    Send(true);
  }
  const double threshold = DragThreshold();
  double sumX = 0.0, sumY = 0.0, dx = 0.0, dy = 0.0;
  bool moving = false;
  BaseContainer channels;
  // The host counts the movement from the press; the marker moves by as
  // much from its centre.
  MouseDragStart(GXA_CHANNEL_LEFT, mx, my);
  while (MouseDrag(dx, dy, channels) == GXA_MOUSEDRAG_CONTINUE)
  {
    if (dx == 0.0 && dy == 0.0)
      continue;
    sumX += dx;
    sumY += dy;
    if (!moving && std::fabs(sumX) < threshold && std::fabs(sumY) < threshold)
      continue;
    moving = true;
    const Vector sv = PointToSv(x + sumX, y + sumY);
    Apply(sv.x, sv.y);
    _chooser.SetLiveChange(true);
    Send(true);
  }
  MouseDragEnd();
  Send(false);
  return true;
}

bool ColorSpectrumArea::HandleKey(const BaseContainer& msg)
{
  const double step = KeyStep(msg.GetInt32(GXA_INPUT_QUALIFIER));
  const Vector& hsv = _chooser.GetHSV();
  double s = hsv.y, v = hsv.z;
  switch (msg.GetInt32(GXA_INPUT_CHANNEL))
  {
    case GXA_KEY_UP: v += step; break;
    case GXA_KEY_DOWN: v -= step; break;
    case GXA_KEY_LEFT: s -= step; break;
    case GXA_KEY_RIGHT: s += step; break;
    default: return false;
  }
  Apply(std::clamp(s, 0.0, 1.0), std::clamp(v, 0.0, 1.0));
  Send(false);
  return true;
}

Result<void> ColorSpectrumArea::HandleMenu()
{
  BaseContainer menu;
  for (std::int32_t i = 0; i < 3; ++i)
  {
    String text = ModuleResource::LoadString(kStringFirstSize + i);
    if (kSizes[i] == _size)
      text = text + "&c&";
    menu.InsertData(kMenuFirst + i, GeData(text));
  }
  const std::int32_t chosen = ShowPopupMenu(kAtMouse, kAtMouse, menu, kMenuFlags) - kMenuFirst;
  if (chosen < 0 || chosen > 2 || kSizes[chosen] == _size)
    return Ok();
  BaseContainer prefs = GetWorldPreferences();
  if (!prefs.IsValid())
    return UnexpectedError("The world preferences are missing.");
  prefs.SetInt32(kPrefSize, chosen);
  SetSize(kSizes[chosen]);
  LayoutChanged();
  PostEvent(kEventLayout, chooser::kBroadcastSpectrum, 0);
  ChooserView::PostBroadcast(chooser::kBroadcastSpectrum, &_chooser);
  return Ok();
}

String ColorSpectrumArea::Tooltip(const BaseContainer& msg)
{
  std::int32_t mx = msg.GetInt32(GXA_INPUT_X), my = msg.GetInt32(GXA_INPUT_Y);
  Global2Local(mx, my);
  const bool onMarker = OnMarker(mx, my);
  const Vector& hsv = _chooser.GetHSV();
  const Vector sv = onMarker ? Vector(hsv.y, hsv.z, 0.0) : PointToSv(mx, my);
  return ColorTooltipLine(ModuleResource::LoadString(kStringSaturation), FormatNumber(sv.x, GXA_UNIT_PERCENT)) + " " +
         ColorTooltipLine(ModuleResource::LoadString(kStringValue), FormatNumber(sv.y, GXA_UNIT_PERCENT)).GetStd();
}

std::int32_t ColorSpectrumArea::Message(const BaseContainer& msg, BaseContainer& result)
{
  if (msg.GetId() != GXA_MSG_CURSOR_INFO)
    return GeUserArea::Message(msg, result);
  std::int32_t mx = msg.GetInt32(GXA_INPUT_X), my = msg.GetInt32(GXA_INPUT_Y);
  Global2Local(mx, my);
  result.SetInt32(GXA_RESULT_CURSOR, OnMarker(mx, my) ? kCursorMarker : kCursorSquare);
  result.SetString(GXA_RESULT_TOOLTIP, Tooltip(msg));
  return 1;
}

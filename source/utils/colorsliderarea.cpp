#include "utils/colorsliderarea.h"

#include <cmath>
#include <new>
#include <utility>

#include "diagnostics.h"
#include "gedialog.h"
#include "hostservices.h"
#include "utils/chooserview.h"

namespace
{
constexpr std::int32_t kMinLong = 60;
constexpr std::int32_t kMinShort = 20;
constexpr std::int32_t kBorderStyle = 1;
constexpr std::int32_t kHandleLineColor = GXA_COLOR_FRAME_LIGHT;
constexpr std::int32_t kHandleBoxColor = GXA_COLOR_FRAME_DARK;
// Hatching: stripes two pixels wide every six, rising to the right.
constexpr std::int32_t kHatchPeriod = 6;
constexpr std::int32_t kHatchWidth = 2;
constexpr double kHatchDarkOn = 0.5;
const Vector kHatchDark(0.15, 0.15, 0.15);
const Vector kHatchLight(0.9, 0.9, 0.9);

std::int32_t CurrentTheme()
{
  return GetWorldPreferences().GetInt32(kPrefInterfaceTheme, 0);
}
}  // namespace

ColorSliderArea::ColorSliderArea()
    : _theme(CurrentTheme()), _checker(CheckerColors(_theme)), _conversion(new (std::nothrow) ColorDisplayConversion)
{}

ColorSliderArea::~ColorSliderArea()
{
  _dragStart = nullptr;
  _dragStartArgument = nullptr;
  _conversion.reset();
  _lineDrawer = nullptr;
}

bool ColorSliderArea::GetMinSize(std::int32_t& w, std::int32_t& h)
{
  w = _vertical ? kMinShort : kMinLong;
  h = _vertical ? kMinLong : kMinShort;
  return true;
}

void ColorSliderArea::PrepareGradient() {}

bool ColorSliderArea::IsHatched(double) const
{
  return false;
}

void ColorSliderArea::SetRange(double minimum, double maximum, double step)
{
  _range = ColorSliderAreaRange(minimum, maximum, step);
}

void ColorSliderArea::SetUnitValue(double value)
{
  _t = _range.PositionOf(value);
}

void ColorSliderArea::SetPosition(double t)
{
  _t = t;
  Redraw();
}

void ColorSliderArea::SetVertical(bool on)
{
  _vertical = on;
  _lineDrawer = on ? &DrawLineAcrossVertical : &DrawLineAcrossHorizontal;
}

void ColorSliderArea::SetDragStartCallback(DragStartCallback callback, void* argument)
{
  _dragStart = callback;
  _dragStartArgument = argument;
}

void ColorSliderArea::Configure(const BaseContainer& settings)
{
  SetNormalizedMessages(settings.GetBool(kConfigNormalized));
  SetVertical(settings.GetBool(kConfigVertical));
  SetResetOnRightClick(settings.GetBool(kConfigReset));
  SetRange(settings.GetFloat(kConfigMinimum, 0.0), settings.GetFloat(kConfigMaximum, 0.1),
           settings.GetFloat(kConfigStep, 0.01));
}

bool ColorSliderArea::RefreshTheme()
{
  const std::int32_t theme = CurrentTheme();
  if (theme == _theme)
    return false;
  _theme = theme;
  _checker = CheckerColors(theme);
  return true;
}

double ColorSliderArea::MessageValue() const
{
  return _normalized ? _t : _range.ValueAt(_t);
}

void ColorSliderArea::SendValue(double value, bool dragging)
{
  BaseContainer msg(GXA_MSG_ACTION);
  msg.SetInt32(GXA_MSG_ID, GetId());
  msg.SetFloat(GXA_MSG_VALUE, value);
  msg.SetInt32(GXA_MSG_DRAG, dragging ? 1 : 0);
  SendParentMessage(msg);
}

std::int32_t ColorSliderArea::HolderProfileMode() const
{
  const auto* chooser = dynamic_cast<const ChooserView*>(GeDialog::FromHandle(GetDialog()));
  return chooser ? chooser->GetProfileMode() : 0;
}

// ----------------------------------------------------------------- drawing

void ColorSliderArea::DrawLineAcrossHorizontal(ColorSliderArea& area, std::int32_t along, std::int32_t from,
                                               std::int32_t to)
{
  area.DrawLine(along, from, along, to);
}

void ColorSliderArea::DrawLineAcrossVertical(ColorSliderArea& area, std::int32_t along, std::int32_t from,
                                             std::int32_t to)
{
  area.DrawLine(from, along, to, along);
}

void ColorSliderArea::DrawAxisRect(std::int32_t along1, std::int32_t across1, std::int32_t along2, std::int32_t across2)
{
  if (_vertical)
    DrawRectangle(across1, along1, across2, along2);
  else
    DrawRectangle(along1, across1, along2, across2);
}

void ColorSliderArea::DrawAxisLine(std::int32_t along1, std::int32_t across1, std::int32_t along2, std::int32_t across2)
{
  if (_vertical)
    DrawLine(across1, along1, across2, along2);
  else
    DrawLine(along1, across1, along2, across2);
}

void ColorSliderArea::DrawAxisBorder(std::int32_t along1, std::int32_t across1, std::int32_t along2,
                                     std::int32_t across2)
{
  if (_vertical)
    DrawBorder(kBorderStyle, across1, along1, across2, along2);
  else
    DrawBorder(kBorderStyle, along1, across1, along2, across2);
}

void ColorSliderArea::DrawMsg(std::int32_t, std::int32_t, std::int32_t, std::int32_t, const BaseContainer&)
{
  if (!_conversion)
  {
    _conversion.reset(new (std::nothrow) ColorDisplayConversion);
    if (!_conversion)
    {
      ReportError("ColorSliderArea::DrawMsg()", OutOfMemoryError());
      return;
    }
  }
  _drawnDisabled = !IsEnabled();
  _drawnHandleHidden = _handleHidden;
  PrepareGradient();
  PrepareDisplayConversion(*_conversion, HolderProfileMode(), _displayReady);
  _geometry = ColorSliderAreaGeometry::Compute(GetWidth(), GetHeight(), _vertical, _t);
  const std::int32_t steps = _geometry.GradientSteps();
  _invGradientLength = steps > 0 ? 1.0 / steps : 0.0;

  OffScreenOn();
  DrawSetPen(GXA_COLOR_BACKGROUND);
  DrawAxisRect(0, 0, _geometry.length, _geometry.across);
  // An enabled bar too short for a gradient shows only its background.
  if (_drawnDisabled || steps > 0)
    DrawBar();
  OffScreenOff();
}

void ColorSliderArea::DrawBar()
{
  if (!_drawnDisabled)
  {
    if (_checkerboard)
      DrawCheckerGradient();
    else
      DrawGradient();
  }
  const auto along = _geometry.BorderAlong();
  const auto across = _geometry.BorderAcross();
  DrawAxisBorder(along.from, across.from, along.to, across.to);
  if (!_drawnDisabled && !_drawnHandleHidden)
    DrawHandle();
}

void ColorSliderArea::DrawGradient()
{
  const auto across = _geometry.GradientAcross();
  const std::int32_t steps = _geometry.GradientSteps();
  for (std::int32_t i = 0; i <= steps; ++i)
  {
    const double t = i * _invGradientLength;
    Vector color = GetSliderColor(t);
    ConvertForDisplay(*_conversion, _displayReady, color);
    DrawSetPen(color);
    _lineDrawer(*this, 1 + i, across.from, across.to);
    if (IsHatched(t))
      DrawHatch(1 + i, across.from, across.to, color);
  }
}

void ColorSliderArea::DrawHatch(std::int32_t along, std::int32_t from, std::int32_t to, const Vector& color)
{
  const double luma = 0.2126 * color.x + 0.7152 * color.y + 0.0722 * color.z;
  DrawSetPen(luma > kHatchDarkOn ? kHatchDark : kHatchLight);
  std::int32_t run = -1;
  for (std::int32_t across = from; across <= to + 1; ++across)
  {
    const bool stripe = across <= to && (along + across) % kHatchPeriod < kHatchWidth;
    if (stripe && run < 0)
      run = across;
    if (!stripe && run >= 0)
    {
      _lineDrawer(*this, along, run, across - 1);
      run = -1;
    }
  }
}

void ColorSliderArea::DrawCheckerGradient()
{
  Vector color = GetSliderColor(0.0);
  ConvertForDisplay(*_conversion, _displayReady, color);
  Vector lighter = _checker.lighter;
  Vector darker = _checker.darker;
  if (_chooserSpace)
  {
    lighter = ConvertColorSpace(lighter, GXA_TRANSFORM_FROM_HOST);
    darker = ConvertColorSpace(darker, GXA_TRANSFORM_FROM_HOST);
  }
  const std::int32_t steps = _geometry.GradientSteps();
  const std::int32_t segments = _geometry.CheckerSegmentCount();
  for (std::int32_t i = 0; i <= steps; ++i)
  {
    const double t = i * _invGradientLength;
    Vector a1 = lighter + (color - lighter) * t;
    Vector a2 = darker + (color - darker) * t;
    if (_chooserSpace)
    {
      a1 = ConvertColorSpace(a1, GXA_TRANSFORM_TO_HOST);
      a2 = ConvertColorSpace(a2, GXA_TRANSFORM_TO_HOST);
    }
    if (ColorSliderAreaGeometry::CheckerSwapped(i))
      std::swap(a1, a2);
    for (std::int32_t k = 0; k < segments; ++k)
    {
      const auto segment = _geometry.CheckerSegment(k);
      DrawSetPen(k % 2 == 0 ? a1 : a2);
      _lineDrawer(*this, 1 + i, segment.from, segment.to);
    }
  }
}

void ColorSliderArea::DrawHandle()
{
  const std::int32_t p = _geometry.handle;
  const auto box = _geometry.box;
  const std::int32_t a = _geometry.across;
  const auto line = _geometry.HandleLineAcross();
  DrawSetPen(kHandleLineColor);
  DrawAxisLine(p, line.from, p, line.to);
  DrawSetPen(kHandleBoxColor);
  DrawAxisLine(box.from, 0, box.from, a);
  DrawAxisLine(box.to, 0, box.to, a);
  DrawAxisLine(box.from + 1, 0, box.to - 1, 0);
  DrawAxisLine(box.from + 1, a, box.to - 1, a);
}

// ------------------------------------------------------------------- input

bool ColorSliderArea::InputEvent(const BaseContainer& msg)
{
  // Releases end nothing here: a drag runs its own loop.
  if (!msg.GetBool(GXA_INPUT_VALUE, true))
    return false;
  const std::int32_t device = msg.GetInt32(GXA_INPUT_DEVICE);
  if (device == GXA_DEVICE_KEYBOARD)
    return HandleKey(msg);
  if (device != GXA_DEVICE_MOUSE)
    return false;
  switch (const std::int32_t channel = msg.GetInt32(GXA_INPUT_CHANNEL))
  {
    case GXA_CHANNEL_RIGHT: return HandleReset();
    case GXA_CHANNEL_WHEEL: return HandleWheel(msg);
    case GXA_CHANNEL_LEFT:
    case GXA_CHANNEL_MIDDLE: return HandleDrag(msg, channel);
    default: return false;
  }
}

bool ColorSliderArea::MoveTo(double t)
{
  if (t == _t)
    return false;
  _t = t;
  Redraw();
  SendValue(MessageValue(), false);
  return true;
}

bool ColorSliderArea::HandleReset()
{
  if (!_reset)
    return false;
  _t = 0.5;
  Redraw();
  SendValue(MessageValue(), false);
  return true;
}

bool ColorSliderArea::HandleWheel(const BaseContainer& msg)
{
  const double wx = msg.GetFloat(GXA_INPUT_WHEEL_X);
  const double wy = msg.GetFloat(GXA_INPUT_WHEEL_Y);
  const double notches = std::fabs(wx) > std::fabs(wy) ? wx : wy;
  MoveTo(_range.WheelStep(_t, notches, _vertical, msg.GetInt32(GXA_INPUT_QUALIFIER)));
  return true;
}

bool ColorSliderArea::HandleKey(const BaseContainer& msg)
{
  const auto t = _range.KeyStep(_t, msg.GetInt32(GXA_INPUT_CHANNEL), msg.GetInt32(GXA_INPUT_QUALIFIER), _vertical);
  if (!t)
    return false;
  MoveTo(*t);
  return true;
}

void ColorSliderArea::StoreMousePosition(const BaseContainer& msg)
{
  std::int32_t x = msg.GetInt32(GXA_INPUT_X);
  std::int32_t y = msg.GetInt32(GXA_INPUT_Y);
  Global2Local(x, y);
  _mouseX = x;
  _mouseY = y;
}

double ColorSliderArea::DragPosition(std::int32_t qualifier, std::int32_t channel) const
{
  const double t = _vertical ? ColorSliderAreaGeometry::PositionToT(_mouseY, GetHeight())
                             : ColorSliderAreaGeometry::PositionToT(_mouseX, GetWidth());
  return _range.Snap(t, qualifier, channel);
}

bool ColorSliderArea::HandleDrag(const BaseContainer& msg, std::int32_t channel)
{
  if (_dragStart)
  {
    const Result<void> started = _dragStart(_dragStartArgument);
    if (started.IsError())
    {
      ReportError("ColorSliderArea::InputEvent()", started.GetError());
      return false;
    }
  }
  const double startT = _t;
  const bool startHidden = _handleHidden;
  _handleHidden = false;
  StoreMousePosition(msg);
  Redraw();

  _t = DragPosition(msg.GetInt32(GXA_INPUT_QUALIFIER), channel);
  SendValue(MessageValue(), true);
  Redraw();

  MouseDragStart(channel, _mouseX, _mouseY);
  BaseContainer channels;
  double dx = 0.0, dy = 0.0;
  while (MouseDrag(dx, dy, channels) == GXA_MOUSEDRAG_CONTINUE)
  {
    if (dx == 0.0 && dy == 0.0)
      continue;
    _mouseX += dx;
    _mouseY += dy;
    _t = DragPosition(channels.GetInt32(GXA_INPUT_QUALIFIER), channel);
    Redraw();
    SendValue(MessageValue(), true);
  }
  double last = MessageValue();
  if (MouseDragEnd() == GXA_MOUSEDRAG_ESCAPE)
  {
    _t = startT;
    _handleHidden = startHidden;
    Redraw();
    last = _dragStart ? -MessageValue() : MessageValue();
  }
  SendValue(last, false);
  return true;
}

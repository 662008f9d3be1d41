#include "colorwheel/colorwheel.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "colorwheel/colorwheelharmony.h"
#include "gxa_api.h"
#include "utils/colorconversions.h"
#include "utils/colorutils.h"

namespace
{
constexpr std::int32_t kRimMargin = 6;
constexpr double kThinLine = 0.7;
constexpr double kThickLine = 1.4;
constexpr double kHandleDiameter = 11.0;
constexpr double kMarkerRing = 2.0;
constexpr double kDotDiameter = 2.0;
constexpr double kDashLength = 5.0;
constexpr double kDashGap = 3.0;
constexpr double kUnselectedOpacity = 0.5;
// Below this fixed component the wheel is dark enough for white outlines;
// linear values look brighter on screen, so the switch comes earlier.
constexpr double kGreyThreshold = 0.5;
constexpr double kLinearGreyThreshold = 0.2;
constexpr std::int64_t kRowSlack = 10;
constexpr double kGreyFloor = 0.001;
constexpr double kPi = 3.141592653589793;

std::uint8_t To8(double c)
{
  return static_cast<std::uint8_t>(static_cast<std::int64_t>(c * 255.0 + 0.5));
}
}  // namespace

void ColorWheel::SetScheme(std::int32_t schemeId)
{
  _useRyb = schemeId == ColorWheelScheme::kRyb;
  _perceptual = schemeId == ColorWheelScheme::kOklch;
  _dirty = true;
}

const ColorWheelScheme& ColorWheel::GetScheme() const
{
  if (_useRyb)
    return _ryb;
  if (_perceptual)
    return _oklch;
  return _rgb;
}

Vector ColorWheel::AtEqualLightness(const Vector& hsv, double offset)
{
  const Vector rgb = HsvToRgb(hsv);
  auto lch = colorscience::OkLab::ToLch(colorscience::OkLab::FromSrgb({rgb.x, rgb.y, rgb.z}));
  lch.h = OklchPlane::WheelAngleToHue(OklchPlane::HueToWheelAngle(lch.h) + offset);
  const colorscience::SrgbColor mapped = colorscience::OkLab::GamutMap(lch);
  return RgbToHsv(Vector(mapped.r, mapped.g, mapped.b).Clamp01());
}

Result<void> ColorWheel::ComputeHarmony(const Vector& hsv, ColorList& list)
{
  if (!_harmony)
    return Ok();
  return _harmony->Compute(hsv, list);
}

void ColorWheel::SetFixedComponent(double value)
{
  _fixed = std::clamp(value, 0.0, 1.0);
  _dirty = true;
}

void ColorWheel::SetRadiusIsSaturation(bool on)
{
  if (on != _radiusIsSaturation)
    _dirty = true;
  _radiusIsSaturation = on;
}

void ColorWheel::SetLinear(bool on)
{
  if (on != _linear)
    _dirty = true;
  _linear = on;
}

void ColorWheel::ResetBackground()
{
  _background[0] = _background[1] = _background[2] = -1;
}

Vector ColorWheel::PointToHsv(const Vector& point) const
{
  const double dx = point.x - _centre.x, dy = point.y - _centre.y;
  const double d = std::min(std::sqrt(dx * dx + dy * dy), _radius);
  const double t = _radius > 0.0 ? std::clamp(d / _radius, 0.0, 1.0) : 0.0;
  if (_perceptual)
    return RgbToHsv(OklchPlane::ColorAt(_lightness, std::atan2(dx, dy) + kPi, t));
  const double hue = GetScheme().PointToHue(point, _centre);
  return _radiusIsSaturation ? Vector(hue, t, _fixed) : Vector(hue, _fixed, t);
}

Vector ColorWheel::HsvToPoint(double hue, double saturation, double value) const
{
  double theta = GetScheme().HueToDrawAngle(hue);
  double r = (_radiusIsSaturation ? saturation : value) * _radius;
  if (_perceptual)
  {
    const Vector place = OklchPlane::PlaceOf(HsvToRgb(Vector(hue, saturation, value)));
    theta = place.x - kPi;
    r = place.y * _radius;
  }
  return {_centre.x + r * std::sin(theta), _centre.y + r * std::cos(theta), 0.0};
}

void ColorWheel::FollowLightness(const BaseArray<ColorListEntry>& colors)
{
  if (!_perceptual || colors.IsEmpty())
    return;
  const ColorListEntry* edited = &colors[0];
  for (const ColorListEntry& entry : colors)
  {
    if (entry.selected)
    {
      edited = &entry;
      break;
    }
  }
  const Vector rgb = HsvToRgb(edited->color);
  const double lightness = colorscience::OkLab::FromSrgb({rgb.x, rgb.y, rgb.z}).l;
  if (lightness != _lightness)
    _dirty = true;
  _lightness = lightness;
}

void ColorWheel::SetPixelGeometry(std::int32_t half, double scale)
{
  _lineThin = kThinLine * scale;
  _lineThick = kThickLine * scale;
  _radius = scale * (half - kRimMargin);
  _halfSize = scale * half;
  _centre = Vector(scale * half, scale * half, 0.0);
  _handleDiameter = kHandleDiameter * scale;
  _markerRing = kMarkerRing * scale;
  _dotDiameter = kDotDiameter * scale;
  _dashLength = kDashLength * scale;
  _dashGap = kDashGap * scale;
}

void ColorWheel::SetLogicalGeometry(std::int32_t half)
{
  _radius = half - kRimMargin;
  _halfSize = half;
  _centre = Vector(half, half, 0.0);
}

Result<void> ColorWheel::CreateBitmaps()
{
  for (std::unique_ptr<BaseBitmap>* bitmap : {&_wheel, &_output})
  {
    if (!*bitmap)
      bitmap->reset(new (std::nothrow) BaseBitmap());
    if (!*bitmap || !(*bitmap)->IsValid())
    {
      bitmap->reset();
      return OutOfMemoryError();
    }
  }
  return Ok();
}

bool ColorWheel::NeedsRender(std::int32_t pixels, std::int32_t red, std::int32_t green, std::int32_t blue)
{
  const bool background = red != _background[0] || green != _background[1] || blue != _background[2];
  _background[0] = red;
  _background[1] = green;
  _background[2] = blue;
  return background || _wheel->GetWidth() != pixels || _dirty;
}

Result<BaseBitmap*> ColorWheel::GenerateWheel(std::int32_t size, std::int32_t scale, std::int32_t red,
                                              std::int32_t green, std::int32_t blue,
                                              const BaseArray<ColorListEntry>& colors)
{
  if (size < 1)
    return static_cast<BaseBitmap*>(nullptr);
  const auto pixels = static_cast<std::int32_t>(size * scale);
  RETURN_IF_ERROR(CreateBitmaps());
  const std::int32_t half = size / 2;
  SetPixelGeometry(half, scale);
  FollowLightness(colors);
  Result<void> drawn = NeedsRender(pixels, red, green, blue) ? Render(pixels) : Ok();
  if (drawn.IsOk())
    drawn = GenerateWheelWithHandlers(*_output, *_wheel, colors);
  SetLogicalGeometry(half);
  if (drawn.IsError())
    return drawn.GetError();
  return _output.get();
}

Result<void> ColorWheel::Render(std::int32_t pixels)
{
  // A row of pixels and, behind it, two levels per distance from the centre.
  const std::int64_t needed = 6 * static_cast<std::int64_t>(pixels) + kRowSlack;
  if (!_row || needed > _rowCapacity)
  {
    _row.reset(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(needed)]);
    _rowCapacity = _row ? needed : 0;
    if (!_row)
      return OutOfMemoryError();
  }
  if (pixels < 1)
    return UnexpectedError("Bitmap has zero size.");
  // A wheel bitmap of the right size is written over whole, pixel by pixel.
  if (_wheel->GetWidth() != pixels || _wheel->GetHeight() != pixels || _wheel->GetDepth() != 24 || !_wheel->HasAlpha())
  {
    if (_wheel->Init(pixels, pixels, 24).IsError() || _wheel->GetWidth() < 1)
      return UnexpectedError("Bitmap has zero size.");
    if (_wheel->AddAlpha().IsError())
      return OutOfMemoryError();
  }
  RETURN_IF_ERROR(_table.Prepare(pixels, static_cast<std::int32_t>(_centre.x), _radius, GetScheme()));
  if (_perceptual)
    _plane.Prepare(_lightness);
  for (std::int32_t y = 0; y < pixels; ++y)
  {
    RenderRow(y, _row.get());
    _wheel->SetRow(y, _row.get(), pixels, GXA_PIXEL_RGBA8);
  }
  _dirty = false;
  return Ok();
}

namespace
{
// Where value, p, q and t go in each of HsvToRgb's six hue sectors.
constexpr int kSectorOrder[6][3] = {{0, 3, 1}, {2, 0, 1}, {1, 0, 3}, {1, 2, 0}, {3, 1, 0}, {0, 1, 2}};

// HsvToRgb for one pixel whose hue is already split into sector and
// fraction.
inline Vector SectorToRgb(std::uint8_t sector, double f, double s, double v)
{
  if (s < kGreyFloor)
    return Vector(v, v, v);
  const double levels[4] = {v, (1.0 - s) * v, (1.0 - s * f) * v, (1.0 - s * (1.0 - f)) * v};
  const int* order = kSectorOrder[sector];
  return Vector(levels[order[0]], levels[order[1]], levels[order[2]]);
}

// In every sector one channel is v, one (1 - s) v and one the middle level
// (1 - s w) v, with w = f (odd sectors) or 1 - f (even ones). Which channel
// gets which level, from the order above.
struct SectorChannels
{
  int high = 0, low = 0, middle = 0;
};

constexpr SectorChannels MakeChannels(int sector)
{
  SectorChannels channels;
  for (int c = 0; c < 3; ++c)
  {
    const int level = kSectorOrder[sector][c];
    if (level == 0)
      channels.high = c;
    else if (level == 1)
      channels.low = c;
    else
      channels.middle = c;
  }
  return channels;
}

constexpr SectorChannels kChannels[6] = {MakeChannels(0), MakeChannels(1), MakeChannels(2),
                                         MakeChannels(3), MakeChannels(4), MakeChannels(5)};

// The linear wheel: each pixel through the host's transform for display.
template <bool kRadiusIsSaturation>
void RenderLinearPixels(std::int32_t first, std::int32_t end, std::int32_t centre, const std::uint8_t* alpha,
                        const double* radial, const std::uint8_t* sector, const double* fraction, double fixed,
                        std::uint8_t* row)
{
  row += 4 * static_cast<std::size_t>(first);
  for (std::int32_t x = first; x < end; ++x, row += 4, ++sector, ++fraction)
  {
    const std::int32_t k = x < centre ? centre - x : x - centre;
    const double s = kRadiusIsSaturation ? radial[k] : fixed;
    const double v = kRadiusIsSaturation ? fixed : radial[k];
    const Vector rgb = ConvertColorSpace(SectorToRgb(*sector, *fraction, s, v), GXA_TRANSFORM_TO_HOST);
    row[0] = To8(rgb.x);
    row[1] = To8(rgb.y);
    row[2] = To8(rgb.z);
    row[3] = alpha[k];
  }
}

// The coloured part of one row; the distance from the centre is saturation
// or value. radial and alpha are indexed by the distance from the centre
// column, sector and fraction from the row's first coloured column. The
// high and low levels depend on the distance alone, so each is worked out
// once per distance into levels (two bytes per distance) and shared by the
// pixels left and right of the centre. Every channel is rounded from
// exactly HsvToRgb's expression.
template <bool kRadiusIsSaturation>
void RenderPixels(std::int32_t first, std::int32_t end, std::int32_t centre, const std::uint8_t* alpha,
                  const double* radial, const std::uint8_t* sector, const double* fraction, double fixed,
                  std::uint8_t* levels, std::uint8_t* row)
{
  if (first >= end)
    return;
  const std::int32_t reach = std::max(centre - first, end - 1 - centre) + 1;
  std::uint8_t* high = levels;
  std::uint8_t* low = levels + reach;
  for (std::int32_t k = 0; k < reach; ++k)
  {
    const double s = kRadiusIsSaturation ? radial[k] : fixed;
    const double v = kRadiusIsSaturation ? fixed : radial[k];
    high[k] = To8(v);
    low[k] = s < kGreyFloor ? high[k] : To8((1.0 - s) * v);
  }
  row += 4 * static_cast<std::size_t>(first);
  for (std::int32_t x = first; x < end; ++x, row += 4, ++sector, ++fraction)
  {
    const std::int32_t k = x < centre ? centre - x : x - centre;
    const double s = kRadiusIsSaturation ? radial[k] : fixed;
    const double v = kRadiusIsSaturation ? fixed : radial[k];
    const double w = (*sector & 1) != 0 ? *fraction : 1.0 - *fraction;
    const SectorChannels& channels = kChannels[*sector];
    row[channels.high] = high[k];
    row[channels.low] = low[k];
    row[channels.middle] = s < kGreyFloor ? high[k] : To8((1.0 - s * w) * v);
    row[3] = alpha[k];
  }
}
}  // namespace

void ColorWheel::RenderRow(std::int32_t y, std::uint8_t* row) const
{
  const std::int32_t n = _table.GetSize();
  const std::int32_t first = _table.GetFirst(y), end = _table.GetEnd(y);
  std::fill(row, row + 4 * static_cast<std::size_t>(first), 0);
  std::fill(row + 4 * static_cast<std::size_t>(end), row + 4 * static_cast<std::size_t>(n), 0);
  if (_perceptual)
  {
    RenderPerceptualRow(y, row);
    return;
  }
  if (_linear)
  {
    const auto render = _radiusIsSaturation ? &RenderLinearPixels<true> : &RenderLinearPixels<false>;
    render(first, end, _table.GetCentre(), _table.GetAlpha(y), _table.GetRadial(y), _table.GetSector(y),
           _table.GetFraction(y), _fixed, row);
    return;
  }
  const auto render = _radiusIsSaturation ? &RenderPixels<true> : &RenderPixels<false>;
  render(first, end, _table.GetCentre(), _table.GetAlpha(y), _table.GetRadial(y), _table.GetSector(y),
         _table.GetFraction(y), _fixed, row + 4 * static_cast<std::size_t>(n), row);
}

void ColorWheel::RenderPerceptualRow(std::int32_t y, std::uint8_t* row) const
{
  const std::int32_t centre = _table.GetCentre();
  const double* radial = _table.GetRadial(y);
  const std::uint8_t* alpha = _table.GetAlpha(y);
  for (std::int32_t x = _table.GetFirst(y); x < _table.GetEnd(y); ++x)
  {
    const std::int32_t k = x < centre ? centre - x : x - centre;
    const double angle = std::atan2(static_cast<double>(x - centre), static_cast<double>(y - centre)) + kPi;
    Vector rgb = _plane.Shade(angle, radial[k]);
    if (_linear)
      rgb = ConvertColorSpace(rgb, GXA_TRANSFORM_TO_HOST);
    std::uint8_t* pixel = row + 4 * static_cast<std::size_t>(x);
    pixel[0] = To8(rgb.x);
    pixel[1] = To8(rgb.y);
    pixel[2] = To8(rgb.z);
    pixel[3] = alpha[k];
  }
}

Vector ColorWheel::DisplayColor(const Vector& hsv) const
{
  const Vector rgb = HsvToRgb(hsv);
  return _linear ? ConvertColorSpace(rgb, GXA_TRANSFORM_TO_HOST) : rgb;
}

double ColorWheel::GreyThreshold() const
{
  return _linear ? kLinearGreyThreshold : kGreyThreshold;
}

std::int32_t ColorWheel::CommonGrey() const
{
  return _radiusIsSaturation && _fixed >= GreyThreshold() ? 0 : 255;
}

ColorWheel::Handle ColorWheel::MakeHandle(const ColorListEntry& entry, std::int64_t index) const
{
  const Vector& hsv = entry.color;
  const Vector at = HsvToPoint(hsv.x, hsv.y, hsv.z);
  Handle handle;
  handle.color = _vision.Show(DisplayColor(hsv));
  handle.x = at.x;
  handle.y = at.y;
  handle.grey = _radiusIsSaturation ? CommonGrey() : (hsv.z >= GreyThreshold() ? 0 : 255);
  handle.index = index;
  return handle;
}

void ColorWheel::DrawSpoke(const Handle& handle, bool selected, BaseBitmap& output)
{
  const std::int32_t grey = CommonGrey();
  _line.SetWidth(handle.index == _activeHandle ? _lineThick : _lineThin);
  _line.SetColor(grey, grey, grey);
  if (selected)
  {
    _line.SetOpacity(1.0);
    _line.DrawLine(_centre.x, _centre.y, handle.x, handle.y, output);
    return;
  }
  _line.SetOpacity(kUnselectedOpacity);
  _line.DrawDashedLine(_centre.x, _centre.y, handle.x, handle.y, _dashLength, _dashGap, true, output);
}

void ColorWheel::StampMarker(const Handle& handle, BaseBitmap& output)
{
  _marker.SetColor(handle.color);
  _marker.SetSecondColor(handle.grey, handle.grey, handle.grey);
  _marker.Draw(output, Vector(handle.x, handle.y, 0.0));
  if (handle.index < 0 || static_cast<std::size_t>(handle.index) >= _lookAlike.size() || !_lookAlike[handle.index])
    return;
  _halo.SetColor(handle.grey, handle.grey, handle.grey);
  _halo.Draw(output, Vector(handle.x, handle.y, 0.0));
}

void ColorWheel::FindLookAlikes(const BaseArray<ColorListEntry>& colors)
{
  std::vector<Vector> shown;
  if (_vision.IsOn())
    for (std::size_t i = 0; i < colors.GetCount(); ++i)
      shown.push_back(DisplayColor(colors[i].color));
  _lookAlike = _vision.LookAlike(shown);
}

void ColorWheel::StampDot(const Handle& handle, BaseBitmap& output)
{
  _dot.SetColor(handle.grey, handle.grey, handle.grey);
  _dot.Draw(output, Vector(handle.x, handle.y, 0.0));
}

Result<void> ColorWheel::PrepareStamps()
{
  RETURN_IF_ERROR(_marker.SetDiameter(_handleDiameter, _markerRing));
  // The look-alike ring, as thick as the marker's, half that outside it.
  RETURN_IF_ERROR(_halo.SetDiameter(_handleDiameter + 3.0 * _markerRing, _markerRing));
  _halo.SetOpacity(1.0);
  RETURN_IF_ERROR(_dot.SetDiameter(_dotDiameter));
  _dot.SetOpacity(1.0);
  return Ok();
}

Result<void> ColorWheel::GenerateWheelWithHandlers(BaseBitmap& output, const BaseBitmap& wheel,
                                                   const BaseArray<ColorListEntry>& colors)
{
  if (!wheel.CopyTo(output))
    return UnexpectedError("ColorWheel::GenerateWheelWithHandlers() error: BaseBitmap::CopyTo() failed");
  if (colors.IsEmpty())
    return Ok();
  const std::size_t count = colors.GetCount();
  _selected.Flush();
  _unselected.Flush();
  RETURN_IF_ERROR(_selected.EnsureCapacity(count));
  RETURN_IF_ERROR(_unselected.EnsureCapacity(count));
  RETURN_IF_ERROR(PrepareStamps());
  FindLookAlikes(colors);

  const Handle main = MakeHandle(colors[0], 0);
  const bool mainSelected = colors[0].selected;
  DrawSpoke(main, mainSelected, output);
  for (std::size_t i = count - 1; i >= 1; --i)
  {
    const Handle handle = MakeHandle(colors[i], static_cast<std::int64_t>(i));
    RETURN_IF_ERROR((colors[i].selected ? _selected : _unselected).Append(handle));
    DrawSpoke(handle, colors[i].selected, output);
  }

  const std::int32_t grey = CommonGrey();
  CircleBitmap centre;
  RETURN_IF_ERROR(centre.Init(_lineThick, grey, grey, grey, 1.0, false));
  centre.Draw(output, _centre);

  _marker.SetOpacity(kUnselectedOpacity);
  for (std::size_t i = 0; i < _unselected.GetCount(); ++i)
    StampMarker(_unselected[i], output);
  const bool dotsOnSelected = _harmony && !_harmony->IsMono();
  if (!mainSelected)
  {
    StampMarker(main, output);
    if (!dotsOnSelected)
      StampDot(main, output);
  }
  _marker.SetOpacity(1.0);
  for (std::size_t i = 0; i < _selected.GetCount(); ++i)
  {
    StampMarker(_selected[i], output);
    if (dotsOnSelected)
      StampDot(_selected[i], output);
  }
  if (mainSelected)
  {
    StampMarker(main, output);
    StampDot(main, output);
  }
  return Ok();
}

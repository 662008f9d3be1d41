#pragma once
// The colour wheel: renders the bare wheel for a size and display scale
// (cached until the size, scheme, fixed component or background change),
// converts between wheel positions and HSV, and composes the picture shown
// to the user: the bare wheel with a line and a marker for every colour of
// the list. Between renders every length is in logical pixels, so mouse
// positions map straight onto the wheel.
#include <cstdint>
#include <memory>
#include <vector>

#include "basearray.h"
#include "basebitmap.h"
#include "colorwheel/circlebitmap.h"
#include "colorwheel/colorwheelpixeltable.h"
#include "colorwheel/colorwheelschemeoklch.h"
#include "colorwheel/colorwheelschemergb.h"
#include "colorwheel/colorwheelschemeryb.h"
#include "colorwheel/linedrawer.h"
#include "colorwheel/oklchplane.h"
#include "colorwheel/ringbitmap.h"
#include "colorwheel/ringcirclebitmap.h"
#include "result.h"
#include "utils/colorlist.h"
#include "utils/colorlistentry.h"
#include "utils/colorvisionview.h"

class ColorWheelHarmony;

class ColorWheel
{
public:
  // One colour of the list as drawn this frame.
  struct Handle
  {
    Vector color;
    double x = 0.0, y = 0.0;
    std::int32_t grey = 0;
    std::int64_t index = -1;
  };

  // Any ID but ColorWheelScheme::kRyb and kOklch selects RGB.
  void SetScheme(std::int32_t schemeId);
  const ColorWheelScheme& GetScheme() const;
  // The perceptual scheme: the wheel is the OKLCh hue circle at the edited
  // colour's lightness, and harmonies keep that lightness and chroma.
  bool IsPerceptual() const { return _perceptual; }
  // The colour whose OKLCh hue lies offset (radians) from hsv's, at hsv's
  // lightness and chroma, brought into gamut.
  static Vector AtEqualLightness(const Vector& hsv, double offset);
  // None by default: the wheel then draws the list as it is.
  void SetCurrentHarmony(ColorWheelHarmony* harmony) { _harmony = harmony; }
  ColorWheelHarmony* GetCurrentHarmony() const { return _harmony; }
  Result<void> ComputeHarmony(const Vector& hsv, ColorList& list);

  void SetFixedComponent(double value);
  double GetFixedComponent() const { return _fixed; }
  double GetFixedComponent(double saturation, double value) const { return _radiusIsSaturation ? value : saturation; }
  // False: the distance from the centre is value, the fixed component saturation.
  void SetRadiusIsSaturation(bool on);
  bool IsRadiusSaturation() const { return _radiusIsSaturation; }
  void SetLinear(bool on);
  void SetActiveHandle(std::int64_t index) { _activeHandle = index; }
  // Handles show their colours as seen in this view, and colours that then
  // look alike get a ring around their marker. The wheel itself stays.
  void SetVision(const ColorVisionView& vision) { _vision = vision; }
  void ResetBackground();

  Vector PointToHsv(const Vector& point) const;
  Vector HsvToPoint(double hue, double saturation, double value) const;
  Vector GetCentre() const { return _centre; }
  double GetRadius() const { return _radius; }

  // The composed picture, or null for a size below 1.
  Result<BaseBitmap*> GenerateWheel(std::int32_t size, std::int32_t scale, std::int32_t red, std::int32_t green,
                                    std::int32_t blue, const BaseArray<ColorListEntry>& colors);
  Result<void> GenerateWheelWithHandlers(BaseBitmap& output, const BaseBitmap& wheel,
                                         const BaseArray<ColorListEntry>& colors);

  // This frame's handles, for hit tests.
  const BaseArray<Handle>& GetSelectedHandles() const { return _selected; }
  const BaseArray<Handle>& GetUnselectedHandles() const { return _unselected; }

private:
  Result<void> CreateBitmaps();
  void SetPixelGeometry(std::int32_t half, double scale);
  void SetLogicalGeometry(std::int32_t half);
  bool NeedsRender(std::int32_t pixels, std::int32_t red, std::int32_t green, std::int32_t blue);
  Result<void> Render(std::int32_t pixels);
  void RenderRow(std::int32_t y, std::uint8_t* row) const;
  void RenderPerceptualRow(std::int32_t y, std::uint8_t* row) const;
  // The perceptual wheel follows the lightness of the colour being edited.
  void FollowLightness(const BaseArray<ColorListEntry>& colors);
  Vector DisplayColor(const Vector& hsv) const;
  double GreyThreshold() const;
  std::int32_t CommonGrey() const;
  Handle MakeHandle(const ColorListEntry& entry, std::int64_t index) const;
  void DrawSpoke(const Handle& handle, bool selected, BaseBitmap& output);
  void StampMarker(const Handle& handle, BaseBitmap& output);
  void StampDot(const Handle& handle, BaseBitmap& output);
  void FindLookAlikes(const BaseArray<ColorListEntry>& colors);
  Result<void> PrepareStamps();

  ColorWheelHarmony* _harmony = nullptr;
  ColorWheelSchemeRGB _rgb;
  ColorWheelSchemeRYB _ryb;
  ColorWheelSchemeOklch _oklch;
  OklchPlane _plane;
  ColorWheelPixelTable _table;
  std::unique_ptr<std::uint8_t[]> _row;
  std::int64_t _rowCapacity = 0;
  std::unique_ptr<BaseBitmap> _wheel;
  std::unique_ptr<BaseBitmap> _output;
  BaseArray<Handle> _selected;
  BaseArray<Handle> _unselected;
  RingCircleBitmap _marker;
  CircleBitmap _dot;
  RingBitmap _halo;
  ColorVisionView _vision;
  std::vector<bool> _lookAlike;
  LineDrawer _line;
  Vector _centre;
  std::int32_t _background[3] = {-1, -1, -1};
  double _radius = 0.0;
  double _halfSize = 0.0;
  double _lineThin = 0.7;
  double _lineThick = 1.4;
  double _handleDiameter = 11.0;
  double _dashLength = 5.0;
  double _dashGap = 3.0;
  double _markerRing = 2.0;
  double _dotDiameter = 2.0;
  bool _useRyb = false;
  bool _perceptual = false;
  double _lightness = 0.5;
  bool _radiusIsSaturation = true;
  bool _dirty = false;
  double _fixed = 1.0;
  std::int64_t _activeHandle = -1;
  bool _linear = false;
};

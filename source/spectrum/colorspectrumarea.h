#pragma once
// The saturation-value square of the chooser's hue: saturation grows to the
// right, value upward, with a ring marking the current colour. A click or a
// drag sets saturation and value, the arrow keys step them, the context menu
// picks one of three sizes shared by every chooser. In the compact mode the
// square follows the height of its row instead and has no size menu.
#include <cstdint>

#include "basecontainer.h"
#include "geuserarea.h"
#include "result.h"
#include "spectrum/colorspectrumimage.h"
#include "utils/colorsliderareahue.h"
#include "vector.h"

class ChooserView;

class ColorSpectrumArea : public GeUserArea
{
public:
  enum class Sizing
  {
    Fixed,
    FollowHeight,
    FollowWidth
  };
  static constexpr std::int32_t kPrefSize = 1122;

  ColorSpectrumArea(ChooserView& chooser, Sizing sizing);

  bool GetMinSize(std::int32_t& w, std::int32_t& h) override;
  void Sized(std::int32_t w, std::int32_t h) override;
  void DrawMsg(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, const BaseContainer& msg) override;
  bool InputEvent(const BaseContainer& msg) override;
  std::int32_t Message(const BaseContainer& msg, BaseContainer& result) override;

  // The size S from the preference: 130, 210 or 290.
  static std::int32_t SizeFromPreference();
  std::int32_t GetSize() const { return _size; }
  // Takes a new S; false when it is the current one.
  bool SetSize(std::int32_t size);
  // Forgets what was drawn, so that the next draw composes afresh.
  void Reset();
  ColorSliderAreaHue& GetHueSlider() { return _hue; }

private:
  void ComputeSizing(std::int32_t size);
  bool FollowExtent();
  void DrawDisabled();
  Result<void> DrawSquare(bool fullRedraw);
  ColorSpectrumImage::Marker MakeMarker() const;
  // Gadget coordinates of the marker, and the saturation and value at a point.
  Vector MarkerPosition() const;
  Vector PointToSv(double x, double y) const;
  bool OnMarker(double x, double y) const;

  bool HandleClick(const BaseContainer& msg);
  bool HandleKey(const BaseContainer& msg);
  Result<void> HandleMenu();
  void Apply(double saturation, double value);
  void Send(bool dragging);
  double DragThreshold() const;
  String Tooltip(const BaseContainer& msg);

  ChooserView& _chooser;
  Vector _drawnHsv{-1.0, -1.0, -1.0};
  bool _layoutGuard = false;
  std::int32_t _layoutSize = -1;
  // Sizing, all from S.
  std::int32_t _size = 130;
  std::int32_t _measured = -1;
  double _span = 117.0;
  double _invSpan = 1.0 / 117.0;
  std::int32_t _edge = 0;
  std::int32_t _margin = 0;
  std::int32_t _scale = 0;
  ColorSliderAreaHue _hue;
  ColorSpectrumImage _image;
  Sizing _sizing;
  bool _minSizeToggle = false;
};

#pragma once
// Where the picture lies in its area: the zoom (logical pixels per picture
// pixel, from showing the whole longer side in one pixel up to 50) and the
// offset that centres a picture smaller than the area.
#include <cstdint>

#include "vector.h"

class PictureView
{
public:
  static constexpr double kMaxZoom = 50.0;

  void SetPicture(std::int64_t width, std::int64_t height);
  std::int64_t GetPictureWidth() const { return _width; }
  std::int64_t GetPictureHeight() const { return _height; }
  bool HasPicture() const { return _width > 0 && _height > 0; }

  double GetZoom() const { return _zoom; }
  double GetMinZoom() const;
  // Clamped; true when the zoom changed.
  bool SetZoom(double zoom);
  // The zoom that shows the whole picture in a view of w x h.
  double FitZoom(std::int32_t viewWidth, std::int32_t viewHeight) const;

  // The picture's size in logical pixels at the zoom.
  std::int32_t ScaledWidth() const;
  std::int32_t ScaledHeight() const;
  // Set by the area's size; the picture is centred on an axis it does not fill.
  void SetAreaSize(std::int32_t width, std::int32_t height);
  Vector GetOrigin() const;

  // Area coordinates to picture pixels (fractional) and back.
  Vector ToPicture(double ax, double ay) const;
  Vector ToArea(double px, double py) const;
  // The picture pixel under an area point, clamped into the picture.
  void PixelAt(double ax, double ay, std::int64_t& px, std::int64_t& py) const;

private:
  std::int64_t _width = 0;
  std::int64_t _height = 0;
  double _zoom = 1.0;
  std::int32_t _areaWidth = 0;
  std::int32_t _areaHeight = 0;
};

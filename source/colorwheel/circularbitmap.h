#pragma once
// A reusable stamp that paints one anti-aliased round shape, centred on a
// real-valued point, into a host bitmap. Pixels go through the host a row at
// a time (one read and one write per row, alpha included), clipped to the
// bitmap; subclasses say how each pixel of the row blends.
#include <cstdint>
#include <memory>

#include "result.h"
#include "vector.h"

class BaseBitmap;

class CircularBitmap
{
public:
  virtual ~CircularBitmap();

  // A diameter of 0 or less makes the stamp draw nothing. The row buffer
  // grows with a factor two; a failed allocation leaves the stamp inert.
  Result<void> SetDiameter(double diameter);
  double GetRadius() const { return _radius; }
  // Components 0..1, rounded to 8 bits.
  void SetColor(const Vector& rgb);
  void SetColor(std::int64_t red, std::int64_t green, std::int64_t blue);
  void SetOpacity(double opacity);
  void SetUseAlpha(bool on) { _useAlpha = on; }

  virtual void Draw(BaseBitmap& target, const Vector& centre);

protected:
  // One pixel of the clipped row: channels (and alpha when the target has
  // an alpha channel, else null) and its distance from the centre.
  virtual void DrawPixel(std::uint8_t* rgb, std::uint8_t* alpha, double distance) const = 0;

  // trunc(p + (c - p) * weight) for each channel.
  static void Blend(std::uint8_t* rgb, const std::int64_t* color, double weight);
  // Alpha of an edge pixel covered by coverage (0..1).
  static std::uint8_t EdgeAlpha(double coverage);
  // An anti-aliased edge pixel: an opaque pixel blends by coverage x
  // strength and keeps the larger alpha; a transparent one takes the colour
  // by strength alone and the edge's alpha, so no dark fringe appears.
  static void BlendEdge(std::uint8_t* rgb, std::uint8_t* alpha, double coverage, const std::int64_t* color,
                        double strength);

  double _radius = 0.0;
  std::int64_t _color[3] = {0, 0, 0};
  double _opacity = 1.0;
  bool _useAlpha = false;

private:
  void DrawRows(BaseBitmap& target, const Vector& centre, bool withAlpha);

  std::int64_t _rowWidth = 0;
  std::unique_ptr<std::uint8_t[]> _rowBuffer;
  std::int64_t _clipX1 = 0, _clipY1 = 0, _clipX2 = 0, _clipY2 = 0;
  std::int64_t _capacity = 0;
};

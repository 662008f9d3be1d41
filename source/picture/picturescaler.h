#pragma once
// Renders the part of a picture that shows in a rectangle of its area, at
// the display's physical resolution, with nearest-pixel sampling: a zoomed
// picture shows crisp pixels, and only the rows and columns in view are read.
// A picture with transparency is drawn over the chooser's checkerboard, its
// cells counted from the area's corner.
#include <cstdint>
#include <vector>

#include "basebitmap.h"
#include "picture/pictureview.h"
#include "result.h"

class PictureScaler
{
public:
  struct Rect
  {
    std::int32_t x1 = 0, y1 = 0, x2 = -1, y2 = -1;  // inclusive, logical area pixels
    bool IsEmpty() const { return x2 < x1 || y2 < y1; }
    bool operator==(const Rect&) const = default;
  };

  // The part of rect that the picture covers.
  static Rect PictureRect(const PictureView& view, const Rect& visible);
  // The greys behind transparent pixels (8-bit components).
  void SetChecker(const std::uint8_t lighter[3], const std::uint8_t darker[3]);
  // out becomes (rect width x height) times scale, 24 bits.
  Result<void> Render(const BaseBitmap& source, const PictureView& view, const Rect& rect, std::int32_t scale,
                      BaseBitmap& out);

private:
  // For each physical pixel along an axis, the picture pixel it shows.
  static void MapAxis(std::int32_t from, std::int32_t count, std::int32_t scale, double origin, double zoom,
                      std::int64_t extent, std::vector<std::int32_t>& map);

  std::vector<std::int32_t> _columns;
  std::vector<std::int32_t> _rows;
  std::vector<std::uint8_t> _source;
  std::vector<std::uint8_t> _line;
  // Composes a row of RGBA source pixels over the checkerboard into _line.
  void CompositeRow(std::int32_t x0, std::int32_t band, std::int32_t w);

  std::int32_t _cellScale = 1;
  std::uint8_t _checker[2][3] = {{153, 153, 153}, {102, 102, 102}};
};

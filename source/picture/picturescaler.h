#pragma once
// Renders the part of a picture that shows in a rectangle of its area, at
// the display's physical resolution, with nearest-pixel sampling: a zoomed
// picture shows crisp pixels, and only the rows and columns in view are read.
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
};

#pragma once
// What a colour drag shows under the pointer: the dragged colours as a row
// of small tiles (a few at most, then a count), over a checkerboard where
// they are transparent. Files and other data show no image.
#include <array>
#include <vector>

#include "core/value.h"
#include "gui/widget.h"

namespace host {

class DragImage : public Widget {
 public:
  static constexpr int kTile = 14;
  static constexpr int kMostTiles = 6;

  // The colours that data of a colour drag type carries; none for others.
  static std::vector<std::array<double, 4>> ColorsOf(int32_t type, const Value& data);

  explicit DragImage(std::vector<std::array<double, 4>> colors);

  Size NaturalSize(const TextMeasure&) override;
  void Paint(PaintContext& ctx) override;
  bool PaintsOwnBackground() const override { return true; }

 private:
  std::vector<std::array<double, 4>> colors_;
};

}  // namespace host

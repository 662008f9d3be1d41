#pragma once
// The preview of the host's colour dialog: the new colour beside the colour
// the dialog opened with, over a checkerboard where they are transparent.
#include <array>

#include "gui/widget.h"

namespace host {

class ColorSwatch : public Widget {
 public:
  ColorSwatch(int32_t id, int32_t flags, std::array<double, 4> original)
      : Widget(id, flags), original_(original), current_(original) {}

  void SetColor(const std::array<double, 4>& rgba);
  Size NaturalSize(const TextMeasure&) override { return {112, 44}; }
  void Paint(PaintContext& ctx) override;

 private:
  static void Checkered(PaintContext& ctx, const Rect& r, const std::array<double, 4>& rgba);

  std::array<double, 4> original_;
  std::array<double, 4> current_;
};

}  // namespace host

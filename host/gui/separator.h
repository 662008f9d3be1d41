#pragma once
// A thin line between gadgets, horizontal or vertical (dialog element kind 41).
#include "gui/widget.h"

namespace host {

class Separator : public Widget {
 public:
  static constexpr int32_t kElementKind = 41;

  Separator(int32_t flags, bool horizontal) : Widget(0, flags), horizontal_(horizontal) {}

  bool IsHorizontal() const { return horizontal_; }
  Size NaturalSize(const TextMeasure&) override { return horizontal_ ? Size{8, 6} : Size{6, 8}; }
  void Paint(PaintContext& ctx) override;

 private:
  bool horizontal_;
};

}  // namespace host

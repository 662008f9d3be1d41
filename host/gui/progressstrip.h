#pragma once
// The line that shows how far long work inside a module call has got, laid
// over the window's status area while it runs: "Loading photo.png — 42 %"
// at the left, a thin bar at the right with a quiet "Esc stops" before it,
// in the host's own colours.
#include <string>

#include "gui/widget.h"

namespace host {

class ProgressStrip : public Widget {
 public:
  static constexpr int kMargin = 8;
  static constexpr int kBarHeight = 6;
  // Above and below the line of text.
  static constexpr int kPadding = 7;
  static constexpr const char* kHint = "Esc stops";

  // edge: a line along the top, where the strip is not the window's own
  // status line, which has one above it.
  ProgressStrip(std::string label, bool edge);

  // percent 0 to 100; false when nothing changed.
  bool SetPercent(int percent);
  int Percent() const { return percent_; }
  // What the strip says, percent included.
  std::string Caption() const;
  // Where the bar is, in the strip's layer.
  Rect BarFrame() const;

  Size NaturalSize(const TextMeasure& m) override;
  void Paint(PaintContext& ctx) override;
  std::optional<std::string> Text() const override { return Caption(); }

 private:
  std::string label_;
  bool edge_;
  int percent_ = 0;
};

}  // namespace host

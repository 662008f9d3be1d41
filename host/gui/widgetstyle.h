#pragma once
// The look of the host's own gadgets: metrics and the drawing pieces they
// share (rounded boxes with anti-aliased corners, fields, buttons, arrows,
// check marks, group frames). Shapes are drawn at the canvas's physical
// resolution, so scale 2 stays sharp.
#include <optional>
#include <string>

#include "gui/guitypes.h"
#include "gui/paintcontext.h"

namespace host {

class WidgetStyle {
 public:
  static constexpr int kControlHeight = 20;
  static constexpr int kTextInset = 5;
  static constexpr int kArrowWidth = 14;
  static constexpr int kCheckSize = 14;
  static constexpr double kRadius = 3.0;

  enum class Direction { Up, Down, Left, Right };

  static void RoundBox(PaintContext& ctx, const Rect& r, double radius, Rgba fill, std::optional<Rgba> border);
  static void FieldBox(PaintContext& ctx, const Rect& r, bool focused, bool enabled);
  static void ButtonFace(PaintContext& ctx, const Rect& r, bool pressed, bool focused, bool enabled);
  static void FocusRing(PaintContext& ctx, const Rect& r);
  static void GroupFrame(PaintContext& ctx, const Rect& r, const std::string& title, bool enabled);
  static void Arrow(PaintContext& ctx, const Rect& box, Direction dir, Rgba color);
  static void CheckMark(PaintContext& ctx, const Rect& box, Rgba color);
  static Rgba TextColor(const PaintContext& ctx, bool enabled);
  // One line of text vertically centred in r; flags as the canvas's.
  static void Label(PaintContext& ctx, const std::string& text, const Rect& r, int flags, bool enabled);
  // Text width at the interface size, logical pixels.
  static int TextWidth(const std::string& text);
  static int LineHeight();
  // The measure size hints count in: average character width and line height.
  static TextMeasure Measure();
};

}  // namespace host

#pragma once
// A group whose content may be larger than the group itself and is scrolled
// inside it, vertically, horizontally or both. Without a direction in its
// flags a scroll group scrolls vertically. With the auto flag the bars show
// only when the content does not fit.
#include "gui/group.h"

namespace host {

class ScrollGroup : public Group {
 public:
  static constexpr int kBarThickness = 10;
  static constexpr int kMinViewport = 24;

  ScrollGroup(int32_t id, int32_t flags, int32_t scrollFlags);

  ScrollGroup* AsScrollGroup() override { return this; }

  bool ScrollsVertically() const;
  bool ScrollsHorizontally() const;
  bool AutoBars() const;

  // Layout results: the visible part, the content size and its position.
  const Rect& Viewport() const { return viewport_; }
  Size ContentSize() const { return content_; }
  Point Offset() const { return offset_; }
  bool ShowsVerticalBar() const { return vbar_; }
  bool ShowsHorizontalBar() const { return hbar_; }
  // Stores the layout and pulls the offset back inside the new content.
  void SetLayoutResult(const Rect& viewport, Size content, bool vbar, bool hbar);
  // The content's own minimum, without the group's hints.
  Size ContentMinimum() const { return contentMin_; }
  void SetContentMinimum(Size s) { contentMin_ = s; }

  // The visible area in content coordinates, inclusive.
  Rect VisibleArea() const;
  // Scrolls so that the area's top left shows (clamped to the content).
  void ScrollTo(Point offset);
  void ScrollBy(int dx, int dy) { ScrollTo({offset_.x + dx, offset_.y + dy}); }
  // Scrolls the nearest scroll group above content, if any, so that the
  // rows from top to bottom (content's own coordinates) are in view.
  static void Reveal(Widget& content, int top, int bottom);
  Point ClampOffset(Point offset) const;
  // Area of the bars in layer coordinates (empty when hidden).
  Rect VerticalBar() const;
  Rect HorizontalBar() const;
  Rect VerticalThumb() const;
  Rect HorizontalThumb() const;

  void Paint(PaintContext& ctx) override;
  bool OnMouseDown(const InputEvent& e, EventContext& ctx) override;
  void OnMouseDrag(const InputEvent& e, EventContext& ctx) override;
  void OnMouseUp(const InputEvent& e, EventContext& ctx) override;
  bool OnWheel(const InputEvent& e, EventContext& ctx) override;

 private:
  static Rect Thumb(const Rect& bar, int visible, int total, int offset, bool vertical);

  int32_t scrollFlags_;
  Rect viewport_;
  Size content_;
  Size contentMin_;
  Point offset_;
  bool vbar_ = false;
  bool hbar_ = false;
  // A thumb drag: which bar, where it started and the offset then.
  int dragAxis_ = 0;
  Point dragStart_;
  Point dragOffset_;
};

}  // namespace host

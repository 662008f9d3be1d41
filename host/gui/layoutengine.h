#pragma once
// Lays a widget tree out: minimum sizes bottom-up (each widget's natural size
// grown to its hints, groups from their grids), then frames top-down. Spare
// space in a group goes to the columns and rows that hold a scaling gadget,
// shared equally; inside its cell a gadget is placed by its alignment. A
// leaf with one child (an embedded dialog) hands its frame to the child.
#include <vector>

#include "gui/group.h"
#include "gui/guitypes.h"
#include "gui/scrollgroup.h"

namespace host {

class LayoutEngine {
 public:
  explicit LayoutEngine(TextMeasure measure) : measure_(measure) {}

  // Measures and arranges: the root gets at least its minimum size.
  void Layout(Widget& root, const Rect& area);
  Size Measure(Widget& widget);
  void Arrange(Widget& widget, const Rect& frame);

  // Splits extra among the scaling tracks, the remainder from the first on.
  static std::vector<int> Distribute(const std::vector<int>& tracks, const std::vector<bool>& scales, int extra);

 private:
  Size MeasureGroup(Group& group);
  Size MeasureScroll(ScrollGroup& scroll);
  Size ContentSize(Group& group);
  void ArrangeGroup(Group& group, const Rect& frame);
  void ArrangeGrid(Group& group, const Rect& inner);
  void ArrangeScroll(ScrollGroup& scroll, const Rect& frame);
  Rect PlaceInCell(const Widget& widget, const Rect& cell) const;
  Size ApplyHints(const Widget& widget, Size natural) const;
  Insets GroupInsets(const Group& group) const;

  TextMeasure measure_;
};

}  // namespace host

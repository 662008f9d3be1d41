#include "gui/layoutengine.h"

#include <algorithm>

#include "gui/layoutflags.h"
#include "gui/sizehint.h"

namespace host {

namespace {

using Align = LayoutFlags::Align;

// Start and length of a gadget of size want in a cell span.
std::pair<int, int> Place(Align align, int start, int span, int want) {
  const int len = std::min(want, span);
  switch (align) {
    case Align::Fit: return {start, span};
    case Align::Start: return {start, len};
    case Align::End: return {start + span - len, len};
    case Align::Center: break;
  }
  return {start + (span - len) / 2, len};
}

int Sum(const std::vector<int>& v) {
  int s = 0;
  for (int x : v) s += x;
  return s;
}

int Gaps(size_t count, int spacing) { return count > 1 ? int(count - 1) * spacing : 0; }

}  // namespace

void LayoutEngine::Layout(Widget& root, const Rect& area) {
  const Size min = Measure(root);
  Arrange(root, {area.x, area.y, std::max(area.w, min.w), std::max(area.h, min.h)});
}

Size LayoutEngine::Measure(Widget& widget) {
  Size size;
  if (widget.IsHidden()) {
    size = {};
  } else if (ScrollGroup* scroll = widget.AsScrollGroup()) {
    size = ApplyHints(widget, MeasureScroll(*scroll));
  } else if (Group* group = widget.AsGroup()) {
    size = ApplyHints(widget, MeasureGroup(*group));
  } else if (widget.ChildCount() == 1) {
    size = ApplyHints(widget, Measure(*widget.ChildAt(0)));
  } else {
    size = ApplyHints(widget, widget.NaturalSize(measure_));
  }
  widget.SetMinSize(size);
  return size;
}

Size LayoutEngine::ApplyHints(const Widget& widget, Size natural) const {
  return {std::max(natural.w, SizeHint::Width(widget.WidthHint(), measure_)),
          std::max(natural.h, SizeHint::Height(widget.HeightHint(), measure_))};
}

Insets LayoutEngine::GroupInsets(const Group& group) const {
  const Insets frame = group.FrameInsets(measure_);
  const Insets& space = group.BorderSpace();
  return {frame.left + space.left, frame.top + space.top, frame.right + space.right, frame.bottom + space.bottom};
}

Size LayoutEngine::ContentSize(Group& group) {
  GridTracks& t = group.Tracks();
  t = {};
  int shown = 0;
  for (size_t i = 0; i < group.ChildCount(); ++i) {
    Widget& child = *group.ChildAt(i);
    const Size min = Measure(child);
    if (child.IsHidden()) continue;
    Point cell{0, shown};
    if (group.Columns() > 0) cell = {shown % group.Columns(), shown / group.Columns()};
    else if (group.Rows() > 0) cell = {shown / group.Rows(), shown % group.Rows()};
    ++shown;
    if (size_t(cell.x) >= t.columns.size()) t.columns.resize(cell.x + 1, 0), t.columnScales.resize(cell.x + 1, false);
    if (size_t(cell.y) >= t.rows.size()) t.rows.resize(cell.y + 1, 0), t.rowScales.resize(cell.y + 1, false);
    t.columns[cell.x] = std::max(t.columns[cell.x], min.w);
    t.rows[cell.y] = std::max(t.rows[cell.y], min.h);
    const LayoutFlags flags(child.Flags());
    if (flags.ScalesHorizontally()) t.columnScales[cell.x] = true;
    if (flags.ScalesVertically()) t.rowScales[cell.y] = true;
    t.cells.push_back(cell);
  }
  const Point sp = group.Spacing();
  return {Sum(t.columns) + Gaps(t.columns.size(), sp.x), Sum(t.rows) + Gaps(t.rows.size(), sp.y)};
}

Size LayoutEngine::MeasureGroup(Group& group) {
  const Size content = ContentSize(group);
  const Insets in = GroupInsets(group);
  Size size{content.w + in.left + in.right, content.h + in.top + in.bottom};
  if (!group.Title().empty())
    size.w = std::max(size.w, in.left + in.right + int(group.Title().size() * measure_.charWidth) + 8);
  return size;
}

Size LayoutEngine::MeasureScroll(ScrollGroup& scroll) {
  const Size content = MeasureGroup(scroll);
  scroll.SetContentMinimum(content);
  const int bar = ScrollGroup::kBarThickness;
  Size size = content;
  if (scroll.ScrollsHorizontally()) size.w = ScrollGroup::kMinViewport + bar;
  if (scroll.ScrollsVertically()) size.h = ScrollGroup::kMinViewport + bar;
  // A bar for one direction takes room from the other, fixed one.
  if (scroll.ScrollsVertically() && !scroll.ScrollsHorizontally() && !scroll.AutoBars()) size.w += bar;
  if (scroll.ScrollsHorizontally() && !scroll.ScrollsVertically() && !scroll.AutoBars()) size.h += bar;
  return size;
}

void LayoutEngine::Arrange(Widget& widget, const Rect& frame) {
  if (ScrollGroup* scroll = widget.AsScrollGroup()) {
    ArrangeScroll(*scroll, frame);
  } else if (Group* group = widget.AsGroup()) {
    ArrangeGroup(*group, frame);
  } else {
    widget.ApplyFrame(frame);
    // A wrapper (an embedded dialog's gadget) hands its frame on.
    if (widget.ChildCount() == 1) Arrange(*widget.ChildAt(0), frame);
  }
}

void LayoutEngine::ArrangeGroup(Group& group, const Rect& frame) {
  group.ApplyFrame(frame);
  const Insets in = GroupInsets(group);
  ArrangeGrid(group, {frame.x + in.left, frame.y + in.top, frame.w - in.left - in.right, frame.h - in.top - in.bottom});
}

void LayoutEngine::ArrangeGrid(Group& group, const Rect& inner) {
  const GridTracks& t = group.Tracks();
  const Point sp = group.Spacing();
  const int extraW = inner.w - Sum(t.columns) - Gaps(t.columns.size(), sp.x);
  const int extraH = inner.h - Sum(t.rows) - Gaps(t.rows.size(), sp.y);
  const std::vector<int> cols = Distribute(t.columns, t.columnScales, std::max(0, extraW));
  const std::vector<int> rows = Distribute(t.rows, t.rowScales, std::max(0, extraH));
  std::vector<int> colX(cols.size()), rowY(rows.size());
  for (size_t c = 0, x = inner.x; c < cols.size(); x += cols[c] + sp.x, ++c) colX[c] = int(x);
  for (size_t r = 0, y = inner.y; r < rows.size(); y += rows[r] + sp.y, ++r) rowY[r] = int(y);
  size_t shown = 0;
  for (size_t i = 0; i < group.ChildCount(); ++i) {
    Widget& child = *group.ChildAt(i);
    if (child.IsHidden()) {
      child.ApplyFrame({inner.x, inner.y, 0, 0});
      continue;
    }
    const Point cell = t.cells[shown++];
    Arrange(child, PlaceInCell(child, {colX[cell.x], rowY[cell.y], cols[cell.x], rows[cell.y]}));
  }
}

Rect LayoutEngine::PlaceInCell(const Widget& widget, const Rect& cell) const {
  const LayoutFlags flags(widget.Flags());
  const Size min = widget.MinSize();
  const auto [x, w] = Place(flags.Horizontal(), cell.x, cell.w, min.w);
  const auto [y, h] = Place(flags.Vertical(), cell.y, cell.h, min.h);
  return {x, y, w, h};
}

void LayoutEngine::ArrangeScroll(ScrollGroup& scroll, const Rect& frame) {
  scroll.ApplyFrame(frame);
  const Insets in = GroupInsets(scroll);
  const Size content = scroll.ContentMinimum();
  const int bar = ScrollGroup::kBarThickness;
  Rect view = frame;
  bool vbar = scroll.ScrollsVertically() && !scroll.AutoBars();
  bool hbar = scroll.ScrollsHorizontally() && !scroll.AutoBars();
  for (int pass = 0; pass < 2; ++pass) {
    view = {frame.x, frame.y, frame.w - (vbar ? bar : 0), frame.h - (hbar ? bar : 0)};
    vbar = vbar || (scroll.ScrollsVertically() && content.h > view.h);
    hbar = hbar || (scroll.ScrollsHorizontally() && content.w > view.w);
  }
  view = {frame.x, frame.y, std::max(0, frame.w - (vbar ? bar : 0)), std::max(0, frame.h - (hbar ? bar : 0))};
  const Size size{scroll.ScrollsHorizontally() ? std::max(content.w, view.w) : view.w,
                  scroll.ScrollsVertically() ? std::max(content.h, view.h) : view.h};
  scroll.SetLayoutResult(view, size, vbar, hbar);
  const Point off = scroll.Offset();
  const Rect box{view.x - off.x, view.y - off.y, size.w, size.h};
  ArrangeGrid(scroll, {box.x + in.left, box.y + in.top, box.w - in.left - in.right, box.h - in.top - in.bottom});
}

std::vector<int> LayoutEngine::Distribute(const std::vector<int>& tracks, const std::vector<bool>& scales, int extra) {
  std::vector<int> out = tracks;
  const int n = int(std::count(scales.begin(), scales.end(), true));
  if (n == 0 || extra <= 0) return out;
  int share = extra / n, rest = extra % n;
  for (size_t i = 0; i < out.size(); ++i) {
    if (!scales[i]) continue;
    out[i] += share + (rest > 0 ? 1 : 0);
    if (rest > 0) --rest;
  }
  return out;
}

}  // namespace host

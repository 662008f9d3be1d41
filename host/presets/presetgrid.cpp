#include "presets/presetgrid.h"

#include "gui/dialog.h"
#include "gui/eventcontext.h"
#include "gui/inputevent.h"
#include "gui/paintcontext.h"
#include "gui/scrollgroup.h"

namespace host {

namespace {

constexpr int kRows = 2;  // shown at least, so the grid never shrinks to a strip

// Cuts text to width with an ellipsis, on a character boundary.
std::string Fitted(const Canvas& canvas, const std::string& text, int width, const TextStyle& style) {
  if (canvas.TextWidth(text, style) <= width) return text;
  const std::string ellipsis = "\xE2\x80\xA6";
  std::string cut = text;
  while (!cut.empty()) {
    size_t end = cut.size() - 1;
    while (end > 0 && (static_cast<unsigned char>(cut[end]) & 0xC0) == 0x80) --end;
    cut.resize(end);
    if (canvas.TextWidth(cut + ellipsis, style) <= width) return cut + ellipsis;
  }
  return ellipsis;
}

}  // namespace

PresetGrid::PresetGrid(int32_t id, int32_t flags, int32_t activateId, ThumbnailSource thumbnails)
    : Widget(id, flags), activateId_(activateId), thumbnails_(std::move(thumbnails)) {}

void PresetGrid::SetNames(std::vector<std::string> names, std::string emptyText) {
  const std::string kept = selected_ >= 0 && size_t(selected_) < names_.size() ? names_[size_t(selected_)] : "";
  names_ = std::move(names);
  emptyText_ = std::move(emptyText);
  selected_ = -1;
  for (size_t i = 0; i < names_.size(); ++i) {
    if (!kept.empty() && names_[i] == kept) selected_ = int(i);
  }
  RequestLayout();
  Invalidate();
}

void PresetGrid::Select(int index) {
  if (index < -1 || index >= int(names_.size()) || index == selected_) return;
  selected_ = index;
  if (index >= 0) ScrollIntoView(size_t(index));
  Invalidate();
}

Size PresetGrid::NaturalSize(const TextMeasure&) {
  const int rows = std::max<int>(kRows, int((names_.size() + kColumns - 1) / kColumns));
  return {kColumns * kCellWidth + 2 * kPadding, rows * kCellHeight + 2 * kPadding};
}

Rect PresetGrid::CellRect(size_t index) const {
  const Rect f = Frame();
  // Spare width goes evenly between the columns.
  const int spare = std::max(0, f.w - 2 * kPadding - kColumns * kCellWidth) / kColumns;
  const int w = kCellWidth + spare;
  return {f.x + kPadding + int(index % kColumns) * w, f.y + kPadding + int(index / kColumns) * kCellHeight, w,
          kCellHeight};
}

int PresetGrid::CellAt(Point local) const {
  for (size_t i = 0; i < names_.size(); ++i) {
    const Rect r = CellRect(i).Offset(-Frame().x, -Frame().y);
    if (r.Contains(local.x, local.y)) return int(i);
  }
  return -1;
}

void PresetGrid::Paint(PaintContext& ctx) {
  Canvas& c = ctx.Target();
  const Rect f = Frame();
  c.FillRect(f, ctx.Color(InterfaceColors::kEditBackground));
  if (names_.empty()) {
    c.DrawText(emptyText_, f.x + f.w / 2, f.y + std::min(f.h, 3 * kCellHeight) / 2,
               ctx.Color(InterfaceColors::kTextDisabled), kTextCenter | kTextVCenter);
    return;
  }
  const Rect clip = c.ClipRect();
  for (size_t i = 0; i < names_.size(); ++i) {
    const Rect cell = CellRect(i);
    if (!cell.Intersect(clip).IsEmpty()) PaintCell(ctx, i, cell);
  }
}

Rect PresetGrid::ThumbnailRect(size_t index) const {
  const Rect cell = CellRect(index);
  return {cell.x + (cell.w - kThumbnail) / 2, cell.y + 10, kThumbnail, kThumbnail};
}

void PresetGrid::PaintCell(PaintContext& ctx, size_t index, const Rect& cell) {
  Canvas& c = ctx.Target();
  const bool selected = int(index) == selected_;
  const Rect inner = cell.Inset(3);
  c.FillRect(inner, ctx.Color(selected ? InterfaceColors::kHighlight : InterfaceColors::kGroupFill));
  const Rect picture = ThumbnailRect(index);
  const Rect border = picture.Inset(-1);
  if (const Bitmap* thumb = thumbnails_(index, kThumbnail * ctx.Scale())) {
    c.DrawBitmap(*thumb, picture);
  } else {
    c.FillRect(picture, ctx.Color(InterfaceColors::kGroupFill));
  }
  c.DrawFrame(border, ctx.Color(selected ? InterfaceColors::kHighlightText : InterfaceColors::kBorderDark));
  if (selected && ctx.HasFocus(*this)) c.DrawFrame(inner, ctx.Color(InterfaceColors::kHighlightText));
  const TextStyle style;
  const Rgba text = ctx.Color(selected ? InterfaceColors::kHighlightText : InterfaceColors::kText);
  const int textTop = picture.Bottom() + 7;
  c.DrawText(Fitted(c, names_[index], inner.w - 8, style), cell.x + cell.w / 2, textTop, text, kTextCenter, style);
}

bool PresetGrid::OnMouseDown(const InputEvent& e, EventContext& ctx) {
  ctx.SetFocus(this);
  const int hit = CellAt(LocalPoint(e.position));
  if (hit < 0) return true;
  if (hit != selected_) {
    Select(hit);
    Announce(Id());
  }
  if (e.doubleClick) Announce(activateId_);
  return true;
}

bool PresetGrid::OnKey(const InputEvent& e, EventContext&) {
  if (names_.empty()) return false;
  const int last = int(names_.size()) - 1;
  int to = selected_;
  switch (e.key) {
    case GXA_KEY_LEFT: to = std::max(0, selected_ - 1); break;
    case GXA_KEY_RIGHT: to = std::min(last, selected_ + 1); break;
    case GXA_KEY_UP: to = selected_ < 0 ? 0 : std::max(selected_ % kColumns, selected_ - kColumns); break;
    case GXA_KEY_DOWN: to = selected_ < 0 ? 0 : std::min(last, selected_ + kColumns); break;
    case GXA_KEY_HOME: to = 0; break;
    case GXA_KEY_END: to = last; break;
    case GXA_KEY_ENTER:
      if (selected_ >= 0) Announce(activateId_);
      return selected_ >= 0;
    default: return false;
  }
  if (to != selected_) {
    Select(to);
    Announce(Id());
  }
  return true;
}

CursorInfo PresetGrid::Cursor(Point global) {
  const int hit = CellAt(LocalPoint(global));
  CursorInfo info;
  if (hit >= 0) info.tooltip = names_[size_t(hit)];
  return info;
}

void PresetGrid::ScrollIntoView(size_t index) {
  for (Widget* w = Parent(); w; w = w->Parent()) {
    ScrollGroup* scroll = w->AsScrollGroup();
    if (!scroll) continue;
    const Rect visible = scroll->VisibleArea();
    const int top = CellRect(index).y - Frame().y, bottom = top + kCellHeight;
    if (top < visible.y) scroll->ScrollTo({visible.x, top});
    if (bottom > visible.y + visible.h) scroll->ScrollTo({visible.x, bottom - visible.h});
    return;
  }
}

void PresetGrid::Announce(int32_t id) {
  if (Dialog* d = OwnerDialog()) d->Action(id, Value::Int32(selected_));
}

}  // namespace host

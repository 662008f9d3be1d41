#include "presets/presetgrid.h"

#include "gui/inputevent.h"
#include "gui/paintcontext.h"
#include "gui/scrollgroup.h"
#include "gxa_api.h"

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
    : ItemView(id, flags, activateId), thumbnails_(std::move(thumbnails)) {}

void PresetGrid::SetNames(std::vector<std::string> names, std::string emptyText) {
  const int was = Selected();
  const std::string kept = was >= 0 && size_t(was) < names_.size() ? names_[size_t(was)] : "";
  names_ = std::move(names);
  emptyText_ = std::move(emptyText);
  SetSelection(-1);
  for (size_t i = 0; i < names_.size(); ++i) {
    if (!kept.empty() && names_[i] == kept) SetSelection(int(i));
  }
  RequestLayout();
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

int PresetGrid::ItemAt(Point local) const {
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
  const bool selected = int(index) == Selected();
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

std::optional<int> PresetGrid::Step(int32_t key, int selected) const {
  const int last = int(names_.size()) - 1;
  switch (key) {
    case GXA_KEY_LEFT: return std::max(0, selected - 1);
    case GXA_KEY_RIGHT: return std::min(last, selected + 1);
    case GXA_KEY_UP: return selected < 0 ? 0 : std::max(selected % kColumns, selected - kColumns);
    case GXA_KEY_DOWN: return selected < 0 ? 0 : std::min(last, selected + kColumns);
    default: return ItemView::Step(key, selected);
  }
}

CursorInfo PresetGrid::Cursor(Point global) {
  const int hit = ItemAt(LocalPoint(global));
  CursorInfo info;
  if (hit >= 0) info.tooltip = names_[size_t(hit)];
  return info;
}

void PresetGrid::Reveal(size_t index) {
  const int top = CellRect(index).y - Frame().y;
  ScrollGroup::Reveal(*this, top, top + kCellHeight);
}

}  // namespace host

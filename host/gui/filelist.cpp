#include "gui/filelist.h"

#include <algorithm>

#include "gui/paintcontext.h"
#include "gui/scrollgroup.h"

namespace host {

namespace {
constexpr int kIndent = 6;
}  // namespace

void FileList::SetEntries(std::vector<FolderEntry> entries, std::string emptyText) {
  entries_ = std::move(entries);
  emptyText_ = std::move(emptyText);
  SetSelection(-1);
  RequestLayout();
  Invalidate();
}

Size FileList::NaturalSize(const TextMeasure&) {
  return {kWidth, std::max<int>(kRows, int(entries_.size())) * kRowHeight};
}

Rect FileList::RowRect(size_t index) const {
  const Rect f = Frame();
  return {f.x, f.y + int(index) * kRowHeight, f.w, kRowHeight};
}

void FileList::Paint(PaintContext& ctx) {
  Canvas& c = ctx.Target();
  const Rect f = Frame();
  c.FillRect(f, ctx.Color(InterfaceColors::kEditBackground));
  if (entries_.empty()) {
    c.DrawText(emptyText_, f.x + f.w / 2, f.y + 2 * kRowHeight, ctx.Color(InterfaceColors::kTextDisabled),
               kTextCenter | kTextVCenter);
    return;
  }
  const Rect clip = c.ClipRect();
  TextStyle folderStyle;
  folderStyle.bold = true;
  for (size_t i = 0; i < entries_.size(); ++i) {
    const Rect row = RowRect(i);
    if (row.Intersect(clip).IsEmpty()) continue;
    const bool selected = int(i) == Selected();
    if (selected) c.FillRect(row, ctx.Color(InterfaceColors::kHighlight));
    if (selected && ctx.HasFocus(*this)) c.DrawFrame(row, ctx.Color(InterfaceColors::kHighlightText));
    const FolderEntry& e = entries_[i];
    const Rgba text = ctx.Color(selected ? InterfaceColors::kHighlightText : InterfaceColors::kText);
    c.DrawText(e.folder ? e.name + "/" : e.name, row.x + kIndent, row.y + row.h / 2, text, kTextVCenter,
               e.folder ? folderStyle : TextStyle{});
  }
}

int FileList::ItemAt(Point local) const {
  const int row = local.y < 0 ? -1 : local.y / kRowHeight;
  return row < int(entries_.size()) ? row : -1;
}

void FileList::Reveal(size_t index) {
  ScrollGroup::Reveal(*this, int(index) * kRowHeight, int(index + 1) * kRowHeight);
}

}  // namespace host

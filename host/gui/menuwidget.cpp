#include "gui/menuwidget.h"

#include <algorithm>

#include "gui/eventcontext.h"
#include "gui/inputevent.h"
#include "gui/widgetstyle.h"
#include "gxa_api.h"
#include "raster/iconlibrary.h"

namespace host {

MenuWidget::MenuWidget(MenuModel menu) : Widget(0, GXA_ALIGN_H_FIT | GXA_ALIGN_V_FIT), menu_(std::move(menu)) {}

Size MenuWidget::NaturalSize(const TextMeasure&) {
  int widest = 80, height = 8;
  for (const MenuEntry& e : menu_.Entries()) {
    widest = std::max(widest, WidgetStyle::TextWidth(e.text));
    height += e.IsSeparator() ? kSeparatorHeight : kEntryHeight;
  }
  return {widest + kIconColumn + kArrowColumn + 36, height};
}

Rect MenuWidget::EntryRect(size_t index) const {
  int y = Frame().y + 4;
  for (size_t i = 0; i < index && i < menu_.Entries().size(); ++i) {
    y += menu_.Entries()[i].IsSeparator() ? kSeparatorHeight : kEntryHeight;
  }
  const bool separator = index < menu_.Entries().size() && menu_.Entries()[index].IsSeparator();
  return {Frame().x + 4, y, Frame().w - 8, separator ? kSeparatorHeight : kEntryHeight};
}

int MenuWidget::EntryAt(Point p) const {
  for (size_t i = 0; i < menu_.Entries().size(); ++i) {
    if (EntryRect(i).Contains(p.x, p.y)) return menu_.Entries()[i].IsSeparator() ? -1 : int(i);
  }
  return -1;
}

void MenuWidget::Paint(PaintContext& ctx) {
  const Rect f = Frame();
  WidgetStyle::RoundBox(ctx, f, 4, ctx.Color(InterfaceColors::kMenuBackground),
                        ctx.Color(InterfaceColors::kBorderDark));
  for (size_t i = 0; i < menu_.Entries().size(); ++i) {
    const MenuEntry& e = menu_.Entries()[i];
    const Rect r = EntryRect(i);
    if (e.IsSeparator()) {
      ctx.Target().FillRect({r.x + 6, r.y + r.h / 2, r.w - 12, 1}, ctx.Color(InterfaceColors::kBorderLight));
      continue;
    }
    const bool lit = int(i) == highlight_ && !e.disabled;
    if (lit) WidgetStyle::RoundBox(ctx, r, 3, ctx.Color(InterfaceColors::kHighlight), std::nullopt);
    const Rect iconBox{r.x + 4, r.y + (r.h - 16) / 2, 16, 16};
    if (e.checked) {
      WidgetStyle::CheckMark(ctx, iconBox,
                             lit ? ctx.Color(InterfaceColors::kHighlightText) : ctx.Color(InterfaceColors::kText));
    } else if (e.icon != 0) {
      if (auto icon = IconLibrary::Shared().Get(e.icon, ctx.Scale())) {
        ctx.Target().DrawBitmap(*icon, iconBox, std::nullopt, kBlitAlpha | (e.disabled ? kBlitDisabled : 0));
      }
    }
    const Rgba text = e.disabled ? ctx.Color(InterfaceColors::kTextDisabled)
                                 : ctx.Color(lit ? InterfaceColors::kHighlightText : InterfaceColors::kText);
    ctx.Target().DrawText(e.text, r.x + kIconColumn + 4, r.y + r.h / 2, text, kTextVCenter);
    if (e.submenu) ctx.Target().DrawText("\u25B8", r.x + r.w - kArrowColumn, r.y + r.h / 2, text, kTextVCenter);
  }
}

void MenuWidget::Highlight(int index) {
  if (index == highlight_) return;
  highlight_ = index;
  Invalidate();
}

void MenuWidget::Choose(int index) {
  if (index < 0 || size_t(index) >= menu_.Entries().size()) return;
  const MenuEntry& e = menu_.Entries()[size_t(index)];
  if (e.Opens()) {
    opened_ = index;
    done_ = true;
    return;
  }
  if (!e.IsSelectable()) return;
  chosen_ = e.id;
  done_ = true;
}

bool MenuWidget::OnMouseDown(const InputEvent& e, EventContext& ctx) {
  if (e.channel != GXA_CHANNEL_LEFT && e.channel != GXA_CHANNEL_RIGHT) return true;
  Highlight(EntryAt(LayerPoint(e.position)));
  ctx.CaptureMouse(*this);
  return true;
}

void MenuWidget::OnMouseDrag(const InputEvent& e, EventContext&) { Highlight(EntryAt(LayerPoint(e.position))); }

void MenuWidget::OnMouseUp(const InputEvent& e, EventContext&) { Choose(EntryAt(LayerPoint(e.position))); }

CursorInfo MenuWidget::Cursor(Point global) {
  Highlight(EntryAt(LayerPoint(global)));
  return {};
}

void MenuWidget::MoveHighlight(int direction) {
  const int n = int(menu_.Entries().size());
  for (int step = 1; step <= n; ++step) {
    const int i = ((highlight_ < 0 ? (direction > 0 ? -1 : 0) : highlight_) + direction * step + 2 * n) % n;
    const MenuEntry& entry = menu_.Entries()[size_t(i)];
    if (entry.IsSelectable() || entry.Opens()) {
      Highlight(i);
      return;
    }
  }
}

bool MenuWidget::OnKey(const InputEvent& e, EventContext&) {
  if (e.type != InputEvent::Type::KeyDown) return false;
  switch (e.key) {
    case GXA_KEY_DOWN: MoveHighlight(1); return true;
    case GXA_KEY_UP: MoveHighlight(-1); return true;
    case GXA_KEY_ENTER: Choose(highlight_); return true;
    case GXA_KEY_RIGHT:
      if (highlight_ >= 0 && menu_.Entries()[size_t(highlight_)].Opens()) Choose(highlight_);
      return true;
    case GXA_KEY_LEFT:
      if (nested_) Dismiss();
      return true;
    case GXA_KEY_ESC: Dismiss(); return true;
    default: return false;
  }
}

}  // namespace host

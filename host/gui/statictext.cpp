#include "gui/statictext.h"

#include "gui/layoutflags.h"
#include "gui/paintcontext.h"
#include "gui/widgetstyle.h"

namespace host {

StaticText::StaticText(int32_t id, int32_t flags, std::string text, int32_t border)
    : Widget(id, flags), text_(std::move(text)), border_(border) {}

Size StaticText::NaturalSize(const TextMeasure& m) {
  const int pad = border_ ? 2 * WidgetStyle::kTextInset : 0;
  return {WidgetStyle::TextWidth(text_) + pad,
          std::max(int(m.lineHeight), border_ ? WidgetStyle::kControlHeight : int(m.lineHeight))};
}

void StaticText::Paint(PaintContext& ctx) {
  Rect r = Frame();
  if (border_) {
    WidgetStyle::RoundBox(ctx, r, WidgetStyle::kRadius, ctx.Color(InterfaceColors::kBackground),
                          ctx.Color(InterfaceColors::kBorderDark));
    r = {r.x + WidgetStyle::kTextInset, r.y, r.w - 2 * WidgetStyle::kTextInset, r.h};
  }
  int flags = kTextLeft;
  const auto align = LayoutFlags(Flags()).Horizontal();
  if (align == LayoutFlags::Align::End) flags = kTextRight;
  else if (align == LayoutFlags::Align::Center) flags = kTextCenter;
  ctx.Target().PushClip(Frame());
  WidgetStyle::Label(ctx, text_, r, flags, IsEnabled());
  ctx.Target().PopClip();
}

bool StaticText::SetText(const std::string& text) {
  if (text == text_) return true;
  const bool wider = WidgetStyle::TextWidth(text) > WidgetStyle::TextWidth(text_);
  text_ = text;
  if (wider) RequestLayout();
  Invalidate();
  return true;
}

}  // namespace host

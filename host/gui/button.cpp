#include "gui/button.h"

#include <algorithm>

#include "gui/dialog.h"
#include "gui/widgetstyle.h"

namespace host {

Size Button::NaturalSize(const TextMeasure&) {
  return {std::max(72, WidgetStyle::TextWidth(text_) + 24), WidgetStyle::kControlHeight + 2};
}

void Button::Paint(PaintContext& ctx) {
  const Rect f = Frame();
  WidgetStyle::ButtonFace(ctx, f, IsPressed(), ctx.HasFocus(*this), IsEnabled());
  const int shift = IsPressed() ? 1 : 0;
  WidgetStyle::Label(ctx, text_, f.Offset(0, shift), kTextCenter, IsEnabled());
}

bool Button::SetText(const std::string& text) {
  text_ = text;
  RequestLayout();
  Invalidate();
  return true;
}

void Button::Activate(const InputEvent&, EventContext&) {
  if (Dialog* d = OwnerDialog()) d->Action(Id());
}

}  // namespace host

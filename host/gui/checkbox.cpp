#include "gui/checkbox.h"

#include "gui/dialog.h"
#include "gui/widgetstyle.h"

namespace host {

Size CheckBox::NaturalSize(const TextMeasure& m) {
  const int label = label_.empty() ? 0 : WidgetStyle::TextWidth(label_) + 6;
  return {WidgetStyle::kCheckSize + label + 2, std::max(WidgetStyle::kCheckSize + 4, int(m.lineHeight))};
}

void CheckBox::Paint(PaintContext& ctx) {
  const Rect f = Frame();
  const int s = WidgetStyle::kCheckSize;
  const Rect box{f.x + 1, f.y + (f.h - s) / 2, s, s};
  const bool enabled = IsEnabled();
  const Rgba fill = checked_ && enabled
                        ? ctx.Color(InterfaceColors::kHighlight)
                        : ctx.Color(enabled ? InterfaceColors::kEditBackground : InterfaceColors::kBackground);
  WidgetStyle::RoundBox(
      ctx, box, WidgetStyle::kRadius, fill,
      checked_ && enabled ? ctx.Color(InterfaceColors::kHighlight) : ctx.Color(InterfaceColors::kBorderDark));
  if (mixed_) {
    ctx.Target().FillRect({box.x + 3, box.y + s / 2 - 1, s - 6, 2}, WidgetStyle::TextColor(ctx, enabled));
  } else if (checked_) {
    WidgetStyle::CheckMark(
        ctx, box, enabled ? ctx.Color(InterfaceColors::kHighlightText) : ctx.Color(InterfaceColors::kTextDisabled));
  }
  if (ctx.HasFocus(*this)) WidgetStyle::FocusRing(ctx, box.Inset(-2));
  if (!label_.empty()) WidgetStyle::Label(ctx, label_, {box.Right() + 6, f.y, f.w - s - 7, f.h}, kTextLeft, enabled);
}

bool CheckBox::SetChecked(bool checked) {
  if (checked == checked_ && !mixed_) return true;
  checked_ = checked;
  mixed_ = false;
  Invalidate();
  return true;
}

bool CheckBox::SetNumber(const NumberSetting& s) {
  SetChecked(s.value != 0.0);
  mixed_ = s.mixed;
  return true;
}

void CheckBox::Activate(const InputEvent&, EventContext&) {
  checked_ = !checked_;
  mixed_ = false;
  Invalidate();
  if (Dialog* d = OwnerDialog()) d->Action(Id(), Value::Bool(checked_));
}

}  // namespace host

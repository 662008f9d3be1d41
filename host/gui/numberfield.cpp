#include "gui/numberfield.h"

#include <algorithm>
#include <cmath>

#include "color/numberformatter.h"
#include "gui/dialog.h"
#include "gui/eventcontext.h"
#include "gui/inputevent.h"
#include "gui/widgetstyle.h"
#include "gxa_api.h"

namespace host {

NumberField::NumberField(int32_t id, int32_t flags, bool arrows) : TextField(id, flags), arrows_(arrows) {}

Size NumberField::NaturalSize(const TextMeasure& m) {
  const Size s = TextField::NaturalSize(m);
  return {int(m.charWidth * 6) + 2 * WidgetStyle::kTextInset + (arrows_ ? WidgetStyle::kArrowWidth : 0), s.h};
}

std::string NumberField::FormattedValue() const {
  if (setting_.integer) return NumberFormatter::Format(std::round(setting_.value), NumberFormatter::kInteger);
  return NumberFormatter::Format(setting_.value, uint32_t(setting_.unit));
}

std::string NumberField::DisplayText() const {
  if (!setting_.mixed) return FormattedValue();
  // A narrow field shows the short form rather than a cut-off word.
  return WidgetStyle::TextWidth(kMixedText) <= TextArea().w ? kMixedText : kMixedShortText;
}

bool NumberField::SetNumber(const NumberSetting& s) {
  const std::string shown = DisplayText();
  setting_ = s;
  if (setting_.integer) setting_.value = std::round(setting_.value);
  // A dialog sets all its fields at every step of a drag; most read the same.
  if (DisplayText() != shown) ValueChanged();
  return true;
}

bool NumberField::SetData(const Value& value) {
  const std::optional<double> v = value.AsFloat();
  if (!v) return false;
  NumberSetting s = setting_;
  s.value = *v;
  s.mixed = false;
  return SetNumber(s);
}

std::optional<Value> NumberField::Data() const {
  if (setting_.integer) return Value::Int32(int32_t(std::lround(setting_.value)));
  return Value::Float(setting_.value);
}

Rect NumberField::ArrowArea() const {
  if (!arrows_) return {};
  const Rect f = Frame();
  return {f.Right() - WidgetStyle::kArrowWidth, f.y, WidgetStyle::kArrowWidth, f.h};
}

Rect NumberField::TextArea() const {
  Rect r = TextField::TextArea();
  if (arrows_) r.w = std::max(0, r.w - WidgetStyle::kArrowWidth + 2);
  return r;
}

void NumberField::PaintExtras(PaintContext& ctx) {
  if (!arrows_) return;
  const Rect a = ArrowArea();
  const int h = std::min(a.h, WidgetStyle::kControlHeight);
  const int top = a.y + (a.h - h) / 2;
  const Rect up{a.x, top + 1, a.w - 1, h / 2 - 1}, down{a.x, top + h / 2, a.w - 1, h - h / 2 - 1};
  ctx.Target().FillRect({a.x - 1, top + 3, 1, h - 6}, ctx.Color(InterfaceColors::kBorderLight));
  const Rgba on = WidgetStyle::TextColor(ctx, IsEnabled());
  const Rgba lit = ctx.Color(InterfaceColors::kHighlight);
  WidgetStyle::Arrow(ctx, up, WidgetStyle::Direction::Up, pressedArrow_ > 0 ? lit : on);
  WidgetStyle::Arrow(ctx, down, WidgetStyle::Direction::Down, pressedArrow_ < 0 ? lit : on);
}

double NumberField::Limit(double v) const {
  return setting_.HasLimits() ? std::clamp(v, setting_.min, setting_.max) : v;
}

double NumberField::Normalize(double v) const { return setting_.integer ? std::round(v) : v; }

void NumberField::Apply(double v, std::optional<bool> dragging) {
  setting_.value = Normalize(v);
  setting_.mixed = false;
  ValueChanged();
  if (Dialog* d = OwnerDialog()) d->Action(Id(), *Data(), dragging);
}

void NumberField::Step(double steps) {
  const double step = setting_.step != 0.0 ? setting_.step : 1.0;
  Apply(Limit(setting_.value + steps * step), std::nullopt);
}

bool NumberField::Commit(const std::string& text) {
  const uint32_t unit = setting_.integer ? NumberFormatter::kInteger : uint32_t(setting_.unit);
  const std::optional<double> v = NumberFormatter::Parse(text, unit);
  if (!v) return false;
  double value = *v;
  if (setting_.TypedMin() < setting_.TypedMax()) value = std::clamp(value, setting_.TypedMin(), setting_.TypedMax());
  Apply(value, std::nullopt);
  return true;
}

bool NumberField::OnMouseDown(const InputEvent& e, EventContext& ctx) {
  const Point p = LayerPoint(e.position);
  if (!arrows_ || !IsEnabled() || !ArrowArea().Contains(p.x, p.y)) return TextField::OnMouseDown(e, ctx);
  if (e.channel != GXA_CHANNEL_LEFT) return false;
  const auto life = Life();
  CommitEdit();
  if (life.expired()) return true;
  const Rect a = ArrowArea();
  pressedArrow_ = p.y < a.y + a.h / 2 ? 1 : -1;
  const double mult = (e.qualifiers & GXA_QUALIFIER_SHIFT) ? 10.0 : 1.0;
  scrubbing_ = true;
  scrubMoved_ = false;
  scrubStartY_ = e.position.y;
  ctx.CaptureMouse(*this);
  Step(pressedArrow_ * mult);
  if (!life.expired()) scrubBase_ = setting_.value;
  return true;
}

void NumberField::OnMouseDrag(const InputEvent& e, EventContext& ctx) {
  if (!scrubbing_) return TextField::OnMouseDrag(e, ctx);
  const int dy = scrubStartY_ - e.position.y;
  if (!scrubMoved_ && std::abs(dy) < 3) return;
  scrubMoved_ = true;
  const double mult = (e.qualifiers & GXA_QUALIFIER_SHIFT) ? 10.0 : 1.0;
  const double step = setting_.step != 0.0 ? setting_.step : 1.0;
  const double v = Normalize(Limit(scrubBase_ + std::trunc(double(dy) / kScrubPixels) * step * mult));
  if (v != setting_.value) Apply(v, true);
}

void NumberField::OnMouseUp(const InputEvent& e, EventContext& ctx) {
  if (!scrubbing_) return TextField::OnMouseUp(e, ctx);
  scrubbing_ = false;
  pressedArrow_ = 0;
  Invalidate();
  if (scrubMoved_) Apply(setting_.value, false);
}

bool NumberField::OnKey(const InputEvent& e, EventContext& ctx) {
  if (e.type == InputEvent::Type::KeyDown && IsEditing() && IsEnabled()) {
    const double mult = (e.qualifiers & GXA_QUALIFIER_SHIFT) ? 10.0 : 1.0;
    if (e.key == GXA_KEY_UP || e.key == GXA_KEY_DOWN) {
      const auto life = Life();
      CommitEdit();
      if (!life.expired()) Step(e.key == GXA_KEY_UP ? mult : -mult);
      return true;
    }
  }
  return TextField::OnKey(e, ctx);
}

bool NumberField::OnWheel(const InputEvent& e, EventContext&) {
  if (!IsEnabled() || e.wheelY == 0.0) return false;
  const auto life = Life();
  CommitEdit();
  if (life.expired()) return true;
  Step((e.wheelY > 0 ? 1.0 : -1.0) * ((e.qualifiers & GXA_QUALIFIER_SHIFT) ? 10.0 : 1.0));
  return true;
}

CursorInfo NumberField::Cursor(Point global) {
  const Point p = LayerPoint(global);
  if (ArrowArea().Contains(p.x, p.y)) return {GXA_CURSOR_SIZE_V, {}};
  return TextField::Cursor(global);
}

}  // namespace host

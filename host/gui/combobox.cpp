#include "gui/combobox.h"

#include <algorithm>

#include "gui/dialog.h"
#include "gui/eventcontext.h"
#include "gui/inputevent.h"
#include "gui/widgetstyle.h"
#include "gxa_api.h"

namespace host {

void ComboBox::AddChild(int32_t childId, const std::string& text) {
  children_.push_back(MenuModel::ParseEntry(childId, text));
  if (children_.size() == 1 && childId != 0) selected_ = childId;
  RequestLayout();
  Invalidate();
}

void ComboBox::ClearChildren() {
  children_.clear();
  RequestLayout();
  Invalidate();
}

const MenuEntry* ComboBox::SelectedEntry() const {
  for (const MenuEntry& e : children_) {
    if (e.id == selected_ && !e.IsSeparator()) return &e;
  }
  return nullptr;
}

std::optional<std::string> ComboBox::Text() const {
  const MenuEntry* e = SelectedEntry();
  return e ? e->text : std::string();
}

MenuModel ComboBox::Menu() const {
  std::vector<MenuEntry> entries = children_;
  for (MenuEntry& e : entries) e.checked = e.id == selected_ && e.id != 0;
  return MenuModel(std::move(entries));
}

Size ComboBox::NaturalSize(const TextMeasure&) {
  int widest = 40;
  for (const MenuEntry& e : children_) widest = std::max(widest, WidgetStyle::TextWidth(e.text));
  return {widest + 2 * WidgetStyle::kTextInset + WidgetStyle::kArrowWidth + 4, WidgetStyle::kControlHeight};
}

void ComboBox::Paint(PaintContext& ctx) {
  const Rect f = Frame();
  const Rect box{f.x, f.y + (f.h - WidgetStyle::kControlHeight) / 2, f.w, std::min(f.h, WidgetStyle::kControlHeight)};
  WidgetStyle::ButtonFace(ctx, box, IsPressed(), ctx.HasFocus(*this), IsEnabled());
  const Rect arrow{box.Right() - WidgetStyle::kArrowWidth - 3, box.y, WidgetStyle::kArrowWidth, box.h};
  WidgetStyle::Arrow(ctx, arrow, WidgetStyle::Direction::Down, WidgetStyle::TextColor(ctx, IsEnabled()));
  const Rect text{box.x + WidgetStyle::kTextInset + 2, box.y, arrow.x - box.x - WidgetStyle::kTextInset - 2, box.h};
  ctx.Target().PushClip(text);
  WidgetStyle::Label(ctx, Text().value_or(""), text, kTextLeft, IsEnabled());
  ctx.Target().PopClip();
}

void ComboBox::Activate(const InputEvent&, EventContext& ctx) {
  const Rect g = GlobalFrame();
  const auto life = Life();
  const int32_t chosen = ctx.RunMenu(Menu(), {g.x, g.Bottom()});
  if (chosen != 0 && !life.expired()) Choose(chosen);
}

bool ComboBox::OnKey(const InputEvent& e, EventContext& ctx) {
  if (e.type != InputEvent::Type::KeyDown || !IsEnabled()) return false;
  if (e.key != GXA_KEY_UP && e.key != GXA_KEY_DOWN) return Pressable::OnKey(e, ctx);
  std::vector<int32_t> ids;
  for (const MenuEntry& c : children_) {
    if (c.IsSelectable()) ids.push_back(c.id);
  }
  if (ids.empty()) return true;
  auto at = std::find(ids.begin(), ids.end(), selected_);
  size_t i = at == ids.end() ? 0 : size_t(at - ids.begin());
  if (e.key == GXA_KEY_DOWN && i + 1 < ids.size()) ++i;
  if (e.key == GXA_KEY_UP && i > 0) --i;
  if (ids[i] != selected_) Choose(ids[i]);
  return true;
}

void ComboBox::Choose(int32_t childId) {
  selected_ = childId;
  Invalidate();
  if (Dialog* d = OwnerDialog()) d->Action(Id(), Value::Int32(selected_));
}

bool ComboBox::SetNumber(const NumberSetting& s) {
  selected_ = int32_t(s.value);
  Invalidate();
  return true;
}

bool ComboBox::SetData(const Value& value) {
  const std::optional<int32_t> v = value.AsInt32();
  if (!v) return false;
  selected_ = *v;
  Invalidate();
  return true;
}

}  // namespace host

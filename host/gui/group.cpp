#include "gui/group.h"

#include "gui/paintcontext.h"
#include "gui/widgetstyle.h"

namespace host {

Group::Group(int32_t id, int32_t flags, int columns, int rows) : Widget(id, flags), columns_(columns), rows_(rows) {}

Group::~Group() = default;

Widget& Group::Add(std::unique_ptr<Widget> child) {
  child->SetParent(this);
  children_.push_back(std::move(child));
  RequestLayout();
  return *children_.back();
}

std::vector<std::unique_ptr<Widget>> Group::TakeChildren() {
  std::vector<std::unique_ptr<Widget>> taken = std::move(children_);
  children_.clear();
  for (auto& child : taken) child->SetParent(nullptr);
  RequestLayout();
  return taken;
}

void Group::SetGrid(int columns, int rows) {
  columns_ = columns;
  rows_ = rows;
  RequestLayout();
}

void Group::SetSpacing(int x, int y) {
  spacing_ = {x, y};
  RequestLayout();
}

void Group::SetBorderSpace(const Insets& space) {
  borderSpace_ = space;
  RequestLayout();
}

void Group::SetTitle(std::string title) {
  title_ = std::move(title);
  RequestLayout();
}

void Group::SetBorder(bool border) {
  border_ = border;
  RequestLayout();
}

Insets Group::FrameInsets(const TextMeasure& measure) const {
  if (!HasBorder()) return {};
  const int top = title_.empty() ? 6 : int(measure.lineHeight) + 6;
  return {6, top, 6, 6};
}

void Group::Paint(PaintContext& ctx) {
  if (HasBorder()) WidgetStyle::GroupFrame(ctx, Frame(), title_, IsEnabled());
}

}  // namespace host

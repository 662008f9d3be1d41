#include "gui/layer.h"

#include <algorithm>

#include "gui/layoutengine.h"
#include "gui/widget.h"
#include "gui/widgetstyle.h"

namespace host {

Layer::Layer(Kind kind, Widget& root, Dialog* dialog) : kind_(kind), root_(&root), dialog_(dialog) {
  root_->SetLayer(this);
}

Layer::Layer(Kind kind, std::unique_ptr<Widget> ownedRoot)
    : kind_(kind), root_(ownedRoot.get()), owned_(std::move(ownedRoot)), dialog_(nullptr) {
  root_->SetLayer(this);
}

Layer::~Layer() {
  if (root_) root_->SetLayer(nullptr);
  owned_.reset();
}

void Layer::SetOrigin(Point origin) {
  origin_ = origin;
  fullRepaint_ = true;
}

void Layer::SetSize(Size size) {
  if (size == requested_) return;
  requested_ = size;
  needsLayout_ = true;
}

void Layer::SetMinimumSize(Size size) { SetSize(size); }

void Layer::Relayout() {
  if (!root_) return;
  if (inLayout_) {
    needsLayout_ = true;
    return;
  }
  inLayout_ = true;
  LayoutEngine engine(WidgetStyle::Measure());
  for (int pass = 0; pass < 8; ++pass) {
    needsLayout_ = false;
    minimum_ = engine.Measure(*root_);
    size_ = {std::max(requested_.w, minimum_.w), std::max(requested_.h, minimum_.h)};
    if (kind_ == Kind::Window && requested_.w > 0 && requested_.h > 0) size_ = requested_;
    engine.Arrange(*root_, {0, 0, std::max(size_.w, minimum_.w), std::max(size_.h, minimum_.h)});
    if (!needsLayout_) break;
  }
  needsLayout_ = false;
  inLayout_ = false;
  fullRepaint_ = true;
  dirty_ = true;
}

void Layer::AddDamage(const Rect& r) {
  const Rect inside = r.Intersect({0, 0, size_.w, size_.h});
  if (inside.IsEmpty()) return;
  // Past a few dozen pieces one rectangle around them all is cheaper to compose.
  constexpr size_t kMostPieces = 32;
  if (damage_.size() < kMostPieces) {
    damage_.push_back(inside);
    return;
  }
  Rect all = inside;
  for (const Rect& piece : damage_) all = all.Union(piece);
  damage_.assign(1, all);
}

void Layer::Detach(Widget& root) {
  if (root_ == &root) root_ = nullptr;
}

}  // namespace host

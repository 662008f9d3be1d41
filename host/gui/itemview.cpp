#include "gui/itemview.h"

#include <algorithm>

#include "gui/dialog.h"
#include "gui/eventcontext.h"
#include "gui/inputevent.h"
#include "gxa_api.h"

namespace host {

void ItemView::Select(int index) {
  if (index < -1 || index >= int(Count()) || index == selected_) return;
  selected_ = index;
  if (index >= 0) Reveal(size_t(index));
  Invalidate();
}

bool ItemView::OnMouseDown(const InputEvent& e, EventContext& ctx) {
  ctx.SetFocus(this);
  const int hit = ItemAt(LocalPoint(e.position));
  if (hit < 0) return true;
  if (hit != selected_) {
    Select(hit);
    Announce(Id());
  }
  if (e.doubleClick) Announce(activateId_);
  return true;
}

std::optional<int> ItemView::Step(int32_t key, int selected) const {
  const int last = int(Count()) - 1;
  switch (key) {
    case GXA_KEY_UP: return std::max(0, selected - 1);
    case GXA_KEY_DOWN: return std::min(last, selected + 1);
    case GXA_KEY_HOME: return 0;
    case GXA_KEY_END: return last;
    default: return std::nullopt;
  }
}

bool ItemView::OnKey(const InputEvent& e, EventContext&) {
  if (Count() == 0) return false;
  if (e.key == GXA_KEY_ENTER) {
    if (selected_ >= 0) Announce(activateId_);
    return selected_ >= 0;
  }
  const std::optional<int> to = Step(e.key, selected_);
  if (!to) return false;
  if (*to != selected_) {
    Select(*to);
    Announce(Id());
  }
  return true;
}

void ItemView::Announce(int32_t id) {
  if (Dialog* d = OwnerDialog()) d->Action(id, Value::Int32(selected_));
}

}  // namespace host

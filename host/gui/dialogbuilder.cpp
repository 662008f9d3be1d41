#include "gui/dialogbuilder.h"

#include "gui/dialog.h"

namespace host {

void DialogBuilder::Reset(Group& at) {
  stack_.clear();
  stack_.push_back(&at);
}

Widget& DialogBuilder::Add(std::unique_ptr<Widget> widget) {
  widget->SetOwnerDialog(&dialog_);
  return Current().Add(std::move(widget));
}

Group& DialogBuilder::Begin(std::unique_ptr<Group> group) {
  Group& added = static_cast<Group&>(Add(std::move(group)));
  stack_.push_back(&added);
  return added;
}

bool DialogBuilder::End() {
  if (IsAtBottom()) return false;
  stack_.pop_back();
  return true;
}

Group& DialogBuilder::BeginRow(const Insets& border, int spacing) {
  Group& row = Begin(std::make_unique<Group>(0, GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_TOP, 0, 1));
  row.SetBorderSpace(border);
  row.SetSpacing(spacing, 0);
  return row;
}

}  // namespace host

#pragma once
// The layout cursor of a dialog: where the next gadget goes. Groups open and
// close around their gadgets; after a flush the cursor sits in the flushed
// group until the layout is announced as changed.
#include <memory>
#include <vector>

#include "gui/group.h"

namespace host {

class Dialog;

class DialogBuilder {
 public:
  explicit DialogBuilder(Dialog& dialog) : dialog_(dialog) {}

  void Reset(Group& at);
  Group& Current() const { return *stack_.back(); }
  bool IsAtBottom() const { return stack_.size() <= 1; }

  // Adds to the current group; the widget becomes the dialog's gadget.
  Widget& Add(std::unique_ptr<Widget> widget);
  // Adds a group and makes it current.
  Group& Begin(std::unique_ptr<Group> group);
  // Adds a group that lays its gadgets out in one row across the width, with
  // border around them and spacing between them, and makes it current.
  Group& BeginRow(const Insets& border, int spacing);
  // False when no group is open.
  bool End();

 private:
  Dialog& dialog_;
  std::vector<Group*> stack_;
};

}  // namespace host

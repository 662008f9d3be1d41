#pragma once
// The gadget that shows another dialog inside its parent: a sub-dialog the
// module attaches, or a custom GUI (a module-created dialog the host obtained
// from a custom GUI plug-in, freed through the plug-in with the gadget).
#include <functional>

#include "gui/widget.h"

namespace host {

class SubDialogWidget : public Widget {
 public:
  using Release = std::function<void(Dialog&)>;

  SubDialogWidget(int32_t id, int32_t flags);
  ~SubDialogWidget() override;

  // Shows dialog here: it builds its layout and fills its values. A dialog
  // shown elsewhere before is taken out of its old place.
  bool Attach(Dialog& dialog, Release release = nullptr);
  Dialog* Embedded() const { return dialog_; }
  // The embedded dialog is going away (it was destroyed by its owner).
  void DialogGone();

  size_t ChildCount() const override { return dialog_ ? 1 : 0; }
  Widget* ChildAt(size_t) const override;

 private:
  void Detach();

  Dialog* dialog_ = nullptr;
  Release release_;
};

}  // namespace host

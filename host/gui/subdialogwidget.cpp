#include "gui/subdialogwidget.h"

#include "gui/dialog.h"

namespace host {

SubDialogWidget::SubDialogWidget(int32_t id, int32_t flags) : Widget(id, flags) {}

SubDialogWidget::~SubDialogWidget() {
  Dialog* dialog = dialog_;
  Release release = std::move(release_);
  Detach();
  if (dialog && release) release(*dialog);
}

Widget* SubDialogWidget::ChildAt(size_t) const { return dialog_ ? &dialog_->Root() : nullptr; }

bool SubDialogWidget::Attach(Dialog& dialog, Release release) {
  if (dialog_ == &dialog) return true;
  if (dialog_) {
    Dialog* old = dialog_;
    Release oldRelease = std::move(release_);
    Detach();
    if (oldRelease) oldRelease(*old);
  }
  if (SubDialogWidget* previous = dialog.HostWidget()) previous->Detach();
  dialog_ = &dialog;
  release_ = std::move(release);
  dialog.SetHostWidget(this);
  dialog.Root().SetParent(this);
  const bool built = dialog.BuildLayout();
  const bool filled = dialog.InitValues();
  RequestLayout();
  Invalidate();
  return built && filled;
}

void SubDialogWidget::Detach() {
  if (!dialog_) return;
  dialog_->Root().SetParent(nullptr);
  dialog_->SetHostWidget(nullptr);
  dialog_ = nullptr;
  release_ = nullptr;
  RequestLayout();
}

void SubDialogWidget::DialogGone() {
  dialog_ = nullptr;
  release_ = nullptr;
  RequestLayout();
}

}  // namespace host

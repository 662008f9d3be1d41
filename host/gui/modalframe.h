#pragma once
// The frame of a modal dialog: a title bar above the dialog's own gadgets.
#include <string>

#include "gui/group.h"

namespace host {

class SubDialogWidget;

class ModalFrame : public Group {
 public:
  static constexpr int kTitleHeight = 26;
  static constexpr int kPadding = 10;

  explicit ModalFrame(std::string title);

  SubDialogWidget& Slot() { return *slot_; }
  const std::string& TitleText() const { return title_; }
  void Paint(PaintContext& ctx) override;

 private:
  std::string title_;
  SubDialogWidget* slot_;
};

}  // namespace host

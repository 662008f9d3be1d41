#pragma once
// A message with OK, or a question with Yes and No: the host's own small
// dialog behind message boxes and yes/no questions.
#include <string>

#include "gui/dialogdelegate.h"

namespace host {

class MessageDialog : public DialogDelegate {
 public:
  enum class Buttons { Ok, YesNo };
  static constexpr int32_t kYes = 1;
  static constexpr int32_t kNo = 2;

  MessageDialog(std::string text, Buttons buttons) : text_(std::move(text)), buttons_(buttons) {}

  bool Confirmed() const { return confirmed_; }

  bool CreateLayout(Dialog& dialog) override;
  bool Command(Dialog& dialog, int32_t id, const Container& msg) override;

 private:
  std::string text_;
  Buttons buttons_;
  bool confirmed_ = false;
};

}  // namespace host

#pragma once
// Asks for one line of text, with an optional check box.
#include <string>

#include "gui/dialogdelegate.h"

namespace host {

class TextPromptDialog : public DialogDelegate {
 public:
  static constexpr int32_t kOk = 1;
  static constexpr int32_t kCancel = 2;
  static constexpr int32_t kText = 1000;
  static constexpr int32_t kCheck = 1001;

  TextPromptDialog(std::string label, std::string text, std::string checkLabel, bool check)
      : label_(std::move(label)), text_(std::move(text)), checkLabel_(std::move(checkLabel)), check_(check) {}

  bool Confirmed() const { return confirmed_; }
  const std::string& Text() const { return text_; }
  bool Check() const { return check_; }

  bool CreateLayout(Dialog& dialog) override;
  bool InitValues(Dialog& dialog) override;
  bool Command(Dialog& dialog, int32_t id, const Container& msg) override;

 private:
  std::string label_;
  std::string text_;
  std::string checkLabel_;
  bool check_;
  bool confirmed_ = false;
};

}  // namespace host

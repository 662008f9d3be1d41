#pragma once
// A text gadget the user types into; a committed edit is reported to the
// dialog with the new text.
#include "gui/textfield.h"

namespace host {

class EditText : public TextField {
 public:
  EditText(int32_t id, int32_t flags) : TextField(id, flags) {}

  bool SetText(const std::string& text) override;
  std::optional<std::string> Text() const override { return text_; }
  bool SetData(const Value& value) override;
  std::optional<Value> Data() const override { return Value::String(text_); }

 protected:
  std::string DisplayText() const override { return text_; }
  bool Commit(const std::string& text) override;

 private:
  std::string text_;
};

}  // namespace host

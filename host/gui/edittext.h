#pragma once
// A text gadget the user types into; a committed edit is reported to the
// dialog with the new text. In a field its dialog marks as a colour field,
// Ctrl+C copies the colour in the form the preferences choose, and Ctrl+V
// takes colour text of any form as the hex the field reads and commits it.
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
  void Copy() override;
  void Paste(EventContext& ctx) override;

 private:
  bool IsColorField() const;

  std::string text_;
};

}  // namespace host

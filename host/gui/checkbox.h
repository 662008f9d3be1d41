#pragma once
// A check box with its label; a click flips it and reports the new state.
#include "gui/pressable.h"

namespace host {

class CheckBox : public Pressable {
 public:
  CheckBox(int32_t id, int32_t flags, std::string label) : Pressable(id, flags), label_(std::move(label)) {}

  Size NaturalSize(const TextMeasure&) override;
  void Paint(PaintContext& ctx) override;
  bool SetChecked(bool checked) override;
  bool SetNumber(const NumberSetting& s) override;
  std::optional<bool> Checked() const override { return checked_; }
  std::optional<double> Number() const override { return checked_ ? 1.0 : 0.0; }
  std::optional<Value> Data() const override { return Value::Bool(checked_); }

 protected:
  void Activate(const InputEvent& e, EventContext& ctx) override;
  // Return confirms the dialog; only the space bar flips the box.
  bool PressedByEnter() const override { return false; }

 private:
  std::string label_;
  bool checked_ = false;
  bool mixed_ = false;
};

}  // namespace host

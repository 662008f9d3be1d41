#pragma once
// A push button with a text; a click sends the dialog a command.
#include "gui/pressable.h"

namespace host {

class Button : public Pressable {
 public:
  Button(int32_t id, int32_t flags, std::string text) : Pressable(id, flags), text_(std::move(text)) {}

  Size NaturalSize(const TextMeasure&) override;
  void Paint(PaintContext& ctx) override;
  bool SetText(const std::string& text) override;
  std::optional<std::string> Text() const override { return text_; }

 protected:
  void Activate(const InputEvent& e, EventContext& ctx) override;

 private:
  std::string text_;
};

}  // namespace host

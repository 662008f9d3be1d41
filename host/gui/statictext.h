#pragma once
// A line of text. Its width hint is often a shared label width; within a
// wider frame the text follows the gadget's horizontal alignment. A border
// other than 0 draws a thin frame around it.
#include "gui/widget.h"

namespace host {

class StaticText : public Widget {
 public:
  StaticText(int32_t id, int32_t flags, std::string text, int32_t border);

  Size NaturalSize(const TextMeasure& m) override;
  void Paint(PaintContext& ctx) override;
  bool SetText(const std::string& text) override;
  std::optional<std::string> Text() const override { return text_; }

 private:
  std::string text_;
  int32_t border_;
};

}  // namespace host

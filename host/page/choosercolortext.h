#pragma once
// A chooser's colour as the host copies and pastes it as text, outside the
// module's own clipboard: the colour the chooser shows (its own space, which
// is what its hex field reads), and a pasted colour stored through the page
// as any value the host sets is. Where the chooser converts linear colours
// for showing, the host converts the same way; a colour with alpha keeps its
// alpha when the text gives none.
#include <optional>

#include "color/colortextreader.h"

namespace host {

class AttributePage;
class ColorParameter;

class ChooserColorText {
 public:
  ChooserColorText(AttributePage& page, ColorParameter& parameter) : page_(page), parameter_(parameter) {}

  // Nothing while the chooser is not on the page.
  std::optional<TextColor> Shown() const;
  void Paste(const TextColor& color);

 private:
  // The chooser shows linear colours converted (its linear context and the
  // linear display option of its mode buttons, from its stored state).
  bool ConvertsLinear() const;

  AttributePage& page_;
  ColorParameter& parameter_;
};

}  // namespace host

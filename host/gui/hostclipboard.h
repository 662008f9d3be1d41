#pragma once
// The system clipboard as the host uses it: text copied from a field, a
// colour copied as text in the form the preferences choose, a selection
// offered to X11's middle button, and pasted text read as a colour or
// refused with a notice that says why (nothing changes then). The front end
// reaches the desktop; a headless one keeps the texts itself, for scripts.
#include <array>
#include <optional>
#include <string>

#include "color/colortextreader.h"

namespace host {

class HostClipboard {
 public:
  static void CopyText(const std::string& text);
  // rgb in the chooser's space (sRGB-encoded); alpha only for a colour that has one.
  static void CopyColor(const std::array<double, 3>& rgb, std::optional<double> alpha);
  // The primary selection: what is selected in a field.
  static void OfferSelection(const std::string& text);
  static std::optional<std::string> Text();
  // The clipboard's text as a colour; nothing, and a notice, when it is none.
  static std::optional<TextColor> PasteColor();
  // The form the preferences choose (ColorTextWriter::Format).
  static int32_t Format();
};

}  // namespace host

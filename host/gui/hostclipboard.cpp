#include "gui/hostclipboard.h"

#include <algorithm>

#include "color/colortextwriter.h"
#include "core/host.h"
#include "core/worldpreferences.h"
#include "gui/gui.h"

namespace host {

namespace {

constexpr size_t kQuoted = 40;

Frontend* Desktop() {
  return Gui::Exists() && Gui::Get().HasScreen() ? &Gui::Get().GetScreen().GetFrontend() : nullptr;
}

bool Continues(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The start of a text on one line, for the status line, cut between
// characters, not inside one.
std::string Quoted(const std::string& text) {
  size_t end = std::min(text.size(), kQuoted);
  while (end < text.size() && Continues(text[end])) ++end;
  std::string shown;
  for (char c : text.substr(0, end)) shown += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
  return "\"" + shown + (text.size() > end ? "...\"" : "\"");
}

}  // namespace

void HostClipboard::CopyText(const std::string& text) {
  if (Frontend* f = Desktop()) f->SetClipboardText(Frontend::Selection::Clipboard, text);
}

void HostClipboard::CopyColor(const std::array<double, 3>& rgb, std::optional<double> alpha) {
  CopyText(ColorTextWriter::Write(rgb, alpha, Format()));
}

void HostClipboard::OfferSelection(const std::string& text) {
  if (Frontend* f = Desktop(); f && !text.empty()) f->SetClipboardText(Frontend::Selection::Primary, text);
}

std::optional<std::string> HostClipboard::Text() {
  Frontend* f = Desktop();
  return f ? f->ClipboardText(Frontend::Selection::Clipboard) : std::nullopt;
}

std::optional<TextColor> HostClipboard::PasteColor() {
  const std::optional<std::string> text = Text();
  if (!text || text->empty()) {
    Gui::Get().Notice("Not pasted: the clipboard holds no text");
    return std::nullopt;
  }
  auto color = ColorTextReader::Read(*text);
  if (!color) {
    Gui::Get().Notice("Not pasted: " + Quoted(*text) + " is no colour: " + color.Error());
    return std::nullopt;
  }
  return color.Value();
}

int32_t HostClipboard::Format() {
  Host* h = Host::Current();
  return h ? h->Prefs().Data().GetInt32(WorldPreferences::kClipboardFormat, ColorTextWriter::kHex)
           : ColorTextWriter::kHex;
}

}  // namespace host

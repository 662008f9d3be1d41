#include "gui/edittext.h"

#include "color/colortextwriter.h"
#include "gui/dialog.h"
#include "gui/hostclipboard.h"

namespace host {

bool EditText::SetText(const std::string& text) {
  if (text == text_) return true;
  text_ = text;
  ValueChanged();
  return true;
}

bool EditText::SetData(const Value& value) {
  if (const std::string* s = value.AsString()) return SetText(*s);
  if (const Filename* f = value.AsFile()) return SetText(f->Path());
  return false;
}

bool EditText::Commit(const std::string& text) {
  text_ = text;
  if (Dialog* d = OwnerDialog()) d->Action(Id(), Value::String(text_), std::nullopt, CommitsByEnter());
  return true;
}

bool EditText::IsColorField() const {
  const Dialog* d = OwnerDialog();
  return d && d->IsColorTextField(Id());
}

void EditText::Copy() {
  const auto color = ColorTextReader::Read(Editor().Text());
  if (!IsColorField() || !color) return TextField::Copy();
  HostClipboard::CopyColor(color->rgb, std::nullopt);
}

void EditText::Paste(EventContext& ctx) {
  if (!IsColorField()) return TextField::Paste(ctx);
  const auto color = HostClipboard::PasteColor();
  if (!color) return;
  // The field has no alpha: the colour goes in as its six digits.
  ReplaceEdit(ColorTextWriter::Write(color->rgb, std::nullopt, ColorTextWriter::kHex).substr(1));
  CommitByEnter(ctx);
}

}  // namespace host

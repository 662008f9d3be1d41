#include "gui/edittext.h"

#include "gui/dialog.h"

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

}  // namespace host

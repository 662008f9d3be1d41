#include "gui/menumodel.h"

#include <cstdlib>

namespace host {

namespace {

// Removes every occurrence of mark; true when there was one.
bool StripMark(std::string& text, const std::string& mark) {
  bool found = false;
  for (size_t at; (at = text.find(mark)) != std::string::npos;) {
    text.erase(at, mark.size());
    found = true;
  }
  return found;
}

int32_t StripIcon(std::string& text) {
  if (text.rfind("&i", 0) != 0) return 0;
  const size_t end = text.find('&', 2);
  if (end == std::string::npos || end == 2) return 0;
  char* stop = nullptr;
  const long id = std::strtol(text.c_str() + 2, &stop, 10);
  if (stop != text.c_str() + end) return 0;
  text.erase(0, end + 1);
  return int32_t(id);
}

}  // namespace

MenuEntry MenuModel::ParseEntry(int32_t id, const std::string& raw) {
  MenuEntry e;
  e.id = id;
  e.rawText = raw;
  e.text = raw;
  e.icon = StripIcon(e.text);
  e.checked = StripMark(e.text, "&c&");
  e.disabled = StripMark(e.text, "&d&");
  return e;
}

MenuModel MenuModel::FromContainer(const Container& menu) {
  std::vector<MenuEntry> entries;
  for (const ContainerEntry& entry : menu.Entries()) {
    if (entry.id == 0) {
      entries.push_back(ParseEntry(0, ""));
    } else if (const std::string* text = entry.value.AsString()) {
      entries.push_back(ParseEntry(entry.id, *text));
    }
  }
  return MenuModel(std::move(entries));
}

const MenuEntry* MenuModel::Find(int32_t id) const {
  for (const MenuEntry& e : entries_) {
    if (e.id == id && id != 0) return &e;
  }
  return nullptr;
}

}  // namespace host

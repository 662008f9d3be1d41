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

namespace {

std::vector<MenuEntry> ParseEntries(const Container& menu, int32_t skip) {
  std::vector<MenuEntry> entries;
  for (const ContainerEntry& entry : menu.Entries()) {
    if (entry.id == 0) {
      entries.push_back(MenuModel::ParseEntry(0, ""));
    } else if (entry.id == skip) {
      continue;
    } else if (const std::string* text = entry.value.AsString()) {
      entries.push_back(MenuModel::ParseEntry(entry.id, *text));
    } else if (const Container* submenu = entry.value.AsContainer()) {
      entries.push_back(MenuModel::ParseSubmenu(entry.id, *submenu));
    }
  }
  return entries;
}

const MenuEntry* FindIn(const std::vector<MenuEntry>& entries, int32_t id) {
  for (const MenuEntry& e : entries) {
    if (e.id == id) return &e;
    if (const MenuEntry* inner = FindIn(e.children, id)) return inner;
  }
  return nullptr;
}

}  // namespace

MenuEntry MenuModel::ParseSubmenu(int32_t id, const Container& submenu) {
  const Value* text = submenu.Find(kSubmenuText);
  MenuEntry e = ParseEntry(id, text && text->AsString() ? *text->AsString() : "");
  e.submenu = true;
  e.children = ParseEntries(submenu, kSubmenuText);
  return e;
}

MenuModel MenuModel::FromContainer(const Container& menu) { return MenuModel(ParseEntries(menu, 0)); }

const MenuEntry* MenuModel::Find(int32_t id) const { return id == 0 ? nullptr : FindIn(entries_, id); }

}  // namespace host

#pragma once
// The entries of a popup menu, read from a container of command ID to text.
// Texts carry marks: "&c&" checked, "&d&" disabled, a leading "&i<id>&" an
// icon; an entry of ID 0 is a separator. An entry that holds a container is
// a submenu: the container's entry 1 is its text, its other entries its own.
#include <cstdint>
#include <string>
#include <vector>

#include "core/container.h"

namespace host {

struct MenuEntry {
  int32_t id = 0;
  std::string text;     // without marks
  std::string rawText;  // as given, marks included
  int32_t icon = 0;     // 0 for none
  bool checked = false;
  bool disabled = false;
  bool submenu = false;
  std::vector<MenuEntry> children;  // a submenu's entries

  bool IsSeparator() const { return id == 0; }
  bool IsSelectable() const { return id != 0 && !disabled && !submenu; }
  bool Opens() const { return submenu && !disabled && !children.empty(); }
};

class MenuModel {
 public:
  MenuModel() = default;
  explicit MenuModel(std::vector<MenuEntry> entries) : entries_(std::move(entries)) {}

  // Entries of other types than text are skipped.
  static MenuModel FromContainer(const Container& menu);
  static MenuEntry ParseEntry(int32_t id, const std::string& raw);
  // The container's entry kSubmenuText is the text.
  static MenuEntry ParseSubmenu(int32_t id, const Container& submenu);
  static constexpr int32_t kSubmenuText = 1;

  const std::vector<MenuEntry>& Entries() const { return entries_; }
  // Submenus' entries too.
  const MenuEntry* Find(int32_t id) const;
  bool IsEmpty() const { return entries_.empty(); }

 private:
  std::vector<MenuEntry> entries_;
};

}  // namespace host

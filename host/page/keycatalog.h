#pragma once
// The names a script needs and cannot guess: the settings keys a chooser
// reads from its parameter, the world preferences it reads, the panels a
// gadget ID belongs to and the function tables the module publishes, each
// with what it means and the values that mean something. `gxa-host info`
// prints them, and the command line warns about values outside them.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace host {

class Container;
class Value;

struct KeyValueMeaning {
  int32_t value;
  const char* meaning;
};

struct KeyEntry {
  int32_t id = 0;
  const char* kind = "";  // int32, bool, container, colour profile
  const char* meaning = "";
  // Whole-number values with a meaning of their own; empty: any number.
  std::vector<KeyValueMeaning> values;
  // What every other value means; null when none is set apart.
  const char* otherValues = nullptr;
};

struct LibraryName {
  int32_t id;
  const char* name;
  const char* meaning;
};

class KeyCatalog {
 public:
  static const std::vector<KeyEntry>& Settings();
  static const std::vector<KeyEntry>& Preferences();
  static const std::vector<LibraryName>& Libraries();

  static const KeyEntry* FindSetting(int32_t id);
  static const KeyEntry* FindPreference(int32_t id);
  static const LibraryName* FindLibrary(int32_t id);

  // The panel a gadget of a chooser belongs to, from the ID's upper half
  // ("chooser", "HSV", ...); empty for an ID of no panel.
  static std::string PanelOf(int32_t gadgetId);

  // The key as a script writes it: cfld, or the number for a key that is
  // not four letters.
  static std::string SettingName(int32_t id);

  // Why a value is worth a word: a number outside the values with a
  // meaning (with what it then means), an entry of the wrong kind, or an
  // ID nobody reads. Empty when the value is one the chooser knows.
  static std::string CheckSetting(int32_t id, const Value& value);
  static std::string CheckPreference(int32_t id, const Value& value);
  // Every entry's check, one line each.
  static std::vector<std::string> CheckSettings(const Container& settings);
  static std::vector<std::string> CheckPreferences(const Container& prefs);

  // "0 percent, 1 8-bit, 2 16-bit; other 8-bit", or empty.
  static std::string ValuesText(const KeyEntry& entry);
};

}  // namespace host

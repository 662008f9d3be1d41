#pragma once
// Writes the entries of a chooser's settings container from what a script
// or the command line gives: keys by code or number, values of the kind the
// chooser reads for known keys (whole numbers, booleans, the stored layout
// state as an object), and the chooser flags 'cfld' also as a list of flag
// names ("NOBRIGHTNESS", "HIDEHEX") that the chooser plug-in declares.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "automation/transcriptjson.h"
#include "core/container.h"
#include "core/outcome.h"

namespace host {

class Registry;

class ChooserSettings {
 public:
  using FlagLookup = std::function<std::optional<int32_t>(const std::string& symbol)>;

  explicit ChooserSettings(FlagLookup flags) : flags_(std::move(flags)) {}
  // Flag names as the registered chooser plug-in declares them.
  static ChooserSettings ForRegistry(const Registry& registry);

  Outcome<Done> Set(Container& settings, std::string_view key, const OrderedJson& value) const;
  // KEY=VALUE text: JSON when it parses as JSON, else flag names joined by
  // '|' or ',' for 'cfld', else a string.
  Outcome<Done> SetText(Container& settings, std::string_view assignment) const;
  Outcome<Container> FromObject(const OrderedJson& object) const;

 private:
  enum class Kind { Int, Bool, Flags, Container, Any };
  static Kind KindOf(int32_t id);
  Outcome<int32_t> Flags(const OrderedJson& value) const;
  Outcome<int32_t> FlagsFromText(std::string_view text) const;

  FlagLookup flags_;
};

}  // namespace host

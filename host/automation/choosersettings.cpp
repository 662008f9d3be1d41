#include "automation/choosersettings.h"

#include <map>

#include "automation/entrykey.h"
#include "core/fourcc.h"
#include "core/jsontext.h"
#include "core/registry.h"
#include "page/chooserplugin.h"

namespace host {

namespace {

using R = Outcome<Done>;

}  // namespace

ChooserSettings ChooserSettings::ForRegistry(const Registry& registry) {
  std::map<std::string, int32_t> bits;
  if (const CustomGuiPlugin* plugin = registry.FindCustomGui(ChooserPlugin::kPluginId)) {
    for (const PropertyFlag& f : plugin->Properties()) bits[f.symbol] = f.id;
  }
  return ChooserSettings([bits](const std::string& symbol) -> std::optional<int32_t> {
    auto it = bits.find(symbol);
    if (it == bits.end()) return std::nullopt;
    return it->second;
  });
}

ChooserSettings::Kind ChooserSettings::KindOf(int32_t id) {
  switch (id) {
    case FourCC("cfld"): return Kind::Flags;
    case FourCC("retT"):
    case FourCC("acol"):
    case FourCC("iccc"):
    case FourCC("posw"):
    case FourCC("posh"):
    case FourCC("algn"):
    case FourCC("laym"):
    case FourCC("defh"): return Kind::Int;
    case FourCC("ngpu"):
    case FourCC("nols"): return Kind::Bool;
    case FourCC("slda"): return Kind::Container;
    default: return Kind::Any;
  }
}

Outcome<int32_t> ChooserSettings::Flags(const OrderedJson& value) const {
  if (value.is_number_integer()) {
    auto v = TranscriptJson::ToValue(value);
    if (!v) return Outcome<int32_t>::Fail(v.Error());
    return *v->AsInt32();
  }
  if (value.is_string()) return FlagsFromText(value.get<std::string>());
  if (!value.is_array()) return Outcome<int32_t>::Fail("flags are a number or a list of flag names");
  int32_t bits = 0;
  for (const auto& name : value) {
    if (!name.is_string()) return Outcome<int32_t>::Fail("flags are a number or a list of flag names");
    auto bit = flags_ ? flags_(name.get<std::string>()) : std::nullopt;
    if (!bit) return Outcome<int32_t>::Fail("unknown chooser flag '" + name.get<std::string>() + "'");
    bits |= *bit;
  }
  return bits;
}

Outcome<int32_t> ChooserSettings::FlagsFromText(std::string_view text) const {
  OrderedJson names = OrderedJson::array();
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = text.find_first_of("|,", start);
    const std::string_view name = text.substr(start, end == std::string_view::npos ? text.size() - start : end - start);
    if (!name.empty()) names.push_back(std::string(name));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return Flags(names);
}

Outcome<Done> ChooserSettings::Set(Container& settings, std::string_view key, const OrderedJson& value) const {
  auto id = EntryKey::Parse(key);
  if (!id) return R::Fail("'" + std::string(key) + "' is not a settings key (four letters or a number)");
  const std::string where = "setting '" + std::string(key) + "': ";
  switch (KindOf(*id)) {
    case Kind::Flags: {
      auto bits = Flags(value);
      if (!bits) return R::Fail(where + bits.Error());
      settings.SetInt32(*id, *bits);
      return Done{};
    }
    case Kind::Int:
      if (!value.is_number_integer()) return R::Fail(where + "expects a whole number");
      break;
    case Kind::Bool:
      if (!value.is_boolean()) return R::Fail(where + "expects true or false");
      break;
    case Kind::Container:
      if (!value.is_object()) return R::Fail(where + "expects an object of entries");
      break;
    case Kind::Any: break;
  }
  auto v = TranscriptJson::ToValue(value);
  if (!v) return R::Fail(where + v.Error());
  settings.Set(*id, std::move(v.Value()));
  return Done{};
}

Outcome<Done> ChooserSettings::SetText(Container& settings, std::string_view assignment) const {
  const size_t eq = assignment.find('=');
  if (eq == std::string_view::npos) return R::Fail("'" + std::string(assignment) + "' is not KEY=VALUE");
  const std::string_view key = assignment.substr(0, eq);
  const std::string text(assignment.substr(eq + 1));
  auto read = JsonText::ValueOrText(text);
  if (!read) return R::Fail("setting '" + std::string(key) + "': " + read.Error());
  OrderedJson value = std::move(read.Value());
  if (value.is_string() && KindOf(EntryKey::Parse(key).value_or(0)) == Kind::Flags) {
    auto bits = FlagsFromText(text);
    if (!bits) return R::Fail("setting '" + std::string(key) + "': " + bits.Error());
    value = *bits;
  }
  return Set(settings, key, value);
}

Outcome<Container> ChooserSettings::FromObject(const OrderedJson& object) const {
  if (!object.is_object()) return Outcome<Container>::Fail("'settings' must be an object");
  Container settings;
  for (auto it = object.begin(); it != object.end(); ++it) {
    auto done = Set(settings, it.key(), it.value());
    if (!done) return Outcome<Container>::Fail(done.Error());
  }
  return settings;
}

}  // namespace host

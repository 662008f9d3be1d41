#include "prefs/preferenceeditor.h"

#include <algorithm>
#include <memory>

#include "color/colorprofile.h"
#include "prefs/preferencecatalog.h"

namespace host {

Value PreferenceEditor::Current(const PreferenceItem& item) const {
  const Container& data = prefs_.Data();
  switch (item.kind) {
    case PreferenceItem::Kind::Toggle: return Value::Bool(data.GetBool(item.id, false));
    case PreferenceItem::Kind::Choice: return Value::Int32(data.GetInt32(item.id, 0));
    case PreferenceItem::Kind::Profile: break;
  }
  return Value::String(data.GetString(kProfilePath).value_or(""));
}

Outcome<Value> PreferenceEditor::LoadProfile(const std::string& path) const {
  if (path.empty()) return Value::Profile(nullptr);
  std::string why;
  auto profile = ColorProfile::FromFile(path, why);
  if (!profile) return Outcome<Value>::Fail(why);
  return Value::Profile(std::make_shared<const ColorProfile>(std::move(*profile)));
}

Outcome<Value> PreferenceEditor::Checked(const PreferenceItem& item, const Value& value) const {
  using R = Outcome<Value>;
  switch (item.kind) {
    case PreferenceItem::Kind::Toggle: {
      auto b = value.AsBool();
      if (!b) return R::Fail(item.label + ": expected on or off");
      return Value::Bool(*b);
    }
    case PreferenceItem::Kind::Choice: {
      auto v = value.AsInt32();
      const bool offered = v && std::any_of(item.choices.begin(), item.choices.end(),
                                            [&](const PreferenceChoice& c) { return c.value == *v; });
      if (!offered) return R::Fail(item.label + ": not one of the choices offered");
      return Value::Int32(*v);
    }
    case PreferenceItem::Kind::Profile: break;
  }
  const std::string* text = value.AsString();
  const Filename* file = value.AsFile();
  if (!text && !file) return R::Fail(item.label + ": expected a file name");
  return LoadProfile(text ? *text : file->Path());
}

Outcome<Done> PreferenceEditor::Apply(const PreferenceItem& item, const Value& value) {
  auto stored = Checked(item, value);
  if (!stored) return Outcome<Done>::Fail(stored.Error());
  const Value shown = item.kind == PreferenceItem::Kind::Profile
                          ? Value::String(value.AsString() ? *value.AsString() : value.AsFile()->Path())
                          : stored.Value();
  Store(item, stored.Value(), shown);
  return Save();
}

void PreferenceEditor::Store(const PreferenceItem& item, const Value& stored, const Value& shown) {
  Container& data = prefs_.Data();
  data.Set(item.id, stored);
  if (item.kind == PreferenceItem::Kind::Profile) data.Set(kProfilePath, shown);
  if (listener_) listener_(item);
}

Outcome<Done> PreferenceEditor::RestoreDefaults() {
  const Container defaults = WorldPreferences::Defaults();
  for (const PreferenceItem& item : PreferenceCatalog::Items()) {
    const Value* d = defaults.Find(item.id);
    if (!d) continue;
    Store(item, *d, item.kind == PreferenceItem::Kind::Profile ? Value::String("") : *d);
  }
  return Save();
}

Outcome<Done> PreferenceEditor::Save() const {
  if (prefs_.File().empty()) return Done{};
  auto saved = prefs_.Save();
  if (!saved) return Outcome<Done>::Fail("the change is in effect but was not saved: " + saved.Error());
  return Done{};
}

}  // namespace host

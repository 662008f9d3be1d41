#include "automation/transcriptjson.h"

#include <limits>

#include "automation/entrykey.h"
#include "color/colorprofile.h"
#include "gxa_api.h"

namespace host {

OrderedJson TranscriptJson::FromValue(const Value& v) {
  switch (v.Type()) {
    case GXA_TYPE_CONTAINER: return FromContainer(*v.AsContainer());
    case GXA_TYPE_INT32: return *v.AsInt32();
    case GXA_TYPE_BOOL: return *v.AsBool();
    case GXA_TYPE_INT64: return *v.AsInt64();
    case GXA_TYPE_FLOAT: return *v.AsFloat();
    case GXA_TYPE_VECTOR: {
      const Vector3 x = *v.AsVector();
      return OrderedJson::array({x.x, x.y, x.z});
    }
    case GXA_TYPE_COLORALPHA: {
      const ColorRGBA c = *v.AsColor();
      return OrderedJson::array({c.r, c.g, c.b, c.a});
    }
    case GXA_TYPE_STRING: return *v.AsString();
    case GXA_TYPE_FILENAME: return {{"file", v.AsFile()->Path()}};
    case GXA_TYPE_LINK: return {{"link", v.AsLink()->object}};
    case GXA_TYPE_BYTEARRAY: return {{"bytes", v.AsBytes()->size()}};
    case GXA_TYPE_EMPTY: return {{"empty", v.EmptyType()}};
    case GXA_TYPE_COLORPROFILE: {
      const auto& p = *v.AsProfile();
      return {{"profile", p ? OrderedJson(p->Description()) : OrderedJson(nullptr)}};
    }
  }
  return nullptr;
}

OrderedJson TranscriptJson::FromContainer(const Container& c) {
  OrderedJson out = OrderedJson::object();
  for (const auto& e : c.Entries()) {
    std::string key = EntryKey::Format(e.id);
    // Menus and the like repeat IDs; keep every entry.
    for (int n = 2; out.contains(key); ++n) key = EntryKey::Format(e.id) + "#" + std::to_string(n);
    out[key] = FromValue(e.value);
  }
  return out;
}

Outcome<Value> TranscriptJson::NumbersToValue(const OrderedJson& j) {
  double n[4] = {0, 0, 0, 1};
  for (size_t i = 0; i < j.size(); ++i) {
    if (!j[i].is_number()) return Outcome<Value>::Fail("an array must hold 3 or 4 numbers");
    n[i] = j[i].get<double>();
  }
  if (j.size() == 3) return Value::Vector({n[0], n[1], n[2]});
  return Value::Color({n[0], n[1], n[2], n[3]});
}

Outcome<Value> TranscriptJson::ToValue(const OrderedJson& j) {
  if (j.is_boolean()) return Value::Bool(j.get<bool>());
  if (j.is_number_integer()) {
    // Unsigned beyond int64 must not wrap into range.
    const bool fits = j.is_number_unsigned() ? j.get<uint64_t>() <= uint64_t{std::numeric_limits<int32_t>::max()}
                                             : j.get<int64_t>() >= std::numeric_limits<int32_t>::min() &&
                                                   j.get<int64_t>() <= std::numeric_limits<int32_t>::max();
    if (!fits) return Outcome<Value>::Fail("the number " + j.dump() + " does not fit 32 bits");
    return Value::Int32(static_cast<int32_t>(j.get<int64_t>()));
  }
  if (j.is_number()) return Value::Float(j.get<double>());
  if (j.is_string()) return Value::String(j.get<std::string>());
  if (j.is_array()) {
    if (j.size() != 3 && j.size() != 4) return Outcome<Value>::Fail("an array must hold 3 or 4 numbers");
    return NumbersToValue(j);
  }
  if (j.is_object()) {
    auto c = ToContainer(j);
    if (!c) return Outcome<Value>::Fail(c.Error());
    return Value::Of(std::move(c.Value()));
  }
  return Outcome<Value>::Fail("null is not a value");
}

Outcome<Container> TranscriptJson::ToContainer(const OrderedJson& j) {
  if (!j.is_object()) return Outcome<Container>::Fail("expected an object of entries");
  Container c;
  for (auto it = j.begin(); it != j.end(); ++it) {
    auto id = EntryKey::Parse(it.key());
    if (!id) return Outcome<Container>::Fail("'" + it.key() + "' is not an entry ID (a number or four letters)");
    auto v = ToValue(it.value());
    if (!v) return Outcome<Container>::Fail("entry '" + it.key() + "': " + v.Error());
    c.Set(*id, std::move(v.Value()));
  }
  return c;
}

}  // namespace host

#include "core/jsonexport.h"

#include "color/colorprofile.h"
#include "gxa_api.h"

namespace host {

namespace {

std::string Hex(const Value::Bytes& bytes) {
  static const char* kDigits = "0123456789abcdef";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (uint8_t b : bytes) {
    out += kDigits[b >> 4];
    out += kDigits[b & 15];
  }
  return out;
}

nlohmann::json Profile(const Value::ProfilePtr& p) {
  if (!p) return nullptr;
  return p->Description();
}

}  // namespace

std::string JsonExport::TypeName(int32_t type) {
  switch (type) {
    case GXA_TYPE_NONE: return "none";
    case GXA_TYPE_CONTAINER: return "container";
    case GXA_TYPE_EMPTY: return "empty";
    case GXA_TYPE_INT32: return "int32";
    case GXA_TYPE_BOOL: return "bool";
    case GXA_TYPE_INT64: return "int64";
    case GXA_TYPE_FLOAT: return "float";
    case GXA_TYPE_VECTOR: return "vector";
    case GXA_TYPE_BYTEARRAY: return "bytes";
    case GXA_TYPE_STRING: return "string";
    case GXA_TYPE_FILENAME: return "filename";
    case GXA_TYPE_LINK: return "link";
    case GXA_TYPE_COLORPROFILE: return "color_profile";
    case GXA_TYPE_COLORALPHA: return "color_alpha";
  }
  return std::to_string(type);
}

nlohmann::json JsonExport::FromValue(const Value& v) {
  switch (v.Type()) {
    case GXA_TYPE_CONTAINER: return FromContainer(*v.AsContainer());
    case GXA_TYPE_EMPTY: return {{"of", v.EmptyType()}};
    case GXA_TYPE_INT32: return *v.AsInt32();
    case GXA_TYPE_BOOL: return *v.AsBool();
    case GXA_TYPE_INT64: return *v.AsInt64();
    case GXA_TYPE_FLOAT: return *v.AsFloat();
    case GXA_TYPE_VECTOR: {
      auto x = *v.AsVector();
      return {x.x, x.y, x.z};
    }
    case GXA_TYPE_COLORALPHA: {
      auto c = *v.AsColor();
      return {c.r, c.g, c.b, c.a};
    }
    case GXA_TYPE_BYTEARRAY: return Hex(*v.AsBytes());
    case GXA_TYPE_STRING: return *v.AsString();
    case GXA_TYPE_FILENAME: return v.AsFile()->Path();
    case GXA_TYPE_LINK: return v.AsLink()->object;
    case GXA_TYPE_COLORPROFILE: return Profile(*v.AsProfile());
  }
  return nullptr;
}

nlohmann::json JsonExport::FromContainer(const Container& c) {
  nlohmann::json entries = nlohmann::json::array();
  for (const auto& e : c.Entries()) {
    entries.push_back({{"id", e.id}, {"type", TypeName(e.value.Type())}, {"value", FromValue(e.value)}});
  }
  return {{"id", c.Id()}, {"entries", entries}};
}

}  // namespace host

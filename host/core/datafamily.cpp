#include <cstring>

#include "core/families.h"
#include "core/handles.h"
#include "core/textout.h"

namespace host {

namespace {

Value* V(GxaData* d) { return FromHandle(d); }
const Value* V(const GxaData* d) { return FromHandle(d); }

void Assign(GxaData* d, Value v) {
  if (d) *V(d) = std::move(v);
}

GxaData* Create() { return ToHandle(new Value()); }
void Destroy(GxaData* d) { delete V(d); }
void Copy(GxaData* dst, const GxaData* src) {
  if (dst && src && dst != src) *V(dst) = *V(src);
}
int32_t Type(const GxaData* d) { return d ? V(d)->Type() : GXA_TYPE_NONE; }

void SetNone(GxaData* d) { Assign(d, Value()); }
void SetEmpty(GxaData* d, int32_t type) { Assign(d, Value::Empty(type)); }
void SetBool(GxaData* d, bool v) { Assign(d, Value::Bool(v)); }
void SetInt32(GxaData* d, int32_t v) { Assign(d, Value::Int32(v)); }
void SetInt64(GxaData* d, int64_t v) { Assign(d, Value::Int64(v)); }
void SetFloat(GxaData* d, double v) { Assign(d, Value::Float(v)); }
void SetVector(GxaData* d, const double v[3]) {
  if (v) Assign(d, Value::Vector({v[0], v[1], v[2]}));
}
void SetColorAlpha(GxaData* d, const double c[4]) {
  if (c) Assign(d, Value::Color({c[0], c[1], c[2], c[3]}));
}
void SetString(GxaData* d, const char* s) { Assign(d, Value::String(s ? s : "")); }
void SetBytes(GxaData* d, const void* bytes, size_t count) {
  auto* p = static_cast<const uint8_t*>(bytes);
  Assign(d, Value::ByteArray(p ? Value::Bytes(p, p + count) : Value::Bytes()));
}
void SetContainer(GxaData* d, const GxaContainer* c) {
  if (c) Assign(d, Value::Of(*FromHandle(c)));
}
void SetFilename(GxaData* d, const GxaFilename* f) {
  if (f) Assign(d, Value::File(*FromHandle(f)));
}

bool GetBool(const GxaData* d, bool def) { return d ? V(d)->AsBool().value_or(def) : def; }
int32_t GetInt32(const GxaData* d, int32_t def) { return d ? V(d)->AsInt32().value_or(def) : def; }
int64_t GetInt64(const GxaData* d, int64_t def) { return d ? V(d)->AsInt64().value_or(def) : def; }
double GetFloat(const GxaData* d, double def) { return d ? V(d)->AsFloat().value_or(def) : def; }

bool GetVector(const GxaData* d, double out[3]) {
  auto v = d ? V(d)->AsVector() : std::nullopt;
  if (!v || !out) return false;
  out[0] = v->x;
  out[1] = v->y;
  out[2] = v->z;
  return true;
}

bool GetColorAlpha(const GxaData* d, double out[4]) {
  auto c = d ? V(d)->AsColor() : std::nullopt;
  if (!c || !out) return false;
  out[0] = c->r;
  out[1] = c->g;
  out[2] = c->b;
  out[3] = c->a;
  return true;
}

int64_t GetString(const GxaData* d, char* buf, size_t cap) {
  const std::string* s = d ? V(d)->AsString() : nullptr;
  return s ? WriteText(*s, buf, cap) : -1;
}

int64_t GetBytes(const GxaData* d, void* buf, size_t cap) {
  const Value::Bytes* b = d ? V(d)->AsBytes() : nullptr;
  if (!b) return -1;
  if (buf) std::memcpy(buf, b->data(), std::min(cap, b->size()));
  return static_cast<int64_t>(b->size());
}

const GxaContainer* GetContainer(const GxaData* d) { return d ? ToHandle(V(d)->AsContainer()) : nullptr; }

bool GetFilename(const GxaData* d, GxaFilename* out) {
  const Filename* f = d ? V(d)->AsFile() : nullptr;
  if (!f || !out) return false;
  *FromHandle(out) = *f;
  return true;
}

const GxaColorProfile* GetColorProfile(const GxaData* d) {
  const Value::ProfilePtr* p = d ? V(d)->AsProfile() : nullptr;
  return p ? reinterpret_cast<const GxaColorProfile*>(p->get()) : nullptr;
}

const GxaDataFns kData = {
    sizeof(GxaDataFns),
    Create,
    Destroy,
    Copy,
    Type,
    SetNone,
    SetEmpty,
    SetBool,
    SetInt32,
    SetInt64,
    SetFloat,
    SetVector,
    SetColorAlpha,
    SetString,
    SetBytes,
    SetContainer,
    SetFilename,
    GetBool,
    GetInt32,
    GetInt64,
    GetFloat,
    GetVector,
    GetColorAlpha,
    GetString,
    GetBytes,
    GetContainer,
    GetFilename,
    GetColorProfile,
};

}  // namespace

const GxaDataFns* DataFamily() { return &kData; }

}  // namespace host

#include "core/families.h"
#include "core/handles.h"
#include "core/host.h"
#include "core/textout.h"

namespace host {

namespace {

Container* C(GxaContainer* c) { return FromHandle(c); }
const Container* C(const GxaContainer* c) { return FromHandle(c); }

GxaContainer* Create(int32_t id) { return ToHandle(new Container(id)); }
void Destroy(GxaContainer* c) { delete C(c); }

void Copy(GxaContainer* dst, const GxaContainer* src) {
  if (dst && src && dst != src) *C(dst) = *C(src);
}

void Merge(GxaContainer* dst, const GxaContainer* src) {
  if (dst && src) C(dst)->Merge(*C(src));
}

int32_t GetId(const GxaContainer* c) { return c ? C(c)->Id() : 0; }
void SetId(GxaContainer* c, int32_t id) {
  if (c) C(c)->SetId(id);
}
int32_t Count(const GxaContainer* c) { return c ? C(c)->Count() : 0; }

bool EntryId(const GxaContainer* c, int32_t index, int32_t* id) {
  const ContainerEntry* e = c ? C(c)->At(index) : nullptr;
  if (!e) return false;
  if (id) *id = e->id;
  return true;
}

const GxaData* EntryData(const GxaContainer* c, int32_t index) {
  const ContainerEntry* e = c ? C(c)->At(index) : nullptr;
  return e ? ToHandle(&e->value) : nullptr;
}

const GxaData* Get(const GxaContainer* c, int32_t id) { return c ? ToHandle(C(c)->Find(id)) : nullptr; }

GxaContainer* GetContainer(GxaContainer* c, int32_t id) { return c ? ToHandle(C(c)->GetContainer(id)) : nullptr; }

void Set(GxaContainer* c, int32_t id, const GxaData* v) {
  if (c) C(c)->Set(id, v ? *FromHandle(v) : Value());
}

void Insert(GxaContainer* c, int32_t id, const GxaData* v) {
  if (c) C(c)->Insert(id, v ? *FromHandle(v) : Value());
}

bool Remove(GxaContainer* c, int32_t id) { return c && C(c)->Remove(id); }
void Clear(GxaContainer* c) {
  if (c) C(c)->Clear();
}

void SetBool(GxaContainer* c, int32_t id, bool v) {
  if (c) C(c)->SetBool(id, v);
}
void SetInt32(GxaContainer* c, int32_t id, int32_t v) {
  if (c) C(c)->SetInt32(id, v);
}
void SetInt64(GxaContainer* c, int32_t id, int64_t v) {
  if (c) C(c)->SetInt64(id, v);
}
void SetFloat(GxaContainer* c, int32_t id, double v) {
  if (c) C(c)->SetFloat(id, v);
}
void SetVector(GxaContainer* c, int32_t id, const double v[3]) {
  if (c && v) C(c)->SetVector(id, Vector3{v[0], v[1], v[2]});
}
void SetString(GxaContainer* c, int32_t id, const char* s) {
  if (c) C(c)->SetString(id, s ? s : "");
}
void SetSub(GxaContainer* c, int32_t id, const GxaContainer* sub) {
  if (c && sub) C(c)->SetContainer(id, *C(sub));
}

bool GetBool(const GxaContainer* c, int32_t id, bool def) { return c ? C(c)->GetBool(id, def) : def; }
int32_t GetInt32(const GxaContainer* c, int32_t id, int32_t def) { return c ? C(c)->GetInt32(id, def) : def; }
int64_t GetInt64(const GxaContainer* c, int32_t id, int64_t def) { return c ? C(c)->GetInt64(id, def) : def; }
double GetFloat(const GxaContainer* c, int32_t id, double def) { return c ? C(c)->GetFloat(id, def) : def; }

bool GetVector(const GxaContainer* c, int32_t id, double out[3]) {
  auto v = c ? C(c)->GetVector(id) : std::nullopt;
  if (!v || !out) return false;
  out[0] = v->x;
  out[1] = v->y;
  out[2] = v->z;
  return true;
}

int64_t GetString(const GxaContainer* c, int32_t id, char* buf, size_t cap) {
  const Value* v = c ? C(c)->Find(id) : nullptr;
  const std::string* s = v ? v->AsString() : nullptr;
  if (!s) return -1;
  return WriteText(*s, buf, cap);
}

GxaContainer* WorldPrefs() {
  Host* h = Host::Current();
  return h ? ToHandle(&h->Prefs().Data()) : nullptr;
}

const GxaContainerFns kContainers = {
    sizeof(GxaContainerFns),
    Create,
    Destroy,
    Copy,
    Merge,
    GetId,
    SetId,
    Count,
    EntryId,
    EntryData,
    Get,
    GetContainer,
    Set,
    Insert,
    Remove,
    Clear,
    SetBool,
    SetInt32,
    SetInt64,
    SetFloat,
    SetVector,
    SetString,
    SetSub,
    GetBool,
    GetInt32,
    GetInt64,
    GetFloat,
    GetVector,
    GetString,
    WorldPrefs,
};

}  // namespace

const GxaContainerFns* ContainerFamily() { return &kContainers; }

}  // namespace host

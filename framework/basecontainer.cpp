#include "basecontainer.h"

#include "gedata.h"
#include "hostaccess.h"
#include "hosttext.h"

namespace
{
const GxaContainerFns* Fns()
{
  return HostContainers();
}
}  // namespace

BaseContainer::BaseContainer(std::int32_t id)
{
  const GxaContainerFns* fns = Fns();
  _c = GXA_HAS(fns, create) ? fns->create(id) : nullptr;
}

BaseContainer::~BaseContainer()
{
  Release();
}

void BaseContainer::Release()
{
  const GxaContainerFns* fns = Fns();
  if (_owned && _c && GXA_HAS(fns, destroy))
    fns->destroy(_c);
  _c = nullptr;
}

BaseContainer::BaseContainer(const BaseContainer& other) : BaseContainer(other.GetId())
{
  *this = other;
}

BaseContainer& BaseContainer::operator=(const BaseContainer& other)
{
  const GxaContainerFns* fns = Fns();
  if (&other == this || !_c || !GXA_HAS(fns, copy))
    return *this;
  if (other._c)
    fns->copy(_c, other._c);
  else
    FlushAll();
  return *this;
}

BaseContainer::BaseContainer(BaseContainer&& other) noexcept : _c(other._c), _owned(other._owned)
{
  other._c = nullptr;
}

BaseContainer& BaseContainer::operator=(BaseContainer&& other) noexcept
{
  if (&other != this)
  {
    Release();
    _c = other._c;
    _owned = other._owned;
    other._c = nullptr;
  }
  return *this;
}

BaseContainer BaseContainer::Alias(GxaContainer* c)
{
  return BaseContainer(c, false);
}

std::int32_t BaseContainer::GetId() const
{
  const GxaContainerFns* fns = Fns();
  return _c && GXA_HAS(fns, get_id) ? fns->get_id(_c) : 0;
}

void BaseContainer::SetId(std::int32_t id)
{
  const GxaContainerFns* fns = Fns();
  if (_c && GXA_HAS(fns, set_id))
    fns->set_id(_c, id);
}

std::int32_t BaseContainer::GetCount() const
{
  const GxaContainerFns* fns = Fns();
  return _c && GXA_HAS(fns, count) ? fns->count(_c) : 0;
}

bool BaseContainer::GetIndexId(std::int32_t index, std::int32_t& id) const
{
  const GxaContainerFns* fns = Fns();
  return _c && GXA_HAS(fns, entry_id) && fns->entry_id(_c, index, &id);
}

const GxaData* BaseContainer::GetIndexData(std::int32_t index) const
{
  const GxaContainerFns* fns = Fns();
  return _c && GXA_HAS(fns, entry_data) ? fns->entry_data(_c, index) : nullptr;
}

const GxaData* BaseContainer::GetDataPointer(std::int32_t id) const
{
  const GxaContainerFns* fns = Fns();
  return _c && GXA_HAS(fns, get) ? fns->get(_c, id) : nullptr;
}

GeData BaseContainer::GetData(std::int32_t id) const
{
  return GeData::CopyOf(GetDataPointer(id));
}

bool BaseContainer::GetBool(std::int32_t id, bool def) const
{
  const GxaContainerFns* fns = Fns();
  return _c && GXA_HAS(fns, get_bool) ? fns->get_bool(_c, id, def) : def;
}

std::int32_t BaseContainer::GetInt32(std::int32_t id, std::int32_t def) const
{
  const GxaContainerFns* fns = Fns();
  return _c && GXA_HAS(fns, get_int32) ? fns->get_int32(_c, id, def) : def;
}

std::int64_t BaseContainer::GetInt64(std::int32_t id, std::int64_t def) const
{
  const GxaContainerFns* fns = Fns();
  return _c && GXA_HAS(fns, get_int64) ? fns->get_int64(_c, id, def) : def;
}

double BaseContainer::GetFloat(std::int32_t id, double def) const
{
  const GxaContainerFns* fns = Fns();
  return _c && GXA_HAS(fns, get_float) ? fns->get_float(_c, id, def) : def;
}

Vector BaseContainer::GetVector(std::int32_t id, const Vector& def) const
{
  const GxaContainerFns* fns = Fns();
  double v[3];
  if (_c && GXA_HAS(fns, get_vector) && fns->get_vector(_c, id, v))
    return {v[0], v[1], v[2]};
  return def;
}

String BaseContainer::GetString(std::int32_t id, const String& def) const
{
  const GxaContainerFns* fns = Fns();
  if (!_c || !GXA_HAS(fns, get_string))
    return def;
  auto text = ReadHostText([&](char* buf, std::size_t cap) { return fns->get_string(_c, id, buf, cap); });
  return text ? *text : def;
}

std::int32_t BaseContainer::GetType(std::int32_t id) const
{
  const GxaData* data = GetDataPointer(id);
  const GxaDataFns* fns = HostData();
  return data && GXA_HAS(fns, type) ? fns->type(data) : GXA_TYPE_NONE;
}

BaseContainer BaseContainer::GetContainer(std::int32_t id) const
{
  const GxaContainerFns* fns = Fns();
  BaseContainer copy;
  GxaContainer* sub = _c && GXA_HAS(fns, get_container) ? fns->get_container(_c, id) : nullptr;
  if (sub && copy._c && GXA_HAS(fns, copy))
    fns->copy(copy._c, sub);
  return copy;
}

BaseContainer BaseContainer::GetContainerInstance(std::int32_t id)
{
  const GxaContainerFns* fns = Fns();
  return Alias(_c && GXA_HAS(fns, get_container) ? fns->get_container(_c, id) : nullptr);
}

void BaseContainer::SetBool(std::int32_t id, bool value)
{
  const GxaContainerFns* fns = Fns();
  if (_c && GXA_HAS(fns, set_bool))
    fns->set_bool(_c, id, value);
}

void BaseContainer::SetInt32(std::int32_t id, std::int32_t value)
{
  const GxaContainerFns* fns = Fns();
  if (_c && GXA_HAS(fns, set_int32))
    fns->set_int32(_c, id, value);
}

void BaseContainer::SetInt64(std::int32_t id, std::int64_t value)
{
  const GxaContainerFns* fns = Fns();
  if (_c && GXA_HAS(fns, set_int64))
    fns->set_int64(_c, id, value);
}

void BaseContainer::SetFloat(std::int32_t id, double value)
{
  const GxaContainerFns* fns = Fns();
  if (_c && GXA_HAS(fns, set_float))
    fns->set_float(_c, id, value);
}

void BaseContainer::SetVector(std::int32_t id, const Vector& value)
{
  const GxaContainerFns* fns = Fns();
  const double v[3] = {value.x, value.y, value.z};
  if (_c && GXA_HAS(fns, set_vector))
    fns->set_vector(_c, id, v);
}

void BaseContainer::SetString(std::int32_t id, const String& value)
{
  const GxaContainerFns* fns = Fns();
  if (_c && GXA_HAS(fns, set_string))
    fns->set_string(_c, id, value.GetCString());
}

void BaseContainer::SetContainer(std::int32_t id, const BaseContainer& value)
{
  const GxaContainerFns* fns = Fns();
  if (_c && value._c && GXA_HAS(fns, set_sub))
    fns->set_sub(_c, id, value._c);
}

void BaseContainer::SetData(std::int32_t id, const GeData& value)
{
  const GxaContainerFns* fns = Fns();
  if (_c && value.Get() && GXA_HAS(fns, set))
    fns->set(_c, id, value.Get());
}

void BaseContainer::InsertData(std::int32_t id, const GeData& value)
{
  const GxaContainerFns* fns = Fns();
  if (_c && value.Get() && GXA_HAS(fns, insert))
    fns->insert(_c, id, value.Get());
}

bool BaseContainer::RemoveData(std::int32_t id)
{
  const GxaContainerFns* fns = Fns();
  return _c && GXA_HAS(fns, remove) && fns->remove(_c, id);
}

void BaseContainer::FlushAll()
{
  const GxaContainerFns* fns = Fns();
  if (_c && GXA_HAS(fns, clear))
    fns->clear(_c);
}

void BaseContainer::MergeContainer(const BaseContainer& source)
{
  const GxaContainerFns* fns = Fns();
  if (_c && source._c && GXA_HAS(fns, merge))
    fns->merge(_c, source._c);
}

BaseContainer::Entry BaseContainer::Iterator::operator*() const
{
  Entry entry{0, _owner->GetIndexData(_index)};
  _owner->GetIndexId(_index, entry.id);
  return entry;
}

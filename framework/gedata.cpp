#include "gedata.h"

#include "hostaccess.h"
#include "hosttext.h"

namespace
{
const GxaDataFns* Fns()
{
  return HostData();
}

GxaData* CreateData()
{
  const GxaDataFns* fns = Fns();
  return GXA_HAS(fns, create) ? fns->create() : nullptr;
}
}  // namespace

GeData::GeData() : _d(CreateData()) {}

GeData::GeData(bool value) : GeData()
{
  SetBool(value);
}

GeData::GeData(std::int32_t value) : GeData()
{
  SetInt32(value);
}

GeData::GeData(std::int64_t value) : GeData()
{
  SetInt64(value);
}

GeData::GeData(double value) : GeData()
{
  SetFloat(value);
}

GeData::GeData(const Vector& value) : GeData()
{
  SetVector(value);
}

GeData::GeData(const Vector& rgb, double alpha) : GeData()
{
  SetColorAlpha(rgb, alpha);
}

GeData::GeData(const char* value) : GeData()
{
  SetString(String(value));
}

GeData::GeData(const String& value) : GeData()
{
  SetString(value);
}

GeData::GeData(const BaseContainer& value) : GeData()
{
  SetContainer(value);
}

GeData::GeData(const Filename& value) : GeData()
{
  SetFilename(value);
}

GeData::~GeData()
{
  Release();
}

void GeData::Release()
{
  const GxaDataFns* fns = Fns();
  if (_owned && _d && GXA_HAS(fns, destroy))
    fns->destroy(_d);
  _d = nullptr;
}

GeData::GeData(const GeData& other) : GeData()
{
  *this = other;
}

GeData& GeData::operator=(const GeData& other)
{
  const GxaDataFns* fns = Fns();
  if (&other == this || !_d || !GXA_HAS(fns, copy))
    return *this;
  if (other._d)
    fns->copy(_d, other._d);
  else
    SetNone();
  return *this;
}

GeData::GeData(GeData&& other) noexcept : _d(other._d), _owned(other._owned)
{
  other._d = nullptr;
}

GeData& GeData::operator=(GeData&& other) noexcept
{
  if (&other != this)
  {
    Release();
    _d = other._d;
    _owned = other._owned;
    other._d = nullptr;
  }
  return *this;
}

GeData GeData::Alias(GxaData* d)
{
  return GeData(d, false);
}

GeData GeData::CopyOf(const GxaData* d)
{
  GeData copy;
  const GxaDataFns* fns = Fns();
  if (d && copy._d && GXA_HAS(fns, copy))
    fns->copy(copy._d, d);
  return copy;
}

std::int32_t GeData::GetType() const
{
  const GxaDataFns* fns = Fns();
  return _d && GXA_HAS(fns, type) ? fns->type(_d) : GXA_TYPE_NONE;
}

// Setters share one shape: write when there is a value and the host has the entry.
#define GXA_DATA_SET(entry, ...) \
  const GxaDataFns* fns = Fns(); \
  if (_d && GXA_HAS(fns, entry)) \
    fns->entry(_d __VA_OPT__(, ) __VA_ARGS__);

void GeData::SetNone()
{
  GXA_DATA_SET(set_none)
}

void GeData::SetEmpty(std::int32_t type)
{
  GXA_DATA_SET(set_empty, type)
}

void GeData::SetBool(bool value)
{
  GXA_DATA_SET(set_bool, value)
}

void GeData::SetInt32(std::int32_t value)
{
  GXA_DATA_SET(set_int32, value)
}

void GeData::SetInt64(std::int64_t value)
{
  GXA_DATA_SET(set_int64, value)
}

void GeData::SetFloat(double value)
{
  GXA_DATA_SET(set_float, value)
}

void GeData::SetVector(const Vector& value)
{
  const double v[3] = {value.x, value.y, value.z};
  GXA_DATA_SET(set_vector, v)
}

void GeData::SetColorAlpha(const Vector& rgb, double alpha)
{
  const double v[4] = {rgb.x, rgb.y, rgb.z, alpha};
  GXA_DATA_SET(set_color_alpha, v)
}

void GeData::SetString(const String& value)
{
  GXA_DATA_SET(set_string, value.GetCString())
}

void GeData::SetBytes(const void* bytes, std::size_t count)
{
  GXA_DATA_SET(set_bytes, bytes, count)
}

void GeData::SetContainer(const BaseContainer& value)
{
  if (!value.IsValid())
    return;
  GXA_DATA_SET(set_container, value.Get())
}

void GeData::SetFilename(const Filename& value)
{
  if (!value.IsValid())
    return;
  GXA_DATA_SET(set_filename, value.Get())
}

#undef GXA_DATA_SET

bool GeData::GetBool(bool def) const
{
  const GxaDataFns* fns = Fns();
  return _d && GXA_HAS(fns, get_bool) ? fns->get_bool(_d, def) : def;
}

std::int32_t GeData::GetInt32(std::int32_t def) const
{
  const GxaDataFns* fns = Fns();
  return _d && GXA_HAS(fns, get_int32) ? fns->get_int32(_d, def) : def;
}

std::int64_t GeData::GetInt64(std::int64_t def) const
{
  const GxaDataFns* fns = Fns();
  return _d && GXA_HAS(fns, get_int64) ? fns->get_int64(_d, def) : def;
}

double GeData::GetFloat(double def) const
{
  const GxaDataFns* fns = Fns();
  return _d && GXA_HAS(fns, get_float) ? fns->get_float(_d, def) : def;
}

bool GeData::GetVector(Vector& out) const
{
  const GxaDataFns* fns = Fns();
  double v[3];
  if (!_d || !GXA_HAS(fns, get_vector) || !fns->get_vector(_d, v))
    return false;
  out = {v[0], v[1], v[2]};
  return true;
}

Vector GeData::GetVector() const
{
  Vector v;
  GetVector(v);
  return v;
}

bool GeData::GetColorAlpha(Vector& rgb, double& alpha) const
{
  const GxaDataFns* fns = Fns();
  double v[4];
  if (!_d || !GXA_HAS(fns, get_color_alpha) || !fns->get_color_alpha(_d, v))
    return false;
  rgb = {v[0], v[1], v[2]};
  alpha = v[3];
  return true;
}

String GeData::GetString() const
{
  const GxaDataFns* fns = Fns();
  if (!_d || !GXA_HAS(fns, get_string))
    return {};
  auto text = ReadHostText([&](char* buf, std::size_t cap) { return fns->get_string(_d, buf, cap); });
  return text ? *text : String();
}

Result<BaseArray<std::uint8_t>> GeData::GetBytes() const
{
  const GxaDataFns* fns = Fns();
  const std::int64_t count = _d && GXA_HAS(fns, get_bytes) ? fns->get_bytes(_d, nullptr, 0) : -1;
  if (count < 0)
    return IllegalArgumentError("the value holds no byte array");
  BaseArray<std::uint8_t> bytes;
  RETURN_IF_ERROR(bytes.Resize(static_cast<std::size_t>(count)));
  fns->get_bytes(_d, bytes.GetData(), bytes.GetCount());
  return bytes;
}

BaseContainer GeData::GetContainer() const
{
  BaseContainer copy;
  const GxaContainer* c = GetContainerPointer();
  const GxaContainerFns* cfns = HostContainers();
  if (c && copy.IsValid() && GXA_HAS(cfns, copy))
    cfns->copy(copy.Get(), c);
  return copy;
}

const GxaContainer* GeData::GetContainerPointer() const
{
  const GxaDataFns* fns = Fns();
  return _d && GXA_HAS(fns, get_container) ? fns->get_container(_d) : nullptr;
}

Filename GeData::GetFilename() const
{
  Filename name;
  const GxaDataFns* fns = Fns();
  if (_d && name.IsValid() && GXA_HAS(fns, get_filename) && !fns->get_filename(_d, name.Get()))
    name.SetString({});
  return name;
}

const GxaColorProfile* GeData::GetColorProfile() const
{
  const GxaDataFns* fns = Fns();
  return _d && GXA_HAS(fns, get_color_profile) ? fns->get_color_profile(_d) : nullptr;
}

GxaObject* GeData::ResolveLink(GxaDocument* doc) const
{
  const GxaDocumentFns* docs = HostDocuments();
  return _d && doc && GXA_HAS(docs, resolve_link) ? docs->resolve_link(doc, _d) : nullptr;
}

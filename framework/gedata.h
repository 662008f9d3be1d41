#pragma once
// One typed host value (GxaData). Owns its host value unless it is an alias
// of one the host handed over. Copies are deep and owned. Readers answer
// their defaults when the value holds another type.
#include <cstddef>
#include <cstdint>

#include "basearray.h"
#include "basecontainer.h"
#include "filename.h"
#include "gxa_api.h"
#include "gxastring.h"
#include "result.h"
#include "vector.h"

class GeData
{
public:
  GeData();
  explicit GeData(bool value);
  explicit GeData(std::int32_t value);
  explicit GeData(std::int64_t value);
  explicit GeData(double value);
  explicit GeData(const Vector& value);
  GeData(const Vector& rgb, double alpha);
  explicit GeData(const char* value);
  explicit GeData(const String& value);
  explicit GeData(const BaseContainer& value);
  explicit GeData(const Filename& value);
  ~GeData();
  GeData(const GeData& other);
  GeData& operator=(const GeData& other);
  GeData(GeData&& other) noexcept;
  GeData& operator=(GeData&& other) noexcept;

  // Borrows d: reads and writes go to the host's value.
  static GeData Alias(GxaData* d);
  // An owned copy of d; type none when d is null.
  static GeData CopyOf(const GxaData* d);

  bool IsValid() const { return _d != nullptr; }
  GxaData* Get() const { return _d; }
  // GXA_TYPE_*; GXA_TYPE_NONE without a value.
  std::int32_t GetType() const;

  void SetNone();
  // A value of type without content (type 14 is the host's plain "empty").
  void SetEmpty(std::int32_t type = GXA_TYPE_EMPTY);
  void SetBool(bool value);
  void SetInt32(std::int32_t value);
  void SetInt64(std::int64_t value);
  void SetFloat(double value);
  void SetVector(const Vector& value);
  void SetColorAlpha(const Vector& rgb, double alpha);
  void SetString(const String& value);
  void SetBytes(const void* bytes, std::size_t count);
  void SetContainer(const BaseContainer& value);
  void SetFilename(const Filename& value);

  bool GetBool(bool def = false) const;
  std::int32_t GetInt32(std::int32_t def = 0) const;
  std::int64_t GetInt64(std::int64_t def = 0) const;
  double GetFloat(double def = 0.0) const;
  // False when the value is not a vector.
  bool GetVector(Vector& out) const;
  Vector GetVector() const;
  // False when the value is not a colour with alpha.
  bool GetColorAlpha(Vector& rgb, double& alpha) const;
  String GetString() const;
  // An illegal-argument error when the value holds no byte array.
  Result<BaseArray<std::uint8_t>> GetBytes() const;
  // A copy; an empty container when the value is not one.
  BaseContainer GetContainer() const;
  // Borrowed, valid while the value is unchanged; null when not a container.
  const GxaContainer* GetContainerPointer() const;
  // Empty when the value is not a file name.
  Filename GetFilename() const;
  // Borrowed; null when the value holds no colour profile.
  const GxaColorProfile* GetColorProfile() const;
  // The object a link value points at in doc; null when it no longer resolves.
  GxaObject* ResolveLink(GxaDocument* doc) const;

private:
  GeData(GxaData* d, bool owned) : _d(d), _owned(owned) {}
  void Release();

  GxaData* _d = nullptr;
  bool _owned = true;
};

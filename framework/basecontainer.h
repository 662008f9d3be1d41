#pragma once
// A host container of (ID, value) entries. An owning BaseContainer creates
// and destroys its host container; an alias (Alias()) borrows one the host
// handed over. Copying always makes an owned deep copy; assigning to an alias
// writes into the borrowed container. Without a host container (no host, or
// creation failed) reads answer their defaults and writes do nothing.
#include <cstdint>
#include <iterator>

#include "gxa_api.h"
#include "gxastring.h"
#include "vector.h"

class GeData;

class BaseContainer
{
public:
  explicit BaseContainer(std::int32_t id = 0);
  ~BaseContainer();
  BaseContainer(const BaseContainer& other);
  BaseContainer& operator=(const BaseContainer& other);
  BaseContainer(BaseContainer&& other) noexcept;
  BaseContainer& operator=(BaseContainer&& other) noexcept;

  // Borrows c (may be null) for the lifetime the host grants.
  static BaseContainer Alias(GxaContainer* c);

  bool IsValid() const { return _c != nullptr; }
  bool IsAlias() const { return !_owned; }
  GxaContainer* Get() const { return _c; }

  std::int32_t GetId() const;
  void SetId(std::int32_t id);
  std::int32_t GetCount() const;
  // Entry at index; false when out of range.
  bool GetIndexId(std::int32_t index, std::int32_t& id) const;
  const GxaData* GetIndexData(std::int32_t index) const;

  // Borrowed value of id (valid until the container changes), null when absent.
  const GxaData* GetDataPointer(std::int32_t id) const;
  bool Contains(std::int32_t id) const { return GetDataPointer(id) != nullptr; }
  // GXA_TYPE_* of the value of id; GXA_TYPE_NONE when absent.
  std::int32_t GetType(std::int32_t id) const;
  // A copy of the value of id; type none when absent.
  GeData GetData(std::int32_t id) const;

  bool GetBool(std::int32_t id, bool def = false) const;
  std::int32_t GetInt32(std::int32_t id, std::int32_t def = 0) const;
  std::int64_t GetInt64(std::int32_t id, std::int64_t def = 0) const;
  double GetFloat(std::int32_t id, double def = 0.0) const;
  Vector GetVector(std::int32_t id, const Vector& def = Vector()) const;
  String GetString(std::int32_t id, const String& def = String()) const;
  // A copy of sub-container id; an empty container when absent.
  BaseContainer GetContainer(std::int32_t id) const;
  // The sub-container itself, to write into; invalid when absent. Valid
  // until this container changes.
  BaseContainer GetContainerInstance(std::int32_t id);

  void SetBool(std::int32_t id, bool value);
  void SetInt32(std::int32_t id, std::int32_t value);
  void SetInt64(std::int32_t id, std::int64_t value);
  void SetFloat(std::int32_t id, double value);
  void SetVector(std::int32_t id, const Vector& value);
  void SetString(std::int32_t id, const String& value);
  void SetContainer(std::int32_t id, const BaseContainer& value);
  void SetData(std::int32_t id, const GeData& value);
  // Appends even when id exists (menus list entries this way).
  void InsertData(std::int32_t id, const GeData& value);

  bool RemoveData(std::int32_t id);
  void FlushAll();
  // Copies the entries of source in; those of source win.
  void MergeContainer(const BaseContainer& source);

  struct Entry
  {
    std::int32_t id;
    const GxaData* data;
  };
  class Iterator
  {
  public:
    using iterator_category = std::input_iterator_tag;
    using value_type = Entry;
    using difference_type = std::ptrdiff_t;
    using pointer = const Entry*;
    using reference = Entry;

    Iterator(const BaseContainer* owner, std::int32_t index) : _owner(owner), _index(index) {}
    Entry operator*() const;
    Iterator& operator++()
    {
      ++_index;
      return *this;
    }
    bool operator==(const Iterator& other) const { return _index == other._index; }

  private:
    const BaseContainer* _owner;
    std::int32_t _index;
  };
  // Entries in container order; the container must not change meanwhile.
  Iterator begin() const { return Iterator(this, 0); }
  Iterator end() const { return Iterator(this, GetCount()); }

private:
  BaseContainer(GxaContainer* c, bool owned) : _c(c), _owned(owned) {}
  void Release();

  GxaContainer* _c = nullptr;
  bool _owned = true;
};

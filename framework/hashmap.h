#pragma once
// A hash map whose growth reports failure as an out-of-memory error. A
// failed insertion leaves the map as it was.
#include <cstddef>
#include <functional>
#include <memory>
#include <unordered_map>
#include <utility>

#include "catcherrors.h"

template <typename K, typename V, typename Hash = std::hash<K>, typename Eq = std::equal_to<K>,
          typename Alloc = std::allocator<std::pair<const K, V>>>
class HashMap
{
public:
  HashMap() = default;
  explicit HashMap(const Alloc& alloc) : _map(alloc) {}
  HashMap(HashMap&&) noexcept = default;
  HashMap& operator=(HashMap&&) noexcept = default;
  HashMap(const HashMap&) = delete;
  HashMap& operator=(const HashMap&) = delete;

  std::size_t GetCount() const { return _map.size(); }
  bool IsEmpty() const { return _map.empty(); }

  // Null when absent.
  V* Find(const K& key)
  {
    auto it = _map.find(key);
    return it == _map.end() ? nullptr : &it->second;
  }
  const V* Find(const K& key) const
  {
    auto it = _map.find(key);
    return it == _map.end() ? nullptr : &it->second;
  }
  bool Contains(const K& key) const { return _map.find(key) != _map.end(); }

  // Inserts or replaces; answers the stored value.
  Result<V*> Set(const K& key, V value)
  {
    if (V* existing = Find(key))
    {
      *existing = std::move(value);
      return existing;
    }
    return CatchErrors([&]() -> V* { return &_map.emplace(key, std::move(value)).first->second; });
  }

  // The value of key, value-initialised when it was absent.
  Result<V*> FindOrCreate(const K& key)
  {
    if (V* existing = Find(key))
      return existing;
    return CatchErrors([&]() -> V* { return &_map.try_emplace(key).first->second; });
  }

  bool Erase(const K& key) { return _map.erase(key) > 0; }
  void Flush() { _map.clear(); }

  Result<void> Reserve(std::size_t count)
  {
    return CatchErrors([&] { _map.reserve(count); });
  }

  auto begin() { return _map.begin(); }
  auto end() { return _map.end(); }
  auto begin() const { return _map.begin(); }
  auto end() const { return _map.end(); }

private:
  std::unordered_map<K, V, Hash, Eq, Alloc> _map;
};

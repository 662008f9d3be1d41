#pragma once
// A growable array whose growth reports failure as an out-of-memory error
// instead of throwing. Not copyable by accident: CopyFrom can fail, so it is
// explicit. A failed Append, Insert or Resize leaves the array as it was.
#include <cstddef>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "catcherrors.h"

template <typename T, typename Alloc = std::allocator<T>>
class BaseArray
{
public:
  BaseArray() = default;
  explicit BaseArray(const Alloc& alloc) : _items(alloc) {}
  BaseArray(BaseArray&&) noexcept = default;
  BaseArray& operator=(BaseArray&&) noexcept = default;
  BaseArray(const BaseArray&) = delete;
  BaseArray& operator=(const BaseArray&) = delete;

  std::size_t GetCount() const { return _items.size(); }
  bool IsEmpty() const { return _items.empty(); }
  std::size_t GetCapacity() const { return _items.capacity(); }

  T& operator[](std::size_t index) { return _items[index]; }
  const T& operator[](std::size_t index) const { return _items[index]; }
  // Null when the index is out of range.
  T* GetPointer(std::size_t index) { return index < _items.size() ? &_items[index] : nullptr; }
  const T* GetPointer(std::size_t index) const { return index < _items.size() ? &_items[index] : nullptr; }
  T* GetFirst() { return GetPointer(0); }
  T* GetLast() { return _items.empty() ? nullptr : &_items.back(); }

  // The new element.
  Result<T*> Append(T value)
  {
    return CatchErrors([&]() -> T* {
      _items.push_back(std::move(value));
      return &_items.back();
    });
  }

  Result<T*> Insert(std::size_t index, T value)
  {
    if (index > _items.size())
      return OutOfRangeError();
    return CatchErrors([&]() -> T* { return &*_items.insert(_items.begin() + index, std::move(value)); });
  }

  Result<void> Erase(std::size_t index, std::size_t count = 1)
  {
    if (index > _items.size() || count > _items.size() - index)
      return OutOfRangeError();
    _items.erase(_items.begin() + index, _items.begin() + index + count);
    return Ok();
  }

  // Removes and answers the last element.
  Result<T> Pop()
  {
    if (_items.empty())
      return OutOfRangeError();
    T last = std::move(_items.back());
    _items.pop_back();
    return last;
  }

  // New elements are value-initialised.
  Result<void> Resize(std::size_t count)
  {
    return CatchErrors([&] { _items.resize(count); });
  }

  Result<void> EnsureCapacity(std::size_t count)
  {
    return CatchErrors([&] { _items.reserve(count); });
  }

  Result<void> CopyFrom(const BaseArray& other)
  {
    if (&other == this)
      return Ok();
    return CatchErrors([&] {
      std::vector<T, Alloc> copy(other._items, _items.get_allocator());
      _items.swap(copy);
    });
  }

  template <typename Range>
  Result<void> AppendAll(const Range& values)
  {
    return CatchErrors([&] { _items.insert(_items.end(), std::begin(values), std::end(values)); });
  }

  std::optional<std::size_t> FindIndex(const T& value) const
  {
    for (std::size_t i = 0; i < _items.size(); ++i)
      if (_items[i] == value)
        return i;
    return std::nullopt;
  }

  // Empties the array; the memory stays for reuse.
  void Flush() { _items.clear(); }
  // Empties the array and gives its memory back.
  void Reset() { std::vector<T, Alloc>(_items.get_allocator()).swap(_items); }

  T* GetData() { return _items.data(); }
  const T* GetData() const { return _items.data(); }
  auto begin() { return _items.begin(); }
  auto end() { return _items.end(); }
  auto begin() const { return _items.begin(); }
  auto end() const { return _items.end(); }

private:
  std::vector<T, Alloc> _items;
};

#pragma once
// An array that owns the objects it points to. Erase destroys; Remove hands
// ownership back. A failed Append destroys the object it was given, so
// nothing leaks on the error path.
#include <cstddef>
#include <iterator>
#include <memory>
#include <utility>

#include "basearray.h"

template <typename T>
class PointerArray
{
public:
  PointerArray() = default;
  PointerArray(PointerArray&&) noexcept = default;
  PointerArray& operator=(PointerArray&&) noexcept = default;

  std::size_t GetCount() const { return _items.GetCount(); }
  bool IsEmpty() const { return _items.IsEmpty(); }

  T& operator[](std::size_t index) { return *_items[index]; }
  const T& operator[](std::size_t index) const { return *_items[index]; }
  T* GetPointer(std::size_t index) const
  {
    const auto* slot = _items.GetPointer(index);
    return slot ? slot->get() : nullptr;
  }

  Result<T*> Append(std::unique_ptr<T> item)
  {
    T* raw = item.get();
    RETURN_IF_ERROR(_items.Append(std::move(item)));
    return raw;
  }

  template <typename U = T, typename... Args>
  Result<U*> AppendNew(Args&&... args)
  {
    Result<std::unique_ptr<U>> made = CatchErrors([&] { return std::make_unique<U>(std::forward<Args>(args)...); });
    if (made.IsError())
      return made.GetError();
    U* raw = made.GetValue().get();
    RETURN_IF_ERROR(_items.Append(std::move(made).GetValue()));
    return raw;
  }

  Result<T*> Insert(std::size_t index, std::unique_ptr<T> item)
  {
    T* raw = item.get();
    RETURN_IF_ERROR(_items.Insert(index, std::move(item)));
    return raw;
  }

  // Destroys the objects.
  Result<void> Erase(std::size_t index, std::size_t count = 1) { return _items.Erase(index, count); }

  // Takes the object out without destroying it.
  Result<std::unique_ptr<T>> Remove(std::size_t index)
  {
    auto* slot = _items.GetPointer(index);
    if (!slot)
      return OutOfRangeError();
    std::unique_ptr<T> item = std::move(*slot);
    RETURN_IF_ERROR(_items.Erase(index));
    return item;
  }

  std::optional<std::size_t> FindIndex(const T* item) const
  {
    for (std::size_t i = 0; i < _items.GetCount(); ++i)
      if (_items[i].get() == item)
        return i;
    return std::nullopt;
  }

  void Flush() { _items.Reset(); }

  // Iterates over the objects, not the pointers.
  template <typename Base, typename Ref>
  class Iterator
  {
  public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = T;
    using difference_type = std::ptrdiff_t;
    using pointer = std::remove_reference_t<Ref>*;
    using reference = Ref;

    Iterator() = default;
    explicit Iterator(Base it) : _it(it) {}
    Ref operator*() const { return **_it; }
    pointer operator->() const { return _it->get(); }
    Iterator& operator++()
    {
      ++_it;
      return *this;
    }
    Iterator operator++(int)
    {
      Iterator old = *this;
      ++_it;
      return old;
    }
    bool operator==(const Iterator& other) const = default;

  private:
    Base _it{};
  };

  using Slots = BaseArray<std::unique_ptr<T>>;
  auto begin() { return Iterator<decltype(std::declval<Slots&>().begin()), T&>(_items.begin()); }
  auto end() { return Iterator<decltype(std::declval<Slots&>().end()), T&>(_items.end()); }
  auto begin() const { return Iterator<decltype(std::declval<const Slots&>().begin()), const T&>(_items.begin()); }
  auto end() const { return Iterator<decltype(std::declval<const Slots&>().end()), const T&>(_items.end()); }

private:
  Slots _items;
};

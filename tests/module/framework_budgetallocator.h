#pragma once
// An allocator that fails once a shared byte budget is spent, to drive the
// out-of-memory paths of the framework's containers.
#include <cstddef>
#include <memory>
#include <new>

struct AllocationBudget
{
  std::size_t bytesLeft = 0;
};

template <typename T>
struct BudgetAllocator
{
  using value_type = T;

  explicit BudgetAllocator(AllocationBudget* budget) : budget(budget) {}
  template <typename U>
  BudgetAllocator(const BudgetAllocator<U>& other) : budget(other.budget)
  {}

  T* allocate(std::size_t n)
  {
    const std::size_t bytes = n * sizeof(T);
    if (n > static_cast<std::size_t>(-1) / sizeof(T) || bytes > budget->bytesLeft)
      throw std::bad_alloc();
    budget->bytesLeft -= bytes;
    return std::allocator<T>().allocate(n);
  }

  void deallocate(T* p, std::size_t n)
  {
    budget->bytesLeft += n * sizeof(T);
    std::allocator<T>().deallocate(p, n);
  }

  template <typename U>
  bool operator==(const BudgetAllocator<U>& other) const
  {
    return budget == other.budget;
  }

  AllocationBudget* budget;
};

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "basearray.h"
#include "framework_budgetallocator.h"
#include "hashmap.h"
#include "pointerarray.h"

namespace
{
// Counts live instances, so that tests see what an array destroyed.
struct Tracked
{
  static inline int alive = 0;
  explicit Tracked(int v) : value(v) { ++alive; }
  ~Tracked() { --alive; }
  int value;
};

// Fails construction the way an allocation inside a constructor would.
struct ThrowsOnBuild
{
  ThrowsOnBuild() { throw std::bad_alloc(); }
};

using Budgeted = BaseArray<int, BudgetAllocator<int>>;
}  // namespace

TEST(BaseArrayGrowth, FailedAppendReportsOutOfMemoryAndKeepsContents)
{
  AllocationBudget budget{64};
  Budgeted array{BudgetAllocator<int>(&budget)};
  Result<void> last = Ok();
  int appended = 0;
  for (int i = 0; i < 100 && last.IsOk(); ++i)
  {
    Result<int*> r = array.Append(i);
    if (r.IsError())
      last = r.GetError();
    else
      ++appended;
  }
  ASSERT_TRUE(last.IsError());
  EXPECT_EQ(last.GetError().GetKind(), ErrorKind::OutOfMemory);
  ASSERT_EQ(array.GetCount(), static_cast<std::size_t>(appended));
  for (int i = 0; i < appended; ++i)
    EXPECT_EQ(array[i], i);

  budget.bytesLeft = 1 << 20;
  EXPECT_TRUE(array.Append(99).IsOk());
}

TEST(BaseArrayGrowth, SizesNoAllocatorCanServeAreOutOfMemory)
{
  BaseArray<std::uint64_t> array;
  ASSERT_TRUE(array.Append(7).IsOk());
  const Result<void> r = array.Resize(static_cast<std::size_t>(-1) / 2);
  ASSERT_TRUE(r.IsError());
  EXPECT_EQ(r.GetError().GetKind(), ErrorKind::OutOfMemory);
  EXPECT_EQ(array.GetCount(), 1u);
  EXPECT_EQ(array.EnsureCapacity(static_cast<std::size_t>(-1) / 4).GetError().GetKind(), ErrorKind::OutOfMemory);
  EXPECT_EQ(array[0], 7u);
}

TEST(BaseArrayGrowth, FailedCopyLeavesTheTargetAlone)
{
  AllocationBudget budget{1 << 16};
  Budgeted source{BudgetAllocator<int>(&budget)};
  Budgeted target{BudgetAllocator<int>(&budget)};
  for (int i = 0; i < 100; ++i)
    ASSERT_TRUE(source.Append(i).IsOk());
  ASSERT_TRUE(target.Append(-1).IsOk());
  budget.bytesLeft = 8;
  EXPECT_EQ(target.CopyFrom(source).GetError().GetKind(), ErrorKind::OutOfMemory);
  ASSERT_EQ(target.GetCount(), 1u);
  EXPECT_EQ(target[0], -1);

  budget.bytesLeft = 1 << 16;
  ASSERT_TRUE(target.CopyFrom(source).IsOk());
  EXPECT_EQ(target.GetCount(), 100u);
  EXPECT_EQ(target[99], 99);
}

TEST(BaseArrayEditing, IndexesOutsideTheArrayAreRangeErrors)
{
  BaseArray<int> array;
  EXPECT_EQ(array.Insert(1, 5).GetError().GetKind(), ErrorKind::OutOfRange);
  EXPECT_EQ(array.Pop().GetError().GetKind(), ErrorKind::OutOfRange);
  ASSERT_TRUE(array.Insert(0, 2).IsOk());
  ASSERT_TRUE(array.Insert(0, 1).IsOk());
  ASSERT_TRUE(array.Insert(2, 3).IsOk());
  EXPECT_EQ(array.Erase(1, 3).GetError().GetKind(), ErrorKind::OutOfRange);
  EXPECT_EQ(array.Erase(4).GetError().GetKind(), ErrorKind::OutOfRange);
  ASSERT_EQ(array.GetCount(), 3u);
  EXPECT_EQ(array.GetPointer(3), nullptr);
  EXPECT_TRUE(array.Erase(0, 2).IsOk());
  EXPECT_EQ(array.Pop().GetValue(), 3);
  EXPECT_TRUE(array.IsEmpty());
}

TEST(PointerArrayOwnership, EraseDestroysRemoveHandsBack)
{
  {
    PointerArray<Tracked> array;
    for (int i = 0; i < 4; ++i)
      ASSERT_TRUE(array.AppendNew(i).IsOk());
    EXPECT_EQ(Tracked::alive, 4);
    ASSERT_TRUE(array.Erase(1).IsOk());
    EXPECT_EQ(Tracked::alive, 3);

    Result<std::unique_ptr<Tracked>> taken = array.Remove(0);
    ASSERT_TRUE(taken.IsOk());
    EXPECT_EQ(taken.GetValue()->value, 0);
    EXPECT_EQ(Tracked::alive, 3);
    EXPECT_EQ(array.GetCount(), 2u);
    EXPECT_EQ(array.Remove(5).GetError().GetKind(), ErrorKind::OutOfRange);

    int sum = 0;
    for (const Tracked& t : array)
      sum += t.value;
    EXPECT_EQ(sum, 2 + 3);
  }
  EXPECT_EQ(Tracked::alive, 0);
}

TEST(PointerArrayOwnership, FailedConstructionIsAnErrorNotAnException)
{
  PointerArray<ThrowsOnBuild> array;
  const Result<ThrowsOnBuild*> r = array.AppendNew();
  ASSERT_TRUE(r.IsError());
  EXPECT_EQ(r.GetError().GetKind(), ErrorKind::OutOfMemory);
  EXPECT_TRUE(array.IsEmpty());
}

TEST(HashMapGrowth, FailedInsertReportsOutOfMemoryAndKeepsEntries)
{
  using Alloc = BudgetAllocator<std::pair<const int, std::string>>;
  AllocationBudget budget{2048};
  HashMap<int, std::string, std::hash<int>, std::equal_to<int>, Alloc> map{Alloc(&budget)};
  int inserted = 0;
  Result<std::string*> r = static_cast<std::string*>(nullptr);
  while (r.IsOk() && inserted < 10000)
  {
    r = map.Set(inserted, "v" + std::to_string(inserted));
    if (r.IsOk())
      ++inserted;
  }
  ASSERT_TRUE(r.IsError());
  EXPECT_EQ(r.GetError().GetKind(), ErrorKind::OutOfMemory);
  EXPECT_EQ(map.GetCount(), static_cast<std::size_t>(inserted));
  EXPECT_FALSE(map.Contains(inserted));
  for (int i = 0; i < inserted; ++i)
  {
    const std::string* v = map.Find(i);
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(*v, "v" + std::to_string(i));
  }
  // Replacing an existing entry needs no memory.
  EXPECT_TRUE(map.Set(0, "again").IsOk());
  EXPECT_EQ(*map.Find(0), "again");
}

TEST(HashMapGrowth, HugeReserveIsOutOfMemory)
{
  HashMap<std::uint64_t, int> map;
  ASSERT_TRUE(map.Set(1, 10).IsOk());
  EXPECT_EQ(map.Reserve(static_cast<std::size_t>(-1) / 2).GetError().GetKind(), ErrorKind::OutOfMemory);
  EXPECT_EQ(*map.Find(1), 10);
}

TEST(HashMapLookup, FindOrCreateAndErase)
{
  HashMap<std::string, int> map;
  EXPECT_EQ(map.Find("a"), nullptr);
  Result<int*> created = map.FindOrCreate("a");
  ASSERT_TRUE(created.IsOk());
  EXPECT_EQ(*created.GetValue(), 0);
  *created.GetValue() = 5;
  EXPECT_EQ(*map.FindOrCreate("a").GetValue(), 5);
  EXPECT_TRUE(map.Erase("a"));
  EXPECT_FALSE(map.Erase("a"));
  EXPECT_TRUE(map.IsEmpty());
}

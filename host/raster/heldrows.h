#pragma once
// The two source rows, mixed across, that a smooth scale keeps while the
// target rows going down still need them: each source row is mixed once.
#include <cstddef>
#include <vector>

namespace host {

template <typename T>
class HeldRows {
 public:
  void Reset(size_t size) {
    for (Slot& s : slots_) {
      s.row = -1;
      s.values.assign(size, T{});
    }
  }

  // The rows first and second, each made by make(row, values) unless held.
  template <typename Make>
  void Pair(int first, int second, Make&& make, const T*& top, const T*& bottom) {
    top = Get(first, nullptr, make);
    bottom = second == first ? top : Get(second, top, make);
  }

 private:
  struct Slot {
    int row = -1;  // source row it holds, -1 none
    std::vector<T> values;
  };

  template <typename Make>
  const T* Get(int row, const T* keep, Make& make) {
    for (const Slot& s : slots_) {
      if (s.row == row) return s.values.data();
    }
    // Target rows go down, so the upper row held is the one not needed again.
    int slot = slots_[0].row < slots_[1].row ? 0 : 1;
    if (keep) slot = slots_[0].values.data() == keep ? 1 : 0;
    Slot& s = slots_[slot];
    make(row, s.values.data());
    s.row = row;
    return s.values.data();
  }

  Slot slots_[2];
};

}  // namespace host

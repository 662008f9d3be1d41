#pragma once
// The layout flags of a gadget or group: vertical in bits 0-2, horizontal in
// bits 3-5. The two low bits of each axis say where the gadget sits in its
// cell (centre, start, end, fit); the third says whether its cell takes a
// share of spare space.
#include <cstdint>

namespace host {

class LayoutFlags {
 public:
  enum class Align { Center, Start, End, Fit };

  constexpr explicit LayoutFlags(int32_t flags) : flags_(flags) {}

  constexpr Align Horizontal() const { return Align((flags_ >> 3) & 3); }
  constexpr Align Vertical() const { return Align(flags_ & 3); }
  constexpr bool ScalesHorizontally() const { return (flags_ & 32) != 0; }
  constexpr bool ScalesVertically() const { return (flags_ & 4) != 0; }
  constexpr int32_t Raw() const { return flags_; }

 private:
  int32_t flags_;
};

}  // namespace host

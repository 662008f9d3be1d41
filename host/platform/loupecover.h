#pragma once
// The desktop's pixels where the loupe hides them. Before the loupe moves
// onto a rectangle, the pixels there are kept; reads that fall on it answer
// those, so the loupe is never seen in what is picked or magnified. The
// rectangle it last left is kept too, because the windows under it repaint
// only after a while.
#include <cstdint>
#include <vector>

#include "raster/rastertypes.h"

namespace host {

class LoupeCover {
 public:
  // The loupe moves onto place; pixels are the desktop's there, rows from
  // the top, 0x00BBGGRR.
  void Cover(const Rect& place, std::vector<uint32_t> pixels);
  void Clear();
  const Rect& Current() const { return current_.place; }

  // Replaces the pixels of area (rows from the top) that a kept rectangle
  // holds.
  void Patch(const Rect& area, std::vector<uint32_t>& pixels) const;

 private:
  struct Kept {
    Rect place;
    std::vector<uint32_t> pixels;
  };
  static void PatchFrom(const Kept& kept, const Rect& area, std::vector<uint32_t>& pixels);

  Kept current_;
  Kept left_;
};

}  // namespace host

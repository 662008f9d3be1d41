#include "platform/loupecover.h"

#include <utility>

namespace host {

namespace {

size_t Area(const Rect& r) { return r.IsEmpty() ? 0 : size_t(r.w) * size_t(r.h); }

}  // namespace

void LoupeCover::Cover(const Rect& place, std::vector<uint32_t> pixels) {
  if (pixels.size() != Area(place)) return;
  left_ = std::move(current_);
  current_ = {place, std::move(pixels)};
}

void LoupeCover::Clear() {
  current_ = {};
  left_ = {};
}

void LoupeCover::PatchFrom(const Kept& kept, const Rect& area, std::vector<uint32_t>& pixels) {
  const Rect both = kept.place.Intersect(area);
  for (int y = both.y; y < both.Bottom(); ++y) {
    for (int x = both.x; x < both.Right(); ++x) {
      pixels[size_t(y - area.y) * size_t(area.w) + size_t(x - area.x)] =
          kept.pixels[size_t(y - kept.place.y) * size_t(kept.place.w) + size_t(x - kept.place.x)];
    }
  }
}

void LoupeCover::Patch(const Rect& area, std::vector<uint32_t>& pixels) const {
  if (pixels.size() != Area(area)) return;
  // Where both hold a pixel, the rectangle covered now was read later.
  PatchFrom(left_, area, pixels);
  PatchFrom(current_, area, pixels);
}

}  // namespace host

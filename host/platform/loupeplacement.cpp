#include "platform/loupeplacement.h"

#include <algorithm>
#include <limits>

namespace host {

namespace {

// Squared distance from a point to a rectangle, 0 inside.
long long Distance(Point p, const Rect& r) {
  const long long dx = p.x < r.x ? r.x - p.x : p.x >= r.Right() ? p.x - r.Right() + 1 : 0;
  const long long dy = p.y < r.y ? r.y - p.y : p.y >= r.Bottom() ? p.y - r.Bottom() + 1 : 0;
  return dx * dx + dy * dy;
}

// One axis: after the pointer when it fits, else before it, else as far
// from the pointer as the monitor allows.
int AxisPlace(int pointer, int start, int end, int size) {
  const int after = pointer + LoupePlacement::kGap;
  if (after + size <= end) return after;
  const int before = pointer - LoupePlacement::kGap - size;
  if (before >= start) return before;
  return pointer - start > end - pointer ? start : std::max(start, end - size);
}

}  // namespace

Rect LoupePlacement::MonitorAt(Point pointer, const std::vector<Rect>& monitors) {
  Rect best;
  long long bestDistance = std::numeric_limits<long long>::max();
  for (const Rect& m : monitors) {
    if (m.IsEmpty()) continue;
    const long long d = Distance(pointer, m);
    if (d < bestDistance) {
      bestDistance = d;
      best = m;
    }
  }
  return best;
}

Rect LoupePlacement::Place(Point pointer, const Rect& monitor, int width, int height) {
  return {AxisPlace(pointer.x, monitor.x, monitor.Right(), width),
          AxisPlace(pointer.y, monitor.y, monitor.Bottom(), height), width, height};
}

}  // namespace host

#include "gui/sizehint.h"

#include <cmath>

namespace host {

int SizeHint::Width(int32_t hint, const TextMeasure& measure) { return Resolve(hint, measure.charWidth); }

int SizeHint::Height(int32_t hint, const TextMeasure& measure) { return Resolve(hint, measure.lineHeight); }

int SizeHint::Resolve(int32_t hint, double unit) {
  if (hint <= 0) return 0;
  const int pixels = hint >> 14;
  const int tenths = hint & kTenthsMask;
  return pixels + int(std::floor(tenths * unit / 10.0 + 0.5));
}

}  // namespace host

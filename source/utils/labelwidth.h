#pragma once
// The width shared by the row labels of the slider panels, so that their
// fields line up from panel to panel: the widest of the row label strings,
// measured once per process.
#include <cstdint>

class LabelWidth
{
public:
  // Measures the labels when no width is known yet; a failed measurement
  // leaves 0 and is tried again next time.
  static void Compute();
  // Pixels; 0 until measured.
  static std::int32_t GetPixels();
  // Pixels shifted into the width-hint position.
  static std::int32_t GetHint();
};

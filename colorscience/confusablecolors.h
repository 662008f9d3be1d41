#pragma once
// Which colours of a set come so close to another of the same set, as seen
// with a colour vision deficiency, that they are hard to tell apart: within
// a difference of 0.04 in OKLab.
#include <cstddef>
#include <vector>

#include "colorscience/colorvision.h"

namespace colorscience
{

class ConfusableColors
{
public:
  static constexpr double kLimit = 0.04;

  // One flag per colour (sRGB), true where another colour comes within the
  // limit under vision; a colour is not compared with itself.
  static std::vector<bool> Find(const std::vector<SrgbColor>& colors, const ColorVision& vision);
};

}  // namespace colorscience

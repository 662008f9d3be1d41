#pragma once
// The named colours of CSS (Color Level 4, 148 names with their aliases) and
// the name nearest in look to a colour, by the OKLab difference.
#include <cstdint>
#include <string>
#include <vector>

#include "colorscience/oklab.h"

namespace colorscience
{

struct CssNamedColor
{
  const char* name;
  uint32_t rgb;  // 0xRRGGBB
};

class CssNames
{
public:
  static const std::vector<CssNamedColor>& All();
  // Of names that share a colour, the first in alphabetical order wins
  // (aqua before cyan, darkgray before darkgrey).
  static std::string Nearest(const SrgbColor& srgb);
};

}  // namespace colorscience

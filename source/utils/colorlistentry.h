#pragma once
// One colour of the strip that the wheel and picture modes show (the list is
// owned by the strip): the wheel keeps HSV in it, the picture mode RGB and
// the sample's position in the two links. Entry 0 is the main colour.
#include <cstdint>

#include "vector.h"

struct ColorListEntry
{
  std::int64_t link1 = -1;
  std::int64_t link2 = -1;
  Vector color;
  bool selected = false;
};

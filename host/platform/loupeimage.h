#pragma once
// What the picker's loupe shows: the 15 x 15 desktop pixels around the
// pointer, each as an 8 x 8 square, the middle one framed in white inside
// black so that it shows on any colour, and below them the middle pixel's
// hex text.
#include <cstdint>
#include <string>
#include <vector>

#include "raster/framebuffer.h"

namespace host {

class LoupeImage {
 public:
  static constexpr int kSide = 15;  // pixels around the pointer, across
  static constexpr int kZoom = 8;
  static constexpr int kBorder = 1;
  static constexpr int kTextHeight = 20;
  static constexpr int kWidth = kSide * kZoom + 2 * kBorder;
  static constexpr int kHeight = kSide * kZoom + 2 * kBorder + kTextHeight;

  // around: kSide * kSide pixels, rows from the top, each 0x00BBGGRR.
  static Framebuffer Draw(const std::vector<uint32_t>& around);
  // Where pixel (column, row) of around is drawn.
  static Rect Cell(int column, int row);
  static std::string Hex(uint32_t pixel);
};

}  // namespace host

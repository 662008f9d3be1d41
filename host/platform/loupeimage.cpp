#include "platform/loupeimage.h"

#include <cstdio>

#include "raster/canvas.h"

namespace host {

namespace {

constexpr Rgba kEdge{48, 48, 48, 255};
constexpr Rgba kTextBackground{32, 32, 32, 255};
constexpr Rgba kText{240, 240, 240, 255};
constexpr Rgba kInnerFrame{255, 255, 255, 255};
constexpr Rgba kOuterFrame{0, 0, 0, 255};

Rgba Unpacked(uint32_t pixel) {
  return {uint8_t(pixel & 0xFF), uint8_t((pixel >> 8) & 0xFF), uint8_t(pixel >> 16), 255};
}

}  // namespace

Rect LoupeImage::Cell(int column, int row) { return {kBorder + column * kZoom, kBorder + row * kZoom, kZoom, kZoom}; }

std::string LoupeImage::Hex(uint32_t pixel) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", unsigned(pixel & 0xFF), unsigned((pixel >> 8) & 0xFF),
                unsigned((pixel >> 16) & 0xFF));
  return text;
}

Framebuffer LoupeImage::Draw(const std::vector<uint32_t>& around) {
  Framebuffer image(kWidth, kHeight);
  image.Fill(kEdge);
  if (around.size() != size_t(kSide) * kSide) return image;
  Canvas canvas(image);
  for (int row = 0; row < kSide; ++row) {
    for (int column = 0; column < kSide; ++column)
      canvas.FillRect(Cell(column, row), Unpacked(around[size_t(row) * kSide + column]));
  }
  // The frame lies on the neighbours, so that the middle pixel shows whole.
  const Rect middle = Cell(kSide / 2, kSide / 2);
  canvas.DrawFrame(middle.Inset(-1), kInnerFrame);
  canvas.DrawFrame(middle.Inset(-2), kOuterFrame);
  const Rect text{0, kHeight - kTextHeight, kWidth, kTextHeight};
  canvas.FillRect(text, kTextBackground);
  canvas.DrawText(Hex(around[size_t(kSide / 2) * kSide + kSide / 2]), kWidth / 2, text.y + text.h / 2, kText,
                  kTextCenter | kTextVCenter);
  return image;
}

}  // namespace host

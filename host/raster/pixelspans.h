#pragma once
// The inner loops of every blit and fill: whole rows of framebuffer pixels
// at a time, eight pixels per step where the compiler and the processor
// allow, with exactly the result of the one-pixel rule (BlendPixel) so a
// picture does not change with the width of the machine's vectors.
#include <cstdint>

#include "raster/rastertypes.h"

namespace host {

class PixelSpans {
 public:
  // Source-over of a straight colour at opacity alpha (0..255): the host's
  // one blend rule, which every span below reproduces to the bit.
  static void BlendPixel(uint32_t& pixel, Rgba src, int alpha);

  // Opaque copies: 3-byte RGB, or RGBA whose alpha is ignored, to alpha 255.
  static void CopyRgb(const uint8_t* rgb, uint32_t* dst, int count);
  static void CopyRgbaOpaque(const uint8_t* rgba, uint32_t* dst, int count);
  // RGB beside a separate alpha row, joined into straight RGBA pixels.
  static void JoinAlpha(const uint8_t* rgb, const uint8_t* alpha, uint32_t* out, int count);
  // The reverse: straight RGBA bytes apart into RGB and alpha rows.
  static void SplitAlpha(const uint8_t* rgba, uint8_t* rgb, uint8_t* alpha, int count);

  // Straight RGBA pixels (bytes r, g, b, a) over dst, each with its own alpha.
  static void BlendOver(const uint8_t* rgba, uint32_t* dst, int count);
  // RGB beside its alpha row over dst, as JoinAlpha then BlendOver.
  static void BlendJoined(const uint8_t* rgb, const uint8_t* alpha, uint32_t* dst, int count);
  // One colour over dst, at its own alpha times coverage (null: full).
  static void BlendColor(uint32_t* dst, int count, Rgba c, const uint8_t* coverage = nullptr);
};

}  // namespace host

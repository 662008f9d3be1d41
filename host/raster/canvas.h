#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "raster/bitmap.h"
#include "raster/fontrenderer.h"
#include "raster/framebuffer.h"
#include "raster/rastertypes.h"

namespace host {

// Bitmap drawing flags.
enum BlitFlags : int {
  kBlitAlpha = 0x200,       // blend with the bitmap's alpha (built-in or channel)
  kBlitDisabled = 0x10000,  // greyed and faded, the look of a disabled gadget
  kBlitNearest = 0x20000,   // no filtering when the bitmap has to be scaled
};

// Text flags: horizontal anchor of x, and whether y is the top or the middle.
enum TextFlags : int {
  kTextLeft = 0x00,
  kTextCenter = 0x01,
  kTextRight = 0x02,
  kTextVCenter = 0x10,
};

enum class BorderStyle {
  None = 0,
  Thin = 1,    // 1 px bevel: light top and left, dark bottom and right
  Sunken = 2,  // the same bevel reversed
  Plain = 3,   // 1 px frame in the dark colour
};

struct TextStyle {
  double size = FontRenderer::kDefaultSize;  // logical pixels
  bool bold = false;
  bool italic = false;

  int Face() const { return (bold ? FontRenderer::kBold : 0) | (italic ? FontRenderer::kItalic : 0); }
};

// Draws into a Framebuffer in logical coordinates, relative to an origin and
// inside a stack of clip rectangles. Everything lands at physical resolution,
// so at scale 2 a one-pixel line is two sharp physical pixels wide.
class Canvas {
 public:
  explicit Canvas(Framebuffer& target, FontRenderer& fonts = FontRenderer::Shared());

  int Scale() const { return target_.Scale(); }
  Framebuffer& Target() { return target_; }

  // Logical position of local (0, 0) in the framebuffer.
  void SetOrigin(Point logical) { origin_ = logical; }
  Point Origin() const { return origin_; }

  // Clip rectangles are given in local logical coordinates; each push
  // intersects with the current one. Pop never removes the framebuffer bounds.
  void PushClip(const Rect& local);
  void PopClip();
  // The current clip in local logical coordinates (rounded outwards).
  Rect ClipRect() const;

  void Clear(Rgba c);  // whole clip
  void FillRect(const Rect& r, Rgba c);
  // Inclusive end points, one logical pixel wide.
  void DrawLine(int x1, int y1, int x2, int y2, Rgba c);
  void DrawFrame(const Rect& r, Rgba c);
  void DrawBorder(const Rect& r, BorderStyle style, Rgba light, Rgba dark);

  // Draws src (the whole bitmap when absent) into the logical rectangle dst.
  // A source of exactly dst size x scale is copied pixel for pixel.
  void DrawBitmap(const Bitmap& bitmap, const Rect& dst, std::optional<Rect> src = std::nullopt, int flags = 0);

  // Copies another framebuffer of the same scale with its top left at the
  // logical point, e.g. a gadget drawn off-screen. False on a scale mismatch.
  bool DrawFramebuffer(const Framebuffer& source, Point at);

  // y is the top of the line, or its middle with kTextVCenter.
  void DrawText(std::string_view utf8, int x, int y, Rgba c, int flags = kTextLeft, const TextStyle& style = {});
  int TextWidth(std::string_view utf8, const TextStyle& style = {}) const;
  int TextHeight(const TextStyle& style = {}) const;

 private:
  Rect ToPhysical(const Rect& local) const;
  const Rect& Clip() const { return clips_.back(); }
  void FillPhysical(const Rect& r, Rgba c);
  void BlitPhysical(const Bitmap& bitmap, const Rect& src, const Rect& dst, int flags);
  // One row of a bitmap at its own size onto out: copied, or blended.
  void CopyRow(const Bitmap& bitmap, int x, int y, int count, bool useAlpha, uint32_t* out);
  void BlendGlyph(const FontRenderer::Glyph& glyph, int x, int y, Rgba c);

  Framebuffer& target_;
  FontRenderer& fonts_;
  Point origin_;
  std::vector<Rect> clips_;     // physical
  std::vector<uint32_t> line_;  // a bitmap row joined with its alpha channel
};

}  // namespace host

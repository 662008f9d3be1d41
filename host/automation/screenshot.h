#pragma once
// Pictures of the screen: the composed frame, or the part of it under a
// gadget, at physical resolution (logical pixels times the display scale).
#include <filesystem>
#include <optional>

#include "core/outcome.h"
#include "raster/bitmap.h"
#include "raster/framebuffer.h"

namespace host {

class Screenshot {
 public:
  // Fails when the rectangle (logical, window coordinates) lies outside
  // the frame; a rectangle partly outside is cut to the frame.
  static Outcome<Bitmap> Capture(const Framebuffer& frame, std::optional<Rect> logical);
  static Outcome<Bitmap> Save(const Framebuffer& frame, std::optional<Rect> logical, const std::filesystem::path& file);
};

}  // namespace host

#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "raster/bitmap.h"
#include "raster/rastertypes.h"

namespace host {

// An RGBA 8-bit drawing target in physical pixels at a display scale of 1 or
// 2. Its logical size is the physical size divided by the scale.
class Framebuffer {
 public:
  Framebuffer() = default;
  Framebuffer(int logicalWidth, int logicalHeight, int scale = 1) { Resize(logicalWidth, logicalHeight, scale); }

  // Answers false (and becomes empty) for a non-positive size or a scale other than 1 or 2.
  bool Resize(int logicalWidth, int logicalHeight, int scale = 1);
  void Fill(Rgba c);

  bool IsEmpty() const { return width_ == 0; }
  int Scale() const { return scale_; }
  int Width() const { return width_; }  // physical
  int Height() const { return height_; }
  int LogicalWidth() const { return width_ / scale_; }
  int LogicalHeight() const { return height_ / scale_; }

  // One uint32 per pixel whose bytes in memory are r, g, b, a.
  uint32_t* Row(int y) { return pixels_.data() + size_t(y) * width_; }
  const uint32_t* Row(int y) const { return pixels_.data() + size_t(y) * width_; }
  Rgba GetPixel(int x, int y) const;  // physical; transparent black outside
  void SetPixel(int x, int y, Rgba c);

  static uint32_t Pack(Rgba c);
  static Rgba Unpack(uint32_t v);

  // A 32-bit copy, e.g. for writing a screenshot.
  Bitmap ToBitmap() const;
  bool SavePng(const std::filesystem::path& file, std::string& error) const;

 private:
  int width_ = 0;
  int height_ = 0;
  int scale_ = 1;
  std::vector<uint32_t> pixels_;
};

}  // namespace host

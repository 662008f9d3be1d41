#include "raster/framebuffer.h"

#include <cstring>

namespace host {

bool Framebuffer::Resize(int logicalWidth, int logicalHeight, int scale) {
  width_ = height_ = 0;
  scale_ = 1;
  pixels_.clear();
  if (logicalWidth <= 0 || logicalHeight <= 0 || (scale != 1 && scale != 2)) return false;
  if (logicalWidth * scale > Bitmap::kMaxSide || logicalHeight * scale > Bitmap::kMaxSide) return false;
  width_ = logicalWidth * scale;
  height_ = logicalHeight * scale;
  scale_ = scale;
  pixels_.assign(size_t(width_) * height_, Pack({0, 0, 0, 255}));
  return true;
}

void Framebuffer::Fill(Rgba c) { std::fill(pixels_.begin(), pixels_.end(), Pack(c)); }

uint32_t Framebuffer::Pack(Rgba c) {
  const uint8_t bytes[4] = {c.r, c.g, c.b, c.a};
  uint32_t v;
  std::memcpy(&v, bytes, 4);
  return v;
}

Rgba Framebuffer::Unpack(uint32_t v) {
  uint8_t bytes[4];
  std::memcpy(bytes, &v, 4);
  return {bytes[0], bytes[1], bytes[2], bytes[3]};
}

Rgba Framebuffer::GetPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {0, 0, 0, 0};
  return Unpack(Row(y)[x]);
}

void Framebuffer::SetPixel(int x, int y, Rgba c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  Row(y)[x] = Pack(c);
}

Bitmap Framebuffer::ToBitmap() const {
  Bitmap out;
  if (IsEmpty() || !out.Init(width_, height_, 32)) return out;
  for (int y = 0; y < height_; ++y) std::memcpy(out.Row(y), Row(y), size_t(width_) * 4);
  return out;
}

bool Framebuffer::SavePng(const std::filesystem::path& file, std::string& error) const {
  return ToBitmap().SavePng(file, error);
}

}  // namespace host

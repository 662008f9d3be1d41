#include "raster/bitmap.h"

#include <cstring>

#include "raster/bitmapscaler.h"
#include "raster/imagecodec.h"

namespace host {

bool Bitmap::Init(int width, int height, int depth) {
  Free();
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return false;
  if (int64_t{width} * height > kMaxPixels) return false;
  if (depth != 24 && depth != 32) return false;
  width_ = width;
  height_ = height;
  depth_ = depth;
  pixels_.assign(size_t(width) * height * BytesPerPixel(), 0);
  if (depth == 32) {
    for (size_t i = 3; i < pixels_.size(); i += 4) pixels_[i] = 255;
  }
  return true;
}

void Bitmap::Free() {
  width_ = height_ = 0;
  depth_ = 24;
  pixels_ = {};
  alpha_ = {};
  profile_.reset();
}

bool Bitmap::AddAlphaChannel(uint8_t initial) {
  if (IsEmpty()) return false;
  if (alpha_.empty()) alpha_.assign(size_t(width_) * height_, initial);
  return true;
}

Rgba Bitmap::GetPixel(int x, int y) const {
  if (!InRange(x, y)) return {0, 0, 0, 0};
  const uint8_t* p = pixels_.data() + Offset(x, y);
  return {p[0], p[1], p[2], GetAlpha(x, y)};
}

void Bitmap::SetPixel(int x, int y, Rgba c) {
  if (!InRange(x, y)) return;
  uint8_t* p = pixels_.data() + Offset(x, y);
  p[0] = c.r;
  p[1] = c.g;
  p[2] = c.b;
  SetAlpha(x, y, c.a);
}

uint8_t Bitmap::GetAlpha(int x, int y) const {
  if (!InRange(x, y)) return 0;
  if (depth_ == 32) return pixels_[Offset(x, y) + 3];
  if (!alpha_.empty()) return alpha_[size_t(y) * width_ + x];
  return 255;
}

void Bitmap::SetAlpha(int x, int y, uint8_t a) {
  if (!InRange(x, y)) return;
  if (depth_ == 32) pixels_[Offset(x, y) + 3] = a;
  if (!alpha_.empty()) alpha_[size_t(y) * width_ + x] = a;
}

void Bitmap::Clear(Rgba c) {
  if (IsEmpty()) return;
  // One row by pixels, the others copied from it.
  for (int x = 0; x < width_; ++x) SetPixel(x, 0, c);
  for (int y = 1; y < height_; ++y) std::memcpy(Row(y), Row(0), size_t(RowBytes()));
  if (!alpha_.empty()) std::memset(alpha_.data(), c.a, alpha_.size());
}

uint8_t* Bitmap::Row(int y) { return (y >= 0 && y < height_) ? pixels_.data() + Offset(0, y) : nullptr; }

const uint8_t* Bitmap::Row(int y) const { return (y >= 0 && y < height_) ? pixels_.data() + Offset(0, y) : nullptr; }

uint8_t* Bitmap::AlphaRow(int y) {
  return (!alpha_.empty() && y >= 0 && y < height_) ? alpha_.data() + size_t(y) * width_ : nullptr;
}

const uint8_t* Bitmap::AlphaRow(int y) const {
  return (!alpha_.empty() && y >= 0 && y < height_) ? alpha_.data() + size_t(y) * width_ : nullptr;
}

void Bitmap::GetRowFloat(int y, float* rgba) const {
  if (y < 0 || y >= height_) return;
  constexpr float k = 1.0f / 255.0f;
  for (int x = 0; x < width_; ++x) {
    const Rgba c = GetPixel(x, y);
    rgba[4 * x] = c.r * k;
    rgba[4 * x + 1] = c.g * k;
    rgba[4 * x + 2] = c.b * k;
    rgba[4 * x + 3] = c.a * k;
  }
}

namespace {
uint8_t ToByte(float v) {
  if (!(v > 0.0f)) return 0;  // also catches NaN
  if (v >= 1.0f) return 255;
  return uint8_t(v * 255.0f + 0.5f);
}
}  // namespace

void Bitmap::SetRowFloat(int y, const float* rgba) {
  if (y < 0 || y >= height_) return;
  for (int x = 0; x < width_; ++x) {
    const float* v = rgba + 4 * x;
    SetPixel(x, y, {ToByte(v[0]), ToByte(v[1]), ToByte(v[2]), ToByte(v[3])});
  }
}

bool Bitmap::CopyTo(Bitmap& dst) const {
  if (&dst == this) return true;
  dst.width_ = width_;
  dst.height_ = height_;
  dst.depth_ = depth_;
  dst.pixels_ = pixels_;
  dst.alpha_ = alpha_;
  dst.profile_ = profile_;
  return true;
}

void Bitmap::CopyRowPart(Bitmap& dst, int sx, int sy, int dx, int dy, int w) const {
  if (dst.depth_ != depth_) {
    for (int i = 0; i < w; ++i) dst.SetPixel(dx + i, dy, GetPixel(sx + i, sy));
    return;
  }
  std::memcpy(dst.Row(dy) + size_t(dx) * BytesPerPixel(), Row(sy) + size_t(sx) * BytesPerPixel(),
              size_t(w) * BytesPerPixel());
  if (uint8_t* a = dst.AlphaRow(dy)) {
    for (int i = 0; i < w; ++i) a[dx + i] = GetAlpha(sx + i, sy);
  }
}

bool Bitmap::CopyPartTo(Bitmap& dst, int x, int y, int w, int h) const {
  if (IsEmpty() || w <= 0 || h <= 0 || &dst == this) return false;
  if (dst.IsEmpty()) {
    if (!dst.Init(w, h, depth_)) return false;
    if (HasAlphaChannel()) dst.AddAlphaChannel();
    dst.profile_ = profile_;
  }
  dst.Clear({0, 0, 0, 0});
  const Rect part = Rect{x, y, std::min(w, dst.width_), std::min(h, dst.height_)}.Intersect({0, 0, width_, height_});
  for (int row = 0; row < part.h; ++row) {
    CopyRowPart(dst, part.x, part.y + row, part.x - x, part.y - y + row, part.w);
  }
  return true;
}

bool Bitmap::ScaleTo(Bitmap& dst, ScaleFilter filter) const {
  if (IsEmpty() || dst.IsEmpty() || &dst == this) return false;
  BitmapScaler::Scale(*this, dst, filter);
  return true;
}

bool Bitmap::Load(const std::filesystem::path& file, std::string& error) {
  Bitmap loaded;
  if (!ImageCodec::LoadFile(file, loaded, error)) return false;
  *this = std::move(loaded);
  return true;
}

bool Bitmap::LoadFromMemory(std::span<const uint8_t> data, std::string& error) {
  Bitmap loaded;
  if (!ImageCodec::Decode(data, loaded, error)) return false;
  *this = std::move(loaded);
  return true;
}

bool Bitmap::SavePng(const std::filesystem::path& file, std::string& error) const {
  return ImageCodec::SavePngFile(*this, file, error);
}

}  // namespace host

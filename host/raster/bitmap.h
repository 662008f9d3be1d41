#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "raster/rastertypes.h"

namespace host {

// Filled in by the colour layer; the raster layer only carries it along.
struct ColorProfileRef;

enum class ScaleFilter {
  Nearest,  // pixel replication, exact for integer factors
  Smooth,   // bilinear when enlarging, area average when shrinking
};

// An 8-bit-per-component image. Depth 24 stores RGB, depth 32 stores RGBA.
// A 24-bit bitmap may carry a separate 8-bit alpha channel, added on demand.
// Errors are reported through return values and messages, never exceptions.
class Bitmap {
 public:
  static constexpr int kMaxSide = 32768;
  static constexpr int64_t kMaxPixels = int64_t{1} << 28;

  Bitmap() = default;
  Bitmap(int width, int height, int depth = 24) { Init(width, height, depth); }

  // Allocates black, opaque pixels (alpha 255 at depth 32) and drops any alpha
  // channel. Answers false, leaving the bitmap empty, for a bad size or depth.
  bool Init(int width, int height, int depth = 24);
  void Free();

  bool IsEmpty() const { return width_ == 0 || height_ == 0; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Depth() const { return depth_; }
  int BytesPerPixel() const { return depth_ / 8; }
  int RowBytes() const { return width_ * BytesPerPixel(); }

  // Separate alpha channel (any depth; at depth 32 the built-in alpha wins).
  bool AddAlphaChannel(uint8_t initial = 255);
  void RemoveAlphaChannel() {
    alpha_.clear();
    alpha_.shrink_to_fit();
  }
  bool HasAlphaChannel() const { return !alpha_.empty(); }
  // True when pixels carry an opacity of their own (depth 32 or a channel).
  bool HasAlpha() const { return depth_ == 32 || HasAlphaChannel(); }

  // Out-of-range reads answer transparent black; out-of-range writes are ignored.
  Rgba GetPixel(int x, int y) const;
  void SetPixel(int x, int y, Rgba c);
  uint8_t GetAlpha(int x, int y) const;
  void SetAlpha(int x, int y, uint8_t a);
  void Clear(Rgba c);

  // Raw rows: RGB or RGBA bytes, tightly packed. Null when y is out of range.
  uint8_t* Row(int y);
  const uint8_t* Row(int y) const;
  // Rows of the separate alpha channel, null without one.
  uint8_t* AlphaRow(int y);
  const uint8_t* AlphaRow(int y) const;

  // Rows as width * 4 floats (r, g, b, a in 0..1).
  void GetRowFloat(int y, float* rgba) const;
  void SetRowFloat(int y, const float* rgba);

  // Full copy: size, depth, alpha channel and profile.
  bool CopyTo(Bitmap& dst) const;
  // Copies the part (x, y, w, h) to dst's top left. An empty dst becomes a
  // w x h bitmap of this depth (with an alpha channel when this has one);
  // otherwise dst keeps its size and the copy is clipped to it. Source pixels
  // outside this bitmap come out as transparent black.
  bool CopyPartTo(Bitmap& dst, int x, int y, int w, int h) const;
  // Scales the whole bitmap into the whole of dst, which must be allocated.
  bool ScaleTo(Bitmap& dst, ScaleFilter filter) const;

  const std::shared_ptr<const ColorProfileRef>& Profile() const { return profile_; }
  void SetProfile(std::shared_ptr<const ColorProfileRef> p) { profile_ = std::move(p); }

  // PNG or JPEG, told apart by content. On failure the bitmap is unchanged
  // and error holds a message naming the file.
  bool Load(const std::filesystem::path& file, std::string& error);
  bool LoadFromMemory(std::span<const uint8_t> data, std::string& error);
  bool SavePng(const std::filesystem::path& file, std::string& error) const;

 private:
  size_t Offset(int x, int y) const { return (size_t(y) * width_ + x) * BytesPerPixel(); }
  bool InRange(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  void CopyRowPart(Bitmap& dst, int sx, int sy, int dx, int dy, int w) const;

  int width_ = 0;
  int height_ = 0;
  int depth_ = 24;
  std::vector<uint8_t> pixels_;
  std::vector<uint8_t> alpha_;
  std::shared_ptr<const ColorProfileRef> profile_;
};

}  // namespace host

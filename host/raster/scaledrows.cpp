#include "raster/scaledrows.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "raster/framebuffer.h"
#include "raster/pixelspans.h"

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define GXA_ROW_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define GXA_ROW_CLONES
#endif

namespace host {

namespace {

constexpr int kAlphaShift = 24;  // of a pixel word

// Two source rows mixed at weight w of the second (0..256), every byte to
// 16 bits, in the bitmap's own layout.
GXA_ROW_CLONES void MixRows(const uint8_t* a, const uint8_t* b, int bytes, int w, uint16_t* out) {
  const auto keep = uint16_t(256 - w), with = uint16_t(w);
  for (int i = 0; i < bytes; ++i) out[i] = uint16_t(a[i] * keep + b[i] * with);
}

// Pairs of mixed columns at their weights (offsets of the first and the
// second in the row, weight of the second), each to one opaque pixel.
template <int kBpp>
[[gnu::always_inline]] inline void MixColumnsOf(const uint16_t* row, const int* taps, int count, uint32_t* out) {
  for (int i = 0; i < count; ++i, taps += 3) {
    const uint16_t* a = row + taps[0];
    const uint16_t* b = row + taps[1];
    const uint32_t w = uint32_t(taps[2]), keep = 256 - w;
    const uint8_t px[4] = {uint8_t((a[0] * keep + b[0] * w + 32768) >> 16),
                           uint8_t((a[1] * keep + b[1] * w + 32768) >> 16),
                           uint8_t((a[2] * keep + b[2] * w + 32768) >> 16), 255};
    std::memcpy(out + i, px, 4);
  }
}

GXA_ROW_CLONES void MixColumns3(const uint16_t* row, const int* taps, int count, uint32_t* out) {
  MixColumnsOf<3>(row, taps, count, out);
}

GXA_ROW_CLONES void MixColumns4(const uint16_t* row, const int* taps, int count, uint32_t* out) {
  MixColumnsOf<4>(row, taps, count, out);
}

// Bilinear sample in premultiplied form, answered straight.
Rgba SampleBilinear(const Bitmap& bitmap, const Rect& src, double fx, double fy) {
  const int x0 = int(std::floor(fx)), y0 = int(std::floor(fy));
  const double tx = fx - x0, ty = fy - y0;
  double sum[4] = {0, 0, 0, 0};
  for (int k = 0; k < 4; ++k) {
    const int sx = std::clamp(x0 + (k & 1), src.x, src.Right() - 1);
    const int sy = std::clamp(y0 + (k >> 1), src.y, src.Bottom() - 1);
    const double w = ((k & 1) ? tx : 1.0 - tx) * ((k >> 1) ? ty : 1.0 - ty);
    const Rgba p = bitmap.GetPixel(sx, sy);
    const double a = p.a * w;
    sum[0] += p.r * a;
    sum[1] += p.g * a;
    sum[2] += p.b * a;
    sum[3] += a;
  }
  if (sum[3] <= 0.0) return {0, 0, 0, 0};
  auto channel = [&](double v) { return uint8_t(std::clamp(v / sum[3] + 0.5, 0.0, 255.0)); };
  return {channel(sum[0]), channel(sum[1]), channel(sum[2]), uint8_t(std::clamp(sum[3] + 0.5, 0.0, 255.0))};
}

}  // namespace

ScaledRows::ScaledRows(const Bitmap& bitmap, const Rect& src, const Rect& dst, const Rect& area, bool nearest,
                       bool useAlpha)
    : bitmap_(bitmap),
      src_(src),
      dst_(dst),
      area_(area),
      nearest_(nearest),
      useAlpha_(useAlpha),
      stepX_(double(src.w) / dst.w),
      stepY_(double(src.h) / dst.h) {
  columns_.reserve(size_t(area.w));
  for (int i = 0; i < area.w; ++i) {
    const double fx = src.x + (area.x + i - dst.x + 0.5) * stepX_;
    columns_.push_back(nearest ? Tap{std::min(src.Right() - 1, int(fx)), 0, 0} : TapAt(fx - 0.5, src.x, src.Right()));
  }
  if (columns_.empty()) return;
  if (nearest) {
    std::vector<int> xs;
    for (const Tap& t : columns_) {
      offsets_.push_back(t.first * bitmap.BytesPerPixel());
      xs.push_back(t.first);
    }
    fast_ = nearestRows_.Plan(bitmap, xs, useAlpha);
    return;
  }
  if (useAlpha) {
    std::vector<BlendTap> taps;
    for (int i = 0; i < area.w; ++i)
      taps.push_back(BlendTapAt(src.x + (area.x + i - dst.x + 0.5) * stepX_ - 0.5, src.x, src.Right()));
    fast_ = premultiplied_.Plan(bitmap, taps);
    return;
  }
  // Worked out ahead, so that no row waits on its own tap.
  for (int y = area.y; y < area.Bottom(); ++y)
    rows_.push_back(TapAt(src.y + (y - dst.y + 0.5) * stepY_ - 0.5, src.y, src.Bottom()));
  fast_ = bilinear_.Plan(bitmap, columns_);
  if (fast_) return;
  const int left = columns_.front().first;
  const int bpp = bitmap.BytesPerPixel();
  for (const Tap& t : columns_) mixColumns_.push_back({bpp * (t.first - left), bpp * (t.second - left), t.weight});
}

ScaledRows::Tap ScaledRows::TapAt(double f, int lo, int hi) const {
  // floor and lround without the library calls, once a target row.
  int i = int(f);
  if (i > f) --i;
  const double w = (f - i) * kOne;
  int weight = int(w);
  if (w - weight >= 0.5) ++weight;
  return {std::clamp(i, lo, hi - 1), std::clamp(i + 1, lo, hi - 1), weight};
}

BlendTap ScaledRows::BlendTapAt(double f, int lo, int hi) {
  const double whole = std::floor(f);
  const int i = int(whole);
  return {std::clamp(i, lo, hi - 1), std::clamp(i + 1, lo, hi - 1), float(f - whole)};
}

void ScaledRows::Row(int y, uint32_t* out) {
  if (nearest_) NearestRow(y, out);
  else if (!useAlpha_) OpaqueRow(y, out);
  else PremultipliedRow(y, out);
}

void ScaledRows::BlendRow(int y, uint32_t* dst) {
  if (nearest_ && fast_) return nearestRows_.BlendRow(NearestSourceRow(y), dst);
  if (useAlpha_ && fast_) return premultiplied_.BlendRow(RowTap(y), dst);
  if (line_.size() < size_t(area_.w)) line_.resize(size_t(area_.w));
  Row(y, line_.data());
  PixelSpans::BlendOver(reinterpret_cast<const uint8_t*>(line_.data()), dst, area_.w);
}

int ScaledRows::NearestSourceRow(int y) const {
  const double fy = src_.y + (y - dst_.y + 0.5) * stepY_;
  return std::min(src_.Bottom() - 1, int(fy));
}

void ScaledRows::NearestRow(int y, uint32_t* out) const {
  const int sy = NearestSourceRow(y);
  if (fast_) return nearestRows_.Row(sy, out);
  const int bpp = bitmap_.BytesPerPixel();
  const uint8_t* row = bitmap_.Row(sy);
  const uint8_t* alpha = useAlpha_ && bpp == 3 ? bitmap_.AlphaRow(sy) : nullptr;
  const uint32_t opaque = useAlpha_ && bpp == 4 ? 0 : 0xFF000000u;
  // Four bytes a pixel read at once; at depth 24 the fourth is the next
  // pixel's, there as long as the bitmap goes on past the pixel.
  const int whole = bpp == 4 || sy + 1 < bitmap_.Height() ? area_.w : PixelsBefore(bitmap_.RowBytes() - 3);
  // Pixels as little-endian words: alpha is the top byte.
  static_assert(std::endian::native == std::endian::little);
  const uint32_t colour = bpp == 4 ? 0xFFFFFFFFu : 0x00FFFFFFu;
  const int* offsets = offsets_.data();
  if (alpha) {
    for (int i = 0; i < whole; ++i) {
      uint32_t v;
      std::memcpy(&v, row + offsets[i], 4);
      out[i] = (v & colour) | uint32_t(alpha[columns_[size_t(i)].first]) << kAlphaShift;
    }
  } else {
    for (int i = 0; i < whole; ++i) {
      uint32_t v;
      std::memcpy(&v, row + offsets[i], 4);
      out[i] = (v & colour) | opaque;
    }
  }
  for (int i = whole; i < area_.w; ++i) {
    const uint8_t* p = row + offsets[i];
    out[i] = Framebuffer::Pack({p[0], p[1], p[2], alpha ? alpha[columns_[size_t(i)].first] : uint8_t(255)});
  }
}

// Columns from the first whose byte offset stays below limit.
int ScaledRows::PixelsBefore(int limit) const {
  int n = 0;
  while (n < area_.w && offsets_[size_t(n)] < limit) ++n;
  return n;
}

void ScaledRows::OpaqueRow(int y, uint32_t* out) {
  const Tap rows = rows_[size_t(y - area_.y)];
  if (fast_) {
    bilinear_.Row(rows, out);
    return;
  }
  // Only the columns the area reaches are mixed.
  const int left = columns_.front().first, right = columns_.back().second;
  const int bpp = bitmap_.BytesPerPixel();
  const int bytes = (right - left + 1) * bpp;
  blend_.resize(size_t(bytes) + 1);
  MixRows(bitmap_.Row(rows.first) + size_t(left) * bpp, bitmap_.Row(rows.second) + size_t(left) * bpp, bytes,
          rows.weight, blend_.data());
  static_assert(sizeof(Tap) == 3 * sizeof(int));
  if (bpp == 3) MixColumns3(blend_.data(), &mixColumns_.front().first, area_.w, out);
  else MixColumns4(blend_.data(), &mixColumns_.front().first, area_.w, out);
}

BlendTap ScaledRows::RowTap(int y) const {
  return BlendTapAt(src_.y + (y - dst_.y + 0.5) * stepY_ - 0.5, src_.y, src_.Bottom());
}

void ScaledRows::PremultipliedRow(int y, uint32_t* out) {
  if (fast_) return premultiplied_.Row(RowTap(y), out);
  const double fy = src_.y + (y - dst_.y + 0.5) * stepY_;
  for (int i = 0; i < area_.w; ++i) {
    const double fx = src_.x + (area_.x + i - dst_.x + 0.5) * stepX_;
    out[i] = Framebuffer::Pack(SampleBilinear(bitmap_, src_, fx - 0.5, fy - 0.5));
  }
}

}  // namespace host

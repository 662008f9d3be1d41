#include "raster/bitmapscaler.h"

#include <cmath>

namespace host {

void BitmapScaler::Scale(const Bitmap& src, Bitmap& dst, ScaleFilter filter) {
  if (filter == ScaleFilter::Nearest) {
    ScaleNearest(src, dst);
  } else {
    ScaleSmooth(src, dst);
  }
}

void BitmapScaler::ScaleNearest(const Bitmap& src, Bitmap& dst) {
  std::vector<int> columns(dst.Width());
  for (int x = 0; x < dst.Width(); ++x) {
    columns[x] = std::min(src.Width() - 1, int((int64_t(x) * 2 + 1) * src.Width() / (2 * int64_t(dst.Width()))));
  }
  for (int y = 0; y < dst.Height(); ++y) {
    const int sy = std::min(src.Height() - 1, int((int64_t(y) * 2 + 1) * src.Height() / (2 * int64_t(dst.Height()))));
    for (int x = 0; x < dst.Width(); ++x) dst.SetPixel(x, y, src.GetPixel(columns[x], sy));
  }
}

BitmapScaler::Taps BitmapScaler::MakeTaps(int srcLength, int dstLength) {
  Taps taps(dstLength);
  const double ratio = double(srcLength) / dstLength;
  for (int d = 0; d < dstLength; ++d) {
    auto& list = taps[d];
    if (ratio > 1.0) {
      // Shrinking: average the source span the destination pixel covers.
      const double lo = d * ratio, hi = (d + 1) * ratio;
      for (int s = int(lo); s < srcLength && s < hi; ++s) {
        const double w = std::min(hi, s + 1.0) - std::max(lo, double(s));
        if (w > 0.0) list.push_back({s, float(w / ratio)});
      }
    } else {
      const double c = (d + 0.5) * ratio - 0.5;
      const int s0 = int(std::floor(c));
      const float f = float(c - s0);
      list.push_back({std::clamp(s0, 0, srcLength - 1), 1.0f - f});
      list.push_back({std::clamp(s0 + 1, 0, srcLength - 1), f});
    }
  }
  return taps;
}

void BitmapScaler::ReadPremultiplied(const Bitmap& src, int y, std::vector<float>& row) {
  src.GetRowFloat(y, row.data());
  for (size_t i = 0; i < row.size(); i += 4) {
    row[i] *= row[i + 3];
    row[i + 1] *= row[i + 3];
    row[i + 2] *= row[i + 3];
  }
}

void BitmapScaler::ScaleSmooth(const Bitmap& src, Bitmap& dst) {
  const int dw = dst.Width(), dh = dst.Height();
  const Taps columns = MakeTaps(src.Width(), dw);
  const Taps rows = MakeTaps(src.Height(), dh);

  // Horizontal pass over every source row, then vertical pass per output row.
  std::vector<float> line(size_t(src.Width()) * 4);
  std::vector<float> across(size_t(src.Height()) * dw * 4, 0.0f);
  for (int y = 0; y < src.Height(); ++y) {
    ReadPremultiplied(src, y, line);
    float* out = across.data() + size_t(y) * dw * 4;
    for (int x = 0; x < dw; ++x) {
      for (const Tap& t : columns[x]) {
        for (int k = 0; k < 4; ++k) out[4 * x + k] += line[4 * size_t(t.index) + k] * t.weight;
      }
    }
  }
  std::vector<float> result(size_t(dw) * 4);
  for (int y = 0; y < dh; ++y) {
    std::fill(result.begin(), result.end(), 0.0f);
    for (const Tap& t : rows[y]) {
      const float* in = across.data() + size_t(t.index) * dw * 4;
      for (int i = 0; i < dw * 4; ++i) result[i] += in[i] * t.weight;
    }
    for (int x = 0; x < dw; ++x) {
      float* p = result.data() + 4 * x;
      if (p[3] > 0.0f) {
        p[0] /= p[3];
        p[1] /= p[3];
        p[2] /= p[3];
      }
    }
    dst.SetRowFloat(y, result.data());
  }
}

}  // namespace host

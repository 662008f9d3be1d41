// How long finding the representative colours of a 12-megapixel picture
// takes (the work of `gxa-host presets extract` once the picture is
// decoded), beside a plain copy of the same pixels in the same run. Prints
// both, as medians of a few more runs, and the ratio.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "color/picturepalette.h"

namespace
{
using host::Bitmap;
using host::PicturePalette;

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
constexpr int kCount = 8;
constexpr double kTargetMs = 150.0;

// Smooth gradients under fine noise, so that most histogram cells are used
// as in a photograph.
const Bitmap& Picture()
{
  static const Bitmap picture = [] {
    Bitmap b(kWidth, kHeight);
    uint32_t state = 1;
    for (int y = 0; y < kHeight; ++y)
    {
      uint8_t* row = b.Row(y);
      for (int x = 0; x < kWidth; ++x)
      {
        state = state * 1664525u + 1013904223u;
        const int noise = static_cast<int>(state >> 28) - 8;
        row[3 * x] = static_cast<uint8_t>((x * 255 / kWidth + noise) & 0xFF);
        row[3 * x + 1] = static_cast<uint8_t>((y * 255 / kHeight + noise) & 0xFF);
        row[3 * x + 2] = static_cast<uint8_t>(((x + y) * 255 / (kWidth + kHeight) - noise) & 0xFF);
      }
    }
    return b;
  }();
  return picture;
}

void ExtractEightColours(benchmark::State& state)
{
  const Bitmap& picture = Picture();
  for (auto _ : state)
  {
    auto swatches = PicturePalette::Extract(picture, kCount);
    benchmark::DoNotOptimize(swatches.data());
  }
}
BENCHMARK(ExtractEightColours)->Unit(benchmark::kMillisecond);

void CopyOfThePicture(benchmark::State& state)
{
  const Bitmap& picture = Picture();
  const size_t rowBytes = static_cast<size_t>(picture.RowBytes());
  std::vector<uint8_t> copy(rowBytes * kHeight);
  for (auto _ : state)
  {
    for (int y = 0; y < kHeight; ++y)
      std::memcpy(copy.data() + y * rowBytes, picture.Row(y), rowBytes);
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(CopyOfThePicture)->Unit(benchmark::kMillisecond);

// The median of a few timed calls, in milliseconds, for the summary line.
template <typename Work>
double MedianMillis(Work work)
{
  std::vector<double> times;
  for (int i = 0; i < 7; ++i)
  {
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}
}  // namespace

int main(int argc, char** argv)
{
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  const Bitmap& picture = Picture();
  std::vector<uint8_t> copy(static_cast<size_t>(picture.RowBytes()) * kHeight);
  const double extract = MedianMillis([&] { benchmark::DoNotOptimize(PicturePalette::Extract(picture, kCount)); });
  const double copied = MedianMillis([&] {
    for (int y = 0; y < kHeight; ++y)
      std::memcpy(copy.data() + static_cast<size_t>(y) * picture.RowBytes(), picture.Row(y), picture.RowBytes());
    benchmark::ClobberMemory();
  });
  std::printf("12 MP picture: %d colours in %.1f ms, a copy of its pixels in %.1f ms: %.1f times\n", kCount, extract,
              copied, extract / copied);
  std::printf("target: within %.0f ms: %s\n", kTargetMs, extract <= kTargetMs ? "ok" : "OVER");
  return 0;
}

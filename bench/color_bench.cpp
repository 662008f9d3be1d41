// Costs of the colour conversions the chooser runs per pixel or per redraw.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "../tests/host_color/testprofiles.h"
#include "color/colorprofile.h"
#include "color/colorspacetransform.h"
#include "color/displayconversion.h"
#include "utils/colorconversions.h"
#include "utils/colortemperature.h"

namespace
{
constexpr int kSide = 580;  // a large wheel bitmap

std::vector<Vector> SampleColours()
{
  std::vector<Vector> colours;
  for (int i = 0; i < 1024; ++i)
    colours.emplace_back((i * 37 % 256) / 255.0, (i * 91 % 256) / 255.0, (i * 13 % 256) / 255.0);
  return colours;
}

host::DisplayConversion Conversion(const host::ColorProfile& source, const host::ColorProfile& display)
{
  std::string error;
  return *host::DisplayConversion::Create(source, display, error);
}

void BM_RgbToHsv(benchmark::State& state)
{
  const auto colours = SampleColours();
  size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(RgbToHsv(colours[i++ & 1023]));
}
BENCHMARK(BM_RgbToHsv);

void BM_HsvToRgb(benchmark::State& state)
{
  auto colours = SampleColours();
  for (auto& c : colours)
    c = RgbToHsv(c);
  size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(HsvToRgb(colours[i++ & 1023]));
}
BENCHMARK(BM_HsvToRgb);

void BM_KelvinToColor(benchmark::State& state)
{
  double kelvin = 1000;
  for (auto _ : state)
  {
    benchmark::DoNotOptimize(KelvinToColor(kelvin, 0.25));
    kelvin = kelvin > 10000 ? 1000 : kelvin + 7.3;
  }
}
BENCHMARK(BM_KelvinToColor);

void BM_TransformColorSpace(benchmark::State& state)
{
  const auto colours = SampleColours();
  size_t i = 0;
  double out[3];
  for (auto _ : state)
  {
    const Vector& c = colours[i++ & 1023];
    const double in[3] = {c.x, c.y, c.z};
    host::TransformColorSpace(1, in, out);
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(BM_TransformColorSpace);

void BM_DisplayConvertOneColour(benchmark::State& state)
{
  const auto conversion = Conversion(host::ColorProfile::LinearSrgb(), host::ColorProfile::Srgb());
  const auto colours = SampleColours();
  size_t i = 0;
  for (auto _ : state)
  {
    const Vector& c = colours[i++ & 1023];
    float rgb[3] = {float(c.x), float(c.y), float(c.z)};
    conversion.ConvertFloat(rgb, 1);
    benchmark::DoNotOptimize(rgb);
  }
}
BENCHMARK(BM_DisplayConvertOneColour);

// 580 x 580 RGBA bitmap. Arg 0: linear sRGB to an sRGB display; 1: sRGB to
// a wide-gamut display; 2: the same display described by colour tables (the
// general LittleCMS path); 3: same profile on both sides.
host::ColorProfile BitmapDisplay(int64_t which)
{
  if (which == 1)
    return testprofiles::WideGamut();
  return which == 2 ? testprofiles::WideGamutTables() : host::ColorProfile::Srgb();
}

void BM_BitmapConvert8(benchmark::State& state)
{
  const auto& source = state.range(0) == 0 ? host::ColorProfile::LinearSrgb() : host::ColorProfile::Srgb();
  const auto conversion = Conversion(source, BitmapDisplay(state.range(0)));
  std::vector<uint8_t> pixels(size_t(kSide) * kSide * 4);
  for (size_t i = 0; i < pixels.size(); ++i)
    pixels[i] = uint8_t(i * 2654435761u >> 13);
  std::vector<uint8_t> out(pixels.size());
  conversion.ConvertRgba8(pixels.data(), out.data(), 1);  // builds the transform outside the timing

  for (auto _ : state)
  {
    conversion.ConvertRgba8(pixels.data(), out.data(), size_t(kSide) * kSide);
    benchmark::ClobberMemory();
  }
  // Shown in seconds per pixel: "5.1n" is 5.1 ns.
  state.counters["per_pixel"] = benchmark::Counter(
      double(kSide) * kSide, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_BitmapConvert8)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();

// The wheel and spectrum drawing that runs per frame, at display scale 2
// (the largest, 290-pixel sizes: 580 x 580 pixels), through the module's
// own code drawing into the host's bitmaps; each beside a memcpy of the same
// bytes (580 x 580 RGBA), printed with its target and the ratio. The summary
// reads CPU time: on a shared machine the wall clock counts other work too.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>

#include "basebitmap.h"
#include "benchpage.h"
#include "colorwheel/colorwheel.h"
#include "spectrum/colorspectrumimage.h"

namespace
{
constexpr int kSize = 290;
constexpr int kScale = 2;
constexpr int kPixels = kSize * kScale;
constexpr std::size_t kBytes = std::size_t(kPixels) * kPixels * 4;

const bench::ModuleHostTables g_tables;

void Memcpy(benchmark::State& state)
{
  bench::CopyBytes(state, kBytes);
}
BENCHMARK(Memcpy)->Unit(benchmark::kMicrosecond);

void BareWheelRender(benchmark::State& state)
{
  ColorWheel wheel;
  BaseArray<ColorListEntry> none;
  double fixed = 0.9;
  (void)wheel.GenerateWheel(kSize, kScale, 50, 50, 50, none);
  for (auto _ : state)
  {
    // A new fixed component makes the cached wheel stale.
    fixed = fixed > 0.95 ? 0.9 : fixed + 0.001;
    wheel.SetFixedComponent(fixed);
    benchmark::DoNotOptimize(wheel.GenerateWheel(kSize, kScale, 50, 50, 50, none).IsOk());
  }
}
BENCHMARK(BareWheelRender)->Unit(benchmark::kMicrosecond);

void WheelWithSixHandles(benchmark::State& state)
{
  ColorWheel wheel;
  BaseArray<ColorListEntry> colors;
  for (int i = 0; i < 6; ++i)
  {
    ColorListEntry entry;
    entry.color = Vector(i / 6.0 + 0.02, 0.4 + 0.1 * (i % 3), 1.0);
    entry.selected = i % 2 == 0;
    (void)colors.Append(entry);
  }
  wheel.SetActiveHandle(0);
  (void)wheel.GenerateWheel(kSize, kScale, 50, 50, 50, colors);
  double hue = 0.0;
  for (auto _ : state)
  {
    // The main colour moves; the bare wheel stays cached.
    hue = hue > 0.9 ? 0.0 : hue + 0.01;
    colors[0].color.x = hue;
    benchmark::DoNotOptimize(wheel.GenerateWheel(kSize, kScale, 50, 50, 50, colors).IsOk());
  }
}
BENCHMARK(WheelWithSixHandles)->Unit(benchmark::kMicrosecond);

void SpectrumSquareRebuild(benchmark::State& state)
{
  ColorSpectrumImage image;
  double hue = 0.0;
  for (auto _ : state)
  {
    hue = hue > 0.99 ? 0.0 : hue + 0.003;
    benchmark::DoNotOptimize(image.Prepare(kPixels, 6 * kScale, hue, false).IsOk());
  }
}
BENCHMARK(SpectrumSquareRebuild)->Unit(benchmark::kMicrosecond);

void SpectrumMarkerStep(benchmark::State& state)
{
  ColorSpectrumImage image;
  (void)image.Prepare(kPixels, 6 * kScale, 0.3, false);
  (void)image.BuildMarker(11.0 * kScale, 2.0 * kScale);
  ColorSpectrumImage::Marker marker;
  marker.color = Vector(0.3, 0.6, 0.2);
  (void)image.Compose(marker, true);
  double x = 20;
  for (auto _ : state)
  {
    x = x > 550 ? 20 : x + 3;
    marker.centre = Vector(x, 600 - x, 0.0);
    benchmark::DoNotOptimize(image.Compose(marker, false).IsOk());
  }
}
BENCHMARK(SpectrumMarkerStep)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
  benchmark::Initialize(&argc, argv);
  bench::TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double floor = reporter.CpuNs("Memcpy");
  if (floor > 0)
  {
    const std::pair<const char*, double> targets[] = {{"BareWheelRender", 1500},
                                                      {"WheelWithSixHandles", 500},
                                                      {"SpectrumSquareRebuild", 700},
                                                      {"SpectrumMarkerStep", 300}};
    std::printf("\n%-24s %10s %10s %12s\n", "580 x 580 at scale 2", "cpu us", "target us", "x memcpy");
    std::printf("%-24s %10.1f %10s %12s\n", "memcpy of 580x580x4", floor / 1e3, "", "1.0");
    for (const auto& [name, target] : targets)
    {
      const double ns = reporter.CpuNs(name);
      if (ns > 0)
        std::printf("%-24s %10.1f %10.0f %12.1f\n", name, ns / 1e3, target, ns / floor);
    }
  }
  benchmark::Shutdown();
  return 0;
}

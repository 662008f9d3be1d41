// The wheel mode's per-step work at display scale 2, through the real host
// and the built module: one step of a handle drag (the input event, the
// harmony, the wheel, strip and slider redrawn, the frame composed and
// shown) and one step of the fixed-component slider (which renders the
// wheel afresh). The wheel is the large one (290, 580 x 580 pixels) with a
// six-colour Equi harmony. Beside them a memcpy of the wheel's pixels.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "benchpage.h"
#include "gui/widget.h"

namespace
{
using namespace host;

constexpr int kScale = 2;
constexpr int kSize = 290;
constexpr int kSteps = 40;
constexpr std::size_t kBytes = std::size_t(kSize * kScale) * (kSize * kScale) * 4;
constexpr std::int32_t kWheelArea = 0x3EA0001;
constexpr std::int32_t kSlider = 0x3EA0003;
constexpr std::int32_t kAdd = 0x3EA0015;
constexpr std::int32_t kEqui = 0x3EA0012;
constexpr double kPi = 3.141592653589793;

std::unique_ptr<AutomationHost> OpenWheel()
{
  host::Container prefs = bench::ModesOff(1);
  prefs.SetInt32(1120, 2);
  std::unique_ptr<AutomationHost> host = bench::StartHost("wheelmode_bench", kScale, prefs);
  ColorValue value;
  value.color = {0.9, 0.3, 0.2};
  if (!host || !bench::OpenChooser(*host, "a", value))
    return nullptr;
  for (int i = 0; i < 5; ++i)
    host->Input().Click(*host->FindGadget("a", kAdd), std::nullopt, 1, 0, false);
  host->Input().Click(*host->FindGadget("a", kEqui), std::nullopt, 1, 0, false);
  return host;
}

AutomationHost* Wheel()
{
  static std::unique_ptr<AutomationHost> host = OpenWheel();
  return host.get();
}

// A drag of the main handle round the wheel, kSteps moves per iteration.
void HandleDragStep(benchmark::State& state)
{
  AutomationHost* host = Wheel();
  Widget* wheel = host ? host->FindGadget("a", kWheelArea) : nullptr;
  if (!wheel)
  {
    state.SkipWithError("the wheel did not open");
    return;
  }
  // The main colour (hue 0.0139, full saturation) sits near the top.
  const double half = kSize / 2, radius = half - 6;
  std::vector<Point> path;
  for (int i = 0; i <= kSteps; ++i)
  {
    const double theta = 2.0 * kPi * (0.0139 + 0.2 * i / kSteps) - kPi;
    path.push_back(
        {int(std::lround(half + radius * std::sin(theta))), int(std::lround(half + radius * std::cos(theta)))});
  }
  std::vector<Point> back(path.rbegin(), path.rend());
  bool forward = true;
  for (auto _ : state)
  {
    host->Input().Drag(*wheel, forward ? path : back, 1, 0, false);
    forward = !forward;
  }
  state.SetItemsProcessed(state.iterations() * kSteps);
}
BENCHMARK(HandleDragStep)->Unit(benchmark::kMillisecond);

void SliderStep(benchmark::State& state)
{
  AutomationHost* host = Wheel();
  Widget* slider = host ? host->FindGadget("a", kSlider) : nullptr;
  if (!slider)
  {
    state.SkipWithError("the wheel did not open");
    return;
  }
  const int x = slider->Frame().w / 2, h = slider->Frame().h;
  std::vector<Point> path;
  for (int i = 0; i <= kSteps; ++i)
    path.push_back({x, 4 + (h / 2) * i / kSteps});
  for (auto _ : state)
    host->Input().Drag(*slider, path, 1, 0, false);
  state.SetItemsProcessed(state.iterations() * kSteps);
}
BENCHMARK(SliderStep)->Unit(benchmark::kMillisecond);

void MemcpyOfTheWheel(benchmark::State& state)
{
  bench::CopyBytes(state, kBytes);
}
BENCHMARK(MemcpyOfTheWheel)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
  benchmark::Initialize(&argc, argv);
  bench::TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double copy = reporter.CpuNs("MemcpyOfTheWheel");
  const auto line = [&](const char* name, const char* what, double target) {
    const double ns = reporter.CpuNs(name) / kSteps;
    if (ns > 0 && copy > 0)
      std::printf("%-34s %8.3f ms per step (target <= %.0f ms), memcpy of 580 x 580 RGBA %.3f ms, ratio %.1f\n", what,
                  ns / 1e6, target, copy / 1e6, ns / copy);
  };
  line("HandleDragStep", "handle drag step, scale 2, 290, 6 colours", 2.0);
  line("SliderStep", "fixed-component slider step", 3.0);
  benchmark::Shutdown();
  return 0;
}

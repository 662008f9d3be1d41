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
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "automation/automationhost.h"
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
  AutomationOptions options;
  options.module = GXA_MODULE_PATH;
  options.scale = kScale;
  options.prefs.SetInt32(1119, 1);
  options.prefs.SetInt32(1120, 2);
  for (const std::int32_t id : {1110, 1111, 1113, 1114, 1115, 1116, 1124, 1133})
    options.prefs.SetBool(id, false);
  auto created = AutomationHost::Create(options);
  if (!created.Ok())
  {
    std::fprintf(stderr, "wheelmode_bench: %s\n", created.Error().c_str());
    return nullptr;
  }
  std::unique_ptr<AutomationHost> host = std::move(created.Value());
  ParameterSpec spec;
  spec.key = "a";
  spec.settings.SetInt32(GXA_FOURCC('l', 'a', 'y', 'm'), 2);
  spec.settings.SetInt32(GXA_FOURCC('c', 'f', 'l', 'd'), 1);
  spec.objects.push_back({ColorValue{}, false});
  spec.objects.back().value.color = {0.9, 0.3, 0.2};
  if (!host->Open(std::move(spec)).Ok())
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

std::map<std::string, double> g_nanos;

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
  std::vector<std::uint8_t> from(kBytes, 7), to(kBytes);
  for (auto _ : state)
  {
    std::memcpy(to.data(), from.data(), kBytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(MemcpyOfTheWheel)->Unit(benchmark::kMicrosecond);

class Reporter : public benchmark::ConsoleReporter
{
public:
  void ReportRuns(const std::vector<Run>& runs) override
  {
    for (const Run& run : runs)
    {
      if (run.error_occurred || run.iterations == 0)
        continue;
      const double perIteration = run.GetAdjustedCPUTime() * (run.time_unit == benchmark::kMillisecond ? 1e6 : 1e3);
      const bool steps = run.benchmark_name() != "MemcpyOfTheWheel";
      g_nanos[run.benchmark_name()] = steps ? perIteration / kSteps : perIteration;
    }
    ConsoleReporter::ReportRuns(runs);
  }
};
}  // namespace

int main(int argc, char** argv)
{
  benchmark::Initialize(&argc, argv);
  Reporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double copy = g_nanos["MemcpyOfTheWheel"];
  const auto line = [copy](const char* name, const char* what, double target) {
    const double ns = g_nanos[name];
    if (ns > 0 && copy > 0)
      std::printf("%-34s %8.3f ms per step (target <= %.0f ms), memcpy of 580 x 580 RGBA %.3f ms, ratio %.1f\n", what,
                  ns / 1e6, target, copy / 1e6, ns / copy);
  };
  line("HandleDragStep", "handle drag step, scale 2, 290, 6 colours", 2.0);
  line("SliderStep", "fixed-component slider step", 3.0);
  benchmark::Shutdown();
  return 0;
}

// A full redraw of the demo page at display scale 2, through the real host:
// every gadget of the four choosers painted, the frame composed and shown.
// Beside it the floor, one flat fill of as many framebuffer pixels.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

#include "automation/automationhost.h"
#include "gui/layer.h"
#include "gui/screen.h"
#include "page/demopage.h"
#include "raster/canvas.h"

namespace
{
using namespace host;

constexpr int kScale = 2;

std::unique_ptr<AutomationHost> OpenDemoPage()
{
  AutomationOptions options;
  options.module = GXA_MODULE_PATH;
  options.scale = kScale;
  auto created = AutomationHost::Create(options);
  if (!created.Ok())
  {
    std::fprintf(stderr, "page_bench: %s\n", created.Error().c_str());
    return nullptr;
  }
  std::unique_ptr<AutomationHost> host = std::move(created.Value());
  for (ParameterSpec& spec : DemoPage::Parameters())
  {
    if (!host->Open(std::move(spec)).Ok())
      return nullptr;
  }
  return host;
}

AutomationHost* Page()
{
  static std::unique_ptr<AutomationHost> host = OpenDemoPage();
  return host.get();
}

double g_redrawNs = 0.0, g_fillNs = 0.0;

void FullRedraw(benchmark::State& state)
{
  AutomationHost* host = Page();
  if (!host || !host->GetScreen().WindowLayer())
  {
    state.SkipWithError("the demo page did not open");
    return;
  }
  Screen& screen = host->GetScreen();
  for (auto _ : state)
  {
    screen.WindowLayer()->SetFullRepaint(true);
    screen.Render();
  }
  const Framebuffer& frame = screen.Frame();
  state.counters["pixels"] = double(frame.Width()) * frame.Height();
}
BENCHMARK(FullRedraw)->Unit(benchmark::kMicrosecond);

void FlatFillOfTheFrame(benchmark::State& state)
{
  AutomationHost* host = Page();
  if (!host)
  {
    state.SkipWithError("the demo page did not open");
    return;
  }
  const Framebuffer& frame = host->GetScreen().Frame();
  Framebuffer fb(frame.LogicalWidth(), frame.LogicalHeight(), kScale);
  Canvas canvas(fb);
  uint8_t v = 0;
  for (auto _ : state)
  {
    canvas.Clear({v++, 80, 120});
    benchmark::DoNotOptimize(fb.Row(0)[0]);
  }
}
BENCHMARK(FlatFillOfTheFrame)->Unit(benchmark::kMicrosecond);

class Reporter : public benchmark::ConsoleReporter
{
public:
  void ReportRuns(const std::vector<Run>& runs) override
  {
    for (const Run& run : runs)
    {
      if (run.error_occurred || run.iterations == 0)
        continue;
      const double ns = run.GetAdjustedRealTime() * 1e3;  // microsecond runs
      if (run.benchmark_name() == "FullRedraw")
        g_redrawNs = ns;
      else if (run.benchmark_name() == "FlatFillOfTheFrame")
        g_fillNs = ns;
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
  if (g_redrawNs > 0 && g_fillNs > 0)
  {
    const Framebuffer& frame = Page()->GetScreen().Frame();
    std::printf("demo page at scale 2 (%d x %d physical): full redraw %.1f us, flat fill %.1f us, ratio %.1f\n",
                frame.Width(), frame.Height(), g_redrawNs / 1e3, g_fillNs / 1e3, g_redrawNs / g_fillNs);
  }
  benchmark::Shutdown();
  return 0;
}

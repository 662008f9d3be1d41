// A full redraw of the demo page at display scale 2, through the real host:
// every gadget of the four choosers painted, the frame composed and shown.
// Beside it the floor, one flat fill of as many framebuffer pixels.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

#include "benchpage.h"
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
  std::unique_ptr<AutomationHost> host = bench::StartHost("page_bench", kScale);
  if (!host)
    return nullptr;
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

}  // namespace

int main(int argc, char** argv)
{
  benchmark::Initialize(&argc, argv);
  bench::TimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double redrawNs = reporter.RealNs("FullRedraw"), fillNs = reporter.RealNs("FlatFillOfTheFrame");
  if (redrawNs > 0 && fillNs > 0)
  {
    const Framebuffer& frame = Page()->GetScreen().Frame();
    std::printf("demo page at scale 2 (%d x %d physical): full redraw %.1f us, flat fill %.1f us, ratio %.1f\n",
                frame.Width(), frame.Height(), redrawNs / 1e3, fillNs / 1e3, redrawNs / fillNs);
  }
  benchmark::Shutdown();
  return 0;
}

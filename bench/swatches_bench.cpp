// The swatches area through the real host at display scale 2: 2,000 swatches
// in 20 groups, cells of 14 pixels, the area about 400 logical pixels wide.
// A redraw of its visible part (painted, composed, shown), and a click that
// moves the selection until it is shown again; the click saves the data, so
// the save alone is measured beside it. The floor: copying the area's
// visible pixels once.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "automation/automationhost.h"
#include "core/fourcc.h"
#include "core/host.h"
#include "gui/screen.h"
#include "gui/widget.h"
#include "gxa_api.h"
#include "page/colorvalue.h"
#include "page/parameterspec.h"

namespace
{
using namespace host;

constexpr int kScale = 2;
constexpr int kGroups = 20;
constexpr int kPerGroup = 100;
constexpr int32_t kArea = 0x3F10005;

const GxaSwatchDataTable* SwatchData(Host& h)
{
  return static_cast<const GxaSwatchDataTable*>(
      h.Registrations().FindLibrary(GXA_LIB_SWATCHDATA, 1000, sizeof(GxaSwatchDataTable)));
}

// 20 global groups of 100 swatches, saved before the chooser opens.
bool StoreSwatches(Host& h)
{
  const GxaSwatchDataTable* data = SwatchData(h);
  if (!data)
    return false;
  GxaSwatchData* loaded = data->load(reinterpret_cast<GxaDocument*>(h.ActiveDocument()), true);
  std::vector<double> rgba;
  for (int i = 0; i < kPerGroup; ++i)
  {
    const double t = i / double(kPerGroup);
    rgba.insert(rgba.end(), {t, 1.0 - t, std::fmod(t * 7.0, 1.0), 1.0});
  }
  bool ok = true;
  for (int g = 0; g < kGroups; ++g)
  {
    const std::string name = "Group " + std::to_string(g + 1);
    ok = data->create_group(loaded, 0, name.c_str(), false, data->group_count(loaded, 0), rgba.data(), kPerGroup) && ok;
  }
  ok = data->save(loaded, reinterpret_cast<GxaDocument*>(h.ActiveDocument()), true) && ok;
  data->free(&loaded);
  return ok;
}

std::unique_ptr<AutomationHost> OpenSwatches()
{
  AutomationOptions options;
  options.module = GXA_MODULE_PATH;
  options.scale = kScale;
  options.width = 453;  // the area then gets 400
  options.prefs.SetInt32(1119, 0);
  for (int32_t id : {1110, 1111, 1113, 1114, 1115, 1124, 1133})
    options.prefs.SetBool(id, false);
  options.prefs.SetBool(1116, true);
  options.prefs.SetBool(1117, true);
  options.prefs.SetInt32(1118, 0);
  auto created = AutomationHost::Create(options);
  if (!created.Ok() || !StoreSwatches(created.Value()->GetHost()))
  {
    std::fprintf(stderr, "swatches_bench: the host did not start\n");
    return nullptr;
  }
  std::unique_ptr<AutomationHost> host = std::move(created.Value());
  ParameterSpec spec;
  spec.key = "a";
  spec.settings.SetInt32(FourCC("cfld"), 1);
  spec.ShowExpanded();
  spec.objects.push_back({ColorValue{}, false});
  if (!host->Open(std::move(spec)).Ok() || !host->FindGadget("a", kArea))
    return nullptr;
  return host;
}

AutomationHost* Page()
{
  static std::unique_ptr<AutomationHost> host = OpenSwatches();
  return host.get();
}

double g_redrawNs = 0, g_clickNs = 0, g_saveNs = 0, g_copyNs = 0;
int g_width = 0, g_visible = 0;

void RedrawVisiblePart(benchmark::State& state)
{
  AutomationHost* host = Page();
  if (!host)
  {
    state.SkipWithError("the swatches did not open");
    return;
  }
  Widget* area = host->FindGadget("a", kArea);
  Screen& screen = host->GetScreen();
  screen.Render();
  for (auto _ : state)
  {
    area->Invalidate();
    screen.Render();
  }
  g_width = area->Frame().w;
}
BENCHMARK(RedrawVisiblePart)->Unit(benchmark::kMicrosecond);

void ClickToRedrawn(benchmark::State& state)
{
  AutomationHost* host = Page();
  if (!host)
  {
    state.SkipWithError("the swatches did not open");
    return;
  }
  Widget* area = host->FindGadget("a", kArea);
  Screen& screen = host->GetScreen();
  int i = 0;
  for (auto _ : state)
  {
    // Alternate between two cells of the first group's first row.
    host->Input().Click(*area, Point{1 + 15 * (i++ % 2) + 7, 30}, 1, 0, false);
    screen.Render();
  }
}
BENCHMARK(ClickToRedrawn)->Unit(benchmark::kMicrosecond);

void SaveAfterAClick(benchmark::State& state)
{
  AutomationHost* host = Page();
  if (!host)
  {
    state.SkipWithError("the swatches did not open");
    return;
  }
  Host& h = host->GetHost();
  const GxaSwatchDataTable* data = SwatchData(h);
  GxaSwatchData* loaded = data->load(reinterpret_cast<GxaDocument*>(h.ActiveDocument()), true);
  for (auto _ : state)
    data->save(loaded, reinterpret_cast<GxaDocument*>(h.ActiveDocument()), true);
  data->free(&loaded);
}
BENCHMARK(SaveAfterAClick)->Unit(benchmark::kMicrosecond);

void CopyOfTheVisiblePixels(benchmark::State& state)
{
  AutomationHost* host = Page();
  if (!host)
  {
    state.SkipWithError("the swatches did not open");
    return;
  }
  // The part of the area the scroll group shows, in physical pixels.
  const Rect shown = host->FindGadget("a", kArea)->VisibleFrame();
  g_visible = shown.h;
  const size_t bytes = size_t(shown.w * kScale) * size_t(shown.h * kScale) * 4;
  std::vector<unsigned char> from(bytes, 7), to(bytes);
  for (auto _ : state)
  {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
  }
}
BENCHMARK(CopyOfTheVisiblePixels)->Unit(benchmark::kMicrosecond);

class Reporter : public benchmark::ConsoleReporter
{
public:
  void ReportRuns(const std::vector<Run>& runs) override
  {
    for (const Run& run : runs)
    {
      if (run.error_occurred || run.iterations == 0)
        continue;
      const double ns = run.GetAdjustedRealTime() * 1e3;
      const std::string name = run.benchmark_name();
      if (name == "RedrawVisiblePart")
        g_redrawNs = ns;
      else if (name == "ClickToRedrawn")
        g_clickNs = ns;
      else if (name == "SaveAfterAClick")
        g_saveNs = ns;
      else if (name == "CopyOfTheVisiblePixels")
        g_copyNs = ns;
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
  if (g_redrawNs > 0 && g_copyNs > 0)
    std::printf(
        "swatches area %d px wide, %d px shown, 2000 swatches at scale 2: redraw %.2f ms (target 4), "
        "copy of its pixels %.3f ms, ratio %.1f\n",
        g_width, g_visible, g_redrawNs / 1e6, g_copyNs / 1e6, g_redrawNs / g_copyNs);
  if (g_clickNs > 0)
    std::printf("click to redrawn %.2f ms, of which the save %.2f ms: %.2f ms without it (target 1)\n", g_clickNs / 1e6,
                g_saveNs / 1e6, (g_clickNs - g_saveNs) / 1e6);
  benchmark::Shutdown();
  return 0;
}

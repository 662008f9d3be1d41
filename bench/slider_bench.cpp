// How long one step of a hue-slider drag takes until every gadget it touches
// is redrawn, through the real host at display scale 2 with the RGB, HSV,
// hex, alpha, Kelvin and mixer panels shown; and beside it the time to write
// as many framebuffer pixels with one flat fill. Prints both and the ratio.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "automation/automationhost.h"
#include "gui/dialog.h"
#include "gui/screen.h"
#include "gui/widget.h"
#include "raster/canvas.h"

namespace
{
using namespace host;

constexpr int32_t kHueSlider = 0x3EE0004;
constexpr int kScale = 2;
constexpr int kStepsPerDrag = 64;
constexpr double kTargetStepUs = 1000.0;

constexpr int32_t Code(char a, char b, char c, char d)
{
  return static_cast<int32_t>((uint32_t(a) << 24) | (uint32_t(b) << 16) | (uint32_t(c) << 8) | uint32_t(d));
}

// The chooser with every slider panel, on a host at scale 2.
class SliderPage
{
public:
  SliderPage()
  {
    AutomationOptions options;
    options.module = GXA_MODULE_PATH;
    options.scale = kScale;
    options.prefs.SetInt32(1119, 0);
    for (const int32_t id : {1116, 1124})
      options.prefs.SetBool(id, false);
    for (const int32_t id : {1110, 1111, 1113, 1114, 1115, 1133})
      options.prefs.SetBool(id, true);
    auto created = AutomationHost::Create(options);
    if (!created.Ok())
    {
      std::fprintf(stderr, "slider_bench: %s\n", created.Error().c_str());
      return;
    }
    host_ = std::move(created.Value());
    ParameterSpec spec;
    spec.key = "c";
    spec.settings.SetInt32(Code('r', 'e', 't', 'T'), 0);
    spec.settings.SetInt32(Code('a', 'c', 'o', 'l'), 1);
    spec.settings.SetInt32(Code('l', 'a', 'y', 'm'), 2);
    ColorValue value;
    value.form = ColorForm::ColorAlpha;
    value.color = {0.85, 0.45, 0.2};
    value.alpha = 0.6;
    spec.objects.push_back({value, false});
    if (!host_->Open(std::move(spec)).Ok())
      host_.reset();
  }

  bool Ready() const { return host_ && host_->FindGadget("c", kHueSlider); }
  AutomationHost& Host() { return *host_; }
  Widget& HueSlider() { return *host_->FindGadget("c", kHueSlider); }

  // Physical pixels of the leaf gadgets that one hue change marks for
  // redrawing: the slider's message goes to the chooser as a drag step would
  // send it, and the dirty gadgets are counted before the host composes.
  int64_t PixelsRedrawnPerStep()
  {
    host_->GetScreen().Render();
    Container msg(GXA_MSG_ACTION);
    msg.SetInt32(GXA_MSG_ID, kHueSlider);
    msg.SetFloat(GXA_MSG_VALUE, 0.3);
    msg.SetInt32(GXA_MSG_DRAG, 1);
    Container result;
    host_->Chooser("c")->Message(msg, result);
    const int64_t pixels = DirtyPixels(host_->Chooser("c")->Root());
    host_->GetScreen().Render();
    return pixels;
  }

private:
  static int64_t DirtyPixels(Widget& w)
  {
    if (w.ChildCount() == 0)
      return w.IsDirty() && w.IsShown() ? int64_t(w.Frame().w) * w.Frame().h * kScale * kScale : 0;
    int64_t sum = 0;
    for (size_t i = 0; i < w.ChildCount(); ++i)
      sum += DirtyPixels(*w.ChildAt(i));
    return sum;
  }

  std::unique_ptr<AutomationHost> host_;
};

SliderPage& Page()
{
  static SliderPage page;
  return page;
}

// Real and CPU nanoseconds per drag step or per fill, by benchmark name.
struct Timing
{
  double real = 0.0;
  double cpu = 0.0;
};
std::map<std::string, Timing> g_perStep;

void HueDragStep(benchmark::State& state)
{
  if (!Page().Ready())
  {
    state.SkipWithError("the chooser did not open");
    return;
  }
  Widget& slider = Page().HueSlider();
  const int width = slider.Frame().w;
  // Back and forth across the bar so that every step moves the hue.
  std::vector<Point> path;
  for (int i = 0; i <= kStepsPerDrag; ++i)
    path.push_back({2 + (i % 2 == 0 ? i : kStepsPerDrag - i) * (width - 4) / kStepsPerDrag, 10});
  for (auto _ : state)
  {
    Page().Host().Input().Drag(slider, path, 1, 0, false);
    Page().Host().GetScreen().Render();
  }
  state.counters["step"] =
      benchmark::Counter(kStepsPerDrag, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(HueDragStep)->Unit(benchmark::kMicrosecond);

void FlatFillOfTheSamePixels(benchmark::State& state)
{
  if (!Page().Ready())
  {
    state.SkipWithError("the chooser did not open");
    return;
  }
  const int64_t pixels = Page().PixelsRedrawnPerStep();
  const Framebuffer& screen = Page().Host().GetScreen().Frame();
  Framebuffer fb(screen.LogicalWidth(), screen.LogicalHeight(), kScale);
  Canvas canvas(fb);
  // One rectangle of the same pixel count, a whole number of physical rows.
  const int rows = static_cast<int>((pixels + fb.Width() - 1) / fb.Width());
  uint8_t v = 0;
  for (auto _ : state)
  {
    canvas.FillRect({0, 0, fb.LogicalWidth(), (rows + kScale - 1) / kScale}, {v++, 80, 120});
    benchmark::DoNotOptimize(fb.Row(0)[0]);
  }
  state.counters["pixels"] = static_cast<double>(pixels);
}
BENCHMARK(FlatFillOfTheSamePixels)->Unit(benchmark::kMicrosecond);

// Keeps the real time per step of each run, for the ratio.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
  void ReportRuns(const std::vector<Run>& runs) override
  {
    for (const Run& run : runs)
    {
      // With repetitions the median of each stands for it.
      const bool aggregate = run.run_type == Run::RT_Aggregate;
      if (run.error_occurred || run.iterations == 0 || (aggregate && run.aggregate_name != "median"))
        continue;
      const std::string name = run.run_name.str();
      const double per = ToNanos(run.time_unit) / (name.rfind("HueDragStep", 0) == 0 ? kStepsPerDrag : 1);
      g_perStep[name] = {run.GetAdjustedRealTime() * per, run.GetAdjustedCPUTime() * per};
    }
    ConsoleReporter::ReportRuns(runs);
  }

private:
  static double ToNanos(benchmark::TimeUnit unit)
  {
    switch (unit)
    {
      case benchmark::kSecond: return 1e9;
      case benchmark::kMillisecond: return 1e6;
      case benchmark::kMicrosecond: return 1e3;
      default: return 1.0;
    }
  }
};
}  // namespace

int main(int argc, char** argv)
{
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const auto step = g_perStep.find("HueDragStep");
  const auto fill = g_perStep.find("FlatFillOfTheSamePixels");
  if (step != g_perStep.end() && fill != g_perStep.end() && fill->second.real > 0 && fill->second.cpu > 0)
  {
    const Timing s = step->second, f = fill->second;
    std::printf("                                        real        cpu\n");
    std::printf("hue drag step to every gadget redrawn: %8.1f us %8.1f us\n", s.real / 1e3, s.cpu / 1e3);
    std::printf("flat fill of the same pixels:          %8.1f us %8.1f us\n", f.real / 1e3, f.cpu / 1e3);
    std::printf("ratio:                                 %8.1f    %8.1f\n", s.real / f.real, s.cpu / f.cpu);
    std::printf("target: a step within %.0f us: %s\n", kTargetStepUs, s.real / 1e3 <= kTargetStepUs ? "ok" : "OVER");
  }
  benchmark::Shutdown();
  return 0;
}

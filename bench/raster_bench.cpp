// Raster timings, each blit printed beside its floor (a memcpy of the bytes
// it writes) and the ratio the host must stay under; `raster_bench --sheet
// FILE.png` instead writes a contact sheet of every icon and some text, to
// look at the drawing by eye.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "raster/canvas.h"
#include "raster/iconlibrary.h"
#include "raster/interfacecolors.h"

namespace
{

using namespace host;

void FlatFill(benchmark::State& state)
{
  Framebuffer fb(1000, 1000);
  Canvas canvas(fb);
  uint8_t v = 0;
  for (auto _ : state)
  {
    canvas.FillRect({0, 0, 1000, 1000}, {v, 80, 120});
    benchmark::DoNotOptimize(fb.Row(500)[500]);
    ++v;
  }
  state.SetItemsProcessed(state.iterations() * 1000 * 1000);
}
BENCHMARK(FlatFill);

Bitmap Gradient(int side, int depth, bool alphaChannel)
{
  Bitmap b(side, side, depth);
  if (alphaChannel)
    b.AddAlphaChannel();
  for (int y = 0; y < side; ++y)
  {
    for (int x = 0; x < side; ++x)
      b.SetPixel(x, y, {uint8_t(x), uint8_t(y), 128, uint8_t(x ^ y)});
  }
  return b;
}

void Blit(benchmark::State& state)
{
  const int flags = int(state.range(0));
  const Bitmap bitmap = Gradient(580, 24, true);
  Framebuffer fb(600, 600);
  Canvas canvas(fb);
  for (auto _ : state)
  {
    canvas.DrawBitmap(bitmap, {10, 10, 580, 580}, std::nullopt, flags);
    benchmark::DoNotOptimize(fb.Row(300)[300]);
  }
  state.SetItemsProcessed(state.iterations() * 580 * 580);
}
BENCHMARK(Blit)->Arg(0)->Arg(kBlitAlpha);

// Smooth and nearest, opaque and through the bitmap's alpha channel.
void BlitScaled(benchmark::State& state)
{
  const int flags = int(state.range(0));
  const Bitmap bitmap = Gradient(580, 24, (flags & kBlitAlpha) != 0);
  Framebuffer fb(400, 400);
  Canvas canvas(fb);
  for (auto _ : state)
  {
    canvas.DrawBitmap(bitmap, {0, 0, 400, 400}, std::nullopt, flags);
    benchmark::DoNotOptimize(fb.Row(200)[200]);
  }
  state.SetItemsProcessed(state.iterations() * 400 * 400);
}
BENCHMARK(BlitScaled)->Arg(0)->Arg(kBlitAlpha)->Arg(kBlitNearest)->Arg(kBlitNearest | kBlitAlpha);

// The floor: copying the bytes a blit of side x side writes.
void Memcpy(benchmark::State& state)
{
  const size_t bytes = size_t(state.range(0)) * size_t(state.range(0)) * 4;
  std::vector<uint8_t> from(bytes, 1), to(bytes);
  for (auto _ : state)
  {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
BENCHMARK(Memcpy)->Arg(580)->Arg(400);

void Text(benchmark::State& state)
{
  Framebuffer fb(400, 40, int(state.range(0)));
  Canvas canvas(fb);
  for (auto _ : state)
  {
    canvas.DrawText("Hue 212.5° Saturation 48 % Value 91 %", 4, 4, {230, 230, 230});
    benchmark::DoNotOptimize(fb.Row(10)[10]);
  }
}
BENCHMARK(Text)->Arg(1)->Arg(2);

void IconRender(benchmark::State& state)
{
  for (auto _ : state)
  {
    IconLibrary library;
    benchmark::DoNotOptimize(library.Get(1033878, 2));
  }
}
BENCHMARK(IconRender);

// One panel per theme: each icon at 1x and, beside it, its 2x bitmap.
void DrawSheetPanel(Canvas& canvas, int left, InterfaceColors::Theme theme)
{
  const InterfaceColors colors(theme);
  const Rgba bg = colors.GetOr(InterfaceColors::kBackground, {});
  const Rgba text = colors.GetOr(InterfaceColors::kText, {});
  canvas.FillRect({left, 0, 560, canvas.Target().LogicalHeight()}, bg);
  canvas.DrawText(theme == InterfaceColors::Theme::Dark ? "Dark theme" : "Light theme", left + 10, 8, text, kTextLeft,
                  {14, true});
  canvas.DrawText("The quick brown fox jumps over the lazy dog 0123456789", left + 10, 30, text);
  canvas.DrawText("Grün, Größe, Ω, ∆E · disabled", left + 10, 46, colors.GetOr(InterfaceColors::kTextDisabled, {}));

  IconLibrary& library = IconLibrary::Shared();
  std::vector<int> ids = library.Ids();
  auto order = [&](int id) {
    IconSymbol symbol{};
    IconLibrary::Look look{};
    library.Describe(id, symbol, look);
    return std::make_tuple(int(symbol), int(look));
  };
  std::sort(ids.begin(), ids.end(), [&](int a, int b) { return order(a) < order(b); });
  int x = left + 10, y = 72;
  for (int id : ids)
  {
    const auto one = library.Get(id, 1);
    const auto two = library.Get(id, 2);
    const int side = library.LogicalSize(id);
    canvas.DrawBitmap(*one, {x, y + side / 2, side, side}, std::nullopt, kBlitAlpha);
    canvas.DrawBitmap(*two, {x + side + 4, y, 2 * side, 2 * side}, std::nullopt, kBlitAlpha);
    canvas.DrawText(std::to_string(id), x, y + 48, text, kTextLeft, {9, false});
    x += 78;
    if (x + 78 > left + 560)
    {
      x = left + 10;
      y += 66;
    }
  }
}

// A mock chooser strip at display scale 2: icons, text, frames and lines.
Bitmap ScaleTwoStrip(InterfaceColors::Theme theme)
{
  const InterfaceColors colors(theme);
  auto color = [&](int id) { return colors.GetOr(id, {}); };
  Framebuffer fb(560, 60, 2);
  Canvas canvas(fb);
  canvas.Clear(color(InterfaceColors::kBackground));
  const bool dark = theme == InterfaceColors::Theme::Dark;
  const int row[][3] = {{1035588, 1035590, 1035589}, {1033878, 1033992, 1033489}, {1033879, 1033993, 1033490},
                        {1033880, 1033994, 1033491}, {1033881, 1033995, 1033492}, {1033882, 1033996, 1033493},
                        {1033884, 1033997, 1033494}, {1033883, 1033998, 1033495}, {1040584, 1040586, 1040585},
                        {1040587, 1040589, 1040588}, {1033885, 1033999, 1033496}, {1040830, 1040831, 1040832},
                        {1033886, 1034000, 1033497}};
  int x = 8;
  for (size_t i = 0; i < std::size(row); ++i)
  {
    const bool on = i == 1 || i == 4 || i == 5 || i == 12;
    const int id = on ? row[i][0] : dark ? row[i][1] : row[i][2];
    canvas.DrawBitmap(*IconLibrary::Shared().Get(id, 2), {x, 6, 22, 22}, std::nullopt, kBlitAlpha);
    x += 22 + (i == 0 || i == 3 || i == 10 ? 25 : 6);
  }
  canvas.FillRect({8, 34, 60, 20}, {230, 120, 40});
  canvas.DrawBorder({8, 34, 60, 20}, BorderStyle::Thin, color(InterfaceColors::kBorderLight),
                    color(InterfaceColors::kBorderDark));
  canvas.DrawText("Scale 2: Hue 212.5°  S 48 %  V 91 %", 80, 44, color(InterfaceColors::kText), kTextVCenter);
  canvas.DrawLine(330, 36, 420, 52, color(InterfaceColors::kText));
  canvas.DrawLine(430, 44, 540, 44, color(InterfaceColors::kSelectionFrame));
  canvas.DrawBitmap(*IconLibrary::Shared().Get(1033878, 2), {520, 6, 22, 22}, std::nullopt, kBlitAlpha | kBlitDisabled);
  return fb.ToBitmap();
}

int WriteSheet(const char* file)
{
  Framebuffer fb(1120, 820);
  Canvas canvas(fb);
  DrawSheetPanel(canvas, 0, InterfaceColors::Theme::Dark);
  DrawSheetPanel(canvas, 560, InterfaceColors::Theme::Light);
  canvas.DrawBitmap(ScaleTwoStrip(InterfaceColors::Theme::Dark), {0, 700, 1120, 120});
  std::string error;
  if (!fb.SavePng(file, error))
  {
    std::cerr << error << "\n";
    return 1;
  }
  return 0;
}

// Keeps the processor time of each run for the table of ratios: on a
// machine shared with other work the wall clock says more about the others.
// With repetitions the median of each stands for it.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
  void ReportRuns(const std::vector<Run>& runs) override
  {
    for (const Run& run : runs)
    {
      const bool aggregate = run.run_type == Run::RT_Aggregate;
      if (run.error_occurred || run.iterations <= 0 || (aggregate && run.aggregate_name != "median"))
        continue;
      cpuNs_[run.run_name.str()] = run.GetAdjustedCPUTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintRatios() const
  {
    struct Row
    {
      const char* label;
      const char* figure;
      const char* floor;
      double most;
    };
    const Row rows[] = {{"opaque blit 580x580", "Blit/0", "Memcpy/580", 2.0},
                        {"alpha blit 580x580", "Blit/512", "Memcpy/580", 7.0},
                        {"scaled blit 580x580 to 400x400", "BlitScaled/0", "Memcpy/400", 10.0},
                        {"  the same through alpha", "BlitScaled/512", "Memcpy/400", 10.0},
                        {"  the same, nearest", "BlitScaled/131072", "Memcpy/400", 10.0},
                        {"  the same, nearest through alpha", "BlitScaled/131584", "Memcpy/400", 10.0}};
    std::printf("\nprocessor time  %16s %10s %10s %7s %7s\n", "", "us", "memcpy us", "ratio", "target");
    for (const Row& row : rows)
    {
      const auto figure = cpuNs_.find(row.figure), floor = cpuNs_.find(row.floor);
      if (figure == cpuNs_.end() || floor == cpuNs_.end() || floor->second <= 0)
        continue;
      const double ratio = figure->second / floor->second;
      std::printf("%-32s %10.1f %10.1f %7.2f %5s%.0f %s\n", row.label, figure->second / 1e3, floor->second / 1e3, ratio,
                  "<= ", row.most, ratio <= row.most ? "ok" : "OVER");
    }
  }

private:
  std::map<std::string, double> cpuNs_;
};

}  // namespace

int main(int argc, char** argv)
{
  if (argc == 3 && std::strcmp(argv[1], "--sheet") == 0)
    return WriteSheet(argv[2]);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}

// The preset library at the size a long-time user reaches: 1,000 swatch
// presets of 256 colours with their 512 x 512 thumbnails. Measures listing
// them (names and kinds) by `gxa-host presets list` in a fresh process, and
// beside it the same process listing an empty library (the floor: starting
// the program) and the listing alone in this process; then storing one
// preset with its thumbnail, flushed to disk, beside a bare write+fsync of
// as many bytes.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "presets/presetitemcodec.h"
#include "presets/presetlibrary.h"

extern char** environ;

namespace
{

using namespace host;
namespace fs = std::filesystem;

constexpr int kPresets = 1000;
constexpr int kColors = 256;

// A preset as the module stores it: deflated swatch records (about half
// their size) and a 16 x 16 grid of cells on grey.
PresetItem SwatchPreset(std::mt19937& rng)
{
  PresetItem item;
  item.header.type = 1032074;
  item.header.data_kind = 2;
  item.header.uncompressed_size = kColors * 40 + 64;
  item.data.resize(kColors * 20);
  for (auto& b : item.data)
    b = uint8_t(rng());
  item.thumbnail = {512, 512, std::vector<uint8_t>(512 * 512 * 3, 100)};
  for (int cell = 0; cell < kColors; ++cell)
  {
    const uint8_t rgb[3] = {uint8_t(rng()), uint8_t(rng()), uint8_t(rng())};
    for (int y = cell / 16 * 32 + 2; y < cell / 16 * 32 + 30; ++y)
    {
      for (int x = cell % 16 * 32 + 2; x < cell % 16 * 32 + 30; ++x)
      {
        std::copy(rgb, rgb + 3, &item.thumbnail.rgb[size_t(y * 512 + x) * 3]);
      }
    }
  }
  return item;
}

class Homes
{
public:
  Homes()
  {
    char pattern[] = "/tmp/gxa-bench-XXXXXX";
    root_ = ::mkdtemp(pattern);
    fs::create_directories(Empty());
    PresetLibrary lib(Full() / "data/gxa-host");
    std::mt19937 rng(1032074);
    const PresetItem item = SwatchPreset(rng);
    for (int i = 0; i < kPresets; ++i)
    {
      auto url = PresetUrl::Parse("preset:/user.libvx/Color Swatches/Palette " + std::to_string(i)).Value();
      if (!lib.Write(url, item, false))
        std::fprintf(stderr, "presetlibrary_bench: cannot fill %s\n", root_.c_str());
    }
  }
  ~Homes() { fs::remove_all(root_); }
  fs::path Full() const { return root_ / "full"; }
  fs::path Empty() const { return root_ / "empty"; }
  const fs::path& Root() const { return root_; }

private:
  fs::path root_;
};

Homes& Shared()
{
  static Homes homes;
  return homes;
}

// Runs `gxa-host presets list --home home` with its output thrown away;
// adds the process's own processor time (user and system) to cpu_ms, the
// figure that a machine busy with other work does not inflate.
bool ListInFreshProcess(const fs::path& home, double& cpu_ms)
{
  std::string exe = GXA_HOST_EXE, verb = "presets", list = "list", opt = "--home", dir = home.string();
  char* argv[] = {exe.data(), verb.data(), list.data(), opt.data(), dir.data(), nullptr};
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const bool started = posix_spawn(&pid, exe.c_str(), &files, nullptr, argv, environ) == 0;
  posix_spawn_file_actions_destroy(&files);
  int status = 0;
  struct rusage usage
  {};
  if (!started || wait4(pid, &status, 0, &usage) != pid)
    return false;
  auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
  cpu_ms += ms(usage.ru_utime) + ms(usage.ru_stime);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void ListInFreshProcesses(benchmark::State& state, const fs::path& home)
{
  double cpu_ms = 0;
  for (auto _ : state)
  {
    if (!ListInFreshProcess(home, cpu_ms))
      state.SkipWithError("gxa-host presets list failed");
  }
  state.counters["child_cpu_ms"] = benchmark::Counter(cpu_ms, benchmark::Counter::kAvgIterations);
}

void ListThousandPresetsInFreshProcess(benchmark::State& state)
{
  ListInFreshProcesses(state, Shared().Full());
}
BENCHMARK(ListThousandPresetsInFreshProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void ListEmptyLibraryInFreshProcess(benchmark::State& state)
{
  ListInFreshProcesses(state, Shared().Empty());
}
BENCHMARK(ListEmptyLibraryInFreshProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void ListThousandPresetsInProcess(benchmark::State& state)
{
  PresetLibrary lib(Shared().Full() / "data/gxa-host");
  for (auto _ : state)
  {
    auto listing = lib.ListAll();
    if (listing.items.size() != kPresets)
      state.SkipWithError("not every preset was listed");
    benchmark::DoNotOptimize(listing);
  }
}
BENCHMARK(ListThousandPresetsInProcess)->Unit(benchmark::kMillisecond);

void StorePresetWithThumbnail(benchmark::State& state)
{
  PresetLibrary lib(Shared().Root() / "store");
  std::mt19937 rng(7);
  const PresetItem item = SwatchPreset(rng);
  const auto url = PresetUrl::Parse("preset:/user.libvx/Color Swatches/Saved").Value();
  for (auto _ : state)
  {
    if (!lib.Write(url, item, true))
      state.SkipWithError("the preset was not stored");
  }
  state.counters["file_bytes"] = double(fs::file_size(url.ItemPath(Shared().Root() / "store")));
}
BENCHMARK(StorePresetWithThumbnail)->Unit(benchmark::kMillisecond)->UseRealTime();

void WriteAndFlushTheSameBytes(benchmark::State& state)
{
  const fs::path file = Shared().Root() / "floor.bin";
  std::mt19937 rng(7);
  const std::vector<uint8_t> bytes = PresetItemCodec::Write(SwatchPreset(rng));
  for (auto _ : state)
  {
    int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
    ::fsync(fd);
    ::close(fd);
  }
}
BENCHMARK(WriteAndFlushTheSameBytes)->Unit(benchmark::kMillisecond)->UseRealTime();

struct Figure
{
  double real_ms = 0;
  double cpu_ms = 0;  // this process's, or the listed process's where it ran one
};
std::map<std::string, Figure> g_figures;

class FigureReporter : public benchmark::ConsoleReporter
{
public:
  void ReportRuns(const std::vector<Run>& runs) override
  {
    for (const Run& run : runs)
    {
      if (run.error_occurred || run.iterations == 0)
        continue;
      auto child = run.counters.find("child_cpu_ms");
      g_figures[run.benchmark_name()] = {
          run.GetAdjustedRealTime(), child != run.counters.end() ? double(child->second) : run.GetAdjustedCPUTime()};
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

Figure Find(const char* prefix)
{
  for (const auto& [name, figure] : g_figures)
  {
    if (name.rfind(prefix, 0) == 0)
      return figure;
  }
  return {-1, -1};
}

void Line(const char* what, const char* name, const char* target)
{
  const Figure f = Find(name);
  std::printf("%-55s %8.2f %8.2f   %s\n", what, f.real_ms, f.cpu_ms, target);
}

}  // namespace

int main(int argc, char** argv)
{
  benchmark::Initialize(&argc, argv);
  FigureReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n%d swatch presets of %d colours %26s real ms   cpu ms   target\n", kPresets, kColors, "");
  Line("listed by `gxa-host presets list` in a fresh process:", "ListThousandPresetsInFreshProcess", "<= 50");
  Line("  floor, the same over an empty library:", "ListEmptyLibraryInFreshProcess", "");
  Line("  the listing alone, in this process:", "ListThousandPresetsInProcess", "");
  Line("one preset and its thumbnail stored, flushed:", "StorePresetWithThumbnail", "");
  Line("  floor, write + fsync of as many bytes:", "WriteAndFlushTheSameBytes", "");
  benchmark::Shutdown();
  return 0;
}

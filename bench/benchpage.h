#pragma once
// What the benchmarks share: a host started as the tests start it (the built
// module, a headless page at a display scale) with choosers on its page; the
// host's tables handed to the module's own code where no host runs; the
// memcpy floor printed beside a figure; and a reporter that keeps every
// run's time for the summary after the table.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "automation/automationhost.h"
#include "color/colorfamily.h"
#include "core/families.h"
#include "core/fourcc.h"
#include "gui/bitmapfamily.h"
#include "hostaccess.h"
#include "page/colorvalue.h"
#include "page/parameterspec.h"

namespace bench
{
// World preferences with every mode off; the start mode given.
inline host::Container ModesOff(std::int32_t startMode)
{
  host::Container prefs;
  prefs.SetInt32(1119, startMode);
  for (const std::int32_t id : {1110, 1111, 1113, 1114, 1115, 1116, 1124, 1133})
    prefs.SetBool(id, false);
  return prefs;
}

// A host at this display scale; null, with a line naming the benchmark on
// stderr, when it does not start.
inline std::unique_ptr<host::AutomationHost> StartHost(const char* bench, int scale,
                                                       const host::Container& prefs = host::Container(),
                                                       int width = host::AutomationOptions::kDefaultWidth)
{
  host::AutomationOptions options;
  options.module = GXA_MODULE_PATH;
  options.scale = scale;
  options.width = width;
  options.prefs = prefs;
  auto created = host::AutomationHost::Create(options);
  if (!created.Ok())
  {
    std::fprintf(stderr, "%s: %s\n", bench, created.Error().c_str());
    return nullptr;
  }
  return std::move(created.Value());
}

// A chooser shown expanded with its colour field, for one object.
inline bool OpenChooser(host::AutomationHost& automation, const std::string& key,
                        const host::ColorValue& value = host::ColorValue{})
{
  host::ParameterSpec spec;
  spec.key = key;
  spec.settings.SetInt32(host::FourCC("cfld"), 1);
  spec.ShowExpanded();
  spec.objects.push_back({value, false});
  return automation.Open(std::move(spec)).Ok();
}

// The module's code reaches the host's bitmaps, colours and file names
// through the table it would get at start-up.
struct ModuleHostTables
{
  GxaHostTable table{};
  ModuleHostTables()
  {
    table.version = GXA_API_VERSION;
    table.size = sizeof table;
    table.bitmaps = host::BitmapFamily::Table();
    table.color = host::ColorFamily();
    table.filenames = host::FilenameFamily();
    SetHostTable(&table);
  }
};

// The floor: as many bytes copied once an iteration.
inline void CopyBytes(benchmark::State& state, std::size_t bytes)
{
  std::vector<std::uint8_t> from(bytes, 7), to(bytes);
  for (auto _ : state)
  {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}

// Keeps each finished run's real and CPU time per iteration in nanoseconds,
// by benchmark name; 0 for one that did not run.
class TimesReporter : public benchmark::ConsoleReporter
{
public:
  void ReportRuns(const std::vector<Run>& runs) override
  {
    for (const Run& run : runs)
    {
      if (run.error_occurred || run.iterations == 0)
        continue;
      const double toNs = 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
      _times[run.benchmark_name()] = {run.GetAdjustedRealTime() * toNs, run.GetAdjustedCPUTime() * toNs};
    }
    ConsoleReporter::ReportRuns(runs);
  }

  double RealNs(const std::string& name) const { return Find(name).real; }
  double CpuNs(const std::string& name) const { return Find(name).cpu; }

private:
  struct Times
  {
    double real = 0.0, cpu = 0.0;
  };
  Times Find(const std::string& name) const
  {
    const auto found = _times.find(name);
    return found == _times.end() ? Times() : found->second;
  }

  std::map<std::string, Times> _times;
};
}  // namespace bench

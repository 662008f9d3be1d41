// Swatch presets through the real host and module: applying one preset of
// 256 colours as the preset browser does (item read, decompressed, merged
// into the document and preferences, saved into them, choosers told), and
// saving one (stream, zlib, 512 x 512 thumbnail, atomic write with flush).
// Beside each, its floor: reading the item file's bytes, and writing as many
// bytes to a file atomically with the same flush.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/host.h"
#include "gui/guifamilies.h"
#include "presets/presetfamily.h"

namespace
{
using namespace host;

constexpr const char* kUrl = "preset:/user.libvx/Color Swatches/Bench";

class PresetHost
{
public:
  PresetHost()
  {
    char pattern[] = "/tmp/gxa-bench-XXXXXX";
    home_ = mkdtemp(pattern);
    HostOptions o;
    o.home = home_;
    auto made = Host::Create(o);
    if (!made)
      return;
    host_ = std::move(made.Value());
    host_->SetActiveDocument(std::make_unique<Document>());
    GuiFamilies::Install(*host_);
    auto loaded = host_->LoadModule(GXA_MODULE_PATH);
    if (!loaded || !loaded->Started())
      return;
    data_ = static_cast<const GxaSwatchDataTable*>(
        host_->Registrations().FindLibrary(GXA_LIB_SWATCHDATA, 1000, sizeof(GxaSwatchDataTable)));
    auto* doc = reinterpret_cast<GxaDocument*>(host_->ActiveDocument());
    swatches_ = data_->load(doc, true);
    std::vector<double> rgba;
    for (int i = 0; i < 256; ++i)
      rgba.insert(rgba.end(), {i / 255.0, (i * 7 % 256) / 255.0, (255 - i) / 255.0, 1.0});
    data_->create_group(swatches_, 1, "Bench", false, 0, rgba.data(), 256);
    ready_ = data_->save_preset_by_url(swatches_, kUrl, nullptr, true);
  }
  ~PresetHost()
  {
    if (data_ && swatches_)
      data_->free(&swatches_);
    if (host_)
      host_->UnloadModule();
    host_.reset();
    std::error_code ec;
    std::filesystem::remove_all(home_, ec);
  }

  bool Ready() const { return ready_; }
  Host& Get() { return *host_; }
  bool Save() { return data_->save_preset_by_url(swatches_, kUrl, nullptr, true); }
  std::filesystem::path ItemFile() const { return home_ / "data/gxa-host/user.libvx/Color Swatches/Bench.gxp"; }
  const std::filesystem::path& Home() const { return home_; }

private:
  std::filesystem::path home_;
  std::unique_ptr<Host> host_;
  const GxaSwatchDataTable* data_ = nullptr;
  GxaSwatchData* swatches_ = nullptr;
  bool ready_ = false;
};

PresetHost& Shared()
{
  static PresetHost h;
  return h;
}

void ApplyPreset256(benchmark::State& state)
{
  PresetHost& h = Shared();
  if (!h.Ready())
    return state.SkipWithError("the preset could not be made");
  for (auto _ : state)
  {
    // Each apply adds a group; start every one from the same document.
    state.PauseTiming();
    h.Get().ActiveDocument()->Data().Remove(1032140);
    state.ResumeTiming();
    if (!PresetFamily::Apply(h.Get(), kUrl))
      return state.SkipWithError("apply failed");
  }
}
BENCHMARK(ApplyPreset256)->Unit(benchmark::kMillisecond);

void FloorReadItemFile(benchmark::State& state)
{
  PresetHost& h = Shared();
  for (auto _ : state)
  {
    std::ifstream in(h.ItemFile(), std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(FloorReadItemFile)->Unit(benchmark::kMillisecond);

void SavePreset256(benchmark::State& state)
{
  PresetHost& h = Shared();
  if (!h.Ready())
    return state.SkipWithError("the preset could not be made");
  for (auto _ : state)
    if (!h.Save())
      return state.SkipWithError("save failed");
}
BENCHMARK(SavePreset256)->Unit(benchmark::kMillisecond);

void FloorAtomicWriteOfTheItemBytes(benchmark::State& state)
{
  PresetHost& h = Shared();
  std::error_code ec;
  const auto size = std::filesystem::file_size(h.ItemFile(), ec);
  const std::vector<char> bytes(ec ? 4096 : size, 'x');
  const auto target = h.Home() / "floor.bin";
  const auto temp = h.Home() / "floor.tmp";
  for (auto _ : state)
  {
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != ssize_t(bytes.size()) || ::fsync(fd) != 0)
      return state.SkipWithError("write failed");
    ::close(fd);
    std::filesystem::rename(temp, target);
  }
  state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(FloorAtomicWriteOfTheItemBytes)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();

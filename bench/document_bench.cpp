// Reading a large document (200,000 objects) from its container, beside the
// floor: copying that container once, which any reading must at least do.
// Reading must stay a small multiple of the floor (linear, not quadratic).
#include <benchmark/benchmark.h>

#include "core/document.h"

namespace
{

using namespace host;

constexpr int kObjects = 200000;

const Container& Large()
{
  static const Container c = [] {
    Document doc;
    for (int i = 0; i < kObjects; ++i)
      doc.AddObject(1, "object")->data.SetInt32(1, i);
    return doc.ToContainer();
  }();
  return c;
}

void BM_CopyContainerFloor(benchmark::State& state)
{
  for (auto _ : state)
  {
    Container copy = Large();
    benchmark::DoNotOptimize(copy);
  }
}
BENCHMARK(BM_CopyContainerFloor)->Unit(benchmark::kMillisecond);

void BM_ReadDocument(benchmark::State& state)
{
  for (auto _ : state)
  {
    auto doc = Document::FromContainer(Large());
    benchmark::DoNotOptimize(doc);
  }
}
BENCHMARK(BM_ReadDocument)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

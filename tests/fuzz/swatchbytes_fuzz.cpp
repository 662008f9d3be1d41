// Fuzz target for stored swatch groups: any record and alpha byte arrays
// read into a group that writes back and reads again the same, and that
// survives sorting and duplicate removal whatever doubles the bytes hold.
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "fuzztarget.h"
#include "gedata.h"
#include "modulefuzzhost.h"
#include "swatches/colorswatchgroup.h"

namespace gxa_fuzz {
namespace {

bool SameBits(const ColorSwatch& a, const ColorSwatch& b) {
  return std::memcmp(&a.red, &b.red, 4 * sizeof(double)) == 0 && a.selected == b.selected;
}

void Put(BaseContainer& c, std::int32_t id, std::span<const uint8_t> bytes) {
  GeData d;
  d.SetBytes(bytes.data(), bytes.size());
  c.SetData(id, d);
}

void Run(std::span<const uint8_t> input) {
  EnsureModuleFuzzHost();
  // The first two bytes say how much of the rest is records; the others are alphas.
  const size_t split = input.size() >= 2 ? std::min<size_t>((input[0] << 8 | input[1]), input.size() - 2) : 0;
  const auto body = input.subspan(std::min<size_t>(2, input.size()));
  BaseContainer stored;
  stored.SetString(ColorSwatchGroup::kName, String("g"));
  Put(stored, ColorSwatchGroup::kRecords, body.first(split));
  Put(stored, ColorSwatchGroup::kAlphas, body.subspan(split));

  ColorSwatchGroup group;
  if (group.ReadFrom(stored).IsError()) return;
  if (group.GetCount() != static_cast<std::int32_t>(split / ColorSwatchGroup::kRecordSize)) std::abort();
  BaseContainer written;
  if (group.WriteTo(written).IsError()) std::abort();
  ColorSwatchGroup again;
  if (again.ReadFrom(written).IsError() || again.GetCount() != group.GetCount()) std::abort();
  for (std::int32_t i = 0; i < group.GetCount(); ++i)
    if (!SameBits(*group.GetSwatch(i), *again.GetSwatch(i))) std::abort();
  again.SortColors();
  again.RemoveDuplicates();
  if (again.GetCount() > group.GetCount()) std::abort();
}

Bytes Doubles(std::initializer_list<double> values) {
  Bytes bytes(values.size() * 8);
  std::memcpy(bytes.data(), values.begin(), bytes.size());
  return bytes;
}

// Three records (96 bytes, as the first two bytes say) and three alphas.
std::vector<Bytes> Seeds() {
  Bytes seed = {0, 96};
  for (double v : {0.1, 0.5, 0.9}) {
    const Bytes rgb = Doubles({v, 1 - v, v * v});
    seed.insert(seed.end(), rgb.begin(), rgb.end());
    seed.insert(seed.end(), {1, 0, 0, 0, 0, 0, 0, 0});
  }
  const Bytes alphas = Doubles({1.0, 0.0, 0.5});
  seed.insert(seed.end(), alphas.begin(), alphas.end());
  return {seed};
}

const bool kRegistered = Register({"swatchbytes", &Run, &Seeds, 5000});

}  // namespace
}  // namespace gxa_fuzz

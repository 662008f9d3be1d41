// Fuzz target for stored swatch groups: any record and alpha byte arrays
// read into a group that writes back and reads again the same, and that
// survives sorting and duplicate removal whatever doubles the bytes hold.
#include <cstdlib>
#include <cstring>

#include "fuzztarget.h"
#include "gedata.h"
#include "modulefuzzhost.h"
#include "swatches/colorswatchgroup.h"

namespace {

bool SameBits(const ColorSwatch& a, const ColorSwatch& b) {
  return std::memcmp(&a.red, &b.red, 4 * sizeof(double)) == 0 && a.selected == b.selected;
}

void Put(BaseContainer& c, std::int32_t id, std::span<const uint8_t> bytes) {
  GeData d;
  d.SetBytes(bytes.data(), bytes.size());
  c.SetData(id, d);
}

}  // namespace

GXA_FUZZ_TARGET(FuzzSwatchBytes) {
  EnsureModuleFuzzHost();
  std::span<const uint8_t> input(data, size);
  // The first two bytes say how much of the rest is records; the others are alphas.
  const size_t split = input.size() >= 2 ? std::min<size_t>((input[0] << 8 | input[1]), input.size() - 2) : 0;
  const auto body = input.subspan(std::min<size_t>(2, input.size()));
  BaseContainer stored;
  stored.SetString(ColorSwatchGroup::kName, String("g"));
  Put(stored, ColorSwatchGroup::kRecords, body.first(split));
  Put(stored, ColorSwatchGroup::kAlphas, body.subspan(split));

  ColorSwatchGroup group;
  if (group.ReadFrom(stored).IsError()) return 0;
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
  return 0;
}

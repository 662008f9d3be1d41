// Fuzz target for Adobe swatch exchange files: any bytes are refused with a
// message or read into groups that write out and read back the same at
// float32.
#include <cstdlib>

#include "fuzztarget.h"
#include "presets/asepalette.h"

GXA_FUZZ_TARGET(FuzzAsePalette) {
  auto read = host::AsePalette::Parse({data, size}, "fallback");
  if (!read) {
    if (read.Error().empty()) std::abort();
    return 0;
  }
  auto again = host::AsePalette::Parse(host::AsePalette::Write(read.Value()), "other");
  if (!again || again->groups.size() != read->groups.size()) std::abort();
  for (size_t g = 0; g < read->groups.size(); ++g) {
    const auto &ga = read->groups[g], &gb = again->groups[g];
    if (ga.colors.size() != gb.colors.size()) std::abort();
    for (size_t i = 0; i < ga.colors.size(); ++i) {
      const auto &a = ga.colors[i], &b = gb.colors[i];
      if (a.red != b.red || a.green != b.green || a.blue != b.blue) std::abort();
    }
  }
  return 0;
}

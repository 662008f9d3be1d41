// Fuzz target for Adobe swatch exchange files: any bytes are refused with a
// message or read into groups that write out and read back the same at
// float32.
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzztarget.h"
#include "presets/asepalette.h"
#include "testpalettes.h"

namespace gxa_fuzz {
namespace {

void Run(std::span<const uint8_t> bytes) {
  auto read = host::AsePalette::Parse(bytes, "fallback");
  if (!read) {
    if (read.Error().empty()) std::abort();
    // Names from the file never bring a control character into the message.
    for (const char c : read.Error()) {
      if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) std::abort();
    }
    return;
  }
  for (const auto& g : read->groups) {
    for (const auto& c : g.colors) {
      for (const double v : {c.red, c.green, c.blue}) {
        if (!(v >= 0.0 && v <= 1.0)) std::abort();
      }
    }
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
}

std::vector<Bytes> Seeds() {
  host::Palette p;
  p.groups = {{"Warm", {{1.0, 0.5, 0.25, "a"}, {0.0, 0.0, 0.0, ""}}}, {"Cold", {{0.1, 0.2, 0.3, "b"}}}};
  return {host::AsePalette::Write(p),
          testpalettes::AseColour(u"ink\ngxa-host presets: forged\x1b[2J", "CMYK", {0, 0, 0, 1}),
          testpalettes::AseColour(u"loud", "RGB ", {5.0f, -3.0f, 1e30f})};
}

const bool kRegistered = Register({"asepalette", &Run, &Seeds, 20000});

}  // namespace
}  // namespace gxa_fuzz

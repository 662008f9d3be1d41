// Fuzz target for GIMP palettes: any text is refused with a message or read
// into colours that write out and read back the same at 8 bits.
#include <cstdlib>
#include <string_view>

#include "fuzztarget.h"
#include "presets/gplpalette.h"

namespace gxa_fuzz {
namespace {

void Run(std::span<const uint8_t> bytes) {
  auto read =
      host::GplPalette::Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), "fallback");
  if (!read) {
    if (read.Error().empty()) std::abort();
    // Lines from the file never bring a control character into the message.
    for (const char c : read.Error()) {
      if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) std::abort();
    }
    return;
  }
  if (read->groups.size() != 1 || read->groups[0].name.empty()) std::abort();
  auto again = host::GplPalette::Parse(host::GplPalette::Write(read->groups[0]), "other");
  if (!again || again->groups[0].colors.size() != read->groups[0].colors.size()) std::abort();
  for (size_t i = 0; i < read->groups[0].colors.size(); ++i) {
    const auto &a = read->groups[0].colors[i], &b = again->groups[0].colors[i];
    if (a.red != b.red || a.green != b.green || a.blue != b.blue) std::abort();
  }
}

std::vector<Bytes> Seeds() {
  return {BytesOf("GIMP Palette\r\nName: Sea\nColumns: 4\n# c\n  0 128 255\tBlue\n1 2 3\n"),
          BytesOf(std::string("GIMP Palette\n1 2 \x1b[2J\a\rforged\0cut\n", 34)),
          BytesOf("GIMP Palette\n99999999999999999999 0 0\n")};
}

const bool kRegistered = Register({"gplpalette", &Run, &Seeds, 20000});

}  // namespace
}  // namespace gxa_fuzz

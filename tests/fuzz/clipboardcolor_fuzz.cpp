// Colour text pasted from other programs. Any bytes are read into range or
// refused with a reason; a colour read writes back, in every form, to a text
// that reads as the same colour within the form's precision.
#include <cmath>

#include "color/colortextreader.h"
#include "color/colortextwriter.h"
#include "fuzztarget.h"

namespace gxa_fuzz {
namespace {

bool InRange(double v) { return v >= 0.0 && v <= 1.0; }

void WritesBack(const host::TextColor& color) {
  for (int32_t format : {host::ColorTextWriter::kHex, host::ColorTextWriter::kRgb, host::ColorTextWriter::kHsl,
                         host::ColorTextWriter::kNumbers}) {
    const std::string text = host::ColorTextWriter::Write(color.rgb, color.alpha, format);
    const auto again = host::ColorTextReader::Read(text);
    Expect(again.Ok(), "what is written reads back");
    if (!again) continue;
    for (size_t i = 0; i < 3; ++i) Expect(std::abs(again->rgb[i] - color.rgb[i]) <= 0.6 / 255.0, "same colour");
    const bool opaque = !color.alpha || *color.alpha >= 1.0;
    Expect(opaque ? !again->alpha : again->alpha && std::abs(*again->alpha - *color.alpha) <= 0.6 / 255.0,
           "alpha written only below 1, and kept");
  }
}

void Run(std::span<const uint8_t> data) {
  const std::string text(data.begin(), data.end());
  const auto color = host::ColorTextReader::Read(text);
  if (!color) {
    Expect(!color.Error().empty(), "a refusal says why");
    return;
  }
  Expect(InRange(color->rgb[0]) && InRange(color->rgb[1]) && InRange(color->rgb[2]), "components in range");
  Expect(!color->alpha || InRange(*color->alpha), "alpha in range");
  WritesBack(color.Value());
}

std::vector<Bytes> Seeds() {
  return {BytesOf("#3366cc"),
          BytesOf("#FA08"),
          BytesOf("#11223344"),
          BytesOf("0x3366CC"),
          BytesOf("rgb(255, 128, 0)"),
          BytesOf("rgba(100%, 50%, 0%, 0.25)"),
          BytesOf("rgb(12 34 56 / 40%)"),
          BytesOf("hsl(210deg 60% 40%)"),
          BytesOf("hsla(0.5turn, 100%, 25%, .5)"),
          BytesOf("  RebeccaPurple\n"),
          BytesOf("[0.2, 0.4, 0.6]"),
          BytesOf("0.1 0.2 0.3 0.4"),
          BytesOf("rgb(1e2, -5, 300)")};
}

const bool kRegistered = Register({"clipboardcolor", &Run, &Seeds, 20000});

}  // namespace
}  // namespace gxa_fuzz

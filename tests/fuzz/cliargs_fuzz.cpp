// The command lines of `render` and `call` (one argument a line): every
// mistake is refused with a message, never thrown, wrapped or accepted
// half-read.
#include "argparser.h"
#include "colortoolscall.h"
#include "fuzztarget.h"
#include "renderargs.h"

namespace gxa_fuzz {
namespace {

void Render(const std::vector<std::string>& args) {
  host::cli::ArgParser parser(args);
  auto r = host::cli::RenderArgs::Read(parser);
  if (!r) {
    Expect(!r.Error().empty(), "refused render options have a message");
    return;
  }
  Expect(r->options.width >= 0 && r->options.width <= host::cli::AutomationArgs::kMaxWidth, "the width is bounded");
  Expect(r->options.scale == 1 || r->options.scale == 2, "the scale is 1 or 2");
  // Without the module's names: flags given by name are refused, numbers are read.
  auto spec = r->Chooser(host::ChooserSettings(nullptr));
  if (!spec) Expect(!spec.Error().empty(), "a refused chooser has a message");
}

void Call(const std::vector<std::string>& args) {
  if (args.empty()) return;
  auto call = host::cli::ColorToolsCall::Parse(args.front(), {args.begin() + 1, args.end()});
  if (!call) Expect(!call.Error().empty(), "a refused call has a message");
}

void Run(std::span<const uint8_t> data) {
  const auto args = ArgLines(data);
  Render(args);
  Call(args);
}

std::vector<Bytes> Seeds() {
  return {
      BytesOf("--settings\nlaym=2\n--prefs\n1110=true\n--value\n0.8,0.32,0.12\n--width\n380\n--out\nx.png"),
      BytesOf("--settings=acol=1\n--value=0.2,0.55,0.85,0.6\n--theme\nlight\n--scale\n2\n--out=x.png"),
      BytesOf("--settings\nretT=2\n--brightness\n2,4\n--settings\nslda={\"1\":[1,2,3]}\n--out\nx.png"),
      BytesOf("--page\ndemo\n--prefs\n1102=2\n--width\n0\n--out\nx.png"),
      BytesOf("KelvinToColor\n6500\n0"),
      BytesOf("From16Bit\n65535"),
      BytesOf("ColorFrom8Bit\n255\n128\n0"),
      BytesOf("5\n1e2\n-3\n0x10"),
  };
}

const bool kRegistered = Register({"cliargs", &Run, &Seeds, 20000});

}  // namespace
}  // namespace gxa_fuzz

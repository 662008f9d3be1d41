// The arguments of `call swatchdata|swatchgroup` and the preset URLs of the
// `presets` verb (one argument a line): a call is refused with a message or
// every argument was read whole; a URL reads back as itself and its files
// stay below the data folder, whatever the names.
#include <filesystem>

#include "fuzztarget.h"
#include "presets/preseturl.h"
#include "swatchcall.h"

namespace gxa_fuzz {
namespace {

void Call(const std::vector<std::string>& args) {
  using host::cli::SwatchCall;
  for (auto library : {SwatchCall::Library::Data, SwatchCall::Library::Group}) {
    auto call = SwatchCall::Parse(library, args.front(), {args.begin() + 1, args.end()});
    if (!call) Expect(!call.Error().empty(), "a refused call has a message");
  }
}

bool Inside(const std::filesystem::path& file, const std::filesystem::path& root) {
  const auto relative = file.lexically_relative(root);
  if (relative.empty() || relative.is_absolute()) return false;
  for (const auto& part : relative)
    if (part == ".." || part == ".") return false;
  return true;
}

void Url(const std::string& text) {
  auto url = host::PresetUrl::Parse(text);
  if (!url) {
    Expect(!url.Error().empty(), "a refused URL has a message");
    return;
  }
  auto again = host::PresetUrl::Parse(url->Text());
  Expect(again && again.Value() == url.Value(), "a URL reads back as itself");
  const std::filesystem::path root = "/data";
  Expect(Inside(url->FolderPath(root), root), "a folder stays below the data folder");
  if (!url->IsLibrary()) {
    Expect(Inside(url->ItemPath(root), root), "an item stays below the data folder");
    const auto name = host::PresetUrl::ComponentOf(url->ItemPath(root).stem().string());
    Expect(name && name.Value() == url->Name(), "an item's file names it");
  }
}

void Run(std::span<const uint8_t> data) {
  const auto args = ArgLines(data);
  Call(args);
  for (const auto& a : args) Url(a);
}

std::vector<Bytes> Seeds() {
  return {
      BytesOf("CreateGroup\n1\nWarm\n0\n0\n1\n0.5\n0\n1"),
      BytesOf("AddColors\n1\n0\n0\n1\n0\n0.5\n0.5\n0.5\n1"),
      BytesOf("SetColor\n1\n0\n2\n0.1\n0.2\n0.3\n1\n3"),
      BytesOf("GroupAt\n0\n1"),
      BytesOf("14\n-1\n2147483647"),
      BytesOf("Merge\nother.gxd\n1"),
      BytesOf("preset:/user.libvx/Color Swatches/Sunset\npreset:/source.libvx/Color Swatches/\n"),
      BytesOf("preset:/user.libvx/. ./..\npreset:/a.libvx/%41/x\\y"),
  };
}

const bool kRegistered = Register({"hostcall", &Run, &Seeds, 20000});

}  // namespace
}  // namespace gxa_fuzz

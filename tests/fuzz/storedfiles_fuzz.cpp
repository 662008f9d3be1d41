// Preferences and documents loaded from files holding any bytes: the host
// starts (with defaults or a new document) or refuses, and never loses a
// byte: a file it cannot use is left as it is or moved aside whole.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/documentstore.h"
#include "core/worldpreferences.h"
#include "framedstream.h"

namespace gxa_fuzz {
namespace {

namespace fs = std::filesystem;

const fs::path& Folder() {
  static const fs::path folder = [] {
    std::string pattern = (fs::temp_directory_path() / "gxa-fuzz-XXXXXX").string();
    return fs::path(::mkdtemp(pattern.data()));
  }();
  return folder;
}

void Write(const fs::path& p, std::span<const uint8_t> bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The file's bytes are still somewhere: where it was, or moved aside.
void ExpectKept(const fs::path& file, std::span<const uint8_t> bytes) {
  const Bytes wanted(bytes.begin(), bytes.end());
  bool kept = fs::exists(file) && ReadAll(file) == wanted;
  for (const auto& e : fs::directory_iterator(Folder())) {
    if (e.path().filename().string().find(".damaged-") != std::string::npos) kept = kept || ReadAll(e.path()) == wanted;
  }
  Expect(kept, "a file that was read is kept whole");
}

void Check(std::span<const uint8_t> bytes) {
  const fs::path prefs = Folder() / "prefs.gxs";
  const fs::path doc = Folder() / "doc.gxd";
  Write(prefs, bytes);
  Write(doc, bytes);
  {
    host::WorldPreferences p(prefs);
    ExpectKept(prefs, bytes);
  }
  auto opened = host::DocumentStore::Load(doc);
  if (!opened) Expect(!opened.Error().empty(), "a refused document has a message");
  ExpectKept(doc, bytes);
  for (const auto& e : fs::directory_iterator(Folder())) fs::remove(e.path());
}

void Run(std::span<const uint8_t> data) {
  Check(data);
  Check(Framed(data));
}

std::vector<Bytes> Seeds() {
  host::Document doc;
  doc.AddObject(300001078, "Light")->data.SetVector(1, {1.0, 0.5, 0.25});
  const host::Container prefs = host::WorldPreferences::Defaults();
  return {host::ContainerCodec::Write(doc.ToContainer()).Value(), host::ContainerCodec::Write(prefs).Value(),
          PayloadOf(prefs)};
}

const bool kRegistered = Register({"storedfiles", &Run, &Seeds, 1500});

}  // namespace
}  // namespace gxa_fuzz

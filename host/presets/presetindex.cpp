#include "presets/presetindex.h"

#include <unistd.h>
#include <zlib.h>

#include <fstream>
#include <iterator>

#include "core/bytereader.h"
#include "core/bytewriter.h"

namespace host {

namespace {

constexpr uint32_t kMagic = 0x58505847;  // "GXPX"
constexpr uint16_t kVersion = 1;
// The fewest bytes an entry takes, which bounds the count before reading.
constexpr size_t kMinEntry = 8 + 8 + 8 + 8 + 4 * 3 + 8 * 2 + 4 * 2 + 8;

uint32_t Crc(std::span<const uint8_t> b) {
  return static_cast<uint32_t>(crc32(crc32(0L, Z_NULL, 0), b.data(), static_cast<uInt>(b.size())));
}

}  // namespace

std::vector<uint8_t> PresetIndex::Write(const Entries& entries) {
  ByteWriter w;
  w.U32(kMagic);
  w.U16(kVersion);
  w.U16(0);
  w.U64(entries.size());
  for (const auto& [path, e] : entries) {
    w.Sized(path);
    w.U64(e.size);
    w.I64(e.mtime_ns);
    w.U64(e.inode);
    w.I32(e.header.kind);
    w.I32(e.header.type);
    w.I32(e.header.data_kind);
    w.U64(e.header.uncompressed_size);
    w.U64(e.header.data_size);
    w.I32(e.header.thumbnail_width);
    w.I32(e.header.thumbnail_height);
    w.Sized(e.header.text);
  }
  w.U32(Crc(w.Bytes()));
  return w.Take();
}

Outcome<PresetIndex::Entries> PresetIndex::Read(std::span<const uint8_t> bytes) {
  using R = Outcome<Entries>;
  if (bytes.size() < 20) return R::Fail("the index is too short");
  const auto body = bytes.first(bytes.size() - 4);
  if (Crc(body) != ByteReader(bytes.last(4)).U32()) return R::Fail("the index does not match its checksum");
  ByteReader r(body);
  if (r.U32() != kMagic || r.U16() != kVersion || r.U16() != 0) return R::Fail("not an index of this version");
  const uint64_t count = r.U64();
  if (count > r.Remaining() / kMinEntry) return R::Fail("the index claims more entries than it holds");
  Entries out;
  for (uint64_t i = 0; i < count && !r.Failed(); ++i) {
    std::string path = r.SizedText();
    PresetIndexEntry e;
    e.size = r.U64();
    e.mtime_ns = r.I64();
    e.inode = r.U64();
    e.header.kind = r.I32();
    e.header.type = r.I32();
    e.header.data_kind = r.I32();
    e.header.uncompressed_size = r.U64();
    e.header.data_size = r.U64();
    e.header.thumbnail_width = r.I32();
    e.header.thumbnail_height = r.I32();
    e.header.text = r.SizedText();
    out[std::move(path)] = std::move(e);
  }
  if (r.Failed() || r.Remaining() != 0) return R::Fail("the index is malformed");
  return out;
}

PresetIndex::Entries PresetIndex::Load(const std::filesystem::path& library) {
  std::ifstream in(library / kFileName, std::ios::binary);
  if (!in) return {};
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto read = Read(bytes);
  return read ? std::move(read.Value()) : Entries{};
}

void PresetIndex::Save(const std::filesystem::path& library, const Entries& entries) {
  std::error_code ec;
  if (!std::filesystem::is_directory(library, ec)) return;
  // A cache: written whole and renamed into place, but not flushed, since a
  // lost or torn one is only rebuilt.
  const std::filesystem::path target = library / kFileName;
  const std::filesystem::path temp = target.string() + ".tmp-" + std::to_string(::getpid());
  const std::vector<uint8_t> bytes = Write(entries);
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) {
      std::filesystem::remove(temp, ec);
      return;
    }
  }
  std::filesystem::rename(temp, target, ec);
  if (ec) std::filesystem::remove(temp, ec);
}

}  // namespace host

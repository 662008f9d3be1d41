#include "presets/colornamescodec.h"

#include <algorithm>

#include "core/bytereader.h"
#include "core/bytewriter.h"
#include "presets/unicodetext.h"

namespace host {

namespace {

// The fewest bytes a group and a name take: counts that promise more than
// the bytes left are refused before anything is reserved for them.
constexpr size_t kGroupBytes = 4;
constexpr size_t kNameBytes = 8;

// Valid UTF-8 of at most kMaxName bytes, cut between characters.
std::string Stored(const std::string& name) {
  std::string text = UnicodeText::ValidUtf8(name);
  if (text.size() <= ColorNamesCodec::kMaxName) return text;
  size_t cut = ColorNamesCodec::kMaxName;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return text.substr(0, cut);
}

Outcome<ColorNames> Damaged(const std::string& what) {
  return Outcome<ColorNames>::Fail("colour names are damaged: " + what);
}

}  // namespace

bool ColorNamesCodec::IsBlank(const ColorNames& names) {
  return std::all_of(names.begin(), names.end(), [](const std::vector<std::string>& group) {
    return std::all_of(group.begin(), group.end(), [](const std::string& n) { return n.empty(); });
  });
}

std::vector<uint8_t> ColorNamesCodec::Write(const ColorNames& names) {
  ByteWriter w;
  w.U32(static_cast<uint32_t>(names.size()));
  for (const auto& group : names) {
    w.U32(static_cast<uint32_t>(group.size()));
    for (const auto& name : group) w.Sized(Stored(name));
  }
  return w.Take();
}

Outcome<ColorNames> ColorNamesCodec::Read(std::span<const uint8_t> bytes) {
  ByteReader r(bytes);
  const uint32_t groups = r.U32();
  if (r.Failed()) return Damaged("no group count");
  if (groups > r.Remaining() / kGroupBytes) return Damaged(std::to_string(groups) + " groups in too few bytes");
  ColorNames names(groups);
  for (uint32_t g = 0; g < groups; ++g) {
    const std::string where = "group " + std::to_string(g + 1);
    const uint32_t count = r.U32();
    if (r.Failed() || count > r.Remaining() / kNameBytes) {
      return Damaged(where + " promises more names than there are bytes");
    }
    names[g].reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
      std::string name = r.SizedText();
      const std::string which = where + ", colour " + std::to_string(i + 1);
      if (r.Failed()) return Damaged(which + ": the name runs past the end");
      if (name.size() > kMaxName) return Damaged(which + ": a name of " + std::to_string(name.size()) + " bytes");
      if (UnicodeText::ValidUtf8(name) != name) return Damaged(which + ": the name is not UTF-8");
      names[g].push_back(std::move(name));
    }
  }
  if (r.Remaining() != 0)
    return Damaged("something after the last group (" + std::to_string(r.Remaining()) + " bytes)");
  return names;
}

}  // namespace host

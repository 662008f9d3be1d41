#include "presets/asepalette.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "presets/unicodetext.h"

namespace host {

namespace {

enum : uint16_t { kGroupStart = 0xC001, kGroupEnd = 0xC002, kColorEntry = 0x0001 };
enum : uint16_t { kNormalColor = 2 };

// Big-endian reads that fail once and stay failed.
class BigEndianReader {
 public:
  explicit BigEndianReader(std::span<const uint8_t> data) : data_(data) {}
  uint16_t U16() { return static_cast<uint16_t>(Read(2)); }
  uint32_t U32() { return static_cast<uint32_t>(Read(4)); }
  float F32() { return std::bit_cast<float>(U32()); }
  std::span<const uint8_t> Bytes(size_t n) {
    if (failed_ || Remaining() < n) {
      failed_ = true;
      return {};
    }
    auto s = data_.subspan(pos_, n);
    pos_ += n;
    return s;
  }
  bool Failed() const { return failed_; }
  size_t Remaining() const { return data_.size() - pos_; }

 private:
  uint64_t Read(size_t n) {
    uint64_t v = 0;
    for (uint8_t b : Bytes(n)) v = (v << 8) | b;
    return v;
  }
  std::span<const uint8_t> data_;
  size_t pos_ = 0;
  bool failed_ = false;
};

class BigEndianWriter {
 public:
  void U16(uint16_t v) { Write(v, 2); }
  void U32(uint32_t v) { Write(v, 4); }
  void F32(float v) { U32(std::bit_cast<uint32_t>(v)); }
  void Raw(std::string_view s) { bytes_.insert(bytes_.end(), s.begin(), s.end()); }
  void Name(const std::string& utf8) {
    std::u16string units = UnicodeText::Utf16FromUtf8(utf8);
    units.resize(std::min<size_t>(units.size(), 0xFFFE));
    U16(static_cast<uint16_t>(units.size() + 1));
    for (char16_t u : units) U16(u);
    U16(0);
  }
  void Block(uint16_t type, const BigEndianWriter& body) {
    U16(type);
    U32(static_cast<uint32_t>(body.bytes_.size()));
    bytes_.insert(bytes_.end(), body.bytes_.begin(), body.bytes_.end());
  }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  void Write(uint32_t v, int n) {
    for (int i = n - 1; i >= 0; --i) bytes_.push_back(static_cast<uint8_t>(v >> (8 * i)));
  }
  std::vector<uint8_t> bytes_;
};

std::optional<std::string> Name(BigEndianReader& r) {
  const uint16_t count = r.U16();
  std::u16string units;
  for (uint16_t i = 0; i < count && !r.Failed(); ++i) units += static_cast<char16_t>(r.U16());
  if (r.Failed()) return std::nullopt;
  if (!units.empty() && units.back() == 0) units.pop_back();
  return UnicodeText::Utf8FromUtf16(units);
}

std::string BlockText(uint32_t index) { return "block " + std::to_string(index + 1); }

struct ColorRead {
  std::optional<PaletteColor> color;
  std::string error;
};

ColorRead ColorBody(BigEndianReader& r, uint32_t index) {
  ColorRead out;
  auto name = Name(r);
  auto model_bytes = r.Bytes(4);
  if (!name || r.Failed()) {
    out.error = BlockText(index) + ": the colour entry is cut short";
    return out;
  }
  const std::string model(model_bytes.begin(), model_bytes.end());
  const std::string who = "colour '" + UnicodeText::Printable(*name) + "' (" + BlockText(index) + ")";
  int count = model == "RGB " ? 3 : model == "Gray" ? 1 : model == "CMYK" ? 4 : model == "LAB " ? 3 : 0;
  if (count == 0) {
    out.error = who + ": the colour model '" + UnicodeText::Printable(model) + "' is not known";
    return out;
  }
  if (model == "CMYK" || model == "LAB ") {
    out.error = who + " is " + (model == "CMYK" ? "CMYK" : "LAB") +
                ", which has no exact RGB without a colour profile; only RGB and Gray colours can be imported";
    return out;
  }
  float v[3] = {0, 0, 0};
  for (int i = 0; i < count; ++i) v[i] = r.F32();
  r.U16();  // global, spot or normal: swatches make no difference
  if (r.Failed()) {
    out.error = who + ": the colour entry is cut short";
    return out;
  }
  for (int i = 0; i < count; ++i) {
    if (!std::isfinite(v[i])) {
      out.error = who + ": a component is not a number";
      return out;
    }
  }
  // Swatches hold components of 0 to 1, as every swatch operation keeps them.
  for (float& component : v) component = std::clamp(component, 0.0f, 1.0f);
  if (count == 1) v[1] = v[2] = v[0];
  out.color = PaletteColor{v[0], v[1], v[2], *name};
  return out;
}

int To8Bit(double v) { return static_cast<int>(std::clamp(std::floor(v * 255.0 + 0.5), 0.0, 255.0)); }

}  // namespace

Outcome<Palette> AsePalette::Parse(std::span<const uint8_t> bytes, const std::string& fallback_name) {
  using R = Outcome<Palette>;
  BigEndianReader file(bytes);
  auto magic = file.Bytes(4);
  if (file.Failed() || std::string(magic.begin(), magic.end()) != "ASEF") {
    return R::Fail("not an Adobe swatch exchange file: it does not start with 'ASEF'");
  }
  const uint16_t major = file.U16();
  file.U16();
  const uint32_t blocks = file.U32();
  if (file.Failed()) return R::Fail("the file is cut short in its header");
  if (major != 1) return R::Fail("ASE version " + std::to_string(major) + " is not known (1 is)");
  // Each block takes at least 6 bytes, which bounds the count before anything is allocated.
  if (blocks > file.Remaining() / 6) {
    return R::Fail("the file claims " + std::to_string(blocks) + " blocks, more than it holds");
  }
  Palette p;
  // Indices into p.groups; kNone while there is no such group.
  constexpr size_t kNone = SIZE_MAX;
  size_t open_group = kNone, loose_group = kNone;
  for (uint32_t i = 0; i < blocks; ++i) {
    const uint16_t type = file.U16();
    const uint32_t length = file.U32();
    auto body_bytes = file.Bytes(length);
    if (file.Failed())
      return R::Fail(BlockText(i) + ": its length of " + std::to_string(length) +
                     " bytes runs past the end of the file");
    BigEndianReader body(body_bytes);
    if (type == kGroupStart) {
      auto name = Name(body);
      if (!name) return R::Fail(BlockText(i) + ": the group name is cut short");
      if (open_group != kNone) {
        return R::Fail(BlockText(i) + ": group '" + UnicodeText::Printable(*name) + "' starts inside group '" +
                       UnicodeText::Printable(p.groups[open_group].name) + "'");
      }
      open_group = p.groups.size();
      p.groups.push_back({*name, {}});
    } else if (type == kGroupEnd) {
      if (open_group == kNone) return R::Fail(BlockText(i) + ": a group ends that never started");
      open_group = kNone;
    } else if (type == kColorEntry) {
      auto read = ColorBody(body, i);
      if (!read.color) return R::Fail(read.error);
      if (open_group == kNone && loose_group == kNone) {
        loose_group = p.groups.size();
        p.groups.push_back({fallback_name, {}});
      }
      p.groups[open_group != kNone ? open_group : loose_group].colors.push_back(std::move(*read.color));
    } else {
      continue;  // blocks of other kinds say nothing about colours
    }
    if (body.Remaining() != 0) {
      return R::Fail(BlockText(i) + ": " + std::to_string(body.Remaining()) + " bytes more than its content");
    }
  }
  if (p.ColorCount() == 0) return R::Fail("the file holds no colours");
  return p;
}

std::vector<uint8_t> AsePalette::Write(const Palette& palette) {
  BigEndianWriter w;
  w.Raw("ASEF");
  w.U16(1);
  w.U16(0);
  w.U32(static_cast<uint32_t>(palette.groups.size() * 2 + palette.ColorCount()));
  for (const auto& g : palette.groups) {
    BigEndianWriter start;
    start.Name(g.name);
    w.Block(kGroupStart, start);
    for (const auto& c : g.colors) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "#%02X%02X%02X", To8Bit(c.red), To8Bit(c.green), To8Bit(c.blue));
      BigEndianWriter entry;
      entry.Name(c.name.empty() ? std::string(hex) : c.name);
      entry.Raw("RGB ");
      entry.F32(static_cast<float>(c.red));
      entry.F32(static_cast<float>(c.green));
      entry.F32(static_cast<float>(c.blue));
      entry.U16(kNormalColor);
      w.Block(kColorEntry, entry);
    }
    w.Block(kGroupEnd, BigEndianWriter{});
  }
  return w.Take();
}

}  // namespace host

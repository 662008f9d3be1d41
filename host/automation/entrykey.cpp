#include "automation/entrykey.h"

#include <charconv>
#include <cstdio>

namespace host {

namespace {

// Panel IDs (0x3E80001 ...) and larger read best in hexadecimal.
constexpr uint32_t kHexFrom = 0x1000000;

template <class T>
std::optional<T> Number(std::string_view text, int base) {
  T value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value, base);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

}  // namespace

bool EntryKey::IsCodeChar(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

std::optional<int32_t> EntryKey::Parse(std::string_view text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    auto v = Number<uint32_t>(text.substr(2), 16);
    if (v) return static_cast<int32_t>(*v);
    return std::nullopt;
  }
  if (auto v = Number<int32_t>(text, 10)) return v;
  if (text.size() != 4) return std::nullopt;
  uint32_t code = 0;
  for (char c : text) {
    if (!IsCodeChar(c)) return std::nullopt;
    code = (code << 8) | static_cast<uint8_t>(c);
  }
  return static_cast<int32_t>(code);
}

std::string EntryKey::Format(int32_t id) {
  const auto u = static_cast<uint32_t>(id);
  std::string code;
  for (int shift = 24; shift >= 0; shift -= 8) code += static_cast<char>((u >> shift) & 0xFF);
  bool letters = false, allCode = true;
  for (char c : code) {
    allCode = allCode && IsCodeChar(c);
    letters = letters || !(c >= '0' && c <= '9');
  }
  // "0XJR" is a code by its characters but reads back as broken hexadecimal.
  if (allCode && letters && Parse(code) == id) return code;
  if (id > 0 && u >= kHexFrom) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%X", u);
    return buf;
  }
  return std::to_string(id);
}

}  // namespace host

#pragma once
// Four-character codes as the host interface builds them (GXA_FOURCC).
#include <cstdint>
#include <string>

namespace host {

constexpr int32_t FourCC(const char (&s)[5]) {
  return static_cast<int32_t>((static_cast<uint32_t>(static_cast<uint8_t>(s[0])) << 24) |
                              (static_cast<uint32_t>(static_cast<uint8_t>(s[1])) << 16) |
                              (static_cast<uint32_t>(static_cast<uint8_t>(s[2])) << 8) |
                              static_cast<uint32_t>(static_cast<uint8_t>(s[3])));
}

// "'abcd'" when all four bytes are printable, else the decimal number.
inline std::string FourCCText(int32_t code) {
  std::string s(4, ' ');
  for (int i = 0; i < 4; ++i) {
    char ch = static_cast<char>((static_cast<uint32_t>(code) >> (24 - 8 * i)) & 0xFF);
    if (ch < 32 || ch > 126) return std::to_string(code);
    s[static_cast<size_t>(i)] = ch;
  }
  return "'" + s + "'";
}

}  // namespace host

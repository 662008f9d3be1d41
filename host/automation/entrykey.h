#pragma once
// How scripts and transcripts name container entries: by four-character
// code ("cfld"), by number ("1102", "-1") or in hexadecimal ("0x3E90001").
// Transcripts write the form a reader recognises: the code when all four
// characters are letters or digits and the code reads back as the same key,
// hexadecimal for the large panel IDs, the plain number otherwise.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace host {

class EntryKey {
 public:
  static std::optional<int32_t> Parse(std::string_view text);
  static std::string Format(int32_t id);

 private:
  static bool IsCodeChar(char c);
};

}  // namespace host

#pragma once
// Text from files arrives in whatever state the file left it; names shown
// to the user must be valid UTF-8, and ASE stores UTF-16.
#include <string>
#include <string_view>

namespace host {

class UnicodeText {
 public:
  // Invalid sequences become U+FFFD, so a bad byte costs one character, not the import.
  static std::string ValidUtf8(std::string_view bytes);
  // ValidUtf8 with every control character written as an escape (\n, \r,
  // \t, \x1b, \u0085), so that text from outside printed in a message or
  // a listing cannot end its line, move the cursor or cut it short.
  static std::string Printable(std::string_view bytes);
  // Lone surrogates become U+FFFD.
  static std::string Utf8FromUtf16(std::u16string_view units);
  static std::u16string Utf16FromUtf8(std::string_view utf8);
};

}  // namespace host

#pragma once
// A UTF-8 string over std::string, with the formatting and parsing helpers
// the module needs. Byte offsets everywhere; GetCharCount counts code points.
//
// Format: each "@" takes the next argument, "@@" writes one "@". An argument
// may carry a spec in braces: [width][.precision][type]['pad'], type d
// (decimal), x (lower hex), X or Y (upper hex), f (fixed), e, g; pad is the
// character that fills to the width (default blank, on the left).
//   String::Format("@{6Y'0'}", 0xFF80)  ->  "00FF80"
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

#include "result.h"

class String
{
public:
  String() = default;
  String(const char* text) : _s(text ? text : "") {}
  String(std::string text) : _s(std::move(text)) {}
  String(std::string_view text) : _s(text) {}

  const std::string& GetStd() const { return _s; }
  const char* GetCString() const { return _s.c_str(); }
  operator std::string_view() const { return _s; }

  bool IsEmpty() const { return _s.empty(); }
  std::size_t GetByteCount() const { return _s.size(); }
  std::size_t GetCharCount() const;
  // Empty or made only of blanks and tabs.
  bool IsBlank() const;
  static bool IsValidUtf8(std::string_view text);

  String& operator+=(std::string_view text)
  {
    _s += text;
    return *this;
  }
  friend String operator+(String a, std::string_view b) { return a += b; }
  friend bool operator==(const String& a, const String& b) = default;
  friend auto operator<=>(const String& a, const String& b) = default;
  friend bool operator==(const String& a, const char* b) { return a._s == (b ? b : ""); }

  bool StartsWith(std::string_view prefix) const { return _s.starts_with(prefix); }
  bool EndsWith(std::string_view suffix) const { return _s.ends_with(suffix); }
  // Byte offset of the first occurrence, or npos.
  std::size_t Find(std::string_view part, std::size_t from = 0) const { return _s.find(part, from); }
  // Bytes [from, from + count), cut to the string's end.
  String SubStr(std::size_t from, std::size_t count = std::string::npos) const;
  // The first count code points.
  String Left(std::size_t count) const;
  // Without leading and trailing blanks, tabs and line breaks.
  String Trimmed() const;
  String ToUpperAscii() const;
  String ToLowerAscii() const;

  // Decimal with an optional sign, or hexadecimal after "0x"; blanks around
  // are allowed. Anything else is an illegal argument.
  Result<std::int64_t> ToInt64() const;
  Result<double> ToFloat() const;

  static String FromInt(std::int64_t value);
  // Shortest text that reads back as the same double; precision >= 0 fixes
  // the number of decimals.
  static String FromFloat(double value, int precision = -1);

  template <typename... Args>
  static String Format(std::string_view format, const Args&... args);

  // One formattable argument; public so that Format's helper can build them.
  using FormatArg = std::variant<std::int64_t, std::uint64_t, double, std::string_view>;

private:
  static String FormatArgs(std::string_view format, const FormatArg* args, std::size_t count);

  template <typename T>
  static FormatArg ToArg(const T& value)
  {
    if constexpr (std::is_same_v<T, bool>)
      return std::string_view(value ? "true" : "false");
    else if constexpr (std::is_same_v<T, char>)
      return std::string_view(&value, 1);
    else if constexpr (std::is_integral_v<T> && std::is_signed_v<T>)
      return static_cast<std::int64_t>(value);
    else if constexpr (std::is_integral_v<T>)
      return static_cast<std::uint64_t>(value);
    else if constexpr (std::is_enum_v<T>)
      return static_cast<std::int64_t>(value);
    else if constexpr (std::is_floating_point_v<T>)
      return static_cast<double>(value);
    else if constexpr (std::is_pointer_v<T>)
      return std::string_view(value ? value : "");
    else
      return std::string_view(value);
  }

  std::string _s;
};

template <typename... Args>
String String::Format(std::string_view format, const Args&... args)
{
  if constexpr (sizeof...(Args) == 0)
  {
    return FormatArgs(format, nullptr, 0);
  }
  else
  {
    const FormatArg list[] = {ToArg(args)...};
    return FormatArgs(format, list, sizeof...(Args));
  }
}

template <>
struct std::hash<String>
{
  std::size_t operator()(const String& s) const noexcept { return std::hash<std::string>()(s.GetStd()); }
};

#include "gxastring.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace
{
bool IsContinuation(unsigned char c)
{
  return (c & 0xC0) == 0x80;
}

bool IsSpace(char c)
{
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// What follows an "@": the parts of an optional "{...}" spec.
struct FormatSpec
{
  std::size_t width = 0;
  int precision = -1;
  char type = 0;
  char pad = ' ';
};

std::size_t ReadNumber(std::string_view text, std::size_t& pos)
{
  std::size_t n = 0;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && n < 1000)
    n = n * 10 + static_cast<std::size_t>(text[pos++] - '0');
  return n;
}

// Reads "{...}" at pos; leaves pos alone when there is no well-formed spec.
FormatSpec ReadSpec(std::string_view format, std::size_t& pos)
{
  FormatSpec spec;
  if (pos >= format.size() || format[pos] != '{')
    return spec;
  const std::size_t close = format.find('}', pos);
  if (close == std::string_view::npos)
    return spec;
  const std::string_view body = format.substr(pos + 1, close - pos - 1);
  std::size_t i = 0;
  spec.width = ReadNumber(body, i);
  if (i < body.size() && body[i] == '.')
  {
    ++i;
    spec.precision = static_cast<int>(ReadNumber(body, i));
  }
  if (i < body.size() && body[i] != '\'')
    spec.type = body[i++];
  if (i + 2 < body.size() && body[i] == '\'' && body[i + 2] == '\'')
  {
    spec.pad = body[i + 1];
    i += 3;
  }
  if (i != body.size())
    return FormatSpec{};
  pos = close + 1;
  return spec;
}

std::string IntegerText(std::uint64_t magnitude, bool negative, char type)
{
  const int base = (type == 'x' || type == 'X' || type == 'Y') ? 16 : 10;
  char buf[32];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, magnitude, base);
  std::string text(buf, end);
  if (type == 'X' || type == 'Y')
    for (char& c : text)
      if (c >= 'a' && c <= 'f')
        c = static_cast<char>(c - 'a' + 'A');
  return negative ? "-" + text : text;
}

std::string FloatText(double value, const FormatSpec& spec)
{
  if (std::isnan(value))
    return "nan";
  if (std::isinf(value))
    return value < 0 ? "-inf" : "inf";
  char buf[400];
  std::to_chars_result r;
  const std::chars_format form = spec.type == 'e'   ? std::chars_format::scientific
                                 : spec.type == 'g' ? std::chars_format::general
                                                    : std::chars_format::fixed;
  if (spec.precision >= 0)
    r = std::to_chars(buf, buf + sizeof buf, value, form, spec.precision);
  else if (spec.type == 'f' || spec.type == 'e')
    r = std::to_chars(buf, buf + sizeof buf, value, form);
  else
    r = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, r.ptr);
}

std::string ArgText(const String::FormatArg& arg, const FormatSpec& spec)
{
  if (const auto* i = std::get_if<std::int64_t>(&arg))
  {
    if (spec.type == 'f' || spec.type == 'e' || spec.type == 'g')
      return FloatText(static_cast<double>(*i), spec);
    const bool negative = *i < 0;
    const std::uint64_t magnitude =
        negative ? std::uint64_t(0) - static_cast<std::uint64_t>(*i) : static_cast<std::uint64_t>(*i);
    return IntegerText(magnitude, negative, spec.type);
  }
  if (const auto* u = std::get_if<std::uint64_t>(&arg))
  {
    if (spec.type == 'f' || spec.type == 'e' || spec.type == 'g')
      return FloatText(static_cast<double>(*u), spec);
    return IntegerText(*u, false, spec.type);
  }
  if (const auto* d = std::get_if<double>(&arg))
    return FloatText(*d, spec);
  return std::string(std::get<std::string_view>(arg));
}

void AppendPadded(std::string& out, const std::string& text, const FormatSpec& spec)
{
  const std::size_t chars = String(text).GetCharCount();
  if (chars < spec.width)
    out.append(spec.width - chars, spec.pad);
  out += text;
}
}  // namespace

std::size_t String::GetCharCount() const
{
  std::size_t count = 0;
  for (unsigned char c : _s)
    if (!IsContinuation(c))
      ++count;
  return count;
}

bool String::IsBlank() const
{
  for (char c : _s)
    if (c != ' ' && c != '\t')
      return false;
  return true;
}

bool String::IsValidUtf8(std::string_view text)
{
  std::size_t i = 0;
  while (i < text.size())
  {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t extra = 0;
    // The allowed range of the second byte rules out overlong forms,
    // surrogates and code points above U+10FFFF.
    unsigned char low = 0x80, high = 0xBF;
    if (c < 0x80)
      extra = 0;
    else if (c >= 0xC2 && c <= 0xDF)
      extra = 1;
    else if (c >= 0xE0 && c <= 0xEF)
    {
      extra = 2;
      low = c == 0xE0 ? 0xA0 : 0x80;
      high = c == 0xED ? 0x9F : 0xBF;
    }
    else if (c >= 0xF0 && c <= 0xF4)
    {
      extra = 3;
      low = c == 0xF0 ? 0x90 : 0x80;
      high = c == 0xF4 ? 0x8F : 0xBF;
    }
    else
      return false;
    if (text.size() - i <= extra)
      return false;
    for (std::size_t k = 1; k <= extra; ++k)
    {
      const auto b = static_cast<unsigned char>(text[i + k]);
      if (k == 1 ? (b < low || b > high) : !IsContinuation(b))
        return false;
    }
    i += extra + 1;
  }
  return true;
}

String String::SubStr(std::size_t from, std::size_t count) const
{
  if (from >= _s.size())
    return {};
  return String(_s.substr(from, count));
}

String String::Left(std::size_t count) const
{
  std::size_t seen = 0;
  for (std::size_t i = 0; i < _s.size(); ++i)
  {
    if (IsContinuation(static_cast<unsigned char>(_s[i])))
      continue;
    if (seen++ == count)
      return String(_s.substr(0, i));
  }
  return *this;
}

String String::Trimmed() const
{
  std::size_t begin = 0;
  std::size_t end = _s.size();
  while (begin < end && IsSpace(_s[begin]))
    ++begin;
  while (end > begin && IsSpace(_s[end - 1]))
    --end;
  return String(_s.substr(begin, end - begin));
}

String String::ToUpperAscii() const
{
  std::string out = _s;
  for (char& c : out)
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 'a' + 'A');
  return String(std::move(out));
}

String String::ToLowerAscii() const
{
  std::string out = _s;
  for (char& c : out)
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  return String(std::move(out));
}

Result<std::int64_t> String::ToInt64() const
{
  const String text = Trimmed();
  std::string_view digits = text;
  bool negative = false;
  if (!digits.empty() && (digits[0] == '-' || digits[0] == '+'))
  {
    negative = digits[0] == '-';
    digits.remove_prefix(1);
  }
  int base = 10;
  if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'))
  {
    base = 16;
    digits.remove_prefix(2);
  }
  std::uint64_t magnitude = 0;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, base);
  if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size())
    return IllegalArgumentError("\"" + _s + "\" is not a whole number");
  const std::uint64_t limit = negative ? std::uint64_t(1) << 63 : (std::uint64_t(1) << 63) - 1;
  if (magnitude > limit)
    return OutOfRangeError("\"" + _s + "\" does not fit 64 bits");
  return negative ? static_cast<std::int64_t>(std::uint64_t(0) - magnitude) : static_cast<std::int64_t>(magnitude);
}

Result<double> String::ToFloat() const
{
  const String text = Trimmed();
  std::string_view digits = text;
  if (!digits.empty() && digits[0] == '+')
    digits.remove_prefix(1);
  double value = 0.0;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || ec == std::errc::invalid_argument || end != digits.data() + digits.size())
    return IllegalArgumentError("\"" + _s + "\" is not a number");
  if (ec == std::errc::result_out_of_range)
    return OutOfRangeError("\"" + _s + "\" is out of range");
  return value;
}

String String::FromInt(std::int64_t value)
{
  return Format("@", value);
}

String String::FromFloat(double value, int precision)
{
  FormatSpec spec;
  spec.precision = precision;
  spec.type = precision >= 0 ? 'f' : 0;
  return String(FloatText(value, spec));
}

String String::FormatArgs(std::string_view format, const FormatArg* args, std::size_t count)
{
  std::string out;
  out.reserve(format.size() + 16 * count);
  std::size_t next = 0;
  std::size_t pos = 0;
  while (pos < format.size())
  {
    const char c = format[pos++];
    if (c != '@')
    {
      out += c;
      continue;
    }
    if (pos < format.size() && format[pos] == '@')
    {
      out += '@';
      ++pos;
      continue;
    }
    const FormatSpec spec = ReadSpec(format, pos);
    if (next < count)
      AppendPadded(out, ArgText(args[next++], spec), spec);
    else
      out += '@';
  }
  return String(std::move(out));
}

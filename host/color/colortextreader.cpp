#include "color/colortextreader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "colorscience/cssnames.h"

namespace host
{

namespace
{

using R = Outcome<TextColor>;

const char* const kForms =
    "a colour is #rgb, #rrggbb, #rrggbbaa, rgb(), rgba(), hsl(), hsla(), a CSS colour name or three numbers from 0 "
    "to 1";

bool IsSpace(char c)
{
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view Trim(std::string_view s)
{
  while (!s.empty() && IsSpace(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && IsSpace(s.back()))
    s.remove_suffix(1);
  return s;
}

std::string Lower(std::string_view s)
{
  std::string out(s);
  for (char& c : out)
  {
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

bool StartsWith(std::string_view s, std::string_view prefix)
{
  return s.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::string_view s, std::string_view suffix)
{
  return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

int HexDigit(char c)
{
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  return -1;
}

bool AllHex(std::string_view s)
{
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return HexDigit(c) >= 0; });
}

double Clamp01(double v)
{
  return std::clamp(v, 0.0, 1.0);
}

// A CSS number: a sign, digits with a fraction, an exponent; no "inf", no
// "nan" and no hexadecimal, which the library would take.
std::optional<double> Number(std::string_view s)
{
  if (!s.empty() && s.front() == '+')
    s.remove_prefix(1);
  const bool digits = std::any_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
  const bool known = std::all_of(s.begin(), s.end(), [](char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e';
  });
  if (!digits || !known || s.front() == '+')
    return std::nullopt;
  double v = 0.0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v))
    return std::nullopt;
  return v;
}

// A number, or a percentage of one hundred percent = full.
std::optional<double> Scaled(std::string_view s, double full)
{
  if (EndsWith(s, "%"))
  {
    const auto v = Number(s.substr(0, s.size() - 1));
    return v ? std::optional<double>(Clamp01(*v / 100.0)) : std::nullopt;
  }
  const auto v = Number(s);
  return v ? std::optional<double>(Clamp01(*v / full)) : std::nullopt;
}

// Degrees, or the angle in the unit it names; one turn wraps around.
std::optional<double> Hue(std::string_view s)
{
  constexpr double kPi = 3.14159265358979323846;
  struct Unit
  {
    std::string_view suffix;
    double degrees;
  };
  static constexpr Unit kUnits[] = {{"deg", 1.0}, {"grad", 0.9}, {"rad", 180.0 / kPi}, {"turn", 360.0}};
  double scale = 1.0;
  for (const Unit& u : kUnits)
  {
    if (EndsWith(s, u.suffix))
    {
      s.remove_suffix(u.suffix.size());
      scale = u.degrees;
      break;
    }
  }
  const auto v = Number(s);
  if (!v)
    return std::nullopt;
  const double degrees = std::fmod(*v * scale, 360.0);
  return degrees < 0.0 ? degrees + 360.0 : degrees;
}

// The CSS way: exact at the primaries and secondaries, where the classic
// formula lands a rounding error away from 1.
std::array<double, 3> HslToRgb(double hueDegrees, double s, double l)
{
  const double a = s * std::min(l, 1.0 - l);
  auto channel = [&](double n) {
    const double k = std::fmod(n + hueDegrees / 30.0, 12.0);
    return Clamp01(l - a * std::max(-1.0, std::min({k - 3.0, 9.0 - k, 1.0})));
  };
  return {channel(0.0), channel(8.0), channel(4.0)};
}

std::vector<std::string_view> Split(std::string_view s, char separator)
{
  std::vector<std::string_view> parts;
  size_t from = 0;
  for (size_t i = 0; i <= s.size(); ++i)
  {
    if (i == s.size() || s[i] == separator)
    {
      parts.push_back(Trim(s.substr(from, i - from)));
      from = i + 1;
    }
  }
  return parts;
}

std::vector<std::string_view> Words(std::string_view s)
{
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < s.size())
  {
    while (i < s.size() && IsSpace(s[i]))
      ++i;
    const size_t from = i;
    while (i < s.size() && !IsSpace(s[i]))
      ++i;
    if (i > from)
      words.push_back(s.substr(from, i - from));
  }
  return words;
}

// The arguments of a colour function: "a, b, c[, alpha]" or "a b c[ / alpha]".
std::optional<std::vector<std::string_view>> Arguments(std::string_view inside)
{
  if (inside.find(',') != std::string_view::npos)
  {
    if (inside.find('/') != std::string_view::npos)
      return std::nullopt;
    auto parts = Split(inside, ',');
    const bool empty = std::any_of(parts.begin(), parts.end(), [](std::string_view p) { return p.empty(); });
    return empty ? std::nullopt : std::optional(parts);
  }
  const std::vector<std::string_view> halves = Split(inside, '/');
  if (halves.size() > 2)
    return std::nullopt;
  std::vector<std::string_view> parts = Words(halves[0]);
  if (halves.size() == 2)
  {
    const auto alpha = Words(halves[1]);
    if (alpha.size() != 1 || parts.size() != 3)
      return std::nullopt;
    parts.push_back(alpha[0]);
  }
  return parts;
}

R FromHex(std::string_view digits, std::string_view written)
{
  if (!digits.empty() && !AllHex(digits))
    return R::Fail(std::string(written) + " has a character that is no hexadecimal digit");
  const size_t n = digits.size();
  if (n != 3 && n != 4 && n != 6 && n != 8)
  {
    return R::Fail(std::string(written) + " has " + std::to_string(n) +
                   " hexadecimal digits; a colour has 3, 4, 6 or 8");
  }
  const bool shortForm = n <= 4;
  auto channel = [&](size_t i) {
    const int v = shortForm ? HexDigit(digits[i]) * 17 : HexDigit(digits[2 * i]) * 16 + HexDigit(digits[2 * i + 1]);
    return v / 255.0;
  };
  TextColor color{{channel(0), channel(1), channel(2)}, std::nullopt};
  if (n == 4 || n == 8)
    color.alpha = channel(3);
  return color;
}

// The fourth argument of a colour function, when there is one.
R WithAlpha(TextColor color, const std::vector<std::string_view>& args, const std::string& name)
{
  if (args.size() < 4)
    return color;
  const auto a = Scaled(args[3], 1.0);
  if (!a)
    return R::Fail(name + "(): the alpha '" + std::string(args[3]) + "' is no number or percentage");
  color.alpha = *a;
  return color;
}

R FromRgbFunction(const std::vector<std::string_view>& args, const std::string& name)
{
  if (args.size() != 3 && args.size() != 4)
    return R::Fail(name + "() takes three components and an optional alpha");
  TextColor color;
  for (size_t i = 0; i < 3; ++i)
  {
    const auto v = Scaled(args[i], 255.0);
    if (!v)
      return R::Fail(name + "(): '" + std::string(args[i]) + "' is no number or percentage");
    color.rgb[i] = *v;
  }
  return WithAlpha(color, args, name);
}

R FromHslFunction(const std::vector<std::string_view>& args, const std::string& name)
{
  if (args.size() != 3 && args.size() != 4)
    return R::Fail(name + "() takes a hue, a saturation, a lightness and an optional alpha");
  const auto h = Hue(args[0]);
  if (!h)
    return R::Fail(name + "(): '" + std::string(args[0]) + "' is no angle");
  // Saturation and lightness are percentages, with or without the sign.
  std::array<double, 2> sl{};
  for (size_t i = 0; i < 2; ++i)
  {
    std::string_view arg = args[i + 1];
    if (EndsWith(arg, "%"))
      arg.remove_suffix(1);
    const auto v = Number(arg);
    if (!v)
      return R::Fail(name + "(): '" + std::string(args[i + 1]) + "' is no percentage");
    sl[i] = Clamp01(*v / 100.0);
  }
  TextColor color{HslToRgb(*h, sl[0], sl[1]), std::nullopt};
  return WithAlpha(color, args, name);
}

std::optional<R> FromFunction(std::string_view text)
{
  const size_t open = text.find('(');
  if (open == std::string_view::npos)
    return std::nullopt;
  const std::string name(Trim(text.substr(0, open)));
  const bool rgb = name == "rgb" || name == "rgba";
  const bool hsl = name == "hsl" || name == "hsla";
  if (!rgb && !hsl)
    return std::nullopt;
  if (text.back() != ')')
    return R::Fail(name + "( is not closed with )");
  const auto args = Arguments(text.substr(open + 1, text.size() - open - 2));
  if (!args)
    return R::Fail(name + "() separates its components either all by commas or by spaces with / before alpha");
  return rgb ? FromRgbFunction(*args, name) : FromHslFunction(*args, name);
}

std::optional<R> FromName(const std::string& text)
{
  for (const colorscience::CssNamedColor& c : colorscience::CssNames::All())
  {
    if (text == c.name)
    {
      return R(TextColor{{((c.rgb >> 16) & 0xFF) / 255.0, ((c.rgb >> 8) & 0xFF) / 255.0, (c.rgb & 0xFF) / 255.0},
                         std::nullopt});
    }
  }
  return std::nullopt;
}

// "0.2 0.4 0.6", "0.2, 0.4, 0.6", in ( ) or [ ] too; a fourth number is alpha.
std::optional<R> FromNumbers(std::string_view text)
{
  if ((text.front() == '(' && text.back() == ')') || (text.front() == '[' && text.back() == ']'))
    text = Trim(text.substr(1, text.size() - 2));
  std::string spaced(text);
  std::replace(spaced.begin(), spaced.end(), ',', ' ');
  const std::vector<std::string_view> words = Words(spaced);
  if (words.size() != 3 && words.size() != 4)
    return std::nullopt;
  std::array<double, 4> v{};
  for (size_t i = 0; i < words.size(); ++i)
  {
    const auto n = Number(words[i]);
    if (!n)
      return std::nullopt;
    v[i] = *n;
  }
  // A comma-only list with empty places ("1,,0,0") is no triple.
  if (std::count(text.begin(), text.end(), ',') >= static_cast<long>(words.size()))
    return std::nullopt;
  for (size_t i = 0; i < words.size(); ++i)
  {
    if (v[i] < 0.0 || v[i] > 1.0)
      return R::Fail("the numbers of a colour run from 0 to 1; " + std::string(words[i]) + " does not");
  }
  TextColor color{{v[0], v[1], v[2]}, std::nullopt};
  if (words.size() == 4)
    color.alpha = v[3];
  return R(color);
}

}  // namespace

Outcome<TextColor> ColorTextReader::Read(std::string_view text)
{
  if (text.size() > kMaxLength)
    return R::Fail("the text is too long for a colour (" + std::to_string(text.size()) + " bytes)");
  const std::string lower = Lower(Trim(text));
  if (lower.empty())
    return R::Fail("there is no text");
  const std::string_view t = lower;
  if (t.front() == '#')
    return FromHex(t.substr(1), t);
  if (StartsWith(t, "0x") && (t.size() == 8 || t.size() == 10) && AllHex(t.substr(2)))
    return FromHex(t.substr(2), t);
  if ((t.size() == 6 || t.size() == 8) && AllHex(t))
    return FromHex(t, t);
  if (auto named = FromName(lower))
    return *named;
  if (auto function = FromFunction(t))
    return *function;
  if (auto numbers = FromNumbers(t))
    return *numbers;
  return R::Fail(kForms);
}

}  // namespace host

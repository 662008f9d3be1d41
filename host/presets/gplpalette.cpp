#include "presets/gplpalette.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "presets/unicodetext.h"

namespace host {

namespace {

constexpr std::string_view kSignature = "GIMP Palette";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (IsBlank(s.front()) || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (IsBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// Digits at the front of s (consumed), as written and as a value that
// stops growing past anything a component can be; nothing when there are none.
struct Digits {
  std::string_view text;
  long value = 0;
};
std::optional<Digits> Number(std::string_view& s) {
  Digits d;
  size_t n = 0;
  while (n < s.size() && s[n] >= '0' && s[n] <= '9') {
    d.value = std::min(d.value * 10 + (s[n] - '0'), 100000L);
    ++n;
  }
  if (n == 0) return std::nullopt;
  d.text = s.substr(0, n);
  s.remove_prefix(n);
  return d;
}

std::string Quoted(std::string_view line) {
  std::string shown = UnicodeText::Printable(line.substr(0, 60));
  return "'" + shown + (line.size() > 60 ? "...'" : "'");
}

Outcome<PaletteColor> ColorLine(std::string_view line, size_t number) {
  using R = Outcome<PaletteColor>;
  const std::string where = "line " + std::to_string(number) + " " + Quoted(Trimmed(line));
  std::string_view rest = line;
  long rgb[3];
  for (int i = 0; i < 3; ++i) {
    while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
    auto v = Number(rest);
    if (!v) return R::Fail(where + ": expected three numbers 0..255 (red green blue)");
    if (v->value > 255) return R::Fail(where + ": " + std::string(v->text) + " is outside 0..255");
    if (!rest.empty() && !IsBlank(rest.front()) && rest.front() != '\r') {
      return R::Fail(where + ": expected three numbers 0..255 (red green blue)");
    }
    rgb[i] = v->value;
  }
  PaletteColor c{rgb[0] / 255.0, rgb[1] / 255.0, rgb[2] / 255.0, UnicodeText::ValidUtf8(Trimmed(rest))};
  return c;
}

int To8Bit(double v) { return static_cast<int>(std::clamp(std::floor(v * 255.0 + 0.5), 0.0, 255.0)); }

// A name on a line of its own must not end it.
std::string OneLine(std::string text) {
  std::replace(text.begin(), text.end(), '\n', ' ');
  std::replace(text.begin(), text.end(), '\r', ' ');
  return text;
}

}  // namespace

Outcome<Palette> GplPalette::Parse(std::string_view text, const std::string& fallback_name) {
  using R = Outcome<Palette>;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  PaletteGroup group;
  bool in_colors = false;
  size_t number = 0;
  for (size_t at = 0; at <= text.size(); ++number) {
    size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(at, end - at);
    at = end + 1;
    if (number == 0) {
      if (Trimmed(line) != kSignature || !line.starts_with(kSignature)) {
        return R::Fail("not a GIMP palette: the first line is not 'GIMP Palette'");
      }
      continue;
    }
    std::string_view trimmed = Trimmed(line);
    if (trimmed.empty() || trimmed.front() == '#') continue;
    if (!in_colors && trimmed.starts_with("Name:")) {
      group.name = UnicodeText::ValidUtf8(Trimmed(trimmed.substr(5)));
      continue;
    }
    if (!in_colors && trimmed.starts_with("Columns:")) {
      std::string_view columns = Trimmed(trimmed.substr(8));
      if (!Number(columns) || !columns.empty()) {
        return R::Fail("line " + std::to_string(number + 1) + " " + Quoted(trimmed) +
                       ": Columns needs a number of 0 or more");
      }
      continue;
    }
    auto color = ColorLine(line, number + 1);
    if (!color) return R::Fail(color.Error());
    group.colors.push_back(std::move(color.Value()));
    in_colors = true;
  }
  if (group.colors.empty()) return R::Fail("the palette holds no colours");
  if (group.name.empty()) group.name = fallback_name;
  Palette p;
  p.groups.push_back(std::move(group));
  return p;
}

std::string GplPalette::Write(const PaletteGroup& group) {
  std::string out = std::string(kSignature) + "\nName: " + OneLine(group.name) + "\nColumns: 0\n#\n";
  for (const auto& c : group.colors) {
    const int r = To8Bit(c.red), g = To8Bit(c.green), b = To8Bit(c.blue);
    char numbers[16], hex[8];
    std::snprintf(numbers, sizeof numbers, "%3d %3d %3d\t", r, g, b);
    std::snprintf(hex, sizeof hex, "#%02X%02X%02X", r, g, b);
    out += numbers + (c.name.empty() ? std::string(hex) : OneLine(c.name)) + "\n";
  }
  return out;
}

}  // namespace host

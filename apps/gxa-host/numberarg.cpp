#include "numberarg.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace host::cli {

std::optional<double> NumberArg::Real(const std::string& text) {
  if (text.empty() || std::isspace(static_cast<unsigned char>(text.front()))) return std::nullopt;
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (*end != '\0' || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<int32_t> NumberArg::Int32(const std::string& text) {
  int32_t v = 0;
  const char* last = text.data() + text.size();
  auto [end, err] = std::from_chars(text.data(), last, v);
  if (text.empty() || err != std::errc() || end != last) return std::nullopt;
  return v;
}

}  // namespace host::cli

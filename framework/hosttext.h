#pragma once
// Reads a text that the host writes through a (buf, cap) pair and answers
// with its full length (negative when there is none).
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "gxastring.h"

template <typename Fetch>
std::optional<String> ReadHostText(Fetch&& fetch)
{
  char small[256];
  std::int64_t length = fetch(small, sizeof small);
  if (length < 0)
    return std::nullopt;
  if (static_cast<std::uint64_t>(length) < sizeof small)
    return String(std::string(small, static_cast<std::size_t>(length)));
  // The text may change between calls; ask until the buffer holds all of it.
  for (int attempt = 0; attempt < 4; ++attempt)
  {
    std::string big(static_cast<std::size_t>(length) + 1, '\0');
    const std::int64_t again = fetch(big.data(), big.size());
    if (again < 0)
      return std::nullopt;
    if (again <= length)
    {
      big.resize(static_cast<std::size_t>(again));
      return String(std::move(big));
    }
    length = again;
  }
  return std::nullopt;
}

// The other direction, for the module's own entries: at most cap - 1 bytes
// and a NUL into buf; answers the full length.
inline std::int64_t WriteHostText(const String& text, char* buf, std::size_t cap)
{
  if (buf && cap > 0)
  {
    const std::size_t n = std::min(text.GetByteCount(), cap - 1);
    std::memcpy(buf, text.GetCString(), n);
    buf[n] = '\0';
  }
  return static_cast<std::int64_t>(text.GetByteCount());
}

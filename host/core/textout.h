#pragma once
// Strings leave the host through (buf, cap) pairs: at most cap-1 bytes and a
// NUL are written, and the full length is answered so the caller can retry.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace host {

inline int64_t WriteText(std::string_view text, char* buf, size_t cap) {
  if (buf && cap > 0) {
    size_t n = text.size() < cap - 1 ? text.size() : cap - 1;
    std::memcpy(buf, text.data(), n);
    buf[n] = '\0';
  }
  return static_cast<int64_t>(text.size());
}

}  // namespace host

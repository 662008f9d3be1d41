#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace host {

// The ICC profile a PNG embeds (its iCCP chunk), inflated. libpng's simple
// reading interface does not hand it out. Answers false, leaving icc empty,
// when there is none or it is damaged: the picture then counts as sRGB.
class PngIccProfile {
 public:
  static constexpr size_t kMaxBytes = size_t{4} << 20;

  static bool Find(std::span<const uint8_t> png, std::vector<uint8_t>& icc);

 private:
  static bool Inflate(std::span<const uint8_t> deflated, std::vector<uint8_t>& out);
};

}  // namespace host

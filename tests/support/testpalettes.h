#pragma once
// Palette files made by hand in the test, for what the host's own writers
// never write: an ASE colour with any name, colour model and components.
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace testpalettes
{
// An ASE file of one colour entry.
inline std::vector<std::uint8_t> AseColour(const std::u16string& name, const std::string& model,
                                           const std::vector<float>& components)
{
  auto u16 = [](std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.insert(out.end(), {std::uint8_t(v >> 8), std::uint8_t(v)});
  };
  auto u32 = [&](std::vector<std::uint8_t>& out, std::uint32_t v) {
    u16(out, std::uint16_t(v >> 16));
    u16(out, std::uint16_t(v));
  };
  std::vector<std::uint8_t> body;
  u16(body, std::uint16_t(name.size() + 1));
  for (const char16_t unit : name)
    u16(body, unit);
  u16(body, 0);
  body.insert(body.end(), model.begin(), model.end());
  for (const float v : components)
    u32(body, std::bit_cast<std::uint32_t>(v));
  u16(body, 2);
  std::vector<std::uint8_t> file = {'A', 'S', 'E', 'F', 0, 1, 0, 0};
  u32(file, 1);
  u16(file, 1);
  u32(file, std::uint32_t(body.size()));
  file.insert(file.end(), body.begin(), body.end());
  return file;
}
}  // namespace testpalettes

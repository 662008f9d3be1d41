#pragma once
// The shared body of a colour profile: an open LittleCMS profile and what
// identifies it. Bitmaps carry it; ColorProfile is the handle to use.
#include <array>
#include <cstdint>
#include <string>

namespace host
{

struct ColorProfileRef
{
  ColorProfileRef(void* profile, std::string description);
  ~ColorProfileRef();
  ColorProfileRef(const ColorProfileRef&) = delete;
  ColorProfileRef& operator=(const ColorProfileRef&) = delete;

  void* const handle;  // cmsHPROFILE, closed with the body
  const std::string description;
  const std::array<uint8_t, 16> id;  // hash of the contents, creation date left out
};

}  // namespace host

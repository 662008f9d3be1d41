#pragma once
// Pictures opened by the user (the chooser's picture mode): PNG or JPEG whose
// name says what it holds, at most 100 megapixels, RGB. An embedded ICC
// profile is converted away here, so the bitmap comes out in sRGB, the
// chooser's working space, and carries that profile: nothing converts it twice.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "raster/bitmap.h"

namespace host
{

class PictureFile
{
public:
  static constexpr std::int64_t kMaxPixels = 100'000'000;

  // On failure out is unchanged and error names the file and says why.
  static bool Load(const std::filesystem::path& file, Bitmap& out, std::string& error);
  // The same from bytes, without the name checks (the fuzz target's entry).
  static bool Decode(std::span<const std::uint8_t> data, Bitmap& out, std::string& error);

private:
  static bool NameFitsContent(const std::filesystem::path& file, std::span<const std::uint8_t> data,
                              std::string& error);
  static void ToWorkingSpace(Bitmap& bitmap, std::span<const std::uint8_t> icc);
};

}  // namespace host

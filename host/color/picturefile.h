#pragma once
// Pictures opened by the user (the chooser's picture mode): PNG or JPEG whose
// name says what it holds, at most 100 megapixels, RGB. An embedded ICC
// profile is converted away here, so the bitmap comes out in sRGB, the
// chooser's working space, and carries that profile: nothing converts it twice.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>

#include "raster/bitmap.h"

namespace host
{

class PictureFile
{
public:
  static constexpr std::int64_t kMaxPixels = 100'000'000;

  // Told the share of the whole load done, 0 to 1, never less than before,
  // and 1 once the picture is ready; answering false stops the load, which
  // then fails with ImageCodec::kCancelled. May be called from the thread
  // that loads.
  using Progress = std::function<bool(double done)>;

  // On failure out is unchanged and error names the file and says why.
  static bool Load(const std::filesystem::path& file, Bitmap& out, std::string& error, const Progress& progress = {});
  // The same from bytes, without the name checks (the fuzz target's entry).
  static bool Decode(std::span<const std::uint8_t> data, Bitmap& out, std::string& error,
                     const Progress& progress = {});

private:
  // Shares of the load: reading the file, then decoding it, and converting
  // the pixels when a profile asks for it.
  static constexpr double kReadShare = 0.2;
  static constexpr double kConvertShare = 0.2;

  static bool NameFitsContent(const std::filesystem::path& file, std::span<const std::uint8_t> data,
                              std::string& error);
  static bool ToWorkingSpace(Bitmap& bitmap, std::span<const std::uint8_t> icc, const Progress& progress);
  // The part of progress from `from` to `to`, or nothing without progress.
  static Progress Part(const Progress& progress, double from, double to);
};

}  // namespace host

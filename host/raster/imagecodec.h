#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "raster/bitmap.h"

namespace host {

// PNG (libpng) and JPEG (libjpeg) reading, PNG writing. The memory entries are
// the ones the file entries and the fuzz targets share. Decoded pictures come
// out at depth 24, or depth 32 when the PNG carries transparency.
class ImageCodec {
 public:
  enum class Format { Unknown, Png, Jpeg };

  static Format Detect(std::span<const uint8_t> data);
  static bool Decode(std::span<const uint8_t> data, Bitmap& out, std::string& error);
  static bool DecodePng(std::span<const uint8_t> data, Bitmap& out, std::string& error);
  static bool DecodeJpeg(std::span<const uint8_t> data, Bitmap& out, std::string& error);
  // A 24-bit bitmap with an alpha channel is written as RGBA.
  static bool EncodePng(const Bitmap& bitmap, std::vector<uint8_t>& out, std::string& error);

  static bool LoadFile(const std::filesystem::path& file, Bitmap& out, std::string& error);
  // Writes through a temporary file, so a failed save leaves any old file intact.
  static bool SavePngFile(const Bitmap& bitmap, const std::filesystem::path& file, std::string& error);

 private:
  static bool ReadFile(const std::filesystem::path& file, std::vector<uint8_t>& data, std::string& error);
  static void CmykToRgb(const Bitmap& cmyk, bool inverted, Bitmap& out);
};

}  // namespace host

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

  // What a picture file may be, and what to keep beside its pixels.
  struct PictureOptions {
    int64_t maxPixels = Bitmap::kMaxPixels;
    bool refuseCmyk = false;
    // Receives an embedded ICC profile, or stays empty.
    std::vector<uint8_t>* icc = nullptr;
  };

  static Format Detect(std::span<const uint8_t> data);
  // A picture with the options' limits; the entries below use the defaults.
  static bool DecodePicture(std::span<const uint8_t> data, const PictureOptions& options, Bitmap& out,
                            std::string& error);
  static bool Decode(std::span<const uint8_t> data, Bitmap& out, std::string& error);
  static bool DecodePng(std::span<const uint8_t> data, Bitmap& out, std::string& error);
  static bool DecodeJpeg(std::span<const uint8_t> data, Bitmap& out, std::string& error);
  // A 24-bit bitmap with an alpha channel is written as RGBA.
  static bool EncodePng(const Bitmap& bitmap, std::vector<uint8_t>& out, std::string& error);

  static bool LoadFile(const std::filesystem::path& file, Bitmap& out, std::string& error);
  // Writes through a temporary file, so a failed save leaves any old file intact.
  static bool SavePngFile(const Bitmap& bitmap, const std::filesystem::path& file, std::string& error);

  // The whole file, refused past 1 GiB; the message names the file.
  static bool ReadFile(const std::filesystem::path& file, std::vector<uint8_t>& data, std::string& error);

 private:
  static void CmykToRgb(const Bitmap& cmyk, bool inverted, Bitmap& out);
  static bool DecodePng(std::span<const uint8_t> data, const PictureOptions& options, Bitmap& out, std::string& error);
  static bool DecodeJpeg(std::span<const uint8_t> data, const PictureOptions& options, Bitmap& out, std::string& error);
};

}  // namespace host

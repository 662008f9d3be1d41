#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "raster/bitmap.h"

namespace host {

// PNG (libpng) and JPEG (libjpeg) reading, PNG writing. The memory entries are
// the ones the file entries and the fuzz targets share. Decoded pictures come
// out at depth 24, or depth 32 when the PNG carries transparency. PNG is read
// row by row: every colour type and depth, interlaced or not, with 16-bit
// components scaled to 8 bits as the sRGB-encoded values they hold.
class ImageCodec {
 public:
  enum class Format { Unknown, Png, Jpeg };

  // The error of a decode that its progress callback stopped.
  static constexpr const char* kCancelled = "loading was cancelled";

  // What a picture file may be, and what to keep beside its pixels.
  struct PictureOptions {
    int64_t maxPixels = Bitmap::kMaxPixels;
    bool refuseCmyk = false;
    // Receives an embedded ICC profile, or stays empty. It is known before
    // the first progress report.
    std::vector<uint8_t>* icc = nullptr;
    // Told the share of the decode done, 0 to 1, never less than before, as
    // rows come in (each pass of an interlaced or progressive picture
    // counts). Answering false stops the decode, which fails with kCancelled.
    std::function<bool(double done)> progress;
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

  // The whole file, refused past 1 GiB; the message names the file. progress
  // hears the share read so far, as a decode's does, and may stop it. head,
  // given the first part read, may refuse the file before the rest is read.
  using HeadCheck = std::function<bool(std::span<const uint8_t> head, std::string& error)>;
  static bool ReadFile(const std::filesystem::path& file, std::vector<uint8_t>& data, std::string& error,
                       const std::function<bool(double done)>& progress = {}, const HeadCheck& head = {});

 private:
  static void CmykToRgb(const Bitmap& cmyk, bool inverted, Bitmap& out);
  static bool DecodePng(std::span<const uint8_t> data, const PictureOptions& options, Bitmap& out, std::string& error);
  static bool DecodeJpeg(std::span<const uint8_t> data, const PictureOptions& options, Bitmap& out, std::string& error);
};

}  // namespace host

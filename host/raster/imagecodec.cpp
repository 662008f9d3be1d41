#include "raster/imagecodec.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include <jerror.h>
#include <jpeglib.h>
#include <png.h>

#include "core/replacedfile.h"
#include "raster/pngiccprofile.h"

namespace host {

namespace {

constexpr uintmax_t kMaxFileBytes = uintmax_t{1} << 30;

struct JpegErrorManager {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  bool truncated;
};

void JpegErrorExit(j_common_ptr info) {
  auto* err = reinterpret_cast<JpegErrorManager*>(info->err);
  info->err->format_message(info, err->message);
  std::longjmp(err->jump, 1);
}

// Warnings stay quiet; only a premature end of data makes the picture unusable.
void JpegEmitMessage(j_common_ptr info, int level) {
  auto* err = reinterpret_cast<JpegErrorManager*>(info->err);
  if (level >= 0) return;
  if (info->err->msg_code == JWRN_JPEG_EOF && !err->truncated) {
    err->truncated = true;
    info->err->format_message(info, err->message);
  }
  ++info->err->num_warnings;
}

std::string SizeText(uint64_t w, uint64_t h) { return std::to_string(w) + " x " + std::to_string(h); }

bool WithinLimit(uint64_t w, uint64_t h, int64_t maxPixels, std::string& error) {
  if (w <= uint64_t(Bitmap::kMaxSide) && h <= uint64_t(Bitmap::kMaxSide) && w * h <= uint64_t(maxPixels)) return true;
  error = "picture too large (" + SizeText(w, h) + ", at most " + std::to_string(maxPixels / 1000000) + " megapixels)";
  return false;
}

// Holds no objects with destructors: libjpeg leaves it through longjmp.
bool RunJpegDecode(jpeg_decompress_struct& info, JpegErrorManager& err, std::span<const uint8_t> data,
                   const ImageCodec::PictureOptions& options, Bitmap& out, bool& cmyk, bool& inverted,
                   std::string& error) {
  if (setjmp(err.jump)) return false;
  jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
  if (options.icc) jpeg_save_markers(&info, JPEG_APP0 + 2, 0xFFFF);
  jpeg_read_header(&info, TRUE);
  cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  inverted = info.saw_Adobe_marker;
  if (cmyk && options.refuseCmyk) {
    error = "CMYK JPEG pictures are not supported; save it as RGB";
    return false;
  }
  if (!WithinLimit(info.image_width, info.image_height, options.maxPixels, error)) return false;
  if (options.icc) {
    JOCTET* icc = nullptr;
    unsigned int length = 0;
    if (jpeg_read_icc_profile(&info, &icc, &length) && icc) {
      options.icc->assign(icc, icc + length);
      std::free(icc);
    }
  }
  info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_start_decompress(&info);
  if (!out.Init(int(info.output_width), int(info.output_height), cmyk ? 32 : 24)) {
    error = "picture too large (" + SizeText(info.output_width, info.output_height) + ")";
    return false;
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = out.Row(int(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  return true;
}

bool StartsWith(std::span<const uint8_t> data, std::initializer_list<uint8_t> magic) {
  return data.size() >= magic.size() && std::equal(magic.begin(), magic.end(), data.begin());
}

}  // namespace

ImageCodec::Format ImageCodec::Detect(std::span<const uint8_t> data) {
  if (StartsWith(data, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A})) return Format::Png;
  if (StartsWith(data, {0xFF, 0xD8, 0xFF})) return Format::Jpeg;
  return Format::Unknown;
}

bool ImageCodec::Decode(std::span<const uint8_t> data, Bitmap& out, std::string& error) {
  switch (Detect(data)) {
    case Format::Png: return DecodePng(data, out, error);
    case Format::Jpeg: return DecodeJpeg(data, out, error);
    case Format::Unknown: break;
  }
  error = data.empty() ? "empty picture data" : "not a PNG or JPEG picture";
  return false;
}

bool ImageCodec::DecodePicture(std::span<const uint8_t> data, const PictureOptions& options, Bitmap& out,
                               std::string& error) {
  if (options.icc) options.icc->clear();
  switch (Detect(data)) {
    case Format::Png: return DecodePng(data, options, out, error);
    case Format::Jpeg: return DecodeJpeg(data, options, out, error);
    case Format::Unknown: break;
  }
  error = data.empty() ? "empty picture data" : "not a PNG or JPEG picture";
  return false;
}

bool ImageCodec::DecodePng(std::span<const uint8_t> data, Bitmap& out, std::string& error) {
  return DecodePng(data, PictureOptions{}, out, error);
}

bool ImageCodec::DecodeJpeg(std::span<const uint8_t> data, Bitmap& out, std::string& error) {
  return DecodeJpeg(data, PictureOptions{}, out, error);
}

bool ImageCodec::DecodePng(std::span<const uint8_t> data, const PictureOptions& options, Bitmap& out,
                           std::string& error) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, data.data(), data.size())) {
    error = std::string("damaged PNG data: ") + image.message;
    return false;
  }
  if (!WithinLimit(image.width, image.height, options.maxPixels, error)) {
    png_image_free(&image);
    return false;
  }
  // Deep pictures without gamma information are sRGB-encoded far more often
  // than linear, whatever libpng assumes by default.
  image.flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
  const bool alpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
  image.format = alpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
  Bitmap decoded;
  if (!decoded.Init(int(image.width), int(image.height), alpha ? 32 : 24)) {
    error = "picture too large (" + SizeText(image.width, image.height) + ")";
    png_image_free(&image);
    return false;
  }
  if (!png_image_finish_read(&image, nullptr, decoded.Row(0), decoded.RowBytes(), nullptr)) {
    error = std::string("damaged PNG data: ") + image.message;
    png_image_free(&image);
    return false;
  }
  if (options.icc) PngIccProfile::Find(data, *options.icc);
  out = std::move(decoded);
  return true;
}

bool ImageCodec::DecodeJpeg(std::span<const uint8_t> data, const PictureOptions& options, Bitmap& out,
                            std::string& error) {
  if (data.empty()) {
    error = "empty picture data";
    return false;
  }
  jpeg_decompress_struct info;
  JpegErrorManager err{};
  info.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = JpegErrorExit;
  err.mgr.emit_message = JpegEmitMessage;
  jpeg_create_decompress(&info);
  Bitmap decoded;
  bool cmyk = false, inverted = false;
  std::string failure;
  const bool ok = RunJpegDecode(info, err, data, options, decoded, cmyk, inverted, failure);
  jpeg_destroy_decompress(&info);
  if (!ok || err.truncated) {
    error = !failure.empty() ? failure : std::string("damaged JPEG data: ") + err.message;
    if (options.icc) options.icc->clear();
    return false;
  }
  if (cmyk) {
    CmykToRgb(decoded, inverted, out);
  } else {
    out = std::move(decoded);
  }
  return true;
}

void ImageCodec::CmykToRgb(const Bitmap& cmyk, bool inverted, Bitmap& out) {
  out.Init(cmyk.Width(), cmyk.Height(), 24);
  for (int y = 0; y < cmyk.Height(); ++y) {
    const uint8_t* in = cmyk.Row(y);
    uint8_t* rgb = out.Row(y);
    for (int x = 0; x < cmyk.Width(); ++x, in += 4, rgb += 3) {
      // Adobe writes inverted CMYK, so the stored value is already 255 - ink.
      const int k = inverted ? in[3] : 255 - in[3];
      for (int c = 0; c < 3; ++c) {
        const int v = inverted ? in[c] : 255 - in[c];
        rgb[c] = uint8_t((v * k + 127) / 255);
      }
    }
  }
}

bool ImageCodec::EncodePng(const Bitmap& bitmap, std::vector<uint8_t>& out, std::string& error) {
  if (bitmap.IsEmpty()) {
    error = "cannot save an empty bitmap";
    return false;
  }
  const bool alpha = bitmap.HasAlpha();
  const Bitmap* source = &bitmap;
  Bitmap rgba;
  if (alpha && bitmap.Depth() != 32) {
    rgba.Init(bitmap.Width(), bitmap.Height(), 32);
    bitmap.CopyPartTo(rgba, 0, 0, bitmap.Width(), bitmap.Height());
    source = &rgba;
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = uint32_t(bitmap.Width());
  image.height = uint32_t(bitmap.Height());
  image.format = alpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
  png_alloc_size_t size = 0;
  const void* pixels = source->Row(0);
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixels, source->RowBytes(), nullptr)) {
    error = std::string("PNG encoding failed: ") + image.message;
    return false;
  }
  out.resize(size);
  if (!png_image_write_to_memory(&image, out.data(), &size, 0, pixels, source->RowBytes(), nullptr)) {
    error = std::string("PNG encoding failed: ") + image.message;
    return false;
  }
  out.resize(size);
  return true;
}

bool ImageCodec::ReadFile(const std::filesystem::path& file, std::vector<uint8_t>& data, std::string& error) {
  std::error_code ec;
  const uintmax_t size = std::filesystem::file_size(file, ec);
  if (ec) {
    error = "cannot read '" + file.string() + "': " + ec.message();
    return false;
  }
  if (size > kMaxFileBytes) {
    error = "'" + file.string() + "' is too large to be a picture";
    return false;
  }
  std::ifstream in(file, std::ios::binary);
  data.resize(size_t(size));
  if (!in || !in.read(reinterpret_cast<char*>(data.data()), std::streamsize(size))) {
    error = "cannot read '" + file.string() + "'";
    return false;
  }
  return true;
}

bool ImageCodec::LoadFile(const std::filesystem::path& file, Bitmap& out, std::string& error) {
  std::vector<uint8_t> data;
  if (!ReadFile(file, data, error)) return false;
  if (!Decode(data, out, error)) {
    error = "'" + file.string() + "': " + error;
    return false;
  }
  return true;
}

bool ImageCodec::SavePngFile(const Bitmap& bitmap, const std::filesystem::path& file, std::string& error) {
  std::vector<uint8_t> encoded;
  if (!EncodePng(bitmap, encoded, error)) return false;
  auto written = ReplacedFile::Write(file, encoded);
  if (!written) {
    error = written.Error();
    return false;
  }
  return true;
}

}  // namespace host

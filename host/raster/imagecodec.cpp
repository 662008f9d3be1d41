#include "raster/imagecodec.h"

#include <algorithm>
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
// A progressive JPEG has a dozen scans or so; a file repeating one scan
// thousands of times would keep the decoder busy for minutes.
constexpr int kMaxJpegScans = 500;

struct JpegErrorManager {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  bool truncated;
  bool cancelled;
};

// libjpeg's progress hook with what it reports to.
struct JpegProgress {
  jpeg_progress_mgr mgr;
  const std::function<bool(double)>* report;
  JpegErrorManager* err;
  double shown;
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

// Called for every row (or block row) of every pass. A progressive picture
// may hold more scans than libjpeg planned for, so its share can shrink:
// reports never go back.
void JpegProgressMonitor(j_common_ptr info) {
  auto* progress = reinterpret_cast<JpegProgress*>(info->progress);
  if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kMaxJpegScans) {
    std::snprintf(progress->err->message, sizeof progress->err->message, "more than %d scans", kMaxJpegScans);
    std::longjmp(progress->err->jump, 1);
  }
  const jpeg_progress_mgr& m = progress->mgr;
  if (!*progress->report || m.total_passes <= 0 || m.pass_limit <= 0) return;
  const double pass = std::min(1.0, double(m.pass_counter) / double(m.pass_limit));
  const double done = std::min(1.0, (m.completed_passes + pass) / m.total_passes);
  if (done <= progress->shown) return;
  progress->shown = done;
  if ((*progress->report)(done)) return;
  progress->err->cancelled = true;
  std::longjmp(progress->err->jump, 1);
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
  // Always watched, for the scan count, even where nobody sees the progress.
  JpegProgress progress{{}, &options.progress, &err, 0.0};
  progress.mgr.progress_monitor = JpegProgressMonitor;
  info.progress = &progress.mgr;
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
  info.progress = nullptr;
  if (options.progress && progress.shown < 1.0) options.progress(1.0);
  return true;
}

struct PngSource {
  std::span<const uint8_t> data;
  size_t at = 0;
  std::string message;
};

void PngReadBytes(png_structp png, png_bytep out, png_size_t length) {
  auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
  if (length > source->data.size() - source->at) png_error(png, "the data ends early");
  std::memcpy(out, source->data.data() + source->at, length);
  source->at += length;
}

void PngError(png_structp png, png_const_charp message) {
  static_cast<PngSource*>(png_get_error_ptr(png))->message = message ? message : "unknown error";
  png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

// Holds no objects with destructors: libpng leaves it through longjmp.
bool RunPngDecode(png_structp png, png_infop info, const ImageCodec::PictureOptions& options, Bitmap& out,
                  std::string& error) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_info(png, info);
  const png_uint_32 width = png_get_image_width(png, info), height = png_get_image_height(png, info);
  if (!WithinLimit(width, height, options.maxPixels, error)) return false;
  const bool alpha =
      (png_get_color_type(png, info) & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  png_set_expand(png);
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  const int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_channels(png, info) != (alpha ? 4 : 3) || png_get_bit_depth(png, info) != 8) {
    error = "unexpected PNG layout";
    return false;
  }
  if (!out.Init(int(width), int(height), alpha ? 32 : 24)) {
    error = "picture too large (" + SizeText(width, height) + ")";
    return false;
  }
  // Each pass of an interlaced picture visits every row; its pixels land in
  // their places, so the last pass leaves the whole picture.
  const double rows = double(passes) * height;
  int64_t done = 0;
  for (int pass = 0; pass < passes; ++pass) {
    for (png_uint_32 y = 0; y < height; ++y) {
      png_read_row(png, out.Row(int(y)), nullptr);
      if (options.progress && !options.progress(double(++done) / rows)) {
        error = ImageCodec::kCancelled;
        return false;
      }
    }
  }
  png_read_end(png, nullptr);
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
  PngSource source{data};
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &source, PngError, PngWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    error = "out of memory";
    return false;
  }
  png_set_read_fn(png, &source, PngReadBytes);
  // Any size the format can state gets as far as the check of the picture's
  // size, which says what it is; nothing is allocated for it before.
  png_set_user_limits(png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
  if (options.icc) PngIccProfile::Find(data, *options.icc);
  Bitmap decoded;
  std::string failure;
  const bool ok = RunPngDecode(png, info, options, decoded, failure);
  png_destroy_read_struct(&png, &info, nullptr);
  if (!ok) {
    error = !failure.empty() ? failure : "damaged PNG data: " + source.message;
    if (options.icc) options.icc->clear();
    return false;
  }
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
    error = err.cancelled ? kCancelled : !failure.empty() ? failure : std::string("damaged JPEG data: ") + err.message;
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

bool ImageCodec::ReadFile(const std::filesystem::path& file, std::vector<uint8_t>& data, std::string& error,
                          const std::function<bool(double)>& progress, const HeadCheck& head) {
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
  data.clear();
  data.reserve(size_t(size));
  // In parts, so that a large file shows its progress while it is read,
  // and one that is no picture is refused after its first part.
  constexpr size_t kPart = size_t{4} << 20;
  while (in && data.size() < size) {
    const size_t at = data.size();
    data.resize(at + std::min(kPart, size_t(size) - at));
    if (!in.read(reinterpret_cast<char*>(data.data() + at), std::streamsize(data.size() - at))) break;
    if (at == 0 && head && !head(data, error)) return false;
    if (progress && !progress(double(data.size()) / double(size))) {
      error = kCancelled;
      return false;
    }
  }
  if (!in || data.size() != size) {
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

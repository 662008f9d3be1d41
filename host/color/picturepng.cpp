#include "color/picturepng.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

#include "raster/pngiccprofile.h"

namespace host
{

namespace
{
struct Reader
{
  std::span<const std::uint8_t> data;
  std::size_t at = 0;
  std::string message;
};

void ReadBytes(png_structp png, png_bytep out, png_size_t length)
{
  auto* reader = static_cast<Reader*>(png_get_io_ptr(png));
  if (length > reader->data.size() - reader->at)
    png_error(png, "the data ends early");
  std::memcpy(out, reader->data.data() + reader->at, length);
  reader->at += length;
}

void OnError(png_structp png, png_const_charp message)
{
  auto* reader = static_cast<Reader*>(png_get_error_ptr(png));
  reader->message = message ? message : "unknown error";
  png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

std::string SizeText(std::uint64_t w, std::uint64_t h)
{
  return std::to_string(w) + " x " + std::to_string(h);
}

// Holds no objects with destructors: libpng leaves it through longjmp.
bool RunDecode(png_structp png, png_infop info, std::int64_t maxPixels, Bitmap& out, std::vector<png_bytep>& rows,
               std::string& error)
{
  if (setjmp(png_jmpbuf(png)))
    return false;
  png_read_info(png, info);
  const png_uint_32 width = png_get_image_width(png, info), height = png_get_image_height(png, info);
  if (width > png_uint_32(Bitmap::kMaxSide) || height > png_uint_32(Bitmap::kMaxSide) ||
      std::uint64_t(width) * height > std::uint64_t(maxPixels))
  {
    error = "picture too large (" + SizeText(width, height) + ", at most " + std::to_string(maxPixels / 1000000) +
            " megapixels)";
    return false;
  }
  const int type = png_get_color_type(png, info);
  const bool alpha = (type & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  png_set_expand(png);
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_channels(png, info) != (alpha ? 4 : 3) || png_get_bit_depth(png, info) != 8)
  {
    error = "unexpected PNG layout";
    return false;
  }
  if (!out.Init(int(width), int(height), alpha ? 32 : 24))
  {
    error = "picture too large (" + SizeText(width, height) + ")";
    return false;
  }
  rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y)
    rows[y] = out.Row(int(y));
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  return true;
}
}  // namespace

bool PicturePng::Decode(std::span<const std::uint8_t> data, std::int64_t maxPixels, Bitmap& out,
                        std::vector<std::uint8_t>& icc, std::string& error)
{
  icc.clear();
  Reader reader{data};
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &reader, OnError, OnWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info)
  {
    png_destroy_read_struct(&png, nullptr, nullptr);
    error = "out of memory";
    return false;
  }
  png_set_read_fn(png, &reader, ReadBytes);
  // The same limit as pictures themselves: a damaged size fails before it
  // allocates.
  png_set_user_limits(png, Bitmap::kMaxSide, Bitmap::kMaxSide);
  Bitmap decoded;
  std::vector<png_bytep> rows;
  std::string failure;
  const bool ok = RunDecode(png, info, maxPixels, decoded, rows, failure);
  png_destroy_read_struct(&png, &info, nullptr);
  if (!ok)
  {
    error = !failure.empty() ? failure : "damaged PNG data: " + reader.message;
    return false;
  }
  PngIccProfile::Find(data, icc);
  out = std::move(decoded);
  return true;
}

}  // namespace host

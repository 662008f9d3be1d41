#pragma once
// PNG and JPEG files made in the test: every colour type and depth of PNG,
// interlaced or not, baseline, progressive and CMYK JPEG, with or without
// an embedded ICC profile, and a photo-like picture for the benchmarks.
#include <jpeglib.h>
#include <lcms2.h>
#include <png.h>
#include <zlib.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <vector>

namespace testpictures
{
// 16-bit components; 8-bit pictures take the upper byte.
using Pixel = std::array<std::uint16_t, 4>;
using PixelFn = std::function<Pixel(int x, int y)>;

inline Pixel Rgb8(int r, int g, int b, int a = 255)
{
  auto w = [](int v) { return static_cast<std::uint16_t>(v * 257); };
  return {w(r), w(g), w(b), w(a)};
}

struct PngOptions
{
  int colorType = PNG_COLOR_TYPE_RGB;
  int bitDepth = 8;
  bool interlaced = false;
  std::vector<std::uint8_t> icc;
  // Transparency without an alpha channel: palette entries take their
  // pixels' alpha; RGB and grey pictures name one fully transparent colour.
  bool trns = false;
  Pixel transparent{};
};

inline void AppendBytes(png_structp png, png_bytep data, png_size_t length)
{
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

inline std::vector<std::uint8_t> Png(int w, int h, const PixelFn& at, const PngOptions& options = {})
{
  std::vector<std::uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png)))
  {
    png_destroy_write_struct(&png, &info);
    return {};
  }
  png_set_write_fn(png, &out, AppendBytes, nullptr);
  const bool palette = options.colorType == PNG_COLOR_TYPE_PALETTE;
  png_set_IHDR(png, info, w, h, options.bitDepth, options.colorType,
               options.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  std::map<std::uint32_t, int> indices;
  std::vector<png_color> colors;
  if (palette)
  {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
      {
        const Pixel p = at(x, y);
        const std::uint32_t key = (p[0] >> 8) << 16 | (p[1] >> 8) << 8 | (p[2] >> 8);
        if (indices.emplace(key, int(colors.size())).second)
          colors.push_back(png_color{png_byte(p[0] >> 8), png_byte(p[1] >> 8), png_byte(p[2] >> 8)});
      }
    png_set_PLTE(png, info, colors.data(), int(colors.size()));
    if (options.trns)
    {
      std::vector<png_byte> alphas(colors.size(), 255);
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
          const Pixel p = at(x, y);
          alphas[indices[(p[0] >> 8) << 16 | (p[1] >> 8) << 8 | (p[2] >> 8)]] = png_byte(p[3] >> 8);
        }
      png_set_tRNS(png, info, alphas.data(), int(alphas.size()), nullptr);
    }
  }
  else if (options.trns)
  {
    const int shift = options.bitDepth == 16 ? 0 : 8;
    png_color_16 key{};
    key.red = png_uint_16(options.transparent[0] >> shift);
    key.green = png_uint_16(options.transparent[1] >> shift);
    key.blue = png_uint_16(options.transparent[2] >> shift);
    key.gray = key.red;
    png_set_tRNS(png, info, nullptr, 0, &key);
  }
  if (!options.icc.empty())
    png_set_iCCP(png, info, "test", 0, options.icc.data(), png_uint_32(options.icc.size()));
  png_write_info(png, info);
  if (options.bitDepth == 16)
    png_set_swap(png);  // rows below are little-endian on this machine
  const int channels = palette ? 1 : png_get_channels(png, info);
  const int bytes = options.bitDepth == 16 ? 2 : 1;
  std::vector<std::vector<std::uint8_t>> rows(h, std::vector<std::uint8_t>(size_t(w) * channels * bytes));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
    {
      const Pixel p = at(x, y);
      std::uint8_t* to = &rows[y][size_t(x) * channels * bytes];
      if (palette)
      {
        to[0] = std::uint8_t(indices[(p[0] >> 8) << 16 | (p[1] >> 8) << 8 | (p[2] >> 8)]);
        continue;
      }
      // Grey takes red, grey with alpha red and alpha.
      const int order[4] = {0, channels == 2 ? 3 : 1, 2, 3};
      for (int c = 0; c < channels; ++c)
      {
        const std::uint16_t v = p[order[c]];
        if (bytes == 2)
        {
          to[2 * c] = std::uint8_t(v & 0xFF);
          to[2 * c + 1] = std::uint8_t(v >> 8);
        }
        else
        {
          to[c] = std::uint8_t(v >> 8);
        }
      }
    }
  std::vector<png_bytep> pointers;
  for (auto& row : rows)
    pointers.push_back(row.data());
  png_write_image(png, pointers.data());
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return out;
}

struct JpegOptions
{
  bool progressive = false;
  bool cmyk = false;
  int quality = 95;
  std::vector<std::uint8_t> icc;
};

inline std::vector<std::uint8_t> Jpeg(int w, int h, const PixelFn& at, const JpegOptions& options = {})
{
  jpeg_compress_struct info;
  jpeg_error_mgr err;
  info.err = jpeg_std_error(&err);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = JDIMENSION(w);
  info.image_height = JDIMENSION(h);
  info.input_components = options.cmyk ? 4 : 3;
  info.in_color_space = options.cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, options.quality, TRUE);
  if (options.progressive)
    jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  if (!options.icc.empty())
    jpeg_write_icc_profile(&info, options.icc.data(), unsigned(options.icc.size()));
  std::vector<std::uint8_t> row(size_t(w) * info.input_components);
  while (info.next_scanline < info.image_height)
  {
    for (int x = 0; x < w; ++x)
    {
      const Pixel p = at(x, int(info.next_scanline));
      for (int c = 0; c < info.input_components; ++c)
        row[size_t(x) * info.input_components + c] = std::uint8_t(p[c] >> 8);
    }
    JSAMPROW pointer = row.data();
    jpeg_write_scanlines(&info, &pointer, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<std::uint8_t> out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

// An RGB profile with the Rec. 2020 primaries, D65 white and a linear curve:
// wide gamut, and its greys convert to sRGB by the sRGB curve alone.
inline std::vector<std::uint8_t> WideGamutLinearProfile()
{
  const cmsCIExyY white{0.3127, 0.3290, 1.0};
  const cmsCIExyYTRIPLE primaries{{0.708, 0.292, 1.0}, {0.170, 0.797, 1.0}, {0.131, 0.046, 1.0}};
  cmsToneCurve* linear = cmsBuildGamma(nullptr, 1.0);
  cmsToneCurve* curves[3] = {linear, linear, linear};
  cmsHPROFILE profile = cmsCreateRGBProfile(&white, &primaries, curves);
  cmsFreeToneCurve(linear);
  cmsUInt32Number size = 0;
  cmsSaveProfileToMem(profile, nullptr, &size);
  std::vector<std::uint8_t> bytes(size);
  cmsSaveProfileToMem(profile, bytes.data(), &size);
  cmsCloseProfile(profile);
  return bytes;
}

// Smooth gradients, a few hard-edged shapes and grain: compresses and sorts
// like a photograph rather than like a flat test card.
inline Pixel PhotoLike(int x, int y, int w, int h)
{
  const double u = double(x) / w, v = double(y) / h;
  double r = 0.35 + 0.4 * u + 0.1 * std::sin(9.0 * v), g = 0.45 + 0.3 * std::cos(5.0 * u) * v,
         b = 0.7 - 0.5 * v + 0.05 * std::sin(23.0 * u);
  const double dx = u - 0.6, dy = v - 0.45;
  if (dx * dx + dy * dy < 0.03)
  {
    r = 0.85;
    g = 0.55 - 0.3 * dy;
    b = 0.15;
  }
  if (v > 0.8)
  {
    r *= 0.5;
    g = 0.35 + 0.2 * std::sin(40.0 * u);
    b *= 0.4;
  }
  const std::uint32_t grain = (std::uint32_t(x) * 73856093u) ^ (std::uint32_t(y) * 19349663u);
  const double noise = (int(grain % 13) - 6) / 255.0;
  auto c = [&](double value) { return int(std::lround(std::fmin(std::fmax(value + noise, 0.0), 1.0) * 255.0)); };
  return Rgb8(c(r), c(g), c(b));
}

// A progressive JPEG of side x side pixels whose first scan comes again and
// again: libjpeg only warns of such a progression and decodes every copy.
inline std::vector<std::uint8_t> RepeatedScanJpeg(int copies, int side = 8)
{
  JpegOptions progressive;
  progressive.progressive = true;
  std::vector<std::uint8_t> jpeg = Jpeg(
      side, side, [](int x, int y) { return Rgb8(x * 30 % 256, y * 30 % 256, 60); }, progressive);
  auto marker = [&](size_t at, std::uint8_t code) {
    return at + 1 < jpeg.size() && jpeg[at] == 0xFF && jpeg[at + 1] == code;
  };
  size_t scan = 2;
  while (!marker(scan, 0xDA))
    scan += 2 + ((size_t(jpeg[scan + 2]) << 8) | jpeg[scan + 3]);
  // The scan's data runs to the next marker that is neither a stuffed 0xFF nor a restart.
  size_t end = scan + 2 + ((size_t(jpeg[scan + 2]) << 8) | jpeg[scan + 3]);
  while (!(jpeg[end] == 0xFF && jpeg[end + 1] != 0x00 && (jpeg[end + 1] < 0xD0 || jpeg[end + 1] > 0xD7)))
    ++end;
  const std::vector<std::uint8_t> one(jpeg.begin() + long(scan), jpeg.begin() + long(end));
  std::vector<std::uint8_t> out(jpeg.begin(), jpeg.begin() + long(end));
  for (int i = 0; i < copies; ++i)
    out.insert(out.end(), one.begin(), one.end());
  out.insert(out.end(), jpeg.begin() + long(end), jpeg.end());
  return out;
}

// A PNG that is only its signature, a header claiming w x h pixels and an
// empty data chunk.
inline std::vector<std::uint8_t> PngHeaderOnly(std::uint32_t w, std::uint32_t h)
{
  std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  for (const std::uint32_t v : {w, h})
    for (int shift = 24; shift >= 0; shift -= 8)
      out.push_back(std::uint8_t(v >> shift));
  out.insert(out.end(), {8, 2, 0, 0, 0});
  const std::uint32_t crc = std::uint32_t(crc32(0, out.data() + 12, 17));
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(std::uint8_t(crc >> shift));
  out.insert(out.end(), {0, 0, 0, 0, 'I', 'D', 'A', 'T', 0x35, 0xAF, 0x06, 0x1E});
  out.insert(out.end(), {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82});
  return out;
}
}  // namespace testpictures

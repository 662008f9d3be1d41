#include "color/picturefile.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include <lcms2.h>

#include "color/colorprofile.h"
#include "color/transformcache.h"
#include "raster/imagecodec.h"

namespace host
{

namespace
{
std::string Lowercase(std::string text)
{
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return text;
}

ImageCodec::Format FormatOfName(const std::string& extension)
{
  if (extension == ".png")
    return ImageCodec::Format::Png;
  if (extension == ".jpg" || extension == ".jpeg" || extension == ".jpe" || extension == ".jfif")
    return ImageCodec::Format::Jpeg;
  return ImageCodec::Format::Unknown;
}

const char* FormatName(ImageCodec::Format format)
{
  switch (format)
  {
    case ImageCodec::Format::Png: return "PNG";
    case ImageCodec::Format::Jpeg: return "JPEG";
    case ImageCodec::Format::Unknown: break;
  }
  return "unknown";
}
}  // namespace

bool PictureFile::Load(const std::filesystem::path& file, Bitmap& out, std::string& error, const Progress& progress)
{
  std::vector<std::uint8_t> data;
  std::string why;
  bool refused = false;
  // What the file holds is known from its first bytes, before a large file is read whole.
  const auto head = [&](std::span<const std::uint8_t> first, std::string& e) {
    return !(refused = !NameFitsContent(file, first, e));
  };
  if (!ImageCodec::ReadFile(file, data, why, Part(progress, 0.0, kReadShare), head))
  {
    error = why == ImageCodec::kCancelled || refused ? "'" + file.string() + "': " + why : why;
    return false;
  }
  if (!NameFitsContent(file, data, why) || !Decode(data, out, why, Part(progress, kReadShare, 1.0)))
  {
    error = "'" + file.string() + "': " + why;
    return false;
  }
  return true;
}

bool PictureFile::Decode(std::span<const std::uint8_t> data, Bitmap& out, std::string& error, const Progress& progress)
{
  std::vector<std::uint8_t> icc;
  ImageCodec::PictureOptions options;
  options.maxPixels = kMaxPixels;
  options.refuseCmyk = true;
  options.icc = &icc;
  if (progress)
    // The profile is known before the first row: its conversion gets the
    // end of the bar.
    options.progress = [&](double done) { return progress(done * (icc.empty() ? 1.0 : 1.0 - kConvertShare)); };
  Bitmap decoded;
  if (!ImageCodec::DecodePicture(data, options, decoded, error))
    return false;
  if (!ToWorkingSpace(decoded, icc, Part(progress, 1.0 - kConvertShare, 1.0)) || (progress && !progress(1.0)))
  {
    error = ImageCodec::kCancelled;
    return false;
  }
  out = std::move(decoded);
  return true;
}

PictureFile::Progress PictureFile::Part(const Progress& progress, double from, double to)
{
  if (!progress)
    return {};
  return [progress, from, to](double done) { return progress(from + (to - from) * done); };
}

bool PictureFile::NameFitsContent(const std::filesystem::path& file, std::span<const std::uint8_t> data,
                                  std::string& error)
{
  const ImageCodec::Format named = FormatOfName(Lowercase(file.extension().string()));
  const ImageCodec::Format held = ImageCodec::Detect(data);
  if (named == ImageCodec::Format::Unknown)
  {
    error = "not a picture file (the name should end in .png, .jpg or .jpeg)";
    return false;
  }
  if (held == ImageCodec::Format::Unknown)
  {
    error = data.empty() ? "the file is empty" : std::string("not a ") + FormatName(named) + " picture";
    return false;
  }
  if (held != named)
  {
    error = std::string("holds a ") + FormatName(held) + " picture, but its name says " + FormatName(named);
    return false;
  }
  return true;
}

bool PictureFile::ToWorkingSpace(Bitmap& bitmap, std::span<const std::uint8_t> icc, const Progress& progress)
{
  const ColorProfile& working = ColorProfile::Srgb();
  bitmap.SetProfile(working.Body());
  if (icc.empty())
    return true;
  std::string ignored;
  // A profile that cannot describe RGB pixels (grey, damaged) says nothing
  // usable about them; they are shown as sRGB then.
  const std::optional<ColorProfile> embedded = ColorProfile::FromMemory(icc, ignored);
  if (!embedded || *embedded == working)
    return true;
  const bool alpha = bitmap.Depth() == 32;
  const std::uint32_t format = alpha ? TYPE_RGBA_8 : TYPE_RGB_8;
  const std::shared_ptr<void> transform =
      TransformCache::Shared().Get(*embedded, working, format, format, alpha ? cmsFLAGS_COPY_ALPHA : 0);
  if (!transform)
    return true;
  const int height = bitmap.Height();
  for (int y = 0; y < height; ++y)
  {
    cmsDoTransform(static_cast<cmsHTRANSFORM>(transform.get()), bitmap.Row(y), bitmap.Row(y),
                   cmsUInt32Number(bitmap.Width()));
    if (progress && !progress(double(y + 1) / height))
      return false;
  }
  return true;
}

}  // namespace host

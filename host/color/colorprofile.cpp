#include "color/colorprofile.h"

#include <lcms2.h>

#include <fstream>
#include <system_error>

namespace host
{
namespace
{

// Real ICC profiles are well under this; anything larger is not one.
constexpr std::uintmax_t kMaxProfileBytes = 64u << 20;

std::string ReadDescription(cmsHPROFILE profile)
{
  char text[256] = {};
  cmsGetProfileInfoASCII(profile, cmsInfoDescription, "en", "US", text, sizeof text);
  return text;
}

ColorProfile Adopt(cmsHPROFILE profile, std::string description)
{
  return ColorProfile(std::make_shared<const ColorProfileRef>(profile, std::move(description)));
}

ColorProfile MakeLinearSrgb()
{
  const cmsCIExyY d65 = {0.3127, 0.3290, 1.0};
  const cmsCIExyYTRIPLE primaries = {{0.64, 0.33, 1.0}, {0.30, 0.60, 1.0}, {0.15, 0.06, 1.0}};
  cmsToneCurve* linear = cmsBuildGamma(nullptr, 1.0);
  cmsToneCurve* curves[3] = {linear, linear, linear};
  cmsHPROFILE profile = cmsCreateRGBProfile(&d65, &primaries, curves);
  cmsFreeToneCurve(linear);
  cmsMLU* text = cmsMLUalloc(nullptr, 1);
  cmsMLUsetASCII(text, "en", "US", "Linear sRGB");
  cmsWriteTag(profile, cmsSigProfileDescriptionTag, text);
  cmsMLUfree(text);
  return Adopt(profile, "Linear sRGB");
}

std::optional<std::vector<uint8_t>> ReadFile(const std::filesystem::path& path, std::string& error)
{
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec)
  {
    error = "cannot read colour profile '" + path.string() + "': " + ec.message();
    return std::nullopt;
  }
  if (size > kMaxProfileBytes)
  {
    error = "colour profile '" + path.string() + "' is too large to be an ICC profile";
    return std::nullopt;
  }
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  std::ifstream in(path, std::ios::binary);
  if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
  {
    error = "cannot read colour profile '" + path.string() + "'";
    return std::nullopt;
  }
  return bytes;
}

}  // namespace

ColorProfile::ColorProfile(std::shared_ptr<const ColorProfileRef> body) : body_(std::move(body)) {}

const ColorProfile& ColorProfile::LinearSrgb()
{
  static const ColorProfile profile = MakeLinearSrgb();
  return profile;
}

const ColorProfile& ColorProfile::Srgb()
{
  static const ColorProfile profile = Adopt(cmsCreate_sRGBProfile(), "sRGB");
  return profile;
}

std::optional<ColorProfile> ColorProfile::FromMemory(std::span<const uint8_t> bytes, std::string& error)
{
  cmsHPROFILE profile = cmsOpenProfileFromMem(bytes.data(), static_cast<cmsUInt32Number>(bytes.size()));
  if (!profile)
  {
    error = "not an ICC profile (damaged or unknown format)";
    return std::nullopt;
  }
  if (cmsGetColorSpace(profile) != cmsSigRgbData)
  {
    cmsCloseProfile(profile);
    error = "not an RGB colour profile";
    return std::nullopt;
  }
  // Tags are read lazily, so a damaged body only shows when a transform is
  // built; build one now rather than fail later at drawing time.
  cmsHTRANSFORM probe = cmsCreateTransform(profile, TYPE_RGB_FLT, Srgb().Handle(), TYPE_RGB_FLT,
                                           INTENT_RELATIVE_COLORIMETRIC, cmsFLAGS_NOOPTIMIZE);
  if (!probe)
  {
    cmsCloseProfile(profile);
    error = "damaged ICC profile (its colour tables cannot be read)";
    return std::nullopt;
  }
  cmsDeleteTransform(probe);
  return Adopt(profile, ReadDescription(profile));
}

std::optional<ColorProfile> ColorProfile::FromFile(const std::filesystem::path& path, std::string& error)
{
  const auto bytes = ReadFile(path, error);
  if (!bytes)
    return std::nullopt;
  auto profile = FromMemory(*bytes, error);
  if (!profile)
    error = "colour profile '" + path.string() + "': " + error;
  return profile;
}

ColorProfile ColorProfile::FromFileOrSrgb(const std::filesystem::path& path, std::string& warning)
{
  std::string error;
  if (auto profile = FromFile(path, error))
    return *profile;
  warning = error + "; using sRGB";
  return Srgb();
}

std::vector<uint8_t> ColorProfile::ToBytes() const
{
  cmsUInt32Number size = 0;
  if (!body_ || !cmsSaveProfileToMem(body_->handle, nullptr, &size))
    return {};
  std::vector<uint8_t> bytes(size);
  if (!cmsSaveProfileToMem(body_->handle, bytes.data(), &size))
    return {};
  return bytes;
}

bool ColorProfile::operator==(const ColorProfile& other) const
{
  if (body_ == other.body_)
    return true;
  return body_ && other.body_ && body_->id == other.body_->id;
}

}  // namespace host

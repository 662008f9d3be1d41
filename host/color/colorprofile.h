#pragma once
// An ICC colour profile, shared by every copy of the handle. The host has two
// standard profiles: linear sRGB (the first) and sRGB (the second).
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "color/colorprofileref.h"

namespace host
{

class ColorProfile
{
public:
  ColorProfile() = default;  // no profile
  explicit ColorProfile(std::shared_ptr<const ColorProfileRef> body);

  static const ColorProfile& LinearSrgb();
  static const ColorProfile& Srgb();

  // An RGB ICC profile from a file or from bytes; nothing and a message that
  // names the file and the fault otherwise.
  static std::optional<ColorProfile> FromFile(const std::filesystem::path& path, std::string& error);
  static std::optional<ColorProfile> FromMemory(std::span<const uint8_t> bytes, std::string& error);
  // For user-chosen profiles: sRGB with a message in `warning` when the file
  // cannot be used.
  static ColorProfile FromFileOrSrgb(const std::filesystem::path& path, std::string& warning);

  bool IsValid() const { return body_ != nullptr; }
  // cmsHPROFILE; null for an empty handle.
  void* Handle() const { return body_ ? body_->handle : nullptr; }
  std::string Description() const { return body_ ? body_->description : std::string(); }
  // The profile as ICC bytes (empty for an empty handle), to store it.
  std::vector<uint8_t> ToBytes() const;

  // Same contents, whichever way the profile was obtained.
  bool operator==(const ColorProfile& other) const;

  const std::shared_ptr<const ColorProfileRef>& Body() const { return body_; }

private:
  std::shared_ptr<const ColorProfileRef> body_;
};

}  // namespace host

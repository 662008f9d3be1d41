#include <gtest/gtest.h>

#include <lcms2.h>

#include <filesystem>
#include <fstream>

#include "color/colorprofile.h"

using host::ColorProfile;

namespace
{
std::filesystem::path TempFile(const std::string& name, const std::vector<uint8_t>& bytes)
{
  const auto path = std::filesystem::temp_directory_path() / ("gxa_color_" + name);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return path;
}

std::vector<uint8_t> GrayProfileBytes()
{
  cmsToneCurve* curve = cmsBuildGamma(nullptr, 2.2);
  cmsHPROFILE gray = cmsCreateGrayProfile(cmsD50_xyY(), curve);
  cmsFreeToneCurve(curve);
  cmsUInt32Number size = 0;
  cmsSaveProfileToMem(gray, nullptr, &size);
  std::vector<uint8_t> bytes(size);
  cmsSaveProfileToMem(gray, bytes.data(), &size);
  cmsCloseProfile(gray);
  return bytes;
}
}  // namespace

TEST(ColorProfile, StandardProfilesAreTwoDifferentRgbProfiles)
{
  const ColorProfile& linear = ColorProfile::LinearSrgb();
  const ColorProfile& srgb = ColorProfile::Srgb();
  ASSERT_TRUE(linear.IsValid());
  ASSERT_TRUE(srgb.IsValid());
  EXPECT_FALSE(linear == srgb);
  EXPECT_EQ(&ColorProfile::Srgb(), &srgb);
  EXPECT_EQ(cmsGetColorSpace(linear.Handle()), cmsSigRgbData);
  EXPECT_EQ(linear.Description(), "Linear sRGB");
  EXPECT_FALSE(ColorProfile().IsValid());
  EXPECT_TRUE(ColorProfile().ToBytes().empty());
}

TEST(ColorProfile, SavedBytesLoadAsTheSameProfile)
{
  const std::vector<uint8_t> bytes = ColorProfile::LinearSrgb().ToBytes();
  ASSERT_FALSE(bytes.empty());
  std::string error;
  const auto fromMemory = ColorProfile::FromMemory(bytes, error);
  ASSERT_TRUE(fromMemory) << error;
  EXPECT_TRUE(*fromMemory == ColorProfile::LinearSrgb());
  EXPECT_FALSE(*fromMemory == ColorProfile::Srgb());

  const auto path = TempFile("linear.icc", bytes);
  const auto fromFile = ColorProfile::FromFile(path, error);
  ASSERT_TRUE(fromFile) << error;
  EXPECT_TRUE(*fromFile == ColorProfile::LinearSrgb());
  EXPECT_EQ(fromFile->Description(), "Linear sRGB");
  std::filesystem::remove(path);
}

TEST(ColorProfile, SamenessIgnoresTheCreationDate)
{
  // Profiles built alike in different seconds differ only in their date;
  // the transform cache must take them for one profile.
  std::vector<uint8_t> bytes = ColorProfile::LinearSrgb().ToBytes();
  ASSERT_GT(bytes.size(), 128u);
  std::string error;
  bytes[35] ^= 1;  // the creation time's seconds
  const auto otherSecond = ColorProfile::FromMemory(bytes, error);
  ASSERT_TRUE(otherSecond) << error;
  EXPECT_TRUE(*otherSecond == ColorProfile::LinearSrgb());
  EXPECT_FALSE(*otherSecond == ColorProfile::Srgb());
}

TEST(ColorProfile, MissingFileIsNamedInTheMessage)
{
  std::string error;
  EXPECT_FALSE(ColorProfile::FromFile("/nonexistent/display.icc", error));
  EXPECT_NE(error.find("/nonexistent/display.icc"), std::string::npos) << error;
  EXPECT_NE(error.find("No such file"), std::string::npos) << error;
}

TEST(ColorProfile, DamagedOrNonRgbDataIsRefused)
{
  std::string error;
  const auto garbage = TempFile("garbage.icc", std::vector<uint8_t>(300, 0x5A));
  EXPECT_FALSE(ColorProfile::FromFile(garbage, error));
  EXPECT_NE(error.find("not an ICC profile"), std::string::npos) << error;
  EXPECT_NE(error.find(garbage.string()), std::string::npos) << error;
  std::filesystem::remove(garbage);

  std::vector<uint8_t> truncated = ColorProfile::Srgb().ToBytes();
  truncated.resize(truncated.size() / 2);
  EXPECT_FALSE(ColorProfile::FromMemory(truncated, error));

  EXPECT_FALSE(ColorProfile::FromMemory(GrayProfileBytes(), error));
  EXPECT_EQ(error, "not an RGB colour profile");
  EXPECT_FALSE(ColorProfile::FromMemory({}, error));
}

TEST(ColorProfile, UnusableUserProfileFallsBackToSrgb)
{
  std::string warning;
  const ColorProfile profile = ColorProfile::FromFileOrSrgb("/nonexistent/monitor.icc", warning);
  EXPECT_TRUE(profile == ColorProfile::Srgb());
  EXPECT_NE(warning.find("/nonexistent/monitor.icc"), std::string::npos) << warning;
  EXPECT_NE(warning.find("using sRGB"), std::string::npos) << warning;

  warning.clear();
  const auto path = TempFile("ok.icc", ColorProfile::LinearSrgb().ToBytes());
  EXPECT_TRUE(ColorProfile::FromFileOrSrgb(path, warning) == ColorProfile::LinearSrgb());
  EXPECT_TRUE(warning.empty());
  std::filesystem::remove(path);
}

#include "color/profilemodesource.h"

#include <gtest/gtest.h>

#include <memory>

#include "color/colorfamily.h"
#include "core/container.h"
#include "core/document.h"
#include "testprofiles.h"

namespace
{
using host::ColorProfile;
using host::Container;
using host::ProfileModeSource;

constexpr int32_t kDocumentMode = ProfileModeSource::kDocument;
constexpr int32_t kTextureMode = ProfileModeSource::kPaintTexture;

Container DocumentSettings(int32_t space, bool linearWorkflow)
{
  Container settings;
  settings.SetInt32(host::Document::kColorSpace, space);
  settings.SetBool(host::Document::kLinearWorkflow, linearWorkflow);
  return settings;
}

const ColorProfile* Source(int32_t mode, const Container* settings = nullptr)
{
  return &ProfileModeSource::Of(mode, settings);
}

// A paint texture with its own profile for as long as it lives.
class PaintTexture
{
public:
  PaintTexture() : profile_(std::make_shared<const ColorProfile>(testprofiles::WideGamut()))
  {
    host::SetPaintTextureProfile(profile_);
  }
  ~PaintTexture() { host::SetPaintTextureProfile(nullptr); }
  const ColorProfile* Profile() const { return profile_.get(); }

private:
  std::shared_ptr<const ColorProfile> profile_;
};
}  // namespace

TEST(ProfileModeSource, DocumentBitLetsTheDocumentsColourManagementDecide)
{
  const ColorProfile* linear = &ColorProfile::LinearSrgb();
  const ColorProfile* srgb = &ColorProfile::Srgb();
  struct Case
  {
    int32_t space;
    bool workflow;
    const ColorProfile* expected;
  };
  for (const Case& c :
       {Case{1, false, linear}, Case{2, true, linear}, Case{2, false, srgb}, Case{0, true, srgb}, Case{7, true, srgb}})
  {
    const Container settings = DocumentSettings(c.space, c.workflow);
    EXPECT_EQ(Source(kDocumentMode, &settings), c.expected) << c.space << " " << c.workflow;
  }
  EXPECT_EQ(Source(kDocumentMode), srgb);  // no document

  // Only the document bit reads the document.
  const Container linearDocument = DocumentSettings(1, true);
  EXPECT_EQ(Source(0, &linearDocument), srgb);
  const PaintTexture texture;
  EXPECT_EQ(Source(kDocumentMode | kTextureMode, &linearDocument), linear);
}

TEST(ProfileModeSource, TextureBitTakesThePaintTexturesProfileWhenThereIsOne)
{
  EXPECT_EQ(Source(kTextureMode), &ColorProfile::Srgb());
  const PaintTexture texture;
  EXPECT_EQ(Source(kTextureMode), texture.Profile());
  EXPECT_EQ(Source(0), &ColorProfile::Srgb());
}

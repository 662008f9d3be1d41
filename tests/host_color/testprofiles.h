#pragma once
// Profiles built on the fly for the colour tests.
#include <lcms2.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "color/colorprofile.h"

namespace testprofiles
{
inline host::ColorProfile Adopt(cmsHPROFILE profile)
{
  cmsUInt32Number size = 0;
  cmsSaveProfileToMem(profile, nullptr, &size);
  std::vector<uint8_t> bytes(size);
  cmsSaveProfileToMem(profile, bytes.data(), &size);
  cmsCloseProfile(profile);
  std::string error;
  auto adopted = host::ColorProfile::FromMemory(bytes, error);
  if (!adopted)
    throw std::runtime_error("test profile: " + error);
  return *adopted;
}

// A wide-gamut matrix-shaper display (Adobe RGB primaries, gamma 2.2).
inline host::ColorProfile WideGamut()
{
  const cmsCIExyY d65 = {0.3127, 0.3290, 1.0};
  const cmsCIExyYTRIPLE primaries = {{0.64, 0.33, 1.0}, {0.21, 0.71, 1.0}, {0.15, 0.06, 1.0}};
  cmsToneCurve* gamma = cmsBuildGamma(nullptr, 2.2);
  cmsToneCurve* curves[3] = {gamma, gamma, gamma};
  cmsHPROFILE profile = cmsCreateRGBProfile(&d65, &primaries, curves);
  cmsFreeToneCurve(gamma);
  return Adopt(profile);
}

// The same display described by colour tables (as calibrators often write
// it), so conversions cannot take the matrix-shaper shortcut.
inline host::ColorProfile WideGamutTables()
{
  const host::ColorProfile matrix = WideGamut();
  cmsHPROFILE lab = cmsCreateLab4Profile(nullptr);
  cmsHTRANSFORM toLab =
      cmsCreateTransform(matrix.Handle(), TYPE_RGB_16, lab, TYPE_Lab_16, INTENT_RELATIVE_COLORIMETRIC, 0);
  cmsHTRANSFORM fromLab =
      cmsCreateTransform(lab, TYPE_Lab_16, matrix.Handle(), TYPE_RGB_16, INTENT_RELATIVE_COLORIMETRIC, 0);
  auto sampled = [](cmsHTRANSFORM transform) {
    cmsPipeline* pipeline = cmsPipelineAlloc(nullptr, 3, 3);
    cmsStage* table = cmsStageAllocCLut16bit(nullptr, 33, 3, 3, nullptr);
    cmsStageSampleCLut16bit(
        table,
        [](const cmsUInt16Number in[], cmsUInt16Number out[], void* cargo) -> cmsInt32Number {
          cmsDoTransform(cargo, in, out, 1);
          return 1;
        },
        transform, 0);
    cmsPipelineInsertStage(pipeline, cmsAT_BEGIN, table);
    return pipeline;
  };
  cmsPipeline* a2b = sampled(toLab);
  cmsPipeline* b2a = sampled(fromLab);

  cmsHPROFILE profile = cmsCreateProfilePlaceholder(nullptr);
  cmsSetProfileVersion(profile, 2.1);  // lut16 tables hold a bare colour table
  cmsSetDeviceClass(profile, cmsSigDisplayClass);
  cmsSetColorSpace(profile, cmsSigRgbData);
  cmsSetPCS(profile, cmsSigLabData);
  cmsWriteTag(profile, cmsSigMediaWhitePointTag, cmsD50_XYZ());
  cmsWriteTag(profile, cmsSigAToB0Tag, a2b);
  cmsWriteTag(profile, cmsSigBToA0Tag, b2a);
  cmsPipelineFree(a2b);
  cmsPipelineFree(b2a);
  cmsDeleteTransform(toLab);
  cmsDeleteTransform(fromLab);
  cmsCloseProfile(lab);
  return Adopt(profile);
}
}  // namespace testprofiles

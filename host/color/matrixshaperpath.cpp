#include "color/matrixshaperpath.h"

#include <lcms2.h>

#include <algorithm>
#include <cmath>

namespace host
{
namespace
{

using Matrix = std::array<std::array<double, 3>, 3>;

const cmsTagSignature kColorantTags[3] = {cmsSigRedColorantTag, cmsSigGreenColorantTag, cmsSigBlueColorantTag};
const cmsTagSignature kCurveTags[3] = {cmsSigRedTRCTag, cmsSigGreenTRCTag, cmsSigBlueTRCTag};

bool IsPlainMatrixShaper(cmsHPROFILE profile, int direction)
{
  return cmsGetColorSpace(profile) == cmsSigRgbData && cmsIsMatrixShaper(profile) &&
         !cmsIsCLUT(profile, INTENT_RELATIVE_COLORIMETRIC, direction);
}

// Columns are the colorants' XYZ: linear RGB to the connection space.
bool ReadColorants(cmsHPROFILE profile, Matrix& m)
{
  for (int column = 0; column < 3; ++column)
  {
    const auto* xyz = static_cast<const cmsCIEXYZ*>(cmsReadTag(profile, kColorantTags[column]));
    if (!xyz)
      return false;
    m[0][column] = xyz->X;
    m[1][column] = xyz->Y;
    m[2][column] = xyz->Z;
  }
  return true;
}

bool Invert(const Matrix& m, Matrix& inverse)
{
  const double det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
                     m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
                     m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
  if (std::fabs(det) < 1e-12)
    return false;
  for (int r = 0; r < 3; ++r)
  {
    for (int c = 0; c < 3; ++c)
    {
      // Cofactor of (c, r), read cyclically so the signs come out right.
      const int r1 = (c + 1) % 3, r2 = (c + 2) % 3, c1 = (r + 1) % 3, c2 = (r + 2) % 3;
      inverse[r][c] = (m[r1][c1] * m[r2][c2] - m[r1][c2] * m[r2][c1]) / det;
    }
  }
  return true;
}

uint8_t ToByte(float v)
{
  return static_cast<uint8_t>(v <= 0.0f ? 0 : (v >= 1.0f ? 255 : std::lround(v * 255.0f)));
}

}  // namespace

std::shared_ptr<const MatrixShaperPath> MatrixShaperPath::Build(const ColorProfile& source, const ColorProfile& target)
{
  cmsHPROFILE in = source.Handle();
  cmsHPROFILE out = target.Handle();
  if (!in || !out || !IsPlainMatrixShaper(in, LCMS_USED_AS_INPUT) || !IsPlainMatrixShaper(out, LCMS_USED_AS_OUTPUT))
    return nullptr;
  Matrix toPcs, fromPcsInverse, fromPcs;
  if (!ReadColorants(in, toPcs) || !ReadColorants(out, fromPcsInverse) || !Invert(fromPcsInverse, fromPcs))
    return nullptr;

  auto path = std::make_shared<MatrixShaperPath>();
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c)
      path->matrix_[r][c] =
          static_cast<float>(fromPcs[r][0] * toPcs[0][c] + fromPcs[r][1] * toPcs[1][c] + fromPcs[r][2] * toPcs[2][c]);

  for (int channel = 0; channel < 3; ++channel)
  {
    const auto* decode = static_cast<const cmsToneCurve*>(cmsReadTag(in, kCurveTags[channel]));
    const auto* encode = static_cast<const cmsToneCurve*>(cmsReadTag(out, kCurveTags[channel]));
    cmsToneCurve* reversed = encode ? cmsReverseToneCurve(encode) : nullptr;
    if (!decode || !reversed)
    {
      cmsFreeToneCurve(reversed);
      return nullptr;
    }
    for (int v = 0; v < 256; ++v)
      path->linear_[channel][v] = cmsEvalToneCurveFloat(decode, v / 255.0f);
    for (int i = 0; i < kEncodeSize; ++i)
    {
      const float root = static_cast<float>(i) / (kEncodeSize - 1);
      path->encode_[channel][i] = ToByte(cmsEvalToneCurveFloat(reversed, root * root));
    }
    cmsFreeToneCurve(reversed);
  }
  return path;
}

inline uint8_t MatrixShaperPath::Encode(int channel, float r, float g, float b) const
{
  const auto& row = matrix_[channel];
  // min/max rather than branches: out-of-gamut pixels come in no pattern.
  const float v = std::min(std::max(row[0] * r + row[1] * g + row[2] * b, 0.0f), 1.0f);
  return encode_[channel][static_cast<int>(std::sqrt(v) * float(kEncodeSize - 1) + 0.5f)];
}

template <size_t kPixelBytes>
void MatrixShaperPath::ConvertPixels(const uint8_t* in, uint8_t* out, size_t count) const
{
  for (size_t p = 0; p < count; ++p, in += kPixelBytes, out += kPixelBytes)
  {
    const float r = linear_[0][in[0]], g = linear_[1][in[1]], b = linear_[2][in[2]];
    uint8_t alpha = 0;
    if constexpr (kPixelBytes == 4)
      alpha = in[3];
    out[0] = Encode(0, r, g, b);
    out[1] = Encode(1, r, g, b);
    out[2] = Encode(2, r, g, b);
    if constexpr (kPixelBytes == 4)
      out[3] = alpha;
  }
}

void MatrixShaperPath::Convert(const uint8_t* in, uint8_t* out, size_t count, size_t pixelBytes) const
{
  if (pixelBytes == 4)
    ConvertPixels<4>(in, out, count);
  else
    ConvertPixels<3>(in, out, count);
}

}  // namespace host

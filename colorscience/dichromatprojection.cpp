#include "colorscience/dichromatprojection.h"

namespace colorscience
{

namespace
{

constexpr Matrix3 kToLms{{{{17.8824, 43.5161, 4.11935}, {3.45565, 27.1554, 3.86714}, {0.0299566, 0.184309, 1.46709}}}};
// The lost response from the two that remain.
constexpr Matrix3 kProtanLms{{{{0.0, 2.02344, -2.52581}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}}}};
constexpr Matrix3 kDeutanLms{{{{1.0, 0.0, 0.0}, {0.494207, 0.0, 1.24827}, {0.0, 0.0, 1.0}}}};

constexpr Matrix3 kTritanFirst{
    {{{1.01354, 0.14268, -0.15622}, {-0.01181, 0.87561, 0.13619}, {0.07707, 0.81208, 0.11085}}}};
constexpr Matrix3 kTritanSecond{
    {{{0.93337, 0.19999, -0.13336}, {0.05809, 0.82565, 0.11626}, {-0.37923, 1.13825, 0.24098}}}};
constexpr SrgbColor kTritanNormal{0.03960, -0.02831, -0.01129};

SrgbColor Times(const Matrix3& m, const SrgbColor& c)
{
  const auto v = m.Apply(c.r, c.g, c.b);
  return {v[0], v[1], v[2]};
}

}  // namespace

const Matrix3& DichromatProjection::ToLms()
{
  return kToLms;
}

Matrix3 DichromatProjection::ConeLoss(ColorDeficiency kind)
{
  const Matrix3& lost = kind == ColorDeficiency::kProtan ? kProtanLms : kDeutanLms;
  return kToLms.Inverse() * lost * kToLms;
}

const Matrix3& DichromatProjection::TritanFirst()
{
  return kTritanFirst;
}
const Matrix3& DichromatProjection::TritanSecond()
{
  return kTritanSecond;
}
SrgbColor DichromatProjection::TritanNormal()
{
  return kTritanNormal;
}

SrgbColor DichromatProjection::Apply(ColorDeficiency kind, const SrgbColor& linear)
{
  switch (kind)
  {
    case ColorDeficiency::kProtan:
    case ColorDeficiency::kDeutan:
    {
      static const Matrix3 protan = ConeLoss(ColorDeficiency::kProtan);
      static const Matrix3 deutan = ConeLoss(ColorDeficiency::kDeutan);
      return Times(kind == ColorDeficiency::kProtan ? protan : deutan, linear);
    }
    case ColorDeficiency::kTritan:
    {
      const double side = kTritanNormal.r * linear.r + kTritanNormal.g * linear.g + kTritanNormal.b * linear.b;
      return Times(side >= 0.0 ? kTritanFirst : kTritanSecond, linear);
    }
    default: return linear;
  }
}

}  // namespace colorscience

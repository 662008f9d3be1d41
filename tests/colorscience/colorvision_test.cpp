// Colour vision deficiency simulation against the published matrices, and
// the properties every such simulation must keep.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "colorscience/colorvision.h"
#include "colorscience/confusablecolors.h"
#include "colorscience/dichromatprojection.h"
#include "colorscience/machadomatrices.h"

using colorscience::ColorDeficiency;
using colorscience::ColorVision;
using colorscience::ConfusableColors;
using colorscience::DichromatProjection;
using colorscience::MachadoMatrices;
using colorscience::Matrix3;
using colorscience::SrgbColor;

namespace
{

constexpr ColorDeficiency kKinds[] = {ColorDeficiency::kProtan, ColorDeficiency::kDeutan, ColorDeficiency::kTritan};

void ExpectNear(const SrgbColor& x, const SrgbColor& y, double within)
{
  EXPECT_NEAR(x.r, y.r, within);
  EXPECT_NEAR(x.g, y.g, within);
  EXPECT_NEAR(x.b, y.b, within);
}

std::vector<SrgbColor> RandomLinear(int count)
{
  std::mt19937 random(29);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::vector<SrgbColor> colors;
  for (int i = 0; i < count; ++i)
    colors.push_back({unit(random), unit(random), unit(random)});
  return colors;
}

}  // namespace

// Every published matrix keeps white white: its rows add up to one.
TEST(MachadoMatrices, EveryPublishedRowKeepsGreyGrey)
{
  for (const ColorDeficiency kind : kKinds)
    for (int step = 0; step <= MachadoMatrices::kSteps; ++step)
    {
      const Matrix3& m = MachadoMatrices::Published(kind, step);
      for (int r = 0; r < 3; ++r)
        EXPECT_NEAR(m.m[r][0] + m.m[r][1] + m.m[r][2], 1.0, 2e-6) << step << " " << r;
    }
}

TEST(MachadoMatrices, SeveritiesBetweenStepsBlendTheirNeighbours)
{
  const Matrix3 half = MachadoMatrices::At(ColorDeficiency::kDeutan, 0.55);
  const Matrix3& five = MachadoMatrices::Published(ColorDeficiency::kDeutan, 5);
  const Matrix3& six = MachadoMatrices::Published(ColorDeficiency::kDeutan, 6);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c)
      EXPECT_NEAR(half.m[r][c], (five.m[r][c] + six.m[r][c]) / 2, 1e-12);
  EXPECT_NEAR(MachadoMatrices::At(ColorDeficiency::kProtan, 1.0).m[0][1], 1.052583, 1e-12);
  EXPECT_NEAR(MachadoMatrices::At(ColorDeficiency::kTritan, 0.5).m[2][1], 0.248708, 1e-12);
  EXPECT_NEAR(MachadoMatrices::At(ColorDeficiency::kProtan, 7.0).m[0][0], 0.152286, 1e-12);
  EXPECT_DOUBLE_EQ(MachadoMatrices::At(ColorDeficiency::kTritan, 0.0).m[1][1], 1.0);
}

// The published inverse of the cone matrix, to its published digits.
TEST(DichromatProjection, ConeMatrixInvertsToThePublishedInverse)
{
  const Matrix3 inverse = DichromatProjection::ToLms().Inverse();
  const Matrix3 published{{{{0.0809444479, -0.130504409, 0.116721066},
                            {-0.0102485335, 0.0540193266, -0.113614708},
                            {-0.000365296938, -0.00412161469, 0.693511405}}}};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c)
      EXPECT_NEAR(inverse.m[r][c], published.m[r][c], 2e-6) << r << c;
}

// A dichromat's view keeps white, loses one dimension of colour, and seeing
// a seen colour again changes nothing.
TEST(DichromatProjection, ViewsKeepWhiteLoseOneDimensionAndAreStable)
{
  for (const ColorDeficiency kind : kKinds)
  {
    ExpectNear(DichromatProjection::Apply(kind, {1, 1, 1}), {1, 1, 1}, 1e-4);
    for (const SrgbColor& c : RandomLinear(200))
    {
      const SrgbColor once = DichromatProjection::Apply(kind, c);
      ExpectNear(DichromatProjection::Apply(kind, once), once, 1e-4);
    }
  }
  EXPECT_NEAR(DichromatProjection::ConeLoss(ColorDeficiency::kProtan).Determinant(), 0.0, 1e-9);
  EXPECT_NEAR(DichromatProjection::ConeLoss(ColorDeficiency::kDeutan).Determinant(), 0.0, 1e-9);
  EXPECT_NEAR(DichromatProjection::TritanFirst().Determinant(), 0.0, 1e-4);
  EXPECT_NEAR(DichromatProjection::TritanSecond().Determinant(), 0.0, 1e-4);
}

// The two tritan half-planes meet on the plane that separates them.
TEST(DichromatProjection, TritanHalfPlanesAgreeOnTheirBorder)
{
  const SrgbColor n = DichromatProjection::TritanNormal();
  for (SrgbColor c : RandomLinear(50))
  {
    const double side = (n.r * c.r + n.g * c.g + n.b * c.b) / (n.r * n.r + n.g * n.g + n.b * n.b);
    c = {c.r - side * n.r, c.g - side * n.g, c.b - side * n.b};
    const auto first = DichromatProjection::TritanFirst().Apply(c.r, c.g, c.b);
    const auto second = DichromatProjection::TritanSecond().Apply(c.r, c.g, c.b);
    for (int i = 0; i < 3; ++i)
      EXPECT_NEAR(first[i], second[i], 1e-4);
  }
}

// Red and green, far apart for most, fall together for deutans but not
// for tritans.
TEST(ColorVision, RedAndGreenFallTogetherOnlyAlongTheirConfusionLine)
{
  const auto gap = [](ColorDeficiency kind, SrgbColor x, SrgbColor y) {
    const ColorVision vision(kind, 1.0);
    return colorscience::OkLab::DeltaE(colorscience::OkLab::FromSrgb(vision.See(x)),
                                       colorscience::OkLab::FromSrgb(vision.See(y)));
  };
  // A red and a green of about the same lightness.
  const SrgbColor red{0.80, 0.35, 0.20}, green{0.45, 0.55, 0.20};
  EXPECT_GT(gap(ColorDeficiency::kNone, red, green), 0.1);
  EXPECT_LT(gap(ColorDeficiency::kDeutan, red, green), 0.04);
  EXPECT_GT(gap(ColorDeficiency::kTritan, red, green), 0.1);
}

// Two colours that differ only in the response of the cone a dichromat
// lacks look the same to them, and different to the others.
TEST(ColorVision, OnlyTheMissingConesResponseIsLost)
{
  const Matrix3 fromLms = DichromatProjection::ToLms().Inverse();
  const SrgbColor base{0.3, 0.4, 0.3};
  for (const int cone : {0, 1})
  {
    const ColorDeficiency lacking = cone == 0 ? ColorDeficiency::kProtan : ColorDeficiency::kDeutan;
    const ColorDeficiency other = cone == 0 ? ColorDeficiency::kDeutan : ColorDeficiency::kProtan;
    // A tenth of base's response of that cone, added.
    const auto lms = DichromatProjection::ToLms().Apply(base.r, base.g, base.b);
    const double k = 0.1 * lms[cone];
    const SrgbColor shifted{base.r + k * fromLms.m[0][cone], base.g + k * fromLms.m[1][cone],
                            base.b + k * fromLms.m[2][cone]};
    ExpectNear(DichromatProjection::Apply(lacking, shifted), DichromatProjection::Apply(lacking, base), 1e-9);
    const SrgbColor a = DichromatProjection::Apply(other, shifted), b = DichromatProjection::Apply(other, base);
    EXPECT_GT(std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b), 0.005);
  }
}

TEST(ColorVision, SeverityRunsFromNormalToDichromacy)
{
  const SrgbColor orange{0.9, 0.5, 0.1};
  ExpectNear(ColorVision(ColorDeficiency::kDeutan, 0.0).See(orange), orange, 0.0);
  ExpectNear(ColorVision(ColorDeficiency::kNone, 1.0).See(orange), orange, 0.0);
  EXPECT_TRUE(ColorVision(ColorDeficiency::kProtan, -2.0).IsNormal());
  // Full severity is the dichromat's view, not Machado's last matrix.
  const ColorVision full(ColorDeficiency::kProtan, 1.0);
  const SrgbColor linear{colorscience::OkLab::ToLinear(0.9), colorscience::OkLab::ToLinear(0.5),
                         colorscience::OkLab::ToLinear(0.1)};
  ExpectNear(full.SeeLinear(linear), DichromatProjection::Apply(ColorDeficiency::kProtan, linear), 1e-15);
  // Half way is Machado's published matrix for 0.5.
  const auto half = MachadoMatrices::Published(ColorDeficiency::kProtan, 5).Apply(linear.r, linear.g, linear.b);
  ExpectNear(ColorVision(ColorDeficiency::kProtan, 0.5).SeeLinear(linear), {half[0], half[1], half[2]}, 1e-15);
  // What leaves the screen's colours is clipped.
  const SrgbColor seen = ColorVision(ColorDeficiency::kTritan, 1.0).See({0, 0, 1});
  for (const double c : {seen.r, seen.g, seen.b})
  {
    EXPECT_GE(c, 0.0);
    EXPECT_LE(c, 1.0);
  }
}

TEST(ConfusableColors, MarksOnlyColoursThatFallTogether)
{
  const SrgbColor red{0.80, 0.35, 0.20}, green{0.45, 0.55, 0.20}, blue{0.1, 0.2, 0.9};
  const std::vector<SrgbColor> set{red, green, blue};
  const std::vector<bool> deutan = ConfusableColors::Find(set, ColorVision(ColorDeficiency::kDeutan, 1.0));
  EXPECT_EQ(deutan, (std::vector<bool>{true, true, false}));
  const std::vector<bool> normal = ConfusableColors::Find(set, ColorVision());
  EXPECT_EQ(normal, (std::vector<bool>{false, false, false}));
  EXPECT_TRUE(ConfusableColors::Find({red}, ColorVision(ColorDeficiency::kDeutan, 1.0)) == std::vector<bool>{false});
  EXPECT_TRUE(ConfusableColors::Find({}, ColorVision()).empty());
}

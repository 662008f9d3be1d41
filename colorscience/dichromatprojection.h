#pragma once
// What a dichromat sees of a colour in linear RGB. Protanopia and
// deuteranopia after Vienot, Brettel and Mollon (1999): into cone space
// with their published matrix, the missing cone's response rebuilt from the
// other two so that white and blue (protan) or white and yellow (deutan)
// stay, and back. Tritanopia after Brettel, Vienot and Mollon (1997): one of
// two half-planes through the neutral axis, anchored at 485 nm and 660 nm,
// as matrices in linear sRGB with the plane that separates them.
#include "colorscience/colordeficiency.h"
#include "colorscience/matrix3.h"
#include "colorscience/oklab.h"

namespace colorscience
{

class DichromatProjection
{
public:
  // Linear RGB to cone responses L, M, S as Vienot et al. published it.
  static const Matrix3& ToLms();
  // The one matrix of a protan or deutan view in linear RGB.
  static Matrix3 ConeLoss(ColorDeficiency kind);
  // The tritan half-planes: the first for colours on the positive side of
  // the separating plane (normal in linear RGB), the second for the rest.
  static const Matrix3& TritanFirst();
  static const Matrix3& TritanSecond();
  static SrgbColor TritanNormal();

  // kNone gives the colour back.
  static SrgbColor Apply(ColorDeficiency kind, const SrgbColor& linear);
};

}  // namespace colorscience

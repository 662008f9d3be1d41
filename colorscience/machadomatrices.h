#pragma once
// Anomalous trichromacy after Machado, Oliveira and Fernandes (2009): the
// matrices they published for linear RGB at severities 0, 0.1 .. 1, and the
// straight-line blend between the two nearest ones for any other severity.
#include "colorscience/colordeficiency.h"
#include "colorscience/matrix3.h"

namespace colorscience
{

class MachadoMatrices
{
public:
  static constexpr int kSteps = 10;

  // Severity is clamped to 0..1; kNone and severity 0 give the identity.
  static Matrix3 At(ColorDeficiency kind, double severity);
  // The published matrix of step 0..kSteps.
  static const Matrix3& Published(ColorDeficiency kind, int step);
};

}  // namespace colorscience

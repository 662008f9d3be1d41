#pragma once
// A 3 x 3 matrix of doubles acting on colour triples, row by row.
#include <array>

namespace colorscience
{

struct Matrix3
{
  std::array<std::array<double, 3>, 3> m{};

  static constexpr Matrix3 Identity() { return {{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}}; }

  constexpr std::array<double, 3> Apply(double x, double y, double z) const
  {
    return {m[0][0] * x + m[0][1] * y + m[0][2] * z, m[1][0] * x + m[1][1] * y + m[1][2] * z,
            m[2][0] * x + m[2][1] * y + m[2][2] * z};
  }

  constexpr Matrix3 operator*(const Matrix3& o) const
  {
    Matrix3 p;
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c)
        p.m[r][c] = m[r][0] * o.m[0][c] + m[r][1] * o.m[1][c] + m[r][2] * o.m[2][c];
    return p;
  }

  // The matrix t of the way from this one to o (0 this, 1 o).
  constexpr Matrix3 Lerp(const Matrix3& o, double t) const
  {
    Matrix3 p;
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c)
        p.m[r][c] = m[r][c] + (o.m[r][c] - m[r][c]) * t;
    return p;
  }

  constexpr double Determinant() const
  {
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
  }

  constexpr Matrix3 Inverse() const
  {
    const double det = Determinant();
    Matrix3 p;
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c)
      {
        // The cofactor of (c, r), from the cyclic neighbours of each index.
        const int r1 = (c + 1) % 3, r2 = (c + 2) % 3, c1 = (r + 1) % 3, c2 = (r + 2) % 3;
        p.m[r][c] = (m[r1][c1] * m[r2][c2] - m[r1][c2] * m[r2][c1]) / det;
      }
    return p;
  }
};

}  // namespace colorscience

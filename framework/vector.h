#pragma once
// Three 64-bit components: a colour (red, green, blue), an HSV triple or a
// point. The same layout as the host's vector type 23.
#include <cmath>

struct Vector
{
  double x = 0.0, y = 0.0, z = 0.0;

  constexpr Vector() = default;
  constexpr Vector(double a, double b, double c) : x(a), y(b), z(c) {}
  constexpr explicit Vector(double v) : x(v), y(v), z(v) {}

  constexpr double& operator[](int i) { return i == 0 ? x : (i == 1 ? y : z); }
  constexpr double operator[](int i) const { return i == 0 ? x : (i == 1 ? y : z); }

  constexpr Vector operator+(const Vector& o) const { return {x + o.x, y + o.y, z + o.z}; }
  constexpr Vector operator-(const Vector& o) const { return {x - o.x, y - o.y, z - o.z}; }
  constexpr Vector operator*(double s) const { return {x * s, y * s, z * s}; }
  constexpr Vector operator/(double s) const { return {x / s, y / s, z / s}; }
  constexpr bool operator==(const Vector& o) const = default;

  constexpr Vector Clamp01() const
  {
    auto c = [](double v) { return v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v); };
    return {c(x), c(y), c(z)};
  }
};

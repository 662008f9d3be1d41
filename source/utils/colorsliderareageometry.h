#pragma once
// Where a gradient slider draws, in local pixels. The long axis runs along
// the bar (x for a horizontal slider, y for a vertical one), the short axis
// across it. With L = extent along - 1 and A = extent across - 1: the
// gradient fills 1..L-1 along and 3..A-3 across, the border frames 0..L by
// 2..A-2, and the handle is a line at p with a 3-pixel box around it that
// spans the whole area across and never leaves it along.
#include <cstdint>

struct ColorSliderAreaGeometry
{
  struct Span
  {
    std::int32_t from = 0;
    std::int32_t to = 0;  // inclusive
  };

  // Side of a checker cell, in pixels.
  static constexpr std::int32_t kCheckerCell = 7;
  // First pixel of the gradient across the bar.
  static constexpr std::int32_t kGradientInset = 3;

  std::int32_t length = 0;  // L
  std::int32_t across = 0;  // A
  std::int32_t handle = 1;  // p
  Span box;                 // along the bar

  static ColorSliderAreaGeometry Compute(std::int32_t width, std::int32_t height, bool vertical, double t);

  // Handle line p and box for position t on a bar of length L.
  static void PlaceHandle(std::int32_t length, double t, std::int32_t& handle, Span& box);

  // The last gradient column index n (columns 0..n at 1 + i); 0 when the
  // bar is too short to hold a gradient.
  std::int32_t GradientSteps() const;
  bool HasGradient() const { return GradientSteps() > 0; }
  Span BorderAlong() const { return {0, length}; }
  Span BorderAcross() const { return {2, across - 2}; }
  Span GradientAcross() const { return {kGradientInset, across - kGradientInset}; }
  Span HandleLineAcross() const { return {1, across - 1}; }

  // Checker segments across the bar: 7 pixels each from 3, the last one cut
  // at A - 3; even segments take the first colour.
  std::int32_t CheckerSegmentCount() const;
  Span CheckerSegment(std::int32_t index) const;
  // Every seventh column the two checker colours change places.
  static bool CheckerSwapped(std::int32_t column) { return (column / kCheckerCell) % 2 == 1; }

  // t of a mouse coordinate c along a bar whose area is extent pixels long.
  static double PositionToT(double c, std::int32_t extent);
};

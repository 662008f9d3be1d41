#pragma once
// One hue: every colour lies on the main colour's spoke, at a factor of the
// main colour's radius component. The factors survive between calls, so a
// colour keeps its place along the spoke while the main colour moves.
#include "basecontainer.h"
#include "colorwheel/colorwheelharmony.h"

class ColorWheelHarmonyMono : public ColorWheelHarmony
{
public:
  explicit ColorWheelHarmonyMono(const ColorWheel& owner);

  Result<void> Compute(const Vector& hsv, ColorList& list) override;
  // The main handle moves as the base does; any other slides along the
  // main colour's spoke.
  Result<void> MoveHandle(std::size_t index, const Vector& point, bool all, ColorList& list) override;

  const BaseArray<double>& GetFactors() const { return _factors; }
  // 1 - k / (n - 1) for colour k of n, the last one 0.
  Result<void> SpreadEvenly(std::size_t count);
  // Drops the factors of the listed colours (indices above 0).
  void EraseFactor(std::size_t index);
  void Store(BaseContainer& state, std::int32_t id) const;
  Result<void> Load(const BaseContainer& state, std::int32_t id);

private:
  // Trims the factors to count, or adds the middle of the widest gap
  // between the factors, 0 and 1 until there are count.
  Result<void> FitFactors(std::size_t count);
  void TakeEdit(const Vector& hsv, ColorList& list);

  BaseArray<double> _factors;
};

#include "colorwheel/colorwheelharmonies.h"

ColorWheelHarmonies::ColorWheelHarmonies(const ColorWheel& owner)
    : _free(owner),
      _mono(owner),
      _complementary(owner),
      _analog(owner),
      _equi(owner),
      _split(owner),
      _tetrad(owner),
      _lock(owner)
{}

ColorWheelHarmony& ColorWheelHarmonies::Get(std::int32_t id)
{
  switch (id)
  {
    case ColorWheelHarmony::kMono: return _mono;
    case ColorWheelHarmony::kComplementary: return _complementary;
    case ColorWheelHarmony::kAnalog: return _analog;
    case ColorWheelHarmony::kEqui: return _equi;
    case ColorWheelHarmony::kSplit: return _split;
    case ColorWheelHarmony::kTetrad: return _tetrad;
    case ColorWheelHarmony::kLock: return _lock;
    default: return _free;
  }
}

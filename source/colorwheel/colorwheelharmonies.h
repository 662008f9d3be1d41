#pragma once
// The eight harmony rules of one wheel, each created once and kept, so that
// Mono's factors and Analog's step survive a change of harmony.
#include <cstdint>

#include "colorwheel/colorwheelharmonyanalog.h"
#include "colorwheel/colorwheelharmonycomplementary.h"
#include "colorwheel/colorwheelharmonyequi.h"
#include "colorwheel/colorwheelharmonyfree.h"
#include "colorwheel/colorwheelharmonylock.h"
#include "colorwheel/colorwheelharmonymono.h"
#include "colorwheel/colorwheelharmonysplit.h"
#include "colorwheel/colorwheelharmonytetrad.h"

class ColorWheelHarmonies
{
public:
  explicit ColorWheelHarmonies(const ColorWheel& owner);

  // Free for an ID that names no rule.
  ColorWheelHarmony& Get(std::int32_t id);
  ColorWheelHarmonyFree& Free() { return _free; }
  ColorWheelHarmonyMono& Mono() { return _mono; }
  const ColorWheelHarmonyMono& Mono() const { return _mono; }
  ColorWheelHarmonyAnalog& Analog() { return _analog; }
  const ColorWheelHarmonyAnalog& Analog() const { return _analog; }
  ColorWheelHarmonyLock& Lock() { return _lock; }
  // The toolbar's harmonies, in their order there (Lock is not one).
  static constexpr std::int32_t kToolbarOrder[7] = {ColorWheelHarmony::kFree,          ColorWheelHarmony::kMono,
                                                    ColorWheelHarmony::kComplementary, ColorWheelHarmony::kAnalog,
                                                    ColorWheelHarmony::kSplit,         ColorWheelHarmony::kTetrad,
                                                    ColorWheelHarmony::kEqui};

private:
  ColorWheelHarmonyFree _free;
  ColorWheelHarmonyMono _mono;
  ColorWheelHarmonyComplementary _complementary;
  ColorWheelHarmonyAnalog _analog;
  ColorWheelHarmonyEqui _equi;
  ColorWheelHarmonySplit _split;
  ColorWheelHarmonyTetrad _tetrad;
  ColorWheelHarmonyLock _lock;
};

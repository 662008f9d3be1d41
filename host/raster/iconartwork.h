#pragma once

#include "raster/vectorpainter.h"

namespace host {

// What an icon shows. Each symbol is drawn procedurally on a square design
// grid whose side Side() gives, with the top left at (0, 0).
enum class IconSymbol {
  Wheel,
  Spectrum,
  Picture,
  Rgb,
  Hsv,
  Kelvin,
  Mixer,
  Swatches,
  Compact,
  Alpha,
  Hex,
  Linear,
  Oklch,
  Picker,
  HarmonyFree,
  HarmonyMono,
  HarmonyComplementary,
  HarmonyAnalog,
  HarmonySplit,
  HarmonyEqui,
  HarmonyTetrad,
  HarmonyLock,
  AddSample,
  DeleteSamples,
  ReduceSamples,
  Mosaic,
  NewGroup,
  DeleteSelection,
};

// The drawings behind the host's icons, in full colour (the "on" look).
class IconArtwork {
 public:
  static void Draw(IconSymbol symbol, double side, VectorPainter& p);
  // The rounded plate behind an active toggle.
  static void DrawPlate(double side, VectorPainter& p);

  // 0..1 hue, saturation, value to 8-bit colour.
  static Rgba Hsv(double h, double s, double v, uint8_t alpha = 255);

 private:
  static void Wheel(double side, VectorPainter& p);
  static void Spectrum(double side, VectorPainter& p);
  static void Picture(double side, VectorPainter& p);
  static void Rgb(double side, VectorPainter& p);
  // Three slider bars filled by ramp(bar, 0..1), knobs at the given places.
  static void SliderBars(double side, const double (&knobs)[3], Rgba (*ramp)(int bar, double t), VectorPainter& p);
  static void HsvBars(double side, VectorPainter& p);
  static void Kelvin(double side, VectorPainter& p);
  static void Mixer(double side, VectorPainter& p);
  static void Swatches(double side, VectorPainter& p);
  static void Compact(double side, VectorPainter& p);
  static void Alpha(double side, VectorPainter& p);
  static void Hex(double side, VectorPainter& p);
  static void Linear(double side, VectorPainter& p);
  static void OklchBars(double side, VectorPainter& p);
  static void Picker(double side, VectorPainter& p);
  static void Harmony(IconSymbol symbol, double side, VectorPainter& p);
  static void Lock(double side, VectorPainter& p);
  static void RoundBadge(double side, Rgba fill, VectorPainter& p);
  static void AddSample(double side, VectorPainter& p);
  static void DeleteSamples(double side, VectorPainter& p);
  static void ReduceSamples(double side, VectorPainter& p);
  static void Mosaic(double side, VectorPainter& p);
  static void NewGroup(double side, VectorPainter& p);
  static void DeleteSelection(double side, VectorPainter& p);

  static void HueRing(double cx, double cy, double inner, double outer, VectorPainter& p);
  static void Handle(double x, double y, double r, VectorPainter& p);
};

}  // namespace host

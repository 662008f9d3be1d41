#include "colortoolslibrary.h"

#include <algorithm>
#include <cstring>

#include "colorwheel/harmonygenerator.h"
#include "entryguard.h"
#include "hosttext.h"
#include "utils/colorconversions.h"
#include "utils/colortemperature.h"
#include "utils/colorutils.h"

namespace
{
Vector FromArray(const double rgb[3])
{
  return rgb ? Vector(rgb[0], rgb[1], rgb[2]) : Vector();
}

void ToArray(const Vector& v, double out[3])
{
  if (!out)
    return;
  out[0] = v.x;
  out[1] = v.y;
  out[2] = v.z;
}

std::int64_t RgbText(const double rgb[3], char* buf, std::size_t cap)
{
  return GuardEntry("ColorToRgbText()", std::int64_t(-1),
                    [&] { return WriteHostText(ColorToRgbText(FromArray(rgb)), buf, cap); });
}

std::int64_t HsvText(const double rgb[3], char* buf, std::size_t cap)
{
  return GuardEntry("ColorToHsvText()", std::int64_t(-1),
                    [&] { return WriteHostText(ColorToHsvText(FromArray(rgb)), buf, cap); });
}

int64_t To8BitEntry(double c)
{
  return To8Bit(c);
}

double From8BitEntry(int64_t n)
{
  return From8Bit(n);
}

void ColorTo8BitEntry(const double rgb[3], int64_t* r, int64_t* g, int64_t* b)
{
  std::int64_t red = 0, green = 0, blue = 0;
  ColorTo8Bit(FromArray(rgb), red, green, blue);
  if (r)
    *r = red;
  if (g)
    *g = green;
  if (b)
    *b = blue;
}

void ColorFrom8BitEntry(int64_t r, int64_t g, int64_t b, double out[3])
{
  ToArray(ColorFrom8Bit(r, g, b), out);
}

int32_t To16BitEntry(double c)
{
  return To16Bit(c);
}

double From16BitEntry(int32_t n)
{
  return From16Bit(n);
}

void ColorTo16BitEntry(const double rgb[3], int32_t* r, int32_t* g, int32_t* b)
{
  std::int32_t red = 0, green = 0, blue = 0;
  ColorTo16Bit(FromArray(rgb), red, green, blue);
  if (r)
    *r = red;
  if (g)
    *g = green;
  if (b)
    *b = blue;
}

void ColorFrom16BitEntry(int32_t r, int32_t g, int32_t b, double out[3])
{
  ToArray(ColorFrom16Bit(r, g, b), out);
}

void KelvinEntry(double kelvin, double tint, double out[3])
{
  ToArray(KelvinToColor(kelvin, tint), out);
}

// Runs a generator into a local array, then hands every colour to the
// caller's sink; false when either side runs out of room.
template <typename Generate>
bool Harmony(const char* name, const double rgb[3], bool ryb, GxaColorSink* out, Generate generate)
{
  return GuardEntry(name, false, [&] {
    if (!rgb || !out || !out->append)
      return false;
    BaseArray<Vector> colors;
    const bool made = generate(HarmonyGenerator(ryb), FromArray(rgb), colors);
    for (const Vector& color : colors)
    {
      const double channels[3] = {color.x, color.y, color.z};
      if (!out->append(out->user, channels))
        return false;
    }
    return made;
  });
}

bool ComplementaryEntry(const double rgb[3], bool ryb, GxaColorSink* out)
{
  return Harmony(
      "HarmonyComplementary()", rgb, ryb, out,
      [](const HarmonyGenerator& g, const Vector& c, BaseArray<Vector>& o) { return g.Complementary(c, o); });
}

bool SplitEntry(const double rgb[3], bool ryb, GxaColorSink* out)
{
  return Harmony("HarmonySplit()", rgb, ryb, out,
                 [](const HarmonyGenerator& g, const Vector& c, BaseArray<Vector>& o) { return g.Split(c, o); });
}

bool TetradEntry(const double rgb[3], bool ryb, GxaColorSink* out)
{
  return Harmony("HarmonyTetrad()", rgb, ryb, out,
                 [](const HarmonyGenerator& g, const Vector& c, BaseArray<Vector>& o) { return g.Tetrad(c, o); });
}

bool AnalogEntry(const double rgb[3], int32_t count, bool ryb, GxaColorSink* out)
{
  return Harmony("HarmonyAnalog()", rgb, ryb, out,
                 [count](const HarmonyGenerator& g, const Vector& c, BaseArray<Vector>& o) {
                   return g.Steps(c, count, HarmonyGenerator::kAnalogStep, o);
                 });
}

bool EquiEntry(const double rgb[3], int32_t count, bool ryb, GxaColorSink* out)
{
  return Harmony(
      "HarmonyEqui()", rgb, ryb, out,
      [count](const HarmonyGenerator& g, const Vector& c, BaseArray<Vector>& o) { return g.Equi(c, count, o); });
}

bool StepsEntry(const double rgb[3], int32_t count, double step, bool ryb, GxaColorSink* out)
{
  return Harmony("HarmonySteps()", rgb, ryb, out,
                 [count, step](const HarmonyGenerator& g, const Vector& c, BaseArray<Vector>& o) {
                   return g.Steps(c, count, step, o);
                 });
}

bool GradientEntry(const double rgb[3], const double second[3], int32_t count, bool ryb, GxaColorSink* out)
{
  if (!second)
    return false;
  const Vector end = FromArray(second);
  return Harmony("HarmonyGradient()", rgb, ryb, out,
                 [&end, count](const HarmonyGenerator& g, const Vector& c, BaseArray<Vector>& o) {
                   return g.Gradient(c, end, count, o);
                 });
}
}  // namespace

void FillColorToolsTable(GxaColorToolsTable& table)
{
  table.color_to_rgb_text = &RgbText;
  table.color_to_hsv_text = &HsvText;
  table.to_8bit = &To8BitEntry;
  table.from_8bit = &From8BitEntry;
  table.color_to_8bit = &ColorTo8BitEntry;
  table.color_from_8bit = &ColorFrom8BitEntry;
  table.to_16bit = &To16BitEntry;
  table.from_16bit = &From16BitEntry;
  table.color_to_16bit = &ColorTo16BitEntry;
  table.color_from_16bit = &ColorFrom16BitEntry;
  table.kelvin_to_color = &KelvinEntry;
  table.harmony_complementary = &ComplementaryEntry;
  table.harmony_split = &SplitEntry;
  table.harmony_tetrad = &TetradEntry;
  table.harmony_analog = &AnalogEntry;
  table.harmony_equi = &EquiEntry;
  table.harmony_steps = &StepsEntry;
  table.harmony_gradient = &GradientEntry;
}

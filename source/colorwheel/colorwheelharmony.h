#pragma once
// A harmony rule: derives the colours of the list from the colour the user
// edits, and decides how the list follows when a handle is dragged. Hue
// offsets go through the wheel's current scheme, so in RYB a rule keeps its
// geometry on the artist's wheel rather than in RGB hue angles.
#include <cstddef>
#include <cstdint>

#include "result.h"
#include "utils/colorlist.h"
#include "vector.h"

class ColorWheel;

class ColorWheelHarmony
{
public:
  static constexpr std::int32_t kFree = 0x3EA000A;
  static constexpr std::int32_t kMono = 0x3EA000B;
  static constexpr std::int32_t kComplementary = 0x3EA000E;
  static constexpr std::int32_t kAnalog = 0x3EA000F;
  static constexpr std::int32_t kSplit = 0x3EA0011;
  static constexpr std::int32_t kEqui = 0x3EA0012;
  static constexpr std::int32_t kTetrad = 0x3EA0013;
  static constexpr std::int32_t kLock = 0x3EA0014;

  // The harmony's toolbar button.
  struct Button
  {
    std::int32_t icon;
    std::int32_t iconOff;
    std::int32_t tooltip;
  };

  ColorWheelHarmony(const ColorWheel& owner, std::int32_t id, bool variableCount, Button button);
  virtual ~ColorWheelHarmony() = default;

  virtual Result<void> Compute(const Vector& hsv, ColorList& list) = 0;
  // The entry at index follows the mouse point (wheel coordinates) and the
  // rule re-derives the others around it. The caller has made the entry the
  // selected one.
  virtual Result<void> MoveHandle(std::size_t index, const Vector& point, bool all, ColorList& list);

  std::int32_t GetHarmonyId() const { return _id; }
  bool IsVariableCount() const { return _variableCount; }
  bool IsMono() const { return _id == kMono; }
  const Button& GetButton() const { return _button; }

protected:
  static constexpr double kPi = 3.141592653589793;
  static constexpr double kTurn = 2.0 * kPi;

  const ColorWheel& Wheel() const { return _owner; }
  // The current scheme's rotation of a hue angle.
  double Rotate(double angle, double offset) const;
  static double AngleToHue(double angle);
  static double HueAngle(const Vector& hsv) { return kTurn * hsv.x; }
  // A fixed-size rule's start: count entries, each hsv.
  static Result<void> FillWith(const Vector& hsv, std::size_t count, ColorList& list);
  // Entry i takes the hue at angle; the angle comes back, so chains nest.
  static double SetHueAt(ColorList& list, std::size_t i, double angle);
  // The radius component: saturation when the radius is saturation, else value.
  double Radial(const Vector& hsv) const;
  void SetRadial(Vector& hsv, double component) const;
  double Fixed(const Vector& hsv) const;
  void SetFixed(Vector& hsv, double component) const;
  // The selected index as the anchor of a chain: 0 below 1, the last entry
  // at or beyond the end.
  static std::size_t Anchor(const ColorList& list);
  // Writes hsv into the anchor and steps outwards from it by step (through
  // the scheme) in both directions.
  void ComputeChain(const Vector& hsv, double step, ColorList& list) const;
  // On the perceptual wheel every other entry takes the OKLCh hue its angle
  // from the anchor gives, at the anchor's lightness and chroma, so the
  // colours look equally light; elsewhere nothing changes.
  void KeepLightness(std::size_t anchor, ColorList& list) const;
  // The anchor of a fixed-size rule: the selected entry, or the first.
  static std::size_t EditedEntry(const ColorList& list);

private:
  const ColorWheel& _owner;
  std::int32_t _id;
  bool _variableCount;
  Button _button;
};

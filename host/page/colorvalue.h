#pragma once
// A colour parameter's value in one of the three forms the chooser exchanges
// with its host: a plain vector, a colour with alpha (400007013), or a
// container of colour and brightness (entry 0 the colour, 1 the brightness,
// 3 the brightness maximum when the host sets it).
#include <optional>

#include "core/value.h"

namespace host {

enum class ColorForm { Vector, ColorAlpha, Brightness };

struct ColorValue {
  static constexpr int32_t kColorEntry = 0;
  static constexpr int32_t kBrightnessEntry = 1;
  static constexpr int32_t kMaximumEntry = 3;

  ColorForm form = ColorForm::Vector;
  Vector3 color;
  double alpha = 1.0;
  double brightness = 1.0;
  double maximum = 1.0;

  // The host value of this form; the brightness form carries the maximum.
  Value ToHost() const;
  // Reads a value of the given form; nothing when its type does not fit. A
  // brightness container without a maximum keeps fallbackMaximum.
  static std::optional<ColorValue> FromHost(const Value& v, ColorForm form, double fallbackMaximum = 1.0);
  // The value the chooser is set with: vector or colour with alpha (the
  // brightness form reaches the chooser as its colour).
  Value ChooserValue() const;

  bool operator==(const ColorValue&) const = default;
};

const char* FormName(ColorForm form);

}  // namespace host

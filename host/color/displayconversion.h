#pragma once
// Converts colours and bitmap pixels from a source profile to the display
// profile. When both are the same profile nothing is touched at all.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "color/colorprofile.h"

namespace host
{

class MatrixShaperPath;

class DisplayConversion
{
public:
  // Nothing, with a message, when either profile is missing or LittleCMS
  // cannot convert between them.
  static std::optional<DisplayConversion> Create(const ColorProfile& source, const ColorProfile& display,
                                                 std::string& error);

  bool IsIdentity() const { return identity_; }
  const ColorProfile& Source() const { return source_; }
  const ColorProfile& Display() const { return display_; }

  // `count` RGB triples of floats, in place.
  void ConvertFloat(float* rgb, size_t count) const;
  // 8-bit pixels; `in` and `out` may be the same buffer but must not
  // otherwise overlap. RGBA keeps alpha.
  void ConvertRgba8(const uint8_t* in, uint8_t* out, size_t count) const;
  void ConvertRgb8(const uint8_t* in, uint8_t* out, size_t count) const;

private:
  DisplayConversion(ColorProfile source, ColorProfile display, std::shared_ptr<void> floatTransform);
  // The 8-bit path is chosen on first use: most conversions only ever see
  // single colours.
  void PrepareEightBit() const;
  // True when the pixels were only copied.
  bool PassUnchanged(const uint8_t* in, uint8_t* out, size_t bytes) const;

  ColorProfile source_;
  ColorProfile display_;
  bool identity_ = false;
  std::shared_ptr<void> float_;
  mutable bool eightBitReady_ = false;
  mutable std::shared_ptr<const MatrixShaperPath> matrixShaper_;
  mutable std::shared_ptr<void> rgb8_;
};

}  // namespace host

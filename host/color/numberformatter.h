#pragma once
// Texts of numbers in the host's number units, for number fields and for the
// module's colour texts, and the reading of typed text back.
//
//   plain   'frea'  the value, up to 3 decimals            0.25   -> "0.25"
//   percent 'fpct'  value x 100, up to 1 decimal, "%"       0.502  -> "50.2%"
//   degree  'fdgr'  radians shown in degrees, up to 1       pi     -> "180°"
//                   decimal, "°"
//   integer 'flng'  the value rounded                       41.6   -> "42"
//
// Trailing zeros are trimmed and the decimal point is always a dot. Unknown
// units format as plain numbers.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace host
{

class NumberFormatter
{
public:
  static constexpr uint32_t kReal = 0x66726561;     // 'frea'
  static constexpr uint32_t kPercent = 0x66706374;  // 'fpct'
  static constexpr uint32_t kDegree = 0x66646772;   // 'fdgr'
  static constexpr uint32_t kInteger = 0x666C6E67;  // 'flng'

  static std::string Format(double value, uint32_t unit);
  static std::string Format(double value, uint32_t unit, int maxDecimals);

  // Reads a typed text back into the value the unit stands for (percent
  // 0..1, degrees as radians). The unit's sign may be given or left out, and
  // either a comma or a dot may mark the decimals. Nothing for any other text
  // or for a number that is not finite.
  static std::optional<double> Parse(std::string_view text, uint32_t unit);

  static int DefaultDecimals(uint32_t unit);
  // What the unit appends: "%", "°" or nothing.
  static std::string_view Sign(uint32_t unit);
};

}  // namespace host

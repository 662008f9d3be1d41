#pragma once
// The desktop portal's answer to a colour pick: the Response signal of a
// request object, (u response, a{sv} results) with results["color"] a
// (ddd). Anything else, or a colour that is not three finite numbers,
// reads as "ended another way": the bytes come from another program.
#include <dbus/dbus.h>

#include <array>
#include <cstdint>
#include <optional>

namespace host {

struct PortalAnswer {
  uint32_t response = 2;                       // 0 picked, 1 cancelled, 2 ended another way
  std::optional<std::array<double, 3>> color;  // with response 0 only
};

class PortalResponse {
 public:
  static constexpr uint32_t kPicked = 0;
  static constexpr uint32_t kOther = 2;

  static PortalAnswer Parse(DBusMessage* signal);

 private:
  static std::optional<std::array<double, 3>> FindColor(DBusMessageIter& results);
  static std::optional<std::array<double, 3>> ReadColor(DBusMessageIter& variant);
};

}  // namespace host

#pragma once
// Whether the session bus answers, asked with a bound. SDL's video start
// and the desktop portal talk to the bus and would wait for ever on one that
// takes connections but never answers; asked first, such a bus is named and
// left out instead.
#include <string>

namespace host {

class SessionBusProbe {
 public:
  static constexpr int kAnswerMs = 2000;
  // Empty when the bus answers within ms, or when no bus is named; else what
  // was waited for, for a message.
  static std::string Silent(int ms = kAnswerMs);
  // Points the bus address at nothing, so that everyone asking it later
  // fails at once.
  static void LeaveOut();

 private:
  // The first unix socket address of DBUS_SESSION_BUS_ADDRESS as a sockaddr
  // path (a leading NUL for an abstract one); empty when there is none.
  static std::string SocketPath(const std::string& address);
};

}  // namespace host

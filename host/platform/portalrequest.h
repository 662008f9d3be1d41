#pragma once
// One request to the desktop portal: a call that carries a handle_token
// option, answered at once with a request object, whose Response signal
// later brings the user's answer. The signal is watched before the call goes
// out (the answer may come at once) on the path the portal will choose, and
// counts only from the peer that took the call: anyone on the bus can send
// a signal on that path.
#include <dbus/dbus.h>

#include <string>

#include "platform/busmessage.h"

namespace host {

class PortalRequest {
 public:
  static constexpr const char* kService = "org.freedesktop.portal.Desktop";
  static constexpr const char* kObject = "/org/freedesktop/portal/desktop";

  // Keeps connection when it is still connected, else opens a private one
  // to the session bus (a bus that goes away then does not end the host);
  // false when there is none.
  static bool Connect(DBusConnection*& connection);
  static void Disconnect(DBusConnection*& connection);

  // connection stays the caller's and must outlive the request.
  PortalRequest(DBusConnection* connection, std::string token);
  ~PortalRequest();
  PortalRequest(PortalRequest&& other) noexcept;
  PortalRequest& operator=(PortalRequest&&) = delete;
  PortalRequest(const PortalRequest&) = delete;
  PortalRequest& operator=(const PortalRequest&) = delete;

  const std::string& Token() const { return token_; }
  // Sends call and waits up to ms for the request object; false with error
  // set (or, when the reply names no object, unset) when there is none.
  bool Send(DBusMessage* call, int ms, BusError& error);
  bool IsAnswer(DBusMessage* message) const;
  // Asks the portal to close its dialog; an answer that still comes is not ours.
  void Close();

 private:
  std::string PathFor(const std::string& token) const;
  bool Watch(const std::string& path, bool on);

  DBusConnection* connection_;
  std::string token_;
  std::string path_;      // the request object we predicted
  std::string returned_;  // the one the portal named, when different
  std::string portal_;    // the portal's unique bus name: only it may answer
  bool watching_ = false;
};

}  // namespace host

#pragma once
// A session bus of the test's own: dbus-daemon with a configuration that
// activates no services, so no real desktop portal can answer on it. The
// client library reads the bus address once per process, so the process
// keeps one bus; it ends with the process.
#include <sys/types.h>

#include <string>

#include "tempfolder.h"

class SessionBus {
 public:
  // Started on first use, with DBUS_SESSION_BUS_ADDRESS pointing at it.
  static SessionBus& Shared();
  ~SessionBus();
  SessionBus(const SessionBus&) = delete;
  SessionBus& operator=(const SessionBus&) = delete;

  bool Running() const { return !_address.empty(); }
  const std::string& Address() const { return _address; }
  // Why it is not running.
  const std::string& Problem() const { return _problem; }

 private:
  SessionBus();

  TempFolder _folder;
  pid_t _daemon = -1;
  std::string _address;
  std::string _problem;
};

#include "sessionbus.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {
const char* kConfig = R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";
}  // namespace

SessionBus& SessionBus::Shared() {
  static SessionBus bus;
  return bus;
}

SessionBus::SessionBus() {
  const std::filesystem::path config = _folder / "session.conf";
  TempFolder::WriteText(config, kConfig);
  int out[2];
  if (pipe(out) != 0) {
    _problem = "no pipe";
    return;
  }
  _daemon = fork();
  if (_daemon == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    const std::string configArg = "--config-file=" + config.string();
    execlp("dbus-daemon", "dbus-daemon", configArg.c_str(), "--nofork", "--nopidfile", "--print-address",
           static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  FILE* from = fdopen(out[0], "r");
  char line[512] = {};
  if (_daemon > 0 && from && fgets(line, sizeof line, from)) {
    _address = line;
    while (!_address.empty() && (_address.back() == '\n' || _address.back() == '\r')) _address.pop_back();
  }
  if (from) fclose(from);
  else close(out[0]);
  if (_address.empty()) _problem = "dbus-daemon did not start (scripts/setup.sh installs it)";
  else setenv("DBUS_SESSION_BUS_ADDRESS", _address.c_str(), 1);
}

SessionBus::~SessionBus() {
  if (_daemon <= 0) return;
  kill(_daemon, SIGTERM);
  waitpid(_daemon, nullptr, 0);
}

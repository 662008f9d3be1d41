// `view` on a session bus that takes connections but never answers: the
// window's start does not wait for it for ever, and says what it waited for.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>

#include "hostcommand.h"
#include "tempfolder.h"

namespace host {
namespace {

TEST(SilentSessionBus, ViewSaysWhatItWaitedForAndGoesOn) {
  TempFolder t;
  const std::string path = (t / "bus").string();
  const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  ASSERT_GE(listener, 0);
  sockaddr_un at{};
  at.sun_family = AF_UNIX;
  std::strncpy(at.sun_path, path.c_str(), sizeof at.sun_path - 1);
  ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&at), sizeof at), 0);
  ASSERT_EQ(::listen(listener, 8), 0);  // connections wait in the backlog; nobody ever answers

  const auto start = std::chrono::steady_clock::now();
  const CommandResult r = RunHostCommand(
      "view --module " + std::string(GXA_MODULE_PATH) + " --home " + t.Path().string(), HostStreams::OutAndErrors,
      "env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY=:93417 DBUS_SESSION_BUS_ADDRESS=unix:path=" + path);
  ::close(listener);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15));
  EXPECT_NE(r.out.find("gxa-host view: warning: the session bus at unix:path=" + path + " did not answer within 2 s"),
            std::string::npos)
      << r.out;
  // No display either: it ends as without one, status 2.
  EXPECT_EQ(r.status, 2) << r.out;
}

}  // namespace
}  // namespace host

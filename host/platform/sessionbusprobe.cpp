#include "platform/sessionbusprobe.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/uniquefd.h"

namespace host {

namespace {

constexpr const char* kVariable = "DBUS_SESSION_BUS_ADDRESS";

// The value of key=... in one address's comma-separated parameters.
std::string Parameter(const std::string& params, const std::string& key) {
  for (size_t at = 0; at <= params.size();) {
    size_t end = params.find(',', at);
    if (end == std::string::npos) end = params.size();
    const std::string pair = params.substr(at, end - at);
    if (pair.rfind(key + "=", 0) == 0) return pair.substr(key.size() + 1);
    at = end + 1;
  }
  return "";
}

bool WaitFor(int fd, short events, std::chrono::steady_clock::time_point until) {
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd p{fd, events, 0};
    const int n = ::poll(&p, 1, int(left.count()));
    if (n > 0) return true;
    if (n < 0 && errno != EINTR) return false;
  }
}

}  // namespace

std::string SessionBusProbe::SocketPath(const std::string& address) {
  for (size_t at = 0; at <= address.size();) {
    size_t end = address.find(';', at);
    if (end == std::string::npos) end = address.size();
    const std::string one = address.substr(at, end - at);
    at = end + 1;
    if (one.rfind("unix:", 0) != 0) continue;
    const std::string params = one.substr(5);
    if (std::string path = Parameter(params, "path"); !path.empty()) return path;
    if (std::string name = Parameter(params, "abstract"); !name.empty()) return std::string(1, '\0') + name;
  }
  return "";
}

std::string SessionBusProbe::Silent(int ms) {
  const char* address = std::getenv(kVariable);
  const std::string path = address ? SocketPath(address) : "";
  if (path.empty() || path.size() >= sizeof(sockaddr_un::sun_path)) return "";
  const UniqueFd s(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
  if (!s.IsOpen()) return "";
  sockaddr_un to{};
  to.sun_family = AF_UNIX;
  std::memcpy(to.sun_path, path.data(), path.size());
  const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + path.size() + (path[0] == '\0' ? 0 : 1));
  // A bus that is not there is found out at once by whoever asks it.
  if (::connect(s.Get(), reinterpret_cast<const sockaddr*>(&to), length) != 0 && errno != EINPROGRESS) return "";
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  const std::string what =
      "the session bus at " + std::string(address) + " did not answer within " + std::to_string(ms / 1000) + " s";
  if (!WaitFor(s.Get(), POLLOUT, until)) return what;
  // The start of the bus's own greeting: any answer to it will do.
  const std::string uid = std::to_string(::getuid());
  std::string hello(1, '\0');
  hello += "AUTH EXTERNAL ";
  for (char c : uid) {
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02x", unsigned(static_cast<unsigned char>(c)));
    hello += hex;
  }
  hello += "\r\n";
  if (::send(s.Get(), hello.data(), hello.size(), MSG_NOSIGNAL) != ssize_t(hello.size())) return "";
  if (!WaitFor(s.Get(), POLLIN, until)) return what;
  return "";
}

void SessionBusProbe::LeaveOut() { ::setenv(kVariable, "unix:path=/nonexistent/gxa-host-no-bus", 1); }

}  // namespace host

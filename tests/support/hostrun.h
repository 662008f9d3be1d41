#pragma once
// Runs the built gxa-host as a user would from a shell, and answers its exit
// status with what it printed.
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace gxa_test {

struct HostRun {
  int status = -1;
  std::string out;
};

// args goes to the shell as it is; standard error joins standard output
// when withErrors, else it is dropped.
inline HostRun RunHost(const std::string& args, bool withErrors = false) {
  const std::string command = std::string(GXA_HOST_EXE) + " " + args + (withErrors ? " 2>&1" : " 2>/dev/null");
  HostRun r;
  FILE* p = ::popen(command.c_str(), "r");
  if (!p) return r;
  std::array<char, 4096> buf{};
  size_t n = 0;
  while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
  const int status = ::pclose(p);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

}  // namespace gxa_test

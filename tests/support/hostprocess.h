#pragma once
// Runs the built gxa-host as a user would, from a shell command line.
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

#include "testpaths.h"

struct HostRun
{
  int status = -1;  // the exit status; -1 when killed by a signal
  std::string out;
};

// args follow the program name (shell syntax); standard error joins standard
// output when asked. Whatever happens, the host is stopped after 60 s.
inline HostRun RunHost(const std::string& args, bool withErrors = false)
{
  const std::string command =
      "timeout -s KILL 60 " + std::string(GXA_HOST_EXE) + " " + args + (withErrors ? " 2>&1" : " 2>/dev/null");
  HostRun r;
  FILE* p = ::popen(command.c_str(), "r");
  if (!p)
    return r;
  std::array<char, 4096> buf{};
  size_t n = 0;
  while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0)
    r.out.append(buf.data(), n);
  const int status = ::pclose(p);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  // timeout's own status for a host it had to kill.
  if (r.status == 137 || r.status == 124)
    r.status = -1;
  return r;
}

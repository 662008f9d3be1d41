#pragma once
// Runs the built gxa-host as a user would, from a shell command line.
#include <string>

#include "hostcommand.h"
#include "testpaths.h"

using HostRun = CommandResult;

// args follow the program name (shell syntax); standard error joins standard
// output when asked. Whatever happens, the host is stopped after 60 s.
inline HostRun RunHost(const std::string& args, bool withErrors = false)
{
  const std::string command =
      "timeout -s KILL 60 " + std::string(GXA_HOST_EXE) + " " + args + (withErrors ? " 2>&1" : " 2>/dev/null");
  HostRun r = RunShell(command);
  // timeout's own status for a host it had to kill.
  if (r.status == 137 || r.status == 124)
    r.status = -1;
  return r;
}

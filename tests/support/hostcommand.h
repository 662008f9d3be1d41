#pragma once
// Runs the built gxa-host from a shell with variables set before it, keeping
// standard output, standard error or both (hostprocess.h has the plain form).
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

struct CommandResult
{  // status -1: killed by a signal
  int status = -1;
  std::string out;
};

enum class HostStreams
{
  Out,
  OutAndErrors,
  Errors
};

// A shell command line's standard output and exit status.
inline CommandResult RunShell(const std::string& command)
{
  CommandResult r;
  FILE* p = ::popen(command.c_str(), "r");
  if (!p)
    return r;
  std::array<char, 4096> buf{};
  size_t n = 0;
  while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0)
    r.out.append(buf.data(), n);
  const int status = ::pclose(p);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

// env: assignments put before the command ("DISPLAY=:97").
inline CommandResult RunHostCommand(const std::string& args, HostStreams streams = HostStreams::Out,
                                    const std::string& env = "")
{
  const char* redirect = streams == HostStreams::Out            ? " 2>/dev/null"
                         : streams == HostStreams::OutAndErrors ? " 2>&1"
                                                                : " 2>&1 >/dev/null";
  const std::string command =
      env + (env.empty() ? "" : " ") + "timeout -s KILL 120 " + GXA_HOST_EXE + " " + args + redirect;
  return RunShell(command);
}

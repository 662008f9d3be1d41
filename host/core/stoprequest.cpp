#include "core/stoprequest.h"

#include <signal.h>

namespace host {

namespace {

volatile sig_atomic_t requested = 0;

void OnSignal(int) { requested = 1; }

}  // namespace

void StopRequest::Install() {
  struct sigaction action {};
  action.sa_handler = OnSignal;
  // The second signal finds the default again.
  action.sa_flags = SA_RESETHAND;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

bool StopRequest::Requested() { return requested != 0; }

}  // namespace host

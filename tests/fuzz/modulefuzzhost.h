#pragma once
// The module's swatch code and a host in one process: the module's
// framework reaches the host through the host's own table, as it would
// after action 1, without loading the library, so that a libFuzzer build
// sees the coverage of the code under test.
#include "core/host.h"
#include "hostaccess.h"

inline void EnsureModuleFuzzHost() {
  static std::unique_ptr<host::Host> h = [] {
    host::HostOptions o;
    o.persistent_preferences = false;
    auto made = host::Host::Create(o);
    if (!made) std::abort();
    SetHostTable(made.Value()->Table().Table());
    return std::move(made.Value());
  }();
}

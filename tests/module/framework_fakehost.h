#pragma once
// A host table with only the families a test fills in, installed for the
// test's lifetime. Lets framework code that reaches the host run in a unit
// test without the real host.
#include "gxa_api.h"
#include "hostaccess.h"

struct FakeHost
{
  GxaHostTable table{};

  FakeHost()
  {
    table.version = GXA_API_VERSION;
    table.size = sizeof table;
    SetHostTable(&table);
  }
  ~FakeHost() { SetHostTable(nullptr); }
  FakeHost(const FakeHost&) = delete;
  FakeHost& operator=(const FakeHost&) = delete;
};

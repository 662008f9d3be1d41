#pragma once
// A host without preference files and with an installation folder of its own,
// to drive the built module through a real dlopen.
#include <gtest/gtest.h>

#include "core/host.h"
#include "core/stringresources.h"
#include "tempfolder.h"

class EntryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto h = host::Host::Create(Options());
    ASSERT_TRUE(h) << h.Error();
    host_ = std::move(h.Value());
  }

  host::HostOptions Options() const {
    host::HostOptions o;
    o.persistent_preferences = false;
    o.host_folder = folder_.Path() / "install";
    return o;
  }

  const GxaHostTable* Table() { return host_->Table().Table(); }
  host::Registry& Reg() { return host_->Registrations(); }

  // The strings the build copied beside the module.
  static host::StringResources ModuleStrings() {
    auto res = host::StringResources::Open(std::filesystem::path(GXA_MODULE_PATH).parent_path() / "res");
    EXPECT_TRUE(res) << res.Error();
    return res ? std::move(res.Value()) : host::StringResources();
  }

  TempFolder folder_;
  std::unique_ptr<host::Host> host_;
};

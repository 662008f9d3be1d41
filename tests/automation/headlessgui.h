#pragma once
// A host without a module and a headless screen, for tests of host-side
// pieces that talk to the GUI through the same tables a module uses.
#include <gtest/gtest.h>

#include <memory>

#include "automation/inputdriver.h"
#include "core/host.h"
#include "gui/gui.h"
#include "gui/guifamilies.h"
#include "gui/headlessfrontend.h"

class HeadlessGui {
 public:
  HeadlessGui() {
    host::HostOptions options;
    options.persistent_preferences = false;
    auto created = host::Host::Create(options);
    EXPECT_TRUE(created.Ok()) << created.Error();
    host_ = std::move(created.Value());
    host::GuiFamilies::Install(*host_);
    auto frontend = std::make_unique<host::HeadlessFrontend>(host::Size{320, 0});
    frontend_ = frontend.get();
    host::Gui::Get().SetFrontend(std::move(frontend));
    input_ = std::make_unique<host::InputDriver>(Screen(), *frontend_);
  }
  ~HeadlessGui() {
    input_.reset();
    host::Gui::Shutdown();
    host_.reset();
  }

  host::Host& Host() { return *host_; }
  host::Screen& Screen() { return host::Gui::Get().GetScreen(); }
  host::InputDriver& Input() { return *input_; }

 private:
  std::unique_ptr<host::Host> host_;
  host::HeadlessFrontend* frontend_ = nullptr;
  std::unique_ptr<host::InputDriver> input_;
};

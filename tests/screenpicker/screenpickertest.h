#pragma once
// Choosers on the host's page with the screen picker on a virtual desktop:
// monitors and pixels set by the test, pointer and keys injected.
#include <memory>

#include "chooserpagetest.h"
#include "platform/platformfamily.h"
#include "platform/virtualdesktop.h"

namespace choosertest {
class ScreenPickerTest : public ChooserPageTest {
 protected:
  void SetUp() override {
    auto desktop = std::make_unique<host::VirtualDesktop>();
    _desktop = desktop.get();
    host::PlatformFamily::Use(std::move(desktop));
  }

  void TearDown() override {
    ChooserPageTest::TearDown();
    host::PlatformFamily::Use(nullptr);
  }

  host::VirtualDesktop& Desktop() { return *_desktop; }

  // One monitor of 200 x 100 at the origin, filled with fill.
  void OneMonitor(host::Rgba fill = {0, 0, 0, 255}) {
    Desktop().AddMonitor({{0, 0, 200, 100}});
    Desktop().Fill({0, 0, 200, 100}, fill);
  }

  // A plain chooser "c" with nothing but its colour row.
  void OpenPlain(double r, double g, double b, bool linear = false) {
    Start();
    Open("c", Settings(1, kAllNineHidden), Plain(r, g, b), linear);
  }

  bool Picking() const { return !_desktop->Windows().empty(); }

  // What the chooser hands the host now: while hovering, the previewed colour.
  host::Vector3 Current(const std::string& key = "c") { return Data(key).color; }

  // The colour of the last action message key's chooser sent its parent.
  host::Vector3 LastSent(const std::string& key = "c") {
    const auto sent = Sent(key);
    if (sent.empty()) return {-1, -1, -1};
    const host::Value* value = sent.back().Find(kMessageValue);
    return value ? value->AsVector().value_or(host::Vector3{-1, -1, -1}) : host::Vector3{-1, -1, -1};
  }

 private:
  host::VirtualDesktop* _desktop = nullptr;
};
}  // namespace choosertest

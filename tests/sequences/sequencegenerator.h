#pragma once
// Random sessions of use, one step at a time. A seed decides the page (two
// or three choosers of different kinds and the world preferences they start
// with); every next step is drawn from what a user can reach on the page as
// it is now: the visible gadgets of each chooser, the menu entries seen so
// far, a screen pick under way. Steps are scenario steps (JSON), so a
// session can be written out and played again.
#include <cstdint>
#include <deque>
#include <random>
#include <string>
#include <vector>

#include "automation/automationhost.h"
#include "automation/gadgetlist.h"
#include "automation/transcriptjson.h"

namespace sequences {

class SequenceGenerator {
 public:
  explicit SequenceGenerator(uint64_t seed);

  // The world preferences the page starts with.
  host::OrderedJson Prefs();
  // The steps that open the page's choosers.
  std::vector<host::OrderedJson> Opens();
  // The next step for the page as it is now.
  host::OrderedJson Next(host::AutomationHost& host);
  // Entries of a menu that came up become answers later steps may give.
  void SeeMenu(const host::OrderedJson& entries);

 private:
  using Gadgets = std::vector<host::GadgetEntry>;

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  bool Chance(int percent) { return Below(100) < percent; }
  double Unit() { return Below(1001) / 1000.0; }
  int32_t Qualifiers();
  template <typename T>
  const T& Any(const std::vector<T>& v) {
    return v[size_t(Below(int(v.size())))];
  }

  Gadgets Visible(host::AutomationHost& host, const std::string& chooser, bool (*fits)(const host::GadgetEntry&));
  host::OrderedJson Point(const host::GadgetEntry& g, int overshoot = 0);
  host::OrderedJson Target(const std::string& chooser, const host::GadgetEntry& g);

  host::OrderedJson ModeButton(host::AutomationHost& host, const std::string& chooser);
  host::OrderedJson Click(host::AutomationHost& host, const std::string& chooser);
  host::OrderedJson Drag(host::AutomationHost& host, const std::string& chooser);
  host::OrderedJson DragAcross(host::AutomationHost& host, const std::string& chooser);
  host::OrderedJson Type(host::AutomationHost& host, const std::string& chooser);
  host::OrderedJson Key(host::AutomationHost& host, const std::string& chooser);
  host::OrderedJson Wheel(host::AutomationHost& host, const std::string& chooser);
  host::OrderedJson Answer();
  host::OrderedJson Pick();
  host::OrderedJson PrefsChange();
  // Copy, paste, or another program's text on the clipboard.
  host::OrderedJson Clipboard(const std::string& chooser);
  host::OrderedJson SetValue(const std::string& chooser);
  std::string Text(bool hex);

  std::mt19937_64 rng_;
  std::vector<std::string> choosers_;
  std::vector<int32_t> menuIds_;
};

}  // namespace sequences

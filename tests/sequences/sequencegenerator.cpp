#include "sequencegenerator.h"

#include <algorithm>
#include <cstdio>

#include "automation/entrykey.h"
#include "automation/scenariorunner.h"
#include "gui/dialog.h"
#include "gui/widget.h"
#include "sequencerules.h"

namespace sequences {

namespace {

using host::GadgetEntry;
using host::OrderedJson;

constexpr int32_t kModeButtonRow = 0x3E8000C;
constexpr int32_t kPickerButton = 0x3E90009;
// A picture of six colour blocks beside the kept scenarios, which play there.
constexpr const char* kPicture = "tiles.png";

// The kinds of chooser a page may show, by the settings that make them.
struct Kind {
  const char* key;
  const char* settings;
};
constexpr Kind kKinds[] = {{"plain", "{}"}, {"alpha", R"({"acol": 1})"}, {"light", R"({"retT": 2})"}};

bool Pressable(const GadgetEntry& g) { return g.kind != "Group" && g.frame.w > 0 && g.frame.h > 0; }
bool UserArea(const GadgetEntry& g) { return g.kind == "UserAreaWidget" && Pressable(g); }
bool TextField(const GadgetEntry& g) {
  return (g.kind == "NumberField" || g.kind == "EditText" || g.kind == "FileNameField") && Pressable(g);
}

const char* const kKeys[] = {"Up",  "Down",      "Left",   "Right",  "PageUp", "PageDown", "Home",
                             "End", "Backspace", "Delete", "Escape", "Enter",  "Tab",      "Space",
                             "N",   "G",         "1",      "A",      "C",      "V"};

// What other programs leave on the clipboard: colours in every form, and text that is none.
const char* const kClipboardTexts[] = {"#3366cc",
                                       "#F80",
                                       "#11223380",
                                       "rgb(10%, 50%, 90%)",
                                       "rgb(255 128 0 / 0.5)",
                                       "hsl(200 60% 40%)",
                                       "RebeccaPurple",
                                       "0.2 0.4 0.6",
                                       "banana",
                                       "#12345",
                                       "",
                                       "rgb(1e999, 0, 0)"};

}  // namespace

SequenceGenerator::SequenceGenerator(uint64_t seed) : rng_(seed) {}

int32_t SequenceGenerator::Qualifiers() {
  const int r = Below(10);
  return r < 6 ? 0 : r < 8 ? 1 : r < 9 ? 2 : 4;
}

OrderedJson SequenceGenerator::Prefs() {
  OrderedJson prefs = OrderedJson::object();
  prefs["1119"] = Below(4);
  for (const char* mode : {"1110", "1111", "1113", "1114", "1115", "1116", "1133"}) prefs[mode] = Chance(40);
  prefs["1124"] = Chance(10);
  prefs["1102"] = Below(3);
  prefs["1134"] = Below(2);
  prefs["1129"] = Chance(30);
  prefs["1039500"] = Chance(30);
  return prefs;
}

std::vector<OrderedJson> SequenceGenerator::Opens() {
  std::vector<Kind> kinds(std::begin(kKinds), std::end(kKinds));
  std::shuffle(kinds.begin(), kinds.end(), rng_);
  kinds.resize(size_t(2 + Below(2)));
  std::vector<OrderedJson> opens;
  for (const Kind& k : kinds) {
    choosers_.push_back(k.key);
    OrderedJson open = {{"do", "open"}, {"id", k.key}, {"settings", OrderedJson::parse(k.settings)}};
    open["value"] = SetValue(k.key)["value"];
    opens.push_back(open);
  }
  return opens;
}

void SequenceGenerator::SeeMenu(const OrderedJson& entries) {
  for (const OrderedJson& e : entries) {
    const int32_t id = e.value("id", 0);
    const std::string text = e.value("text", "");
    if (id == 0 || text.find("&d&") != std::string::npos) continue;
    if (std::find(menuIds_.begin(), menuIds_.end(), id) == menuIds_.end()) menuIds_.push_back(id);
  }
}

SequenceGenerator::Gadgets SequenceGenerator::Visible(host::AutomationHost& host, const std::string& chooser,
                                                      bool (*fits)(const GadgetEntry&)) {
  Gadgets out;
  host::Dialog* dialog = host.Chooser(chooser);
  if (!dialog) return out;
  for (GadgetEntry g : host::GadgetList::Of(*dialog)) {
    const host::Widget* w = host.FindGadget(chooser, g.id);
    if (!w) continue;
    // Where a press reaches it: the part a scroll group shows, local to the gadget.
    const host::Rect v = w->VisibleFrame();
    g.frame = {v.x - w->Frame().x, v.y - w->Frame().y, v.w, v.h};
    if (g.shown && fits(g)) out.push_back(g);
  }
  return out;
}

OrderedJson SequenceGenerator::Point(const GadgetEntry& g, int overshoot) {
  return OrderedJson::array({g.frame.x + Below(g.frame.w + 2 * overshoot) - overshoot, g.frame.y + Below(g.frame.h)});
}

OrderedJson SequenceGenerator::Target(const std::string& chooser, const GadgetEntry& g) {
  return {{"id", chooser}, {"gadget", host::EntryKey::Format(g.id)}};
}

OrderedJson SequenceGenerator::Next(host::AutomationHost& host) {
  // The picker's windows cover the screen until it ends.
  if (SequenceRules::PickUnderWay()) return Pick();
  const std::string chooser = Any(choosers_);
  const int r = Below(100);
  OrderedJson step;
  if (r < 22) step = ModeButton(host, chooser);
  else if (r < 44) step = Click(host, chooser);
  else if (r < 55) step = Drag(host, chooser);
  else if (r < 60) step = DragAcross(host, chooser);
  else if (r < 68) step = Type(host, chooser);
  else if (r < 73) step = Key(host, chooser);
  else if (r < 78) step = Answer();
  else if (r < 81) step = Wheel(host, chooser);
  else if (r < 89) step = Pick();
  else if (r < 93) step = PrefsChange();
  else if (r < 95) step = {{"do", "reload"}};
  else if (r < 97) step = Clipboard(chooser);
  else step = SetValue(chooser);
  if (step.is_null()) step = Click(host, chooser);
  if (step.is_null()) step = PrefsChange();
  return step;
}

OrderedJson SequenceGenerator::ModeButton(host::AutomationHost& host, const std::string& chooser) {
  const Gadgets rows = Visible(host, chooser, [](const GadgetEntry& g) { return g.id == kModeButtonRow; });
  if (rows.empty()) return nullptr;
  const GadgetEntry& row = rows.front();
  const int32_t qualifiers = std::vector<int32_t>{0, 0, 1, 1, 2}[size_t(Below(5))];
  OrderedJson step = {{"do", "click"}};
  step.update(Target(chooser, row));
  step["x"] = row.frame.x + Below(row.frame.w);
  step["y"] = row.frame.y + row.frame.h / 2;
  if (qualifiers) step["qualifiers"] = qualifiers;
  if (Chance(10)) {
    // Held down across the row: every toggle passed takes the first one's state.
    step["do"] = "drag";
    step["path"] = {{step["x"], step["y"]}, {row.frame.x + Below(row.frame.w), step["y"]}};
    step.erase("x");
    step.erase("y");
  }
  return step;
}

OrderedJson SequenceGenerator::Click(host::AutomationHost& host, const std::string& chooser) {
  const Gadgets all = Visible(host, chooser, Pressable);
  if (all.empty()) return nullptr;
  auto picker = std::find_if(all.begin(), all.end(), [](const GadgetEntry& g) { return g.id == kPickerButton; });
  const GadgetEntry& g = picker != all.end() && Chance(15) ? *picker : Any(all);
  OrderedJson step = {{"do", "click"}};
  step.update(Target(chooser, g));
  const OrderedJson at = Point(g);
  step["x"] = at[0];
  step["y"] = at[1];
  if (Chance(20)) step["channel"] = 2;
  if (const int32_t q = Qualifiers()) step["qualifiers"] = q;
  if (Chance(12)) step["double"] = true;
  return step;
}

OrderedJson SequenceGenerator::Drag(host::AutomationHost& host, const std::string& chooser) {
  const Gadgets areas = Visible(host, chooser, UserArea);
  if (areas.empty()) return nullptr;
  const GadgetEntry& g = Any(areas);
  OrderedJson step = {{"do", "drag"}};
  step.update(Target(chooser, g));
  OrderedJson path = OrderedJson::array();
  for (int i = 0, n = 2 + Below(4); i < n; ++i) path.push_back(Point(g, 30));
  step["path"] = path;
  if (const int32_t q = Qualifiers()) step["qualifiers"] = q;
  if (Chance(8)) step["channel"] = 2;
  if (Chance(15)) step["cancel"] = true;
  return step;
}

OrderedJson SequenceGenerator::DragAcross(host::AutomationHost& host, const std::string& chooser) {
  std::vector<std::string> others;
  for (const std::string& c : choosers_) {
    if (c != chooser) others.push_back(c);
  }
  const std::string other = Any(others);
  const Gadgets from = Visible(host, chooser, UserArea);
  const Gadgets to = Visible(host, other, Pressable);
  if (from.empty() || to.empty()) return nullptr;
  const GadgetEntry& g = Any(from);
  const GadgetEntry& t = Any(to);
  OrderedJson step = {{"do", "drag"}};
  step.update(Target(chooser, g));
  step["path"] = {Point(g)};
  OrderedJson onto = Target(other, t);
  const OrderedJson at = Point(t);
  onto["x"] = at[0];
  onto["y"] = at[1];
  step["onto"] = onto;
  return step;
}

OrderedJson SequenceGenerator::Wheel(host::AutomationHost& host, const std::string& chooser) {
  const Gadgets areas = Visible(host, chooser, UserArea);
  if (areas.empty()) return nullptr;
  const GadgetEntry& g = Any(areas);
  OrderedJson step = {{"do", "wheel"}};
  step.update(Target(chooser, g));
  const OrderedJson at = Point(g);
  step["x"] = at[0];
  step["y"] = at[1];
  step["dy"] = Below(7) - 3 == 0 ? 1 : Below(7) - 3;
  if (const int32_t q = Qualifiers()) step["qualifiers"] = q;
  return step;
}

std::string SequenceGenerator::Text(bool hex) {
  static const char* const kWrong[] = {"", "abc", "-7", "1e9", "99999", "1,5", "#GG00ZZ", "12ab", " 42 ", "%", "0x"};
  if (Chance(30)) return kWrong[Below(int(std::size(kWrong)))];
  char buffer[32];
  if (hex) {
    const char* const kForms[] = {"%06X", "#%06x", "0x%06X", "%03X"};
    std::snprintf(buffer, sizeof buffer, kForms[Below(4)], unsigned(Below(0x1000000)));
  } else if (Chance(50)) {
    std::snprintf(buffer, sizeof buffer, "%d", Below(400));
  } else {
    std::snprintf(buffer, sizeof buffer, "%.1f", Below(10000) / 10.0);
  }
  return buffer;
}

OrderedJson SequenceGenerator::Type(host::AutomationHost& host, const std::string& chooser) {
  const Gadgets fields = Visible(host, chooser, TextField);
  if (fields.empty()) return nullptr;
  const GadgetEntry& g = Any(fields);
  OrderedJson step = {{"do", "type"}};
  step.update(Target(chooser, g));
  step["text"] = g.kind == "FileNameField" && Chance(70) ? kPicture : Text(g.kind == "EditText");
  const int commit = Below(10);
  if (commit == 8) step["commit"] = "tab";
  else if (commit == 9) step["commit"] = "none";
  return step;
}

OrderedJson SequenceGenerator::Key(host::AutomationHost& host, const std::string& chooser) {
  OrderedJson step = {{"do", "key"}, {"id", chooser}, {"key", kKeys[Below(int(std::size(kKeys)))]}};
  const Gadgets all = Visible(host, chooser, Pressable);
  if (!all.empty() && Chance(70)) step["gadget"] = host::EntryKey::Format(Any(all).id);
  if (const int32_t q = Qualifiers()) step["qualifiers"] = q;
  return step;
}

OrderedJson SequenceGenerator::Answer() {
  const int r = Below(10);
  if (r < 5 && !menuIds_.empty()) return {{"do", "answer"}, {"menu", Any(menuIds_)}};
  if (r < 6) return {{"do", "answer"}, {"menu", nullptr}};
  if (r < 7) return {{"do", "answer"}, {"color", {Unit(), Unit(), Unit(), Unit()}}};
  if (r < 8) return {{"do", "answer"}, {"yes", Chance(50)}};
  OrderedJson step = {{"do", "answer"}, {"text", Text(false)}};
  if (Chance(50)) step["check"] = Chance(50);
  return step;
}

OrderedJson SequenceGenerator::Pick() {
  const int size = host::ScenarioRunner::kDesktopSize;
  OrderedJson step = {{"do", "pick"}, {"x", Below(size)}, {"y", Below(size)}};
  if (Chance(30)) step["cancel"] = true;
  return step;
}

OrderedJson SequenceGenerator::PrefsChange() {
  struct Choice {
    const char* id;
    int values;  // 0: a boolean
  };
  static const Choice kChoices[] = {{"1102", 3}, {"1134", 2}, {"1118", 3},    {"1120", 3},   {"1122", 3},
                                    {"1117", 0}, {"1112", 0}, {"1039500", 0}, {"1039510", 4}};
  const Choice& c = kChoices[Below(int(std::size(kChoices)))];
  OrderedJson set = OrderedJson::object();
  if (c.values) set[c.id] = Below(c.values);
  else set[c.id] = Chance(50);
  return {{"do", "prefs"}, {"set", set}};
}

OrderedJson SequenceGenerator::Clipboard(const std::string& chooser) {
  const int r = Below(10);
  if (r < 4) return {{"do", "copy"}, {"id", chooser}};
  if (r < 8) return {{"do", "paste"}, {"id", chooser}};
  return {{"do", "clipboard"}, {"set", kClipboardTexts[Below(int(std::size(kClipboardTexts)))]}};
}

OrderedJson SequenceGenerator::SetValue(const std::string& chooser) {
  OrderedJson color = {Unit(), Unit(), Unit()};
  OrderedJson value = color;
  if (chooser == "alpha") value.push_back(Unit());
  if (chooser == "light") {
    const double max = 1.0 + Below(3) * 0.5;
    value = {{"color", color}, {"brightness", Unit() * max}, {"max", max}};
  }
  return {{"do", "set"}, {"id", chooser}, {"value", value}};
}

}  // namespace sequences

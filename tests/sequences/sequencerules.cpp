#include "sequencerules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

#include "automation/entrykey.h"
#include "automation/scenariorunner.h"
#include "colorscience/oklab.h"
#include "gui/dialog.h"
#include "gui/screen.h"
#include "gui/widget.h"
#include "gui/widgetkind.h"
#include "platform/platformfamily.h"
#include "platform/virtualdesktop.h"
#include "raster/framebuffer.h"

namespace sequences {

namespace {

using host::ColorValue;
using host::OrderedJson;

constexpr int32_t kColorFieldId = 0x3E80002;
constexpr int32_t kBrightnessField = 0x3E80006;
constexpr int32_t kRgbFields[] = {0x3ED0001, 0x3ED0002, 0x3ED0003};
constexpr int32_t kHsvFields[] = {0x3EE0001, 0x3EE0002, 0x3EE0003};
constexpr int32_t kAlphaField = 0x3F30001;
constexpr int32_t kHexField = 0x3F40001;
constexpr int32_t kOklchLightness = 0x3F50001;
constexpr int32_t kShowTransparency = 0x3E8000B;
constexpr int32_t kModeButtonRow = 0x3E8000C;
constexpr double kTwoPi = 6.283185307179586;

std::string Hex(int32_t id) { return host::EntryKey::Format(id); }

std::optional<ColorValue> ValueOf(host::AutomationHost& host, const std::string& key) {
  const host::ColorParameter* p = host.Parameter(key);
  const auto data = host.GetData(key);
  if (!p || !data) return std::nullopt;
  const bool alpha = p->Form() == host::ColorForm::ColorAlpha;
  auto value = ColorValue::FromHost(data->value, alpha ? host::ColorForm::ColorAlpha : host::ColorForm::Vector);
  if (value && p->Form() == host::ColorForm::Brightness) {
    value->brightness = p->Shown().brightness;
    value->maximum = p->Shown().maximum;
  }
  return value;
}

std::array<double, 3> HsvToRgb(double h, double s, double v) {
  const double f = std::fmod(h, 1.0) * 6.0;
  const int sector = int(f) % 6;
  const double t = f - std::floor(f);
  const double p = v * (1 - s), q = v * (1 - s * t), u = v * (1 - s * (1 - t));
  switch (sector) {
    case 0: return {v, u, p};
    case 1: return {q, v, p};
    case 2: return {p, v, u};
    case 3: return {p, q, v};
    case 4: return {u, p, v};
    default: return {v, p, q};
  }
}

std::string Rgb(const host::Vector3& c) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "(%.4f, %.4f, %.4f)", c.x, c.y, c.z);
  return buffer;
}

bool Same(const ColorValue& a, const ColorValue& b) {
  constexpr double kExact = 1e-9;
  return std::abs(a.color.x - b.color.x) < kExact && std::abs(a.color.y - b.color.y) < kExact &&
         std::abs(a.color.z - b.color.z) < kExact && std::abs(a.alpha - b.alpha) < kExact &&
         std::abs(a.brightness - b.brightness) < kExact;
}

}  // namespace

bool SequenceRules::PickUnderWay() {
  auto* desktop = dynamic_cast<host::VirtualDesktop*>(host::PlatformFamily::Current());
  return desktop && !desktop->Windows().empty();
}

namespace {

// The choosers a step acts on. Mode buttons and preferences change what a
// chooser shows, never its value.
std::set<std::string> Touched(const OrderedJson& step) {
  std::set<std::string> out;
  const std::string kind = step.value("do", "");
  if (kind == "prefs" || (step.value("gadget", "") == Hex(kModeButtonRow) && (kind == "click" || kind == "drag")))
    return out;
  if (step.contains("id")) out.insert(step["id"].is_string() ? step["id"].get<std::string>() : step["id"].dump());
  if (step.contains("onto")) out.insert(step["onto"].value("id", ""));
  return out;
}

// Every gadget with an ID below w, w included.
void Walk(const host::Widget& w, std::vector<const host::Widget*>& out) {
  if (w.Id() != 0) out.push_back(&w);
  for (size_t i = 0; i < w.ChildCount(); ++i) Walk(*w.ChildAt(i), out);
}

// The chooser holding the focused gadget: text left in a field of it is
// committed when the focus moves, whatever the step.
std::string Focused(host::AutomationHost& host) {
  const host::Widget* focus = host.GetScreen().Router().Focus();
  for (const auto& p : host.Page().Parameters()) {
    host::Dialog* chooser = host.Chooser(p->Key());
    for (const host::Widget* w = focus; chooser && w; w = w->Parent()) {
      if (w == &chooser->Root()) return p->Key();
    }
  }
  return {};
}

}  // namespace

void SequenceRules::Before(host::AutomationHost& host, const OrderedJson&) {
  before_.clear();
  focused_ = Focused(host);
  for (const auto& p : host.Page().Parameters()) {
    if (auto v = ValueOf(host, p->Key())) before_[p->Key()] = *v;
  }
  pickedBefore_ = PickUnderWay();
  if (!pickedBefore_) picking_.clear();
}

std::vector<Broken> SequenceRules::After(host::AutomationHost& host, const OrderedJson& step, size_t firstMessage) {
  std::vector<Broken> out;
  auto note = [&out](std::optional<Broken> b) {
    if (b) out.push_back(std::move(*b));
  };
  note(Values(host, step));
  note(LiveChanges(host, firstMessage));
  for (const auto& p : host.Page().Parameters()) {
    note(Gadgets(host, p->Key()));
    note(Fields(host, p->Key()));
    note(Field(host, p->Key()));
  }
  return out;
}

std::optional<Broken> SequenceRules::Values(host::AutomationHost& host, const OrderedJson& step) {
  const std::string kind = step.value("do", "");
  std::set<std::string> touched = Touched(step);
  // A pick started by this step belongs to the chooser it acted on.
  if (!pickedBefore_ && PickUnderWay() && touched.size() == 1) picking_ = *touched.begin();
  if (kind == "pick" || pickedBefore_) touched.insert(picking_);
  touched.insert(focused_);
  for (const auto& [key, before] : before_) {
    const auto now = ValueOf(host, key);
    if (!now) return Broken{kUntouchedKept, "chooser '" + key + "' answers no value"};
    if (kind == "reload" && !pickedBefore_ && !Same(before, *now))
      return Broken{kReloadKeeps,
                    "chooser '" + key + "' had " + Rgb(before.color) + ", after the reload " + Rgb(now->color)};
    if (!touched.count(key) && !Same(before, *now))
      return Broken{kUntouchedKept, "chooser '" + key + "' went from " + Rgb(before.color) + " to " + Rgb(now->color) +
                                        " though the step did not act on its value"};
  }
  return std::nullopt;
}

std::optional<Broken> SequenceRules::LiveChanges(host::AutomationHost& host, size_t firstMessage) {
  constexpr int32_t kDrag = 0x6D656472;  // 'medr'
  std::map<std::string, int32_t> last;
  const auto& messages = host.ParentMessages();
  for (size_t i = firstMessage; i < messages.size(); ++i) {
    if (messages[i].message.Find(kDrag)) last[messages[i].key] = messages[i].message.GetInt32(kDrag);
  }
  for (const auto& [key, drag] : last) {
    if (drag != 0) return Broken{kLiveChangeEnds, "chooser '" + key + "' sent 'medr' 1 last, never 0 after it"};
  }
  return std::nullopt;
}

std::optional<Broken> SequenceRules::Gadgets(host::AutomationHost& host, const std::string& key) {
  host::Dialog* chooser = host.Chooser(key);
  if (!chooser) return std::nullopt;
  std::vector<const host::Widget*> all;
  Walk(chooser->Root(), all);
  const host::Rect root = chooser->Root().Frame();
  std::set<int32_t> seen;
  for (const host::Widget* w : all) {
    if (!seen.insert(w->Id()).second)
      return Broken{kUniqueIds, "chooser '" + key + "' has gadget " + Hex(w->Id()) + " twice"};
    const std::string kind = host::WidgetKind::Of(*w);
    if (!w->IsShown() || kind == "Group") continue;
    // A scroll group shows part of what it holds: the part shown counts.
    const host::Rect& f = w->Frame();
    const host::Rect v = w->VisibleFrame();
    const bool inside =
        v.IsEmpty() || (v.x >= root.x && v.y >= root.y && v.Right() <= root.Right() && v.Bottom() <= root.Bottom());
    if (f.w <= 0 || f.h <= 0 || !inside)
      return Broken{kInside, "chooser '" + key + "' (" + std::to_string(root.w) + "x" + std::to_string(root.h) +
                                 ") shows " + Hex(w->Id()) + " " + kind + " at " + std::to_string(f.x - root.x) + "," +
                                 std::to_string(f.y - root.y) + " " + std::to_string(f.w) + "x" + std::to_string(f.h)};
  }
  return std::nullopt;
}

std::optional<Broken> SequenceRules::Fields(host::AutomationHost& host, const std::string& key) {
  const auto value = ValueOf(host, key);
  if (!value) return std::nullopt;
  auto shown = [&](int32_t id) -> host::Widget* {
    host::Widget* w = host.FindGadget(key, id);
    return w && w->IsShown() ? w : nullptr;
  };
  auto broken = [&](int32_t id, const std::string& what) {
    host::Widget* w = shown(id);
    return Broken{kFieldsAgree, "chooser '" + key + "' has " + Rgb(value->color) + ", field " + Hex(id) + " shows \"" +
                                    w->Text().value_or("") + "\" " + what};
  };
  for (int32_t id : {kRgbFields[0], kRgbFields[1], kRgbFields[2], kHsvFields[0], kHsvFields[1], kHsvFields[2],
                     kHexField, kAlphaField}) {
    if (host::Widget* w = shown(id); w && w->Text().value_or("").empty())
      return Broken{kNoEmptyText, "chooser '" + key + "' shows field " + Hex(id) + " empty"};
  }
  const int32_t unit = host.Prefs().GetInt32(1102, 1);
  const double maximum = unit == 0 ? 1.0 : unit == 2 ? 65535.0 : 255.0;
  const double rgb[3] = {value->color.x, value->color.y, value->color.z};
  for (int i = 0; i < 3; ++i) {
    host::Widget* w = shown(kRgbFields[i]);
    if (!w || !w->Number()) continue;
    if (std::abs(*w->Number() / maximum - rgb[i]) > 0.5 / maximum + 1e-6) return broken(kRgbFields[i], "");
  }
  host::Widget* hue = shown(kHsvFields[0]);
  host::Widget* saturation = shown(kHsvFields[1]);
  host::Widget* brightness = shown(kHsvFields[2]);
  if (hue && saturation && brightness && hue->Number() && saturation->Number() && brightness->Number()) {
    const auto c = HsvToRgb(*hue->Number() / kTwoPi, *saturation->Number(), *brightness->Number());
    for (int i = 0; i < 3; ++i) {
      if (std::abs(c[i] - rgb[i]) > 1e-3) return broken(kHsvFields[0], "with the other HSV fields");
    }
  }
  // The OKLCh panel's lightness, shown to three places.
  if (host::Widget* l = shown(kOklchLightness); l && l->Number()) {
    const double lightness = colorscience::OkLab::FromSrgb({rgb[0], rgb[1], rgb[2]}).l;
    if (std::abs(*l->Number() - lightness) > 0.0005 + 1e-6)
      return broken(kOklchLightness, "for OKLab lightness " + std::to_string(lightness));
  }
  if (host::Widget* a = shown(kAlphaField); a && a->Number() && std::abs(*a->Number() - value->alpha) > 1e-3)
    return broken(kAlphaField, "for alpha " + std::to_string(value->alpha));
  if (host::Widget* b = shown(kBrightnessField); b && b->Number() && std::abs(*b->Number() - value->brightness) > 1e-3)
    return broken(kBrightnessField, "for brightness " + std::to_string(value->brightness));
  return std::nullopt;
}

std::optional<Broken> SequenceRules::Field(host::AutomationHost& host, const std::string& key) {
  const auto value = ValueOf(host, key);
  host::Widget* field = host.FindGadget(key, kColorFieldId);
  if (!value || !field || !field->IsShown()) return std::nullopt;
  const auto state = host.State(key);
  const bool transparency =
      host.Parameter(key)->Form() == host::ColorForm::ColorAlpha && state && state->GetBool(kShowTransparency, true);
  if (transparency && value->alpha < 1.0) return std::nullopt;
  // Straight from the screen: a copy of it for every step would cost more than the step.
  host.GetScreen().Render();
  const host::Framebuffer& screen = host.GetScreen().Frame();
  const host::Rect f = field->GlobalFrame();
  if (f.h < 3) return std::nullopt;
  const host::Rgba p = screen.GetPixel((f.x + 2) * screen.Scale(), (f.y + f.h / 2) * screen.Scale());
  const double scale = host.Parameter(key)->Form() == host::ColorForm::Brightness ? value->brightness : 1.0;
  const double want[3] = {std::clamp(value->color.x * scale, 0.0, 1.0), std::clamp(value->color.y * scale, 0.0, 1.0),
                          std::clamp(value->color.z * scale, 0.0, 1.0)};
  const double got[3] = {p.r / 255.0, p.g / 255.0, p.b / 255.0};
  for (int i = 0; i < 3; ++i) {
    if (std::abs(want[i] - got[i]) > 2.5 / 255.0)
      return Broken{kColorField, "chooser '" + key + "' has " + Rgb(value->color) + ", its field shows " +
                                     Rgb({got[0], got[1], got[2]})};
  }
  return std::nullopt;
}

}  // namespace sequences

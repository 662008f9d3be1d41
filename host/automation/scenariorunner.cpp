#include "automation/scenariorunner.h"

#include "automation/colorvaluejson.h"
#include "automation/entrykey.h"
#include "automation/gadgetlist.h"
#include "core/stoprequest.h"
#include "gui/dialog.h"
#include "gui/gui.h"
#include "gui/hostclipboard.h"
#include "gui/textfield.h"
#include "gui/widget.h"
#include "page/choosercolortext.h"
#include "platform/platformfamily.h"
#include "platform/virtualdesktop.h"

namespace host {

namespace {

using R = Outcome<Done>;

std::string GadgetName(const GadgetTarget& t) {
  return t.gadget ? "gadget " + EntryKey::Format(*t.gadget) : "the chooser's gadget";
}

}  // namespace

std::string ScenarioRunner::NearMatches(const GadgetTarget& target) {
  constexpr size_t kShown = 4;
  Dialog* chooser = host_.Chooser(target.chooser);
  if (!target.gadget || !chooser) return {};
  std::string out;
  for (const GadgetEntry& e : GadgetList::Nearest(GadgetList::Of(*chooser), *target.gadget, kShown)) {
    out += (out.empty() ? "; near it: " : ", ") + EntryKey::Format(e.id) + " (" + e.kind +
           (e.panel.empty() ? "" : ", " + e.panel) + ")";
  }
  return out + " ('gadgets' lists them all)";
}

ScenarioRunner::ScenarioRunner(AutomationHost& host, Transcript& transcript, std::filesystem::path outDir)
    : host_(host), transcript_(transcript), observer_(transcript), outDir_(std::move(outDir)) {
  diagSeen_ = host_.GetHost().Diag().Lines().size();
  Gui::Get().SetObserver(&observer_);
  host_.SetParentListener([this](const AttributePage::ParentMessage& m) { OnParent(m); });
  eventListener_ = host_.GetHost().Events().Listen([this](const HostEvent& e) { OnEvent(e); });
}

ScenarioRunner::~ScenarioRunner() {
  host_.GetHost().Events().Unlisten(eventListener_);
  host_.SetParentListener(nullptr);
  if (Gui::Exists()) Gui::Get().SetObserver(nullptr);
}

VirtualDesktop& ScenarioRunner::UseVirtualDesktop() {
  if (auto* current = dynamic_cast<VirtualDesktop*>(PlatformFamily::Current())) return *current;
  auto desktop = std::make_unique<VirtualDesktop>();
  VirtualDesktop& d = *desktop;
  d.AddMonitor({{0, 0, kDesktopSize, kDesktopSize}});
  // Every pixel its own colour, so a pick shows where it took place.
  for (int y = 0; y < kDesktopSize; ++y) {
    for (int x = 0; x < kDesktopSize; ++x) d.SetPixel(x, y, {uint8_t(x), uint8_t(y), uint8_t(255 - (x + y) / 2), 255});
  }
  PlatformFamily::Use(std::move(desktop));
  return d;
}

Outcome<Done> ScenarioRunner::Run(const Scenario& scenario) {
  for (const ScenarioStep& step : scenario.steps) {
    if (std::holds_alternative<PickStep>(step.action)) UseVirtualDesktop();
  }
  if (!scenario.prefs.IsEmpty()) host_.SetPrefs(scenario.prefs);
  for (const ScenarioStep& step : scenario.steps) {
    transcript_.SetStep(step.index);
    auto done = std::visit([this](const auto& s) { return Do(s); }, step.action);
    CollectDiagnostics();
    if (done && StopRequest::Requested()) done = Outcome<Done>::Fail("stopped by a signal");
    if (!done) {
      const std::string error = "step " + std::to_string(step.index) + " (" + step.kind + "): " + done.Error();
      transcript_.SetError(error);
      return R::Fail(error);
    }
  }
  return Done{};
}

void ScenarioRunner::CollectDiagnostics() {
  const auto& lines = host_.GetHost().Diag().Lines();
  for (; diagSeen_ < lines.size(); ++diagSeen_) {
    const DiagnosticLine& l = lines[diagSeen_];
    OrderedJson fields = {{"text", l.text}};
    if (l.kind == DiagnosticLine::Kind::kHostWarning) {
      fields["source"] = "host";
    } else {
      fields["file"] = l.file;
      fields["line"] = l.line;
      if (l.kind == DiagnosticLine::Kind::kAssert) fields["assert"] = true;
    }
    transcript_.Add("diag", fields);
  }
}

void ScenarioRunner::OnParent(const AttributePage::ParentMessage& m) {
  OrderedJson fields = OrderedJson::object();
  if (!m.key.empty()) fields["id"] = m.key;
  fields["message"] = EntryKey::Format(m.message.Id());
  const OrderedJson entries = TranscriptJson::FromContainer(m.message);
  for (auto it = entries.begin(); it != entries.end(); ++it) fields[it.key()] = it.value();
  if (!m.links.empty()) fields["links"] = m.links;
  transcript_.Add("parent", fields);
}

void ScenarioRunner::OnEvent(const HostEvent& e) {
  OrderedJson fields = {{"event", e.id}, {"arg1", e.arg1}};
  for (const auto& p : host_.Page().Parameters()) {
    Dialog* chooser = p->Chooser();
    if (chooser && reinterpret_cast<int64_t>(chooser->Delegate().UserPointer()) == e.arg2) fields["from"] = p->Key();
  }
  transcript_.Add("broadcast", fields);
}

Outcome<Widget*> ScenarioRunner::Gadget(const GadgetTarget& target) {
  Widget* w = host_.FindGadget(target.chooser, target.gadget);
  if (!w)
    return Outcome<Widget*>::Fail("chooser '" + target.chooser + "' has no " + GadgetName(target) +
                                  NearMatches(target));
  if (!w->IsShown())
    return Outcome<Widget*>::Fail(GadgetName(target) + " of chooser '" + target.chooser + "' is hidden");
  return w;
}

Outcome<Done> ScenarioRunner::Do(const OpenStep& s) {
  auto opened = host_.Open(s.spec);
  if (!opened) return R::Fail(opened.Error());
  return Done{};
}

Outcome<Done> ScenarioRunner::Do(const SetStep& s) {
  std::vector<ColorValue> values = s.values;
  if (s.everyObject) values.resize(host_.Parameter(s.chooser)->ObjectIds().size(), s.values.front());
  std::optional<std::vector<bool>> linear = s.linear;
  if (linear && s.everyObject) linear->resize(values.size(), linear->front());
  return host_.SetValues(s.chooser, values, linear);
}

Outcome<Done> ScenarioRunner::Do(const GetStep& s) {
  auto data = host_.GetData(s.chooser);
  if (!data) return R::Fail("chooser '" + s.chooser + "' answered no value");
  OrderedJson objects = OrderedJson::array();
  for (const ColorValue& v : host_.Parameter(s.chooser)->Values()) objects.push_back(ColorValueJson::Write(v));
  transcript_.Add("value", {{"id", s.chooser},
                            {"value", TranscriptJson::FromValue(data->value)},
                            {"tristate", data->tristate},
                            {"objects", objects}});
  return Done{};
}

Outcome<Done> ScenarioRunner::Do(const StateStep& s) {
  auto state = host_.State(s.chooser);
  if (!state) return R::Fail("chooser '" + s.chooser + "' answered no state");
  transcript_.Add("state", {{"id", s.chooser}, {"state", TranscriptJson::FromContainer(*state)}});
  return Done{};
}

OrderedJson ScenarioRunner::PrefsReport(const PrefsStep& s) {
  if (s.readAll) return TranscriptJson::FromContainer(host_.Prefs());
  Container picked;
  for (int32_t id : s.read) {
    if (const Value* v = host_.Prefs().Find(id)) picked.Set(id, *v);
  }
  return TranscriptJson::FromContainer(picked);
}

Outcome<Done> ScenarioRunner::Do(const PrefsStep& s) {
  if (!s.set.IsEmpty()) host_.SetPrefs(s.set);
  if (s.readAll || !s.read.empty()) transcript_.Add("prefs", {{"prefs", PrefsReport(s)}});
  return Done{};
}

Outcome<Done> ScenarioRunner::Do(const ClickStep& s) {
  auto w = Gadget(s.target);
  if (!w) return R::Fail(w.Error());
  host_.Input().Click(*w.Value(), s.at, s.channel, s.qualifiers, s.doubleClick);
  return Done{};
}

Outcome<Done> ScenarioRunner::Do(const DragStep& s) {
  auto w = Gadget(s.target);
  if (!w) return R::Fail(w.Error());
  std::vector<Point> path = s.path;
  if (s.onto) {
    auto to = Gadget(*s.onto);
    if (!to) return R::Fail(to.Error());
    const Rect from = w.Value()->Frame();
    const Point start = path.empty() ? Point{from.w / 2, from.h / 2} : path.front();
    const Point end = w.Value()->LocalPoint(host_.Input().Global(*to.Value(), s.ontoAt));
    // Far enough to start a drag, then across to the target.
    if (path.size() < 2) path = {start, {start.x + 6, start.y}};
    path.push_back({(path.back().x + end.x) / 2, (path.back().y + end.y) / 2});
    path.push_back(end);
  }
  host_.Input().Drag(*w.Value(), path, s.channel, s.qualifiers, s.cancel);
  return Done{};
}

Outcome<Done> ScenarioRunner::Do(const WheelStep& s) {
  auto w = Gadget(s.target);
  if (!w) return R::Fail(w.Error());
  host_.Input().Wheel(*w.Value(), s.at, s.dx, s.dy, s.qualifiers);
  return Done{};
}

Outcome<Done> ScenarioRunner::Do(const KeyStep& s) {
  Widget* focus = nullptr;
  if (s.target.gadget) {
    auto w = Gadget(s.target);
    if (!w) return R::Fail(w.Error());
    focus = w.Value();
  }
  host_.Input().Key(focus, s.key, s.qualifiers);
  return Done{};
}

Outcome<Done> ScenarioRunner::Do(const TypeStep& s) {
  auto w = Gadget(s.target);
  if (!w) return R::Fail(w.Error());
  if (!dynamic_cast<TextField*>(w.Value())) return R::Fail(GadgetName(s.target) + " is not an edit or number field");
  host_.Input().Type(*w.Value(), s.text, s.commit);
  return Done{};
}

Outcome<Done> ScenarioRunner::Do(const AnswerStep& s) {
  host_.Answer(s.answer);
  return Done{};
}

Outcome<Done> ScenarioRunner::Do(const ReadStep& s) {
  auto found = Gadget(s.target);
  if (!found) return R::Fail(found.Error());
  const Widget& w = *found.Value();
  OrderedJson fields = {{"id", s.target.chooser}, {"gadget", EntryKey::Format(*s.target.gadget)}};
  if (auto n = w.Number()) fields["number"] = *n;
  if (auto t = w.Text()) fields["text"] = *t;
  if (auto c = w.Checked()) fields["checked"] = *c;
  if (auto d = w.Data(); d && !d->IsNone()) fields["data"] = TranscriptJson::FromValue(*d);
  fields["enabled"] = w.IsEnabled();
  fields["visible"] = w.IsShown();
  transcript_.Add("gadget", fields);
  return Done{};
}

Outcome<Done> ScenarioRunner::Do(const HoverStep& s) {
  auto w = Gadget(s.target);
  if (!w) return R::Fail(w.Error());
  host_.Input().Hover(*w.Value(), s.at);
  transcript_.Add("hover", {{"id", s.target.chooser},
                            {"gadget", EntryKey::Format(*s.target.gadget)},
                            {"cursor", host_.Input().Cursor()},
                            {"tooltip", host_.Input().Tooltip()}});
  return Done{};
}

Outcome<Done> ScenarioRunner::Do(const GadgetsStep& s) {
  Dialog* chooser = host_.Chooser(s.chooser);
  if (!chooser) return R::Fail("chooser '" + s.chooser + "' shows no dialog");
  OrderedJson list = OrderedJson::array();
  for (const GadgetEntry& e : GadgetList::Of(*chooser)) list.push_back(GadgetList::Json(e));
  transcript_.Add("gadgets", {{"id", s.chooser}, {"gadgets", list}});
  return Done{};
}

Outcome<Done> ScenarioRunner::Do(const PickStep& s) {
  VirtualDesktop& desktop = UseVirtualDesktop();
  const bool running = !desktop.Windows().empty();
  desktop.MoveTo(s.at);
  if (s.cancel) {
    desktop.KeyDown(GXA_KEY_ESC);
    desktop.KeyUp(GXA_KEY_ESC);
  } else {
    desktop.Press(GXA_CHANNEL_LEFT);
    desktop.Release(GXA_CHANNEL_LEFT);
  }
  if (!running) transcript_.Add("pick", {{"outcome", "no picker"}});
  host_.GetScreen().Pump();
  return Done{};
}

Outcome<Done> ScenarioRunner::Do(const ReloadStep&) { return host_.Reload(); }

Outcome<Done> ScenarioRunner::Do(const ClipboardStep& s) {
  Frontend& desktop = host_.GetScreen().GetFrontend();
  if (s.set) desktop.SetClipboardText(Frontend::Selection::Clipboard, *s.set);
  if (s.primary) desktop.SetClipboardText(Frontend::Selection::Primary, *s.primary);
  if (s.set || s.primary) return Done{};
  auto text = [&](Frontend::Selection which) -> OrderedJson {
    const auto t = desktop.ClipboardText(which);
    return t ? OrderedJson(*t) : OrderedJson(nullptr);
  };
  transcript_.Add("clipboard",
                  {{"text", text(Frontend::Selection::Clipboard)}, {"primary", text(Frontend::Selection::Primary)}});
  return Done{};
}

Outcome<Done> ScenarioRunner::Do(const CopyStep& s) {
  ColorParameter* parameter = host_.Page().Find(s.chooser);
  const auto shown = parameter ? ChooserColorText(host_.Page(), *parameter).Shown() : std::nullopt;
  if (!shown) return R::Fail("chooser '" + s.chooser + "' shows no colour to copy");
  HostClipboard::CopyColor(shown->rgb, shown->alpha);
  return Done{};
}

Outcome<Done> ScenarioRunner::Do(const PasteStep& s) {
  ColorParameter* parameter = host_.Page().Find(s.chooser);
  if (!parameter) return R::Fail("no chooser '" + s.chooser + "'");
  // Text that is no colour is refused with a notice, as in the window.
  if (auto color = HostClipboard::PasteColor()) ChooserColorText(host_.Page(), *parameter).Paste(*color);
  host_.GetScreen().Pump();
  return Done{};
}

Outcome<Done> ScenarioRunner::Do(const ScreenshotStep& s) {
  Widget* gadget = nullptr;
  if (s.target) {
    auto w = Gadget(*s.target);
    if (!w) return R::Fail(w.Error());
    gadget = w.Value();
  }
  const std::filesystem::path given(s.file);
  const std::filesystem::path file = given.is_absolute() ? given : outDir_ / given;
  auto saved = host_.SaveScreenshot(file, gadget);
  if (!saved) return R::Fail(saved.Error());
  transcript_.Add("file", {{"file", s.file}, {"width", saved->Width()}, {"height", saved->Height()}});
  return Done{};
}

}  // namespace host

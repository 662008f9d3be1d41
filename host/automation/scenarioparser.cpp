#include "automation/scenarioparser.h"

#include "automation/colorvaluejson.h"
#include "automation/entrykey.h"
#include "automation/keynames.h"
#include "core/fourcc.h"
#include "core/jsontext.h"
#include "gxa_api.h"
#include "page/colorparameter.h"

namespace host {

namespace {

using R = Outcome<Scenario>;

// Far beyond any page, near enough to zero that adding a gadget's place cannot overflow.
constexpr int32_t kCoordinateLimit = 1000000;
bool OnPage(int32_t v) { return v >= -kCoordinateLimit && v <= kCoordinateLimit; }

std::optional<Point> PathPoint(const OrderedJson& p) {
  if (!p.is_array() || p.size() != 2) return std::nullopt;
  const std::optional<int32_t> x = JsonFields::Int32Of(p[0]);
  const std::optional<int32_t> y = JsonFields::Int32Of(p[1]);
  if (!x.has_value() || !y.has_value() || !OnPage(x.value()) || !OnPage(y.value())) return std::nullopt;
  return Point{x.value(), y.value()};
}

std::string StepName(size_t index, const std::string& kind) {
  return "step " + std::to_string(index) + (kind.empty() ? "" : " (" + kind + ")");
}

}  // namespace

Outcome<Scenario> ScenarioParser::Parse(const std::string& text) {
  auto doc = JsonText::Parse(text);
  if (!doc) return R::Fail("scenario is not JSON: " + doc.Error());
  return Parse(doc.Value());
}

Outcome<Scenario> ScenarioParser::Parse(const OrderedJson& document) {
  if (!document.is_object()) return R::Fail("scenario: the top level must be an object");
  opened_.clear();
  Scenario scenario;
  JsonFields top(document);
  top.String("comment");
  if (const OrderedJson* prefs = top.Get("prefs")) {
    auto c = TranscriptJson::ToContainer(*prefs);
    if (!c) return R::Fail("scenario: 'prefs': " + c.Error());
    scenario.prefs = std::move(c.Value());
  }
  const OrderedJson* steps = top.Require("steps");
  if (!top.Finish()) return R::Fail("scenario: " + top.Error());
  if (!steps->is_array()) return R::Fail("scenario: 'steps' must be an array");
  for (size_t i = 0; i < steps->size(); ++i) {
    const OrderedJson& s = (*steps)[i];
    if (!s.is_object()) return R::Fail(StepName(i, "") + ": a step must be an object");
    JsonFields f(s);
    f.String("comment");
    const std::string kind = f.String("do", true).value_or("");
    if (f.Failed()) return R::Fail(StepName(i, "") + ": " + f.Error());
    auto action = Step(kind, f);
    if (!action || !f.Finish()) return R::Fail(StepName(i, kind) + ": " + f.Error());
    scenario.steps.push_back({i, kind, std::move(*action)});
  }
  return scenario;
}

std::optional<StepAction> ScenarioParser::Step(const std::string& kind, JsonFields& f) {
  if (kind == "open") return Open(f);
  if (kind == "set") return Set(f);
  if (kind == "get") {
    auto id = Chooser(f);
    return id ? std::optional<StepAction>(GetStep{*id}) : std::nullopt;
  }
  if (kind == "state") {
    auto id = Chooser(f);
    return id ? std::optional<StepAction>(StateStep{*id}) : std::nullopt;
  }
  if (kind == "prefs") return Prefs(f);
  if (kind == "click") return Click(f);
  if (kind == "drag") return Drag(f);
  if (kind == "wheel") return Wheel(f);
  if (kind == "key") return Key(f);
  if (kind == "type") return Type(f);
  if (kind == "answer") return Answer(f);
  if (kind == "read") {
    auto target = Target(f, true);
    return target ? std::optional<StepAction>(ReadStep{*target}) : std::nullopt;
  }
  if (kind == "hover") {
    auto target = Target(f, true);
    return target ? std::optional<StepAction>(HoverStep{*target, At(f)}) : std::nullopt;
  }
  if (kind == "gadgets") {
    auto id = Chooser(f);
    return id ? std::optional<StepAction>(GadgetsStep{*id}) : std::nullopt;
  }
  if (kind == "screenshot") return Screenshot(f);
  if (kind == "pick") return Pick(f);
  if (kind == "reload") return ReloadStep{};
  if (kind == "clipboard") return ClipboardStep{f.String("set"), f.String("primary")};
  if (kind == "copy" || kind == "paste") {
    auto id = Chooser(f);
    if (!id) return std::nullopt;
    return kind == "copy" ? StepAction(CopyStep{*id}) : StepAction(PasteStep{*id});
  }
  f.Fail("unknown step '" + kind +
         "' (open, set, get, state, prefs, click, drag, wheel, key, type, answer, read, "
         "hover, gadgets, screenshot, pick, reload, clipboard, copy, paste)");
  return std::nullopt;
}

std::optional<std::string> ScenarioParser::Chooser(JsonFields& f, bool required) {
  const OrderedJson* id = required ? f.Require("id") : f.Get("id");
  if (!id) return std::nullopt;
  std::string name;
  if (id->is_string()) name = id->get<std::string>();
  else if (id->is_number_integer()) name = id->dump();
  else {
    f.Fail("'id' must be a string or a whole number");
    return std::nullopt;
  }
  if (!opened_.count(name)) {
    f.Fail("no chooser '" + name + "' was opened before this step");
    return std::nullopt;
  }
  return name;
}

std::optional<StepAction> ScenarioParser::Open(JsonFields& f) {
  OpenStep step;
  const OrderedJson* id = f.Require("id");
  if (id && id->is_number_integer()) step.spec.key = id->dump();
  else if (id && id->is_string() && !id->get<std::string>().empty()) step.spec.key = id->get<std::string>();
  else if (id) f.Fail("'id' must be a non-empty string or a whole number");
  if (f.Failed()) return std::nullopt;
  if (opened_.count(step.spec.key)) {
    f.Fail("a chooser '" + step.spec.key + "' is already open");
    return std::nullopt;
  }
  step.spec.label = f.String("label").value_or("");
  if (const OrderedJson* settings = f.Get("settings")) {
    auto c = settings_.FromObject(*settings);
    if (!c) {
      f.Fail(c.Error());
      return std::nullopt;
    }
    step.spec.settings = std::move(c.Value());
  }
  // As the page and `render` show a parameter, unless the settings say otherwise.
  if (!step.spec.settings.Find(FourCC("laym"))) step.spec.ShowExpanded();
  const ColorForm form = ColorParameter::FormFor(step.spec.settings);
  auto values = Values(f, form, false);
  if (!values) return std::nullopt;
  auto linear = Linear(f, values->size());
  if (f.Failed()) return std::nullopt;
  for (size_t i = 0; i < values->size(); ++i) {
    step.spec.objects.push_back({(*values)[i], linear && (*linear)[i]});
  }
  opened_[step.spec.key] = form;
  return step;
}

std::optional<StepAction> ScenarioParser::Set(JsonFields& f) {
  auto id = Chooser(f);
  if (!id) return std::nullopt;
  auto values = Values(f, opened_[*id], true);
  if (!values) return std::nullopt;
  auto linear = Linear(f, values->size());
  SetStep step{*id, std::move(*values), f.Has("value"), std::move(linear)};
  if (f.Failed()) return std::nullopt;
  return step;
}

std::optional<std::vector<ColorValue>> ScenarioParser::Values(JsonFields& f, ColorForm form, bool required) {
  const OrderedJson* value = f.Get("value");
  const OrderedJson* objects = f.Get("objects");
  if (value && objects) {
    f.Fail("give 'value' or 'objects', not both");
    return std::nullopt;
  }
  std::vector<ColorValue> out;
  if (!value && !objects) {
    if (required) f.Fail("'value' or 'objects' is missing");
    else out.push_back(ColorValue{form});
    return required ? std::nullopt : std::optional(out);
  }
  if (objects && (!objects->is_array() || objects->empty())) {
    f.Fail("'objects' must be a list of one or more values");
    return std::nullopt;
  }
  const OrderedJson list = value ? OrderedJson::array({*value}) : *objects;
  for (size_t i = 0; i < list.size(); ++i) {
    auto v = ColorValueJson::Parse(list[i], form);
    if (!v) {
      f.Fail((value ? "'value': " : "'objects' " + std::to_string(i) + ": ") + v.Error());
      return std::nullopt;
    }
    out.push_back(*v);
  }
  return out;
}

std::optional<std::vector<bool>> ScenarioParser::Linear(JsonFields& f, size_t objects) {
  const OrderedJson* j = f.Get("linear");
  if (!j) return std::nullopt;
  if (j->is_boolean()) return std::vector<bool>(objects, j->get<bool>());
  std::vector<bool> out;
  if (j->is_array() && j->size() == objects) {
    for (const auto& b : *j) {
      if (!b.is_boolean()) break;
      out.push_back(b.get<bool>());
    }
  }
  if (out.size() != objects) {
    f.Fail("'linear' must be true, false, or one of them per object (" + std::to_string(objects) + ")");
    return std::nullopt;
  }
  return out;
}

std::optional<StepAction> ScenarioParser::Prefs(JsonFields& f) {
  PrefsStep step;
  const OrderedJson* set = f.Get("set");
  const OrderedJson* read = f.Get("read");
  if (!set && !read) {
    f.Fail("give 'set' (entries to write) or 'read' (entries to report, or true for all)");
    return std::nullopt;
  }
  if (set) {
    auto c = TranscriptJson::ToContainer(*set);
    if (!c) {
      f.Fail("'set': " + c.Error());
      return std::nullopt;
    }
    step.set = std::move(c.Value());
  }
  if (read && read->is_boolean()) {
    step.readAll = read->get<bool>();
  } else if (read) {
    for (const auto& k : read->is_array() ? *read : OrderedJson::array({nullptr})) {
      auto id = k.is_string() ? EntryKey::Parse(k.get<std::string>()) : JsonFields::Int32Of(k);
      if (!id) {
        f.Fail("'read' must be true or a list of preference IDs");
        return std::nullopt;
      }
      step.read.push_back(*id);
    }
  }
  return step;
}

std::optional<GadgetTarget> ScenarioParser::Target(JsonFields& f, bool gadgetRequired) {
  auto id = Chooser(f);
  if (!id) return std::nullopt;
  GadgetTarget target{*id, std::nullopt};
  const OrderedJson* gadget = gadgetRequired ? f.Require("gadget") : f.Get("gadget");
  if (!gadget) return f.Failed() ? std::nullopt : std::optional(target);
  if (gadget->is_number_integer()) target.gadget = JsonFields::Int32Of(*gadget);
  else if (gadget->is_string()) target.gadget = EntryKey::Parse(gadget->get<std::string>());
  if (!target.gadget) {
    f.Fail("'gadget' must be a gadget ID (a number, or text such as \"0x3E80002\")");
    return std::nullopt;
  }
  return target;
}

std::optional<Point> ScenarioParser::At(JsonFields& f) {
  auto x = f.Int("x");
  auto y = f.Int("y");
  if (x.has_value() != y.has_value()) f.Fail("give both 'x' and 'y', or neither (the gadget's centre)");
  if (!x || !y) return std::nullopt;
  if (!OnPage(*x) || !OnPage(*y)) {
    f.Fail("'x' and 'y' are within " + std::to_string(kCoordinateLimit) + " of the gadget");
    return std::nullopt;
  }
  return Point{*x, *y};
}

std::optional<int32_t> ScenarioParser::Channel(JsonFields& f) {
  const int32_t channel = f.Int("channel").value_or(GXA_CHANNEL_LEFT);
  if (channel < GXA_CHANNEL_LEFT || channel > GXA_CHANNEL_MIDDLE)
    f.Fail("'channel' is 1 (left), 2 (right) or 3 (middle)");
  return channel;
}

std::optional<int32_t> ScenarioParser::Qualifiers(JsonFields& f) {
  const int32_t q = f.Int("qualifiers").value_or(0);
  if (q < 0 || q > 7) f.Fail("'qualifiers' is a sum of 1 (shift), 2 (ctrl) and 4 (alt)");
  return q;
}

std::optional<StepAction> ScenarioParser::Click(JsonFields& f) {
  auto target = Target(f, true);
  if (!target) return std::nullopt;
  ClickStep step{*target, At(f), *Channel(f), *Qualifiers(f), f.Bool("double").value_or(false)};
  return step;
}

std::optional<StepAction> ScenarioParser::Drag(JsonFields& f) {
  auto target = Target(f, true);
  if (!target) return std::nullopt;
  DragStep step{*target, {}, *Channel(f), *Qualifiers(f), f.Bool("cancel").value_or(false)};
  if (const OrderedJson* onto = f.Get("onto")) {
    if (!Onto(*onto, step, f)) return std::nullopt;
    // The path may then give the press point alone.
    if (!f.Has("path")) return step;
  }
  const OrderedJson* path = f.Require("path");
  if (!path) return std::nullopt;
  for (const auto& p : path->is_array() ? *path : OrderedJson::array()) {
    const auto point = PathPoint(p);
    if (!point) {
      f.Fail("'path' is a list of [x, y] points in whole pixels, each within " + std::to_string(kCoordinateLimit));
      return std::nullopt;
    }
    step.path.push_back(*point);
  }
  if (step.path.size() < (step.onto ? 1u : 2u)) f.Fail("'path' needs at least two points, or one with 'onto'");
  return step;
}

bool ScenarioParser::Onto(const OrderedJson& onto, DragStep& step, JsonFields& f) {
  if (!onto.is_object()) {
    f.Fail("'onto' is an object with 'id', 'gadget' and optionally 'x' and 'y'");
    return false;
  }
  JsonFields inner(onto);
  auto target = Target(inner, true);
  const std::optional<Point> at = target ? At(inner) : std::nullopt;
  if (!target || !inner.Finish()) {
    f.Fail("'onto': " + inner.Error());
    return false;
  }
  step.onto = *target;
  step.ontoAt = at;
  return true;
}

std::optional<StepAction> ScenarioParser::Wheel(JsonFields& f) {
  auto target = Target(f, true);
  if (!target) return std::nullopt;
  WheelStep step{*target, At(f), f.Number("dx").value_or(0.0), f.Number("dy").value_or(0.0), *Qualifiers(f)};
  if (step.dx == 0.0 && step.dy == 0.0 && !f.Failed()) f.Fail("give 'dx' or 'dy' (notches)");
  return step;
}

std::optional<StepAction> ScenarioParser::Key(JsonFields& f) {
  auto target = Target(f, false);
  if (!target) return std::nullopt;
  KeyStep step{*target, 0, *Qualifiers(f)};
  const OrderedJson* key = f.Require("key");
  if (!key) return std::nullopt;
  std::optional<int32_t> code;
  if (key->is_number_integer()) code = JsonFields::Int32Of(*key);
  else if (key->is_string()) code = KeyNames::Parse(key->get<std::string>());
  if (!code) f.Fail("'key' must be a key code or a key name (\"Up\", \"Enter\", \"N\", ...)");
  step.key = code.value_or(0);
  return step;
}

std::optional<StepAction> ScenarioParser::Type(JsonFields& f) {
  auto target = Target(f, true);
  if (!target) return std::nullopt;
  TypeStep step{*target, f.String("text", true).value_or(""), InputDriver::Commit::Enter};
  const std::string commit = f.String("commit").value_or("enter");
  if (commit == "tab") step.commit = InputDriver::Commit::Tab;
  else if (commit == "none") step.commit = InputDriver::Commit::None;
  else if (commit != "enter") f.Fail("'commit' is \"enter\", \"tab\" or \"none\"");
  return step;
}

std::optional<StepAction> ScenarioParser::Answer(JsonFields& f) {
  int given = 0;
  for (const char* k : {"menu", "color", "cancel", "yes", "text"}) given += f.Has(k) ? 1 : 0;
  if (given != 1) {
    f.Fail("give exactly one of 'menu', 'color', 'cancel', 'yes' or 'text'");
    return std::nullopt;
  }
  if (const OrderedJson* menu = f.Get("menu")) {
    if (menu->is_null()) return AnswerStep{Answer::MenuDismiss()};
    if (auto id = f.Int("menu")) return AnswerStep{Answer::MenuChoice(*id)};
    return std::nullopt;
  }
  if (const OrderedJson* color = f.Get("color")) {
    auto v = ColorValueJson::Parse(*color, ColorForm::ColorAlpha);
    if (!v) f.Fail("'color': " + v.Error());
    if (!v) return std::nullopt;
    return AnswerStep{Answer::Color(v->color.x, v->color.y, v->color.z, v->alpha)};
  }
  if (f.Has("cancel")) {
    if (!f.Bool("cancel").value_or(false)) f.Fail("'cancel' can only be true");
    return AnswerStep{Answer::ColorCancel()};
  }
  if (f.Has("yes")) return AnswerStep{Answer::Question(f.Bool("yes").value_or(false))};
  const OrderedJson* text = f.Get("text");
  const std::optional<bool> check = f.Bool("check");
  if (text->is_null()) return AnswerStep{Answer::TextCancel()};
  if (!text->is_string()) f.Fail("'text' must be a string, or null to cancel");
  return AnswerStep{Answer::Text(text->is_string() ? text->get<std::string>() : "", check)};
}

std::optional<StepAction> ScenarioParser::Pick(JsonFields& f) {
  auto at = At(f);
  if (!at && !f.Failed()) f.Fail("give the desktop point 'x' and 'y'");
  if (!at) return std::nullopt;
  return PickStep{*at, f.Bool("cancel").value_or(false)};
}

std::optional<StepAction> ScenarioParser::Screenshot(JsonFields& f) {
  ScreenshotStep step;
  if (f.Has("id")) {
    step.target = Target(f, false);
    if (!step.target) return std::nullopt;
  } else if (f.Has("gadget")) {
    f.Fail("'gadget' needs the chooser's 'id'");
  }
  step.file = f.String("file", true).value_or("");
  if (!f.Failed() && step.file.empty()) f.Fail("'file' is empty");
  return step;
}

}  // namespace host

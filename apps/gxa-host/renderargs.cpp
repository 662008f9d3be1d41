#include "renderargs.h"

#include "automation/entrykey.h"
#include "core/jsonexport.h"
#include "core/jsontext.h"
#include "core/worldpreferences.h"
#include "gxa_api.h"
#include "page/colorparameter.h"
#include "rendervalue.h"

namespace host::cli {

namespace {

// World preference 1134.
constexpr int32_t kThemeLight = 0;
constexpr int32_t kThemeDark = 1;

// The host's own preferences keep their type; unknown IDs are the module's.
Outcome<Done> Accepts(int32_t id, const Value& value) {
  static const Container kDefaults = WorldPreferences::Defaults();
  const Value* known = kDefaults.Find(id);
  // A profile may be given as anything that names one.
  if (!known || known->Type() == GXA_TYPE_COLORPROFILE || known->Type() == value.Type()) return Done{};
  return Outcome<Done>::Fail("preference " + std::to_string(id) + " is " + JsonExport::TypeName(known->Type()) +
                             ", not " + JsonExport::TypeName(value.Type()));
}

std::vector<std::string> Repeated(ArgParser& args, const std::string& name) {
  std::vector<std::string> out;
  while (auto v = args.Option(name)) out.push_back(*v);
  return out;
}

}  // namespace

Outcome<RenderArgs> RenderArgs::Read(ArgParser& args) {
  using R = Outcome<RenderArgs>;
  auto options = AutomationArgs::Read(args);
  RenderArgs r;
  r.settings = Repeated(args, "--settings");
  const std::vector<std::string> prefs = Repeated(args, "--prefs");
  r.value = args.Option("--value");
  r.brightness = args.Option("--brightness");
  const auto theme = args.Option("--theme");
  const auto page = args.Option("--page");
  const auto out = args.Option("--out");
  const auto picture = args.Option("--picture");
  r.listGadgets = args.Flag("--list-gadgets");
  if (!options) return R::Fail(options.Error());
  if (!args.Finish()) return R::Fail(args.Error());
  if ((!out || out->empty()) && !r.listGadgets) return R::Fail("--out FILE.png is missing");
  if (page && *page != "demo") return R::Fail("--page knows only 'demo'");
  if (page && (!r.settings.empty() || r.value || r.brightness || picture))
    return R::Fail("--page demo takes no --settings, values or --picture");
  if (picture && picture->empty()) return R::Fail("--picture needs a PNG or JPEG file");
  r.options = std::move(options.Value());
  auto prefsRead = ReadPrefs(prefs, theme, r.options.prefs);
  if (!prefsRead) return R::Fail(prefsRead.Error());
  r.demoPage = page.has_value();
  if (picture) {
    r.picture = *picture;
    // The picture mode is the start mode (preference 1119) unless one was given.
    if (!r.options.prefs.Find(1119)) r.options.prefs.SetInt32(1119, 3);
  }
  if (out) r.out = *out;
  return r;
}

Outcome<Done> RenderArgs::ReadPrefs(const std::vector<std::string>& assignments,
                                    const std::optional<std::string>& theme, Container& prefs) {
  for (const std::string& a : assignments) {
    const size_t eq = a.find('=');
    auto id = eq == std::string::npos ? std::nullopt : EntryKey::Parse(a.substr(0, eq));
    if (!id) return Outcome<Done>::Fail("--prefs expects ID=VALUE, not '" + a + "'");
    auto value = JsonText::ValueOrText(a.substr(eq + 1));
    if (!value) return Outcome<Done>::Fail("--prefs " + a + ": " + value.Error());
    auto v = TranscriptJson::ToValue(value.Value());
    if (!v) return Outcome<Done>::Fail("--prefs " + a + ": " + v.Error());
    auto accepted = Accepts(*id, v.Value());
    if (!accepted) return Outcome<Done>::Fail("--prefs " + a + ": " + accepted.Error());
    prefs.Set(*id, v.Value());
  }
  if (theme && *theme != "dark" && *theme != "light") return Outcome<Done>::Fail("--theme is dark or light");
  if (theme) prefs.SetInt32(WorldPreferences::kTheme, *theme == "dark" ? kThemeDark : kThemeLight);
  return Done{};
}

Outcome<ParameterSpec> RenderArgs::Chooser(const ChooserSettings& reader) const {
  using R = Outcome<ParameterSpec>;
  ParameterSpec spec;
  spec.key = "color";
  spec.label = "Color";
  // Expanded unless told otherwise, as the page shows a parameter.
  spec.ShowExpanded();
  for (const std::string& s : settings) {
    auto set = reader.SetText(spec.settings, s);
    if (!set) return R::Fail("--settings " + set.Error());
  }
  auto v = RenderValue::Read(ColorParameter::FormFor(spec.settings), value, brightness);
  if (!v) return R::Fail(v.Error());
  spec.objects.push_back({*v, false});
  return spec;
}

}  // namespace host::cli

// gxa-host render: one chooser on the attribute page, or the demo page, to PNG.
#include <cstdio>

#include "automation/choosersettings.h"
#include "automation/entrykey.h"
#include "automationargs.h"
#include "core/worldpreferences.h"
#include "page/demopage.h"
#include "rendervalue.h"
#include "verbregistry.h"

namespace host::cli {

namespace {

constexpr const char* kUsage =
    "render [--settings K=V ...] [--prefs K=V ...] [--value r,g,b[,a]] [--brightness B[,MAX]] [--scale 1|2] "
    "[--width W] [--theme dark|light] [--page demo] --out FILE.png [--module PATH] [--home DIR] [--debug]";

// World preference 1134.
constexpr int32_t kThemeLight = 0;
constexpr int32_t kThemeDark = 1;

int Fail(const std::string& message, int status) {
  std::fprintf(stderr, "gxa-host render: %s\n", message.c_str());
  if (status == 2) std::fprintf(stderr, "usage: gxa-host %s\n", kUsage);
  return status;
}

std::vector<std::string> Repeated(ArgParser& args, const std::string& name) {
  std::vector<std::string> out;
  while (auto v = args.Option(name)) out.push_back(*v);
  return out;
}

Outcome<Done> ReadPrefs(const std::vector<std::string>& assignments, const std::optional<std::string>& theme,
                        Container& prefs) {
  for (const std::string& a : assignments) {
    const size_t eq = a.find('=');
    auto id = eq == std::string::npos ? std::nullopt : EntryKey::Parse(a.substr(0, eq));
    if (!id) return Outcome<Done>::Fail("--prefs expects ID=VALUE, not '" + a + "'");
    OrderedJson value = OrderedJson::parse(a.substr(eq + 1), nullptr, false);
    auto v = value.is_discarded() ? Outcome<Value>(Value::String(a.substr(eq + 1))) : TranscriptJson::ToValue(value);
    if (!v) return Outcome<Done>::Fail("--prefs " + a + ": " + v.Error());
    prefs.Set(*id, v.Value());
  }
  if (theme && *theme != "dark" && *theme != "light") return Outcome<Done>::Fail("--theme is dark or light");
  if (theme) prefs.SetInt32(WorldPreferences::kTheme, *theme == "dark" ? kThemeDark : kThemeLight);
  return Done{};
}

Outcome<ParameterSpec> OneChooser(AutomationHost& a, const std::vector<std::string>& settings,
                                  const std::optional<std::string>& value, const std::optional<std::string>& brightness) {
  using R = Outcome<ParameterSpec>;
  ParameterSpec spec;
  spec.key = "color";
  spec.label = "Color";
  // Expanded unless told otherwise, as the page shows a parameter.
  spec.ShowExpanded();
  const ChooserSettings reader = ChooserSettings::ForRegistry(a.GetHost().Registrations());
  for (const std::string& s : settings) {
    auto set = reader.SetText(spec.settings, s);
    if (!set) return R::Fail("--settings " + set.Error());
  }
  auto v = RenderValue::Read(ColorParameter::FormFor(spec.settings), value, brightness);
  if (!v) return R::Fail(v.Error());
  spec.objects.push_back({*v, false});
  return spec;
}

int RunRender(std::span<const std::string> raw) {
  ArgParser args(raw);
  if (args.Flag("--help")) {
    std::printf("usage: gxa-host %s\n", kUsage);
    return 0;
  }
  auto options = AutomationArgs::Read(args);
  const std::vector<std::string> settings = Repeated(args, "--settings");
  const std::vector<std::string> prefs = Repeated(args, "--prefs");
  const auto value = args.Option("--value");
  const auto brightness = args.Option("--brightness");
  const auto theme = args.Option("--theme");
  const auto page = args.Option("--page");
  const auto out = args.Option("--out");
  if (!options) return Fail(options.Error(), 2);
  if (!args.Finish()) return Fail(args.Error(), 2);
  if (!out) return Fail("--out FILE.png is missing", 2);
  if (page && *page != "demo") return Fail("--page knows only 'demo'", 2);
  if (page && (!settings.empty() || value || brightness)) return Fail("--page demo takes no --settings or values", 2);
  auto prefsRead = ReadPrefs(prefs, theme, options->prefs);
  if (!prefsRead) return Fail(prefsRead.Error(), 2);

  auto automation = AutomationHost::Create(options.Value());
  if (!automation) return Fail(automation.Error(), 1);
  AutomationHost& a = *automation.Value();
  std::vector<ParameterSpec> specs;
  if (page) {
    specs = DemoPage::Parameters();
  } else {
    auto spec = OneChooser(a, settings, value, brightness);
    if (!spec) return Fail(spec.Error(), 2);
    specs.push_back(std::move(spec.Value()));
  }
  for (ParameterSpec& spec : specs) {
    auto opened = a.Open(std::move(spec));
    if (!opened) return Fail(opened.Error(), 1);
  }
  auto saved = a.SaveScreenshot(*out);
  if (!saved) return Fail(saved.Error(), 1);
  return 0;
}

const bool kRegistered = VerbRegistry::Add(
    {"render", kUsage, "draw one chooser (or the demo page) as laid out into a PNG file", &RunRender});

}  // namespace

}  // namespace host::cli

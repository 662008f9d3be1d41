// gxa-host render: one chooser on the attribute page, or the demo page, to PNG.
#include <cstdio>

#include "page/demopage.h"
#include "renderargs.h"
#include "verbregistry.h"

namespace host::cli {

namespace {

constexpr const char* kUsage =
    "render [--settings K=V ...] [--prefs K=V ...] [--value r,g,b[,a]] [--brightness B[,MAX]] [--scale 1|2] "
    "[--width W] [--theme dark|light] [--page demo] --out FILE.png [--module PATH] [--home DIR] [--debug]";

int Fail(const std::string& message, int status) {
  std::fprintf(stderr, "gxa-host render: %s\n", message.c_str());
  if (status == 2) std::fprintf(stderr, "usage: gxa-host %s\n", kUsage);
  return status;
}

int RunRender(std::span<const std::string> raw) {
  ArgParser args(raw);
  if (args.Flag("--help")) {
    std::printf("usage: gxa-host %s\n", kUsage);
    return 0;
  }
  auto request = RenderArgs::Read(args);
  if (!request) return Fail(request.Error(), 2);

  auto automation = AutomationHost::Create(request->options);
  if (!automation) return Fail(automation.Error(), 1);
  AutomationHost& a = *automation.Value();
  std::vector<ParameterSpec> specs;
  if (request->demoPage) {
    specs = DemoPage::Parameters();
  } else {
    auto spec = request->Chooser(ChooserSettings::ForRegistry(a.GetHost().Registrations()));
    if (!spec) return Fail(spec.Error(), 2);
    specs.push_back(std::move(spec.Value()));
  }
  for (ParameterSpec& spec : specs) {
    auto opened = a.Open(std::move(spec));
    if (!opened) return Fail(opened.Error(), 1);
  }
  auto saved = a.SaveScreenshot(request->out);
  if (!saved) return Fail(saved.Error(), 1);
  return 0;
}

const bool kRegistered = VerbRegistry::Add(
    {"render", kUsage, "draw one chooser (or the demo page) as laid out into a PNG file", &RunRender});

}  // namespace

}  // namespace host::cli

// gxa-host render: one chooser on the attribute page, or the demo page, to PNG.
#include <cctype>
#include <cstdio>
#include <filesystem>

#include "automation/gadgetlist.h"
#include "automation/inputdriver.h"
#include "color/picturefile.h"
#include "core/stoprequest.h"
#include "gui/dialog.h"
#include "gui/screen.h"
#include "page/demopage.h"
#include "page/keycatalog.h"
#include "raster/bitmap.h"
#include "renderargs.h"
#include "verbregistry.h"

namespace host::cli {

namespace {

constexpr const char* kUsage =
    "render [--settings K=V ...] [--prefs ID=V ...] [--value r,g,b[,a]] [--brightness B[,MAX]] [--scale 1|2] "
    "[--width W] [--theme dark|light] [--picture FILE] [--page demo] [--list-gadgets] --out FILE.png [host options]";

int Fail(const std::string& message, int status) {
  std::fprintf(stderr, "gxa-host render: %s\n", message.c_str());
  if (status == 2) std::fprintf(stderr, "usage: gxa-host %s\n", kUsage);
  return status;
}

constexpr int32_t kPictureFileField = 0x3EC0002;

void Warn(const std::string& message) { std::fprintf(stderr, "gxa-host render: warning: %s\n", message.c_str()); }

// Valid requests that may not be what was meant: say what will happen.
void WarnAboutOut(const std::filesystem::path& out) {
  std::string extension = out.extension().string();
  for (char& c : extension) c = char(std::tolower(static_cast<unsigned char>(c)));
  if (extension != ".png") Warn(out.string() + " gets a PNG picture whatever its name says");
  std::error_code ec;
  if (out.has_parent_path() && !std::filesystem::exists(out.parent_path(), ec)) {
    Warn("making the folder " + out.parent_path().string());
  }
}

void PrintGadgets(AutomationHost& a) {
  for (const auto& p : a.Page().Parameters()) {
    Dialog* chooser = p->Chooser();
    if (!chooser) continue;
    std::printf("chooser '%s':\n", p->Key().c_str());
    for (const GadgetEntry& e : GadgetList::Of(*chooser)) std::printf("  %s\n", GadgetList::Line(e).c_str());
  }
}

// The picture goes into the chooser's file name field, as a user would type
// it; the host's own loader says first whether it will load.
Outcome<Done> OpenPicture(AutomationHost& a, const std::filesystem::path& file) {
  Bitmap check;
  std::string error;
  if (!PictureFile::Load(file, check, error, [](double) { return !StopRequest::Requested(); })) {
    return Outcome<Done>::Fail(error);
  }
  const auto& parameters = a.Page().Parameters();
  Widget* field = parameters.empty() ? nullptr : a.FindGadget(parameters.front()->Key(), kPictureFileField);
  if (!field) return Outcome<Done>::Fail("--picture: the chooser shows no picture mode (is it hidden by cfld?)");
  a.Input().Type(*field, file.string(), InputDriver::Commit::Enter);
  // The picture is shown as just opened, not with the typed name still
  // selected in a focused field.
  a.GetScreen().Router().SetFocus(nullptr);
  return Done{};
}

int RunRender(std::span<const std::string> raw) {
  ArgParser args(raw);
  auto request = RenderArgs::Read(args);
  if (!request) return Fail(request.Error(), 2);
  for (const std::string& problem : KeyCatalog::CheckPreferences(request->options.prefs)) Warn(problem);

  StopRequest::Install();
  auto automation = AutomationHost::Create(request->options);
  if (!automation) return Fail(automation.Error(), 1);
  AutomationHost& a = *automation.Value();
  std::vector<ParameterSpec> specs;
  if (request->demoPage) {
    specs = DemoPage::Parameters();
  } else {
    auto spec = request->Chooser(ChooserSettings::ForRegistry(a.GetHost().Registrations()));
    if (!spec) return Fail(spec.Error(), 2);
    for (const std::string& problem : KeyCatalog::CheckSettings(spec->settings)) Warn(problem);
    specs.push_back(std::move(spec.Value()));
  }
  for (ParameterSpec& spec : specs) {
    auto opened = a.Open(std::move(spec));
    if (!opened) return Fail(opened.Error(), 1);
  }
  if (request->picture) {
    auto shown = OpenPicture(a, *request->picture);
    if (!shown) return Fail(shown.Error(), 1);
  }
  if (request->listGadgets) PrintGadgets(a);
  if (request->out.empty()) return 0;
  WarnAboutOut(request->out);
  auto saved = a.SaveScreenshot(request->out);
  if (!saved) return Fail(saved.Error(), 1);
  return 0;
}

VerbHelp Help() {
  return {
      "Lays out one chooser (or the demo page) on the attribute page as the host lays it out, and writes it "
      "as a PNG picture at the display scale. The chooser opens expanded (layout mode 2: mode buttons and "
      "panels) unless --settings laym=... says otherwise, as in 'run'. 'gxa-host info' lists the settings keys "
      "and preferences with their meanings; a key nobody reads or a value with no meaning of its own gets a "
      "warning on stderr, and is used all the same.",
      {{"--settings K=V",
        "a settings entry of the chooser, repeatable: K a four-letter code (retT) or a number; "
        "V JSON (retT=2, ngpu=true), or for cfld also flag names joined by | or , "
        "(cfld=NOBRIGHTNESS|HIDEHEX) (default: none, a plain colour)"},
       {"--prefs ID=V", "a world preference, repeatable (1113=true, 1102=2) (default: the defaults 'info' shows)"},
       {"--value r,g,b[,a]", "the colour, 0 to 1 each; alpha needs --settings acol=1 (default 0.8,0.32,0.12)"},
       {"--brightness B[,MAX]", "brightness and its maximum, for --settings retT=2 (default 1,1)"},
       {"--theme dark|light", "the interface theme, preference 1134 (default dark)"},
       {"--picture FILE",
        "open a PNG or JPEG picture in the chooser's picture mode, which becomes the start mode "
        "(preference 1119) unless --prefs says otherwise (default: none)"},
       {"--page demo", "draw the demo page instead: one chooser per kind of colour parameter"},
       {"--list-gadgets",
        "print every gadget of the chooser(s): hexadecimal ID, kind, panel, frame (x,y WxH "
        "from the chooser's corner, logical pixels) and text; --out is then optional"},
       {"--out FILE.png",
        "the picture to write; missing folders are made (with a warning), and the picture is "
        "PNG whatever the name (a warning when it does not end in .png)"}},
      false,
      true};
}

const bool kRegistered = VerbRegistry::Add(
    {"render", kUsage, "draw one chooser (or the demo page) into a PNG file, or list its gadgets", &RunRender, &Help});

}  // namespace

}  // namespace host::cli

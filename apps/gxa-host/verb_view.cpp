// gxa-host view: the demo document's attribute page in a real window.
#include <cstdio>

#include "hostargs.h"
#include "platform/displayprobe.h"
#include "platform/sessionbusprobe.h"
#include "platform/viewsession.h"
#include "verbregistry.h"

namespace host::cli {

namespace {

constexpr const char* kUsage = "view [--scale 1|2] [--size WxH] [--dump-layout FILE] [host options] [DOCUMENT]";

// The smallest window that still shows a chooser beside its label.
constexpr Size kMinimumSize{200, 150};

int Fail(const std::string& message, int status) {
  std::fprintf(stderr, "gxa-host view: %s\n", message.c_str());
  if (status == 2) std::fprintf(stderr, "usage: gxa-host %s\n", kUsage);
  return status;
}

// "WxH" in logical pixels.
std::optional<Size> ParseSize(const std::string& text) {
  int w = 0, h = 0;
  char x = 0, extra = 0;
  if (std::sscanf(text.c_str(), "%d%c%d%c", &w, &x, &h, &extra) != 3 || x != 'x') return std::nullopt;
  if (w < kMinimumSize.w || h < kMinimumSize.h || w > 8192 || h > 8192) return std::nullopt;
  return Size{w, h};
}

int RunView(std::span<const std::string> raw) {
  ArgParser args(raw);
  HostArgs hostArgs = HostArgs::Read(args);
  ViewOptions options;
  options.host = hostArgs.options;
  options.module = hostArgs.module;
  const auto scale = args.IntOption("--scale");
  const auto size = args.Option("--size");
  // For tools that drive the window: where the gadgets are (JSON).
  if (auto layout = args.Option("--dump-layout")) options.layoutFile = *layout;
  const std::vector<std::string> documents = args.TakePositionals();
  if (!args.Finish()) return Fail(args.Error(), 2);
  if (scale && *scale != 1 && *scale != 2) return Fail("--scale is 1 or 2", 2);
  if (scale) options.scale = *scale;
  if (size) {
    auto parsed = ParseSize(*size);
    if (!parsed) return Fail("--size expects WIDTHxHEIGHT in pixels, e.g. 1000x760", 2);
    options.size = *parsed;
  }
  if (documents.size() > 1) return Fail("one document at a time", 2);
  if (!documents.empty()) options.document = documents.front();

  // The window's start talks to the session bus, and would wait for ever on
  // one that never answers: such a bus is named and left out.
  if (const std::string silent = SessionBusProbe::Silent(); !silent.empty()) {
    std::fprintf(stderr,
                 "gxa-host view: warning: %s; going on without it (no input methods, no desktop portal for the "
                 "screen picker)\n",
                 silent.c_str());
    SessionBusProbe::LeaveOut();
  }
  auto video = DisplayProbe::StartVideo();
  if (!video) {
    std::fprintf(stderr,
                 "gxa-host view: no display (%s); 'gxa-host render --page demo --out page.png' draws the page "
                 "into a picture instead\n",
                 video.Error().c_str());
    return 2;
  }
  int status = 0;
  {
    auto session = ViewSession::Open(options);
    if (!session) {
      status = Fail(session.Error(), 1);
    } else if (auto ran = session.Value()->Run(); !ran) {
      status = Fail(ran.Error(), 1);
    }
  }
  DisplayProbe::StopVideo();
  return status;
}

VerbHelp Help() {
  const ViewOptions defaults;
  const std::string size = std::to_string(defaults.size.w) + "x" + std::to_string(defaults.size.h);
  return {
      "Opens the interactive window: the attribute page of a document with one chooser per kind of colour "
      "parameter, side by side when the window is wide enough. Ctrl+S or Save saves the document (atomically), "
      "Ctrl+O asks for a picture to open in the first chooser, Ctrl+Shift+O for another document to edit (the "
      "open one is saved first), Ctrl+P opens the preset browser, Ctrl+, "
      "opens the Preferences, Ctrl+Q or closing the window saves and quits. Without a display, or when "
      "the display cannot be opened, it prints one line naming 'render' and exits with status 2.",
      {{"DOCUMENT",
        "the document to edit (default: DIR/data/gxa-host/demo.gxd below the data folder, written "
        "at the first save)"},
       {"--scale 1|2", "display scale (default: what the display reports)"},
       {"--size WxH", "the window's first size in logical pixels, from " + std::to_string(kMinimumSize.w) + "x" +
                          std::to_string(kMinimumSize.h) + " (default " + size +
                          "); the window then keeps at least the width of one column of the page"},
       {"--dump-layout FILE",
        "for tools that drive the window: after every redraw, write where each gadget is "
        "(JSON, logical pixels) to FILE (default: none)"}},
      true};
}

const bool kRegistered = VerbRegistry::Add(
    {"view", kUsage, "edit the demo document's colours in a window (saved on exit)", &RunView, &Help});

}  // namespace

}  // namespace host::cli

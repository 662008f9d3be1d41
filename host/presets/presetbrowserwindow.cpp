#include "presets/presetbrowserwindow.h"

#include "core/host.h"
#include "gui/dialog.h"
#include "gui/hostdialogs.h"
#include "gui/screen.h"

namespace host {

void PresetBrowserWindow::Run(Host& host, Screen& screen, PresetBrowserActions actions) {
  if (!host.Paths()) return;
  PresetLibrary library(host.Paths()->DataDir());
  PresetBrowser browser(library, kSwatchPresetType);
  HostDialogs dialogs;
  Dialog dialog(std::make_unique<PresetBrowserDialog>(browser, dialogs, std::move(actions)));
  screen.RunModal(dialog, "Presets", PresetBrowserDialog::kMinimum);
}

}  // namespace host

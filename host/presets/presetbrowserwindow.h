#pragma once
// Opens the preset browser over the host's window and waits until the user
// closes it: the one entry point the view (a button, Ctrl+P) needs. Apply
// goes through the preset's registered type, palettes through the module's
// swatch libraries; without the module the browser can still rename and
// delete.
#include <optional>

#include "presets/presetbrowserdialog.h"

namespace host {

class Host;
class Screen;

class PresetBrowserWindow {
 public:
  static constexpr int32_t kSwatchPresetType = 1032074;

  // Nothing happens when the host keeps no data folder (false). With a
  // folder, the first preset in it starts selected.
  static bool Run(Host& host, Screen& screen, const std::optional<PresetUrl>& folder = std::nullopt);
  // What the window's buttons do on this host.
  static PresetBrowserActions Actions(Host& host, HostDialogs& dialogs);
};

}  // namespace host

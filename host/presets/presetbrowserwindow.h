#pragma once
// Opens the preset browser over the host's window and waits until the user
// closes it: the one entry point the view (a button, Ctrl+P) needs. Apply
// goes through the preset's registered type, palettes through the module's
// swatch libraries; without the module the browser can still rename and
// delete.
#include "presets/presetbrowserdialog.h"

namespace host {

class Host;
class Screen;

class PresetBrowserWindow {
 public:
  static constexpr int32_t kSwatchPresetType = 1032074;

  // Nothing happens when the host keeps no data folder.
  static void Run(Host& host, Screen& screen);
  // What the window's buttons do on this host.
  static PresetBrowserActions Actions(Host& host, HostDialogs& dialogs);
};

}  // namespace host

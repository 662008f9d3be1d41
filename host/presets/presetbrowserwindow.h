#pragma once
// Opens the preset browser over the host's window and waits until the user
// closes it: the one entry point the view (a button, Ctrl+P) needs.
#include "presets/presetbrowserdialog.h"

namespace host {

class Host;
class Screen;

class PresetBrowserWindow {
 public:
  static constexpr int32_t kSwatchPresetType = 1032074;

  // Nothing happens when the host keeps no data folder.
  static void Run(Host& host, Screen& screen, PresetBrowserActions actions);
};

}  // namespace host

#pragma once
// The GxaHostTable handed to the module at action 1. The core families are
// filled in here; the GUI, raster and colour layers install theirs before the
// module is loaded. A family left out stays null, as the interface allows.
#include "gxa_api.h"

namespace host {

class HostTable {
 public:
  HostTable();
  HostTable(const HostTable&) = delete;
  HostTable& operator=(const HostTable&) = delete;

  const GxaHostTable* Table() const { return &table_; }
  int32_t Version() const { return table_.version; }
  void SetVersion(int32_t version) { table_.version = version; }

  void Install(const GxaDialogFns* fns) { table_.dialogs = fns; }
  void Install(const GxaUserAreaFns* fns) { table_.userareas = fns; }
  void Install(const GxaInputFns* fns) { table_.input = fns; }
  void Install(const GxaBitmapFns* fns) { table_.bitmaps = fns; }
  void Install(const GxaColorFns* fns) { table_.color = fns; }
  void Install(const GxaStreamFns* fns) { table_.streams = fns; }
  void Install(const GxaPresetFns* fns) { table_.presets = fns; }
  void Install(const GxaPlatformFns* fns) { table_.platform = fns; }

 private:
  GxaHostTable table_{};
};

}  // namespace host

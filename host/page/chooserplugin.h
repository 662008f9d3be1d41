#pragma once
// The chooser custom GUI as the host reaches it: the plug-in the module
// registered (which makes a chooser dialog for a parameter's settings) and
// the function table it published under the same ID (which sets and reads a
// chooser's value).
#include <cstdint>
#include <optional>

#include "core/container.h"
#include "core/outcome.h"
#include "gxa_api.h"

namespace host {

class Dialog;
class Registry;

struct TriStateValue {
  Value value;
  int32_t tristate = 0;
};

class ChooserPlugin {
 public:
  static constexpr int32_t kPluginId = GXA_LIB_CUSTOMGUI;
  static constexpr uint32_t kTableVersion = 1000;

  // Fails when the module registered no chooser or published no table.
  static Outcome<ChooserPlugin> Find(const Registry& registry);

  // A chooser for settings, shown in a new gadget (gadgetId, layout flags)
  // at the page's layout cursor; the gadget frees it when it goes. A
  // chooser that failed to complete its layout is shown but reported.
  Outcome<Dialog*> Embed(Dialog& page, int32_t gadgetId, int32_t flags, const Container& settings) const;

  bool SetData(Dialog& chooser, const Value& value, bool mixed) const;
  std::optional<TriStateValue> GetData(Dialog& chooser) const;

 private:
  explicit ChooserPlugin(const GxaCustomGuiTable& table) : table_(&table) {}

  const GxaCustomGuiTable* table_;
};

}  // namespace host

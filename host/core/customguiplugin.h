#pragma once
// A custom GUI plug-in registered by the module: the gadget the host shows
// for parameters of the types it serves.
#include <string>
#include <vector>

#include "core/container.h"
#include "core/pluginrecord.h"
#include "gxa_api.h"

namespace host {

struct PropertyFlag {
  int32_t kind = 0;
  int32_t id = 0;
  std::string symbol;
};

class CustomGuiPlugin {
 public:
  CustomGuiPlugin(PluginRecord record, const GxaCustomGuiCallbacks& callbacks, void* user);
  ~CustomGuiPlugin();  // tells the module it is done with user
  CustomGuiPlugin(const CustomGuiPlugin&) = delete;
  CustomGuiPlugin& operator=(const CustomGuiPlugin&) = delete;

  const PluginRecord& Record() const { return record_; }
  PluginRecord& Record() { return record_; }

  // The module's dialog for a parameter with these settings, or null.
  GxaDialog* Allocate(const Container& settings);
  void Free(GxaDialog* dialog, void* object);
  std::string ResourceSymbol() const;
  std::vector<PropertyFlag> Properties() const;
  std::vector<int32_t> ServedTypes() const;

 private:
  PluginRecord record_;
  GxaCustomGuiCallbacks callbacks_{};
  void* user_;
};

}  // namespace host

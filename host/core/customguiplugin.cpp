#include "core/customguiplugin.h"

#include <algorithm>
#include <cstring>

#include "core/handles.h"
#include "core/modulecall.h"

namespace host {

namespace {

// Never walk further than this through a property table without its end row.
constexpr int kMaxPropertyRows = 4096;

}  // namespace

CustomGuiPlugin::CustomGuiPlugin(PluginRecord record, const GxaCustomGuiCallbacks& callbacks, void* user)
    : record_(std::move(record)), user_(user) {
  // Copy only what the module's table holds; entries beyond stay null.
  std::memcpy(&callbacks_, &callbacks, std::min<size_t>(callbacks.size, sizeof callbacks_));
  callbacks_.size = sizeof callbacks_;
}

CustomGuiPlugin::~CustomGuiPlugin() {
  if (callbacks_.destroy) {
    ModuleCall call;
    callbacks_.destroy(user_);
  }
}

GxaDialog* CustomGuiPlugin::Allocate(const Container& settings) {
  if (!callbacks_.allocate) return nullptr;
  ModuleCall call;
  return callbacks_.allocate(user_, ToHandle(&settings), reinterpret_cast<GxaPluginRecord*>(&record_));
}

void CustomGuiPlugin::Free(GxaDialog* dialog, void* object) {
  if (!callbacks_.free_gui) return;
  ModuleCall call;
  callbacks_.free_gui(user_, dialog, object);
}

std::string CustomGuiPlugin::ResourceSymbol() const {
  if (!callbacks_.resource_symbol) return {};
  ModuleCall call;
  const char* s = callbacks_.resource_symbol(user_);
  return s ? s : "";
}

std::vector<PropertyFlag> CustomGuiPlugin::Properties() const {
  std::vector<PropertyFlag> out;
  if (!callbacks_.properties) return out;
  ModuleCall call;
  const GxaPropertyRow* row = callbacks_.properties(user_);
  for (int i = 0; row && i < kMaxPropertyRows; ++i, ++row) {
    if (row->kind == 0 && row->id == 0) break;
    out.push_back({row->kind, row->id, row->symbol ? row->symbol : ""});
  }
  return out;
}

std::vector<int32_t> CustomGuiPlugin::ServedTypes() const {
  if (!callbacks_.served_types) return {};
  ModuleCall call;
  const int32_t* list = nullptr;
  int32_t n = callbacks_.served_types(user_, &list);
  if (!list || n <= 0) return {};
  return {list, list + n};
}

}  // namespace host

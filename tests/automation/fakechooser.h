#pragma once
// A stand-in for the module's chooser: a custom GUI plug-in 1000492 and its
// published table, registered straight with a host's registry. Each gadget
// records what the host sets and can talk to its parent as a chooser does.
#include <memory>
#include <vector>

#include "core/container.h"
#include "gxa_api.h"

namespace host {
class Registry;
}

class FakeChooser {
 public:
  // Registers the plug-in and the table; the fakes live until Reset().
  static void Register(host::Registry& registry);
  static std::vector<FakeChooser*>& All();
  static void Reset();

  GxaDialog* Dialog() const { return dialog_; }
  const host::Value& LastValue() const { return value_; }
  int32_t LastTristate() const { return tristate_; }
  int SetCount() const { return sets_; }
  const host::Container& Settings() const { return settings_; }

  // As a chooser: the value changed ('bACT' with meid, meva and medr).
  void SendValue(const host::Value& value, bool dragging);
  // As a chooser's linear detection: the links the parent fills in.
  host::Container AskObjects();

 private:
  static GxaDialog* Allocate(void*, const GxaContainer* settings, GxaPluginRecord*);
  static void Free(void*, GxaDialog* dialog, void* object);
  static bool SetData(void* obj, const GxaTriState* value);
  static bool GetData(void* obj, GxaTriState* out);

  GxaDialog* dialog_ = nullptr;
  host::Container settings_;
  host::Value value_;
  int32_t tristate_ = 0;
  int sets_ = 0;
};

#include "fakechooser.h"

#include "core/handles.h"
#include "core/registry.h"
#include "gui/dialogfamily.h"

namespace {

const GxaDialogCallbacks kDialogCallbacks = {sizeof(GxaDialogCallbacks)};

int32_t PluginId(void*) { return GXA_LIB_CUSTOMGUI; }

}  // namespace

std::vector<FakeChooser*>& FakeChooser::All() {
  static std::vector<FakeChooser*> all;
  return all;
}

void FakeChooser::Reset() { All().clear(); }

void FakeChooser::Register(host::Registry& registry) {
  static const GxaCustomGuiCallbacks callbacks = {
      sizeof(GxaCustomGuiCallbacks), nullptr, &PluginId, &FakeChooser::Allocate, &FakeChooser::Free,
  };
  static GxaCustomGuiTable table = [] {
    GxaCustomGuiTable t{};
    t.header = {1000, sizeof(GxaCustomGuiTable)};
    t.set_data = &FakeChooser::SetData;
    t.get_data = &FakeChooser::GetData;
    return t;
  }();
  registry.RegisterCustomGui(GXA_LIB_CUSTOMGUI, "Fake chooser", 3, &callbacks, nullptr);
  registry.PublishLibrary(GXA_LIB_CUSTOMGUI, &table);
}

GxaDialog* FakeChooser::Allocate(void*, const GxaContainer* settings, GxaPluginRecord*) {
  auto* fake = new FakeChooser();
  fake->settings_ = *host::FromHandle(settings);
  fake->dialog_ = host::DialogFamily::Table()->create(&kDialogCallbacks, fake);
  All().push_back(fake);
  return fake->dialog_;
}

void FakeChooser::Free(void*, GxaDialog* dialog, void* object) {
  auto* fake = static_cast<FakeChooser*>(object);
  std::erase(All(), fake);
  host::DialogFamily::Table()->destroy(dialog);
  delete fake;
}

bool FakeChooser::SetData(void* obj, const GxaTriState* value) {
  auto* fake = static_cast<FakeChooser*>(obj);
  fake->value_ = *host::FromHandle(value->value);
  fake->tristate_ = value->tristate;
  ++fake->sets_;
  return true;
}

bool FakeChooser::GetData(void* obj, GxaTriState* out) {
  *host::FromHandle(out->value) = static_cast<FakeChooser*>(obj)->value_;
  out->tristate = 0;
  return true;
}

void FakeChooser::SendValue(const host::Value& value, bool dragging) {
  const GxaDialogFns& d = *host::DialogFamily::Table();
  host::Container msg(GXA_MSG_ACTION);
  msg.SetInt32(GXA_MSG_ID, d.gadget_id(dialog_));
  msg.Set(GXA_MSG_VALUE, value);
  msg.SetInt32(GXA_MSG_DRAG, dragging ? 1 : 0);
  d.send_parent_message(dialog_, host::ToHandle(&msg));
}

host::Container FakeChooser::AskObjects() {
  const GxaDialogFns& d = *host::DialogFamily::Table();
  host::Container links;
  host::Container msg(GXA_MSG_PARENT_QUERY_OBJECTS);
  msg.SetInt32(GXA_MSG_ID, d.gadget_id(dialog_));
  msg.SetInt32(GXA_MSG_VALUE, GXA_MSG_PARENT_QUERY_OBJECTS);
  msg.SetInt64(2, reinterpret_cast<int64_t>(host::ToHandle(&links)));
  d.send_parent_message(dialog_, host::ToHandle(&msg));
  return links;
}

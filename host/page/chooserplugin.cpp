#include "page/chooserplugin.h"

#include "core/handles.h"
#include "core/modulecall.h"
#include "core/registry.h"
#include "gui/dialog.h"
#include "gui/dialoggadgetfamily.h"
#include "gui/subdialogwidget.h"

namespace host {

Outcome<ChooserPlugin> ChooserPlugin::Find(const Registry& registry) {
  if (!registry.FindCustomGui(kPluginId))
    return Outcome<ChooserPlugin>::Fail("the module registered no colour chooser (custom GUI 1000492)");
  const void* table = registry.FindLibrary(kPluginId, kTableVersion, sizeof(GxaCustomGuiTable));
  if (!table) return Outcome<ChooserPlugin>::Fail("the module published no chooser table (library 1000492)");
  return ChooserPlugin(*static_cast<const GxaCustomGuiTable*>(table));
}

Outcome<Dialog*> ChooserPlugin::Embed(Dialog& page, int32_t gadgetId, int32_t flags, const Container& settings) const {
  // The host's own custom GUI entry, as any dialog of a module would use it.
  const bool complete =
      DialogGadgetFamily::AddCustomGui(page.Handle(), gadgetId, kPluginId, nullptr, flags, 0, 0, ToHandle(&settings));
  auto* slot = dynamic_cast<SubDialogWidget*>(page.Find(gadgetId));
  Dialog* chooser = slot ? slot->Embedded() : nullptr;
  if (!chooser) return Outcome<Dialog*>::Fail("the chooser plug-in made no dialog for these settings");
  if (!complete) return Outcome<Dialog*>::Fail("the chooser could not complete its layout");
  return chooser;
}

bool ChooserPlugin::SetData(Dialog& chooser, const Value& value, bool mixed) const {
  if (!table_->set_data) return false;
  Value copy = value;
  const GxaTriState state{ToHandle(&copy), mixed ? 1 : 0};
  ModuleCall call;
  return table_->set_data(chooser.Delegate().UserPointer(), &state);
}

std::optional<TriStateValue> ChooserPlugin::GetData(Dialog& chooser) const {
  if (!table_->get_data) return std::nullopt;
  TriStateValue out;
  GxaTriState state{ToHandle(&out.value), 0};
  ModuleCall call;
  if (!table_->get_data(chooser.Delegate().UserPointer(), &state)) return std::nullopt;
  out.tristate = state.tristate;
  return out;
}

}  // namespace host

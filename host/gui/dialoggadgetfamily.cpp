#include "gui/dialoggadgetfamily.h"

#include <cmath>
#include <memory>

#include "core/handles.h"
#include "core/host.h"
#include "core/textout.h"
#include "gui/bitmapbutton.h"
#include "gui/button.h"
#include "gui/checkbox.h"
#include "gui/combobox.h"
#include "gui/dialog.h"
#include "gui/edittext.h"
#include "gui/filenamefield.h"
#include "gui/gui.h"
#include "gui/numberfield.h"
#include "gui/separator.h"
#include "gui/statictext.h"
#include "gui/subdialogwidget.h"
#include "gui/userarea.h"
#include "gui/userareawidget.h"

namespace host {

namespace {

std::string Text(const char* s) { return s ? std::string(s) : std::string(); }

}  // namespace

bool DialogGadgetFamily::Add(GxaDialog* dlg, std::unique_ptr<Widget> widget, int32_t w, int32_t h) {
  Dialog* d = Dialog::FromHandle(dlg);
  if (!d) return false;
  widget->SetHints(w, h);
  d->Builder().Add(std::move(widget));
  return true;
}

Widget* DialogGadgetFamily::Find(GxaDialog* dlg, int32_t id) {
  Dialog* d = Dialog::FromHandle(dlg);
  return d ? d->Find(id) : nullptr;
}

bool DialogGadgetFamily::AddStaticText(GxaDialog* dlg, int32_t id, int32_t flags, int32_t w, int32_t h,
                                       const char* text, int32_t border) {
  return Add(dlg, std::make_unique<StaticText>(id, flags, Text(text), border), w, h);
}

bool DialogGadgetFamily::AddNumberField(GxaDialog* dlg, int32_t id, int32_t flags, int32_t w, int32_t h, bool arrows) {
  return Add(dlg, std::make_unique<NumberField>(id, flags, arrows), w, h);
}

bool DialogGadgetFamily::AddEditText(GxaDialog* dlg, int32_t id, int32_t flags, int32_t w, int32_t h) {
  return Add(dlg, std::make_unique<EditText>(id, flags), w, h);
}

bool DialogGadgetFamily::AddCheckbox(GxaDialog* dlg, int32_t id, int32_t flags, int32_t w, int32_t h,
                                     const char* name) {
  return Add(dlg, std::make_unique<CheckBox>(id, flags, Text(name)), w, h);
}

bool DialogGadgetFamily::AddButton(GxaDialog* dlg, int32_t id, int32_t flags, int32_t w, int32_t h, const char* name) {
  return Add(dlg, std::make_unique<Button>(id, flags, Text(name)), w, h);
}

bool DialogGadgetFamily::AddCombobox(GxaDialog* dlg, int32_t id, int32_t flags, int32_t w, int32_t h) {
  return Add(dlg, std::make_unique<ComboBox>(id, flags), w, h);
}

bool DialogGadgetFamily::AddChild(GxaDialog* dlg, int32_t id, int32_t childId, const char* text) {
  auto* combo = dynamic_cast<ComboBox*>(Find(dlg, id));
  if (!combo) return false;
  combo->AddChild(childId, Text(text));
  return true;
}

bool DialogGadgetFamily::AddSeparator(GxaDialog* dlg, int32_t flags, bool horizontal) {
  return Add(dlg, std::make_unique<Separator>(flags, horizontal), 0, 0);
}

bool DialogGadgetFamily::AddUserArea(GxaDialog* dlg, int32_t id, int32_t flags, int32_t w, int32_t h) {
  return Add(dlg, std::make_unique<UserAreaWidget>(id, flags), w, h);
}

bool DialogGadgetFamily::AttachUserArea(GxaDialog* dlg, int32_t id, GxaUserArea* ua, int32_t uaFlags) {
  auto* slot = dynamic_cast<UserAreaWidget*>(Find(dlg, id));
  UserArea* area = UserArea::FromHandle(ua);
  return slot && area && slot->Attach(*area, uaFlags);
}

bool DialogGadgetFamily::AddCustomGui(GxaDialog* dlg, int32_t id, int32_t pluginId, const char*, int32_t flags,
                                      int32_t w, int32_t h, const GxaContainer* settings) {
  Dialog* d = Dialog::FromHandle(dlg);
  if (!d) return false;
  static const Container kNone;
  const Container& s = settings ? *FromHandle(settings) : kNone;
  if (pluginId == FileNameField::kPluginId) return Add(dlg, std::make_unique<FileNameField>(id, flags), w, h);
  if (pluginId == BitmapButton::kPluginId) return Add(dlg, std::make_unique<BitmapButton>(id, flags, s), w, h);
  return AddModuleCustomGui(*d, id, pluginId, flags, w, h, settings);
}

bool DialogGadgetFamily::AddModuleCustomGui(Dialog& d, int32_t id, int32_t pluginId, int32_t flags, int32_t w,
                                            int32_t h, const GxaContainer* settings) {
  Host* host = Host::Current();
  CustomGuiPlugin* plugin = host ? host->Registrations().FindCustomGui(pluginId) : nullptr;
  if (!plugin) return false;
  static const Container kNone;
  Dialog* gui = Dialog::FromHandle(plugin->Allocate(settings ? *FromHandle(settings) : kNone));
  if (!gui) return false;
  auto slot = std::make_unique<SubDialogWidget>(id, flags);
  slot->SetHints(w, h);
  auto& added = static_cast<SubDialogWidget&>(d.Builder().Add(std::move(slot)));
  // The plug-in may be gone by the time the gadget is: look it up then.
  return added.Attach(*gui, [pluginId](Dialog& shown) {
    Host* h = Host::Current();
    if (CustomGuiPlugin* p = h ? h->Registrations().FindCustomGui(pluginId) : nullptr) {
      p->Free(shown.Handle(), shown.Delegate().UserPointer());
    }
  });
}

bool DialogGadgetFamily::AddSubDialog(GxaDialog* dlg, int32_t id, int32_t flags, int32_t w, int32_t h) {
  return Add(dlg, std::make_unique<SubDialogWidget>(id, flags), w, h);
}

bool DialogGadgetFamily::AttachSubDialog(GxaDialog* dlg, int32_t id, GxaDialog* sub) {
  auto* slot = dynamic_cast<SubDialogWidget*>(Find(dlg, id));
  Dialog* embedded = Dialog::FromHandle(sub);
  if (!slot || !embedded || embedded == Dialog::FromHandle(dlg)) return false;
  return slot->Attach(*embedded);
}

bool DialogGadgetFamily::SetInt32(GxaDialog* dlg, int32_t id, int32_t value, int32_t min, int32_t max, int32_t step,
                                  int32_t tristate) {
  Widget* w = Find(dlg, id);
  if (!w) return false;
  NumberSetting s;
  s.value = value, s.min = min, s.max = max, s.step = step, s.unit = GXA_UNIT_INT, s.integer = true;
  s.mixed = tristate == 1;
  return w->SetNumber(s);
}

bool DialogGadgetFamily::SetFloat(GxaDialog* dlg, int32_t id, double value, double min, double max, double step,
                                  int32_t unit, double inputMin, double inputMax, int32_t tristate) {
  Widget* w = Find(dlg, id);
  if (!w || !std::isfinite(value)) return false;
  NumberSetting s;
  s.value = value, s.min = min, s.max = max, s.step = step, s.unit = unit, s.integer = unit == GXA_UNIT_INT;
  s.inputMin = inputMin, s.inputMax = inputMax, s.mixed = tristate == 1;
  return w->SetNumber(s);
}

bool DialogGadgetFamily::SetString(GxaDialog* dlg, int32_t id, const char* text) {
  Widget* w = Find(dlg, id);
  return w && w->SetText(Text(text));
}

bool DialogGadgetFamily::SetBool(GxaDialog* dlg, int32_t id, bool value) {
  Widget* w = Find(dlg, id);
  return w && w->SetChecked(value);
}

bool DialogGadgetFamily::SetData(GxaDialog* dlg, int32_t id, const GxaData* value) {
  Widget* w = Find(dlg, id);
  return w && value && w->SetData(*FromHandle(value));
}

bool DialogGadgetFamily::GetInt32(GxaDialog* dlg, int32_t id, int32_t* out) {
  Widget* w = Find(dlg, id);
  const std::optional<double> v = w ? w->Number() : std::nullopt;
  if (!v || !out) return false;
  *out = int32_t(std::lround(*v));
  return true;
}

bool DialogGadgetFamily::GetFloat(GxaDialog* dlg, int32_t id, double* out) {
  Widget* w = Find(dlg, id);
  const std::optional<double> v = w ? w->Number() : std::nullopt;
  if (!v || !out) return false;
  *out = *v;
  return true;
}

int64_t DialogGadgetFamily::GetString(GxaDialog* dlg, int32_t id, char* buf, size_t cap) {
  Widget* w = Find(dlg, id);
  const std::optional<std::string> t = w ? w->Text() : std::nullopt;
  if (!t) {
    WriteText("", buf, cap);
    return -1;
  }
  return WriteText(*t, buf, cap);
}

bool DialogGadgetFamily::GetBool(GxaDialog* dlg, int32_t id, bool* out) {
  Widget* w = Find(dlg, id);
  const std::optional<bool> v = w ? w->Checked() : std::nullopt;
  if (!v || !out) return false;
  *out = *v;
  return true;
}

bool DialogGadgetFamily::GetData(GxaDialog* dlg, int32_t id, GxaData* out) {
  Widget* w = Find(dlg, id);
  std::optional<Value> v = w ? w->Data() : std::nullopt;
  if (!v || !out) return false;
  *FromHandle(out) = std::move(*v);
  return true;
}

bool DialogGadgetFamily::Enable(GxaDialog* dlg, int32_t id, bool enabled) {
  Widget* w = Find(dlg, id);
  if (!w) return false;
  w->SetEnabled(enabled);
  return true;
}

bool DialogGadgetFamily::IsEnabled(GxaDialog* dlg, int32_t id) {
  Widget* w = Find(dlg, id);
  return w && w->IsEnabled();
}

bool DialogGadgetFamily::Hide(GxaDialog* dlg, int32_t id, bool hidden) {
  Widget* w = Find(dlg, id);
  if (!w) return false;
  w->SetHidden(hidden);
  return true;
}

bool DialogGadgetFamily::SetFocus(GxaDialog* dlg, int32_t id) {
  Widget* w = Find(dlg, id);
  if (!w || !w->AcceptsFocus()) return false;
  Gui::Get().GetScreen().Router().SetFocus(w);
  return true;
}

}  // namespace host

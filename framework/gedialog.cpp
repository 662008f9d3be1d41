#include "gedialog.h"

#include "entryguard.h"
#include "gedata.h"
#include "geuserarea.h"
#include "hostaccess.h"
#include "hosttext.h"

namespace
{
const GxaDialogFns* Fns()
{
  return HostDialogs();
}

GeDialog* Self(void* user)
{
  return static_cast<GeDialog*>(user);
}

// Messages come in const; the alias is only ever handed on as const.
BaseContainer ConstAlias(const GxaContainer* c)
{
  return BaseContainer::Alias(const_cast<GxaContainer*>(c));
}
}  // namespace

const GxaDialogCallbacks GeDialog::kCallbacks = {
    sizeof(GxaDialogCallbacks), &GeDialog::OnDestroyed, &GeDialog::OnCreateLayout, &GeDialog::OnInitValues,
    &GeDialog::OnCoreMessage,   &GeDialog::OnCommand,   &GeDialog::OnAskClose,     &GeDialog::OnTimer,
    &GeDialog::OnDestroyWindow, &GeDialog::OnMessage,
};

GeDialog::GeDialog()
{
  const GxaDialogFns* fns = Fns();
  if (GXA_HAS(fns, create))
    _dlg = fns->create(&kCallbacks, static_cast<GeDialog*>(this));
}

GeDialog::~GeDialog()
{
  GxaDialog* dlg = _dlg;
  _dlg = nullptr;
  const GxaDialogFns* fns = Fns();
  if (dlg && GXA_HAS(fns, destroy))
    fns->destroy(dlg);
}

bool GeDialog::CreateLayout()
{
  return true;
}

bool GeDialog::InitValues()
{
  return true;
}

bool GeDialog::CoreMessage(std::int32_t, const BaseContainer&)
{
  return true;
}

bool GeDialog::Command(std::int32_t, const BaseContainer&)
{
  return true;
}

bool GeDialog::AskClose()
{
  return false;
}

void GeDialog::Timer(const BaseContainer&) {}

void GeDialog::DestroyWindow() {}

std::int32_t GeDialog::Message(const BaseContainer& msg, BaseContainer& result)
{
  return DefaultMessage(msg, result);
}

std::int32_t GeDialog::DefaultMessage(const BaseContainer& msg, BaseContainer& result)
{
  const GxaDialogFns* fns = Fns();
  return _dlg && GXA_HAS(fns, default_message) ? fns->default_message(_dlg, msg.Get(), result.Get()) : 0;
}

GeDialog* GeDialog::FromHandle(GxaDialog* dlg)
{
  const GxaDialogFns* fns = Fns();
  return dlg && GXA_HAS(fns, user_of) ? Self(fns->user_of(dlg)) : nullptr;
}

std::int32_t GeDialog::GetId() const
{
  const GxaDialogFns* fns = Fns();
  return _dlg && GXA_HAS(fns, gadget_id) ? fns->gadget_id(_dlg) : 0;
}

bool GeDialog::SendParentMessage(const BaseContainer& msg)
{
  const GxaDialogFns* fns = Fns();
  return _dlg && msg.IsValid() && GXA_HAS(fns, send_parent_message) && fns->send_parent_message(_dlg, msg.Get());
}

void GeDialog::Close()
{
  const GxaDialogFns* fns = Fns();
  if (_dlg && GXA_HAS(fns, close))
    fns->close(_dlg);
}

// ------------------------------------------------------------- trampolines

void GeDialog::OnDestroyed(void* user)
{
  Self(user)->_dlg = nullptr;
}

bool GeDialog::OnCreateLayout(void* user)
{
  GeDialog* self = Self(user);
  self->_building = true;
  const bool made = GuardEntry("GeDialog::CreateLayout()", false, [&] { return self->CreateLayout(); });
  self->_building = false;
  return made;
}

bool GeDialog::OnInitValues(void* user)
{
  return GuardEntry("GeDialog::InitValues()", false, [&] { return Self(user)->InitValues(); });
}

bool GeDialog::OnCoreMessage(void* user, std::int32_t id, const GxaContainer* msg)
{
  return GuardEntry("GeDialog::CoreMessage()", false, [&] { return Self(user)->CoreMessage(id, ConstAlias(msg)); });
}

bool GeDialog::OnCommand(void* user, std::int32_t id, const GxaContainer* msg)
{
  return GuardEntry("GeDialog::Command()", false, [&] { return Self(user)->Command(id, ConstAlias(msg)); });
}

bool GeDialog::OnAskClose(void* user)
{
  return GuardEntry("GeDialog::AskClose()", false, [&] { return Self(user)->AskClose(); });
}

void GeDialog::OnTimer(void* user, const GxaContainer* msg)
{
  GuardEntry("GeDialog::Timer()", [&] { Self(user)->Timer(ConstAlias(msg)); });
}

void GeDialog::OnDestroyWindow(void* user)
{
  GuardEntry("GeDialog::DestroyWindow()", [&] { Self(user)->DestroyWindow(); });
}

std::int32_t GeDialog::OnMessage(void* user, const GxaContainer* msg, GxaContainer* result)
{
  GeDialog* self = Self(user);
  if (self->_building && msg && ConstAlias(msg).GetId() == GXA_MSG_LAYOUT_CHANGED)
    return std::int32_t(1);
  return GuardEntry("GeDialog::Message()", std::int32_t(0), [&] {
    BaseContainer answer = BaseContainer::Alias(result);
    return self->Message(ConstAlias(msg), answer);
  });
}

// ----------------------------------------------------------------- layout

// Each helper calls one host entry with the dialog first, false when either is missing.
#define GXA_DLG_CALL(entry, ...)   \
  const GxaDialogFns* fns = Fns(); \
  return _dlg && GXA_HAS(fns, entry) && fns->entry(_dlg __VA_OPT__(, ) __VA_ARGS__)

bool GeDialog::GroupBegin(std::int32_t id, std::int32_t flags, std::int32_t cols, std::int32_t rows,
                          const String& title, std::int32_t groupFlags)
{
  GXA_DLG_CALL(group_begin, id, flags, cols, rows, title.GetCString(), groupFlags);
}

bool GeDialog::GroupEnd()
{
  GXA_DLG_CALL(group_end);
}

bool GeDialog::GroupSpace(std::int32_t x, std::int32_t y)
{
  GXA_DLG_CALL(group_space, x, y);
}

bool GeDialog::GroupBorderSpace(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom)
{
  GXA_DLG_CALL(group_border_space, left, top, right, bottom);
}

bool GeDialog::GroupBorder(std::int32_t border)
{
  GXA_DLG_CALL(group_border, border);
}

bool GeDialog::ScrollGroupBegin(std::int32_t id, std::int32_t flags, std::int32_t scrollFlags)
{
  GXA_DLG_CALL(scroll_group_begin, id, flags, scrollFlags);
}

bool GeDialog::SetSizeHints(std::int32_t id, std::int32_t w, std::int32_t h)
{
  GXA_DLG_CALL(set_size_hints, id, w, h);
}

bool GeDialog::LayoutFlushGroup(std::int32_t id)
{
  const GxaDialogFns* fns = Fns();
  if (!_dlg || !GXA_HAS(fns, layout_flush_group) || !fns->layout_flush_group(_dlg, id))
    return false;
  _building = true;
  return true;
}

bool GeDialog::LayoutChanged(std::int32_t id)
{
  _building = false;
  GXA_DLG_CALL(layout_changed, id);
}

bool GeDialog::GetVisibleArea(std::int32_t scrollId, std::int32_t& x1, std::int32_t& y1, std::int32_t& x2,
                              std::int32_t& y2)
{
  GXA_DLG_CALL(get_visible_area, scrollId, &x1, &y1, &x2, &y2);
}

bool GeDialog::SetVisibleArea(std::int32_t scrollId, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
  GXA_DLG_CALL(set_visible_area, scrollId, x1, y1, x2, y2);
}

bool GeDialog::AddStaticText(std::int32_t id, std::int32_t flags, std::int32_t w, std::int32_t h, const String& text,
                             std::int32_t border)
{
  GXA_DLG_CALL(add_static_text, id, flags, w, h, text.GetCString(), border);
}

bool GeDialog::AddEditNumber(std::int32_t id, std::int32_t flags, std::int32_t w, std::int32_t h)
{
  GXA_DLG_CALL(add_number_field, id, flags, w, h, false);
}

bool GeDialog::AddEditNumberArrows(std::int32_t id, std::int32_t flags, std::int32_t w, std::int32_t h)
{
  GXA_DLG_CALL(add_number_field, id, flags, w, h, true);
}

bool GeDialog::AddEditText(std::int32_t id, std::int32_t flags, std::int32_t w, std::int32_t h)
{
  GXA_DLG_CALL(add_edit_text, id, flags, w, h);
}

bool GeDialog::AddCheckbox(std::int32_t id, std::int32_t flags, std::int32_t w, std::int32_t h, const String& name)
{
  GXA_DLG_CALL(add_checkbox, id, flags, w, h, name.GetCString());
}

bool GeDialog::AddButton(std::int32_t id, std::int32_t flags, std::int32_t w, std::int32_t h, const String& name)
{
  GXA_DLG_CALL(add_button, id, flags, w, h, name.GetCString());
}

bool GeDialog::AddComboBox(std::int32_t id, std::int32_t flags, std::int32_t w, std::int32_t h)
{
  GXA_DLG_CALL(add_combobox, id, flags, w, h);
}

bool GeDialog::AddChild(std::int32_t id, std::int32_t childId, const String& text)
{
  GXA_DLG_CALL(add_child, id, childId, text.GetCString());
}

bool GeDialog::AddSeparatorH(std::int32_t flags)
{
  GXA_DLG_CALL(add_separator, flags, true);
}

bool GeDialog::AddSeparatorV(std::int32_t flags)
{
  GXA_DLG_CALL(add_separator, flags, false);
}

bool GeDialog::AddUserArea(std::int32_t id, std::int32_t flags, std::int32_t w, std::int32_t h)
{
  GXA_DLG_CALL(add_user_area, id, flags, w, h);
}

bool GeDialog::AttachUserArea(GeUserArea& area, std::int32_t id, std::int32_t areaFlags)
{
  GxaUserArea* ua = area.GetHandle();
  if (!ua)
    return false;
  GXA_DLG_CALL(attach_user_area, id, ua, areaFlags);
}

bool GeDialog::AddCustomGui(std::int32_t id, std::int32_t pluginId, const String& name, std::int32_t flags,
                            std::int32_t w, std::int32_t h, const BaseContainer& settings)
{
  GXA_DLG_CALL(add_custom_gui, id, pluginId, name.GetCString(), flags, w, h, settings.Get());
}

bool GeDialog::AddSubDialog(std::int32_t id, std::int32_t flags, std::int32_t w, std::int32_t h)
{
  GXA_DLG_CALL(add_sub_dialog, id, flags, w, h);
}

bool GeDialog::AttachSubDialog(GeDialog& sub, std::int32_t id)
{
  GxaDialog* handle = sub.GetHandle();
  if (!handle)
    return false;
  GXA_DLG_CALL(attach_sub_dialog, id, handle);
}

// ----------------------------------------------------------------- values

bool GeDialog::SetInt32(std::int32_t id, std::int32_t value, std::int32_t min, std::int32_t max, std::int32_t step,
                        bool tristate)
{
  GXA_DLG_CALL(set_int32, id, value, min, max, step, tristate ? 1 : 0);
}

bool GeDialog::SetFloat(std::int32_t id, double value, double min, double max, double step, std::int32_t unit,
                        bool tristate)
{
  return SetFloat(id, value, min, max, step, unit, min, max, tristate);
}

bool GeDialog::SetFloat(std::int32_t id, double value, double min, double max, double step, std::int32_t unit,
                        double inputMin, double inputMax, bool tristate)
{
  GXA_DLG_CALL(set_float, id, value, min, max, step, unit, inputMin, inputMax, tristate ? 1 : 0);
}

bool GeDialog::SetString(std::int32_t id, const String& text)
{
  GXA_DLG_CALL(set_string, id, text.GetCString());
}

bool GeDialog::SetBool(std::int32_t id, bool value)
{
  GXA_DLG_CALL(set_bool, id, value);
}

bool GeDialog::SetData(std::int32_t id, const GeData& value)
{
  if (!value.IsValid())
    return false;
  GXA_DLG_CALL(set_data, id, value.Get());
}

bool GeDialog::GetInt32(std::int32_t id, std::int32_t& out) const
{
  GXA_DLG_CALL(get_int32, id, &out);
}

bool GeDialog::GetFloat(std::int32_t id, double& out) const
{
  GXA_DLG_CALL(get_float, id, &out);
}

bool GeDialog::GetString(std::int32_t id, String& out) const
{
  const GxaDialogFns* fns = Fns();
  if (!_dlg || !GXA_HAS(fns, get_string))
    return false;
  auto text = ReadHostText([&](char* buf, std::size_t cap) { return fns->get_string(_dlg, id, buf, cap); });
  if (!text)
    return false;
  out = std::move(*text);
  return true;
}

bool GeDialog::GetBool(std::int32_t id, bool& out) const
{
  GXA_DLG_CALL(get_bool, id, &out);
}

bool GeDialog::GetData(std::int32_t id, GeData& out) const
{
  if (!out.IsValid())
    return false;
  GXA_DLG_CALL(get_data, id, out.Get());
}

bool GeDialog::Enable(std::int32_t id, bool enabled)
{
  GXA_DLG_CALL(enable, id, enabled);
}

bool GeDialog::IsEnabled(std::int32_t id) const
{
  GXA_DLG_CALL(is_enabled, id);
}

bool GeDialog::HideElement(std::int32_t id, bool hidden)
{
  GXA_DLG_CALL(hide, id, hidden);
}

bool GeDialog::Activate(std::int32_t id)
{
  GXA_DLG_CALL(set_focus, id);
}

void GeDialog::SetDragDestination(std::int32_t cursor)
{
  const GxaDialogFns* fns = Fns();
  if (_dlg && GXA_HAS(fns, set_drag_destination))
    fns->set_drag_destination(_dlg, cursor);
}

#undef GXA_DLG_CALL

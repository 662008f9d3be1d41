#include "gui/dialogfamily.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "core/handles.h"
#include "core/textout.h"
#include "gui/callbackdialogdelegate.h"
#include "gui/dialog.h"
#include "gui/dialoggadgetfamily.h"
#include "gui/gui.h"
#include "gui/layer.h"
#include "gui/scrollgroup.h"

namespace host {

namespace {

std::string Text(const char* s) { return s ? std::string(s) : std::string(); }

ScrollGroup* FindScroll(Dialog& d, int32_t id) {
  Widget* w = d.Find(id);
  ScrollGroup* scroll = w ? w->AsScrollGroup() : nullptr;
  if (scroll) {
    if (Layer* layer = scroll->OwnerLayer()) layer->EnsureLayout();
  }
  return scroll;
}

}  // namespace

Dialog* DialogFamily::Resolve(GxaDialog* handle) { return Dialog::FromHandle(handle); }

GxaDialog* DialogFamily::Create(const GxaDialogCallbacks* callbacks, void* user) {
  auto* dialog = new Dialog(std::make_unique<CallbackDialogDelegate>(callbacks, user));
  return dialog->Handle();
}

void DialogFamily::Destroy(GxaDialog* dlg) { delete Resolve(dlg); }

void* DialogFamily::UserOf(GxaDialog* dlg) {
  Dialog* d = Resolve(dlg);
  return d ? d->Delegate().UserPointer() : nullptr;
}

int32_t DialogFamily::GadgetId(GxaDialog* dlg) {
  Dialog* d = Resolve(dlg);
  return d ? d->GadgetId() : 0;
}

bool DialogFamily::OpenModal(GxaDialog* dlg, const char* title, int32_t width, int32_t height) {
  Dialog* d = Resolve(dlg);
  if (!d || d->HostWidget()) return false;
  return Gui::Get().Dialogs().RunModal(*d, Text(title), {std::max(0, width), std::max(0, height)});
}

void DialogFamily::Close(GxaDialog* dlg) {
  if (Dialog* d = Resolve(dlg)) d->Close();
}

int32_t DialogFamily::DefaultMessage(GxaDialog* dlg, const GxaContainer* msg, GxaContainer* result) {
  Dialog* d = Resolve(dlg);
  if (!d || !msg) return 0;
  Container scratch;
  return d->DefaultMessage(*FromHandle(msg), result ? *FromHandle(result) : scratch);
}

bool DialogFamily::SendParentMessage(GxaDialog* dlg, const GxaContainer* msg) {
  Dialog* d = Resolve(dlg);
  return d && msg && d->SendParentMessage(*FromHandle(msg));
}

bool DialogFamily::GroupBegin(GxaDialog* dlg, int32_t id, int32_t flags, int32_t cols, int32_t rows, const char* title,
                              int32_t groupFlags) {
  Dialog* d = Resolve(dlg);
  if (!d) return false;
  auto group = std::make_unique<Group>(id, flags, std::max(0, cols), std::max(0, rows));
  if (title && *title) group->SetTitle(title);
  if (groupFlags & GXA_GROUP_BORDER_GROUP) group->SetBorder(true);
  d->Builder().Begin(std::move(group));
  return true;
}

bool DialogFamily::GroupEnd(GxaDialog* dlg) {
  Dialog* d = Resolve(dlg);
  return d && d->Builder().End();
}

bool DialogFamily::GroupSpace(GxaDialog* dlg, int32_t x, int32_t y) {
  Dialog* d = Resolve(dlg);
  if (!d) return false;
  d->Builder().Current().SetSpacing(std::max(0, x), std::max(0, y));
  return true;
}

bool DialogFamily::GroupBorderSpace(GxaDialog* dlg, int32_t left, int32_t top, int32_t right, int32_t bottom) {
  Dialog* d = Resolve(dlg);
  if (!d) return false;
  d->Builder().Current().SetBorderSpace({std::max(0, left), std::max(0, top), std::max(0, right), std::max(0, bottom)});
  return true;
}

bool DialogFamily::GroupBorder(GxaDialog* dlg, int32_t border) {
  Dialog* d = Resolve(dlg);
  if (!d) return false;
  d->Builder().Current().SetBorder(border != GXA_GROUP_BORDER_NONE);
  return true;
}

bool DialogFamily::ScrollGroupBegin(GxaDialog* dlg, int32_t id, int32_t flags, int32_t scrollFlags) {
  Dialog* d = Resolve(dlg);
  if (!d) return false;
  d->Builder().Begin(std::make_unique<ScrollGroup>(id, flags, scrollFlags));
  return true;
}

bool DialogFamily::LayoutFlushGroup(GxaDialog* dlg, int32_t id) {
  Dialog* d = Resolve(dlg);
  return d && d->FlushGroup(id);
}

bool DialogFamily::LayoutChanged(GxaDialog* dlg, int32_t id) {
  Dialog* d = Resolve(dlg);
  return d && d->LayoutChanged(id);
}

bool DialogFamily::GetVisibleArea(GxaDialog* dlg, int32_t id, int32_t* x1, int32_t* y1, int32_t* x2, int32_t* y2) {
  Dialog* d = Resolve(dlg);
  ScrollGroup* scroll = d ? FindScroll(*d, id) : nullptr;
  if (!scroll) return false;
  const Rect r = scroll->VisibleArea();
  if (x1) *x1 = r.x;
  if (y1) *y1 = r.y;
  if (x2) *x2 = r.Right() - 1;
  if (y2) *y2 = r.Bottom() - 1;
  return true;
}

bool DialogFamily::SetVisibleArea(GxaDialog* dlg, int32_t id, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  Dialog* d = Resolve(dlg);
  ScrollGroup* scroll = d ? FindScroll(*d, id) : nullptr;
  if (!scroll) return false;
  // Scroll as little as shows the area; one larger than the view shows its top left.
  const Rect view = scroll->VisibleArea();
  Point o{view.x, view.y};
  const int right = std::max(x1, x2), bottom = std::max(y1, y2), left = std::min(x1, x2), top = std::min(y1, y2);
  if (right - left + 1 > view.w || left < view.x) o.x = left;
  else if (right >= view.Right()) o.x = right - view.w + 1;
  if (bottom - top + 1 > view.h || top < view.y) o.y = top;
  else if (bottom >= view.Bottom()) o.y = bottom - view.h + 1;
  scroll->ScrollTo(o);
  return true;
}

bool DialogFamily::SetSizeHints(GxaDialog* dlg, int32_t id, int32_t w, int32_t h) {
  Dialog* d = Resolve(dlg);
  Widget* widget = d ? d->Find(id) : nullptr;
  if (!widget) return false;
  widget->SetHints(w, h);
  return true;
}

void DialogFamily::SetDragDestination(GxaDialog* dlg, int32_t cursor) {
  if (Dialog* d = Resolve(dlg)) d->SetDragDestinationCursor(cursor);
}

bool DialogFamily::ColorDialog(double rgba[4], bool withAlpha, const char* title, int32_t profileMode) {
  if (!rgba) return false;
  std::array<double, 4> c{rgba[0], rgba[1], rgba[2], rgba[3]};
  if (!Gui::Get().Dialogs().Color(c, withAlpha, title && *title ? title : "Color", profileMode)) return false;
  std::copy(c.begin(), c.end(), rgba);
  return true;
}

bool DialogFamily::Question(const char* text) { return Gui::Get().Dialogs().Question(Text(text)); }

void DialogFamily::MessageBox(const char* text) { Gui::Get().Dialogs().MessageBox(Text(text)); }

bool DialogFamily::TextPrompt(const char* title, const char* label, char* buf, size_t cap, const char* checkLabel,
                              bool* check) {
  const std::string initial = buf && cap > 0 ? std::string(buf, strnlen(buf, cap)) : std::string();
  std::optional<TextReply> reply =
      Gui::Get().Dialogs().TextPrompt(Text(title), Text(label), initial, Text(checkLabel), check && *check);
  if (!reply) return false;
  WriteText(reply->text, buf, cap);
  if (check) *check = reply->check;
  return true;
}

const GxaDialogFns* DialogFamily::Table() {
  using G = DialogGadgetFamily;
  static const GxaDialogFns table = {
      sizeof(GxaDialogFns),
      &Create,
      &Destroy,
      &UserOf,
      &GadgetId,
      &OpenModal,
      &Close,
      &DefaultMessage,
      &SendParentMessage,
      &GroupBegin,
      &GroupEnd,
      &GroupSpace,
      &GroupBorderSpace,
      &GroupBorder,
      &ScrollGroupBegin,
      &G::AddStaticText,
      &G::AddNumberField,
      &G::AddEditText,
      &G::AddCheckbox,
      &G::AddButton,
      &G::AddCombobox,
      &G::AddChild,
      &G::AddSeparator,
      &G::AddUserArea,
      &G::AttachUserArea,
      &G::AddCustomGui,
      &G::AddSubDialog,
      &G::AttachSubDialog,
      &LayoutFlushGroup,
      &LayoutChanged,
      &GetVisibleArea,
      &SetVisibleArea,
      &G::SetInt32,
      &G::SetFloat,
      &G::SetString,
      &G::SetBool,
      &G::SetData,
      &G::GetInt32,
      &G::GetFloat,
      &G::GetString,
      &G::GetBool,
      &G::GetData,
      &G::Enable,
      &G::IsEnabled,
      &G::Hide,
      &G::SetFocus,
      &SetDragDestination,
      &ColorDialog,
      &Question,
      &MessageBox,
      &TextPrompt,
      &SetSizeHints,
  };
  return &table;
}

}  // namespace host

#include "gemodaldialog.h"

#include "hostaccess.h"

bool GeModalDialog::Open(const String& title, std::int32_t width, std::int32_t height)
{
  _result = false;
  const GxaDialogFns* fns = HostDialogs();
  if (!GetHandle() || !GXA_HAS(fns, open_modal))
    return false;
  fns->open_modal(GetHandle(), title.GetCString(), width, height);
  return _result;
}

void GeModalDialog::CloseWith(bool confirmed)
{
  _result = confirmed;
  Close();
}

bool GeModalDialog::Command(std::int32_t id, const BaseContainer&)
{
  if (id == kOkButton && Confirm())
    CloseWith(true);
  else if (id == kCancelButton)
    CloseWith(false);
  return true;
}

bool GeModalDialog::Confirm()
{
  return true;
}

bool GeModalDialog::AddOkCancelButtons()
{
  // Right-aligned row, as the host's own dialogs place them.
  bool ok = GroupBegin(0, GXA_ALIGN_RIGHT | GXA_ALIGN_BOTTOM, 2, 1);
  ok = AddButton(kOkButton, GXA_ALIGN_RIGHT, 0, 0, "OK") && ok;
  ok = AddButton(kCancelButton, GXA_ALIGN_RIGHT, 0, 0, "Cancel") && ok;
  return GroupEnd() && ok;
}

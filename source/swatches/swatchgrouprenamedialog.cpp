#include "swatches/swatchgrouprenamedialog.h"

#include "moduleresource.h"
#include "swatches/colorswatchgroup.h"

namespace
{
constexpr std::int32_t kOuterFlags = 57;
constexpr std::int32_t kInnerFlags = 63;
constexpr std::int32_t kFieldFlags = 56;
constexpr std::int32_t kFieldMinWidth = 80;
constexpr std::int32_t kStringGlobal = 20109;

bool g_globalChosen = false;
}  // namespace

SwatchGroupRenameDialog::SwatchGroupRenameDialog(const String& name, bool showGlobalOption)
    : _name(name), _showGlobal(showGlobalOption)
{}

bool SwatchGroupRenameDialog::IsGlobalChosen()
{
  return g_globalChosen;
}

void SwatchGroupRenameDialog::SetGlobalChosen(bool global)
{
  g_globalChosen = global;
}

bool SwatchGroupRenameDialog::Ask(const String& title)
{
  return Open(title);
}

bool SwatchGroupRenameDialog::CreateLayout()
{
  bool ok = GroupBegin(0, kOuterFlags, 1, 0);
  ok = GroupBorderSpace(6, 10, 6, 6) && ok;
  ok = GroupSpace(0, 10) && ok;
  ok = GroupBegin(0, kInnerFlags, 1, 0) && ok;
  if (_showGlobal)
    ok = AddCheckbox(kGlobalBox, 0, 0, 0, ModuleResource::LoadString(kStringGlobal)) && ok;
  ok = AddEditText(kNameField, kFieldFlags, kFieldMinWidth, 0) && ok;
  ok = GroupEnd() && ok;
  ok = AddOkCancelButtons() && ok;
  return GroupEnd() && ok;
}

bool SwatchGroupRenameDialog::InitValues()
{
  SetString(kNameField, _name);
  if (_showGlobal)
    SetBool(kGlobalBox, g_globalChosen);
  return true;
}

bool SwatchGroupRenameDialog::Confirm()
{
  String name;
  GetString(kNameField, name);
  _name = name.IsBlank() ? ColorSwatchGroup::DefaultName() : name;
  bool global = g_globalChosen;
  if (_showGlobal && GetBool(kGlobalBox, global))
    g_globalChosen = global;
  return true;
}

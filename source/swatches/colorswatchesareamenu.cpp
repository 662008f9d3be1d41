// The swatches area's keys and context menu.
#include "chooserids.h"
#include "diagnostics.h"
#include "gedata.h"
#include "hostdialogs.h"
#include "hostservices.h"
#include "moduleresource.h"
#include "swatches/colorswatchesarea.h"
#include "swatches/swatchgrouprenamedialog.h"
#include "swatches/swatchpresetcommands.h"
#include "utils/chooserview.h"
#include "utils/colorvisionmenu.h"
#include "utils/menutext.h"

namespace
{
enum MenuId : std::int32_t
{
  kMenuNewGroup = 900000,
  kMenuNewFromCopy = 900001,
  kMenuNewFromMove = 900002,
  kMenuEditColor = 900003,
  kMenuRename = 900004,
  kMenuSaveSelection = 900005,
  kMenuRemoveDuplicates = 900006,
  kMenuSort = 900007,
  kMenuSaveGroup = 900008,
  kMenuRemoveEmpty = 900009,
  kMenuDelete = 900010,
  kMenuCopyToOther = 900011,
  kMenuNames = 900013,
  kMenuSmall = 900014,
  kMenuMedium = 900015,
  kMenuLarge = 900016
};
constexpr std::int32_t kMenuSeparator = 0;
constexpr std::int32_t kAtMouse = 0x7fffffff;
constexpr std::int32_t kMenuFlags = 72;

constexpr std::int32_t kStringEditColor = 20065;
constexpr std::int32_t kStringNewGroup = 20067;
constexpr std::int32_t kStringNewFromCopy = 20069;
constexpr std::int32_t kStringNewFromMove = 20070;
constexpr std::int32_t kStringCopyToDocument = 20084;
constexpr std::int32_t kStringCopyToGlobal = 20110;
constexpr std::int32_t kStringRename = 20071;
constexpr std::int32_t kStringRenameTitle = 20062;
constexpr std::int32_t kStringSort = 20072;
constexpr std::int32_t kStringSaveGroup = 20080;
constexpr std::int32_t kStringRemoveDuplicates = 20077;
constexpr std::int32_t kStringDeleteGroup = 20073;
constexpr std::int32_t kStringDeleteSelection = 20063;
constexpr std::int32_t kStringSaveSelection = 20081;
constexpr std::int32_t kStringRemoveEmpty = 20074;
constexpr std::int32_t kStringRemoveEmptyQuestion = 20075;
constexpr std::int32_t kStringDeleteQuestion = 20064;
constexpr std::int32_t kStringNames = 20076;
constexpr std::int32_t kStringSmall = 20059;
constexpr std::int32_t kStringMedium = 20060;
constexpr std::int32_t kStringLarge = 20061;

constexpr std::int32_t kGlobalChangeEvent = 604;

void AddEntry(BaseContainer& menu, std::int32_t id, const String& text)
{
  menu.InsertData(id, GeData(text));
}
}  // namespace

// -------------------------------------------------------------------- keys

Result<bool> ColorSwatchesArea::KeyDown(std::int32_t key, std::int32_t qualifiers)
{
  const bool control = (qualifiers & GXA_QUALIFIER_CTRL) != 0;
  if (key == GXA_KEY_BACKSPACE || key == GXA_KEY_DELETE)
  {
    RETURN_IF_ERROR(DeleteSelectionAsked());
    return true;
  }
  if (!control)
    return false;
  switch (key)
  {
    case 'N': RETURN_IF_ERROR(NewGroupFromSelection((qualifiers & GXA_QUALIFIER_ALT) != 0)); return true;
    case 'G': RETURN_IF_ERROR(ToggleNames()); return true;
    case '1':
    case '2':
    case '3': RETURN_IF_ERROR(SetCellSizeMode(key - '1')); return true;
    default: return false;
  }
}

Result<void> ColorSwatchesArea::SetCellSizeMode(std::int32_t mode)
{
  BaseContainer prefs = GetWorldPreferences();
  if (!prefs.IsValid())
    return UnexpectedError("The world preferences are missing.");
  if (prefs.GetInt32(kPrefCellSize, 0) == mode)
    return Ok();
  prefs.SetInt32(kPrefCellSize, mode);
  FollowCellSize();
  PostEvent(chooser::kBroadcastEvent, kEventCellSize, GetSenderId());
  PostEvent(kGlobalChangeEvent, 0, 0);
  return Ok();
}

Result<void> ColorSwatchesArea::ToggleNames()
{
  BaseContainer prefs = GetWorldPreferences();
  if (!prefs.IsValid())
    return UnexpectedError("The world preferences are missing.");
  prefs.SetBool(kPrefNames, !_names);
  FollowNames();
  PostEvent(chooser::kBroadcastEvent, kEventNames, GetSenderId());
  PostEvent(kGlobalChangeEvent, 0, 0);
  return Ok();
}

Result<void> ColorSwatchesArea::DeleteSelectionAsked()
{
  if (!HasSelection() || !ShowQuestion(ModuleResource::LoadString(kStringDeleteQuestion)))
    return Ok();
  _selection->DeleteSelection();
  return Changed();
}

// -------------------------------------------------------------------- menu

Result<void> ColorSwatchesArea::ShowMenu(const BaseContainer& msg)
{
  std::int32_t x = msg.GetInt32(GXA_INPUT_X), y = msg.GetInt32(GXA_INPUT_Y);
  if (!Global2Local(x, y))
  {
    ReportError("ColorSwatchesArea::MouseDown()", "Global2Local() failed");
    return Ok();
  }
  _layout.Build(*_data, GetWidth(), _cell, _title);
  const SwatchGridLayout::Hit hit = _layout.HitTest(x, y);
  // The clicked item is selected first, and saved like any other selection,
  // so that it outlives a dismissed menu and the next relayout.
  const bool swatch = hit.kind == SwatchGridLayout::HitKind::Swatch && !GroupAt(hit)->IsColorSelected(hit.swatch);
  const bool title = hit.kind == SwatchGridLayout::HitKind::Title && !GroupAt(hit)->IsSelected();
  if (swatch || title)
  {
    _selection->SelectOnly({hit.collection, hit.group, swatch ? hit.swatch : -1});
    RETURN_IF_ERROR(Changed());
  }
  else
  {
    Redraw();
  }
  const BaseContainer menu = BuildMenu(hit);
  if (!menu.IsValid())
    return OutOfMemoryError("swatches menu");
  return ChooseMenuEntry(ShowPopupMenu(kAtMouse, kAtMouse, menu, kMenuFlags), hit);
}

BaseContainer ColorSwatchesArea::BuildMenu(const SwatchGridLayout::Hit& hit) const
{
  BaseContainer menu;
  const bool onSwatch = hit.kind == SwatchGridLayout::HitKind::Swatch;
  const bool onGroup = hit.kind == SwatchGridLayout::HitKind::Title;
  const ColorSwatchGroup* group = GroupAt(hit);
  const bool selected = HasSelection();
  if (onSwatch)
    AddEntry(menu, kMenuEditColor, MenuText(kStringEditColor));
  AddEntry(menu, kMenuNewGroup, MenuText(kStringNewGroup));
  AddEntry(menu, kMenuNewFromCopy, MenuText(kStringNewFromCopy, !selected));
  AddEntry(menu, kMenuNewFromMove, MenuText(kStringNewFromMove, !selected));
  AddEntry(menu, kMenuSeparator, String());
  const bool global = hit.collection == iColorSwatchData::kGlobal;
  AddEntry(menu, kMenuCopyToOther, MenuText(global ? kStringCopyToDocument : kStringCopyToGlobal, !group));
  if (onGroup)
  {
    AddEntry(menu, kMenuRename, MenuText(kStringRename));
    AddEntry(menu, kMenuSort, MenuText(kStringSort));
    AddEntry(menu, kMenuSaveGroup, MenuText(kStringSaveGroup, group->GetCount() == 0));
    AddEntry(menu, kMenuRemoveDuplicates, MenuText(kStringRemoveDuplicates, !group->HasDuplicates()));
  }
  AddEntry(menu, kMenuDelete, MenuText(onGroup ? kStringDeleteGroup : kStringDeleteSelection));
  if (!onGroup)
    AddEntry(menu, kMenuSaveSelection, MenuText(kStringSaveSelection, !selected));
  AddEntry(menu, kMenuSeparator, String());
  AddEntry(menu, kMenuRemoveEmpty, MenuText(kStringRemoveEmpty, !_selection->HasEmptyGroup()));
  AddEntry(menu, kMenuSeparator, String());
  AddEntry(menu, kMenuNames, MenuText(kStringNames, false, _names));
  AddEntry(menu, kMenuSmall, MenuText(kStringSmall, false, _sizeMode == 0));
  AddEntry(menu, kMenuMedium, MenuText(kStringMedium, false, _sizeMode == 1));
  AddEntry(menu, kMenuLarge, MenuText(kStringLarge, false, _sizeMode == 2));
  ColorVisionMenu::Append(menu, _chooser.GetState());
  return menu;
}

Result<void> ColorSwatchesArea::ChooseMenuEntry(std::int32_t id, const SwatchGridLayout::Hit& hit)
{
  if (ColorVisionMenu::Choose(id, _chooser.GetState()))
  {
    _chooser.VisionChanged();
    return Ok();
  }
  ColorSwatchGroup* group = GroupAt(hit);
  switch (id)
  {
    case kMenuEditColor: return EditSwatch(hit);
    case kMenuNewGroup: return NewGroupByDialog();
    case kMenuNewFromCopy: return NewGroupFromSelection(true);
    case kMenuNewFromMove: return NewGroupFromSelection(false);
    case kMenuCopyToOther:
      if (!group)
        return Ok();
      RETURN_IF_ERROR(_selection->CopyToOtherCollection({hit.collection, hit.group, -1}));
      return Changed();
    case kMenuRename: return RenameGroup(hit);
    case kMenuSort:
      if (!group)
        return Ok();
      group->SortColors();
      return Changed();
    case kMenuSaveGroup:
    {
      if (!group)
        return Ok();
      ColorSwatchCollection one;
      RETURN_IF_ERROR(one.AppendCopyOf(*group));
      return SaveGroupsAsPreset(one);
    }
    case kMenuRemoveDuplicates:
      if (!group || !group->RemoveDuplicates())
        return Ok();
      return Changed();
    case kMenuDelete: return DeleteSelectionAsked();
    case kMenuSaveSelection:
    {
      ASSIGN_OR_RETURN(const BaseArray<SwatchColor> colors, _selection->SelectedColors());
      ColorSwatchCollection one;
      ASSIGN_OR_RETURN(std::unique_ptr<ColorSwatchGroup> gathered, NewSwatchGroup());
      RETURN_IF_ERROR(gathered->AddColors({colors.GetData(), colors.GetCount()}, false, false, 0));
      RETURN_IF_ERROR(one.Append(std::move(gathered)));
      return SaveGroupsAsPreset(one);
    }
    case kMenuRemoveEmpty:
      if (!ShowQuestion(ModuleResource::LoadString(kStringRemoveEmptyQuestion)) || !_selection->RemoveEmptyGroups())
        return Ok();
      return Changed();
    case kMenuNames: return ToggleNames();
    case kMenuSmall: return SetCellSizeMode(0);
    case kMenuMedium: return SetCellSizeMode(1);
    case kMenuLarge: return SetCellSizeMode(2);
    default: return Ok();
  }
}

Result<void> ColorSwatchesArea::EditSwatch(const SwatchGridLayout::Hit& hit)
{
  ColorSwatchGroup* group = GroupAt(hit);
  ColorSwatch* swatch = group ? group->GetSwatch(hit.swatch) : nullptr;
  if (!swatch)
    return Ok();
  Vector rgb(swatch->red, swatch->green, swatch->blue);
  double alpha = swatch->alpha;
  if (!ShowColorDialog(rgb, alpha, true, ModuleResource::LoadString(kStringEditColor), _chooser.GetProfileMode()))
    return Ok();
  group->SetColor(hit.swatch, SwatchColor{rgb.x, rgb.y, rgb.z, alpha}, 2);
  return Changed();
}

Result<void> ColorSwatchesArea::RenameGroup(const SwatchGridLayout::Hit& hit)
{
  ColorSwatchGroup* group = GroupAt(hit);
  if (!group)
    return Ok();
  SwatchGroupRenameDialog dialog(group->GetName(), false);
  if (!dialog.Ask(ModuleResource::LoadString(kStringRenameTitle)))
    return Ok();
  group->SetName(dialog.GetName());
  return Changed();
}

Result<void> ColorSwatchesArea::SaveGroupsAsPreset(const ColorSwatchCollection& groups)
{
  ASSIGN_OR_RETURN(const bool saved, swatchpresetcommands::SaveAsPreset(groups));
  (void)saved;
  return Ok();
}

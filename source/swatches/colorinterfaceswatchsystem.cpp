#include "swatches/colorinterfaceswatchsystem.h"

#include "colormodes/panellayout.h"
#include "diagnostics.h"
#include "gedata.h"
#include "hostservices.h"
#include "moduleresource.h"
#include "presetbrowser.h"
#include "swatches/swatchpresetcommands.h"
#include "swatches/swatchpresetstore.h"
#include "utils/chooserview.h"

namespace
{
constexpr std::int32_t kRowFlags = 57;
constexpr std::int32_t kIconButtonFlags = 9;
constexpr std::int32_t kTextButtonFlags = 8;
constexpr std::int32_t kFillFlags = 63;
constexpr std::int32_t kScrollFlags = 780;
constexpr std::int32_t kHeightShift = 14;
constexpr std::int32_t kBitmapButton = 1000479;

// Bitmap button settings.
constexpr std::int32_t kButtonBehaviour = 0x62757474;
constexpr std::int32_t kNoBorder = 0x6E627264;
constexpr std::int32_t kMirrored = 0x6D697272;
constexpr std::int32_t kTooltip = 0x74746970;
constexpr std::int32_t kIcon = 0x69636F31;

constexpr std::int32_t kNewGroupIcon = 1033760;
constexpr std::int32_t kDeleteIcon = 1033759;
constexpr std::int32_t kStringNewGroupTip = 20066;
constexpr std::int32_t kStringDeleteTip = 20063;
constexpr std::int32_t kStringLoad = 20086;
constexpr std::int32_t kStringSave = 20087;
constexpr std::int32_t kStringLoadFailed = 20089;
constexpr std::int32_t kDefaultHeight = 120;

BaseContainer IconButtonSettings(std::int32_t icon, std::int32_t tooltip)
{
  BaseContainer settings;
  settings.SetInt32(kButtonBehaviour, 1);
  settings.SetBool(kNoBorder, true);
  settings.SetInt32(kMirrored, 0);
  settings.SetString(kTooltip, ModuleResource::LoadString(tooltip));
  settings.SetInt32(kIcon, icon);
  return settings;
}

bool ControlHeld()
{
  BaseContainer mouse;
  GetInputState(GXA_DEVICE_MOUSE, GXA_CHANNEL_LEFT, mouse);
  return (mouse.GetInt32(GXA_INPUT_QUALIFIER) & GXA_QUALIFIER_CTRL) != 0;
}
}  // namespace

ColorInterfaceSwatchSystem::ColorInterfaceSwatchSystem(ChooserView& chooser) : _chooser(chooser), _area(chooser)
{
  _area.SetChangeHook([this] { UpdateButtons(); });
}

void ColorInterfaceSwatchSystem::Update(ChooserView&)
{
  _area.Redraw();
}

Result<void> ColorInterfaceSwatchSystem::CreateLayout(ChooserView&)
{
  RETURN_IF_ERROR(LayoutButtons());
  RETURN_IF_ERROR(LayoutAreaGroup());
  UpdateButtons();
  return Ok();
}

Result<void> ColorInterfaceSwatchSystem::LayoutButtons()
{
  bool ok = _chooser.GroupBegin(0, kRowFlags, 0, 1);
  ok = _chooser.GroupSpace(4, 4) && ok;
  ok = _chooser.AddCustomGui(kNewGroupButton, kBitmapButton, String(), kIconButtonFlags, 0, 0,
                             IconButtonSettings(kNewGroupIcon, kStringNewGroupTip)) &&
       ok;
  ok = _chooser.AddCustomGui(kDeleteButton, kBitmapButton, String(), kIconButtonFlags, 0, 0,
                             IconButtonSettings(kDeleteIcon, kStringDeleteTip)) &&
       ok;
  ok = _chooser.AddButton(kLoadButton, kTextButtonFlags, 0, 0, ModuleResource::LoadString(kStringLoad)) && ok;
  ok = _chooser.AddButton(kSaveButton, kTextButtonFlags, 0, 0, ModuleResource::LoadString(kStringSave)) && ok;
  ok = _chooser.GroupEnd() && ok;
  if (!ok)
    return UnexpectedError("The swatch buttons could not be laid out.");
  return Ok();
}

Result<void> ColorInterfaceSwatchSystem::LayoutAreaGroup()
{
  const std::int32_t height = _chooser.GetState().GetInt32(kStateHeight, kDefaultHeight);
  bool ok = _chooser.GroupBegin(kAreaGroup, kFillFlags, 1, 0);
  ok = _chooser.ScrollGroupBegin(kScrollGroup, kFillFlags, kScrollFlags) && ok;
  ok = _chooser.SetSizeHints(kScrollGroup, 0, height << kHeightShift) && ok;
  ok = _chooser.AddUserArea(kArea, kFillFlags) && ok;
  ok = _chooser.AttachUserArea(_area, kArea) && ok;
  ok = _chooser.GroupEnd() && ok;
  ok = _chooser.GroupEnd() && ok;
  if (!ok)
    return UnexpectedError("The swatches area could not be laid out.");
  const BaseContainer& state = _chooser.GetState();
  if (state.Contains(kStateScrollLeft))
    _chooser.SetVisibleArea(kScrollGroup, state.GetInt32(kStateScrollLeft), state.GetInt32(kStateScrollLeft + 1),
                            state.GetInt32(kStateScrollLeft + 2), state.GetInt32(kStateScrollLeft + 3));
  return Ok();
}

void ColorInterfaceSwatchSystem::StoreScrollState()
{
  std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  if (!_chooser.GetVisibleArea(kScrollGroup, x1, y1, x2, y2))
    return;
  BaseContainer& state = _chooser.GetState();
  state.SetInt32(kStateScrollLeft, x1);
  state.SetInt32(kStateScrollLeft + 1, y1);
  state.SetInt32(kStateScrollLeft + 2, x2);
  state.SetInt32(kStateScrollLeft + 3, y2);
  state.SetInt32(kStateHeight, std::max(kDefaultHeight, y2 - y1));
}

void ColorInterfaceSwatchSystem::UpdateButtons()
{
  _chooser.Enable(kDeleteButton, _area.HasSelection());
  _chooser.Enable(kSaveButton, _area.DocumentHasColors());
}

Result<bool> ColorInterfaceSwatchSystem::Command(std::int32_t id, const BaseContainer& msg, ChooserView& chooser)
{
  switch (id)
  {
    case kArea:
    {
      // A double-clicked swatch becomes the colour.
      Vector rgb;
      double alpha = 1.0;
      if (!msg.GetData(GXA_MSG_VALUE).GetColorAlpha(rgb, alpha))
        return false;
      chooser.SetColorFromHostSpace(rgb);
      chooser.SetInitialColor(chooser.GetColor());
      if (chooser.HasAlpha())
      {
        chooser.SetAlpha(alpha);
        chooser.SetInitialAlpha(alpha);
      }
      return true;
    }
    case kNewGroupButton: RETURN_IF_ERROR(_area.NewGroupFromSelection(ControlHeld())); break;
    case kDeleteButton: RETURN_IF_ERROR(_area.DeleteSelectionAsked()); break;
    case kLoadButton:
      if (ControlHeld())
        OpenPresetFolder();
      else
        RETURN_IF_ERROR(LoadPreset());
      break;
    case kSaveButton: RETURN_IF_ERROR(SavePreset()); break;
    case kOpenFolder: OpenPresetFolder(); break;
    default: break;
  }
  UpdateButtons();
  return false;
}

Result<void> ColorInterfaceSwatchSystem::SavePreset()
{
  if (!_area.DocumentHasColors())
    return Ok();
  ASSIGN_OR_RETURN(const bool saved,
                   swatchpresetcommands::SaveAsPreset(*_area.GetData()->GetCollection(iColorSwatchData::kDocument)));
  (void)saved;
  return Ok();
}

Result<void> ColorInterfaceSwatchSystem::LoadPreset()
{
  ASSIGN_OR_RETURN(const String url, swatchpresetcommands::ChoosePreset());
  if (url.IsEmpty())
    return Ok();
  const Result<void> loaded = swatchpresetstore::Load(*_area.GetData(), url, true);
  if (loaded.IsError())
  {
    ReportError("iColorSwatchData::LoadPresetByURL()", loaded.GetError());
    return Ok();
  }
  return _area.Changed();
}

void ColorInterfaceSwatchSystem::OpenPresetFolder()
{
  swatchpresetcommands::OpenFolder(swatchpresetcommands::PresetFolder());
}

Result<bool> ColorInterfaceSwatchSystem::DragReceive(const BaseContainer& msg)
{
  const std::int32_t gadget = msg.GetInt32(GXA_DRAG_ENTRY_GADGET);
  if (gadget != kNewGroupButton && gadget != kDeleteButton)
    return false;
  const bool own = _area.IsOwnDrag();
  if (msg.GetInt32(GXA_DRAG_ENTRY_FINISHED) == 0)
  {
    if (own || gadget == kNewGroupButton)
      _chooser.SetDragDestination(GXA_CURSOR_COPY);
    return true;
  }
  if (gadget == kDeleteButton)
  {
    if (own)
      RETURN_IF_ERROR(_area.DeleteSelectionAsked());
    return own;
  }
  if (own)
  {
    RETURN_IF_ERROR(_area.NewGroupFromSelection(ControlHeld()));
    return true;
  }
  ASSIGN_OR_RETURN(const BaseArray<ColorWithAlpha> received, DragColors::FromDragMessage(msg));
  if (received.IsEmpty())
  {
    DiagnosticOutput("No drag receive colors");
    return false;
  }
  BaseArray<SwatchColor> colors;
  for (const ColorWithAlpha& c : received)
    RETURN_IF_ERROR(colors.Append(SwatchColor{c.color.x, c.color.y, c.color.z, c.alpha}));
  RETURN_IF_ERROR(_area.AddColorsAsGroup({colors.GetData(), colors.GetCount()}));
  return true;
}

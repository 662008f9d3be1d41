// Host messages, preference changes and the broadcasts between choosers.
#include "chooserids.h"
#include "chooserpanels.h"
#include "colorchoosergui.h"
#include "colormodes/colorinterfacergb.h"
#include "diagnostics.h"
#include "filename.h"
#include "gedata.h"
#include "hostservices.h"
#include "swatches/colorinterfaceswatchsystem.h"
#include "utils/broadcastroute.h"
#include "utils/colorinterface.h"
#include "utils/colorunit.h"
#include "utils/colorutils.h"
#include "utils/perceptualtools.h"

using namespace chooser;

namespace
{
constexpr std::int32_t kGetValueAnswer = 0xBEEF;
constexpr std::int32_t kStoredStateId = 1;
// Gadgets over which a dropped image file opens the picture mode.
constexpr std::int32_t kPictureArea = 0x3EC000D;
constexpr std::int32_t kPictureFile = 0x3EC0002;
constexpr std::int32_t kDragCopyCursor = 10;
// What the wheel sends after it handled an input event.
constexpr std::int32_t kWheelInputHandled = 0x3EA0001;
}  // namespace

bool ColorChooserGui::IsWheelShown()
{
  return GetLayoutMode() == 2 && !IsCompact() && IsModeOn(kModeWheel);
}

std::int32_t ColorChooserGui::Message(const BaseContainer& msg, BaseContainer& result)
{
  switch (msg.GetId())
  {
    case GXA_MSG_INIT:
      if (!_colorUnit)
      {
        const Result<bool> chosen = ChooseColorUnit();
        if (chosen.IsError())
          ReportError("ColorChooserGui::Message()", chosen.GetError());
      }
      break;
    case GXA_MSG_INPUT:
      // The wheel takes presses on itself before its gadget hears of them.
      if (IsWheelShown() && msg.GetInt32(GXA_INPUT_DEVICE) == GXA_DEVICE_MOUSE &&
          msg.GetInt32(GXA_INPUT_CHANNEL) == GXA_CHANNEL_LEFT &&
          ChooserPanels::WheelTakesInput(GetPanel(Panel::Wheel), msg))
        return 1;
      break;
    case GXA_MSG_CURSOR_INFO:
      if (IsWheelShown() && ChooserPanels::WheelCursor(GetPanel(Panel::Wheel), msg, result))
        return 1;
      break;
    case kWheelInputHandled:
      // The wheel's selection may have changed without a new colour.
      StoreLayoutState();
      return 1;
    case GXA_MSG_SET_VALUE: return SetValueMessage(msg);
    case GXA_MSG_GET_VALUE: return GetValueMessage(msg, result);
    case GXA_MSG_ACTION: return Command(msg.GetInt32(GXA_MSG_ID, 0), msg) ? 1 : 0;
    case GXA_MSG_GET_LAYOUT: return GetLayoutMessage(result);
    case GXA_MSG_PREFS_CHANGED:
      if (_expandedAllowed)
      {
        const Result<void> changed = PreferencesChanged();
        if (changed.IsError())
          ReportError("ColorChooserGui::Message()", changed.GetError());
      }
      break;
    case GXA_MSG_SCROLL:
      if (IsModeOn(kModePicture))
        ChooserPanels::PictureScrolled(GetPanel(Panel::Picture));
      break;
    case GXA_MSG_DRAG_RECEIVE:
    {
      const Result<void> dropped = DragReceive(msg, result);
      if (dropped.IsError())
      {
        ReportError("ColorChooserGui::Message()", dropped.GetError());
        return 0;
      }
      break;
    }
    default: break;
  }
  return DefaultMessage(msg, result);
}

std::int32_t ColorChooserGui::SetValueMessage(const BaseContainer& msg)
{
  const BaseContainer value = msg.GetContainer(GXA_MSG_VALUE);
  _brightnessMax = value.GetFloat(3, _brightnessMax);
  const double brightness = value.GetFloat(1, _brightness);
  _brightness = brightness < 0.0 ? 0.0 : (brightness > _brightnessMax ? _brightnessMax : brightness);
  TriStateData data;
  data.value = value.GetData(0);
  return SetData(data) ? 1 : 0;
}

std::int32_t ColorChooserGui::GetValueMessage(const BaseContainer& msg, BaseContainer& result)
{
  result.SetId(kGetValueAnswer);
  if (msg.GetInt32(GXA_MSG_ASKED_KIND, 0) != GXA_MSG_VALUE)
  {
    GeData empty;
    empty.SetEmpty(GXA_TYPE_EMPTY);
    result.SetData(0, empty);
    return 1;
  }
  if (_plainValue)
  {
    result.SetData(0, GetHostValue());
    return 1;
  }
  BaseContainer value;
  value.SetVector(0, GetColorInHostSpace());
  value.SetFloat(1, _brightness);
  result.SetContainer(0, value);
  return 1;
}

std::int32_t ColorChooserGui::GetLayoutMessage(BaseContainer& result)
{
  StoreLayoutState();
  _state.SetId(kStoredStateId);
  result = _state;
  return 1;
}

Result<void> ColorChooserGui::DragReceive(const BaseContainer& msg, BaseContainer&)
{
  if (!msg.Contains(GXA_DRAG_ENTRY_OBJECT) || msg.GetInt32(GXA_DRAG_ENTRY_LOST, 0) != 0 ||
      msg.GetInt32(GXA_DRAG_ENTRY_ESCAPED, 0) != 0)
    return Ok();
  const std::int32_t gadget = msg.GetInt32(GXA_DRAG_ENTRY_GADGET, 0);
  const bool overPicture = gadget == kPictureArea || gadget == kModePicture || gadget == kPictureFile;
  if (msg.GetInt32(GXA_DRAG_ENTRY_TYPE, 0) != GXA_DRAGTYPE_FILES || !overPicture)
  {
    // Colour drops over the swatch buttons belong to the swatches panel.
    ColorInterfaceSwatchSystem* swatches = GetSwatchesPanel();
    if (!swatches || !IsModeOn(kModeSwatches))
      return Ok();
    ASSIGN_OR_RETURN(const bool taken, swatches->DragReceive(msg));
    (void)taken;
    return Ok();
  }
  if (msg.GetInt32(GXA_DRAG_ENTRY_FINISHED, 0) == 0)
  {
    SetDragDestination(kDragCopyCursor);
    return Ok();
  }
  return DropPicture(msg);
}

Result<void> ColorChooserGui::DropPicture(const BaseContainer& msg)
{
  const String path = msg.GetString(GXA_DRAG_ENTRY_OBJECT);
  if (path.IsEmpty())
    return IllegalArgumentError("The dropped file has no path.");
  Filename file;
  file.SetString(path);
  _state.SetData(kPictureFile, GeData(file));
  _state.SetBool(kModeWheel, false);
  _state.SetBool(kModeSpectrum, false);
  _state.SetBool(kModePicture, true);
  RebuildLayout();
  return Ok();
}

Result<bool> ColorChooserGui::ChooseColorUnit()
{
  const std::int32_t preference = GetWorldPreferences().GetInt32(kPrefColorUnit, 1);
  if (_colorUnit && _colorUnit->GetMaximum() == ColorUnit::MaximumFor(preference))
    return false;
  std::unique_ptr<ColorUnit> unit = ColorUnit::Create(preference);
  if (!unit)
    return OutOfMemoryError();
  _colorUnit = std::move(unit);
  if (ColorInterfaceRGB* rgb = GetRGBPanel())
    rgb->SetUnit(*_colorUnit);
  return true;
}

Result<void> ColorChooserGui::PreferencesChanged()
{
  ASSIGN_OR_RETURN(const bool unitChanged, ChooseColorUnit());
  if (unitChanged)
    RETURN_IF_ERROR(UpdateValues());
  const BaseContainer prefs = GetWorldPreferences();
  if (!prefs.IsValid())
    return UnexpectedError("The world preferences are missing.");
  ColorInterfaceRGB* rgb = GetRGBPanel();
  if ((IsModeOn(kModeRgb) || IsCompact()) && rgb &&
      rgb->HasPureGradients() != prefs.GetBool(ColorInterfaceRGB::kPrefPureGradients, false))
    rgb->Update(*this);
  if (IsWheelShown())
    RETURN_IF_ERROR(ChooserPanels::ReloadWheel(GetPanel(Panel::Wheel)));
  if (GetLayoutMode() == 2 && !IsCompact() && IsModeOn(kModeSpectrum))
    ChooserPanels::FollowSpectrumSize(GetPanel(Panel::Spectrum));
  if (GetLayoutMode() == 2 && IsModeOn(kModeSwatches))
    if (ColorInterfaceSwatchSystem* swatches = GetSwatchesPanel())
    {
      swatches->FollowCellSize();
      swatches->FollowNames();
    }
  if (GetLayoutMode() == 2 && !IsCompact() && IsModeOn(kModePicture))
    ChooserPanels::RefreshPictureStrip(GetPanel(Panel::Picture));
  // The OKLCh mode button and panel, and the mixer's readout, come and go with their preference.
  if (IsExpandedShown() && PerceptualTools::IsOn() != _perceptualLaidOut)
    RebuildLayout();
  else if (IsModeOn(kModeMixer) && ChooserPanels::MixerReadoutStale(GetPanel(Panel::Mixer)))
    RebuildLayout();
  VisionChanged();
  return Ok();
}

void ColorChooserGui::VisionChanged()
{
  if (IsWheelShown())
    ChooserPanels::RedrawWheel(GetPanel(Panel::Wheel));
  if (GetLayoutMode() == 2 && !IsCompact() && IsModeOn(kModePicture))
    ChooserPanels::RefreshPictureStrip(GetPanel(Panel::Picture));
  if (GetLayoutMode() == 2 && IsModeOn(kModeSwatches))
    if (ColorInterfaceSwatchSystem* swatches = GetSwatchesPanel())
      swatches->Update(*this);
}

bool ColorChooserGui::CoreMessage(std::int32_t id, const BaseContainer& msg)
{
  if (!_expandedAllowed)
    return GeDialog::CoreMessage(id, msg);
  GxaDocument* doc = GetActiveDocument();
  if (doc != _lastDocument)
  {
    _lastDocument = doc;
    if (ColorInterfaceSwatchSystem* swatches = GetSwatchesPanel(); swatches && IsModeOn(kModeSwatches))
    {
      const Result<void> reloaded = swatches->FollowDocument(doc);
      if (reloaded.IsError())
        ReportError("ColorChooserGui::CoreMessage()", reloaded.GetError());
    }
  }
  if (id != kBroadcastEvent)
    return GeDialog::CoreMessage(id, msg);
  const Result<void> handled =
      ReceiveBroadcast(msg.GetInt64(GXA_MSG_EVENT_ARG1, -1), msg.GetInt64(GXA_MSG_EVENT_ARG2, 0));
  if (handled.IsError())
  {
    ReportError("ColorChooserGui::CoreMessage()", handled.GetError());
    return false;
  }
  return true;
}

Result<void> ColorChooserGui::ReceiveBroadcast(std::int64_t code, std::int64_t sender)
{
  BroadcastReceiver receiver;
  receiver.chooser = static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(this));
  receiver.layoutMode = GetLayoutMode();
  receiver.compact = IsCompact();
  receiver.wheel = IsModeOn(kModeWheel);
  receiver.spectrum = IsModeOn(kModeSpectrum);
  receiver.picture = IsModeOn(kModePicture);
  receiver.swatches = IsModeOn(kModeSwatches);
  ColorInterfaceSwatchSystem* swatches = GetSwatchesPanel();
  if (swatches)
    receiver.swatchesArea = swatches->GetArea().GetSenderId();
  switch (RouteBroadcast(code, sender, receiver))
  {
    case BroadcastTarget::Preferences: return PreferencesChanged();
    case BroadcastTarget::Spectrum: ChooserPanels::FollowSpectrumSize(GetPanel(Panel::Spectrum)); return Ok();
    case BroadcastTarget::SwatchDocument: return swatches ? swatches->ReloadData() : Ok();
    case BroadcastTarget::SwatchRefresh:
      if (swatches)
        swatches->FollowCellSize();
      return Ok();
    case BroadcastTarget::SwatchDisplay:
      if (swatches)
        swatches->FollowNames();
      return Ok();
    case BroadcastTarget::WheelOptions: return ChooserPanels::ReloadWheel(GetPanel(Panel::Wheel));
    case BroadcastTarget::WheelStrip: ChooserPanels::RefreshWheelStrip(GetPanel(Panel::Wheel)); return Ok();
    case BroadcastTarget::PictureStrip: ChooserPanels::RefreshPictureStrip(GetPanel(Panel::Picture)); return Ok();
    default: return Ok();
  }
}

Result<void> ColorChooserGui::ShowSwatches(const BaseContainer&)
{
  if (HasFlag(kFlagNoSwatches))
    return Ok();
  if (!IsModeOn(kModeSwatches))
  {
    _state.SetBool(kModeSwatches, true);
    const bool keep = _keepPicture;
    _keepPicture = true;
    RebuildLayout();
    _keepPicture = keep;
  }
  return Ok();
}

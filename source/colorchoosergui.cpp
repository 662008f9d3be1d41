#include "colorchoosergui.h"

#include "chooserids.h"
#include "chooserpanels.h"
#include "colormodes/colorinterfacergb.h"
#include "colorscreenpicker/colorscreenpicker.h"
#include "diagnostics.h"
#include "gedata.h"
#include "geuserarea.h"
#include "hostservices.h"
#include "mixer/colorinterfacemixer.h"
#include "swatches/colorinterfaceswatchsystem.h"
#include "utils/choosermodesettings.h"
#include "utils/colorconversions.h"
#include "utils/colorinterface.h"
#include "utils/colorinterfacemodebuttons.h"
#include "utils/colorunit.h"
#include "utils/colorutils.h"
#include "utils/labelwidth.h"
#include "utils/modememory.h"

using namespace chooser;

namespace
{
enum ContextKind : std::int32_t
{
  kContextAttribute = 0,
  kContextField = 1,
  kContextBrightness = 2
};
}  // namespace

ColorChooserGui::ColorChooserGui(const BaseContainer& settings, GxaPluginRecord* record)
    : ChooserView(settings, record), _settings(settings)
{
  LabelWidth::Compute();
  _hsv = RgbToHsv(_color);
  _flags = settings.GetInt32(kKeyFlags, 0);
  _globalState = (_flags & kFlagGlobalState) != 0;
  _noParentQuery = settings.GetBool(kKeyNoParentQuery, false);
  ReadContextKind();
  ReadFieldSize();
  BuildDefaultState();
  ReadStoredState();
  if (_noParentQuery)
    TakeLinearFromState();
  _state.SetBool(kStateFieldShowAlpha, _state.GetBool(kStateFieldShowAlpha, true));

  auto field = ChooserPanels::CreateColorField(*this, _fieldWidth, _fieldHeight);
  if (field.IsError())
    ReportError("ColorChooserGui::ColorChooserGui()", field.GetError());
  else
    _colorField = std::move(field).GetValue();
}

ColorChooserGui::~ColorChooserGui()
{
  // A running screen picker would report into a chooser that is gone.
  ColorScreenPicker::Stop();
  // Panels go before the gadgets they may refer to.
  _panels.Clear();
  _colorUnit.reset();
  _brightnessSlider.reset();
  _pickerButton.reset();
  _colorField.reset();
}

void ColorChooserGui::ReadContextKind()
{
  _contextKind = _settings.GetInt32(kKeyContextKind, 0);
  _profileMode = _flags & kFlagsProfileMode;
  switch (_contextKind)
  {
    case kContextAttribute:
      _alphaEnabled = _settings.GetInt32(kKeyAlpha, 0) == 1;
      _expandedAllowed = true;
      _plainValue = true;
      _profileMode = _settings.GetInt32(kKeyProfileMode, 0);
      break;
    case kContextField: _plainValue = true; break;
    case kContextBrightness:
      _brightnessRow = (_flags & kFlagNoBrightness) == 0;
      _expandedAllowed = ChooserModeSettings::ExpandedAllowedForFlags(_flags);
      if (_expandedAllowed)
        _layoutMode = 2;
      break;
    default: break;
  }
}

void ColorChooserGui::ReadFieldSize()
{
  if (_contextKind != kContextAttribute && !_brightnessRow && !IsExpandedShown())
  {
    _fieldWidth = _settings.GetInt32(kKeyFieldWidth, 0);
    _fieldHeight = _settings.GetInt32(kKeyFieldHeight, 0);
  }
}

void ColorChooserGui::BuildDefaultState()
{
  const BaseContainer prefs = GetWorldPreferences();
  if (ChooserModeSettings::FlagsChooseModes(_flags))
    ChooserModeSettings::FromFlags(_flags, _state);
  else
    ChooserModeSettings::FromPreferences(prefs, _alphaEnabled, _state);
  ApplyModeMemory();
  ChooserModeSettings::ApplyHidingFlags(_flags, _state);
  ChooserPanels::WriteDefaults(_state);
  if (prefs.IsValid())
    _state.SetBool(kModeLinearDisplay, prefs.GetBool(kPrefLinearDisplay, false));
}

void ColorChooserGui::ApplyModeMemory()
{
  const BaseContainer prefs = GetWorldPreferences();
  if (!prefs.IsValid())
    return;
  ModeMemory& memory = ModeMemory::Get();
  if (!memory.IsFilled())
  {
    BaseContainer fromPrefs;
    ChooserModeSettings::FromPreferences(prefs, _alphaEnabled, fromPrefs);
    memory.Fill(fromPrefs);
  }
  else if (prefs.GetBool(kPrefRememberModes, false))
  {
    memory.CopyInto(_state);
  }
}

void ColorChooserGui::ReadStoredState()
{
  const BaseContainer prefs = GetWorldPreferences();
  if (_globalState && prefs.IsValid() && prefs.GetDataPointer(kPrefGlobalState) &&
      GeData::CopyOf(prefs.GetDataPointer(kPrefGlobalState)).GetType() == GXA_TYPE_CONTAINER)
  {
    _state = prefs.GetContainer(kPrefGlobalState);
    TakeLinearFromState();
    return;
  }
  if (!_settings.Contains(kKeyStoredState))
    return;
  const BaseContainer stored = _settings.GetContainer(kKeyStoredState);
  _state.MergeContainer(stored);
  _brightness = stored.GetFloat(kStateBrightness, _brightness);
  _brightnessMax = stored.GetFloat(kStateBrightnessMax, _brightnessMax);
  _flags = stored.GetInt32(kStateFlags, _flags);
  _hsv = stored.GetVector(kStateHsv, _hsv);
}

void ColorChooserGui::TakeLinearFromState()
{
  _linearContext = _state.GetBool(kStateLinearContext, false);
  _linearActive = _linearContext && _state.GetBool(kModeLinearDisplay, false);
}

void ColorChooserGui::SetHSV(const Vector& hsv)
{
  _hsv = hsv;
  _color = HsvToRgb(hsv);
}

bool ColorChooserGui::IsLinearDisplayActive() const
{
  return _linearContext && _state.GetBool(kModeLinearDisplay, false);
}

bool ColorChooserGui::IsExpandedShown()
{
  return GetLayoutMode() == 2 && _expandedAllowed;
}

bool ColorChooserGui::IsCompact() const
{
  return _state.GetBool(kModeCompact, false);
}

bool ColorChooserGui::IsModeOn(std::int32_t modeId) const
{
  return _state.GetBool(modeId, false);
}

Vector ColorChooserGui::ToHostSpace(const Vector& rgb) const
{
  return _linearActive ? ConvertColorSpace(rgb, GXA_TRANSFORM_TO_HOST) : rgb;
}

Vector ColorChooserGui::ToChooserSpace(const Vector& rgb) const
{
  return _linearActive ? ConvertColorSpace(rgb, GXA_TRANSFORM_FROM_HOST) : rgb;
}

Vector ColorChooserGui::GetColorInHostSpace() const
{
  return ToHostSpace(_color);
}

void ColorChooserGui::SetColorFromHostSpace(const Vector& rgb)
{
  _color = ToChooserSpace(rgb);
}

Vector ColorChooserGui::GetDisplayColor() const
{
  return _alphaEnabled ? _color.Clamp01() : (_color * _brightness).Clamp01();
}

Vector ColorChooserGui::GetInitialDisplayColor() const
{
  return _alphaEnabled ? _initialColor.Clamp01() : (_initialColor * _brightness).Clamp01();
}

Vector ColorChooserGui::GetOpeningDisplayColor() const
{
  return _alphaEnabled ? _openingColor.Clamp01() : (_openingColor * _brightness).Clamp01();
}

Vector ColorChooserGui::GetDisplayColorInHostSpace() const
{
  return ToHostSpace(GetDisplayColor());
}

void ColorChooserGui::StoreLayoutState()
{
  _state.SetVector(kStateHsv, _hsv);
  ChooserPanels::StoreWheelOptions(GetPanel(Panel::Wheel));
  _state.SetFloat(kStateBrightness, _brightness);
  _state.SetFloat(kStateBrightnessMax, _brightnessMax);
  _state.SetInt32(kStateFlags, _flags);
  if (ColorInterfaceSwatchSystem* swatches = GetSwatchesPanel(); swatches && IsModeOn(kModeSwatches))
    swatches->StoreScrollState();
}

ColorInterfaceSwatchSystem* ColorChooserGui::GetSwatchesPanel() const
{
  return static_cast<ColorInterfaceSwatchSystem*>(GetPanel(Panel::Swatches));
}

ColorInterfaceModeButtons* ColorChooserGui::GetModeButtons() const
{
  return static_cast<ColorInterfaceModeButtons*>(GetPanel(Panel::ModeButtons));
}

ColorInterfaceRGB* ColorChooserGui::GetRGBPanel() const
{
  return static_cast<ColorInterfaceRGB*>(GetPanel(Panel::Rgb));
}

ColorInterfaceMixer* ColorChooserGui::GetMixerPanel() const
{
  return static_cast<ColorInterfaceMixer*>(GetPanel(Panel::Mixer));
}

// How the colour travels: from the host into the chooser, into its panels,
// from a panel back into the chooser and out to the host.
#include "chooserids.h"
#include "chooserpanels.h"
#include "colorchoosergui.h"
#include "diagnostics.h"
#include "gedata.h"
#include "geuserarea.h"
#include "hostservices.h"
#include "utils/colorinterface.h"
#include "utils/hsvretention.h"

using namespace chooser;

namespace
{
constexpr double kFieldStep = 0.01;
}  // namespace

bool ColorChooserGui::SetData(const TriStateData& value)
{
  if (!_globalState && !_noParentQuery && !_settings.GetBool(kKeyNoLinear, false))
    DetectLinear();
  TakeValue(value.value);
  if (!_liveChange)
  {
    _initialColor = _color;
    _initialAlpha = _alpha;
  }
  if (!_hasOpeningColor)
  {
    _openingColor = _color;
    _hasOpeningColor = true;
  }
  _ambiguous = value.mixed;
  if (_suppressUpdate)
  {
    _suppressUpdate = false;
    return true;
  }
  const Result<void> updated = UpdateValues();
  if (updated.IsError())
    ReportError("ColorChooserGui::UpdateValues()", updated.GetError());
  return true;
}

void ColorChooserGui::TakeValue(const GeData& value)
{
  if (_alphaEnabled)
  {
    Vector rgb;
    double alpha = 1.0;
    if (value.GetColorAlpha(rgb, alpha))
    {
      _color = ToChooserSpace(rgb.Clamp01());
      _alpha = alpha;
    }
    return;
  }
  // A value of another type leaves the colour as it was.
  Vector rgb;
  if (value.GetVector(rgb))
    _color = ToChooserSpace(rgb.Clamp01());
}

bool ColorChooserGui::GetData(TriStateData& out)
{
  out.value = GetHostValue();
  out.mixed = false;
  return true;
}

GeData ColorChooserGui::GetHostValue() const
{
  if (_alphaEnabled)
    return GeData(GetColorInHostSpace(), _alpha);
  return GeData(GetColorInHostSpace());
}

bool ColorChooserGui::InitValues()
{
  // The unit normally comes with the host's init message; a host that sends
  // none still gets fields in the preferred unit.
  if (!_colorUnit)
  {
    const Result<bool> chosen = ChooseColorUnit();
    if (chosen.IsError())
    {
      ReportError("ColorChooserGui::InitValues()", chosen.GetError());
      return false;
    }
  }
  RetainHsv();
  if (_colorField)
    _colorField->Redraw();
  Result<void> result = UpdateBrightnessRow(true);
  if (result.IsOk() && GetLayoutMode() != 1 && _expandedAllowed)
    result = _panels.Init();
  if (result.IsError())
  {
    ReportError("ColorChooserGui::InitValues()", result.GetError());
    return false;
  }
  return true;
}

Result<void> ColorChooserGui::UpdateValues()
{
  RetainHsv();
  if (_colorField)
    _colorField->Redraw();
  RETURN_IF_ERROR(UpdateBrightnessRow(false));
  return _panels.Update();
}

Result<void> ColorChooserGui::UpdateBrightnessRow(bool createSlider)
{
  if (!_brightnessRow)
    return Ok();
  if (!_brightnessSlider && createSlider)
  {
    ASSIGN_OR_RETURN(_brightnessSlider, ChooserPanels::CreateBrightnessSlider());
  }
  SetFloat(kGadgetBrightnessField, _brightness, 0.0, _brightnessMax, kFieldStep, GXA_UNIT_PERCENT, _ambiguous);
  ChooserPanels::UpdateBrightnessSlider(_brightnessSlider.get(), *this);
  return Ok();
}

void ColorChooserGui::RetainHsv()
{
  _hsv = ::RetainHsv(_hsv, _color);
}

bool ColorChooserGui::Command(std::int32_t id, const BaseContainer& msg)
{
  Result<bool> changed = true;
  switch (OwnerOf(id))
  {
    case kOwnerChooser: changed = ChooserCommand(id, msg); break;
    case kOwnerModeButtons:
      if (id == kGadgetPicker)
        StartScreenPicker();
      return true;
    default: changed = _panels.Command(id, msg); break;
  }
  if (changed.IsError())
  {
    ReportError("ColorChooserGui::Command()", changed.GetError());
    return false;
  }
  if (!changed.GetValue())
    return true;
  _liveChange = msg.GetBool(GXA_MSG_DRAG, false);
  BaseContainer forward(msg);
  forward.RemoveData(GXA_MSG_VALUE);
  const Result<void> sent = SendValue(std::move(forward));
  if (sent.IsError())
  {
    ReportError("ColorChooserGui::Command()", sent.GetError());
    return false;
  }
  return true;
}

Result<bool> ColorChooserGui::ChooserCommand(std::int32_t id, const BaseContainer& msg)
{
  if (id == kGadgetColorField)
  {
    const GeData value = msg.GetData(GXA_MSG_VALUE);
    Vector rgb;
    double alpha = 1.0;
    if (value.GetColorAlpha(rgb, alpha))
    {
      _color = _initialColor = ToChooserSpace(rgb);
      if (_alphaEnabled)
        _alpha = _initialAlpha = alpha;
    }
    else if (value.GetVector(rgb))
    {
      _color = _initialColor = ToChooserSpace(rgb);
    }
  }
  else if (id == kGadgetBrightnessField)
  {
    GetFloat(kGadgetBrightnessField, _brightness);
  }
  else if (id == kGadgetBrightnessSlider)
  {
    _brightness = msg.GetFloat(GXA_MSG_VALUE, _brightness);
  }
  return true;
}

Result<void> ColorChooserGui::SendValue(BaseContainer msg)
{
  msg.SetInt32(GXA_MSG_ID, GetId());
  _suppressUpdate = false;
  TriStateData current;
  GetData(current);
  SetData(current);
  if (_plainValue)
  {
    msg.SetData(GXA_MSG_VALUE, GetHostValue());
  }
  else
  {
    BaseContainer value;
    value.SetVector(0, GetColorInHostSpace());
    value.SetFloat(1, _brightness);
    msg.SetContainer(GXA_MSG_VALUE, value);
  }
  if (!SendParentMessage(msg))
    return UnexpectedError("SendParentMessage() failed.");
  return Ok();
}

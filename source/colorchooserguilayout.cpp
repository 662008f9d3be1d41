// The chooser's layout: the outer group, the colour or brightness row, the
// mode buttons and one group per shown mode.
#include "chooserids.h"
#include "chooserpanels.h"
#include "colorchoosergui.h"
#include "diagnostics.h"
#include "geuserarea.h"
#include "moduleresource.h"
#include "utils/buttonsettings.h"
#include "utils/perceptualtools.h"

using namespace chooser;

namespace
{
constexpr std::int32_t kFlagsFill = 63;
constexpr std::int32_t kFlagsRow = 57;
constexpr std::int32_t kFlagsLeft = GXA_ALIGN_LEFT;
constexpr std::int32_t kFlagsScaleFit = GXA_ALIGN_H_SCALEFIT;
constexpr std::int32_t kFieldAttachFlags = 2;
constexpr std::int32_t kBrightnessFieldWidth = 60;
constexpr std::int32_t kBrightnessLabel = 20002;
constexpr std::int32_t kPickerTooltip = 20012;
constexpr std::int32_t kPickerIcon = 1033886;
constexpr std::int32_t kPickerIconDark = 1034000;
constexpr std::int32_t kPickerIconLight = 1033497;

Error LayoutError(const char* step)
{
  return UnexpectedError(std::string(step) + " failed.");
}
}  // namespace

bool ColorChooserGui::CreateLayout()
{
  GroupBegin(kGroupOuter, kFlagsFill, 1, 0);
  GroupBorderSpace(0, 0, 3, 1);
  const Result<void> body = LayoutBody();
  if (body.IsError())
    ReportError("ColorChooserGui::CreateLayout()", body.GetError());
  GroupEnd();
  return true;
}

bool ColorChooserGui::LayoutModeChanged()
{
  return RebuildLayout();
}

bool ColorChooserGui::RebuildLayout()
{
  LayoutFlushGroup(kGroupOuter);
  const Result<void> body = LayoutBody();
  if (body.IsError())
    ReportError("ColorChooserGui::CreateLayout()", body.GetError());
  InitValues();
  LayoutChanged(kGroupOuter);
  return body.IsOk();
}

Result<void> ColorChooserGui::LayoutBody()
{
  if (!GroupBegin(0, kFlagsFill, 1, 0))
    return LayoutError("GroupBegin()");
  Result<void> result = _brightnessRow ? LayoutBrightnessRow() : LayoutColorRow();
  if (result.IsOk())
    result = _panels.Layout(PanelShape());
  GroupEnd();
  return result;
}

Result<void> ColorChooserGui::LayoutBrightnessRow()
{
  GroupBegin(0, kFlagsRow, 4, 0);
  AddUserArea(kGadgetColorField, kFlagsLeft);
  if (_colorField)
    AttachUserArea(*_colorField, kGadgetColorField, kFieldAttachFlags);
  AddStaticText(0, kFlagsLeft, 0, 0, ModuleResource::LoadString(kBrightnessLabel));
  AddEditNumberArrows(kGadgetBrightnessField, kFlagsLeft, GXA_SIZE_PIXELS(kBrightnessFieldWidth), 0);
  AddUserArea(kGadgetBrightnessSlider, kFlagsScaleFit);
  Result<void> result;
  if (!_brightnessSlider)
  {
    auto slider = ChooserPanels::CreateBrightnessSlider();
    if (slider.IsError())
      result = slider.GetError();
    else
      _brightnessSlider = std::move(slider).GetValue();
  }
  if (_brightnessSlider)
    AttachUserArea(*_brightnessSlider, kGadgetBrightnessSlider);
  GroupEnd();
  return result;
}

Result<void> ColorChooserGui::LayoutColorRow()
{
  const bool row = _contextKind == 1 || !IsExpandedShown();
  if (row)
  {
    GroupBegin(0, kFlagsRow, 0, 1);
    GroupSpace(8, 0);
  }
  const std::int32_t flags = _contextKind == 1 ? _settings.GetInt32(kKeyFieldAlign, kFlagsLeft) : kFlagsLeft;
  AddUserArea(kGadgetColorField, flags);
  std::int32_t fieldWidth = 0;
  std::int32_t fieldHeight = 0;
  if (_colorField)
  {
    AttachUserArea(*_colorField, kGadgetColorField);
    _colorField->GetMinSize(fieldWidth, fieldHeight);
  }
  Result<void> result;
  if (row)
  {
    result = LayoutPicker(flags, fieldHeight);
    GroupEnd();
  }
  return result;
}

Result<void> ColorChooserGui::LayoutPicker(std::int32_t flags, std::int32_t height)
{
  AddUserArea(kGadgetPicker, flags);
  if (!_pickerButton)
  {
    BaseContainer settings;
    settings.SetBool(ButtonSettings::kState, true);
    settings.SetBool(ButtonSettings::kCheckable, true);
    settings.SetString(ButtonSettings::kTooltip, ModuleResource::LoadString(kPickerTooltip));
    settings.SetInt32(ButtonSettings::kIcon, kPickerIcon);
    settings.SetInt32(ButtonSettings::kIconOffDark, kPickerIconDark);
    settings.SetInt32(ButtonSettings::kIconOffLight, kPickerIconLight);
    settings.SetInt32(ButtonSettings::kMaxSize, height);
    ASSIGN_OR_RETURN(_pickerButton, ChooserPanels::CreatePickerButton(settings));
  }
  if (_pickerButton)
    AttachUserArea(*_pickerButton, kGadgetPicker);
  return Ok();
}

PanelSet::Shape ColorChooserGui::PanelShape()
{
  PanelSet::Shape shape;
  shape.expanded = IsExpandedShown();
  shape.alphaEnabled = _alphaEnabled;
  shape.perceptual = PerceptualTools::IsOn();
  _perceptualLaidOut = shape.perceptual;
  return shape;
}

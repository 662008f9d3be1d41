// Linear colour: detecting that the edited objects work in linear colour,
// switching the linear display, and the screen picker's reports.
#include "chooserids.h"
#include "chooserpanels.h"
#include "colorchoosergui.h"
#include "colorscreenpicker/colorscreenpicker.h"
#include "diagnostics.h"
#include "gedata.h"
#include "geuserarea.h"
#include "hostservices.h"
#include "utils/colorinterface.h"
#include "utils/colorutils.h"

using namespace chooser;

void ColorChooserGui::DetectLinear()
{
  const bool wasLinear = _linearContext;
  _linearContext = false;
  _linearDetected = false;

  // The parent fills the container with links to the objects being edited.
  BaseContainer links;
  BaseContainer query(GXA_MSG_PARENT_QUERY_OBJECTS);
  query.SetInt32(GXA_MSG_ID, GetId());
  query.SetInt32(GXA_MSG_VALUE, GXA_MSG_PARENT_QUERY_OBJECTS);
  query.SetInt64(2, static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(links.Get())));
  SendParentMessage(query);

  GxaDocument* doc = GetActiveDocument();
  for (const BaseContainer::Entry entry : links)
  {
    GxaObject* object = GeData::CopyOf(entry.data).ResolveLink(doc);
    if (!object)
      continue;
    _linearDetected = GetObjectType(object) == kLinearObjectType;
    break;
  }

  _linearContext = _linearDetected;
  _state.SetBool(kStateLinearContext, _linearContext);
  _linearActive = _linearContext && _state.GetBool(kModeLinearDisplay, false);
  if (_linearContext == wasLinear || !GetPanel(Panel::ModeButtons) || GetLayoutMode() != 2 || !_expandedAllowed)
    return;
  const Result<void> relayout = RelayoutModeButtons();
  if (relayout.IsError())
    ReportError("ColorChooserGui::SetLinearModeFlag()", relayout.GetError());
}

Result<void> ColorChooserGui::RelayoutModeButtons()
{
  // The linear display button comes and goes with the linear context.
  LayoutFlushGroup(kGroupModeButtons);
  const Result<void> result = GetPanel(Panel::ModeButtons)->CreateLayout(*this);
  LayoutChanged(kGroupModeButtons);
  return result;
}

Result<void> ColorChooserGui::SetLinearDisplay(bool on)
{
  _state.SetBool(kModeLinearDisplay, on);
  const bool wasActive = _linearActive;
  _linearActive = _linearContext && on;
  if (_linearActive == wasActive)
    return Ok();
  const std::int32_t code = _linearActive ? GXA_TRANSFORM_FROM_HOST : GXA_TRANSFORM_TO_HOST;
  _color = ConvertColorSpace(_color, code);
  _openingColor = ConvertColorSpace(_openingColor, code);
  RETURN_IF_ERROR(ChooserPanels::ConvertWheelColors(GetPanel(Panel::Wheel), _state, code));
  return UpdateValues();
}

void ColorChooserGui::StartScreenPicker()
{
  ChooserPanels::SetPickerButtonState(_pickerButton.get(), false);
  _pickerBackup = GetColorInHostSpace();
  ColorScreenPicker::Prepare();
  // Where nothing can be picked the buttons show as they were.
  if (!ColorScreenPicker::Start(this, &ColorChooserGui::PickerCallback, GetHandle(), _pickerBackup))
    PickingEnded();
}

void ColorChooserGui::PickerCallback(const Vector& color, void* chooser, std::int32_t state)
{
  static_cast<ColorChooserGui*>(chooser)->PickerUpdate(color, state);
}

void ColorChooserGui::PickerUpdate(const Vector& color, std::int32_t state)
{
  _color = ToChooserSpace(color);
  RetainHsv();
  _liveChange = state == kPickerHovering;
  if (_colorField)
    _colorField->Redraw();
  if (state == kPickerHovering)
    return;
  if (state == kPickerPicked)
  {
    Enable(kGadgetPicker, true);
    const Result<void> sent = SendValue(BaseContainer(GXA_MSG_ACTION));
    if (sent.IsError())
      ReportError("ColorChooserGui::PickerUpdate()", sent.GetError());
  }
  PickingEnded();
}

void ColorChooserGui::PickingEnded()
{
  ChooserPanels::TellPickingEnded(GetPanel(Panel::ModeButtons));
  ChooserPanels::SetPickerButtonState(_pickerButton.get(), true);
}

#include "colorwheel/colorinterfacecolorwheel.h"

#include "diagnostics.h"
#include "utils/chooserview.h"

ColorInterfaceColorWheel::ColorInterfaceColorWheel(ChooserView& chooser) : _area(chooser) {}

Result<void> ColorInterfaceColorWheel::LoadOptions()
{
  _loaded = true;
  return _area.LoadOptions();
}

Result<void> ColorInterfaceColorWheel::CreateLayout(ChooserView&)
{
  if (!_loaded)
    RETURN_IF_ERROR(LoadOptions());
  return _area.CreateLayout();
}

void ColorInterfaceColorWheel::Update(ChooserView& chooser)
{
  if (!_loaded)
  {
    const Result<void> loaded = LoadOptions();
    if (loaded.IsError())
      ReportError("ColorChooserGui::UpdateValues()", loaded.GetError());
  }
  const Result<void> updated = _area.SetColorFromChooser(chooser.GetHSV());
  if (updated.IsError())
    ReportError("ColorChooserGui::UpdateValues()", updated.GetError());
}

Result<bool> ColorInterfaceColorWheel::Command(std::int32_t id, const BaseContainer& msg, ChooserView&)
{
  return _area.Command(id, msg);
}

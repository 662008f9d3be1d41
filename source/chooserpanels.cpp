#include "chooserpanels.h"

#include "geuserarea.h"
#include "utils/colorinterface.h"

Result<std::unique_ptr<ColorInterface>> ChooserPanels::Create(ColorChooserGui::Panel)
{
  return std::unique_ptr<ColorInterface>();
}

Result<std::unique_ptr<GeUserArea>> ChooserPanels::CreateColorField(std::int32_t, std::int32_t)
{
  return std::unique_ptr<GeUserArea>();
}

Result<std::unique_ptr<GeUserArea>> ChooserPanels::CreateBrightnessSlider()
{
  return std::unique_ptr<GeUserArea>();
}

Result<std::unique_ptr<GeUserArea>> ChooserPanels::CreatePickerButton(const BaseContainer&)
{
  return std::unique_ptr<GeUserArea>();
}

void ChooserPanels::SetPickerButtonState(GeUserArea*, bool) {}

void ChooserPanels::UpdateBrightnessSlider(GeUserArea*, const Vector&, bool) {}

void ChooserPanels::TellPickingEnded(ColorInterface*, ColorChooserGui&) {}

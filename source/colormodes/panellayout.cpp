#include "colormodes/panellayout.h"

#include <string>

#include "moduleresource.h"
#include "utils/chooserview.h"

PanelLayout& PanelLayout::Check(bool ok, const char* step)
{
  if (!ok && !_failed)
    _failed = step;
  return *this;
}

PanelLayout& PanelLayout::Separator()
{
  return Check(_dialog.AddSeparatorH(kSeparatorFlags), "AddSeparatorH() failed.");
}

PanelLayout& PanelLayout::Group(std::int32_t flags, std::int32_t columns, std::int32_t rows, std::int32_t spaceX,
                                std::int32_t spaceY)
{
  Check(_dialog.GroupBegin(0, flags, columns, rows), "GroupBegin() failed.");
  return Check(_dialog.GroupSpace(spaceX, spaceY), "GroupSpace() failed.");
}

PanelLayout& PanelLayout::End()
{
  return Check(_dialog.GroupEnd(), "GroupEnd() failed.");
}

PanelLayout& PanelLayout::Label(std::int32_t stringId, std::int32_t width, std::int32_t id)
{
  return Check(_dialog.AddStaticText(id, kLabelFlags, width, 0, ModuleResource::LoadString(stringId)),
               "AddStaticText() failed.");
}

PanelLayout& PanelLayout::Checkbox(std::int32_t id, std::int32_t stringId)
{
  return Check(_dialog.AddCheckbox(id, kLabelFlags, 0, 0, ModuleResource::LoadString(stringId)),
               "AddCheckbox() failed.");
}

PanelLayout& PanelLayout::NumberField(std::int32_t id)
{
  return Check(_dialog.AddEditNumberArrows(id, kFieldFlags, kNumberFieldWidth, 0), "AddEditNumberArrows() failed.");
}

PanelLayout& PanelLayout::TextField(std::int32_t id, std::int32_t width)
{
  return Check(_dialog.AddEditText(id, kFieldFlags, width, 0), "AddEditText() failed.");
}

PanelLayout& PanelLayout::UserArea(std::int32_t id, std::int32_t flags, GeUserArea& area, std::int32_t attachFlags)
{
  Check(_dialog.AddUserArea(id, flags), "AddUserArea() failed.");
  return Check(_dialog.AttachUserArea(area, id, attachFlags), "AttachUserArea() failed.");
}

PanelLayout& PanelLayout::SliderRow(std::int32_t stringId, std::int32_t fieldId, std::int32_t sliderId,
                                    GeUserArea& slider, std::int32_t labelId)
{
  return Label(stringId, ChooserView::GetLabelWidth(), labelId)
      .NumberField(fieldId)
      .UserArea(sliderId, kSliderFlags, slider, 0);
}

Result<void> PanelLayout::Finish() const
{
  if (_failed)
    return UnexpectedError(_failed);
  return Ok();
}

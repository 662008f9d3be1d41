#include "utils/menutext.h"

#include "moduleresource.h"

String MenuText(std::int32_t stringId, bool disabled, bool checked)
{
  return MenuMarks(ModuleResource::LoadString(stringId), disabled, checked);
}

String MenuMarks(String text, bool disabled, bool checked)
{
  if (disabled)
    text += "&d&";
  if (checked)
    text += "&c&";
  return text;
}

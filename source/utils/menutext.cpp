#include "utils/menutext.h"

#include "moduleresource.h"

String MenuText(std::int32_t stringId, bool disabled, bool checked)
{
  String text = ModuleResource::LoadString(stringId);
  if (disabled)
    text += "&d&";
  if (checked)
    text += "&c&";
  return text;
}

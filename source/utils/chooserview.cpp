#include "utils/chooserview.h"

#include <cstdint>

#include "chooserids.h"
#include "hostservices.h"
#include "utils/labelwidth.h"

void ChooserView::PostBroadcast(std::int32_t code, const void* sender)
{
  PostEvent(chooser::kBroadcastEvent, code, static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(sender)));
}

std::int32_t ChooserView::GetLabelWidth()
{
  return LabelWidth::GetHint();
}

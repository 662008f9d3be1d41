#include "colorchoosergui.h"

namespace
{
constexpr std::int32_t kOuterGroup = 0x3E80001;
constexpr std::int32_t kOuterGroupFlags = 63;
}  // namespace

ColorChooserGui::ColorChooserGui(const BaseContainer& settings, GxaPluginRecord* record)
    : iCustomGui(settings, record), _settings(settings)
{
}

bool ColorChooserGui::CreateLayout()
{
  bool ok = GroupBegin(kOuterGroup, kOuterGroupFlags, 1, 0);
  ok = GroupBorderSpace(0, 0, 3, 1) && ok;
  return GroupEnd() && ok;
}

bool ColorChooserGui::SetData(const TriStateData& value)
{
  _value.value = value.value;
  _value.mixed = value.mixed;
  return true;
}

bool ColorChooserGui::GetData(TriStateData& out)
{
  out.value = _value.value;
  out.mixed = false;
  return true;
}

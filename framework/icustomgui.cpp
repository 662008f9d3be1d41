#include "icustomgui.h"

#include "registry.h"

namespace
{
constexpr std::int32_t kLayoutSwitchFlag = 0x2;
}  // namespace

iCustomGui::iCustomGui(const BaseContainer& settings, GxaPluginRecord* record) : _record(record)
{
  const std::int32_t mode = settings.GetInt32(kLayoutModeKey, 0);
  _layoutMode = (mode == 1 || mode == 2) ? mode : 0;
  _defaultHeight = settings.GetInt32(kDefaultHeightKey, 10);
}

iCustomGui* iCustomGui::FromUser(void* user)
{
  return user ? dynamic_cast<iCustomGui*>(static_cast<GeDialog*>(user)) : nullptr;
}

bool iCustomGui::Query9()
{
  return false;
}

bool iCustomGui::Query10()
{
  return false;
}

void iCustomGui::Hook() {}

bool iCustomGui::Query12()
{
  return false;
}

bool iCustomGui::Query13()
{
  return false;
}

bool iCustomGui::ResetValues()
{
  InitValues();
  return true;
}

bool iCustomGui::SetData(const TriStateData&)
{
  return false;
}

bool iCustomGui::GetData(TriStateData&)
{
  return false;
}

bool iCustomGui::SupportLayoutSwitch()
{
  return (GetPluginInfoFlags(_record) & kLayoutSwitchFlag) != 0;
}

bool iCustomGui::LayoutModeChanged()
{
  return true;
}

bool iCustomGui::SetLayoutMode(std::int32_t mode)
{
  if (!SupportLayoutSwitch() || mode == _layoutMode)
    return false;
  _layoutMode = mode;
  return LayoutModeChanged();
}

std::int32_t iCustomGui::GetLayoutMode()
{
  return _layoutMode;
}

bool iCustomGui::ExtraQuery()
{
  return false;
}

#pragma once
// The chooser's custom GUI plug-in (1000492): creates a ColorChooserGui for
// each shown colour parameter.
#include <cstdint>

#include "customguidata.h"

constexpr std::int32_t kColorChooserPluginId = 1000492;

class ColorChooserGuiData : public CustomGuiData
{
public:
  std::int32_t GetId() override;
  GxaDialog* Alloc(const BaseContainer& settings, GxaPluginRecord* record) override;
  void Free(GxaDialog* dialog, void* object) override;
  const char* GetResourceSym() override;
  const GxaPropertyRow* GetProperties() override;
  std::int32_t GetResourceDataType(const std::int32_t*& table) override;
};

#pragma once
// The chooser gadget that the host shows for a colour parameter. For now it
// keeps its settings and the value the host sets, and lays out its outer
// group; the modes and panels build on it.
#include <cstdint>

#include "basecontainer.h"
#include "icustomgui.h"
#include "tristatedata.h"

class ColorChooserGui : public iCustomGui
{
public:
  ColorChooserGui(const BaseContainer& settings, GxaPluginRecord* record);

  bool CreateLayout() override;
  bool SetData(const TriStateData& value) override;
  bool GetData(TriStateData& out) override;

  const BaseContainer& GetSettings() const { return _settings; }

private:
  BaseContainer _settings;
  TriStateData _value;
};

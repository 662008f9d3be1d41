#pragma once
// The base of a custom GUI gadget: a sub-dialog that the host creates for a
// parameter through a CustomGuiData. It keeps the host's plug-in record,
// the layout mode (settings 'laym': 1 or 2, anything else 0) and the default
// height (settings 'defh', 10 when absent). The custom GUI operations follow
// the dialog ones in slot order 9 to 21.
#include <cstdint>

#include "basecontainer.h"
#include "subdialog.h"
#include "tristatedata.h"

class iCustomGui : public SubDialog
{
public:
  static constexpr std::int32_t kLayoutModeKey = GXA_FOURCC('l', 'a', 'y', 'm');
  static constexpr std::int32_t kDefaultHeightKey = GXA_FOURCC('d', 'e', 'f', 'h');

  iCustomGui(const BaseContainer& settings, GxaPluginRecord* record);

  // The gadget behind the object pointer of a published custom GUI table
  // entry (dialogs->user_of of its handle); null for other dialogs.
  static iCustomGui* FromUser(void* user);

  GxaPluginRecord* GetPluginRecord() const { return _record; }
  std::int32_t GetDefaultHeight() const { return _defaultHeight; }

  virtual bool Query9();   // slot 9
  virtual bool Query10();  // slot 10
  virtual void Hook();     // slot 11
  virtual bool Query12();  // slot 12
  virtual bool Query13();  // slot 13
  // Runs InitValues.
  virtual bool ResetValues();                       // slot 14
  virtual bool SetData(const TriStateData& value);  // slot 15
  virtual bool GetData(TriStateData& out);          // slot 16
  // Bit 1 of the plug-in's information flags.
  virtual bool SupportLayoutSwitch();  // slot 17
  virtual bool LayoutModeChanged();    // slot 18
  // When supported and different: stores mode and runs LayoutModeChanged.
  virtual bool SetLayoutMode(std::int32_t mode);  // slot 19
  virtual std::int32_t GetLayoutMode();           // slot 20
  virtual bool ExtraQuery();                      // slot 21

protected:
  std::int32_t _layoutMode = 0;

private:
  GxaPluginRecord* _record = nullptr;
  std::int32_t _defaultHeight = 10;
};

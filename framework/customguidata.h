#pragma once
// A custom GUI plug-in: the host asks it for a gadget per shown parameter.
// Register hands the object to the host, which destroys it through the
// plug-in's destroy callback when it is done with it.
#include <cstdint>
#include <memory>

#include "basecontainer.h"
#include "basedata.h"
#include "gxa_api.h"
#include "gxastring.h"

class CustomGuiData : public BaseData
{
public:
  virtual std::int32_t GetId() = 0;
  // The host handle of a new gadget's dialog; null on failure.
  virtual GxaDialog* Alloc(const BaseContainer& settings, GxaPluginRecord* record) = 0;
  // Destroys what Alloc made; object is dialogs->user_of(dialog).
  virtual void Free(GxaDialog* dialog, void* object) = 0;
  virtual const char* GetResourceSym() = 0;
  virtual const GxaPropertyRow* GetProperties() = 0;
  // Stores a static list of served value types in table; answers its length.
  virtual std::int32_t GetResourceDataType(const std::int32_t*& table) = 0;

  // On failure data is destroyed here.
  static bool Register(std::int32_t id, const String& name, std::int32_t infoFlags,
                       std::unique_ptr<CustomGuiData> data);

private:
  static const GxaCustomGuiCallbacks kCallbacks;
};

#include "modulestart.h"

#include <cstdint>
#include <cstring>
#include <memory>

#include "colorchooserdata.h"
#include "colorresourcedatatypeclass.h"
#include "colortoolslibrary.h"
#include "customguilibrary.h"
#include "diagnostics.h"
#include "moduleresource.h"
#include "registry.h"
#include "swatches/swatchdatalibrary.h"
#include "swatches/swatchgrouplibrary.h"

namespace
{
constexpr std::uint32_t kLibraryVersion = 1000;
constexpr std::int32_t kChooserInfoFlags = 3;
constexpr std::int32_t kColorTypeInfoFlags = 128;
constexpr std::int32_t kChooserNameString = 20001;
constexpr std::int32_t kColorTypeNameString = 20099;

static_assert(sizeof(GxaCustomGuiTable) == 264);
static_assert(sizeof(GxaColorToolsTable) == 152);
static_assert(sizeof(GxaSwatchDataTable) == 176);
static_assert(sizeof(GxaSwatchGroupTable) == 200);

// The host keeps pointers to these for as long as the module is loaded.
GxaCustomGuiTable g_customGuiTable;
GxaColorToolsTable g_colorToolsTable;
GxaSwatchDataTable g_swatchDataTable;
GxaSwatchGroupTable g_swatchGroupTable;

// Unfilled entries stay zero.
template <typename Table>
void ClearTable(Table& table)
{
  std::memset(&table, 0, sizeof table);
  table.header.version = kLibraryVersion;
  table.header.size = sizeof table;
}

bool PublishCustomGuiTable()
{
  ClearTable(g_customGuiTable);
  FillCustomGuiTable(g_customGuiTable);
  return PublishLibrary(GXA_LIB_CUSTOMGUI, &g_customGuiTable);
}

bool RegisterChooser()
{
  return CustomGuiData::Register(kColorChooserPluginId, ModuleResource::LoadString(kChooserNameString),
                                 kChooserInfoFlags, std::make_unique<ColorChooserGuiData>());
}

bool RegisterColorType()
{
  GxaDataTypeClass* vectorClass = FindDataTypeClass(GXA_TYPE_VECTOR);
  if (!vectorClass)
  {
    DebugStop();
    return false;
  }
  return ResourceDataTypeClass::Register(kColorResourceType, ModuleResource::LoadString(kColorTypeNameString),
                                         kColorTypeInfoFlags,
                                         std::make_unique<ColorResourceDataTypeClass>(vectorClass));
}

bool PublishColorTools()
{
  ClearTable(g_colorToolsTable);
  FillColorToolsTable(g_colorToolsTable);
  return PublishLibrary(GXA_LIB_COLORTOOLS, &g_colorToolsTable);
}

bool PublishSwatchData()
{
  ClearTable(g_swatchDataTable);
  FillSwatchDataTable(g_swatchDataTable);
  return PublishLibrary(GXA_LIB_SWATCHDATA, &g_swatchDataTable);
}

bool PublishSwatchGroup()
{
  ClearTable(g_swatchGroupTable);
  FillSwatchGroupTable(g_swatchGroupTable);
  return PublishLibrary(GXA_LIB_SWATCHGROUP, &g_swatchGroupTable);
}
}  // namespace

bool StartModule()
{
  return PublishCustomGuiTable() && RegisterChooser() && RegisterColorType() && PublishColorTools() &&
         PublishSwatchData() && PublishSwatchGroup();
}

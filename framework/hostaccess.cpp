#include "hostaccess.h"

namespace
{
const GxaHostTable* g_table = nullptr;
}  // namespace

void SetHostTable(const GxaHostTable* table)
{
  g_table = table;
}

const GxaHostTable* GetHostTable()
{
  return g_table;
}

int GetHostInterfaceVersion()
{
  return g_table ? g_table->version : 0;
}

// A family pointer exists only when the top table is long enough to hold it.
#define GXA_FAMILY(Name, Type, field)              \
  const Type* Name()                               \
  {                                                \
    const GxaHostTable* t = g_table;               \
    return GXA_HAS(t, field) ? t->field : nullptr; \
  }

GXA_FAMILY(HostRegistry, GxaRegistryFns, registry)
GXA_FAMILY(HostResources, GxaResourceFns, resources)
GXA_FAMILY(HostContainers, GxaContainerFns, containers)
GXA_FAMILY(HostData, GxaDataFns, data)
GXA_FAMILY(HostDocuments, GxaDocumentFns, documents)
GXA_FAMILY(HostEvents, GxaEventFns, events)
GXA_FAMILY(HostDiagnostics, GxaDiagnosticFns, diagnostics)
GXA_FAMILY(HostFilenames, GxaFilenameFns, filenames)
GXA_FAMILY(HostDialogs, GxaDialogFns, dialogs)
GXA_FAMILY(HostUserAreas, GxaUserAreaFns, userareas)
GXA_FAMILY(HostInput, GxaInputFns, input)
GXA_FAMILY(HostBitmaps, GxaBitmapFns, bitmaps)
GXA_FAMILY(HostColor, GxaColorFns, color)
GXA_FAMILY(HostStreams, GxaStreamFns, streams)
GXA_FAMILY(HostPresets, GxaPresetFns, presets)
GXA_FAMILY(HostPlatform, GxaPlatformFns, platform)

#undef GXA_FAMILY

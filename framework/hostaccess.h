#pragma once
// The host's function tables, handed over at entry action 1. Each accessor
// answers the family, or null when there is no table or the host lacks the
// family; callers test single entries with GXA_HAS before calling them.
#include "gxa_api.h"

void SetHostTable(const GxaHostTable* table);
const GxaHostTable* GetHostTable();
// The version word of the table, 0 without one.
int GetHostInterfaceVersion();

const GxaRegistryFns* HostRegistry();
const GxaResourceFns* HostResources();
const GxaContainerFns* HostContainers();
const GxaDataFns* HostData();
const GxaDocumentFns* HostDocuments();
const GxaEventFns* HostEvents();
const GxaDiagnosticFns* HostDiagnostics();
const GxaFilenameFns* HostFilenames();
const GxaDialogFns* HostDialogs();
const GxaUserAreaFns* HostUserAreas();
const GxaInputFns* HostInput();
const GxaBitmapFns* HostBitmaps();
const GxaColorFns* HostColor();
const GxaStreamFns* HostStreams();
const GxaPresetFns* HostPresets();
const GxaPlatformFns* HostPlatform();

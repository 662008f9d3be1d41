#pragma once
// The core families of the host table. Each answers a static table whose
// entries reach the running host through Host::Current().
#include "gxa_api.h"

namespace host {

const GxaRegistryFns* RegistryFamily();
const GxaResourceFns* ResourceFamily();
const GxaContainerFns* ContainerFamily();
const GxaDataFns* DataFamily();
const GxaDocumentFns* DocumentFamily();
const GxaEventFns* EventFamily();
const GxaDiagnosticFns* DiagnosticFamily();
const GxaFilenameFns* FilenameFamily();
const GxaStreamFns* StreamFamily();

}  // namespace host

#include "core/hosttable.h"

#include "color/colorfamily.h"
#include "core/families.h"

namespace host {

HostTable::HostTable() {
  table_.version = GXA_API_VERSION;
  table_.size = sizeof table_;
  table_.registry = RegistryFamily();
  table_.resources = ResourceFamily();
  table_.containers = ContainerFamily();
  table_.data = DataFamily();
  table_.documents = DocumentFamily();
  table_.events = EventFamily();
  table_.diagnostics = DiagnosticFamily();
  table_.filenames = FilenameFamily();
  table_.color = ColorFamily();
  table_.streams = StreamFamily();
}

}  // namespace host

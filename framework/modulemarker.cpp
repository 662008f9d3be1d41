// The marker by which a host tells a gxa module from any other library.
#include <cstdint>

#include "gxa_api.h"

extern "C"
{
  __attribute__((visibility("default"))) extern const std::uint32_t gxa_module_marker;
  const std::uint32_t gxa_module_marker = GXA_MODULE_MAGIC;
}

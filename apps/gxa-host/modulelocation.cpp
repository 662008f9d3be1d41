#include "modulelocation.h"

#include <filesystem>
#include <system_error>

namespace host::cli {

std::string ModuleLocation::Default() {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    for (const char* relative : {"module/libcolorchooser.so", "../lib/gxa-host/libcolorchooser.so"}) {
      const fs::path candidate = (exe.parent_path() / relative).lexically_normal();
      if (fs::is_regular_file(candidate, ec)) return candidate.string();
    }
  }
  return GXA_DEFAULT_MODULE;
}

}  // namespace host::cli

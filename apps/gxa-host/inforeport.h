#pragma once
// What `gxa-host info` reports: the module's answers, its registrations and
// published tables, and the diagnostic lines, gathered as JSON and printed
// either as JSON or as text.
#include <cstdio>
#include <nlohmann/json.hpp>

#include "core/host.h"

namespace host::cli {

class InfoReport {
 public:
  // While the module is loaded: answers and registrations.
  static nlohmann::json Gather(Host& host, const ModuleStartup& startup);
  // After it was unloaded: the end answers and every diagnostic line.
  static void Finish(nlohmann::json& report, Host& host, const ModuleShutdown& shutdown);

  static void PrintText(const nlohmann::json& report, std::FILE* out);

 private:
  static nlohmann::json CustomGuis(const Registry& registry);
  static nlohmann::json ResourceTypes(const Registry& registry);
  static nlohmann::json Libraries(const Registry& registry);
  static nlohmann::json Diagnostics(const host::Diagnostics& diagnostics);
  static void PrintRegistrations(const nlohmann::json& report, std::FILE* out);
  static void PrintLibrariesAndLines(const nlohmann::json& report, std::FILE* out);
};

}  // namespace host::cli

#pragma once
// The running host: registrations, preferences, the active document, the
// event queue, string resources, diagnostics and the loaded module. The C
// family functions have no context pointer, so one host at a time is current
// and reachable through Host::Current().
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/diagnostics.h"
#include "core/document.h"
#include "core/eventqueue.h"
#include "core/filename.h"
#include "core/hostoptions.h"
#include "core/hostpaths.h"
#include "core/hosttable.h"
#include "core/module.h"
#include "core/outcome.h"
#include "core/registry.h"
#include "core/stringresources.h"
#include "core/worldpreferences.h"

namespace host {

// What the module answered while it was loaded.
struct ModuleStartup {
  int32_t init = 0;             // action 1
  int32_t resources = 0;        // action 6, message 1
  int32_t start = 0;            // action 2
  int32_t presets = 0;          // action 6, message 1000
  bool record_cleared = false;  // message 1 let go of the record's cached pointer
  bool Started() const { return init == 1 && resources == 1 && start == 1; }
};

struct ModuleShutdown {
  int32_t free_presets = 0;  // action 6, message 1001
  int32_t end = 0;           // action 3
};

class Host {
 public:
  // Fails when there is already a current host or the preference folder
  // cannot be found. A damaged preferences file is not a failure: it is
  // reported as a host warning and the host runs on defaults.
  static Outcome<std::unique_ptr<Host>> Create(const HostOptions& options);
  static Host* Current() { return current_; }
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  const HostOptions& Options() const { return options_; }
  HostTable& Table() { return table_; }
  Registry& Registrations() { return registry_; }
  Diagnostics& Diag() { return diagnostics_; }
  EventQueue& Events() { return events_; }
  WorldPreferences& Prefs() { return *prefs_; }
  const std::optional<HostPaths>& Paths() const { return paths_; }

  void SetInterfaceVersion(int32_t version);
  void SetApplicationType(int32_t type) { registry_.SetApplicationType(type); }
  // Icon pixels per logical pixel (1 or 2); the window front end sets it.
  int InterfaceScale() const { return interface_scale_; }
  void SetInterfaceScale(int scale) { interface_scale_ = scale == 2 ? 2 : 1; }

  // The host's installation folder, and whether f lies in it. Without
  // --host-folder, the executable's folder counts as one only when it holds
  // a "resource" folder (an installed host, not a build tree).
  const Filename& HostFolder() const { return host_folder_; }
  bool IsInHostFolder(const Filename& f) const;

  Document* ActiveDocument() { return document_.get(); }
  void SetActiveDocument(std::unique_ptr<Document> doc) { document_ = std::move(doc); }

  // String resources opened by the module (GxaResource handles).
  StringResources* OpenStrings(const std::filesystem::path& res_folder);
  bool CloseStrings(const StringResources* res);
  size_t OpenStringCount() const { return strings_.size(); }

  // dlopen only; the caller drives the actions (entry tests do).
  Outcome<Module*> OpenModule(const std::filesystem::path& path);
  // Open and run actions 1, 6/1, 2 and 6/1000. Fails when the library cannot
  // be opened or refuses action 1 or message 1 (the module is then ended and
  // closed again); a failed start is reported in the answer, not as a failure.
  Outcome<ModuleStartup> LoadModule(const std::filesystem::path& path);
  // Messages 1001 and action 3 for a loaded module, then close it.
  ModuleShutdown UnloadModule();
  // Forget the module's registrations and dlclose it, without any action.
  void CloseModule();
  Module* LoadedModule() { return module_.get(); }

 private:
  explicit Host(const HostOptions& options);
  void ResolveHostFolder();
  void ReportStrayResources();

  static Host* current_;

  HostOptions options_;
  std::optional<HostPaths> paths_;
  Diagnostics diagnostics_;
  EventQueue events_;
  Registry registry_;
  HostTable table_;
  std::unique_ptr<WorldPreferences> prefs_;
  std::unique_ptr<Document> document_;
  std::vector<std::unique_ptr<StringResources>> strings_;
  Filename host_folder_;
  bool host_folder_installed_ = false;
  std::unique_ptr<Module> module_;
  bool module_started_ = false;
  int interface_scale_ = 1;
};

}  // namespace host

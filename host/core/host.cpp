#include "core/host.h"

#include "presets/presetfamily.h"

#include <unistd.h>

#include <algorithm>
#include <system_error>

namespace host {

Host* Host::current_ = nullptr;

Outcome<std::unique_ptr<Host>> Host::Create(const HostOptions& options) {
  using R = Outcome<std::unique_ptr<Host>>;
  if (current_) return R::Fail("a host is already running in this process");
  std::optional<HostPaths> paths;
  if (options.persistent_preferences) {
    auto resolved = HostPaths::Resolve(options.home);
    if (!resolved) return R::Fail(resolved.Error());
    paths = resolved.Value();
  }
  std::unique_ptr<Host> h(new Host(options));
  h->paths_ = paths;
  if (paths) {
    h->prefs_ = std::make_unique<WorldPreferences>(paths->PreferencesFile());
    if (!h->prefs_->Problem().empty()) h->diagnostics_.Warn(h->prefs_->Problem());
  } else {
    h->prefs_ = std::make_unique<WorldPreferences>();
  }
  PresetFamily::Install(*h);
  return h;
}

Host::Host(const HostOptions& options) : options_(options), document_(std::make_unique<Document>()) {
  current_ = this;
  diagnostics_.SetEcho(options.debug);
  SetInterfaceVersion(options.interface_version);
  registry_.SetApplicationType(options.application_type);
  ResolveHostFolder();
}

Host::~Host() {
  if (module_started_) {
    UnloadModule();
  } else {
    CloseModule();
  }
  registry_.ReleaseModuleRegistrations();
  current_ = nullptr;
}

void Host::SetInterfaceVersion(int32_t version) {
  registry_.SetInterfaceVersion(version);
  table_.SetVersion(version);
}

void Host::ResolveHostFolder() {
  std::error_code ec;
  if (options_.host_folder) {
    host_folder_.Set(std::filesystem::absolute(*options_.host_folder, ec).lexically_normal().string());
    host_folder_installed_ = true;
    return;
  }
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return;
  auto dir = exe.parent_path();
  host_folder_.Set(dir.string());
  host_folder_installed_ = std::filesystem::is_directory(dir / "resource", ec);
}

bool Host::IsInHostFolder(const Filename& f) const { return host_folder_installed_ && f.IsInside(host_folder_); }

StringResources* Host::OpenStrings(const std::filesystem::path& res_folder) {
  auto opened = StringResources::Open(res_folder);
  if (!opened) {
    diagnostics_.Warn(opened.Error());
    return nullptr;
  }
  for (const auto& p : opened->Problems()) diagnostics_.Warn(p);
  strings_.push_back(std::make_unique<StringResources>(std::move(opened.Value())));
  return strings_.back().get();
}

bool Host::CloseStrings(const StringResources* res) {
  return std::erase_if(strings_, [res](const auto& s) { return s.get() == res; }) > 0;
}

Outcome<Module*> Host::OpenModule(const std::filesystem::path& path) {
  if (module_) return Outcome<Module*>::Fail("a module is already loaded: " + module_->Path().string());
  auto opened = Module::Open(path);
  if (!opened) return Outcome<Module*>::Fail(opened.Error());
  module_ = std::move(opened.Value());
  return module_.get();
}

Outcome<ModuleStartup> Host::LoadModule(const std::filesystem::path& path) {
  using R = Outcome<ModuleStartup>;
  auto opened = OpenModule(path);
  if (!opened) return R::Fail(opened.Error());
  Module& m = *module_;
  ModuleStartup s;
  s.init = m.Init(table_.Table());
  if (s.init != 1) {
    m.End();  // the module counted the refused action 1
    CloseModule();
    return R::Fail("the module refused the host (interface version " + std::to_string(table_.Version()) +
                   "): action 1 answered " + std::to_string(s.init));
  }
  // The record's first field holds something the module must let go of.
  m.MessageRecord().cached = &m.MessageRecord();
  s.resources = m.Message(GXA_MODMSG_RESOURCES, &m.MessageRecord());
  if (s.resources != 1) {
    m.End();
    CloseModule();
    return R::Fail("the module could not open its resources (message 1 answered " + std::to_string(s.resources) + ")");
  }
  s.record_cleared = m.MessageRecord().cached == nullptr;
  module_started_ = true;
  s.start = m.Start();
  s.presets = m.Message(GXA_MODMSG_REGISTER_PRESETS, nullptr);
  return s;
}

ModuleShutdown Host::UnloadModule() {
  ModuleShutdown s;
  if (!module_) return s;
  if (module_started_) {
    s.free_presets = module_->Message(GXA_MODMSG_FREE_PRESETS, nullptr);
    s.end = module_->End();
    module_started_ = false;
  }
  CloseModule();
  return s;
}

void Host::CloseModule() {
  if (!module_) return;
  registry_.ReleaseModuleRegistrations();
  ReportStrayResources();
  module_.reset();
}

void Host::ReportStrayResources() {
  if (strings_.empty()) return;
  diagnostics_.Warn("the module left " + std::to_string(strings_.size()) + " string resource(s) open");
  strings_.clear();
}

}  // namespace host

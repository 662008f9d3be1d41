#include "core/module.h"

#include <dlfcn.h>
#include <sched.h>

#include <system_error>

#include "core/handles.h"
#include "core/modulecall.h"

namespace host {

namespace {

void YieldCpu() { sched_yield(); }

std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

}  // namespace

Outcome<std::unique_ptr<Module>> Module::Open(const std::filesystem::path& path) {
  using R = Outcome<std::unique_ptr<Module>>;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    return R::Fail("no module at " + path.string());
  }
  auto absolute = std::filesystem::absolute(path, ec).lexically_normal();
  dlerror();
  void* handle = dlopen(absolute.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* why = dlerror();
    return R::Fail("cannot load module " + absolute.string() + ": " + OneLine(why ? why : "unknown error"));
  }
  auto* marker = static_cast<const uint32_t*>(dlsym(handle, GXA_MODULE_MARKER_SYMBOL));
  auto entry = reinterpret_cast<GxaMainFn>(dlsym(handle, GXA_MAIN_SYMBOL));
  auto* yield_slot = static_cast<GxaCpuYieldFn*>(dlsym(handle, GXA_CPU_YIELD_SYMBOL));
  std::string problem;
  if (!marker || *marker != GXA_MODULE_MAGIC) {
    problem = "it carries no gxa module marker";
  } else if (!entry) {
    problem = std::string("it exports no ") + GXA_MAIN_SYMBOL;
  }
  if (!problem.empty()) {
    dlclose(handle);
    return R::Fail(absolute.string() + " is not a gxa module: " + problem);
  }
  if (yield_slot) *yield_slot = &YieldCpu;
  return std::unique_ptr<Module>(new Module(handle, entry, absolute));
}

Module::Module(void* handle, GxaMainFn entry, std::filesystem::path path)
    : handle_(handle), entry_(entry), path_(std::move(path)), path_name_(path_.string()) {}

Module::~Module() { dlclose(handle_); }

int32_t Module::Call(int32_t action, void* p1, void* p2, void* p3) {
  ModuleCall call;
  return entry_(action, p1, p2, p3);
}

int32_t Module::Init(const GxaHostTable* table) {
  return Call(GXA_ACTION_INIT, const_cast<GxaHostTable*>(table), nullptr, ToHandle(&path_name_));
}

int32_t Module::Message(int32_t id, void* data) {
  // The message ID travels in the pointer's value.
  return Call(GXA_ACTION_MESSAGE, reinterpret_cast<void*>(static_cast<intptr_t>(id)), data, nullptr);
}

}  // namespace host

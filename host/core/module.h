#pragma once
// A loaded module library: its entry, the CPU-yield slot and the marker.
// Every call into the entry holds a ModuleCall, so events the module posts
// wait until the call has returned.
#include <cstdint>
#include <filesystem>
#include <memory>

#include "core/filename.h"
#include "core/outcome.h"
#include "gxa_api.h"

namespace host {

class Module {
 public:
  // dlopen and symbol checks only; no action is sent. The error is one line.
  static Outcome<std::unique_ptr<Module>> Open(const std::filesystem::path& path);
  ~Module();  // dlclose
  Module(const Module&) = delete;
  Module& operator=(const Module&) = delete;

  int32_t Call(int32_t action, void* p1, void* p2, void* p3);
  // Action 1 with this module's path.
  int32_t Init(const GxaHostTable* table);
  // Action 6: message id with its data.
  int32_t Message(int32_t id, void* data);
  int32_t Start() { return Call(GXA_ACTION_START, nullptr, nullptr, nullptr); }
  int32_t End() { return Call(GXA_ACTION_END, nullptr, nullptr, nullptr); }

  const std::filesystem::path& Path() const { return path_; }
  // The record message 1 receives; the module clears its first field.
  GxaModuleMessageData& MessageRecord() { return message_record_; }

 private:
  Module(void* handle, GxaMainFn entry, std::filesystem::path path);

  void* handle_;
  GxaMainFn entry_;
  std::filesystem::path path_;
  Filename path_name_;
  GxaModuleMessageData message_record_{};
};

}  // namespace host

#pragma once
// libdbus values that free themselves, and the a{sv} options a portal call
// takes, for the desktop portal's clients.
#include <dbus/dbus.h>

#include <cstring>
#include <string>

namespace host {

struct BusError {
  DBusError e;
  BusError() { dbus_error_init(&e); }
  ~BusError() { dbus_error_free(&e); }
  BusError(const BusError&) = delete;
  BusError& operator=(const BusError&) = delete;
  bool IsSet() const { return dbus_error_is_set(&e); }
  bool Is(const char* name) const { return IsSet() && std::strcmp(e.name, name) == 0; }
  // No portal answers at all, as opposed to one that refused.
  bool IsAbsent() const { return Is(DBUS_ERROR_SERVICE_UNKNOWN) || Is(DBUS_ERROR_NAME_HAS_NO_OWNER); }
  bool IsSilent() const { return Is(DBUS_ERROR_NO_REPLY) || Is(DBUS_ERROR_TIMEOUT); }
  std::string Text() const { return IsSet() ? std::string(e.message ? e.message : e.name) : ""; }
};

struct MessageRef {
  DBusMessage* m;
  explicit MessageRef(DBusMessage* message) : m(message) {}
  ~MessageRef() {
    if (m) dbus_message_unref(m);
  }
  MessageRef(const MessageRef&) = delete;
  MessageRef& operator=(const MessageRef&) = delete;
};

// Opened on the arguments of a message, closed by Close(); every append
// after a failed one is skipped, so one check at the end will do.
class BusOptions {
 public:
  explicit BusOptions(DBusMessageIter& args) : args_(args) {
    ok_ = dbus_message_iter_open_container(&args_, DBUS_TYPE_ARRAY, "{sv}", &options_);
  }
  void String(const char* key, const std::string& value) {
    const char* text = value.c_str();
    Basic(key, "s", DBUS_TYPE_STRING, &text);
  }
  void Bool(const char* key, bool value) {
    dbus_bool_t b = value ? TRUE : FALSE;
    Basic(key, "b", DBUS_TYPE_BOOLEAN, &b);
  }
  // The value's iterator inside the variant of signature, for shapes of its own.
  template <class Fill>
  void Custom(const char* key, const char* signature, Fill&& fill) {
    DBusMessageIter entry, variant;
    ok_ = ok_ && dbus_message_iter_open_container(&options_, DBUS_TYPE_DICT_ENTRY, nullptr, &entry) &&
          dbus_message_iter_append_basic(&entry, DBUS_TYPE_STRING, &key) &&
          dbus_message_iter_open_container(&entry, DBUS_TYPE_VARIANT, signature, &variant) && fill(variant) &&
          dbus_message_iter_close_container(&entry, &variant) && dbus_message_iter_close_container(&options_, &entry);
  }
  bool Close() { return ok_ && dbus_message_iter_close_container(&args_, &options_); }

 private:
  void Basic(const char* key, const char* signature, int type, const void* value) {
    Custom(key, signature, [&](DBusMessageIter& v) { return dbus_message_iter_append_basic(&v, type, value); });
  }
  DBusMessageIter& args_;
  DBusMessageIter options_;
  bool ok_ = false;
};

}  // namespace host

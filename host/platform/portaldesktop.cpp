#include "platform/portaldesktop.h"

#include <cstring>

#include "core/modulecall.h"
#include "platform/portalresponse.h"

namespace host {

namespace {

constexpr const char* kService = "org.freedesktop.portal.Desktop";
constexpr const char* kObject = "/org/freedesktop/portal/desktop";
constexpr const char* kScreenshot = "org.freedesktop.portal.Screenshot";
constexpr const char* kRequest = "org.freedesktop.portal.Request";
// A portal that is being started by the bus may take a moment.
constexpr int kCallTimeoutMs = 5000;
constexpr uint32_t kFirstWithPickColor = 2;

// A D-Bus error that frees itself.
struct BusError {
  DBusError e;
  BusError() { dbus_error_init(&e); }
  ~BusError() { dbus_error_free(&e); }
  bool Is(const char* name) const { return dbus_error_is_set(&e) && std::strcmp(e.name, name) == 0; }
  std::string Text() const { return dbus_error_is_set(&e) ? std::string(e.message ? e.message : e.name) : ""; }
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

std::string NoPortal(const BusError& error) {
  if (error.Is(DBUS_ERROR_SERVICE_UNKNOWN) || error.Is(DBUS_ERROR_NAME_HAS_NO_OWNER)) {
    return "Screen picker: no desktop portal answers on the session bus; nothing was picked";
  }
  if (error.Is(DBUS_ERROR_NO_REPLY) || error.Is(DBUS_ERROR_TIMEOUT)) {
    return "Screen picker: the desktop portal did not answer; nothing was picked";
  }
  return "Screen picker: the desktop portal cannot pick a colour (" + error.Text() + ")";
}

}  // namespace

PortalDesktop::~PortalDesktop() {
  CancelPick();
  if (connection_) {
    dbus_connection_close(connection_);
    dbus_connection_unref(connection_);
  }
}

bool PortalDesktop::Connect() {
  if (connection_ && dbus_connection_get_is_connected(connection_)) return true;
  if (connection_) {
    dbus_connection_unref(connection_);
    connection_ = nullptr;
  }
  BusError error;
  connection_ = dbus_bus_get_private(DBUS_BUS_SESSION, &error.e);
  if (!connection_) {
    // The library's reason is long; the status line keeps to what the user can act on.
    Notice("Screen picker: no session bus to reach the desktop portal; nothing was picked");
    return false;
  }
  // A bus that goes away must not end the host.
  dbus_connection_set_exit_on_disconnect(connection_, FALSE);
  return true;
}

bool PortalDesktop::CheckVersion() {
  MessageRef call(dbus_message_new_method_call(kService, kObject, "org.freedesktop.DBus.Properties", "Get"));
  const char* iface = kScreenshot;
  const char* property = "version";
  if (!call.m ||
      !dbus_message_append_args(call.m, DBUS_TYPE_STRING, &iface, DBUS_TYPE_STRING, &property, DBUS_TYPE_INVALID)) {
    return false;
  }
  BusError error;
  MessageRef reply(dbus_connection_send_with_reply_and_block(connection_, call.m, kCallTimeoutMs, &error.e));
  if (!reply.m) {
    Notice(NoPortal(error));
    return false;
  }
  DBusMessageIter args, variant;
  uint32_t version = 0;
  if (dbus_message_iter_init(reply.m, &args) && dbus_message_iter_get_arg_type(&args) == DBUS_TYPE_VARIANT) {
    dbus_message_iter_recurse(&args, &variant);
    if (dbus_message_iter_get_arg_type(&variant) == DBUS_TYPE_UINT32) dbus_message_iter_get_basic(&variant, &version);
  }
  if (version >= kFirstWithPickColor) return true;
  Notice("Screen picker: the desktop portal cannot pick colours (its screenshot interface is version " +
         std::to_string(version) + ", colour picking needs 2)");
  return false;
}

std::string PortalDesktop::RequestPath(const std::string& token) const {
  // The portal names the request after our bus name, ":1.42" as "1_42".
  std::string sender = dbus_bus_get_unique_name(connection_);
  if (!sender.empty() && sender[0] == ':') sender.erase(0, 1);
  for (char& c : sender) {
    if (c == '.') c = '_';
  }
  return std::string(kObject) + "/request/" + sender + "/" + token;
}

bool PortalDesktop::Watch(const std::string& path, bool on) {
  const std::string rule =
      std::string("type='signal',interface='") + kRequest + "',member='Response',path='" + path + "'";
  BusError error;
  if (on) {
    dbus_bus_add_match(connection_, rule.c_str(), &error.e);
  } else {
    dbus_bus_remove_match(connection_, rule.c_str(), nullptr);
  }
  return !dbus_error_is_set(&error.e);
}

bool PortalDesktop::Request(Pending& pending) {
  const std::string token = "gxa" + std::to_string(++serial_);
  pending.path = RequestPath(token);
  // Listen before asking: the answer may come at once.
  if (!Watch(pending.path, true)) return false;
  MessageRef call(dbus_message_new_method_call(kService, kObject, kScreenshot, "PickColor"));
  if (!call.m) return false;
  DBusMessageIter args, options, entry, value;
  const char* parent = "";
  const char* key = "handle_token";
  const char* tokenText = token.c_str();
  dbus_message_iter_init_append(call.m, &args);
  const bool built = dbus_message_iter_append_basic(&args, DBUS_TYPE_STRING, &parent) &&
                     dbus_message_iter_open_container(&args, DBUS_TYPE_ARRAY, "{sv}", &options) &&
                     dbus_message_iter_open_container(&options, DBUS_TYPE_DICT_ENTRY, nullptr, &entry) &&
                     dbus_message_iter_append_basic(&entry, DBUS_TYPE_STRING, &key) &&
                     dbus_message_iter_open_container(&entry, DBUS_TYPE_VARIANT, "s", &value) &&
                     dbus_message_iter_append_basic(&value, DBUS_TYPE_STRING, &tokenText) &&
                     dbus_message_iter_close_container(&entry, &value) &&
                     dbus_message_iter_close_container(&options, &entry) &&
                     dbus_message_iter_close_container(&args, &options);
  if (!built) return false;
  BusError error;
  MessageRef reply(dbus_connection_send_with_reply_and_block(connection_, call.m, kCallTimeoutMs, &error.e));
  const char* handle = nullptr;
  if (!reply.m || !dbus_message_get_args(reply.m, nullptr, DBUS_TYPE_OBJECT_PATH, &handle, DBUS_TYPE_INVALID)) {
    Notice(reply.m ? "Screen picker: the desktop portal gave no request to wait for; nothing was picked"
                   : NoPortal(error));
    Watch(pending.path, false);
    return false;
  }
  // Anyone on the bus can send a signal on the request's path; the answer
  // counts only from the peer that took the request.
  const char* portal = dbus_message_get_sender(reply.m);
  pending.portal = portal ? portal : "";
  // Older portals choose their own request path.
  if (pending.path != handle) {
    pending.returned = handle;
    Watch(pending.returned, true);
  }
  return true;
}

bool PortalDesktop::PickColor(GxaPickAnswerFn answer, void* user) {
  if (pending_ || !answer || !Connect() || !CheckVersion()) return false;
  Pending pending{answer, user, "", "", ""};
  if (!Request(pending)) return false;
  pending_ = std::move(pending);
  return true;
}

bool PortalDesktop::IsOurs(DBusMessage* message) const {
  if (!pending_ || !dbus_message_is_signal(message, kRequest, "Response")) return false;
  const char* path = dbus_message_get_path(message);
  const char* sender = dbus_message_get_sender(message);
  return path && sender && pending_->portal == sender && (pending_->path == path || pending_->returned == path);
}

void PortalDesktop::Finish(uint32_t response, const double* rgb) {
  Pending done = std::move(*pending_);
  pending_.reset();
  Watch(done.path, false);
  if (!done.returned.empty()) Watch(done.returned, false);
  ModuleCall call;
  done.answer(done.user, int32_t(response), rgb);
}

bool PortalDesktop::Pump() {
  if (!connection_ || !pending_) return false;
  if (!dbus_connection_read_write(connection_, 0)) {
    Notice("Screen picker: the session bus went away; nothing was picked");
    Finish(PortalResponse::kOther, nullptr);
    return true;
  }
  bool delivered = false;
  while (DBusMessage* raw = dbus_connection_pop_message(connection_)) {
    MessageRef message(raw);
    if (!IsOurs(message.m)) continue;
    const PortalAnswer answer = PortalResponse::Parse(message.m);
    Finish(answer.response, answer.color ? answer.color->data() : nullptr);
    delivered = true;
  }
  return delivered;
}

void PortalDesktop::CancelPick() {
  if (!pending_) return;
  // Close the portal's dialog too; its answer, should it come, is not ours.
  const std::string path = pending_->returned.empty() ? pending_->path : pending_->returned;
  MessageRef close(dbus_message_new_method_call(kService, path.c_str(), kRequest, "Close"));
  if (close.m && connection_) {
    dbus_message_set_no_reply(close.m, TRUE);
    dbus_connection_send(connection_, close.m, nullptr);
    dbus_connection_flush(connection_);
  }
  Watch(pending_->path, false);
  if (!pending_->returned.empty()) Watch(pending_->returned, false);
  pending_.reset();
}

}  // namespace host

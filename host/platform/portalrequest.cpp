#include "platform/portalrequest.h"

#include <utility>

namespace host {

namespace {
constexpr const char* kRequest = "org.freedesktop.portal.Request";
}  // namespace

bool PortalRequest::Connect(DBusConnection*& connection) {
  if (connection && dbus_connection_get_is_connected(connection)) return true;
  if (connection) {
    dbus_connection_unref(connection);
    connection = nullptr;
  }
  BusError error;
  connection = dbus_bus_get_private(DBUS_BUS_SESSION, &error.e);
  if (!connection) return false;
  dbus_connection_set_exit_on_disconnect(connection, FALSE);
  return true;
}

void PortalRequest::Disconnect(DBusConnection*& connection) {
  if (!connection) return;
  dbus_connection_close(connection);
  dbus_connection_unref(connection);
  connection = nullptr;
}

PortalRequest::PortalRequest(DBusConnection* connection, std::string token)
    : connection_(connection), token_(std::move(token)), path_(PathFor(token_)) {
  watching_ = Watch(path_, true);
}

PortalRequest::PortalRequest(PortalRequest&& other) noexcept
    : connection_(other.connection_),
      token_(std::move(other.token_)),
      path_(std::move(other.path_)),
      returned_(std::move(other.returned_)),
      portal_(std::move(other.portal_)),
      watching_(std::exchange(other.watching_, false)) {}

PortalRequest::~PortalRequest() {
  if (!watching_) return;
  Watch(path_, false);
  if (!returned_.empty()) Watch(returned_, false);
}

std::string PortalRequest::PathFor(const std::string& token) const {
  // The portal names the request after our bus name, ":1.42" as "1_42".
  const char* unique = connection_ ? dbus_bus_get_unique_name(connection_) : nullptr;
  std::string sender = unique ? unique : "";
  if (!sender.empty() && sender[0] == ':') sender.erase(0, 1);
  for (char& c : sender) {
    if (c == '.') c = '_';
  }
  return std::string(kObject) + "/request/" + sender + "/" + token;
}

bool PortalRequest::Watch(const std::string& path, bool on) {
  if (!connection_) return false;
  const std::string rule =
      std::string("type='signal',interface='") + kRequest + "',member='Response',path='" + path + "'";
  BusError error;
  if (on) {
    dbus_bus_add_match(connection_, rule.c_str(), &error.e);
  } else {
    dbus_bus_remove_match(connection_, rule.c_str(), nullptr);
  }
  return !error.IsSet();
}

bool PortalRequest::Send(DBusMessage* call, int ms, BusError& error) {
  if (!watching_ || !call) return false;
  MessageRef reply(dbus_connection_send_with_reply_and_block(connection_, call, ms, &error.e));
  const char* handle = nullptr;
  if (!reply.m || !dbus_message_get_args(reply.m, nullptr, DBUS_TYPE_OBJECT_PATH, &handle, DBUS_TYPE_INVALID)) {
    return false;
  }
  const char* portal = dbus_message_get_sender(reply.m);
  portal_ = portal ? portal : "";
  // Older portals choose their own request path.
  if (path_ != handle) {
    returned_ = handle;
    Watch(returned_, true);
  }
  return true;
}

bool PortalRequest::IsAnswer(DBusMessage* message) const {
  if (!watching_ || !dbus_message_is_signal(message, kRequest, "Response")) return false;
  const char* path = dbus_message_get_path(message);
  const char* sender = dbus_message_get_sender(message);
  return path && sender && !portal_.empty() && portal_ == sender && (path_ == path || returned_ == path);
}

void PortalRequest::Close() {
  const std::string& path = returned_.empty() ? path_ : returned_;
  MessageRef close(dbus_message_new_method_call(kService, path.c_str(), kRequest, "Close"));
  if (!close.m || !connection_) return;
  dbus_message_set_no_reply(close.m, TRUE);
  dbus_connection_send(connection_, close.m, nullptr);
  dbus_connection_flush(connection_);
}

}  // namespace host

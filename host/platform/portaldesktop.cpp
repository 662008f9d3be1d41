#include "platform/portaldesktop.h"

#include <cstring>

#include "core/modulecall.h"
#include "platform/portalresponse.h"

namespace host {

namespace {

constexpr const char* kService = PortalRequest::kService;
constexpr const char* kObject = PortalRequest::kObject;
constexpr const char* kScreenshot = "org.freedesktop.portal.Screenshot";
// A portal that is being started by the bus may take a moment.
constexpr int kCallTimeoutMs = 5000;
constexpr uint32_t kFirstWithPickColor = 2;

std::string NoPortal(const BusError& error) {
  if (error.IsAbsent()) return "Screen picker: no desktop portal answers on the session bus; nothing was picked";
  if (error.IsSilent()) return "Screen picker: the desktop portal did not answer; nothing was picked";
  return "Screen picker: the desktop portal cannot pick a colour (" + error.Text() + ")";
}

}  // namespace

PortalDesktop::~PortalDesktop() {
  CancelPick();
  PortalRequest::Disconnect(connection_);
}

bool PortalDesktop::Connect() {
  if (PortalRequest::Connect(connection_)) return true;
  // The library's reason is long; the status line keeps to what the user can act on.
  Notice("Screen picker: no session bus to reach the desktop portal; nothing was picked");
  return false;
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

bool PortalDesktop::Request(PortalRequest& request) {
  MessageRef call(dbus_message_new_method_call(kService, kObject, kScreenshot, "PickColor"));
  if (!call.m) return false;
  DBusMessageIter args;
  const char* parent = "";
  dbus_message_iter_init_append(call.m, &args);
  bool built = dbus_message_iter_append_basic(&args, DBUS_TYPE_STRING, &parent);
  BusOptions options(args);
  options.String("handle_token", request.Token());
  if (!options.Close() || !built) return false;
  BusError error;
  if (!request.Send(call.m, kCallTimeoutMs, error)) {
    Notice(error.IsSet() ? NoPortal(error)
                         : "Screen picker: the desktop portal gave no request to wait for; nothing was picked");
    return false;
  }
  return true;
}

bool PortalDesktop::PickColor(GxaPickAnswerFn answer, void* user) {
  if (pending_ || !answer || !Connect() || !CheckVersion()) return false;
  Pending pending{answer, user, PortalRequest(connection_, "gxa" + std::to_string(++serial_))};
  if (!Request(pending.request)) return false;
  pending_.emplace(std::move(pending));
  return true;
}

void PortalDesktop::Finish(uint32_t response, const double* rgb) {
  const GxaPickAnswerFn answer = pending_->answer;
  void* user = pending_->user;
  pending_.reset();
  ModuleCall call;
  answer(user, int32_t(response), rgb);
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
    if (!pending_ || !pending_->request.IsAnswer(message.m)) continue;
    const PortalAnswer answer = PortalResponse::Parse(message.m);
    Finish(answer.response, answer.color ? answer.color->data() : nullptr);
    delivered = true;
  }
  return delivered;
}

void PortalDesktop::CancelPick() {
  if (!pending_) return;
  // Close the portal's dialog too; its answer, should it come, is not ours.
  pending_->request.Close();
  pending_.reset();
}

}  // namespace host

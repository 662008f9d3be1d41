// Fuzz target for the desktop portal's answer to a file request, which comes
// from another program: any bytes are refused by the bus library, or read as
// cancelled, or as one absolute path without a NUL in it. The bytes are also
// tried as a URI on their own.
#include <dbus/dbus.h>

#include <cstdlib>
#include <string>

#include "fuzztarget.h"
#include "platform/filechooserresponse.h"
#include "portalsignal.h"

namespace gxa_fuzz {
namespace {

void CheckPath(const std::optional<std::string>& path) {
  if (path && (path->empty() || path->front() != '/' || path->find('\0') != std::string::npos)) std::abort();
}

void Run(std::span<const uint8_t> data) {
  CheckPath(host::FileChooserResponse::PathOf(std::string(data.begin(), data.end())));
  DBusError error;
  dbus_error_init(&error);
  if (DBusMessage* message =
          dbus_message_demarshal(reinterpret_cast<const char*>(data.data()), int(data.size()), &error)) {
    const host::FilePortal::Reply reply = host::FileChooserResponse::Parse(message);
    if (reply.kind == host::FilePortal::Reply::Kind::Unavailable) std::abort();
    if (reply.kind == host::FilePortal::Reply::Kind::Chosen) CheckPath(reply.path);
    dbus_message_unref(message);
  }
  dbus_error_free(&error);
}

// A Response signal that chose uri, as the bus carries it.
Bytes Chose(const char* uri) {
  return PortalSignal("uris", "as", [&](DBusMessageIter& variant) {
    DBusMessageIter uris;
    dbus_message_iter_open_container(&variant, DBUS_TYPE_ARRAY, "s", &uris);
    dbus_message_iter_append_basic(&uris, DBUS_TYPE_STRING, &uri);
    dbus_message_iter_close_container(&variant, &uris);
  });
}

std::vector<Bytes> Seeds() {
  auto text = [](const std::string& s) { return Bytes(s.begin(), s.end()); };
  return {Chose("file:///home/ann/My%20Palettes/sea.ase"), Chose("file://localhost/srv/a.png"), text("file:///a%00b"),
          text("file:///%e2%82%ac.png"), text("file://host/x")};
}

const bool kRegistered = Register({"filechooserresponse", &Run, &Seeds, 10000});

}  // namespace
}  // namespace gxa_fuzz

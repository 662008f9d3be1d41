#include "platform/portalfilechooser.h"

#include <filesystem>

#include "gui/gui.h"
#include "platform/filechooserresponse.h"
#include "platform/portalrequest.h"

namespace host {

namespace {

constexpr const char* kFileChooser = "org.freedesktop.portal.FileChooser";
// A filter's patterns are globs (0); MIME types (1) are not used.
constexpr uint32_t kGlob = 0;

// One filter as the portal takes it: (label, [(0, "*.png"), ...]).
bool AppendFilter(DBusMessageIter& into, const FileFilter& filter) {
  DBusMessageIter fields, patterns, pattern;
  const char* label = filter.label.c_str();
  if (!dbus_message_iter_open_container(&into, DBUS_TYPE_STRUCT, nullptr, &fields) ||
      !dbus_message_iter_append_basic(&fields, DBUS_TYPE_STRING, &label) ||
      !dbus_message_iter_open_container(&fields, DBUS_TYPE_ARRAY, "(us)", &patterns)) {
    return false;
  }
  for (const std::string& p : filter.Patterns()) {
    const char* text = p.c_str();
    if (!dbus_message_iter_open_container(&patterns, DBUS_TYPE_STRUCT, nullptr, &pattern) ||
        !dbus_message_iter_append_basic(&pattern, DBUS_TYPE_UINT32, &kGlob) ||
        !dbus_message_iter_append_basic(&pattern, DBUS_TYPE_STRING, &text) ||
        !dbus_message_iter_close_container(&patterns, &pattern)) {
      return false;
    }
  }
  return dbus_message_iter_close_container(&fields, &patterns) && dbus_message_iter_close_container(&into, &fields);
}

// A folder as the portal takes it: the path's bytes with a closing NUL.
bool AppendFolder(DBusMessageIter& into, const std::string& folder) {
  DBusMessageIter bytes;
  std::string text = folder;
  text.push_back('\0');
  const char* data = text.data();
  return dbus_message_iter_open_container(&into, DBUS_TYPE_ARRAY, "y", &bytes) &&
         dbus_message_iter_append_fixed_array(&bytes, DBUS_TYPE_BYTE, &data, int(text.size())) &&
         dbus_message_iter_close_container(&into, &bytes);
}

std::string Absent(const BusError& error) {
  if (error.IsAbsent()) return "no desktop portal answers on the session bus";
  if (error.IsSilent()) return "the desktop portal did not answer";
  if (error.IsSet()) return "the desktop portal cannot choose files (" + error.Text() + ")";
  return "the desktop portal gave no request to wait for";
}

}  // namespace

PortalFileChooser::~PortalFileChooser() { PortalRequest::Disconnect(connection_); }

DBusMessage* PortalFileChooser::NewCall(const FileRequest& request, const std::string& token) const {
  const bool saving = request.mode == FileRequest::Mode::Save;
  DBusMessage* call = dbus_message_new_method_call(PortalRequest::kService, PortalRequest::kObject, kFileChooser,
                                                   saving ? "SaveFile" : "OpenFile");
  if (!call) return nullptr;
  DBusMessageIter args;
  const char* parent = "";
  const char* title = request.title.c_str();
  dbus_message_iter_init_append(call, &args);
  const bool head = dbus_message_iter_append_basic(&args, DBUS_TYPE_STRING, &parent) &&
                    dbus_message_iter_append_basic(&args, DBUS_TYPE_STRING, &title);
  BusOptions options(args);
  options.String("handle_token", token);
  options.Bool("modal", true);
  std::vector<FileFilter> filters = request.filters;
  filters.push_back(FileFilter::AllFiles());
  options.Custom("filters", "a(sa(us))", [&](DBusMessageIter& v) {
    DBusMessageIter list;
    if (!dbus_message_iter_open_container(&v, DBUS_TYPE_ARRAY, "(sa(us))", &list)) return false;
    for (const FileFilter& f : filters) {
      if (!AppendFilter(list, f)) return false;
    }
    return bool(dbus_message_iter_close_container(&v, &list));
  });
  options.Custom("current_filter", "(sa(us))", [&](DBusMessageIter& v) { return AppendFilter(v, filters.front()); });
  const std::filesystem::path current(request.current);
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::is_directory(current, ec) ? current : current.parent_path();
  if (saving && !current.filename().empty()) options.String("current_name", current.filename().string());
  if (folder.is_absolute() && std::filesystem::is_directory(folder, ec)) {
    options.Custom("current_folder", "ay", [&](DBusMessageIter& v) { return AppendFolder(v, folder.string()); });
  }
  if (!options.Close() || !head) {
    dbus_message_unref(call);
    return nullptr;
  }
  return call;
}

FilePortal::Reply PortalFileChooser::Ask(const FileRequest& request) {
  if (!absence_.empty()) return {};
  if (!PortalRequest::Connect(connection_)) {
    absence_ = "no session bus to reach the desktop portal";
    return {};
  }
  PortalRequest pending(connection_, "gxafile" + std::to_string(++serial_));
  MessageRef call(NewCall(request, pending.Token()));
  BusError error;
  if (!call.m || !pending.Send(call.m, kAnswerMs, error)) {
    absence_ = Absent(error);
    return {};
  }
  return Wait(pending);
}

FilePortal::Reply PortalFileChooser::Wait(PortalRequest& request) {
  const Reply cancelled{Reply::Kind::Cancelled, ""};
  while (true) {
    if (!Gui::Exists() || !Gui::Get().HasScreen() || !Gui::Get().GetScreen().KeepAlive()) {
      request.Close();
      return cancelled;
    }
    if (!dbus_connection_read_write(connection_, kPollMs)) return cancelled;
    while (DBusMessage* raw = dbus_connection_pop_message(connection_)) {
      MessageRef message(raw);
      if (request.IsAnswer(message.m)) return FileChooserResponse::Parse(message.m);
    }
  }
}

}  // namespace host

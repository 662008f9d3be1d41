#include "fakeportal.h"

#include <cstring>

namespace {
constexpr const char* kName = "org.freedesktop.portal.Desktop";
constexpr const char* kScreenshot = "org.freedesktop.portal.Screenshot";
constexpr const char* kRequest = "org.freedesktop.portal.Request";
constexpr const char* kFileChooser = "org.freedesktop.portal.FileChooser";

// Calls the visitor with each option's key and value, the call's first
// array argument being its a{sv} options.
template <class Visit>
void ForEachOption(DBusMessage* call, Visit&& visit) {
  DBusMessageIter args, options;
  if (!dbus_message_iter_init(call, &args)) return;
  while (dbus_message_iter_get_arg_type(&args) != DBUS_TYPE_ARRAY) {
    if (!dbus_message_iter_next(&args)) return;
  }
  dbus_message_iter_recurse(&args, &options);
  for (; dbus_message_iter_get_arg_type(&options) == DBUS_TYPE_DICT_ENTRY; dbus_message_iter_next(&options)) {
    DBusMessageIter entry, value;
    dbus_message_iter_recurse(&options, &entry);
    const char* key = nullptr;
    dbus_message_iter_get_basic(&entry, &key);
    if (!dbus_message_iter_next(&entry)) continue;
    dbus_message_iter_recurse(&entry, &value);
    visit(std::string(key), value);
  }
}

std::string StringOf(DBusMessageIter& value) {
  if (dbus_message_iter_get_arg_type(&value) != DBUS_TYPE_STRING) return "";
  const char* text = nullptr;
  dbus_message_iter_get_basic(&value, &text);
  return text;
}

// The handle_token of a call's options, empty when there is none.
std::string TokenOf(DBusMessage* call) {
  std::string token;
  ForEachOption(call, [&](const std::string& key, DBusMessageIter& value) {
    if (key == "handle_token") token = StringOf(value);
  });
  return token;
}

// A (sa(us)) filter as "label: *.a *.b".
std::string FilterText(DBusMessageIter& filter) {
  DBusMessageIter fields, patterns, pattern;
  dbus_message_iter_recurse(&filter, &fields);
  std::string text = StringOf(fields) + ":";
  dbus_message_iter_next(&fields);
  dbus_message_iter_recurse(&fields, &patterns);
  for (; dbus_message_iter_get_arg_type(&patterns) == DBUS_TYPE_STRUCT; dbus_message_iter_next(&patterns)) {
    dbus_message_iter_recurse(&patterns, &pattern);
    dbus_message_iter_next(&pattern);
    text += " " + StringOf(pattern);
  }
  return text;
}

FakePortal::FileCall FileCallOf(DBusMessage* call) {
  FakePortal::FileCall c;
  c.method = dbus_message_get_member(call);
  DBusMessageIter args;
  if (dbus_message_iter_init(call, &args) && dbus_message_iter_next(&args)) c.title = StringOf(args);
  ForEachOption(call, [&](const std::string& key, DBusMessageIter& value) {
    if (key == "current_name") c.currentName = StringOf(value);
    if (key == "modal" && dbus_message_iter_get_arg_type(&value) == DBUS_TYPE_BOOLEAN) {
      dbus_bool_t b = FALSE;
      dbus_message_iter_get_basic(&value, &b);
      c.modal = b;
    }
    if (key == "current_filter" && dbus_message_iter_get_arg_type(&value) == DBUS_TYPE_STRUCT)
      c.currentFilter = FilterText(value);
    if (key == "current_folder" && dbus_message_iter_get_arg_type(&value) == DBUS_TYPE_ARRAY) {
      DBusMessageIter bytes;
      dbus_message_iter_recurse(&value, &bytes);
      const char* data = nullptr;
      int n = 0;
      dbus_message_iter_get_fixed_array(&bytes, &data, &n);
      c.currentFolder = std::string(data, size_t(n));
    }
    if (key == "filters" && dbus_message_iter_get_arg_type(&value) == DBUS_TYPE_ARRAY) {
      DBusMessageIter list;
      dbus_message_iter_recurse(&value, &list);
      for (; dbus_message_iter_get_arg_type(&list) == DBUS_TYPE_STRUCT; dbus_message_iter_next(&list))
        c.filters.push_back(FilterText(list));
    }
  });
  return c;
}

std::string RequestPath(const char* sender, const std::string& token) {
  std::string name = sender ? sender + 1 : "";
  for (char& c : name)
    if (c == '.') c = '_';
  return "/org/freedesktop/portal/desktop/request/" + name + "/" + token;
}
}  // namespace

FakePortal::FakePortal(const std::string& address, const Behaviour& behaviour)
    : _behaviour(behaviour), _address(address) {
  DBusError error;
  dbus_error_init(&error);
  _connection = dbus_connection_open_private(address.c_str(), &error);
  if (!_connection || !dbus_bus_register(_connection, &error)) {
    dbus_error_free(&error);
    return;
  }
  // The last test's stand-in may not have let go of the name yet.
  const int owner = dbus_bus_request_name(
      _connection, kName,
      DBUS_NAME_FLAG_REPLACE_EXISTING | DBUS_NAME_FLAG_ALLOW_REPLACEMENT | DBUS_NAME_FLAG_DO_NOT_QUEUE, &error);
  dbus_error_free(&error);
  if (owner != DBUS_REQUEST_NAME_REPLY_PRIMARY_OWNER) return;
  _serving = true;
  _thread = std::thread([this] { Serve(); });
}

FakePortal::~FakePortal() {
  _stop = true;
  if (_thread.joinable()) _thread.join();
  if (_connection) {
    dbus_connection_close(_connection);
    dbus_connection_unref(_connection);
  }
}

std::string FakePortal::LastToken() const {
  std::lock_guard<std::mutex> lock(_mutex);
  return _token;
}

void FakePortal::Serve() {
  while (!_stop && dbus_connection_read_write(_connection, 10)) {
    while (DBusMessage* message = dbus_connection_pop_message(_connection)) {
      Handle(message);
      dbus_message_unref(message);
    }
  }
}

void FakePortal::Handle(DBusMessage* message) {
  if (dbus_message_is_method_call(message, "org.freedesktop.DBus.Properties", "Get")) return AnswerVersion(message);
  if (dbus_message_is_method_call(message, kScreenshot, "PickColor")) return AnswerPick(message);
  if (dbus_message_is_method_call(message, kFileChooser, "OpenFile") ||
      dbus_message_is_method_call(message, kFileChooser, "SaveFile"))
    return AnswerFile(message);
  if (dbus_message_is_method_call(message, kRequest, "Close")) {
    ++_closes;
    return;
  }
  if (dbus_message_get_type(message) == DBUS_MESSAGE_TYPE_METHOD_CALL && !dbus_message_get_no_reply(message)) {
    DBusMessage* error = dbus_message_new_error(message, DBUS_ERROR_UNKNOWN_METHOD, "not here");
    dbus_connection_send(_connection, error, nullptr);
    dbus_message_unref(error);
  }
}

void FakePortal::AnswerVersion(DBusMessage* call) {
  DBusMessage* reply = dbus_message_new_method_return(call);
  DBusMessageIter args, variant;
  dbus_message_iter_init_append(reply, &args);
  dbus_message_iter_open_container(&args, DBUS_TYPE_VARIANT, "u", &variant);
  dbus_message_iter_append_basic(&variant, DBUS_TYPE_UINT32, &_behaviour.version);
  dbus_message_iter_close_container(&args, &variant);
  dbus_connection_send(_connection, reply, nullptr);
  dbus_message_unref(reply);
}

std::string FakePortal::GiveHandle(DBusMessage* call) {
  const std::string token = TokenOf(call);
  {
    std::lock_guard<std::mutex> lock(_mutex);
    _token = token;
  }
  const std::string path = RequestPath(dbus_message_get_sender(call), token.empty() ? "fake" : token);
  DBusMessage* reply = dbus_message_new_method_return(call);
  const char* handle = path.c_str();
  dbus_message_append_args(reply, DBUS_TYPE_OBJECT_PATH, &handle, DBUS_TYPE_INVALID);
  dbus_connection_send(_connection, reply, nullptr);
  dbus_message_unref(reply);
  return path;
}

FakePortal::FileCall FakePortal::LastFileCall() const {
  std::lock_guard<std::mutex> lock(_mutex);
  return _fileCall;
}

void FakePortal::AnswerFile(DBusMessage* call) {
  {
    std::lock_guard<std::mutex> lock(_mutex);
    _fileCall = FileCallOf(call);
  }
  ++_fileRequests;
  const std::string path = GiveHandle(call);
  if (_behaviour.forgedFirst) ForgeResponse(path);
  if (_behaviour.answers) SendResponse(_connection, path);
}

void FakePortal::AnswerPick(DBusMessage* call) {
  ++_picks;
  const std::string path = GiveHandle(call);
  if (_behaviour.forgedFirst) ForgeResponse(path);
  if (_behaviour.answers) SendResponse(_connection, path);
}

void FakePortal::ForgeResponse(const std::string& path) {
  DBusError error;
  dbus_error_init(&error);
  DBusConnection* forger = dbus_connection_open_private(_address.c_str(), &error);
  if (forger && dbus_bus_register(forger, &error)) SendResponse(forger, path);
  dbus_error_free(&error);
  if (!forger) return;
  dbus_connection_close(forger);
  dbus_connection_unref(forger);
}

void FakePortal::SendResponse(DBusConnection* from, const std::string& path) {
  DBusMessage* signal = dbus_message_new_signal(path.c_str(), kRequest, "Response");
  DBusMessageIter args, results, entry, variant, color;
  dbus_message_iter_init_append(signal, &args);
  dbus_message_iter_append_basic(&args, DBUS_TYPE_UINT32, &_behaviour.response);
  dbus_message_iter_open_container(&args, DBUS_TYPE_ARRAY, "{sv}", &results);
  if (_behaviour.response == 0 && !_behaviour.uri.empty()) {
    const char* key = "uris";
    const char* uri = _behaviour.uri.c_str();
    DBusMessageIter uris;
    dbus_message_iter_open_container(&results, DBUS_TYPE_DICT_ENTRY, nullptr, &entry);
    dbus_message_iter_append_basic(&entry, DBUS_TYPE_STRING, &key);
    dbus_message_iter_open_container(&entry, DBUS_TYPE_VARIANT, "as", &variant);
    dbus_message_iter_open_container(&variant, DBUS_TYPE_ARRAY, "s", &uris);
    dbus_message_iter_append_basic(&uris, DBUS_TYPE_STRING, &uri);
    dbus_message_iter_close_container(&variant, &uris);
    dbus_message_iter_close_container(&entry, &variant);
    dbus_message_iter_close_container(&results, &entry);
  } else if (_behaviour.response == 0) {
    const char* key = "color";
    dbus_message_iter_open_container(&results, DBUS_TYPE_DICT_ENTRY, nullptr, &entry);
    dbus_message_iter_append_basic(&entry, DBUS_TYPE_STRING, &key);
    dbus_message_iter_open_container(&entry, DBUS_TYPE_VARIANT, "(ddd)", &variant);
    dbus_message_iter_open_container(&variant, DBUS_TYPE_STRUCT, nullptr, &color);
    for (double& c : _behaviour.color) dbus_message_iter_append_basic(&color, DBUS_TYPE_DOUBLE, &c);
    dbus_message_iter_close_container(&variant, &color);
    dbus_message_iter_close_container(&entry, &variant);
    dbus_message_iter_close_container(&results, &entry);
  }
  dbus_message_iter_close_container(&args, &results);
  dbus_connection_send(from, signal, nullptr);
  dbus_connection_flush(from);
  dbus_message_unref(signal);
}

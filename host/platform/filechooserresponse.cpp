#include "platform/filechooserresponse.h"

#include <cstring>

namespace host {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

FilePortal::Reply FileChooserResponse::Parse(DBusMessage* signal) {
  FilePortal::Reply reply{FilePortal::Reply::Kind::Cancelled, ""};
  DBusMessageIter args;
  if (!signal || !dbus_message_iter_init(signal, &args) || dbus_message_iter_get_arg_type(&args) != DBUS_TYPE_UINT32) {
    return reply;
  }
  uint32_t response = 2;
  dbus_message_iter_get_basic(&args, &response);
  if (response != 0 || !dbus_message_iter_next(&args) || dbus_message_iter_get_arg_type(&args) != DBUS_TYPE_ARRAY) {
    return reply;
  }
  DBusMessageIter results;
  dbus_message_iter_recurse(&args, &results);
  const std::optional<std::string> uri = FirstUri(results);
  const std::optional<std::string> path = uri ? PathOf(*uri) : std::nullopt;
  if (path) reply = {FilePortal::Reply::Kind::Chosen, *path};
  return reply;
}

std::optional<std::string> FileChooserResponse::FirstUri(DBusMessageIter& results) {
  for (; dbus_message_iter_get_arg_type(&results) == DBUS_TYPE_DICT_ENTRY; dbus_message_iter_next(&results)) {
    DBusMessageIter entry, variant, uris;
    dbus_message_iter_recurse(&results, &entry);
    if (dbus_message_iter_get_arg_type(&entry) != DBUS_TYPE_STRING) continue;
    const char* key = nullptr;
    dbus_message_iter_get_basic(&entry, &key);
    if (!key || std::strcmp(key, "uris") != 0 || !dbus_message_iter_next(&entry) ||
        dbus_message_iter_get_arg_type(&entry) != DBUS_TYPE_VARIANT) {
      continue;
    }
    dbus_message_iter_recurse(&entry, &variant);
    if (dbus_message_iter_get_arg_type(&variant) != DBUS_TYPE_ARRAY ||
        dbus_message_iter_get_element_type(&variant) != DBUS_TYPE_STRING) {
      return std::nullopt;
    }
    dbus_message_iter_recurse(&variant, &uris);
    if (dbus_message_iter_get_arg_type(&uris) != DBUS_TYPE_STRING) return std::nullopt;
    const char* uri = nullptr;
    dbus_message_iter_get_basic(&uris, &uri);
    return uri ? std::optional<std::string>(uri) : std::nullopt;
  }
  return std::nullopt;
}

std::optional<std::string> FileChooserResponse::PathOf(const std::string& uri) {
  constexpr std::string_view kScheme = "file://";
  if (!uri.starts_with(kScheme) || uri.find('\0') != std::string::npos) return std::nullopt;
  std::string_view rest = std::string_view(uri).substr(kScheme.size());
  const size_t slash = rest.find('/');
  if (slash == std::string_view::npos) return std::nullopt;
  const std::string_view authority = rest.substr(0, slash);
  if (!authority.empty() && authority != "localhost") return std::nullopt;
  rest.remove_prefix(slash);
  std::string path;
  for (size_t i = 0; i < rest.size(); ++i) {
    if (rest[i] != '%') {
      path += rest[i];
      continue;
    }
    const int hi = i + 2 < rest.size() ? HexDigit(rest[i + 1]) : -1;
    const int lo = hi >= 0 ? HexDigit(rest[i + 2]) : -1;
    if (lo < 0) return std::nullopt;
    const char c = char(hi * 16 + lo);
    if (c == '\0') return std::nullopt;
    path += c;
    i += 2;
  }
  return path;
}

}  // namespace host

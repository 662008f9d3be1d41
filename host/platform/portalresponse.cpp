#include "platform/portalresponse.h"

#include <cmath>
#include <cstring>

namespace host {

PortalAnswer PortalResponse::Parse(DBusMessage* signal) {
  PortalAnswer answer;
  DBusMessageIter args;
  if (!signal || !dbus_message_iter_init(signal, &args) || dbus_message_iter_get_arg_type(&args) != DBUS_TYPE_UINT32) {
    return answer;
  }
  uint32_t response = kOther;
  dbus_message_iter_get_basic(&args, &response);
  answer.response = response;
  if (response != kPicked) return answer;
  if (dbus_message_iter_next(&args) && dbus_message_iter_get_arg_type(&args) == DBUS_TYPE_ARRAY) {
    DBusMessageIter results;
    dbus_message_iter_recurse(&args, &results);
    answer.color = FindColor(results);
  }
  // Picked without a colour is no pick.
  if (!answer.color) answer.response = kOther;
  return answer;
}

std::optional<std::array<double, 3>> PortalResponse::FindColor(DBusMessageIter& results) {
  for (; dbus_message_iter_get_arg_type(&results) == DBUS_TYPE_DICT_ENTRY; dbus_message_iter_next(&results)) {
    DBusMessageIter entry;
    dbus_message_iter_recurse(&results, &entry);
    if (dbus_message_iter_get_arg_type(&entry) != DBUS_TYPE_STRING) continue;
    const char* key = nullptr;
    dbus_message_iter_get_basic(&entry, &key);
    if (!key || std::strcmp(key, "color") != 0 || !dbus_message_iter_next(&entry) ||
        dbus_message_iter_get_arg_type(&entry) != DBUS_TYPE_VARIANT) {
      continue;
    }
    DBusMessageIter variant;
    dbus_message_iter_recurse(&entry, &variant);
    return ReadColor(variant);
  }
  return std::nullopt;
}

std::optional<std::array<double, 3>> PortalResponse::ReadColor(DBusMessageIter& variant) {
  if (dbus_message_iter_get_arg_type(&variant) != DBUS_TYPE_STRUCT) return std::nullopt;
  DBusMessageIter fields;
  dbus_message_iter_recurse(&variant, &fields);
  std::array<double, 3> rgb{};
  for (size_t i = 0; i < rgb.size(); ++i) {
    if (dbus_message_iter_get_arg_type(&fields) != DBUS_TYPE_DOUBLE) return std::nullopt;
    dbus_message_iter_get_basic(&fields, &rgb[i]);
    if (!std::isfinite(rgb[i])) return std::nullopt;
    dbus_message_iter_next(&fields);
  }
  if (dbus_message_iter_get_arg_type(&fields) != DBUS_TYPE_INVALID) return std::nullopt;
  return rgb;
}

}  // namespace host

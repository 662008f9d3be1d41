#pragma once
// Seeds for the portal answer targets: a request's Response signal with
// response 0 and one result, as the bus carries it. fill appends the
// result's value inside a variant of the signature given.
#include <dbus/dbus.h>

#include "fuzztarget.h"

namespace gxa_fuzz {

template <class Fill>
Bytes PortalSignal(const char* key, const char* signature, Fill&& fill) {
  DBusMessage* signal = dbus_message_new_signal("/org/freedesktop/portal/desktop/request/1_7/gxa1",
                                                "org.freedesktop.portal.Request", "Response");
  DBusMessageIter args, results, entry, variant;
  dbus_message_iter_init_append(signal, &args);
  dbus_uint32_t response = 0;
  dbus_message_iter_append_basic(&args, DBUS_TYPE_UINT32, &response);
  dbus_message_iter_open_container(&args, DBUS_TYPE_ARRAY, "{sv}", &results);
  dbus_message_iter_open_container(&results, DBUS_TYPE_DICT_ENTRY, nullptr, &entry);
  dbus_message_iter_append_basic(&entry, DBUS_TYPE_STRING, &key);
  dbus_message_iter_open_container(&entry, DBUS_TYPE_VARIANT, signature, &variant);
  fill(variant);
  dbus_message_iter_close_container(&entry, &variant);
  dbus_message_iter_close_container(&results, &entry);
  dbus_message_iter_close_container(&args, &results);
  dbus_message_set_serial(signal, 1);
  char* bytes = nullptr;
  int length = 0;
  dbus_message_marshal(signal, &bytes, &length);
  Bytes out(bytes, bytes + length);
  dbus_free(bytes);
  dbus_message_unref(signal);
  return out;
}

}  // namespace gxa_fuzz

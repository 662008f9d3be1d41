// Fuzz target for the desktop portal's answer to a colour pick, which comes
// from another program: any bytes are either refused by the bus library or
// read as picked with three finite numbers, or as not picked without any.
// The bytes are tried as a whole message and, to reach the answer's own
// structure, as a recipe for a Response signal's arguments.
#include <dbus/dbus.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "fuzztarget.h"
#include "platform/portalresponse.h"
#include "portalsignal.h"

namespace gxa_fuzz {
namespace {

void Check(DBusMessage* message) {
  const host::PortalAnswer answer = host::PortalResponse::Parse(message);
  if ((answer.response == 0) != answer.color.has_value()) std::abort();
  if (answer.color) {
    for (double c : *answer.color) {
      if (!std::isfinite(c)) std::abort();
    }
  }
}

// Reads the recipe's next byte, 0 past its end.
struct Recipe {
  const uint8_t* data;
  size_t size;
  size_t at = 0;
  uint8_t Next() { return at < size ? data[at++] : 0; }
  double Number() {
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits = (bits << 8) | Next();
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
  }
};

void AppendValue(DBusMessageIter& entry, Recipe& r) {
  DBusMessageIter variant, fields;
  static const char* const kShapes[] = {"(ddd)", "(dd)", "(dddd)", "(ddi)", "d", "s"};
  const char* shape = kShapes[r.Next() % 6];
  dbus_message_iter_open_container(&entry, DBUS_TYPE_VARIANT, shape, &variant);
  if (shape[0] == '(') {
    dbus_message_iter_open_container(&variant, DBUS_TYPE_STRUCT, nullptr, &fields);
    for (const char* t = shape + 1; *t != ')'; ++t) {
      if (*t == 'd') {
        double d = r.Number();
        dbus_message_iter_append_basic(&fields, DBUS_TYPE_DOUBLE, &d);
      } else {
        dbus_int32_t i = r.Next();
        dbus_message_iter_append_basic(&fields, DBUS_TYPE_INT32, &i);
      }
    }
    dbus_message_iter_close_container(&variant, &fields);
  } else if (shape[0] == 'd') {
    double d = r.Number();
    dbus_message_iter_append_basic(&variant, DBUS_TYPE_DOUBLE, &d);
  } else {
    const char* s = "color";
    dbus_message_iter_append_basic(&variant, DBUS_TYPE_STRING, &s);
  }
  dbus_message_iter_close_container(&entry, &variant);
}

void FromRecipe(const uint8_t* data, size_t size) {
  Recipe r{data, size};
  DBusMessage* signal = dbus_message_new_signal("/org/freedesktop/portal/desktop/request/1_1/t",
                                                "org.freedesktop.portal.Request", "Response");
  DBusMessageIter args, results, entry;
  dbus_message_iter_init_append(signal, &args);
  dbus_uint32_t response = r.Next() % 4;
  dbus_message_iter_append_basic(&args, DBUS_TYPE_UINT32, &response);
  dbus_message_iter_open_container(&args, DBUS_TYPE_ARRAY, "{sv}", &results);
  static const char* const kKeys[] = {"color", "colour", "", "Color"};
  for (int n = r.Next() % 4; n > 0; --n) {
    const char* key = kKeys[r.Next() % 4];
    dbus_message_iter_open_container(&results, DBUS_TYPE_DICT_ENTRY, nullptr, &entry);
    dbus_message_iter_append_basic(&entry, DBUS_TYPE_STRING, &key);
    AppendValue(entry, r);
    dbus_message_iter_close_container(&results, &entry);
  }
  dbus_message_iter_close_container(&args, &results);
  Check(signal);
  dbus_message_unref(signal);
}

void Run(std::span<const uint8_t> data) {
  DBusError error;
  dbus_error_init(&error);
  if (DBusMessage* message =
          dbus_message_demarshal(reinterpret_cast<const char*>(data.data()), int(data.size()), &error)) {
    Check(message);
    dbus_message_unref(message);
  }
  dbus_error_free(&error);
  FromRecipe(data.data(), data.size());
}

// A Response signal that picked (0.25, 0.5, 0.75), as the bus carries it.
Bytes PickedSignal() {
  return PortalSignal("color", "(ddd)", [](DBusMessageIter& variant) {
    DBusMessageIter color;
    dbus_message_iter_open_container(&variant, DBUS_TYPE_STRUCT, nullptr, &color);
    for (double c : {0.25, 0.5, 0.75}) dbus_message_iter_append_basic(&color, DBUS_TYPE_DOUBLE, &c);
    dbus_message_iter_close_container(&variant, &color);
  });
}

std::vector<Bytes> Seeds() {
  // Recipes: picked with a colour, cancelled, a colour of the wrong shape.
  return {PickedSignal(), Bytes{0, 1, 0, 0, 0x3F, 0xD0, 0, 0, 0, 0, 0, 0}, Bytes{1, 0}, Bytes{0, 1, 0, 1}};
}

const bool kRegistered = Register({"portalresponse", &Run, &Seeds, 20000});

}  // namespace
}  // namespace gxa_fuzz

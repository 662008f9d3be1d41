// Replays the portal answer's fuzz target over seeded mutations of a real
// Response signal in every build; libFuzzer builds explore further.
#include <dbus/dbus.h>
#include <gtest/gtest.h>

#include <random>
#include <vector>

int FuzzPortalResponse(const uint8_t* data, size_t size);

namespace {

// A Response signal that picked (0.25, 0.5, 0.75), as the bus carries it.
std::vector<uint8_t> PickedSignal() {
  DBusMessage* signal = dbus_message_new_signal("/org/freedesktop/portal/desktop/request/1_7/gxa1",
                                                "org.freedesktop.portal.Request", "Response");
  DBusMessageIter args, results, entry, variant, color;
  dbus_message_iter_init_append(signal, &args);
  dbus_uint32_t response = 0;
  dbus_message_iter_append_basic(&args, DBUS_TYPE_UINT32, &response);
  dbus_message_iter_open_container(&args, DBUS_TYPE_ARRAY, "{sv}", &results);
  const char* key = "color";
  dbus_message_iter_open_container(&results, DBUS_TYPE_DICT_ENTRY, nullptr, &entry);
  dbus_message_iter_append_basic(&entry, DBUS_TYPE_STRING, &key);
  dbus_message_iter_open_container(&entry, DBUS_TYPE_VARIANT, "(ddd)", &variant);
  dbus_message_iter_open_container(&variant, DBUS_TYPE_STRUCT, nullptr, &color);
  for (double c : {0.25, 0.5, 0.75}) dbus_message_iter_append_basic(&color, DBUS_TYPE_DOUBLE, &c);
  dbus_message_iter_close_container(&variant, &color);
  dbus_message_iter_close_container(&entry, &variant);
  dbus_message_iter_close_container(&results, &entry);
  dbus_message_iter_close_container(&args, &results);
  dbus_message_set_serial(signal, 1);
  char* bytes = nullptr;
  int length = 0;
  dbus_message_marshal(signal, &bytes, &length);
  std::vector<uint8_t> out(bytes, bytes + length);
  dbus_free(bytes);
  dbus_message_unref(signal);
  return out;
}

TEST(PortalFuzz, MutatedResponsesAreReadOrRefused) {
  const std::vector<uint8_t> seed = PickedSignal();
  ASSERT_FALSE(seed.empty());
  std::mt19937 rng(20017);
  ASSERT_EQ(FuzzPortalResponse(seed.data(), seed.size()), 0);
  for (int round = 0; round < 20000; ++round) {
    std::vector<uint8_t> bytes = seed;
    for (int e = 1 + int(rng() % 4); e > 0; --e) {
      const size_t at = rng() % bytes.size();
      switch (rng() % 3) {
        case 0: bytes[at] = uint8_t(rng()); break;
        case 1: bytes.erase(bytes.begin() + long(at)); break;
        default: bytes.insert(bytes.begin() + long(at), uint8_t(rng())); break;
      }
      if (bytes.empty()) bytes.push_back(0);
    }
    ASSERT_EQ(FuzzPortalResponse(bytes.data(), bytes.size()), 0);
  }
}

}  // namespace

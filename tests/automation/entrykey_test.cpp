// Keys written in transcripts, `info` and settings must read back as the
// same key, whatever their four bytes spell.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "automation/entrykey.h"

namespace {

using host::EntryKey;

int32_t KeyOf(char a, char b, char c, char d) {
  return static_cast<int32_t>((static_cast<uint32_t>(static_cast<uint8_t>(a)) << 24) |
                              (static_cast<uint32_t>(static_cast<uint8_t>(b)) << 16) |
                              (static_cast<uint32_t>(static_cast<uint8_t>(c)) << 8) | static_cast<uint8_t>(d));
}

void ExpectRoundTrip(int32_t id) {
  const std::string text = EntryKey::Format(id);
  EXPECT_EQ(EntryKey::Parse(text), id) << id << " written as '" << text << "'";
}

const std::string kCodeChars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

TEST(EntryKeyTest, CodesThatReadAsHexadecimalAreWrittenAsNumbers) {
  // "0XJR": four code characters, but the reader takes them for broken hexadecimal.
  EXPECT_EQ(EntryKey::Format(811092562), "0x30584A52");
  ExpectRoundTrip(811092562);
  for (const char* prefix : {"0x", "0X"}) {
    for (char c : kCodeChars) {
      for (char d : kCodeChars) ExpectRoundTrip(KeyOf(prefix[0], prefix[1], c, d));
    }
  }
}

TEST(EntryKeyTest, CodesOfDigitsOnlyAreWrittenAsNumbers) {
  for (const char* digits : {"0000", "1234", "0099", "9999"}) {
    ExpectRoundTrip(KeyOf(digits[0], digits[1], digits[2], digits[3]));
  }
}

TEST(EntryKeyTest, OrdinaryCodesStayCodes) {
  for (const char* code : {"laym", "cfld", "0xyz", "x0X1", "1e10", "Xx00"}) {
    const int32_t id = KeyOf(code[0], code[1], code[2], code[3]);
    ExpectRoundTrip(id);
  }
  EXPECT_EQ(EntryKey::Format(KeyOf('l', 'a', 'y', 'm')), "laym");
  EXPECT_EQ(EntryKey::Format(KeyOf('1', 'e', '1', '0')), "1e10");
  EXPECT_EQ(EntryKey::Format(0x3E80002), "0x3E80002");
  EXPECT_EQ(EntryKey::Format(-1), "-1");
}

TEST(EntryKeyTest, AnyKeyRoundTrips) {
  for (int32_t id : {0, 1, -1, INT32_MIN, INT32_MAX, 0xFFFFFF, 0x1000000}) ExpectRoundTrip(id);
  std::mt19937 rng(811092562);
  for (int i = 0; i < 200000; ++i) {
    const auto id = static_cast<int32_t>(rng());
    const std::string text = EntryKey::Format(id);
    if (EntryKey::Parse(text) != id) ADD_FAILURE() << id << " written as '" << text << "'";
  }
}

}  // namespace

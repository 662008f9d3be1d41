#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "hosttext.h"

namespace
{
// Writes text the way host entries do: at most cap - 1 bytes and a NUL,
// answering the full length.
std::int64_t Write(const std::string& text, char* buf, std::size_t cap)
{
  if (cap > 0)
  {
    const std::size_t n = std::min(text.size(), cap - 1);
    std::memcpy(buf, text.data(), n);
    buf[n] = '\0';
  }
  return static_cast<std::int64_t>(text.size());
}
}  // namespace

TEST(HostText, LongTextsAreReadWhole)
{
  for (std::size_t length : {0u, 1u, 255u, 256u, 257u, 5000u})
  {
    const std::string text(length, 'x');
    auto read = ReadHostText([&](char* buf, std::size_t cap) { return Write(text, buf, cap); });
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->GetStd(), text) << length;
  }
}

TEST(HostText, TextThatGrowsBetweenCallsIsAskedForAgain)
{
  int calls = 0;
  auto read = ReadHostText([&](char* buf, std::size_t cap) {
    ++calls;
    return Write(std::string(300 * std::min(calls, 3), 'a'), buf, cap);
  });
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->GetByteCount(), 900u);
  EXPECT_EQ(calls, 4);
}

TEST(HostText, NegativeLengthMeansNoText)
{
  EXPECT_FALSE(ReadHostText([](char*, std::size_t) { return std::int64_t(-1); }).has_value());
}

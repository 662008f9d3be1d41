#include "core/containercodec.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <limits>

#include "color/colorprofile.h"
#include "core/bytewriter.h"
#include "gxa_api.h"

namespace host {
namespace {

Container EveryType() {
  Container inner(77);
  inner.SetString(1, "inner");
  inner.Insert(1, Value::Int32(-5));  // duplicate IDs keep their order

  Container c(0x47584154);
  c.Set(1, Value());
  c.Set(2, Value::Of(inner));
  c.Set(3, Value::Empty(GXA_TYPE_VECTOR));
  c.Set(4, Value::Int32(std::numeric_limits<int32_t>::min()));
  c.Set(5, Value::Bool(true));
  c.Set(6, Value::Int64(std::numeric_limits<int64_t>::max()));
  c.Set(7, Value::Float(-0.1));
  c.Set(8, Value::Vector({0.25, -1e300, 3.5}));
  c.Set(9, Value::Color({0.1, 0.2, 0.3, 0.4}));
  c.Set(10, Value::ByteArray({0, 255, 10, 13}));
  c.Set(11, Value::String("Farbwähler \xE2\x9C\x93"));
  c.Set(12, Value::File(Filename("/tmp/a b/c.png")));
  c.Set(13, Value::LinkTo(Link{42}));
  c.Set(14, Value::Profile(std::make_shared<const ColorProfile>(ColorProfile::Srgb())));
  c.Set(15, Value::Profile(nullptr));
  c.Set(16, Value::ByteArray({}));
  c.Set(17, Value::String(""));
  return c;
}

TEST(ContainerCodec, EveryValueTypeRoundTrips) {
  Container original = EveryType();
  auto bytes = ContainerCodec::Write(original);
  ASSERT_TRUE(bytes) << bytes.Error();
  auto read = ContainerCodec::Read(bytes.Value());
  ASSERT_TRUE(read) << read.Error();
  EXPECT_EQ(read.Value(), original);
  EXPECT_EQ(read->Count(), original.Count());
  EXPECT_EQ(read->GetContainer(2)->Count(), 2);
  EXPECT_TRUE(**read->Find(14)->AsProfile() == ColorProfile::Srgb());
  EXPECT_FALSE(**read->Find(14)->AsProfile() == ColorProfile::LinearSrgb());
}

TEST(ContainerCodec, EveryTruncationIsRejected) {
  auto bytes = ContainerCodec::Write(EveryType()).Value();
  for (size_t n = 0; n < bytes.size(); ++n) {
    std::span<const uint8_t> cut(bytes.data(), n);
    auto read = ContainerCodec::Read(cut);
    ASSERT_FALSE(read) << "accepted a stream cut to " << n << " bytes";
    EXPECT_FALSE(read.Error().empty());
  }
}

TEST(ContainerCodec, EverySingleBitFlipIsRejected) {
  Container c(5);
  c.SetVector(1, {0.5, 0.25, 1.0});
  c.SetString(2, "swatch");
  auto bytes = ContainerCodec::Write(c).Value();
  for (size_t bit = 0; bit < bytes.size() * 8; ++bit) {
    auto damaged = bytes;
    damaged[bit / 8] ^= static_cast<uint8_t>(1u << (bit % 8));
    ASSERT_FALSE(ContainerCodec::Read(damaged)) << "accepted a flip of bit " << bit;
  }
}

// A stream with a correct header and checksum around a hand-made payload:
// what a newer or a buggy writer could produce.
std::vector<uint8_t> Framed(const std::vector<uint8_t>& payload, uint16_t version = 1) {
  ByteWriter w;
  w.Raw(std::vector<uint8_t>{'G', 'X', 'A', 'S'});
  w.U16(version);
  w.U16(0);
  w.U64(payload.size());
  w.Raw(payload);
  w.U32(static_cast<uint32_t>(crc32(0, w.Bytes().data(), static_cast<uInt>(w.Size()))));
  return w.Take();
}

TEST(ContainerCodec, ForeignAndInconsistentDataIsExplained) {
  ByteWriter unknown;
  unknown.I32(1);
  unknown.U32(1);
  unknown.I32(10);
  unknown.I32(99);  // no such value type
  unknown.I32(0);
  auto r = ContainerCodec::Read(Framed(unknown.Bytes()));
  ASSERT_FALSE(r);
  EXPECT_NE(r.Error().find("unknown value type 99"), std::string::npos) << r.Error();

  ByteWriter lying;
  lying.I32(1);
  lying.U32(1000000);  // far more entries than bytes
  r = ContainerCodec::Read(Framed(lying.Bytes()));
  ASSERT_FALSE(r);
  EXPECT_NE(r.Error().find("overruns"), std::string::npos) << r.Error();

  ByteWriter bad_bool;
  bad_bool.I32(1);
  bad_bool.U32(1);
  bad_bool.I32(3);
  bad_bool.I32(GXA_TYPE_BOOL);
  bad_bool.U8(7);
  EXPECT_FALSE(ContainerCodec::Read(Framed(bad_bool.Bytes())));

  auto good = ContainerCodec::Write(Container(1)).Value();
  r = ContainerCodec::Read(Framed({good.begin() + 16, good.end() - 4}, 2));
  ASSERT_FALSE(r);
  EXPECT_NE(r.Error().find("format version 2"), std::string::npos) << r.Error();

  good[0] = 'P';
  r = ContainerCodec::Read(good);
  ASSERT_FALSE(r);
  EXPECT_NE(r.Error().find("bad magic"), std::string::npos) << r.Error();
}

TEST(ContainerCodec, NestingBeyondTheLimitIsRejectedNotOverflowed) {
  ByteWriter w;
  for (int i = 0; i < 10000; ++i) {
    w.I32(i);
    w.U32(1);
    w.I32(1);
    w.I32(GXA_TYPE_CONTAINER);
  }
  auto r = ContainerCodec::Read(Framed(w.Bytes()));
  ASSERT_FALSE(r);
  EXPECT_NE(r.Error().find("nested too deeply"), std::string::npos) << r.Error();

  Container deep(0);
  for (int i = 0; i < ContainerCodec::kMaxDepth; ++i) {
    Container outer(i + 1);
    outer.SetContainer(1, deep);
    deep = outer;
  }
  EXPECT_TRUE(ContainerCodec::Read(ContainerCodec::Write(deep).Value()));
}

}  // namespace
}  // namespace host

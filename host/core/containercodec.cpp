#include "core/containercodec.h"

#include <zlib.h>

#include <string>

#include "color/colorprofile.h"
#include "core/bytereader.h"
#include "core/bytewriter.h"
#include "gxa_api.h"

namespace host {

namespace {

constexpr uint8_t kMagic[4] = {'G', 'X', 'A', 'S'};

uint32_t Crc32(std::span<const uint8_t> data) {
  uLong crc = crc32(0L, Z_NULL, 0);
  // zlib takes lengths as uInt; feed large buffers in pieces.
  while (!data.empty()) {
    size_t n = std::min<size_t>(data.size(), 1u << 30);
    crc = crc32(crc, data.data(), static_cast<uInt>(n));
    data = data.subspan(n);
  }
  return static_cast<uint32_t>(crc);
}

class PayloadWriter {
 public:
  explicit PayloadWriter(ByteWriter& out) : out_(out) {}

  std::string WriteContainer(const Container& c) {
    out_.I32(c.Id());
    out_.U32(static_cast<uint32_t>(c.Count()));
    for (const auto& e : c.Entries()) {
      out_.I32(e.id);
      out_.I32(e.value.Type());
      std::string err = WriteValue(e.value);
      if (!err.empty()) return err;
    }
    return {};
  }

 private:
  std::string WriteValue(const Value& v) {
    switch (v.Type()) {
      case GXA_TYPE_NONE: return {};
      case GXA_TYPE_CONTAINER: return WriteContainer(*v.AsContainer());
      case GXA_TYPE_EMPTY: out_.I32(v.EmptyType()); return {};
      case GXA_TYPE_INT32: out_.I32(*v.AsInt32()); return {};
      case GXA_TYPE_BOOL: out_.U8(*v.AsBool() ? 1 : 0); return {};
      case GXA_TYPE_INT64: out_.I64(*v.AsInt64()); return {};
      case GXA_TYPE_FLOAT: out_.F64(*v.AsFloat()); return {};
      case GXA_TYPE_VECTOR: WriteVector(*v.AsVector()); return {};
      case GXA_TYPE_COLORALPHA: WriteColor(*v.AsColor()); return {};
      case GXA_TYPE_BYTEARRAY: out_.Sized(*v.AsBytes()); return {};
      case GXA_TYPE_STRING: out_.Sized(*v.AsString()); return {};
      case GXA_TYPE_FILENAME: out_.Sized(v.AsFile()->Path()); return {};
      case GXA_TYPE_LINK: out_.I64(v.AsLink()->object); return {};
      case GXA_TYPE_COLORPROFILE: return WriteProfile(*v.AsProfile());
    }
    return "value type " + std::to_string(v.Type()) + " cannot be stored";
  }

  void WriteVector(const Vector3& x) {
    out_.F64(x.x);
    out_.F64(x.y);
    out_.F64(x.z);
  }

  void WriteColor(const ColorRGBA& c) {
    out_.F64(c.r);
    out_.F64(c.g);
    out_.F64(c.b);
    out_.F64(c.a);
  }

  std::string WriteProfile(const Value::ProfilePtr& p) {
    if (!p) {
      out_.U64(0);
      return {};
    }
    auto bytes = p->ToBytes();
    if (bytes.empty()) return "a colour profile without contents cannot be stored";
    out_.Sized(bytes);
    return {};
  }

  ByteWriter& out_;
};

class PayloadReader {
 public:
  explicit PayloadReader(ByteReader& in) : in_(in) {}

  // Empty error text on success.
  std::string ReadContainer(Container& c, int depth) {
    if (depth > ContainerCodec::kMaxDepth) return Error("containers nested too deeply");
    c.SetId(in_.I32());
    uint32_t count = in_.U32();
    if (in_.Failed()) return Truncated();
    // Every entry takes at least 8 bytes, so a larger count is a lie.
    if (count > in_.Remaining() / 8) return Error("entry count " + std::to_string(count) + " overruns the data");
    for (uint32_t i = 0; i < count; ++i) {
      int32_t id = in_.I32();
      int32_t type = in_.I32();
      if (in_.Failed()) return Truncated();
      Value v;
      std::string err = ReadValue(type, v, depth);
      if (!err.empty()) return err;
      c.Insert(id, std::move(v));
    }
    return {};
  }

 private:
  std::string ReadValue(int32_t type, Value& v, int depth) {
    size_t at = in_.Offset();
    switch (type) {
      case GXA_TYPE_NONE: v = Value(); break;
      case GXA_TYPE_CONTAINER: {
        Container sub;
        std::string err = ReadContainer(sub, depth + 1);
        if (!err.empty()) return err;
        v = Value::Of(std::move(sub));
        break;
      }
      case GXA_TYPE_EMPTY: v = Value::Empty(in_.I32()); break;
      case GXA_TYPE_INT32: v = Value::Int32(in_.I32()); break;
      case GXA_TYPE_BOOL: {
        uint8_t b = in_.U8();
        if (b > 1 && !in_.Failed()) return ErrorAt(at, "a boolean holds " + std::to_string(b));
        v = Value::Bool(b == 1);
        break;
      }
      case GXA_TYPE_INT64: v = Value::Int64(in_.I64()); break;
      case GXA_TYPE_FLOAT: v = Value::Float(in_.F64()); break;
      case GXA_TYPE_VECTOR: v = Value::Vector(ReadVector()); break;
      case GXA_TYPE_COLORALPHA: v = Value::Color(ReadColor()); break;
      case GXA_TYPE_BYTEARRAY: v = Value::ByteArray(in_.SizedBytes()); break;
      case GXA_TYPE_STRING: v = Value::String(in_.SizedText()); break;
      case GXA_TYPE_FILENAME: v = Value::File(Filename(in_.SizedText())); break;
      case GXA_TYPE_LINK: v = Value::LinkTo(Link{in_.I64()}); break;
      case GXA_TYPE_COLORPROFILE: return ReadProfile(v);
      default: return ErrorAt(at, "unknown value type " + std::to_string(type));
    }
    return in_.Failed() ? Truncated() : std::string();
  }

  Vector3 ReadVector() {
    Vector3 x;
    x.x = in_.F64();
    x.y = in_.F64();
    x.z = in_.F64();
    return x;
  }

  ColorRGBA ReadColor() {
    ColorRGBA c;
    c.r = in_.F64();
    c.g = in_.F64();
    c.b = in_.F64();
    c.a = in_.F64();
    return c;
  }

  std::string ReadProfile(Value& v) {
    size_t at = in_.Offset();
    auto bytes = in_.SizedBytes();
    if (in_.Failed()) return Truncated();
    if (bytes.empty()) {
      v = Value::Profile(nullptr);
      return {};
    }
    std::string why;
    auto profile = ColorProfile::FromMemory(bytes, why);
    if (!profile) return ErrorAt(at, "an unusable colour profile (" + why + ")");
    v = Value::Profile(std::make_shared<const ColorProfile>(std::move(*profile)));
    return {};
  }

  std::string Truncated() const { return "the data ends in the middle of a value (truncated)"; }
  std::string Error(const std::string& what) const { return ErrorAt(in_.Offset(), what); }
  std::string ErrorAt(size_t payload_offset, const std::string& what) const {
    return what + " at byte " + std::to_string(payload_offset + ContainerCodec::kHeaderSize);
  }

  ByteReader& in_;
};

}  // namespace

Outcome<std::vector<uint8_t>> ContainerCodec::Write(const Container& c) {
  ByteWriter payload;
  std::string err = PayloadWriter(payload).WriteContainer(c);
  if (!err.empty()) return Outcome<std::vector<uint8_t>>::Fail(err);

  ByteWriter out;
  out.Raw(kMagic);
  out.U16(static_cast<uint16_t>(kFormatVersion));
  out.U16(0);
  out.U64(payload.Size());
  out.Raw(payload.Bytes());
  out.U32(Crc32(out.Bytes()));
  return out.Take();
}

Outcome<Container> ContainerCodec::Read(std::span<const uint8_t> bytes) {
  using R = Outcome<Container>;
  if (bytes.size() < kHeaderSize + kChecksumSize) {
    return R::Fail("too short to hold a container (" + std::to_string(bytes.size()) + " bytes, truncated)");
  }
  if (!std::equal(std::begin(kMagic), std::end(kMagic), bytes.begin())) {
    return R::Fail("not a gxa-host container stream (bad magic)");
  }
  ByteReader header(bytes.subspan(4, kHeaderSize - 4));
  uint32_t version = header.U16();
  header.U16();
  uint64_t length = header.U64();
  if (version == 0 || version > kFormatVersion) {
    return R::Fail("stream format version " + std::to_string(version) + " is not one this host reads (" +
                   std::to_string(kFormatVersion) + ")");
  }
  size_t body = bytes.size() - kHeaderSize - kChecksumSize;
  if (length > body)
    return R::Fail("the data is truncated (" + std::to_string(body) + " of " + std::to_string(length) +
                   " payload bytes)");
  if (length < body) return R::Fail("unexpected bytes after the payload");

  auto checked = bytes.first(bytes.size() - kChecksumSize);
  ByteReader tail(bytes.last(kChecksumSize));
  if (tail.U32() != Crc32(checked)) return R::Fail("checksum mismatch (the data is damaged)");

  ByteReader in(bytes.subspan(kHeaderSize, static_cast<size_t>(length)));
  Container c;
  std::string err = PayloadReader(in).ReadContainer(c, 0);
  if (!err.empty()) return R::Fail(err);
  if (in.Remaining() != 0) return R::Fail("unexpected bytes after the top container");
  return c;
}

}  // namespace host

// The host's container stream: any bytes are either rejected with a message
// or read into a container that writes back stably. The input is tried as it
// is and as a payload behind a correct header and checksum.
#include "framedstream.h"

namespace gxa_fuzz {
namespace {

void Check(std::span<const uint8_t> bytes) {
  auto read = host::ContainerCodec::Read(bytes);
  if (!read) {
    Expect(!read.Error().empty(), "a rejected stream has a message");
    return;
  }
  // Profiles may be re-encoded on the first pass; after that it is stable.
  auto once = host::ContainerCodec::Write(read.Value());
  if (!once) return;
  auto again = host::ContainerCodec::Read(once.Value());
  Expect(again.Ok(), "a written stream reads back");
  auto twice = host::ContainerCodec::Write(again.Value());
  Expect(twice && twice.Value() == once.Value(), "a stream writes back stably");
}

void Run(std::span<const uint8_t> data) {
  Check(data);
  Check(Framed(data));
}

std::vector<Bytes> Seeds() {
  host::Container inner(3);
  inner.SetString(1, "group");
  inner.Set(2, host::Value::Color({0.1, 0.2, 0.3, 1.0}));
  host::Container c(1127);
  c.SetContainer(0, inner);
  c.Insert(0, host::Value::Of(inner));
  c.SetInt64(5, -9);
  c.Set(6, host::Value::ByteArray({1, 2, 3}));
  c.Set(7, host::Value::Empty(23));
  return {host::ContainerCodec::Write(c).Value(), PayloadOf(c)};
}

const bool kRegistered = Register({"containercodec", &Run, &Seeds, 20000});

}  // namespace
}  // namespace gxa_fuzz

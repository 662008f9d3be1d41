#include <cstring>

#include "core/compression.h"
#include "core/families.h"
#include "core/handles.h"
#include "core/typedstream.h"

namespace host {

namespace {

MemoryFile* M(GxaMemoryFile* m) { return reinterpret_cast<MemoryFile*>(m); }
const MemoryFile* M(const GxaMemoryFile* m) { return reinterpret_cast<const MemoryFile*>(m); }
TypedStream* S(GxaStream* s) { return reinterpret_cast<TypedStream*>(s); }

// Module calls must not throw: an allocation failure is a failed call.
template <class R, class F>
R Guard(R on_failure, F&& f) noexcept {
  try {
    return f();
  } catch (...) {
    return on_failure;
  }
}

GxaMemoryFile* MemoryCreate() {
  return Guard<GxaMemoryFile*>(nullptr, [] { return reinterpret_cast<GxaMemoryFile*>(new MemoryFile); });
}
void MemoryDestroy(GxaMemoryFile* m) { delete M(m); }

bool MemorySet(GxaMemoryFile* m, const void* bytes, size_t count) {
  if (!m || (!bytes && count)) return false;
  return Guard(false, [&] {
    const auto* b = static_cast<const uint8_t*>(bytes);
    M(m)->bytes.assign(b, b + count);
    return true;
  });
}

int64_t MemoryGet(const GxaMemoryFile* m, void* buf, size_t cap) {
  if (!m) return -1;
  const auto& bytes = M(m)->bytes;
  if (buf && cap) std::memcpy(buf, bytes.data(), std::min(cap, bytes.size()));
  return int64_t(bytes.size());
}

GxaStream* StreamCreate() {
  return Guard<GxaStream*>(nullptr, [] { return reinterpret_cast<GxaStream*>(new TypedStream); });
}
void StreamDestroy(GxaStream* s) { delete S(s); }

bool StreamOpen(GxaStream* s, GxaMemoryFile* m, int32_t mode) { return s && m && S(s)->Open(*M(m), mode); }

bool StreamWrite(GxaStream* s, const GxaContainer* c) {
  return s && c && Guard(false, [&] { return S(s)->Write(*FromHandle(c)); });
}

bool StreamRead(GxaStream* s, GxaContainer* out) {
  if (!s || !out) return false;
  return Guard(false, [&] {
    auto read = S(s)->Read();
    if (!read) return false;
    const int32_t id = FromHandle(out)->Id();
    *FromHandle(out) = std::move(read.Value());
    FromHandle(out)->SetId(id);
    return true;
  });
}

bool StreamClose(GxaStream* s) { return s && S(s)->Close(); }

int64_t CompressBound(size_t count) { return int64_t(Compression::Bound(count)); }

int64_t Compress(const void* src, size_t count, void* dst, size_t cap, int32_t level) {
  if ((!src && count) || !dst) return -1;
  return Guard<int64_t>(-1, [&]() -> int64_t {
    auto packed = Compression::Compress({static_cast<const uint8_t*>(src), count}, level);
    if (!packed || packed->size() > cap) return -1;
    std::memcpy(dst, packed->data(), packed->size());
    return int64_t(packed->size());
  });
}

int64_t Decompress(const void* src, size_t count, void* dst, size_t cap) {
  if ((!src && count) || (!dst && cap)) return -1;
  return Guard<int64_t>(-1, [&]() -> int64_t {
    auto unpacked =
        Compression::Decompress({static_cast<const uint8_t*>(src), count}, {static_cast<uint8_t*>(dst), cap});
    return unpacked ? int64_t(*unpacked) : -1;
  });
}

const GxaStreamFns kStreams = {
    sizeof(GxaStreamFns), MemoryCreate, MemoryDestroy, MemorySet,   MemoryGet,     StreamCreate, StreamDestroy,
    StreamOpen,           StreamWrite,  StreamRead,    StreamClose, CompressBound, Compress,     Decompress,
};

}  // namespace

const GxaStreamFns* StreamFamily() { return &kStreams; }

}  // namespace host

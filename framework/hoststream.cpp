#include "hoststream.h"

#include "hostaccess.h"

namespace
{
const GxaStreamFns* Fns()
{
  return HostStreams();
}
}  // namespace

MemoryFile::MemoryFile()
{
  const GxaStreamFns* fns = Fns();
  _mem = GXA_HAS(fns, memory_create) ? fns->memory_create() : nullptr;
}

MemoryFile::~MemoryFile()
{
  const GxaStreamFns* fns = Fns();
  if (_mem && GXA_HAS(fns, memory_destroy))
    fns->memory_destroy(_mem);
}

bool MemoryFile::SetData(std::span<const std::uint8_t> bytes)
{
  const GxaStreamFns* fns = Fns();
  return _mem && GXA_HAS(fns, memory_set) && fns->memory_set(_mem, bytes.data(), bytes.size());
}

Result<BaseArray<std::uint8_t>> MemoryFile::GetData() const
{
  const GxaStreamFns* fns = Fns();
  if (!_mem || !GXA_HAS(fns, memory_get))
    return UnexpectedError("no memory file");
  const std::int64_t size = fns->memory_get(_mem, nullptr, 0);
  if (size < 0)
    return UnexpectedError("memory file unreadable");
  BaseArray<std::uint8_t> bytes;
  RETURN_IF_ERROR(bytes.Resize(static_cast<std::size_t>(size)));
  fns->memory_get(_mem, bytes.GetData(), bytes.GetCount());
  return bytes;
}

TypedStream::TypedStream()
{
  const GxaStreamFns* fns = Fns();
  _s = GXA_HAS(fns, stream_create) ? fns->stream_create() : nullptr;
}

TypedStream::~TypedStream()
{
  const GxaStreamFns* fns = Fns();
  if (_open)
    (void)Close();
  if (_s && GXA_HAS(fns, stream_destroy))
    fns->stream_destroy(_s);
}

bool TypedStream::Open(MemoryFile& file, std::int32_t mode)
{
  const GxaStreamFns* fns = Fns();
  _open = _s && file.IsValid() && GXA_HAS(fns, stream_open) && fns->stream_open(_s, file.Get(), mode);
  return _open;
}

bool TypedStream::WriteContainer(const BaseContainer& c)
{
  const GxaStreamFns* fns = Fns();
  return _open && c.IsValid() && GXA_HAS(fns, stream_write_container) && fns->stream_write_container(_s, c.Get());
}

bool TypedStream::ReadContainer(BaseContainer& out)
{
  const GxaStreamFns* fns = Fns();
  return _open && out.IsValid() && GXA_HAS(fns, stream_read_container) && fns->stream_read_container(_s, out.Get());
}

bool TypedStream::Close()
{
  const GxaStreamFns* fns = Fns();
  if (!_open)
    return false;
  _open = false;
  return GXA_HAS(fns, stream_close) && fns->stream_close(_s);
}

Result<BaseArray<std::uint8_t>> CompressBytes(std::span<const std::uint8_t> bytes, std::int32_t level)
{
  const GxaStreamFns* fns = Fns();
  if (!GXA_HAS(fns, compress) || !GXA_HAS(fns, compress_bound))
    return UnexpectedError("the host has no compression");
  const std::int64_t bound = fns->compress_bound(bytes.size());
  if (bound < 0)
    return UnexpectedError("too large to compress");
  BaseArray<std::uint8_t> out;
  RETURN_IF_ERROR(out.Resize(static_cast<std::size_t>(bound)));
  const std::int64_t size = fns->compress(bytes.data(), bytes.size(), out.GetData(), out.GetCount(), level);
  if (size < 0)
    return UnexpectedError("compression failed");
  RETURN_IF_ERROR(out.Resize(static_cast<std::size_t>(size)));
  return out;
}

Result<BaseArray<std::uint8_t>> DecompressBytes(std::span<const std::uint8_t> bytes, std::size_t expectedSize)
{
  const GxaStreamFns* fns = Fns();
  if (!GXA_HAS(fns, decompress))
    return UnexpectedError("the host has no compression");
  BaseArray<std::uint8_t> out;
  RETURN_IF_ERROR(out.Resize(expectedSize));
  const std::int64_t size = fns->decompress(bytes.data(), bytes.size(), out.GetData(), out.GetCount());
  if (size < 0)
    return IllegalArgumentError("the data does not decompress");
  RETURN_IF_ERROR(out.Resize(static_cast<std::size_t>(size)));
  return out;
}

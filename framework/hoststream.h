#pragma once
// The host's memory files, typed streams and compression, as owning
// objects. Without the stream family every operation fails cleanly.
#include <cstddef>
#include <cstdint>
#include <span>

#include "basearray.h"
#include "basecontainer.h"
#include "gxa_api.h"
#include "result.h"

class MemoryFile
{
public:
  MemoryFile();
  ~MemoryFile();
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;

  bool IsValid() const { return _mem != nullptr; }
  GxaMemoryFile* Get() const { return _mem; }
  // Content to be read from the start (copied).
  bool SetData(std::span<const std::uint8_t> bytes);
  Result<BaseArray<std::uint8_t>> GetData() const;

private:
  GxaMemoryFile* _mem = nullptr;
};

class TypedStream
{
public:
  TypedStream();
  ~TypedStream();
  TypedStream(const TypedStream&) = delete;
  TypedStream& operator=(const TypedStream&) = delete;

  bool IsValid() const { return _s != nullptr; }
  bool Open(MemoryFile& file, std::int32_t mode);
  bool WriteContainer(const BaseContainer& c);
  bool ReadContainer(BaseContainer& out);
  // False when anything since Open failed.
  bool Close();

private:
  GxaStream* _s = nullptr;
  bool _open = false;
};

// zlib at level (0..9) through the host.
Result<BaseArray<std::uint8_t>> CompressBytes(std::span<const std::uint8_t> bytes, std::int32_t level);
// Fails unless bytes decompress to at most expectedSize bytes; the result
// holds what they gave.
Result<BaseArray<std::uint8_t>> DecompressBytes(std::span<const std::uint8_t> bytes, std::size_t expectedSize);

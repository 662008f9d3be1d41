#pragma once
// A typed stream over bytes in memory: containers one after the other, each
// as one frame of the host's stream format (ContainerCodec). The stream
// family hands these out to modules; a read that meets damaged or foreign
// bytes fails and marks the stream failed, it never reads past the data.
#include <cstdint>
#include <span>
#include <vector>

#include "core/container.h"
#include "core/outcome.h"

namespace host {

struct MemoryFile {
  std::vector<uint8_t> bytes;
};

class TypedStream {
 public:
  enum Mode : int32_t { kClosed = 0, kRead = 1, kWrite = 2 };

  // Writing empties the file first.
  bool Open(MemoryFile& file, int32_t mode);
  bool Write(const Container& c);
  Outcome<Container> Read();
  // False when anything since Open failed.
  bool Close();

  // One frame from the start of bytes and its length in bytes.
  static Outcome<Container> ReadFrame(std::span<const uint8_t> bytes, size_t* frame_size);

 private:
  MemoryFile* file_ = nullptr;
  Mode mode_ = kClosed;
  size_t pos_ = 0;
  bool failed_ = false;
};

}  // namespace host

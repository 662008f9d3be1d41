#include "core/typedstream.h"

#include "core/containercodec.h"

namespace host {

bool TypedStream::Open(MemoryFile& file, int32_t mode) {
  if (mode != kRead && mode != kWrite) return false;
  file_ = &file;
  mode_ = Mode(mode);
  pos_ = 0;
  failed_ = false;
  if (mode_ == kWrite) file_->bytes.clear();
  return true;
}

bool TypedStream::Write(const Container& c) {
  if (mode_ != kWrite) return false;
  auto bytes = ContainerCodec::Write(c);
  if (!bytes) {
    failed_ = true;
    return false;
  }
  file_->bytes.insert(file_->bytes.end(), bytes->begin(), bytes->end());
  return true;
}

Outcome<Container> TypedStream::Read() {
  if (mode_ != kRead) return Outcome<Container>::Fail("the stream is not open for reading");
  size_t frame = 0;
  auto read = ReadFrame(std::span<const uint8_t>(file_->bytes).subspan(pos_), &frame);
  if (!read) {
    failed_ = true;
    return read;
  }
  pos_ += frame;
  return read;
}

bool TypedStream::Close() {
  const bool ok = mode_ != kClosed && !failed_;
  mode_ = kClosed;
  file_ = nullptr;
  return ok;
}

Outcome<Container> TypedStream::ReadFrame(std::span<const uint8_t> bytes, size_t* frame_size) {
  constexpr size_t kHeader = ContainerCodec::kHeaderSize;
  if (bytes.size() < kHeader + ContainerCodec::kChecksumSize)
    return Outcome<Container>::Fail("the stream ends before a container");
  uint64_t payload = 0;
  for (int i = 0; i < 8; ++i) payload |= uint64_t(bytes[8 + size_t(i)]) << (8 * i);
  const size_t room = bytes.size() - kHeader - ContainerCodec::kChecksumSize;
  if (payload > room) return Outcome<Container>::Fail("the stream ends inside a container");
  const size_t frame = kHeader + size_t(payload) + ContainerCodec::kChecksumSize;
  auto read = ContainerCodec::Read(bytes.first(frame));
  if (read && frame_size) *frame_size = frame;
  return read;
}

}  // namespace host

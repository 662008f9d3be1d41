#pragma once
// Little-endian encoding into a growing byte buffer.
#include <bit>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace host {

class ByteWriter {
 public:
  void U8(uint8_t v) { bytes_.push_back(v); }
  void U16(uint16_t v) { Unsigned(v, 2); }
  void U32(uint32_t v) { Unsigned(v, 4); }
  void U64(uint64_t v) { Unsigned(v, 8); }
  void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
  void I64(int64_t v) { U64(static_cast<uint64_t>(v)); }
  void F64(double v) { U64(std::bit_cast<uint64_t>(v)); }
  void Raw(std::span<const uint8_t> data) { bytes_.insert(bytes_.end(), data.begin(), data.end()); }
  // A u64 length, then the bytes.
  void Sized(std::span<const uint8_t> data) {
    U64(data.size());
    Raw(data);
  }
  void Sized(std::string_view text) { Sized(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size())); }

  size_t Size() const { return bytes_.size(); }
  const std::vector<uint8_t>& Bytes() const { return bytes_; }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  void Unsigned(uint64_t v, int count) {
    for (int i = 0; i < count; ++i) bytes_.push_back(static_cast<uint8_t>(v >> (8 * i)));
  }

  std::vector<uint8_t> bytes_;
};

}  // namespace host

#pragma once
// Little-endian decoding with bounds checks. A read past the end sets the
// reader's failed state and answers zero; callers test Failed() once after a
// group of reads instead of after each.
#include <bit>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace host {

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> data) : data_(data) {}

  uint8_t U8() { return static_cast<uint8_t>(Unsigned(1)); }
  uint16_t U16() { return static_cast<uint16_t>(Unsigned(2)); }
  uint32_t U32() { return static_cast<uint32_t>(Unsigned(4)); }
  uint64_t U64() { return Unsigned(8); }
  int32_t I32() { return static_cast<int32_t>(U32()); }
  int64_t I64() { return static_cast<int64_t>(U64()); }
  double F64() { return std::bit_cast<double>(U64()); }

  // A u64 length, then that many bytes; fails when the length overruns.
  std::vector<uint8_t> SizedBytes() {
    auto span = SizedSpan();
    return {span.begin(), span.end()};
  }
  std::string SizedText() {
    auto span = SizedSpan();
    return {span.begin(), span.end()};
  }

  bool Failed() const { return failed_; }
  size_t Offset() const { return pos_; }
  size_t Remaining() const { return data_.size() - pos_; }

 private:
  uint64_t Unsigned(int count) {
    if (failed_ || Remaining() < static_cast<size_t>(count)) {
      failed_ = true;
      return 0;
    }
    uint64_t v = 0;
    for (int i = 0; i < count; ++i) v |= static_cast<uint64_t>(data_[pos_ + i]) << (8 * i);
    pos_ += static_cast<size_t>(count);
    return v;
  }

  std::span<const uint8_t> SizedSpan() {
    uint64_t n = U64();
    if (failed_ || n > Remaining()) {
      failed_ = true;
      return {};
    }
    auto span = data_.subspan(pos_, static_cast<size_t>(n));
    pos_ += static_cast<size_t>(n);
    return span;
  }

  std::span<const uint8_t> data_;
  size_t pos_ = 0;
  bool failed_ = false;
};

}  // namespace host

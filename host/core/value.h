#pragma once
// One typed host value: what a GxaData handle points at and what a container
// entry holds. Type codes are the GXA_TYPE_* numbers of the host interface.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/filename.h"
#include "core/valuetypes.h"

namespace host {

class Container;

class Value {
 public:
  using Bytes = std::vector<uint8_t>;
  using ProfilePtr = std::shared_ptr<const ColorProfile>;

  Value();
  Value(const Value& other);
  // Out of line: the container alternative is complete only in value.cpp.
  Value(Value&& other) noexcept;
  Value& operator=(const Value& other);
  Value& operator=(Value&& other) noexcept;
  ~Value();

  static Value Empty(int32_t type);
  static Value Bool(bool v);
  static Value Int32(int32_t v);
  static Value Int64(int64_t v);
  static Value Float(double v);
  static Value Vector(Vector3 v);
  static Value Color(ColorRGBA v);
  static Value ByteArray(Bytes v);
  static Value String(std::string v);
  static Value File(Filename v);
  static Value LinkTo(Link v);
  static Value Profile(ProfilePtr v);
  static Value Of(const Container& c);
  static Value Of(Container&& c);

  // The GXA_TYPE_* code; a bool reports GXA_TYPE_BOOL.
  int32_t Type() const;
  bool IsNone() const { return std::holds_alternative<std::monostate>(data_); }
  // For an empty value, the type it stands for; 0 otherwise.
  int32_t EmptyType() const;

  // Readers follow the interface's widening rules: int32 reads bool, int32 and
  // int64 (truncated); int64 reads int32/bool too; float reads float and int32.
  std::optional<bool> AsBool() const;
  std::optional<int32_t> AsInt32() const;
  std::optional<int64_t> AsInt64() const;
  std::optional<double> AsFloat() const;
  std::optional<Vector3> AsVector() const;
  std::optional<ColorRGBA> AsColor() const;
  const Bytes* AsBytes() const;
  const std::string* AsString() const;
  const Filename* AsFile() const;
  std::optional<Link> AsLink() const;
  // Null for a non-profile value; a profile value may itself hold null.
  const ProfilePtr* AsProfile() const;
  const Container* AsContainer() const;
  Container* AsContainer();

  bool operator==(const Value& other) const;

 private:
  struct BoolBox {
    bool v;
    bool operator==(const BoolBox&) const = default;
  };
  using Data = std::variant<std::monostate, std::unique_ptr<Container>, EmptyOf, int32_t, BoolBox, int64_t, double,
                            Vector3, ColorRGBA, Bytes, std::string, Filename, Link, ProfilePtr>;
  static Data Clone(const Data& d);

  Data data_;
};

}  // namespace host

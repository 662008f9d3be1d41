#include "core/value.h"

#include "color/colorprofile.h"
#include "core/container.h"
#include "gxa_api.h"

namespace host {

namespace {

template <class... Ts>
struct Overload : Ts... {
  using Ts::operator()...;
};
template <class... Ts>
Overload(Ts...) -> Overload<Ts...>;  // clang before 17 lacks aggregate deduction

}  // namespace

Value::Data Value::Clone(const Data& d) {
  return std::visit(
      [](const auto& v) -> Data {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, std::unique_ptr<Container>>) {
          return std::make_unique<Container>(*v);
        } else {
          return v;
        }
      },
      d);
}

Value::Value() = default;
Value::Value(const Value& other) : data_(Clone(other.data_)) {}

Value& Value::operator=(const Value& other) {
  if (this != &other) data_ = Clone(other.data_);
  return *this;
}

Value::Value(Value&& other) noexcept = default;
Value& Value::operator=(Value&& other) noexcept = default;
Value::~Value() = default;

Value Value::Empty(int32_t type) {
  Value v;
  v.data_ = EmptyOf{type};
  return v;
}

Value Value::Bool(bool b) {
  Value v;
  v.data_ = BoolBox{b};
  return v;
}

Value Value::Int32(int32_t i) {
  Value v;
  v.data_ = i;
  return v;
}

Value Value::Int64(int64_t i) {
  Value v;
  v.data_ = i;
  return v;
}

Value Value::Float(double f) {
  Value v;
  v.data_ = f;
  return v;
}

Value Value::Vector(Vector3 x) {
  Value v;
  v.data_ = x;
  return v;
}

Value Value::Color(ColorRGBA c) {
  Value v;
  v.data_ = c;
  return v;
}

Value Value::ByteArray(Bytes b) {
  Value v;
  v.data_ = std::move(b);
  return v;
}

Value Value::String(std::string s) {
  Value v;
  v.data_ = std::move(s);
  return v;
}

Value Value::File(Filename f) {
  Value v;
  v.data_ = std::move(f);
  return v;
}

Value Value::LinkTo(Link l) {
  Value v;
  v.data_ = l;
  return v;
}

Value Value::Profile(ProfilePtr p) {
  Value v;
  v.data_ = std::move(p);
  return v;
}

Value Value::Of(const Container& c) {
  Value v;
  v.data_ = std::make_unique<Container>(c);
  return v;
}

Value Value::Of(Container&& c) {
  Value v;
  v.data_ = std::make_unique<Container>(std::move(c));
  return v;
}

int32_t Value::Type() const {
  return std::visit(Overload{[](const std::monostate&) { return int32_t{GXA_TYPE_NONE}; },
                             [](const std::unique_ptr<Container>&) { return int32_t{GXA_TYPE_CONTAINER}; },
                             [](const EmptyOf&) { return int32_t{GXA_TYPE_EMPTY}; },
                             [](const int32_t&) { return int32_t{GXA_TYPE_INT32}; },
                             [](const BoolBox&) { return int32_t{GXA_TYPE_BOOL}; },
                             [](const int64_t&) { return int32_t{GXA_TYPE_INT64}; },
                             [](const double&) { return int32_t{GXA_TYPE_FLOAT}; },
                             [](const Vector3&) { return int32_t{GXA_TYPE_VECTOR}; },
                             [](const ColorRGBA&) { return int32_t{GXA_TYPE_COLORALPHA}; },
                             [](const Bytes&) { return int32_t{GXA_TYPE_BYTEARRAY}; },
                             [](const std::string&) { return int32_t{GXA_TYPE_STRING}; },
                             [](const Filename&) { return int32_t{GXA_TYPE_FILENAME}; },
                             [](const Link&) { return int32_t{GXA_TYPE_LINK}; },
                             [](const ProfilePtr&) { return int32_t{GXA_TYPE_COLORPROFILE}; }},
                    data_);
}

int32_t Value::EmptyType() const {
  auto* e = std::get_if<EmptyOf>(&data_);
  return e ? e->type : 0;
}

std::optional<bool> Value::AsBool() const {
  if (auto* b = std::get_if<BoolBox>(&data_)) return b->v;
  if (auto* i = std::get_if<int32_t>(&data_)) return *i != 0;
  if (auto* l = std::get_if<int64_t>(&data_)) return *l != 0;
  return std::nullopt;
}

std::optional<int32_t> Value::AsInt32() const {
  if (auto* i = std::get_if<int32_t>(&data_)) return *i;
  if (auto* b = std::get_if<BoolBox>(&data_)) return b->v ? 1 : 0;
  if (auto* l = std::get_if<int64_t>(&data_)) return static_cast<int32_t>(*l);
  return std::nullopt;
}

std::optional<int64_t> Value::AsInt64() const {
  if (auto* l = std::get_if<int64_t>(&data_)) return *l;
  if (auto* i = std::get_if<int32_t>(&data_)) return *i;
  if (auto* b = std::get_if<BoolBox>(&data_)) return b->v ? 1 : 0;
  return std::nullopt;
}

std::optional<double> Value::AsFloat() const {
  if (auto* f = std::get_if<double>(&data_)) return *f;
  if (auto* i = std::get_if<int32_t>(&data_)) return *i;
  return std::nullopt;
}

std::optional<Vector3> Value::AsVector() const {
  if (auto* v = std::get_if<Vector3>(&data_)) return *v;
  return std::nullopt;
}

std::optional<ColorRGBA> Value::AsColor() const {
  if (auto* c = std::get_if<ColorRGBA>(&data_)) return *c;
  return std::nullopt;
}

const Value::Bytes* Value::AsBytes() const { return std::get_if<Bytes>(&data_); }

const std::string* Value::AsString() const { return std::get_if<std::string>(&data_); }

const Filename* Value::AsFile() const { return std::get_if<Filename>(&data_); }

std::optional<Link> Value::AsLink() const {
  if (auto* l = std::get_if<Link>(&data_)) return *l;
  return std::nullopt;
}

const Value::ProfilePtr* Value::AsProfile() const { return std::get_if<ProfilePtr>(&data_); }

const Container* Value::AsContainer() const {
  auto* c = std::get_if<std::unique_ptr<Container>>(&data_);
  return c ? c->get() : nullptr;
}

Container* Value::AsContainer() {
  auto* c = std::get_if<std::unique_ptr<Container>>(&data_);
  return c ? c->get() : nullptr;
}

bool Value::operator==(const Value& other) const {
  if (data_.index() != other.data_.index()) return false;
  if (auto* c = AsContainer()) return *c == *other.AsContainer();
  // Profiles compare by contents, so a stored and reloaded one stays equal.
  if (auto* p = AsProfile()) {
    const ProfilePtr& q = *other.AsProfile();
    if (!*p || !q) return !*p && !q;
    return **p == *q;
  }
  return data_ == other.data_;
}

}  // namespace host

#pragma once
// A value or an error. Operations that can fail return one; errors travel up
// with RETURN_IF_ERROR / ASSIGN_OR_RETURN until an entry point reports them.
#include <cstdlib>
#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

#include "gxaerror.h"

template <typename T>
class [[nodiscard]] Result
{
public:
  Result(const T& value) : _state(std::in_place_index<0>, value) {}
  Result(T&& value) : _state(std::in_place_index<0>, std::move(value)) {}
  Result(Error error) : _state(std::in_place_index<1>, std::move(error)) {}

  bool IsOk() const noexcept { return _state.index() == 0; }
  bool IsError() const noexcept { return _state.index() == 1; }

  // Asking an error for its value is a programming error and ends the process.
  T& GetValue() & { return *Checked(std::get_if<0>(&_state)); }
  const T& GetValue() const& { return *Checked(std::get_if<0>(&_state)); }
  T&& GetValue() && { return std::move(*Checked(std::get_if<0>(&_state))); }
  const Error& GetError() const { return *Checked(std::get_if<1>(&_state)); }

  T ValueOr(T fallback) const& { return IsOk() ? *std::get_if<0>(&_state) : std::move(fallback); }

private:
  template <typename P>
  static P* Checked(P* p)
  {
    if (!p)
      std::abort();
    return p;
  }

  std::variant<T, Error> _state;
};

template <>
class [[nodiscard]] Result<void>
{
public:
  Result() = default;
  Result(Error error) : _error(std::move(error)) {}

  bool IsOk() const noexcept { return !_error.has_value(); }
  bool IsError() const noexcept { return _error.has_value(); }
  const Error& GetError() const
  {
    if (!_error)
      std::abort();
    return *_error;
  }

private:
  std::optional<Error> _error;
};

inline Result<void> Ok()
{
  return {};
}

#define GXA_CONCAT_INNER(a, b) a##b
#define GXA_CONCAT(a, b) GXA_CONCAT_INNER(a, b)

// Returns the error of expr from the enclosing function.
#define RETURN_IF_ERROR(expr)        \
  do                                 \
  {                                  \
    auto&& gxa_result_ = (expr);     \
    if (gxa_result_.IsError())       \
      return gxa_result_.GetError(); \
  } while (false)

// Declares or assigns lhs from the value of expr, or returns its error.
#define ASSIGN_OR_RETURN(lhs, expr) ASSIGN_OR_RETURN_IMPL(GXA_CONCAT(gxa_result_, __LINE__), lhs, expr)
#define ASSIGN_OR_RETURN_IMPL(tmp, lhs, expr) \
  auto tmp = (expr);                          \
  if (tmp.IsError())                          \
    return tmp.GetError();                    \
  lhs = std::move(tmp).GetValue()

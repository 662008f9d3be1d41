#pragma once
// Turns C++ exceptions into errors at the edge of framework code: growth
// failures of standard containers become out-of-memory errors, so no
// exception ever reaches a module entry point.
#include <exception>
#include <new>
#include <stdexcept>
#include <type_traits>

#include "result.h"

namespace catcherrors_detail
{
template <typename T>
struct AsResult
{
  using Type = Result<T>;
};
template <typename T>
struct AsResult<Result<T>>
{
  using Type = Result<T>;
};
}  // namespace catcherrors_detail

// The error that the exception being handled stands for. Call inside a catch.
Error CurrentExceptionError() noexcept;

// Runs f and answers its result; a thrown exception becomes the error.
// f may return T, Result<T> or nothing.
template <typename F>
auto CatchErrors(F&& f) noexcept -> typename catcherrors_detail::AsResult<std::invoke_result_t<F>>::Type
{
  using R = std::invoke_result_t<F>;
  try
  {
    if constexpr (std::is_void_v<R>)
    {
      f();
      return Ok();
    }
    else
    {
      return f();
    }
  }
  catch (...)
  {
    return CurrentExceptionError();
  }
}

#pragma once
// Every function the host calls goes through GuardEntry, so that no C++
// exception crosses the C boundary: an escaping exception becomes the line
// "<operation> error: <text>" and the given failure answer.
#include <type_traits>

#include "catcherrors.h"
#include "diagnostics.h"

template <typename R, typename F>
R GuardEntry(const char* operation, R onFailure, F&& f) noexcept
{
  try
  {
    return f();
  }
  catch (...)
  {
    ReportError(operation, CurrentExceptionError());
    return onFailure;
  }
}

template <typename F>
void GuardEntry(const char* operation, F&& f) noexcept
{
  try
  {
    f();
  }
  catch (...)
  {
    ReportError(operation, CurrentExceptionError());
  }
}

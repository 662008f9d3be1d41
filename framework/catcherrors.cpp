#include "catcherrors.h"

namespace
{
// Copying the text may itself run out of memory; the kind survives either way.
Error WithText(ErrorKind kind, const char* text) noexcept
{
  try
  {
    return Error(kind, text);
  }
  catch (...)
  {
    return Error(kind);
  }
}
}  // namespace

Error CurrentExceptionError() noexcept
{
  try
  {
    throw;
  }
  catch (const std::bad_alloc&)
  {
    return Error(ErrorKind::OutOfMemory);
  }
  catch (const std::length_error&)
  {
    // A size beyond what an allocator could ever provide.
    return Error(ErrorKind::OutOfMemory);
  }
  catch (const std::out_of_range& e)
  {
    return WithText(ErrorKind::OutOfRange, e.what());
  }
  catch (const std::invalid_argument& e)
  {
    return WithText(ErrorKind::IllegalArgument, e.what());
  }
  catch (const std::exception& e)
  {
    return WithText(ErrorKind::Unexpected, e.what());
  }
  catch (...)
  {
    return Error(ErrorKind::Unexpected);
  }
}

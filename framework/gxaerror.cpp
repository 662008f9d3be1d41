#include "gxaerror.h"

std::string_view Error::GetMessage() const noexcept
{
  if (!_text.empty())
    return _text;
  switch (_kind)
  {
    case ErrorKind::OutOfMemory: return "Out of memory";
    case ErrorKind::OutOfRange: return "Index out of range";
    case ErrorKind::IllegalArgument: return "Illegal argument";
    case ErrorKind::Unexpected: break;
  }
  return "Unexpected error";
}

Error OutOfMemoryError(std::string text)
{
  return {ErrorKind::OutOfMemory, std::move(text)};
}

Error OutOfRangeError(std::string text)
{
  return {ErrorKind::OutOfRange, std::move(text)};
}

Error IllegalArgumentError(std::string text)
{
  return {ErrorKind::IllegalArgument, std::move(text)};
}

Error UnexpectedError(std::string text)
{
  return {ErrorKind::Unexpected, std::move(text)};
}

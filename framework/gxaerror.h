#pragma once
// The error half of Result: a kind and an optional text. Building an error
// without a text never allocates, so an out-of-memory error can always be made.
#include <string>
#include <string_view>

enum class ErrorKind
{
  OutOfMemory,
  OutOfRange,
  IllegalArgument,
  Unexpected
};

class Error
{
public:
  explicit Error(ErrorKind kind) noexcept : _kind(kind) {}
  Error(ErrorKind kind, std::string text) : _kind(kind), _text(std::move(text)) {}

  ErrorKind GetKind() const noexcept { return _kind; }
  // The text given, or a standard one for the kind.
  std::string_view GetMessage() const noexcept;

private:
  ErrorKind _kind;
  std::string _text;
};

Error OutOfMemoryError(std::string text = {});
Error OutOfRangeError(std::string text = {});
Error IllegalArgumentError(std::string text = {});
Error UnexpectedError(std::string text = {});

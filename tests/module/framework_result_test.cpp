#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>

#include "catcherrors.h"
#include "result.h"

namespace
{
Result<int> ParsePositive(int value)
{
  if (value <= 0)
    return IllegalArgumentError("not positive");
  return value;
}

// Doubles through ASSIGN_OR_RETURN; the counter shows whether the code after
// a failed step ran.
Result<int> Doubled(int value, int& stepsAfter)
{
  ASSIGN_OR_RETURN(const int parsed, ParsePositive(value));
  ++stepsAfter;
  return parsed * 2;
}

Result<void> CheckBoth(int a, int b, int& checked)
{
  RETURN_IF_ERROR(ParsePositive(a));
  ++checked;
  RETURN_IF_ERROR(ParsePositive(b));
  ++checked;
  return Ok();
}
}  // namespace

TEST(ErrorText, KindsHaveStandardTextsAndKeepGivenOnes)
{
  EXPECT_EQ(OutOfMemoryError().GetMessage(), "Out of memory");
  EXPECT_EQ(OutOfRangeError().GetMessage(), "Index out of range");
  EXPECT_EQ(IllegalArgumentError().GetMessage(), "Illegal argument");
  EXPECT_EQ(UnexpectedError().GetMessage(), "Unexpected error");
  const Error e = IllegalArgumentError("No icon found");
  EXPECT_EQ(e.GetKind(), ErrorKind::IllegalArgument);
  EXPECT_EQ(e.GetMessage(), "No icon found");
}

TEST(ResultPropagation, ValueFlowsAndErrorStopsTheCaller)
{
  int after = 0;
  Result<int> ok = Doubled(21, after);
  ASSERT_TRUE(ok.IsOk());
  EXPECT_EQ(ok.GetValue(), 42);
  EXPECT_EQ(after, 1);

  Result<int> failed = Doubled(-1, after);
  ASSERT_TRUE(failed.IsError());
  EXPECT_EQ(failed.GetError().GetMessage(), "not positive");
  EXPECT_EQ(after, 1);
  EXPECT_EQ(failed.ValueOr(7), 7);
}

TEST(ResultPropagation, VoidResultsStopAtTheFirstError)
{
  int checked = 0;
  EXPECT_TRUE(CheckBoth(1, 2, checked).IsOk());
  EXPECT_EQ(checked, 2);
  checked = 0;
  Result<void> r = CheckBoth(1, 0, checked);
  ASSERT_TRUE(r.IsError());
  EXPECT_EQ(r.GetError().GetKind(), ErrorKind::IllegalArgument);
  EXPECT_EQ(checked, 1);
}

TEST(CatchErrors, ExceptionsBecomeErrorsOfTheMatchingKind)
{
  EXPECT_EQ(CatchErrors([]() -> int { throw std::bad_alloc(); }).GetError().GetKind(), ErrorKind::OutOfMemory);
  EXPECT_EQ(CatchErrors([] { std::string().reserve(static_cast<std::size_t>(-1)); }).GetError().GetKind(),
            ErrorKind::OutOfMemory);
  const Result<void> range = CatchErrors([] { throw std::out_of_range("index 9"); });
  EXPECT_EQ(range.GetError().GetKind(), ErrorKind::OutOfRange);
  EXPECT_EQ(range.GetError().GetMessage(), "index 9");
  EXPECT_EQ(CatchErrors([] { throw std::invalid_argument("x"); }).GetError().GetKind(), ErrorKind::IllegalArgument);
  EXPECT_EQ(CatchErrors([] { throw std::runtime_error("disk"); }).GetError().GetMessage(), "disk");
  EXPECT_EQ(CatchErrors([] { throw 5; }).GetError().GetKind(), ErrorKind::Unexpected);
}

TEST(CatchErrors, PassesValuesAndResultsThrough)
{
  EXPECT_EQ(CatchErrors([] { return 3; }).GetValue(), 3);
  EXPECT_TRUE(CatchErrors([] {}).IsOk());
  const Result<int> inner = CatchErrors([] { return ParsePositive(0); });
  EXPECT_EQ(inner.GetError().GetMessage(), "not positive");
}

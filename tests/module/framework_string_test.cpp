#include <gtest/gtest.h>

#include <cstdint>

#include "gxastring.h"

TEST(StringFormat, ArgumentsReplaceAtSigns)
{
  EXPECT_EQ(String::Format("ColorChooserGui::Command() error: @", "Out of memory"),
            "ColorChooserGui::Command() error: Out of memory");
  EXPECT_EQ(String::Format("@ of @ at @@", 3, std::int64_t(-12), "a"), "3 of -12 at @");
  EXPECT_EQ(String::Format("@/@", true, 'x'), "true/x");
  EXPECT_EQ(String::Format("@ and @", String("s"), std::string("t")), "s and t");
  // Missing arguments leave the sign; extra ones are ignored.
  EXPECT_EQ(String::Format("@ @", 1), "1 @");
  EXPECT_EQ(String::Format("plain", 1, 2), "plain");
}

TEST(StringFormat, SpecsPadWidthAndPickTheBase)
{
  EXPECT_EQ(String::Format("@{6Y'0'}", 0xFF80u), "00FF80");
  EXPECT_EQ(String::Format("@{6Y'0'}", 0xABCDEFu), "ABCDEF");
  EXPECT_EQ(String::Format("@{x}", 255), "ff");
  EXPECT_EQ(String::Format("[@{5}]", 42), "[   42]");
  EXPECT_EQ(String::Format("[@{3'*'}]", "é"), "[**é]");
  EXPECT_EQ(String::Format("@{.2}", 0.125), "0.12");
  EXPECT_EQ(String::Format("@{.1f}", 3), "3.0");
  EXPECT_EQ(String::Format("@", 0.1), "0.1");
  EXPECT_EQ(String::Format("@", -0.5), "-0.5");
  EXPECT_EQ(String::Format("@", INT64_MIN), "-9223372036854775808");
  // A malformed spec is text, the argument still goes in.
  EXPECT_EQ(String::Format("@{zz}", 1), "1{zz}");
}

TEST(StringParse, WholeNumbers)
{
  EXPECT_EQ(String(" 42 ").ToInt64().GetValue(), 42);
  EXPECT_EQ(String("-7").ToInt64().GetValue(), -7);
  EXPECT_EQ(String("+7").ToInt64().GetValue(), 7);
  EXPECT_EQ(String("0xff").ToInt64().GetValue(), 255);
  EXPECT_EQ(String("-9223372036854775808").ToInt64().GetValue(), INT64_MIN);
  EXPECT_EQ(String("9223372036854775808").ToInt64().GetError().GetKind(), ErrorKind::OutOfRange);
  EXPECT_EQ(String("").ToInt64().GetError().GetKind(), ErrorKind::IllegalArgument);
  EXPECT_EQ(String("12a").ToInt64().GetError().GetKind(), ErrorKind::IllegalArgument);
  EXPECT_EQ(String("0x").ToInt64().GetError().GetKind(), ErrorKind::IllegalArgument);
  EXPECT_EQ(String("--1").ToInt64().GetError().GetKind(), ErrorKind::IllegalArgument);
}

TEST(StringParse, RealNumbers)
{
  EXPECT_DOUBLE_EQ(String("0.25").ToFloat().GetValue(), 0.25);
  EXPECT_DOUBLE_EQ(String(" -1e3").ToFloat().GetValue(), -1000.0);
  EXPECT_EQ(String("1,5").ToFloat().GetError().GetKind(), ErrorKind::IllegalArgument);
  EXPECT_EQ(String("1e999").ToFloat().GetError().GetKind(), ErrorKind::OutOfRange);
  EXPECT_EQ(String::FromFloat(0.5, 2), "0.50");
  EXPECT_EQ(String::FromFloat(1.0 / 3.0).ToFloat().GetValue(), 1.0 / 3.0);
}

TEST(StringText, BlanksTrimAndCodePoints)
{
  EXPECT_TRUE(String("").IsBlank());
  EXPECT_TRUE(String(" \t ").IsBlank());
  EXPECT_FALSE(String(" a ").IsBlank());
  EXPECT_FALSE(String("\n").IsBlank());
  EXPECT_EQ(String("\t x y \n").Trimmed(), "x y");
  const String word("grün€");
  EXPECT_EQ(word.GetCharCount(), 5u);
  EXPECT_EQ(word.GetByteCount(), 8u);
  EXPECT_EQ(word.Left(3), "grü");
  EXPECT_EQ(word.Left(9), word);
  EXPECT_EQ(String("aBc").ToUpperAscii(), "ABC");
  EXPECT_EQ(String("abc").SubStr(5), "");
}

TEST(StringText, Utf8ValidationRefusesOverlongFormsOfEveryLength)
{
  EXPECT_TRUE(String::IsValidUtf8("plain"));
  EXPECT_TRUE(String::IsValidUtf8("\xF0\x9F\x8E\xA8"));   // U+1F3A8
  EXPECT_FALSE(String::IsValidUtf8("\xC3"));              // cut short
  EXPECT_FALSE(String::IsValidUtf8("\xC0\xAF"));          // overlong
  EXPECT_FALSE(String::IsValidUtf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(String::IsValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
  EXPECT_FALSE(String::IsValidUtf8("a\x80"));
  // '/' in three and four bytes, the largest overlong form of each length,
  // a surrogate's neighbour, a lead past U+10FFFF's, a sequence cut short by
  // the end and one cut short by a new lead.
  for (const char* refused : {"\xC1\xBF", "\xE0\x80\xAF", "\xE0\x9F\xBF", "\xF0\x80\x80\xAF", "\xF0\x8F\xBF\xBF",
                              "\xED\xBF\xBF", "\xF5\x80\x80\x80", "\xE2\x88", "\xE2\x88\xC3\xA9"})
    EXPECT_FALSE(String::IsValidUtf8(refused)) << refused;
  // The smallest honest form of each length, the last code point, and the
  // code points either side of the surrogates.
  for (const char* honest : {"\xC2\x80\xE0\xA0\x80\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF", "\xED\x9F\xBF\xEE\x80\x80"})
    EXPECT_TRUE(String::IsValidUtf8(honest)) << honest;
}

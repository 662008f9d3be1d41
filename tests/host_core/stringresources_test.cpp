#include "core/stringresources.h"

#include <gtest/gtest.h>

#include "tempfolder.h"

namespace host {
namespace {

TEST(StringResources, ReadsTheModuleFormat) {
  auto res = StringResources::Parse(
      "\xEF\xBB\xBF# comment\r\n"
      "20001\tColor Chooser\r\n"
      "\n"
      "   \n"
      "20002\tTwo\\nlines and a \\\\ backslash\n"
      "20003\t\n"
      "20004\ttext\twith a tab\n",
      "en-US.str");
  EXPECT_TRUE(res.Problems().empty());
  EXPECT_EQ(res.Get(20001), "Color Chooser");
  EXPECT_EQ(res.Get(20002), "Two\nlines and a \\ backslash");
  EXPECT_EQ(res.Get(20003), "");
  EXPECT_EQ(res.Get(20004), "text\twith a tab");
  EXPECT_EQ(res.Get(20005), std::nullopt);
}

TEST(StringResources, MalformedLinesAreNamedAndTheRestKept) {
  auto res = StringResources::Parse(
      "20001\tFirst\n"
      "20002 no tab\n"
      "2x003\tBad ID\n"
      "20004\tBad \\q escape\n"
      "20001\tAgain\n"
      "20005\tLast\n",
      "res/strings/en-US.str");
  ASSERT_EQ(res.Problems().size(), 4u);
  EXPECT_EQ(res.Problems()[0].rfind("res/strings/en-US.str:2: ", 0), 0u) << res.Problems()[0];
  EXPECT_EQ(res.Problems()[1].rfind("res/strings/en-US.str:3: ", 0), 0u) << res.Problems()[1];
  EXPECT_EQ(res.Problems()[2].rfind("res/strings/en-US.str:4: ", 0), 0u) << res.Problems()[2];
  EXPECT_EQ(res.Problems()[3].rfind("res/strings/en-US.str:5: ", 0), 0u) << res.Problems()[3];
  EXPECT_EQ(res.Get(20001), "First");
  EXPECT_EQ(res.Get(20005), "Last");
  EXPECT_EQ(res.Count(), 2u);
}

TEST(StringResources, OpensFromAResFolder) {
  TempFolder dir;
  EXPECT_FALSE(StringResources::Open(dir / "res"));
  TempFolder::WriteText(dir / "res/strings/en-US.str", "20099\tColor\n");
  auto res = StringResources::Open(dir / "res");
  ASSERT_TRUE(res) << res.Error();
  EXPECT_EQ(res->Get(20099), "Color");
}

}  // namespace
}  // namespace host

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "colorscience/cssnames.h"

using colorscience::CssNamedColor;
using colorscience::CssNames;
using colorscience::SrgbColor;

namespace
{

SrgbColor Components(uint32_t rgb)
{
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

uint32_t ValueOf(const std::string& name)
{
  for (const CssNamedColor& c : CssNames::All())
  {
    if (name == c.name)
      return c.rgb;
  }
  ADD_FAILURE() << "no colour named " << name;
  return 0;
}

}  // namespace

// 148 names; the only shared colours are aqua/cyan, fuchsia/magenta and the
// seven gray/grey pairs.
TEST(CssNames, TheListHasEveryNameOnceAndOnlyTheKnownAliases)
{
  std::set<std::string> names;
  std::set<uint32_t> colours;
  for (const CssNamedColor& c : CssNames::All())
  {
    names.insert(c.name);
    colours.insert(c.rgb);
  }
  EXPECT_EQ(CssNames::All().size(), 148u);
  EXPECT_EQ(names.size(), 148u);
  EXPECT_EQ(colours.size(), 139u);
  EXPECT_EQ(ValueOf("rebeccapurple"), 0x663399u);
  EXPECT_EQ(ValueOf("cornflowerblue"), 0x6495EDu);
  EXPECT_EQ(ValueOf("lightgoldenrodyellow"), 0xFAFAD2u);
  EXPECT_EQ(ValueOf("darkgrey"), ValueOf("darkgray"));
  EXPECT_EQ(ValueOf("magenta"), ValueOf("fuchsia"));
}

TEST(CssNames, EveryNamedColourNamesItself)
{
  for (const CssNamedColor& c : CssNames::All())
  {
    const std::string named = CssNames::Nearest(Components(c.rgb));
    EXPECT_EQ(ValueOf(named), c.rgb) << c.name << " is called " << named;
  }
}

TEST(CssNames, AnAliasGivesWayToTheNameBeforeIt)
{
  EXPECT_EQ(CssNames::Nearest(Components(0x00FFFF)), "aqua");
  EXPECT_EQ(CssNames::Nearest(Components(0xFF00FF)), "fuchsia");
  EXPECT_EQ(CssNames::Nearest(Components(0x808080)), "gray");
}

TEST(CssNames, AColourBetweenNamesTakesTheNearestInLook)
{
  EXPECT_EQ(CssNames::Nearest(Components(0xFE0203)), "red");
  EXPECT_EQ(CssNames::Nearest(Components(0x010101)), "black");
  EXPECT_EQ(CssNames::Nearest(Components(0x6633A0)), "rebeccapurple");
  EXPECT_EQ(CssNames::Nearest({0.999, 0.999, 0.999}), "white");
}

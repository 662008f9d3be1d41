#include <gtest/gtest.h>

#include <cstddef>

#include "framework_fakehost.h"
#include "geuserarea.h"

namespace
{
struct Copied
{
  int calls = 0;
  double rgb[3] = {};
  double alpha = 0.0;
  bool hasAlpha = false;
};
Copied g_copied;
int g_token;

GxaUserArea* Create(const GxaUserAreaCallbacks*, void*)
{
  return reinterpret_cast<GxaUserArea*>(&g_token);
}

void Destroy(GxaUserArea*) {}

void ColorCopied(GxaUserArea*, const double rgb[3], double alpha, bool hasAlpha)
{
  ++g_copied.calls;
  for (int i = 0; i < 3; ++i)
    g_copied.rgb[i] = rgb[i];
  g_copied.alpha = alpha;
  g_copied.hasAlpha = hasAlpha;
}

class CopiedColorTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    g_copied = {};
    fns.size = sizeof fns;
    fns.create = &Create;
    fns.destroy = &Destroy;
    fns.color_copied = &ColorCopied;
    host.table.userareas = &fns;
  }

  FakeHost host;
  GxaUserAreaFns fns{};
};
}  // namespace

TEST_F(CopiedColorTest, TheHostHearsTheColourAsShownWithItsAlpha)
{
  GeUserArea area;
  area.AnnounceCopiedColor(Vector(0.2, 0.4, 0.8), 0.5, true);
  ASSERT_EQ(g_copied.calls, 1);
  EXPECT_EQ(g_copied.rgb[0], 0.2);
  EXPECT_EQ(g_copied.rgb[1], 0.4);
  EXPECT_EQ(g_copied.rgb[2], 0.8);
  EXPECT_EQ(g_copied.alpha, 0.5);
  EXPECT_TRUE(g_copied.hasAlpha);
}

// Hosts from before the entry have a shorter family: nothing is called.
TEST_F(CopiedColorTest, AnOlderHostWithoutTheEntryIsNeverCalled)
{
  fns.size = offsetof(GxaUserAreaFns, color_copied);
  GeUserArea area;
  area.AnnounceCopiedColor(Vector(0.2, 0.4, 0.8), 1.0, false);
  EXPECT_EQ(g_copied.calls, 0);
  host.table.userareas = nullptr;
  area.AnnounceCopiedColor(Vector(0.2, 0.4, 0.8), 1.0, false);
  EXPECT_EQ(g_copied.calls, 0);
}

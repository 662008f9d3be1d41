#include <gtest/gtest.h>

#include <map>

#include "basecontainer.h"
#include "framework_fakehost.h"
#include "icustomgui.h"

namespace
{
// Settings as a plain map behind the container family's int32 reader.
std::map<std::int32_t, std::int32_t> g_settings;
std::int32_t g_infoFlags = 0;
int g_layoutChanges = 0;

class Gadget : public iCustomGui
{
public:
  using iCustomGui::iCustomGui;
  bool LayoutModeChanged() override
  {
    ++g_layoutChanges;
    return true;
  }
};

class CustomGuiTest : public ::testing::Test
{
protected:
  void SetUp() override
  {
    g_settings.clear();
    g_layoutChanges = 0;
    containers.size = sizeof containers;
    containers.get_int32 = [](const GxaContainer*, std::int32_t id, std::int32_t def) {
      auto it = g_settings.find(id);
      return it == g_settings.end() ? def : it->second;
    };
    registry.size = sizeof registry;
    registry.plugin_info_flags = [](const GxaPluginRecord*) { return g_infoFlags; };
    host.table.containers = &containers;
    host.table.registry = &registry;
  }

  // Any non-null pointers do: the fakes never look behind them.
  BaseContainer Settings() { return BaseContainer::Alias(reinterpret_cast<GxaContainer*>(&g_settings)); }
  GxaPluginRecord* Record() { return reinterpret_cast<GxaPluginRecord*>(&g_infoFlags); }

  FakeHost host;
  GxaContainerFns containers{};
  GxaRegistryFns registry{};
};
}  // namespace

TEST_F(CustomGuiTest, LayoutModeKeepsOnlyOneOrTwo)
{
  for (auto [stored, kept] : {std::pair{1, 1}, {2, 2}, {0, 0}, {3, 0}, {-1, 0}})
  {
    g_settings[iCustomGui::kLayoutModeKey] = stored;
    Gadget gui(Settings(), Record());
    EXPECT_EQ(gui.GetLayoutMode(), kept) << stored;
  }
}

TEST_F(CustomGuiTest, DefaultHeightIsTenUnlessGiven)
{
  EXPECT_EQ(Gadget(Settings(), Record()).GetDefaultHeight(), 10);
  g_settings[iCustomGui::kDefaultHeightKey] = 4;
  EXPECT_EQ(Gadget(Settings(), Record()).GetDefaultHeight(), 4);
}

TEST_F(CustomGuiTest, LayoutModeChangesOnlyWhenSupportedAndDifferent)
{
  g_settings[iCustomGui::kLayoutModeKey] = 1;
  g_infoFlags = 1;
  Gadget locked(Settings(), Record());
  EXPECT_FALSE(locked.SupportLayoutSwitch());
  EXPECT_FALSE(locked.SetLayoutMode(2));
  EXPECT_EQ(locked.GetLayoutMode(), 1);

  g_infoFlags = 3;
  Gadget gui(Settings(), Record());
  EXPECT_TRUE(gui.SupportLayoutSwitch());
  EXPECT_FALSE(gui.SetLayoutMode(1));
  EXPECT_EQ(g_layoutChanges, 0);
  EXPECT_TRUE(gui.SetLayoutMode(2));
  EXPECT_EQ(gui.GetLayoutMode(), 2);
  EXPECT_EQ(g_layoutChanges, 1);
}

TEST_F(CustomGuiTest, OnlyCustomGuiDialogsAnswerFromUser)
{
  Gadget gui(Settings(), Record());
  GeDialog plain;
  EXPECT_EQ(iCustomGui::FromUser(static_cast<GeDialog*>(&gui)), &gui);
  EXPECT_EQ(iCustomGui::FromUser(static_cast<GeDialog*>(&plain)), nullptr);
  EXPECT_EQ(iCustomGui::FromUser(nullptr), nullptr);
}

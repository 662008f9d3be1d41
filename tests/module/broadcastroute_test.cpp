#include <gtest/gtest.h>

#include "utils/broadcastroute.h"

namespace
{
constexpr std::int64_t kSelf = 0x1000;
constexpr std::int64_t kOther = 0x2000;
constexpr std::int64_t kOwnSwatches = 0x3000;

BroadcastReceiver ExpandedReceiver()
{
  BroadcastReceiver receiver;
  receiver.chooser = kSelf;
  receiver.swatchesArea = kOwnSwatches;
  receiver.layoutMode = 2;
  receiver.wheel = true;
  receiver.swatches = true;
  return receiver;
}

TEST(BroadcastRoute, SenderIgnoresItsOwnPanelBroadcasts)
{
  const BroadcastReceiver receiver = ExpandedReceiver();
  EXPECT_EQ(RouteBroadcast(0x3EA0002, kSelf, receiver), BroadcastTarget::None);
  EXPECT_EQ(RouteBroadcast(0x3EA0002, kOther, receiver), BroadcastTarget::WheelOptions);
  EXPECT_EQ(RouteBroadcast(0x3EA001B, kOther, receiver), BroadcastTarget::WheelStrip);
}

TEST(BroadcastRoute, SwatchEventsCompareWithTheSwatchesArea)
{
  const BroadcastReceiver receiver = ExpandedReceiver();
  // The chooser itself is not the sender of swatch events: its area is.
  EXPECT_EQ(RouteBroadcast(0x3F10009, kSelf, receiver), BroadcastTarget::SwatchDocument);
  EXPECT_EQ(RouteBroadcast(0x3F10009, kOwnSwatches, receiver), BroadcastTarget::None);
  EXPECT_EQ(RouteBroadcast(0x3F10010, kOther, receiver), BroadcastTarget::SwatchRefresh);
  EXPECT_EQ(RouteBroadcast(0x3F10011, kOther, receiver), BroadcastTarget::SwatchDisplay);
}

TEST(BroadcastRoute, PreferencesReachEveryChooserWhateverTheLayout)
{
  BroadcastReceiver receiver = ExpandedReceiver();
  receiver.layoutMode = 0;
  receiver.compact = true;
  EXPECT_EQ(RouteBroadcast(0, kSelf, receiver), BroadcastTarget::Preferences);
  EXPECT_EQ(RouteBroadcast(0, kOther, receiver), BroadcastTarget::Preferences);
}

TEST(BroadcastRoute, PanelsHearOnlyWhileShown)
{
  BroadcastReceiver receiver = ExpandedReceiver();
  EXPECT_EQ(RouteBroadcast(0x3EB0004, kOther, receiver), BroadcastTarget::None);  // spectrum off
  receiver.spectrum = true;
  EXPECT_EQ(RouteBroadcast(0x3EB0004, kOther, receiver), BroadcastTarget::Spectrum);
  receiver.compact = true;
  EXPECT_EQ(RouteBroadcast(0x3EB0004, kOther, receiver), BroadcastTarget::None);
  // Compact keeps the swatches.
  EXPECT_EQ(RouteBroadcast(0x3F10010, kOther, receiver), BroadcastTarget::SwatchRefresh);
  receiver.layoutMode = 1;
  EXPECT_EQ(RouteBroadcast(0x3F10010, kOther, receiver), BroadcastTarget::None);
  receiver.layoutMode = 2;
  receiver.compact = false;
  receiver.picture = true;
  EXPECT_EQ(RouteBroadcast(0x3EC001B, kOther, receiver), BroadcastTarget::PictureStrip);
  EXPECT_EQ(RouteBroadcast(0x12345, kOther, receiver), BroadcastTarget::None);
}
}  // namespace

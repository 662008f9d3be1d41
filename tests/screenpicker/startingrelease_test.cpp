// The release of the click that started the picker is not a pick, whichever
// of the three buttons it comes from.
#include "screenpickertest.h"

namespace choosertest {
namespace {
class StartingReleaseTest : public ScreenPickerTest {};

TEST_F(StartingReleaseTest, TheFirstReleaseOfEachButtonIsNotAPick) {
  OneMonitor({10, 20, 30, 255});
  OpenPlain(0.2, 0.4, 0.6);
  for (const std::int32_t channel : {GXA_CHANNEL_LEFT, GXA_CHANNEL_RIGHT, GXA_CHANNEL_MIDDLE}) {
    Click("c", kPickerButton);
    ASSERT_TRUE(Picking()) << channel;
    Desktop().MoveTo({5, 5});
    Desktop().Release(channel);
    EXPECT_TRUE(Picking()) << channel;
    Desktop().Press(GXA_CHANNEL_LEFT);
    EXPECT_FALSE(Picking()) << channel;
    EXPECT_EQ(LastSent(), (host::Vector3{10 / 255.0f, 20 / 255.0f, 30 / 255.0f})) << channel;
  }
}
}  // namespace
}  // namespace choosertest

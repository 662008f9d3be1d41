#include "utils/broadcastroute.h"

#include "chooserids.h"

using namespace chooser;

namespace
{
BroadcastTarget SwatchTarget(std::int64_t code)
{
  switch (code)
  {
    case kBroadcastSwatchDocument: return BroadcastTarget::SwatchDocument;
    case kBroadcastSwatchRefresh: return BroadcastTarget::SwatchRefresh;
    case kBroadcastSwatchDisplay: return BroadcastTarget::SwatchDisplay;
    default: return BroadcastTarget::None;
  }
}

// Wheel, spectrum and picture hear only in the expanded, non-compact layout.
BroadcastTarget ModeTarget(std::int64_t code, const BroadcastReceiver& receiver)
{
  if (receiver.compact)
    return BroadcastTarget::None;
  switch (code)
  {
    case kBroadcastWheelOptions: return receiver.wheel ? BroadcastTarget::WheelOptions : BroadcastTarget::None;
    case kBroadcastWheelStrip: return receiver.wheel ? BroadcastTarget::WheelStrip : BroadcastTarget::None;
    case kBroadcastSpectrum: return receiver.spectrum ? BroadcastTarget::Spectrum : BroadcastTarget::None;
    case kBroadcastPictureStrip: return receiver.picture ? BroadcastTarget::PictureStrip : BroadcastTarget::None;
    default: return BroadcastTarget::None;
  }
}
}  // namespace

BroadcastTarget RouteBroadcast(std::int64_t code, std::int64_t sender, const BroadcastReceiver& receiver)
{
  if (code == kBroadcastPrefsChanged)
    return BroadcastTarget::Preferences;
  if (receiver.layoutMode != 2)
    return BroadcastTarget::None;
  const BroadcastTarget swatch = SwatchTarget(code);
  if (swatch != BroadcastTarget::None)
    return (receiver.swatches && sender != receiver.swatchesArea) ? swatch : BroadcastTarget::None;
  if (sender == receiver.chooser)
    return BroadcastTarget::None;
  return ModeTarget(code, receiver);
}

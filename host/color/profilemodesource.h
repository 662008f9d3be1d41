#pragma once
// The profile a chooser's colours are in, as its colour-profile mode names
// it, and the conversion that shows them on the display. The host's own
// drawing of chooser colours (its colour dialog) goes through here so that
// it matches what the chooser draws.
#include <cstdint>
#include <optional>

#include "color/colorprofile.h"
#include "color/displayconversion.h"

namespace host
{

class Container;

class ProfileModeSource
{
public:
  enum : int32_t
  {
    kDocument = 8,       // the active document's colour management decides
    kPaintTexture = 16,  // the current paint texture's profile
  };

  // documentSettings: the active document's, null without one.
  static const ColorProfile& Of(int32_t mode, const Container* documentSettings);
  // Nothing when no display profile is set (colours are shown as they are)
  // or LittleCMS cannot convert to it.
  static std::optional<DisplayConversion> ToDisplay(int32_t mode, const Container* documentSettings,
                                                    const ColorProfile* display);

private:
  static const ColorProfile& ForDocument(const Container* documentSettings);
};

}  // namespace host

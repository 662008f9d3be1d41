#pragma once
// The contract of every mode panel of the chooser. The chooser creates a
// panel on first need, asks it to lay out its gadgets into the chooser's own
// dialog, to show the current colour, and to handle commands whose gadget ID
// belongs to it (the ID shifted right by 16 names the owner).
#include <cstdint>

#include "basecontainer.h"
#include "result.h"

class ChooserView;

class ColorInterface
{
public:
  virtual ~ColorInterface() = default;

  // Read the chooser's colour, HSV, alpha and state and show them.
  virtual void Update(ChooserView& chooser) = 0;
  // Add the panel's gadgets to the chooser's dialog at the current layout
  // position and attach its user areas.
  virtual Result<void> CreateLayout(ChooserView& chooser) = 0;
  // Handle a command for one of the panel's gadget IDs; true when the
  // chooser's colour changed and must be sent to the host.
  virtual Result<bool> Command(std::int32_t id, const BaseContainer& msg, ChooserView& chooser) = 0;
};

#pragma once
// What the swatches area and the colour strip share as drop targets: colour
// drags (one colour, several, swatches) are taken, others refused; while the
// drag hovers the target shows where it would land; a finished drop is
// handled, reported on failure and answered with the copy cursor. Both also
// answer the pointer's tooltip the same way.
#include <cstdint>

#include "basecontainer.h"
#include "geuserarea.h"
#include "result.h"

class ColorDropArea : public GeUserArea
{
public:
  std::int32_t Message(const BaseContainer& msg, BaseContainer& result) override;

protected:
  // Tooltip at the pointer of a cursor-info message; empty for none.
  virtual String Tooltip(const BaseContainer& msg) const = 0;
  // Whether the target takes drops at all just now.
  virtual bool AcceptsDrops() const { return true; }
  // The drag left, escaped or is of a refused type: drop the hover feedback.
  virtual void ClearDropFeedback() = 0;
  // The drag hovers at (x, y): show where it would land.
  virtual void ShowDropFeedback(std::int32_t x, std::int32_t y) = 0;
  // The drag finished over the target; false when it took nothing.
  virtual Result<bool> Dropped(const BaseContainer& msg) = 0;
  // The function named by the error lines of a drag without a position and
  // of a failed drop.
  virtual const char* PositionErrorSource() const = 0;
  virtual const char* DropErrorSource() const = 0;

private:
  std::int32_t DragReceive(const BaseContainer& msg);
};

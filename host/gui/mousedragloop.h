#pragma once
// A user area's mouse-drag loop: started on a press, polled by the module for
// the movement since the last poll, ended by the release of the button
// (finished), or by Escape or a right-button press (cancelled). Each poll
// takes the next event from the screen's input queue and presents a frame,
// so redraws requested during the drag show while it runs.
#include "core/container.h"
#include "gui/guitypes.h"

namespace host {

class Screen;

class MouseDragLoop {
 public:
  enum class State { Running, Finished, Cancelled };

  MouseDragLoop(Screen& screen, int32_t channel, Point startGlobal);

  // GXA_MOUSEDRAG_CONTINUE with the movement, or the answer that ended it;
  // channels receives the qualifiers, button state and position.
  int32_t Poll(double& dx, double& dy, Container& channels);
  // GXA_MOUSEDRAG_FINISHED or GXA_MOUSEDRAG_ESCAPE. Ended while the button
  // is still down, its release is kept from reaching anything else.
  int32_t End();
  State GetState() const { return state_; }
  int32_t Channel() const { return channel_; }

 private:
  int32_t Answer() const;
  void Describe(Container& channels) const;

  Screen& screen_;
  int32_t channel_;
  Point last_;
  State state_ = State::Running;
};

}  // namespace host

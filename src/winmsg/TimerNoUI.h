#pragma once

// A timer for code that has no form of its own: ticks arrive on the
// user-interface thread, between its other messages, while the timer runs.
// It is stopped when created.

#include <cstdint>

#include "platform/automation/Event.h"
#include "winmsg/frmTimer.h"

namespace zv {

class TimerNoUI {
  public:
    TimerNoUI();

    // Starts, or restarts, ticking every intInterval milliseconds.
    void StartTimer(std::int16_t intInterval);
    void StopTimer();

    Event<> OnTimer;

  private:
    frmTimer m_form;
};

}  // namespace zv

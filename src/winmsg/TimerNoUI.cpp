#include "winmsg/TimerNoUI.h"

#include "platform/automation/Trapped.h"

namespace zv {

TimerNoUI::TimerNoUI() : m_form([this] { OnTimer.Raise(); }) {}

// A negative interval is refused with 380, as the form's own property does;
// no other failure gets out.
void TimerNoUI::StartTimer(std::int16_t intInterval) {
    TrappedButReported([&] {
        m_form.SetInterval(intInterval);
        m_form.SetEnabled(true);
    });
}

void TimerNoUI::StopTimer() {
    m_form.SetEnabled(false);
}

}  // namespace zv

#include "winmsg/TimerNoUI.h"

namespace zv {

TimerNoUI::TimerNoUI() : m_form([this] { OnTimer.Raise(); }) {}

void TimerNoUI::StartTimer(std::int16_t intInterval) {
    m_form.SetInterval(intInterval);
    m_form.SetEnabled(true);
}

void TimerNoUI::StopTimer() {
    m_form.SetEnabled(false);
}

}  // namespace zv

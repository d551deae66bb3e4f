#include "platform/forms/Timer.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/Form.h"
#include "platform/forms/PropertyBag.h"

namespace zv::forms {

using namespace zv::win;

Timer::Timer(Form& form, std::wstring name, std::int16_t index)
    : Control(form, std::move(name), index, 420, 420) {
    SetVisible(false);
}

Timer::~Timer() {
    if (m_ticking != 0 && IsWindow(m_ticking)) {
        KillTimer(m_ticking, Id());
    }
}

void Timer::SetInterval(std::int32_t interval) {
    if (interval < 0 || interval > 65535) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    m_interval = interval;
    Restart();
}

void Timer::Restart() {
    if (m_ticking != 0) {
        KillTimer(m_ticking, Id());
        m_ticking = 0;
    }
    const HWND form = Parent().hWnd();
    if (form != 0 && Enabled() && m_interval > 0) {
        SetTimer(form, Id(), static_cast<UINT>(m_interval), nullptr);
        m_ticking = form;
    }
}

bool Timer::Tick(UINT_PTR id) {
    if (id != Id() || m_ticking == 0) {
        return false;
    }
    OnTimer.Raise();
    return true;
}

void Timer::WriteProperties(PropertyBag& bag) const {
    Control::WriteProperties(bag);
    bag.WriteProperty(L"Interval", m_interval, 0);
}

void Timer::ReadProperties(const PropertyBag& bag) {
    Control::ReadProperties(bag);
    SetVisible(false);
    SetInterval(bag.ReadLong(L"Interval", 0));
}

}  // namespace zv::forms

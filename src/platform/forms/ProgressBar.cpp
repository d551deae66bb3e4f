#include "platform/forms/ProgressBar.h"

#include <algorithm>
#include <cmath>

#include "platform/automation/AutomationError.h"
#include "platform/automation/Rounding.h"
#include "platform/forms/PropertyBag.h"
#include "platform/win/CommonControlsApi.h"
#include "platform/win/CommonControlsConstants.h"
#include "platform/win/ProgressConstants.h"

namespace zv::forms {

using namespace zv::win;

namespace {

// The platform's bar counts in whole steps: Value is shown as its share of
// this many.
constexpr int kSteps = 10000;

// The platform makes its progress class ready once per process.
void PrepareProgressClass() {
    static const bool ready = [] {
        const INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
        return InitCommonControlsEx(&init) != FALSE;
    }();
    static_cast<void>(ready);
}

double Number(const PropertyBag& bag, const wchar_t* name, double defaultValue) {
    const auto value = bag.ReadProperty(name, defaultValue).AsNumber();
    if (!value || !std::isfinite(*value)) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    return *value;
}

}  // namespace

ProgressBar::ProgressBar(Form& form, std::wstring name, std::int16_t index)
    : Control(form, std::move(name), index, 2415, 375) {
    PrepareProgressClass();
}

std::optional<Control::WindowKind> ProgressBar::OwnWindowKind() const {
    return WindowKind{PROGRESS_CLASSA, 0};
}

void ProgressBar::SetAll(double min, double max, double value) {
    if (!std::isfinite(min) || !std::isfinite(max) || !std::isfinite(value) || min >= max ||
        value < min || value > max) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    m_min = min;
    m_max = max;
    m_value = value;
    ShowValue();
}

void ProgressBar::SetMin(double min) {
    SetAll(min, m_max, std::clamp(m_value, min, std::max(min, m_max)));
}

void ProgressBar::SetMax(double max) {
    SetAll(m_min, max, std::clamp(m_value, std::min(m_min, max), max));
}

void ProgressBar::SetValue(double value) {
    SetAll(m_min, m_max, value);
}

void ProgressBar::ShowValue() const {
    if (hWnd() == 0) {
        return;
    }
    SendMessageA(hWnd(), PBM_SETRANGE32, 0, kSteps);
    const int position = Round32((m_value - m_min) / (m_max - m_min) * kSteps);
    SendMessageA(hWnd(), PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void ProgressBar::WriteProperties(PropertyBag& bag) const {
    Control::WriteProperties(bag);
    bag.WriteProperty(L"Min", m_min, 0.0);
    bag.WriteProperty(L"Max", m_max, 100.0);
    bag.WriteProperty(L"Value", m_value, 0.0);
}

void ProgressBar::ReadProperties(const PropertyBag& bag) {
    Control::ReadProperties(bag);
    SetAll(Number(bag, L"Min", 0), Number(bag, L"Max", 100), Number(bag, L"Value", 0));
}

}  // namespace zv::forms

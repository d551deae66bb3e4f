#pragma once

// A timer: raises Timer every Interval milliseconds while it is enabled and
// its form is loaded. An interval of 0 stops it. It is never seen.

#include "platform/forms/Control.h"

namespace zv::forms {

class Timer : public Control {
  public:
    Timer(Form& form, std::wstring name, std::int16_t index);
    ~Timer() override;

    std::wstring TypeName() const override { return L"Timer"; }

    // In milliseconds, 0..65535 (else 380).
    std::int32_t Interval() const { return m_interval; }
    void SetInterval(std::int32_t interval);

    Event<> OnTimer;

    // The form hears its ticks: whether this one is the timer's.
    bool Tick(win::UINT_PTR id);

    bool HitTest(win::POINT) const override { return false; }
    void FormLoaded() override { Restart(); }
    void WriteProperties(PropertyBag& bag) const override;
    void ReadProperties(const PropertyBag& bag) override;

  protected:
    std::optional<WindowKind> OwnWindowKind() const override { return std::nullopt; }
    void EnabledChanged() override { Restart(); }

  private:
    win::UINT_PTR Id() const { return reinterpret_cast<win::UINT_PTR>(this); }
    void Restart();

    std::int32_t m_interval = 0;
    win::HWND m_ticking = 0;  // the window the platform's timer is set on
};

}  // namespace zv::forms

#pragma once

// A progress bar: how far Value has come from Min to Max, shown by the
// platform's progress bar. Value always lies within Min..Max.

#include "platform/forms/Control.h"

namespace zv::forms {

class ProgressBar : public Control {
  public:
    ProgressBar(Form& form, std::wstring name, std::int16_t index);

    std::wstring TypeName() const override { return L"ProgressBar"; }

    // Min stays below Max, and Value within them: a value that breaks
    // either rule raises 380. A new range takes Value along into it.
    double Min() const { return m_min; }
    void SetMin(double min);
    double Max() const { return m_max; }
    void SetMax(double max);
    double Value() const { return m_value; }
    void SetValue(double value);

    bool CanTakeFocus() const override { return false; }
    void WriteProperties(PropertyBag& bag) const override;
    void ReadProperties(const PropertyBag& bag) override;

  protected:
    std::optional<WindowKind> OwnWindowKind() const override;
    void WindowCreated() override { ShowValue(); }

  private:
    void SetAll(double min, double max, double value);
    void ShowValue() const;

    double m_min = 0;
    double m_max = 100;
    double m_value = 0;
};

}  // namespace zv::forms

#pragma once

// A label: windowless text drawn on its container, left, right or centred,
// wrapped or not, with an optional border and a transparent or opaque
// background. AutoSize fits it to its caption. Its access key focuses the
// control after it in the tab order.

#include "platform/forms/CaptionControl.h"

namespace zv::forms {

enum class Alignment : std::int16_t { Left = 0, Right = 1, Center = 2 };

class Label : public CaptionControl {
  public:
    Label(Form& form, std::wstring name, std::int16_t index);

    std::wstring TypeName() const override { return L"Label"; }

    Alignment TextAlignment() const { return m_alignment; }
    void SetAlignment(Alignment alignment);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wrap);
    // 0 none, 1 a single line.
    std::int16_t BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(std::int16_t style);
    // 0 transparent, 1 opaque.
    std::int16_t BackStyle() const { return m_backStyle; }
    void SetBackStyle(std::int16_t style);

    void OnAccessKey() override;
    void PaintOn(win::HDC dc) override;
    void WriteProperties(PropertyBag& bag) const override;
    void ReadProperties(const PropertyBag& bag) override;

  protected:
    std::optional<WindowKind> OwnWindowKind() const override { return std::nullopt; }
    void Resized() override;

  private:
    win::UINT TextFormat() const;
    void FitToCaption();

    Alignment m_alignment = Alignment::Left;
    bool m_autoSize = false;
    bool m_wordWrap = false;
    std::int16_t m_borderStyle = 0;
    std::int16_t m_backStyle = 1;
    bool m_fitting = false;
};

}  // namespace zv::forms

#include "platform/forms/Label.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/PropertyBag.h"
#include "platform/forms/Twips.h"
#include "platform/text/WideString.h"
#include "platform/win/GdiConstants.h"

namespace zv::forms {

using namespace zv::win;

namespace {

// The platform's inset of text inside a label's border.
constexpr int kBorderInset = 1;

void CheckRange(std::int16_t value, std::int16_t last) {
    if (value < 0 || value > last) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
}

}  // namespace

Label::Label(Form& form, std::wstring name, std::int16_t index)
    : CaptionControl(form, name, index, 1215, 255, name) {}

void Label::SetAlignment(Alignment alignment) {
    CheckRange(static_cast<std::int16_t>(alignment), 2);
    m_alignment = alignment;
    Redraw();
}

void Label::SetAutoSize(bool autoSize) {
    m_autoSize = autoSize;
    Resized();
}

void Label::SetWordWrap(bool wrap) {
    m_wordWrap = wrap;
    Resized();
    Redraw();
}

void Label::SetBorderStyle(std::int16_t style) {
    CheckRange(style, 1);
    m_borderStyle = style;
    Resized();
    Redraw();
}

void Label::SetBackStyle(std::int16_t style) {
    CheckRange(style, 1);
    m_backStyle = style;
    Redraw();
}

void Label::OnAccessKey() {
    FocusNextInTabOrder();
}

UINT Label::TextFormat() const {
    UINT format = m_wordWrap || !m_autoSize ? DT_WORDBREAK : 0;
    switch (m_alignment) {
        case Alignment::Right:
            return format | DT_RIGHT;
        case Alignment::Center:
            return format | DT_CENTER;
        default:
            return format | DT_LEFT;
    }
}

void Label::Resized() {
    if (m_autoSize && !m_fitting) {
        FitToCaption();
    }
}

// Grows or shrinks to the caption: to its longest line, or with WordWrap
// downwards within the width it has.
void Label::FitToCaption() {
    const HDC dc = GetDC(0);
    const HGDIOBJ old = SelectObject(dc, Font()->Handle());
    const std::string text = ToAnsi(Caption());
    const int inset = m_borderStyle != 0 ? 2 * (kBorderInset + 1) : 0;
    RECT bounds{0, 0, m_wordWrap ? PixelRect().right - PixelRect().left - inset : 0, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &bounds,
              DT_CALCRECT | (m_wordWrap ? DT_WORDBREAK : 0));
    SelectObject(dc, old);
    ReleaseDC(0, dc);
    m_fitting = true;
    Move(Left(), Top(), TwipsX(bounds.right + inset), TwipsY(bounds.bottom + inset));
    m_fitting = false;
}

void Label::PaintOn(HDC dc) {
    RECT area = PixelRect();
    const HBRUSH brush = Colours(dc);
    if (m_backStyle == 1) {
        FillRect(dc, &area, brush);
    }
    if (m_borderStyle != 0) {
        const HBRUSH frame = CreateSolidBrush(GetSysColor(COLOR_WINDOWFRAME));
        for (const RECT& side : {RECT{area.left, area.top, area.right, area.top + 1},
                                 RECT{area.left, area.bottom - 1, area.right, area.bottom},
                                 RECT{area.left, area.top, area.left + 1, area.bottom},
                                 RECT{area.right - 1, area.top, area.right, area.bottom}}) {
            FillRect(dc, &side, frame);
        }
        DeleteObject(frame);
        InflateRect(&area, -(kBorderInset + 1), -(kBorderInset + 1));
    }
    const HGDIOBJ old = SelectObject(dc, Font()->Handle());
    const int mode = SetBkMode(dc, TRANSPARENT);
    const std::string text = ToAnsi(Caption());
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, TextFormat());
    SetBkMode(dc, mode);
    SelectObject(dc, old);
}

void Label::WriteProperties(PropertyBag& bag) const {
    CaptionControl::WriteProperties(bag);
    bag.WriteProperty(L"Alignment", static_cast<std::int16_t>(m_alignment), std::int16_t{0});
    bag.WriteProperty(L"AutoSize", m_autoSize, false);
    bag.WriteProperty(L"WordWrap", m_wordWrap, false);
    bag.WriteProperty(L"BorderStyle", m_borderStyle, std::int16_t{0});
    bag.WriteProperty(L"BackStyle", m_backStyle, std::int16_t{1});
}

void Label::ReadProperties(const PropertyBag& bag) {
    CaptionControl::ReadProperties(bag);
    SetAlignment(static_cast<Alignment>(bag.ReadProperty(L"Alignment", std::int16_t{0}).ToInt16()));
    SetWordWrap(bag.ReadProperty(L"WordWrap", false).ToInt16() != 0);
    SetBorderStyle(bag.ReadProperty(L"BorderStyle", std::int16_t{0}).ToInt16());
    SetBackStyle(bag.ReadProperty(L"BackStyle", std::int16_t{1}).ToInt16());
    SetAutoSize(bag.ReadProperty(L"AutoSize", false).ToInt16() != 0);
}

}  // namespace zv::forms

#include "platform/forms/TextBox.h"

#include <algorithm>

#include "platform/automation/AutomationError.h"
#include "platform/forms/PropertyBag.h"
#include "platform/forms/WindowText.h"
#include "platform/text/WideString.h"
#include "platform/win/WinConstants.h"

namespace zv::forms {

using namespace zv::win;

namespace {

constexpr std::int32_t kNotAtRunTime = 382;

}  // namespace

TextBox::TextBox(Form& form, std::wstring name, std::int16_t index)
    : Control(form, name, index, 1215, 285), m_text(name) {
    SetDefaultColours(colour::kWindow, colour::kWindowText);
}

std::optional<Control::WindowKind> TextBox::OwnWindowKind() const {
    DWORD style = WS_TABSTOP;
    if (m_multiLine) {
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
        style |= (m_scrollBars & 1) != 0 ? WS_HSCROLL | ES_AUTOHSCROLL : 0;
        style |= (m_scrollBars & 2) != 0 ? WS_VSCROLL : 0;
    } else {
        style |= ES_AUTOHSCROLL;
    }
    style |= m_alignment == Alignment::Right    ? ES_RIGHT
             : m_alignment == Alignment::Center ? ES_CENTER
                                                : ES_LEFT;
    style |= m_locked ? ES_READONLY : 0;
    style |= m_passwordChar.empty() ? 0 : ES_PASSWORD;
    return WindowKind{"Edit", style, WS_EX_CLIENTEDGE};
}

std::string TextBox::WindowText() const {
    return ToAnsi(m_text);
}

void TextBox::WindowCreated() {
    SendMessageA(hWnd(), EM_LIMITTEXT, static_cast<WPARAM>(m_maxLength), 0);
    if (!m_passwordChar.empty()) {
        SendMessageA(hWnd(), EM_SETPASSWORDCHAR,
                     static_cast<WPARAM>(static_cast<unsigned char>(ToAnsi(m_passwordChar)[0])), 0);
    }
}

std::wstring TextBox::Text() const {
    return hWnd() != 0 ? WindowTextOf(hWnd()) : m_text;
}

void TextBox::SetText(std::wstring text) {
    if (m_maxLength > 0 && static_cast<std::int32_t>(text.size()) > m_maxLength) {
        text.resize(static_cast<std::size_t>(m_maxLength));
    }
    const bool changed = text != Text();
    m_text = std::move(text);
    if (hWnd() != 0) {
        m_settingText = true;
        SetWindowTextA(hWnd(), ToAnsi(m_text).c_str());
        m_settingText = false;
    }
    if (changed) {
        Change.Raise();
    }
}

void TextBox::FixedWhileLoaded() const {
    if (hWnd() != 0) {
        throw AutomationError(kNotAtRunTime, L"Can't set this property at run time");
    }
}

void TextBox::SetMultiLine(bool multiLine) {
    FixedWhileLoaded();
    m_multiLine = multiLine;
}

void TextBox::SetScrollBars(std::int16_t bars) {
    if (bars < 0 || bars > 3) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    FixedWhileLoaded();
    m_scrollBars = bars;
}

void TextBox::SetAlignment(Alignment alignment) {
    if (static_cast<std::int16_t>(alignment) < 0 || static_cast<std::int16_t>(alignment) > 2) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    FixedWhileLoaded();
    m_alignment = alignment;
}

void TextBox::SetLocked(bool locked) {
    m_locked = locked;
    if (hWnd() != 0) {
        SendMessageA(hWnd(), EM_SETREADONLY, locked ? TRUE : FALSE, 0);
    }
}

void TextBox::SetMaxLength(std::int32_t length) {
    if (length < 0) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    m_maxLength = length;
    if (hWnd() != 0) {
        SendMessageA(hWnd(), EM_LIMITTEXT, static_cast<WPARAM>(length), 0);
    }
}

void TextBox::SetPasswordChar(std::wstring character) {
    if (character.size() > 1) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    m_passwordChar = std::move(character);
    if (hWnd() != 0) {
        const WPARAM shown =
            m_passwordChar.empty() ? 0 : static_cast<unsigned char>(ToAnsi(m_passwordChar)[0]);
        SendMessageA(hWnd(), EM_SETPASSWORDCHAR, shown, 0);
        InvalidateRect(hWnd(), nullptr, TRUE);
    }
}

std::pair<std::int32_t, std::int32_t> TextBox::Selection() const {
    if (hWnd() == 0) {
        return {0, 0};
    }
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(hWnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {static_cast<std::int32_t>(start), static_cast<std::int32_t>(end)};
}

void TextBox::Select(std::int32_t start, std::int32_t end) {
    if (hWnd() != 0) {
        SendMessageA(hWnd(), EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    }
}

std::int32_t TextBox::SelStart() const {
    return Selection().first;
}

void TextBox::SetSelStart(std::int32_t start) {
    if (start < 0) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    const auto length = static_cast<std::int32_t>(Text().size());
    start = std::min(start, length);
    Select(start, start);
}

std::int32_t TextBox::SelLength() const {
    const auto [start, end] = Selection();
    return end - start;
}

void TextBox::SetSelLength(std::int32_t length) {
    if (length < 0) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    const std::int32_t start = SelStart();
    const auto size = static_cast<std::int32_t>(Text().size());
    Select(start, std::min(start + length, size));
}

std::wstring TextBox::SelText() const {
    const auto [start, end] = Selection();
    return Text().substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
}

void TextBox::SetSelText(const std::wstring& text) {
    if (hWnd() == 0) {
        SetText(m_text + text);
        return;
    }
    SendMessageA(hWnd(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(ToAnsi(text).c_str()));
}

bool TextBox::WantsKey(int vk) const {
    return m_multiLine && vk == VK_RETURN;
}

void TextBox::OnNotify(UINT code) {
    if (code == EN_CHANGE && !m_settingText) {
        m_text = Text();
        Change.Raise();
    }
}

void TextBox::WriteProperties(PropertyBag& bag) const {
    Control::WriteProperties(bag);
    bag.WriteProperty(L"Text", Text(), Name());
    bag.WriteProperty(L"MultiLine", m_multiLine, false);
    bag.WriteProperty(L"ScrollBars", m_scrollBars, std::int16_t{0});
    bag.WriteProperty(L"Alignment", static_cast<std::int16_t>(m_alignment), std::int16_t{0});
    bag.WriteProperty(L"Locked", m_locked, false);
    bag.WriteProperty(L"MaxLength", m_maxLength, 0);
    bag.WriteProperty(L"PasswordChar", m_passwordChar, L"");
}

void TextBox::ReadProperties(const PropertyBag& bag) {
    Control::ReadProperties(bag);
    if (hWnd() == 0) {
        m_multiLine = bag.ReadProperty(L"MultiLine", false).ToInt16() != 0;
        SetScrollBars(bag.ReadProperty(L"ScrollBars", std::int16_t{0}).ToInt16());
        SetAlignment(
            static_cast<Alignment>(bag.ReadProperty(L"Alignment", std::int16_t{0}).ToInt16()));
    }
    SetLocked(bag.ReadProperty(L"Locked", false).ToInt16() != 0);
    SetMaxLength(bag.ReadLong(L"MaxLength", 0));
    SetPasswordChar(bag.ReadProperty(L"PasswordChar", L"").ToText());
    SetText(bag.ReadProperty(L"Text", Name()).ToText());
}

}  // namespace zv::forms

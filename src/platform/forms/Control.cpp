#include "platform/forms/Control.h"

#include <algorithm>
#include <limits>

#include "platform/automation/Application.h"
#include "platform/automation/AutomationError.h"
#include "platform/forms/ControlContainer.h"
#include "platform/forms/Form.h"
#include "platform/forms/PaintTools.h"
#include "platform/forms/PropertyBag.h"
#include "platform/forms/Twips.h"
#include "platform/text/WideString.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinConstants.h"

namespace zv::forms {

using namespace zv::win;

namespace {

POINT PointOf(LPARAM lParam) {
    return POINT{static_cast<std::int16_t>(lParam & 0xFFFF),
                 static_cast<std::int16_t>((lParam >> 16) & 0xFFFF)};
}

bool IsMouseMessage(UINT message) {
    return message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK;
}

// A copy with the same face, size and style.
std::shared_ptr<zv::Font> CopyOf(const zv::Font& font) {
    return zv::Font::FromLogFont(font.LogFont());
}

}  // namespace

Control::Control(Form& form, std::wstring name, std::int16_t index, std::int32_t width,
                 std::int32_t height)
    : m_form(form),
      m_container(&form),
      m_name(std::move(name)),
      m_index(index),
      m_width(width),
      m_height(height) {
    SetFont(CopyOf(*form.Font()));
}

Control::~Control() {
    if (m_font != nullptr) {
        m_font->OnChanged.Disconnect(m_fontChanged);
    }
    DestroyOwnWindow();
    ReleaseBrush();
}

void Control::AttachTo(ControlContainer& container) {
    m_container = &container;
    container.AddContent(*this);
}

void Control::SetContainer(ControlContainer& container) {
    if (&container == m_container) {
        return;
    }
    m_container->RemoveContent(*this);
    m_container = &container;
    container.AddContent(*this);
    if (m_hwnd != 0) {
        SetParent(m_hwnd, container.ContainerWindow());
        PlaceWindow();
    } else {
        Redraw();
    }
}

void Control::Move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    // The right and bottom edges are worked out from these, so they too must
    // be 32-bit numbers.
    constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();
    if (width < 0 || height < 0 || std::int64_t{left} + width > kLargest ||
        std::int64_t{top} + height > kLargest) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    if (IsWindowless()) {
        Redraw();  // where it was
    }
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    if (m_hwnd != 0) {
        PlaceWindow();
    } else {
        Redraw();
    }
    Resized();
}

void Control::PlaceWindow() {
    const RECT rect = WindowPlacement();
    MoveWindow(m_hwnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void Control::SetVisible(bool visible) {
    if (visible == m_visible) {
        return;
    }
    m_visible = visible;
    if (m_hwnd != 0) {
        ShowWindow(m_hwnd, visible ? SW_SHOWNA : SW_HIDE);
    } else {
        Redraw();
    }
}

void Control::SetEnabled(bool enabled) {
    if (enabled == m_enabled) {
        return;
    }
    m_enabled = enabled;
    if (m_hwnd != 0) {
        EnableWindow(m_hwnd, enabled ? TRUE : FALSE);
    } else {
        Redraw();
    }
    EnabledChanged();
}

std::int16_t Control::TabIndex() const {
    const auto& order = m_form.TabOrder();
    const auto found = std::find(order.begin(), order.end(), this);
    return static_cast<std::int16_t>(found - order.begin());
}

void Control::SetTabIndex(std::int16_t index) {
    if (index < 0) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    m_form.TabIndexChanged(*this, index);
}

void Control::SetBackColor(std::uint32_t colour) {
    m_backColor = colour;
    ReleaseBrush();
    Redraw();
}

void Control::SetForeColor(std::uint32_t colour) {
    m_foreColor = colour;
    Redraw();
}

void Control::SetDefaultColours(std::uint32_t back, std::uint32_t fore) {
    m_defaultBackColor = back;
    m_defaultForeColor = fore;
    m_backColor = back;
    m_foreColor = fore;
}

void Control::SetFont(std::shared_ptr<zv::Font> font) {
    if (font == nullptr) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    if (m_font != nullptr) {
        m_font->OnChanged.Disconnect(m_fontChanged);
    }
    m_font = std::move(font);
    m_fontChanged = m_font->OnChanged.Connect([this] { ApplyFont(); });
    ApplyFont();
}

void Control::ApplyFont() {
    if (m_hwnd != 0) {
        SendMessageA(m_hwnd, WM_SETFONT, static_cast<WPARAM>(m_font->Handle()), TRUE);
    } else {
        Redraw();
    }
    Resized();
}

void Control::ZOrder(std::int16_t position) {
    m_container->Restack(*this, position);
    if (m_hwnd != 0) {
        SetWindowPos(m_hwnd, position == 0 ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    } else {
        Redraw();
    }
}

void Control::SetFocus() {
    if (!CanTakeFocus()) {
        throw AutomationError(err::kInvalidProcedureCall);
    }
    win::SetFocus(m_hwnd);
}

bool Control::CanTakeFocus() const {
    if (m_hwnd == 0 || !IsWindowVisible(m_hwnd)) {
        return false;
    }
    for (HWND hwnd = m_hwnd; hwnd != 0 && hwnd != m_form.hWnd(); hwnd = GetParent(hwnd)) {
        if (!IsWindowEnabled(hwnd)) {
            return false;
        }
    }
    return true;
}

void Control::OnAccessKey() {
    if (CanTakeFocus()) {
        SetFocus();
    }
}

bool Control::WantsKey(int) const {
    return false;
}

void Control::PaintOn(HDC) {}

void Control::OnNotify(UINT) {}

LRESULT Control::OnNotice(const NMHDR&) {
    return 0;
}

HBRUSH Control::Colours(HDC dc) {
    SetTextColor(dc, m_enabled ? ToColorRef(m_foreColor) : GetSysColor(COLOR_GRAYTEXT));
    SetBkColor(dc, ToColorRef(m_backColor));
    if (m_brush == 0) {
        m_brush = CreateSolidBrush(ToColorRef(m_backColor));
    }
    return m_brush;
}

void Control::ReleaseBrush() {
    if (m_brush != 0) {
        DeleteObject(m_brush);
        m_brush = 0;
    }
}

RECT Control::PixelRect() const {
    return RECT{PixelsX(m_left), PixelsY(m_top), PixelsX(m_left + m_width),
                PixelsY(m_top + m_height)};
}

bool Control::HitTest(POINT point) const {
    const RECT rect = PixelRect();
    return PtInRect(&rect, point) != FALSE;
}

void Control::CreateWindowIn(HWND parentWindow) {
    const auto kind = OwnWindowKind();
    if (!kind || m_hwnd != 0) {
        return;
    }
    DWORD style = WS_CHILD | kind->style;
    style |= m_visible ? WS_VISIBLE : 0;
    style |= m_enabled ? 0 : WS_DISABLED;
    const RECT rect = WindowPlacement();
    if (std::string_view(kind->className) == kContainerClass) {
        m_hwnd = CreateBoundWindow(kind->className, WindowText(), style, kind->exStyle, rect,
                                   parentWindow, *this);
    } else {
        m_hwnd = CreateWindowExA(kind->exStyle, kind->className, WindowText().c_str(), style,
                                 rect.left, rect.top, rect.right - rect.left,
                                 rect.bottom - rect.top, parentWindow, 0, 0, nullptr);
        if (m_hwnd != 0) {
            BindWindow(m_hwnd, *this);
        }
    }
    if (m_hwnd != 0) {
        SendMessageA(m_hwnd, WM_SETFONT, static_cast<WPARAM>(m_font->Handle()), FALSE);
        WindowCreated();
    }
}

void Control::DestroyOwnWindow() {
    if (m_hwnd != 0) {
        DestroyWindow(m_hwnd);
        m_hwnd = 0;
    }
}

void Control::Redraw() {
    if (m_hwnd != 0) {
        InvalidateRect(m_hwnd, nullptr, TRUE);
        return;
    }
    const HWND container = m_container->ContainerWindow();
    if (container != 0) {
        const RECT rect = DrawnArea();
        InvalidateRect(container, &rect, TRUE);
    }
}

bool Control::ClickedByMouse() const {
    return IsWindowless();
}

bool Control::TakeKey(UINT message, WPARAM& wParam) {
    if (message == WM_CHAR && std::exchange(m_swallowChar, false)) {
        return true;
    }
    if (m_form.TakeControlKey(*this, message, wParam)) {
        m_swallowChar = message == WM_KEYDOWN;
        return true;
    }
    if (RaiseKey(message, wParam)) {
        m_swallowChar = message == WM_KEYDOWN;
        return true;
    }
    return false;
}

LRESULT Control::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
        case WM_SYSCHAR:
            if (TakeKey(message, wParam)) {
                return 0;
            }
            break;
        case WM_SETFOCUS: {
            const LRESULT result = CallNext(hwnd, message, wParam, lParam);
            m_form.ControlGotFocus(*this);
            GotFocus.Raise();
            return result;
        }
        case WM_KILLFOCUS: {
            const LRESULT result = CallNext(hwnd, message, wParam, lParam);
            LostFocus.Raise();
            return result;
        }
        case WM_SETCURSOR:
            if (App().ShowMousePointer()) {
                return TRUE;
            }
            break;
        case WM_NCDESTROY: {
            const LRESULT result = CallNext(hwnd, message, wParam, lParam);
            m_hwnd = 0;
            return result;
        }
        default:
            if (IsMouseMessage(message)) {
                const LRESULT result = CallNext(hwnd, message, wParam, lParam);
                RaiseMouse(message, wParam, PointOf(lParam));
                return result;
            }
            break;
    }
    return CallNext(hwnd, message, wParam, lParam);
}

void Control::WriteProperties(PropertyBag& bag) const {
    if (m_index >= 0) {
        bag.WriteProperty(L"Index", m_index);
    }
    bag.WriteProperty(L"Left", m_left);
    bag.WriteProperty(L"Top", m_top);
    bag.WriteProperty(L"Width", m_width);
    bag.WriteProperty(L"Height", m_height);
    bag.WriteProperty(L"Visible", m_visible, true);
    bag.WriteProperty(L"Enabled", m_enabled, true);
    bag.WriteProperty(L"TabIndex", TabIndex());
    bag.WriteProperty(L"TabStop", m_tabStop, true);
    bag.WriteProperty(L"Tag", m_tag, L"");
    bag.WriteProperty(L"ToolTipText", m_toolTip, L"");
    bag.WriteProperty(L"BackColor", static_cast<std::int32_t>(m_backColor),
                      static_cast<std::int32_t>(m_defaultBackColor));
    bag.WriteProperty(L"ForeColor", static_cast<std::int32_t>(m_foreColor),
                      static_cast<std::int32_t>(m_defaultForeColor));
    bag.WriteFont(L"Font", *m_font, *m_form.Font());
}

void Control::ReadProperties(const PropertyBag& bag) {
    Move(bag.ReadLong(L"Left", m_left), bag.ReadLong(L"Top", m_top),
         bag.ReadLong(L"Width", m_width), bag.ReadLong(L"Height", m_height));
    SetVisible(bag.ReadProperty(L"Visible", true).ToInt16() != 0);
    SetEnabled(bag.ReadProperty(L"Enabled", true).ToInt16() != 0);
    SetTabStop(bag.ReadProperty(L"TabStop", true).ToInt16() != 0);
    SetTag(bag.ReadProperty(L"Tag", L"").ToText());
    SetToolTipText(bag.ReadProperty(L"ToolTipText", L"").ToText());
    SetBackColor(static_cast<std::uint32_t>(
        bag.ReadLong(L"BackColor", static_cast<std::int32_t>(m_defaultBackColor))));
    SetForeColor(static_cast<std::uint32_t>(
        bag.ReadLong(L"ForeColor", static_cast<std::int32_t>(m_defaultForeColor))));
    SetFont(bag.ReadFont(L"Font", *m_form.Font()));
}

}  // namespace zv::forms

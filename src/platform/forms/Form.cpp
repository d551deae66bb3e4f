#include "platform/forms/Form.h"

#include <algorithm>
#include <utility>

#include "platform/automation/AutomationError.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/ControlTypes.h"
#include "platform/forms/FormFile.h"
#include "platform/forms/OptionButton.h"
#include "platform/forms/PropertyBag.h"
#include "platform/forms/Timer.h"
#include "platform/forms/Twips.h"
#include "platform/text/WideString.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/MessagePump.h"
#include "platform/win/WinConstants.h"

namespace zv::forms {

using namespace zv::win;

namespace {

// Whether the control sits in the container, at any depth.
bool IsInside(const Control& control, const ControlContainer& container) {
    for (const ControlContainer* at = &control.Container(); at != nullptr;) {
        if (at == &container) {
            return true;
        }
        const auto* holder = dynamic_cast<const Control*>(at);
        at = holder != nullptr ? &holder->Container() : nullptr;
    }
    return false;
}

constexpr std::int32_t kFormAlreadyShown = 400;
constexpr std::int32_t kNotAnArray = 340;
constexpr std::int32_t kIndexInUse = 360;

// The character after a single '&' of a caption, folded; 0 for none.
wchar_t AccessKeyOf(const std::wstring& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == L'&') {
            if (caption[i + 1] != L'&') {
                return FoldCase(caption[i + 1]);
            }
            ++i;  // "&&" is an ampersand
        }
    }
    return 0;
}

// The windows of the thread that a modal form disables: its other enabled
// top-level windows.
std::vector<HWND> WindowsToDisable(HWND form) {
    std::vector<HWND> windows;
    for (HWND top = GetWindow(GetDesktopWindow(), GW_CHILD); top != 0;
         top = GetWindow(top, GW_HWNDNEXT)) {
        if (top != form && IsWindowEnabled(top) && IsWindowVisible(top) &&
            GetWindowThreadProcessId(top, nullptr) == GetCurrentThreadId()) {
            windows.push_back(top);
        }
    }
    return windows;
}

}  // namespace

Form::Form(std::wstring name) : m_name(std::move(name)), m_font(std::make_shared<zv::Font>()) {
    m_fontChanged = m_font->OnChanged.Connect([this] {
        if (m_hwnd != 0) {
            InvalidateRect(m_hwnd, nullptr, TRUE);
        }
    });
}

Form::~Form() {
    m_font->OnChanged.Disconnect(m_fontChanged);
    if (m_hwnd != 0) {
        const HWND hwnd = m_hwnd;
        UnbindWindow(hwnd);
        m_hwnd = 0;
        ClearControls();
        DestroyWindow(hwnd);
    }
    ClearControls();
    if (m_brush != 0) {
        DeleteObject(m_brush);
    }
}

void Form::ClearControls() {
    m_tabOrder.clear();
    m_lastFocus = nullptr;
    // Inner controls first, so that no container goes before its contents.
    while (!m_controls.empty()) {
        const std::shared_ptr<Control> last = m_controls.back();
        m_controls.pop_back();
        last->Container().RemoveContent(*last);
    }
}

DWORD Form::WindowStyle() const {
    DWORD style = WS_CLIPCHILDREN;
    const bool tool =
        m_border == BorderStyle::FixedToolWindow || m_border == BorderStyle::SizableToolWindow;
    const bool dialog = m_border == BorderStyle::FixedDialog;
    switch (m_border) {
        case BorderStyle::None:
            return style | WS_POPUP;
        case BorderStyle::Sizable:
        case BorderStyle::SizableToolWindow:
            style |= WS_THICKFRAME;
            break;
        default:
            break;
    }
    style |= WS_CAPTION;
    style |= m_controlBox ? WS_SYSMENU : 0;
    style |= m_controlBox && m_minButton && !tool && !dialog ? WS_MINIMIZEBOX : 0;
    style |= m_controlBox && m_maxButton && !tool && !dialog ? WS_MAXIMIZEBOX : 0;
    return style;
}

DWORD Form::WindowExStyle() const {
    switch (m_border) {
        case BorderStyle::FixedDialog:
            return WS_EX_DLGMODALFRAME;
        case BorderStyle::FixedToolWindow:
        case BorderStyle::SizableToolWindow:
            return WS_EX_TOOLWINDOW;
        default:
            return 0;
    }
}

void Form::Load() {
    if (m_hwnd != 0) {
        return;
    }
    const RECT rect{PixelsX(m_left), PixelsY(m_top), PixelsX(m_left + m_width),
                    PixelsY(m_top + m_height)};
    m_hwnd = CreateBoundWindow(kFormClass, ToAnsi(m_caption), WindowStyle(), WindowExStyle(), rect,
                               0, *this);
    if (m_hwnd == 0) {
        return;
    }
    if (m_clientWidth >= 0) {
        ApplyClientSize();
    }
    CreateControlWindows(*this);
    OnLoad.Raise();
}

void Form::CreateControlWindows(ControlContainer& container) {
    const std::vector<Control*> contents = container.Contents();
    for (Control* control : contents) {
        control->CreateWindowIn(container.ContainerWindow());
        control->FormLoaded();
        if (auto* inner = dynamic_cast<ControlContainer*>(control)) {
            CreateControlWindows(*inner);
        }
    }
}

void Form::Show(FormShow style, Form* owner) {
    Show(style, owner != nullptr ? owner->hWnd() : 0);
}

void Form::Show(FormShow style, HWND owner) {
    if (style == FormShow::Modal && Visible()) {
        throw AutomationError(kFormAlreadyShown, L"Form already displayed; can't show modally");
    }
    const bool firstShow = m_hwnd == 0;
    Load();
    if (m_hwnd == 0) {
        return;
    }
    if (owner != 0) {
        SetWindowLongA(m_hwnd, GWL_HWNDPARENT, static_cast<LONG>(owner));
    }
    if (firstShow) {
        PlaceForStart(owner);
    }
    ShowWindow(m_hwnd, SW_SHOW);
    SetForegroundWindow(m_hwnd);
    if (style == FormShow::Modal) {
        RunModal();
    }
}

void Form::PlaceForStart(HWND owner) {
    if (m_startPosition == StartUpPosition::Manual) {
        return;
    }
    RECT area;
    if (m_startPosition == StartUpPosition::CenterOwner && IsWindow(owner)) {
        GetWindowRect(owner, &area);
    } else {
        MONITORINFO monitor;
        GetMonitorInfoA(MonitorFromWindow(m_hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
        area = monitor.rcWork;
    }
    RECT outer;
    GetWindowRect(m_hwnd, &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    SetWindowPos(m_hwnd, 0, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::RunModal() {
    const HWND hwnd = m_hwnd;
    m_disabledByModal = WindowsToDisable(hwnd);
    for (HWND window : m_disabledByModal) {
        EnableWindow(window, FALSE);
    }
    m_modal = true;
    MSG msg;
    while (IsWindow(hwnd) && IsWindowVisible(hwnd)) {
        const BOOL got = GetMessageA(&msg, 0, 0, 0);
        if (got == -1) {
            ReportUnansweredWindow(hwnd);
            Hide();
            break;
        }
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    m_modal = false;
    EnableDisabledWindows();
}

// Before the modal form hides or goes: the platform hands the activation on
// as the form leaves, and a disabled owner could not take it.
void Form::EnableDisabledWindows() {
    for (HWND window : std::exchange(m_disabledByModal, {})) {
        if (IsWindow(window)) {
            EnableWindow(window, TRUE);
        }
    }
}

void Form::Hide() {
    if (m_hwnd != 0) {
        EnableDisabledWindows();
        ShowWindow(m_hwnd, SW_HIDE);
    }
}

bool Form::Visible() const {
    return m_hwnd != 0 && IsWindowVisible(m_hwnd);
}

bool Form::AskToUnload(std::int16_t mode) {
    if (m_unloading) {
        return false;
    }
    std::int16_t cancel = 0;
    QueryUnload.Raise(cancel, mode);
    if (cancel == 0) {
        OnUnload.Raise(cancel);
    }
    return cancel == 0;
}

bool Form::Unload() {
    if (m_hwnd == 0) {
        return true;
    }
    if (!AskToUnload(unload_mode::kFormCode)) {
        return false;
    }
    m_unloading = true;
    EnableDisabledWindows();
    DestroyWindow(m_hwnd);
    m_unloading = false;
    return true;
}

void Form::Destroyed() {
    m_hwnd = 0;
    m_lastFocus = nullptr;
}

void Form::SetCaption(std::wstring caption) {
    m_caption = std::move(caption);
    if (m_hwnd != 0) {
        SetWindowTextA(m_hwnd, ToAnsi(m_caption).c_str());
    }
}

void Form::SetBorderStyle(BorderStyle style) {
    if (static_cast<std::int16_t>(style) < 0 || static_cast<std::int16_t>(style) > 5) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    m_border = style;
    if (style == BorderStyle::FixedDialog || style == BorderStyle::FixedToolWindow ||
        style == BorderStyle::SizableToolWindow) {
        m_minButton = false;
        m_maxButton = false;
    }
}

void Form::SetControlBox(bool box) {
    m_controlBox = box;
}

void Form::SetMinButton(bool button) {
    m_minButton = button;
}

void Form::SetMaxButton(bool button) {
    m_maxButton = button;
}

void Form::SetEnabled(bool enabled) {
    m_enabled = enabled;
    if (m_hwnd != 0) {
        EnableWindow(m_hwnd, enabled ? TRUE : FALSE);
    }
}

void Form::Move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    if (width < 0 || height < 0) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    if (m_hwnd != 0) {
        MoveWindow(m_hwnd, PixelsX(left), PixelsY(top), PixelsX(width), PixelsY(height), TRUE);
    }
}

std::int32_t Form::ScaleWidth() const {
    if (m_hwnd == 0) {
        return m_clientWidth >= 0 ? m_clientWidth : m_width;
    }
    RECT client;
    GetClientRect(m_hwnd, &client);
    return TwipsX(client.right);
}

std::int32_t Form::ScaleHeight() const {
    if (m_hwnd == 0) {
        return m_clientHeight >= 0 ? m_clientHeight : m_height;
    }
    RECT client;
    GetClientRect(m_hwnd, &client);
    return TwipsY(client.bottom);
}

void Form::SetClientSize(std::int32_t width, std::int32_t height) {
    if (width < 0 || height < 0) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    m_clientWidth = width;
    m_clientHeight = height;
    if (m_hwnd != 0) {
        ApplyClientSize();
    }
}

void Form::ApplyClientSize() {
    RECT outer;
    RECT client;
    GetWindowRect(m_hwnd, &outer);
    GetClientRect(m_hwnd, &client);
    const int frameX = (outer.right - outer.left) - client.right;
    const int frameY = (outer.bottom - outer.top) - client.bottom;
    SetWindowPos(m_hwnd, 0, 0, 0, PixelsX(m_clientWidth) + frameX, PixelsY(m_clientHeight) + frameY,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_clientWidth = -1;
    m_clientHeight = -1;
}

void Form::SyncRectFromWindow() {
    RECT outer;
    GetWindowRect(m_hwnd, &outer);
    m_left = TwipsX(outer.left);
    m_top = TwipsY(outer.top);
    m_width = TwipsX(outer.right - outer.left);
    m_height = TwipsY(outer.bottom - outer.top);
}

void Form::SetBackColor(std::uint32_t colour) {
    m_backColor = colour;
    if (m_hwnd != 0) {
        InvalidateRect(m_hwnd, nullptr, TRUE);
    }
}

void Form::SetForeColor(std::uint32_t colour) {
    m_foreColor = colour;
}

void Form::SetFont(std::shared_ptr<zv::Font> font) {
    if (font == nullptr) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    m_font->OnChanged.Disconnect(m_fontChanged);
    m_font = std::move(font);
    m_fontChanged = m_font->OnChanged.Connect([this] {
        if (m_hwnd != 0) {
            InvalidateRect(m_hwnd, nullptr, TRUE);
        }
    });
}

namespace {

// The extent of each line of a text in a font, in pixels.
SIZE TextExtent(zv::Font& font, const std::wstring& text) {
    const HDC dc = GetDC(0);
    const HGDIOBJ old = SelectObject(dc, font.Handle());
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SIZE total{0, 0};
    for (const std::wstring& line : Split(text, L"\n")) {
        std::string bytes = ToAnsi(line);
        if (!bytes.empty() && bytes.back() == '\r') {
            bytes.pop_back();
        }
        SIZE size{0, 0};
        GetTextExtentPoint32A(dc, bytes.c_str(), static_cast<int>(bytes.size()), &size);
        total.cx = std::max(total.cx, size.cx);
        total.cy += metrics.tmHeight;
    }
    SelectObject(dc, old);
    ReleaseDC(0, dc);
    return total;
}

}  // namespace

std::int32_t Form::TextWidth(const std::wstring& text) const {
    return TwipsX(TextExtent(*m_font, text).cx);
}

std::int32_t Form::TextHeight(const std::wstring& text) const {
    return TwipsY(TextExtent(*m_font, text).cy);
}

// A new control comes after everything already in its container (or after
// the container itself), so that Tab goes through a container's controls
// together.
std::vector<Control*>::iterator Form::TabPlaceIn(ControlContainer& container) {
    auto* holder = dynamic_cast<Control*>(&container);
    if (holder == nullptr) {
        return m_tabOrder.end();
    }
    auto place = std::find(m_tabOrder.begin(), m_tabOrder.end(), holder);
    for (auto it = place; it != m_tabOrder.end(); ++it) {
        if (IsInside(**it, container)) {
            place = it;
        }
    }
    return place == m_tabOrder.end() ? place : place + 1;
}

void Form::Adopt(const std::shared_ptr<Control>& control, ControlContainer* container) {
    if (control->Index() >= 0 && Find(control->Name(), control->Index()) != nullptr) {
        throw AutomationError(kIndexInUse, L"Object already loaded");
    }
    m_controls.push_back(control);
    ControlContainer& into = container != nullptr ? *container : *this;
    m_tabOrder.insert(TabPlaceIn(into), control.get());
    control->AttachTo(into);
    control->Adopted();
    if (into.ContainerWindow() != 0) {
        control->CreateWindowIn(into.ContainerWindow());
        control->FormLoaded();
    }
}

std::shared_ptr<Control> Form::Add(const std::wstring& typeName, const std::wstring& name,
                                   ControlContainer* container, std::int16_t index) {
    std::shared_ptr<Control> control = CreateControl(typeName, *this, name, index);
    if (control != nullptr) {
        Adopt(control, container);
        control->InitNew();
    }
    return control;
}

std::shared_ptr<Control> Form::LoadArrayMember(const std::wstring& name, std::int16_t index) {
    Control* first = nullptr;
    for (const auto& control : m_controls) {
        if (EqualsNoCase(control->Name(), name) && control->Index() >= 0 &&
            (first == nullptr || control->Index() < first->Index())) {
            first = control.get();
        }
    }
    if (first == nullptr) {
        throw AutomationError(kNotAnArray, L"Control array element does not exist");
    }
    PropertyBag bag(first->TypeName(), first->Name());
    first->WriteProperties(bag);
    std::shared_ptr<Control> member = CreateControl(first->TypeName(), *this, first->Name(), index);
    Adopt(member, &first->Container());
    member->ReadProperties(bag);
    member->SetVisible(false);
    return member;
}

void Form::Remove(Control& control) {
    if (auto* inner = dynamic_cast<ControlContainer*>(&control)) {
        const std::vector<Control*> contents = inner->Contents();
        for (Control* content : contents) {
            Remove(*content);
        }
    }
    const auto found = std::find_if(m_controls.begin(), m_controls.end(),
                                    [&](const auto& held) { return held.get() == &control; });
    if (found == m_controls.end()) {
        return;
    }
    const std::shared_ptr<Control> keep = *found;  // until it is off every list
    m_controls.erase(found);
    std::erase(m_tabOrder, &control);
    if (m_lastFocus == &control) {
        m_lastFocus = nullptr;
    }
    control.Container().RemoveContent(control);
    control.DestroyOwnWindow();
}

Control* Form::Find(const std::wstring& name, std::int16_t index) const {
    for (const auto& control : m_controls) {
        if (EqualsNoCase(control->Name(), name) && control->Index() == index) {
            return control.get();
        }
    }
    return nullptr;
}

void Form::RaiseNoSuchControl(const std::wstring& name) {
    throw AutomationError(err::kObjectRequired, L"Object required: no control '" + name + L"'");
}

void Form::TabIndexChanged(Control& control, std::int16_t index) {
    std::erase(m_tabOrder, &control);
    const auto at = std::min<std::size_t>(static_cast<std::size_t>(index), m_tabOrder.size());
    m_tabOrder.insert(m_tabOrder.begin() + static_cast<std::ptrdiff_t>(at), &control);
}

Control* Form::ActiveControl() const {
    const HWND focus = GetFocus();
    if (focus == 0) {
        return nullptr;
    }
    // The control whose window has the focus, or holds it (the edit box
    // of a combo box).
    for (HWND hwnd = focus; hwnd != 0 && hwnd != m_hwnd; hwnd = GetParent(hwnd)) {
        for (const auto& control : m_controls) {
            if (control->hWnd() == hwnd) {
                return control.get();
            }
        }
    }
    return nullptr;
}

void Form::MoveFocus(bool forward) {
    const auto count = static_cast<std::ptrdiff_t>(m_tabOrder.size());
    if (count == 0) {
        return;
    }
    const Control* active = ActiveControl();
    auto start = std::find(m_tabOrder.begin(), m_tabOrder.end(), active) - m_tabOrder.begin();
    if (start == count) {
        start = forward ? count - 1 : 0;
    }
    for (std::ptrdiff_t step = 1; step <= count; ++step) {
        const std::ptrdiff_t at = ((forward ? start + step : start - step) % count + count) % count;
        Control* candidate = m_tabOrder[static_cast<std::size_t>(at)];
        if (candidate->TabStop() && candidate->CanTakeFocus() && !candidate->SkippedByTab()) {
            candidate->SetFocus();
            return;
        }
    }
}

CommandButton* Form::DefaultButton() const {
    for (const auto& control : m_controls) {
        if (auto* button = dynamic_cast<CommandButton*>(control.get());
            button && button->Default()) {
            return button;
        }
    }
    return nullptr;
}

CommandButton* Form::CancelButton() const {
    for (const auto& control : m_controls) {
        if (auto* button = dynamic_cast<CommandButton*>(control.get());
            button && button->Cancel()) {
            return button;
        }
    }
    return nullptr;
}

void Form::DefaultChanged(CommandButton& button) {
    for (const auto& control : m_controls) {
        if (auto* other = dynamic_cast<CommandButton*>(control.get()); other && other != &button) {
            other->SetDefault(false);
        }
    }
}

void Form::CancelChanged(CommandButton& button) {
    for (const auto& control : m_controls) {
        if (auto* other = dynamic_cast<CommandButton*>(control.get()); other && other != &button) {
            other->SetCancel(false);
        }
    }
}

bool Form::TakeAccessKey(wchar_t key) {
    for (Control* control : m_tabOrder) {
        if (key != 0 && AccessKeyOf(control->AccessKeyCaption()) == key && control->Visible() &&
            control->Enabled()) {
            control->OnAccessKey();
            return true;
        }
    }
    return false;
}

bool Form::TakeControlKey(Control& control, UINT message, WPARAM& wParam) {
    if (message == WM_SYSCHAR) {
        return TakeAccessKey(FoldCase(static_cast<wchar_t>(wParam)));
    }
    const auto vk = static_cast<int>(wParam);
    if (auto* option = dynamic_cast<OptionButton*>(&control);
        option != nullptr && message == WM_KEYDOWN &&
        (vk == VK_LEFT || vk == VK_UP || vk == VK_RIGHT || vk == VK_DOWN)) {
        option->ChooseNeighbour(vk == VK_RIGHT || vk == VK_DOWN);
        return true;
    }
    if (message == WM_KEYDOWN && !control.WantsKey(vk)) {
        CommandButton* button = nullptr;
        if (vk == VK_TAB) {
            MoveFocus(GetKeyState(VK_SHIFT) >= 0);
            return true;
        }
        if (vk == VK_RETURN) {
            button = dynamic_cast<CommandButton*>(&control);
            button = button != nullptr ? button : DefaultButton();
        } else if (vk == VK_ESCAPE) {
            button = CancelButton();
        }
        if (button != nullptr && button->Visible() && button->Enabled()) {
            button->Press();
            return true;
        }
    }
    return m_keyPreview && RaiseKey(message, wParam);
}

HWND Form::BoxAfterLabel(const std::wstring& caption) const {
    const std::wstring wanted = FoldCase(RemoveAll(caption, L'&'));
    const auto label = std::find_if(m_tabOrder.begin(), m_tabOrder.end(), [&](const Control* c) {
        const std::wstring own = c->AccessKeyCaption();
        return !own.empty() && FoldCase(RemoveAll(own, L'&')) == wanted;
    });
    for (auto it = label; it != m_tabOrder.end(); ++it) {
        if (it != label && (*it)->CanTakeFocus()) {
            return (*it)->hWnd();
        }
    }
    return 0;
}

Form* Form::FromWindow(HWND hwnd) {
    return dynamic_cast<Form*>(TargetOf(hwnd));
}

void Form::PaintOwn(HDC dc) {
    m_paintDc = dc;
    Paint.Raise();
    m_paintDc = 0;
}

void Form::OwnMouse(UINT message, WPARAM wParam, POINT pixels) {
    RaiseMouse(message, wParam, pixels, true);
}

LRESULT Form::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; TakeContainerMessage(hwnd, message, wParam, lParam, result)) {
        return result;
    }
    switch (message) {
        case WM_CLOSE:
            if (AskToUnload(unload_mode::kFormControlMenu)) {
                m_unloading = true;
                EnableDisabledWindows();
                DestroyWindow(hwnd);
                m_unloading = false;
            }
            return 0;
        case WM_ACTIVATE:
            if ((wParam & 0xFFFF) == WA_INACTIVE) {
                Deactivate.Raise();
                return 0;
            }
            Activate.Raise();
            if (m_lastFocus != nullptr && m_lastFocus->CanTakeFocus()) {
                m_lastFocus->SetFocus();
            } else {
                win::SetFocus(hwnd);
            }
            return 0;
        case WM_SETFOCUS:
            // The form passes the focus on to its first control that takes it.
            MoveFocus(true);
            return 0;
        case WM_MOVE:
            SyncRectFromWindow();
            return 0;
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
            // The form itself has the focus: no control takes it.
            if (RaiseKey(message, wParam)) {
                return 0;
            }
            break;
        case WM_TIMER:
            for (const auto& control : m_controls) {
                auto* timer = dynamic_cast<Timer*>(control.get());
                if (timer != nullptr && timer->Tick(static_cast<UINT_PTR>(wParam))) {
                    return 0;
                }
            }
            break;
        case WM_SIZE:
            SyncRectFromWindow();
            Resize.Raise();
            return 0;
        case WM_NCDESTROY: {
            const LRESULT result = CallNext(hwnd, message, wParam, lParam);
            Destroyed();
            return result;
        }
        default:
            break;
    }
    return CallNext(hwnd, message, wParam, lParam);
}

namespace {

void WriteContents(const ControlContainer& container, PropertyBag& bag) {
    for (const Control* control : container.Contents()) {
        PropertyBag& child = bag.AddChild(control->TypeName(), control->Name());
        control->WriteProperties(child);
        if (const auto* inner = dynamic_cast<const ControlContainer*>(control);
            inner != nullptr && inner->SavesContents()) {
            WriteContents(*inner, child);
        }
    }
}

}  // namespace

void Form::WriteTo(PropertyBag& bag) const {
    bag.WriteProperty(L"Caption", m_caption, L"");
    bag.WriteProperty(L"BorderStyle", static_cast<std::int16_t>(m_border), std::int16_t{2});
    bag.WriteProperty(L"ControlBox", m_controlBox, true);
    bag.WriteProperty(L"MinButton", m_minButton, true);
    bag.WriteProperty(L"MaxButton", m_maxButton, true);
    bag.WriteProperty(L"StartUpPosition", static_cast<std::int16_t>(m_startPosition),
                      std::int16_t{0});
    bag.WriteProperty(L"KeyPreview", m_keyPreview, false);
    bag.WriteProperty(L"Left", m_left);
    bag.WriteProperty(L"Top", m_top);
    bag.WriteProperty(L"ClientWidth", ScaleWidth());
    bag.WriteProperty(L"ClientHeight", ScaleHeight());
    bag.WriteProperty(L"BackColor", static_cast<std::int32_t>(m_backColor),
                      static_cast<std::int32_t>(colour::kButtonFace));
    bag.WriteProperty(L"ForeColor", static_cast<std::int32_t>(m_foreColor),
                      static_cast<std::int32_t>(colour::kButtonText));
    const zv::Font standard;
    bag.WriteFont(L"Font", *m_font, standard);
    WriteContents(*this, bag);
}

void Form::ReadContents(ControlContainer& container, const PropertyBag& bag,
                        std::vector<std::pair<Control*, std::int32_t>>& tabIndexes) {
    for (const auto& child : bag.Children()) {
        const auto index = child->ReadProperty(L"Index", std::int16_t{-1}).ToInt16();
        const std::shared_ptr<Control> control =
            CreateControl(child->TypeName(), *this, child->Name(), index);
        if (control == nullptr) {
            continue;  // a type this program does not know
        }
        Adopt(control, &container);
        control->ReadProperties(*child);
        tabIndexes.emplace_back(control.get(), child->ReadLong(L"TabIndex", 0));
        if (auto* inner = dynamic_cast<ControlContainer*>(control.get());
            inner != nullptr && inner->SavesContents()) {
            ReadContents(*inner, *child, tabIndexes);
        }
    }
}

void Form::ReadFrom(const PropertyBag& bag) {
    ClearControls();
    SetCaption(bag.ReadProperty(L"Caption", L"").ToText());
    SetBorderStyle(
        static_cast<BorderStyle>(bag.ReadProperty(L"BorderStyle", std::int16_t{2}).ToInt16()));
    m_controlBox = bag.ReadProperty(L"ControlBox", true).ToInt16() != 0;
    m_minButton = bag.ReadProperty(L"MinButton", true).ToInt16() != 0;
    m_maxButton = bag.ReadProperty(L"MaxButton", true).ToInt16() != 0;
    m_startPosition = static_cast<StartUpPosition>(
        bag.ReadProperty(L"StartUpPosition", std::int16_t{0}).ToInt16());
    m_keyPreview = bag.ReadProperty(L"KeyPreview", false).ToInt16() != 0;
    const auto number = [&](const wchar_t* name, std::int32_t fallback) {
        return bag.ReadLong(name, fallback);
    };
    m_left = number(L"Left", m_left);
    m_top = number(L"Top", m_top);
    SetClientSize(number(L"ClientWidth", ScaleWidth()), number(L"ClientHeight", ScaleHeight()));
    SetBackColor(static_cast<std::uint32_t>(
        number(L"BackColor", static_cast<std::int32_t>(colour::kButtonFace))));
    SetForeColor(static_cast<std::uint32_t>(
        number(L"ForeColor", static_cast<std::int32_t>(colour::kButtonText))));
    const zv::Font standard;
    SetFont(bag.ReadFont(L"Font", standard));
    std::vector<std::pair<Control*, std::int32_t>> tabIndexes;
    ReadContents(*this, bag, tabIndexes);
    std::stable_sort(tabIndexes.begin(), tabIndexes.end(),
                     [](const auto& a, const auto& b) { return a.second < b.second; });
    m_tabOrder.clear();
    for (const auto& [control, tabIndex] : tabIndexes) {
        m_tabOrder.push_back(control);
    }
}

void Form::SaveFile(const std::filesystem::path& path) const {
    PropertyBag bag(L"Form", m_name);
    WriteTo(bag);
    SaveFormFile(path, bag);
}

void Form::LoadFile(const std::filesystem::path& path) {
    const std::unique_ptr<PropertyBag> bag = LoadFormFile(path);
    m_name = bag->Name();
    ReadFrom(*bag);
}

}  // namespace zv::forms

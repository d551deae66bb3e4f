#include "platform/forms/ControlContainer.h"

#include <algorithm>

#include "platform/automation/Application.h"
#include "platform/forms/Control.h"
#include "platform/forms/PaintTools.h"
#include "platform/win/GdiApi.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinConstants.h"

namespace zv::forms {

using namespace zv::win;

namespace {

bool IsMouseMessage(UINT message) {
    return message >= WM_MOUSEMOVE && message <= WM_MBUTTONDBLCLK;
}

bool IsColourQuestion(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

POINT PointOf(LPARAM lParam) {
    return POINT{static_cast<std::int16_t>(lParam & 0xFFFF),
                 static_cast<std::int16_t>((lParam >> 16) & 0xFFFF)};
}

}  // namespace

void ControlContainer::AddContent(Control& control) {
    m_contents.push_back(&control);  // behind what is there, as new windows go
}

void ControlContainer::RemoveContent(Control& control) {
    std::erase(m_contents, &control);
    if (m_mouseOver == &control) {
        m_mouseOver = nullptr;
    }
}

void ControlContainer::Restack(Control& control, std::int16_t position) {
    std::erase(m_contents, &control);
    m_contents.push_back(&control);
    if (position == 0) {
        std::rotate(m_contents.begin(), m_contents.end() - 1, m_contents.end());
    }
}

bool ControlContainer::TakeContainerMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                            LRESULT& result) {
    if (message == WM_COMMAND || message == WM_NOTIFY || IsColourQuestion(message)) {
        const auto* notice =
            message == WM_NOTIFY ? reinterpret_cast<const NMHDR*>(lParam) : nullptr;
        const HWND window = notice != nullptr ? notice->hwndFrom : static_cast<HWND>(lParam);
        const auto found = std::find_if(m_contents.begin(), m_contents.end(),
                                        [&](const Control* c) { return c->hWnd() == window; });
        if (window == 0 || found == m_contents.end()) {
            return false;
        }
        if (message == WM_COMMAND) {
            (*found)->OnNotify(static_cast<UINT>((wParam >> 16) & 0xFFFF));
            result = 0;
        } else if (notice != nullptr) {
            result = (*found)->OnNotice(*notice);
        } else {
            result = static_cast<LRESULT>((*found)->Colours(static_cast<HDC>(wParam)));
        }
        return true;
    }
    switch (message) {
        case WM_ERASEBKGND:
            EraseBackground(static_cast<HDC>(wParam), hwnd);
            result = 1;
            return true;
        case WM_PAINT:
            Paint(hwnd);
            result = 0;
            return true;
        case WM_SETCURSOR:
            if (App().ShowMousePointer()) {
                result = TRUE;
                return true;
            }
            return false;
        default:
            break;
    }
    if (IsMouseMessage(message)) {
        RouteMouse(message, wParam, lParam);
        result = 0;
        return true;
    }
    return false;
}

void ControlContainer::EraseBackground(HDC dc, HWND hwnd) const {
    RECT client;
    GetClientRect(hwnd, &client);
    const HBRUSH brush = CreateSolidBrush(ToColorRef(ContainerBackColor()));
    FillRect(dc, &client, brush);
    DeleteObject(brush);
}

void ControlContainer::Paint(HWND hwnd) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(hwnd, &paint);
    PaintOwn(dc);
    // Back to front, so the front one ends on top.
    const std::vector<Control*> contents = m_contents;
    for (auto it = contents.rbegin(); it != contents.rend(); ++it) {
        if ((*it)->IsWindowless() && (*it)->Visible()) {
            (*it)->PaintOn(dc);
        }
    }
    EndPaint(hwnd, &paint);
}

Control* ControlContainer::WindowlessAt(POINT point) const {
    for (Control* control : m_contents) {
        if (control->IsWindowless() && control->Visible() && control->Enabled() &&
            control->HitTest(point)) {
            return control;
        }
    }
    return nullptr;
}

void ControlContainer::RouteMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point = PointOf(lParam);
    // What took the press keeps the mouse until the release, as capture
    // would give it.
    const bool held = (wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0 &&
                      message != WM_LBUTTONDOWN && message != WM_RBUTTONDOWN &&
                      message != WM_MBUTTONDOWN;
    Control* target = held && m_mouseOver != nullptr ? m_mouseOver : WindowlessAt(point);
    const bool press = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN ||
                       message == WM_MBUTTONDOWN || message == WM_LBUTTONDBLCLK;
    if (press) {
        m_mouseOver = target;
    }
    if (target == nullptr) {
        OwnMouse(message, wParam, point);
        return;
    }
    const RECT area = target->PixelRect();
    target->RaiseMouse(message, wParam, POINT{point.x - area.left, point.y - area.top});
}

}  // namespace zv::forms

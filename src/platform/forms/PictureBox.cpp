#include "platform/forms/PictureBox.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/PaintTools.h"
#include "platform/forms/PropertyBag.h"
#include "platform/forms/Twips.h"
#include "platform/win/GdiConstants.h"
#include "platform/win/WinConstants.h"

namespace zv::forms {

using namespace zv::win;

PictureBox::PictureBox(Form& form, std::wstring name, std::int16_t index)
    : Control(form, std::move(name), index, 1215, 1215) {}

std::optional<Control::WindowKind> PictureBox::OwnWindowKind() const {
    return WindowKind{kContainerClass, WS_CLIPCHILDREN, ExStyle()};
}

DWORD PictureBox::ExStyle() const {
    return m_borderStyle != 0 ? WS_EX_CLIENTEDGE : 0;
}

void PictureBox::SetPicture(std::shared_ptr<zv::Picture> picture) {
    m_picture = std::move(picture);
    Redraw();
    FitToPicture();
}

void PictureBox::SetAutoSize(bool autoSize) {
    m_autoSize = autoSize;
    FitToPicture();
}

void PictureBox::SetBorderStyle(std::int16_t style) {
    if (style < 0 || style > 1) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    m_borderStyle = style;
    ApplyBorder();
    FitToPicture();
}

// The window keeps its place and size; its client area grows or shrinks
// by the sunken edge.
void PictureBox::ApplyBorder() {
    if (hWnd() == 0) {
        return;
    }
    const auto others = static_cast<DWORD>(GetWindowLongA(hWnd(), GWL_EXSTYLE)) & ~WS_EX_CLIENTEDGE;
    SetWindowLongA(hWnd(), GWL_EXSTYLE, static_cast<LONG>(others | ExStyle()));
    SetWindowPos(hWnd(), 0, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Redraw();
}

// What the border takes of the control's width and height, in pixels.
SIZE PictureBox::BorderSize() const {
    if (m_borderStyle == 0) {
        return SIZE{};
    }
    return SIZE{2 * GetSystemMetrics(SM_CXEDGE), 2 * GetSystemMetrics(SM_CYEDGE)};
}

void PictureBox::FitToPicture() {
    if (!m_autoSize || !HasPicture(m_picture.get())) {
        return;
    }
    const SIZE picture = PictureSize(*m_picture);
    const SIZE border = BorderSize();
    Move(Left(), Top(), TwipsX(picture.cx + border.cx), TwipsY(picture.cy + border.cy));
}

std::int32_t PictureBox::ScaleWidth() const {
    const RECT area = PixelRect();
    return TwipsX(area.right - area.left - BorderSize().cx);
}

std::int32_t PictureBox::ScaleHeight() const {
    const RECT area = PixelRect();
    return TwipsY(area.bottom - area.top - BorderSize().cy);
}

void PictureBox::Cls() {
    if (hWnd() != 0) {
        InvalidateRect(hWnd(), nullptr, TRUE);
        UpdateWindow(hWnd());
    }
}

void PictureBox::PaintOwn(HDC dc) {
    if (m_picture != nullptr) {
        RECT client;
        GetClientRect(hWnd(), &client);
        DrawPicture(dc, *m_picture, client, false);
    }
    m_paintDc = dc;
    Paint.Raise();
    m_paintDc = 0;
}

void PictureBox::OwnMouse(UINT message, WPARAM wParam, POINT pixels) {
    RaiseMouse(message, wParam, pixels);
}

LRESULT PictureBox::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result = 0; TakeContainerMessage(hwnd, message, wParam, lParam, result)) {
        return result;
    }
    return Control::OnMessage(hwnd, message, wParam, lParam);
}

void PictureBox::WriteProperties(PropertyBag& bag) const {
    Control::WriteProperties(bag);
    bag.WritePicture(L"Picture", m_picture.get());
    bag.WriteProperty(L"AutoSize", m_autoSize, false);
    bag.WriteProperty(L"BorderStyle", m_borderStyle, std::int16_t{1});
}

// AutoSize comes last, so that the box is fitted once, to the picture and
// border it is read with.
void PictureBox::ReadProperties(const PropertyBag& bag) {
    Control::ReadProperties(bag);
    SetBorderStyle(bag.ReadProperty(L"BorderStyle", std::int16_t{1}).ToInt16());
    SetPicture(bag.ReadPicture(L"Picture"));
    SetAutoSize(bag.ReadProperty(L"AutoSize", false).ToInt16() != 0);
}

}  // namespace zv::forms

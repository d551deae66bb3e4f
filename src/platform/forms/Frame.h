#pragma once

// A frame: a captioned border around a group of controls, which sit in
// its window and move, hide and disable with it. Option buttons in it form
// a group of their own. Its access key focuses the first control after it
// in the tab order.

#include "platform/forms/CaptionControl.h"
#include "platform/forms/ControlContainer.h"

namespace zv::forms {

class Frame : public CaptionControl, public ControlContainer {
  public:
    Frame(Form& form, std::wstring name, std::int16_t index);

    std::wstring TypeName() const override { return L"Frame"; }

    void OnAccessKey() override;
    bool CanTakeFocus() const override { return false; }

    // ControlContainer
    win::HWND ContainerWindow() const override { return hWnd(); }
    Form& ContainerForm() override { return Parent(); }
    std::uint32_t ContainerBackColor() const override { return BackColor(); }

  protected:
    std::optional<WindowKind> OwnWindowKind() const override;
    bool ClickedByMouse() const override { return true; }
    win::LRESULT OnMessage(win::HWND hwnd, win::UINT message, win::WPARAM wParam,
                           win::LPARAM lParam) override;
    void PaintOwn(win::HDC dc) override;
    void OwnMouse(win::UINT message, win::WPARAM wParam, win::POINT pixels) override;
};

}  // namespace zv::forms

#pragma once

// A picture box: a windowed container with a background colour, a picture
// drawn at its top-left corner and a Paint event in which the host draws on
// hDC(). It holds controls like a form: windowless ones are drawn on it
// (clipped to it), windowed ones are its children. AutoSize fits it to its
// picture; its border is sunken (fixed single) or none.

#include <memory>

#include "platform/automation/Event.h"
#include "platform/forms/Control.h"
#include "platform/forms/ControlContainer.h"
#include "platform/forms/Picture.h"

namespace zv::forms {

class PictureBox : public Control, public ControlContainer {
  public:
    PictureBox(Form& form, std::wstring name, std::int16_t index);

    std::wstring TypeName() const override { return L"PictureBox"; }

    // nullptr for none.
    const std::shared_ptr<zv::Picture>& Picture() const { return m_picture; }
    void SetPicture(std::shared_ptr<zv::Picture> picture);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    // 0 none, 1 fixed single (sunken); others raise 380.
    std::int16_t BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(std::int16_t style);

    // The client area, inside the border, in twips.
    std::int32_t ScaleWidth() const;
    std::int32_t ScaleHeight() const;

    // Clears what was drawn: repaints with the background (and the picture
    // and contents, raising Paint) at once.
    void Cls();

    // The device context to draw on while Paint is being raised; 0 outside.
    win::HDC hDC() const { return m_paintDc; }

    Event<> Paint;

    // ControlContainer
    win::HWND ContainerWindow() const override { return hWnd(); }
    Form& ContainerForm() override { return Parent(); }
    std::uint32_t ContainerBackColor() const override { return BackColor(); }

    void WriteProperties(PropertyBag& bag) const override;
    void ReadProperties(const PropertyBag& bag) override;

  protected:
    std::optional<WindowKind> OwnWindowKind() const override;
    bool ClickedByMouse() const override { return true; }
    win::LRESULT OnMessage(win::HWND hwnd, win::UINT message, win::WPARAM wParam,
                           win::LPARAM lParam) override;
    void PaintOwn(win::HDC dc) override;
    void OwnMouse(win::UINT message, win::WPARAM wParam, win::POINT pixels) override;

  private:
    win::DWORD ExStyle() const;
    win::SIZE BorderSize() const;
    void ApplyBorder();
    void FitToPicture();

    std::shared_ptr<zv::Picture> m_picture;
    bool m_autoSize = false;
    std::int16_t m_borderStyle = 1;
    win::HDC m_paintDc = 0;
};

}  // namespace zv::forms

#pragma once

// The base of the library's own visual controls: a window on a host form
// that draws itself, holds controls of its own (which the host form does
// not save: the user control saves what it chooses), and persists its
// properties with the host form through a property bag, a default for each
// name. The container suggests a font and colours (Ambient).
//
// A derived control makes its own controls in Initialize, sets its
// defaults in InitProperties (a new instance) or reads them in
// ReadUserProperties (one loaded from a form file), writes them in
// WriteUserProperties, and calls PropertyChanged in every setter.

#include <memory>
#include <string>

#include "platform/forms/Control.h"
#include "platform/forms/ControlContainer.h"

namespace zv::forms {

struct AmbientProperties {
    std::shared_ptr<zv::Font> font;
    std::uint32_t backColor = colour::kButtonFace;
    std::uint32_t foreColor = colour::kButtonText;
    bool userMode = true;  // running, not being designed
    std::wstring displayName;
};

class UserControl : public Control, public ControlContainer {
  public:
    // What the container suggests now.
    AmbientProperties Ambient() const;

    // Marks a property changed, so that the host knows its form has
    // something new to save.
    void PropertyChanged(const std::wstring& name);
    bool HasChanges() const { return m_changed; }
    void ChangesSaved() { m_changed = false; }

    // The device context to draw on while Paint is being raised.
    win::HDC hDC() const { return m_paintDc; }

    // Whether the user control itself takes the focus (rather than only
    // its own controls).
    bool CanGetFocus() const { return m_canGetFocus; }
    void SetCanGetFocus(bool can) { m_canGetFocus = can; }

    Event<> Paint;
    Event<> Resize;
    Event<const std::wstring&> OnPropertyChanged;

    void Adopted() override;
    void InitNew() override;
    bool CanTakeFocus() const override;
    void WriteProperties(PropertyBag& bag) const final;
    void ReadProperties(const PropertyBag& bag) final;

    // ControlContainer
    win::HWND ContainerWindow() const override { return hWnd(); }
    Form& ContainerForm() override { return Parent(); }
    std::uint32_t ContainerBackColor() const override { return BackColor(); }
    bool SavesContents() const override { return false; }

  protected:
    UserControl(Form& form, std::wstring name, std::int16_t index, std::int32_t width,
                std::int32_t height);

    virtual void Initialize() {}
    virtual void InitProperties() {}
    virtual void ReadUserProperties(const PropertyBag&) {}
    virtual void WriteUserProperties(PropertyBag&) const {}

    std::optional<WindowKind> OwnWindowKind() const override;
    bool ClickedByMouse() const override { return true; }
    void Resized() override { Resize.Raise(); }
    win::LRESULT OnMessage(win::HWND hwnd, win::UINT message, win::WPARAM wParam,
                           win::LPARAM lParam) override;
    void PaintOwn(win::HDC dc) override;
    void OwnMouse(win::UINT message, win::WPARAM wParam, win::POINT pixels) override;

  private:
    win::HDC m_paintDc = 0;
    bool m_changed = false;
    bool m_canGetFocus = false;
};

}  // namespace zv::forms

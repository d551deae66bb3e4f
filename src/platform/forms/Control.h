#pragma once

// A control on a form: where it sits (in twips, in its container's client
// area), how it looks (colours, font, caption) and what it raises to the
// host. Windowed controls own a window of their own; windowless ones (label,
// image, shape, line) are drawn and hit-tested by their container.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/automation/Event.h"
#include "platform/forms/Font.h"
#include "platform/forms/InputEvents.h"
#include "platform/forms/WindowBinding.h"
#include "platform/win/CommonControlsApi.h"
#include "platform/win/GdiApi.h"
#include "platform/win/WinApi.h"

namespace zv {
class PropertyBag;
}

namespace zv::forms {

class ControlContainer;
class Form;

// Colours as controls keep them: 0x800000nn names system colour nn.
namespace colour {
inline constexpr std::uint32_t kButtonFace = 0x8000000F;
inline constexpr std::uint32_t kButtonText = 0x80000012;
inline constexpr std::uint32_t kWindow = 0x80000005;
inline constexpr std::uint32_t kWindowText = 0x80000008;
}  // namespace colour

class Control : public MessageTarget, public InputEvents {
  public:
    ~Control() override;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // The type's name as form files write it ("CommandButton", ...).
    virtual std::wstring TypeName() const = 0;

    const std::wstring& Name() const { return m_name; }
    std::int16_t Index() const { return m_index; }  // -1 outside a control array

    Form& Parent() const { return m_form; }
    ControlContainer& Container() const { return *m_container; }
    // Moves the control (with its window) into another container.
    void SetContainer(ControlContainer& container);
    // Where the form puts a control it adopts.
    void AttachTo(ControlContainer& container);

    std::int32_t Left() const { return m_left; }
    std::int32_t Top() const { return m_top; }
    std::int32_t Width() const { return m_width; }
    std::int32_t Height() const { return m_height; }
    void SetLeft(std::int32_t left) { Move(left, m_top, m_width, m_height); }
    void SetTop(std::int32_t top) { Move(m_left, top, m_width, m_height); }
    void SetWidth(std::int32_t width) { Move(m_left, m_top, width, m_height); }
    void SetHeight(std::int32_t height) { Move(m_left, m_top, m_width, height); }
    // A negative width or height raises invalid property value (380).
    void Move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);

    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);

    const std::wstring& Tag() const { return m_tag; }
    void SetTag(std::wstring tag) { m_tag = std::move(tag); }
    const std::wstring& ToolTipText() const { return m_toolTip; }
    void SetToolTipText(std::wstring text) { m_toolTip = std::move(text); }

    // Place in the form's tab order, from 0; setting it moves the others
    // along. TabStop says whether Tab stops here.
    std::int16_t TabIndex() const;
    void SetTabIndex(std::int16_t index);
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool stop) { m_tabStop = stop; }

    std::uint32_t BackColor() const { return m_backColor; }
    void SetBackColor(std::uint32_t colour);
    std::uint32_t ForeColor() const { return m_foreColor; }
    void SetForeColor(std::uint32_t colour);

    // Shared with whoever else holds it: a change made through any holder
    // shows here.
    const std::shared_ptr<zv::Font>& Font() const { return m_font; }
    void SetFont(std::shared_ptr<zv::Font> font);

    // 0 brings the control to the front of its siblings, 1 sends it back.
    void ZOrder(std::int16_t position = 0);

    win::HWND hWnd() const { return m_hwnd; }

    // Moves the focus here; invalid procedure call (5) when the control
    // cannot have it (windowless, hidden or disabled).
    void SetFocus();

    Event<> GotFocus;
    Event<> LostFocus;

    // What the runtime asks of every control.
    bool IsWindowless() const { return !OwnWindowKind().has_value(); }
    // Whether the user can give it the focus now: a visible, enabled
    // windowed control in visible, enabled containers.
    virtual bool CanTakeFocus() const;
    // The caption whose '&' marks an access key, for those that have one.
    virtual std::wstring AccessKeyCaption() const { return {}; }
    // What pressing its access key does; by default, focus here.
    virtual void OnAccessKey();
    // Option buttons that Tab passes by (unchecked ones of a group with a
    // checked one).
    virtual bool SkippedByTab() const { return false; }
    // Whether a key goes to the control rather than to the form's
    // navigation (Tab, Enter, Escape, arrows).
    virtual bool WantsKey(int vk) const;
    // Windowless controls draw themselves on their container.
    virtual void PaintOn(win::HDC dc);
    // A notification the control's window sent to its container.
    virtual void OnNotify(win::UINT code);
    // A WM_NOTIFY notice the control's window sent to its container: the
    // answer to it.
    virtual win::LRESULT OnNotice(const win::NMHDR& notice);
    // The answer to WM_CTLCOLOR*: sets the colours, gives the brush.
    win::HBRUSH Colours(win::HDC dc);
    // A windowless control's area in its container's client pixels.
    win::RECT PixelRect() const;
    // Whether a point of the container's client area hits it.
    virtual bool HitTest(win::POINT point) const;

    // The window is made when the form loads (or at once on a loaded form)
    // and goes with it.
    void CreateWindowIn(win::HWND parentWindow);
    // The form's window is made and the control's own with it.
    virtual void FormLoaded() {}
    // On the form, in its container: a control that holds controls of its
    // own makes them now.
    virtual void Adopted() {}
    // A new instance, not one loaded from a bag: its properties take their
    // defaults.
    virtual void InitNew() {}
    void DestroyOwnWindow();

    // Persisted properties: each under its own name, with its default.
    virtual void WriteProperties(PropertyBag& bag) const;
    virtual void ReadProperties(const PropertyBag& bag);

    // Raised by the container for windowless controls and by the control's
    // window for windowed ones.
    void RaiseMouse(win::UINT message, win::WPARAM wParam, win::POINT pixels) {
        InputEvents::RaiseMouse(message, wParam, pixels, ClickedByMouse());
    }

  protected:
    Control(Form& form, std::wstring name, std::int16_t index, std::int32_t width,
            std::int32_t height);

    struct WindowKind {
        const char* className;
        win::DWORD style;
        win::DWORD exStyle = 0;
    };
    // The window a windowed control is made of; none for windowless ones.
    virtual std::optional<WindowKind> OwnWindowKind() const = 0;
    // The text the window is made with.
    virtual std::string WindowText() const { return {}; }
    // Where the window goes, in the container's client pixels: the
    // control's area, unless the window is bigger than what it shows (a
    // combo box with its list).
    virtual win::RECT WindowPlacement() const { return PixelRect(); }
    // Pushes what the window does not know yet once it is made.
    virtual void WindowCreated() {}
    // After the position, size or font changed.
    virtual void Resized() {}
    // After Enabled changed.
    virtual void EnabledChanged() {}
    // Whether a press and release of the left button over it is a Click
    // (windowed controls that tell their container of clicks say no).
    virtual bool ClickedByMouse() const;

    win::LRESULT OnMessage(win::HWND hwnd, win::UINT message, win::WPARAM wParam,
                           win::LPARAM lParam) override;

    // The area changed: repaint it (for windowless controls, the
    // container's part under them).
    void Redraw();
    // The pixels of its container that a windowless control may cover: its
    // area, unless it draws beyond (a line's pen).
    virtual win::RECT DrawnArea() const { return PixelRect(); }

    std::uint32_t DefaultBackColor() const { return m_defaultBackColor; }
    std::uint32_t DefaultForeColor() const { return m_defaultForeColor; }
    void SetDefaultColours(std::uint32_t back, std::uint32_t fore);

  private:
    void PlaceWindow();
    void ApplyFont();
    bool TakeKey(win::UINT message, win::WPARAM& wParam);
    void ReleaseBrush();

    Form& m_form;
    ControlContainer* m_container;
    std::wstring m_name;
    std::int16_t m_index;
    std::int32_t m_left = 0;
    std::int32_t m_top = 0;
    std::int32_t m_width;
    std::int32_t m_height;
    bool m_visible = true;
    bool m_enabled = true;
    bool m_tabStop = true;
    std::wstring m_tag;
    std::wstring m_toolTip;
    std::uint32_t m_defaultBackColor = colour::kButtonFace;
    std::uint32_t m_defaultForeColor = colour::kButtonText;
    std::uint32_t m_backColor = colour::kButtonFace;
    std::uint32_t m_foreColor = colour::kButtonText;
    std::shared_ptr<zv::Font> m_font;
    EventConnection m_fontChanged = 0;
    win::HWND m_hwnd = 0;
    win::HBRUSH m_brush = 0;
    bool m_pressed = false;      // a windowless control saw the press of a click
    bool m_swallowChar = false;  // the key that the form took types no character
};

}  // namespace zv::forms

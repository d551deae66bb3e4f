#pragma once

// A form: a top-level window holding controls, scaled in twips. It loads
// (making its window and its controls' windows, raising Load), shows
// modeless or modal, hides and unloads (asking QueryUnload and Unload
// first). It runs the keyboard interface of its controls: Tab order,
// default and cancel buttons, access keys.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/automation/Event.h"
#include "platform/forms/Control.h"
#include "platform/forms/ControlContainer.h"
#include "platform/forms/Font.h"
#include "platform/forms/WindowBinding.h"
#include "platform/win/WinApi.h"

namespace zv {
class PropertyBag;
}

namespace zv::forms {

class CommandButton;

enum class BorderStyle : std::int16_t {
    None = 0,
    FixedSingle = 1,
    Sizable = 2,
    FixedDialog = 3,
    FixedToolWindow = 4,
    SizableToolWindow = 5,
};

enum class StartUpPosition : std::int16_t { Manual = 0, CenterOwner = 1, CenterScreen = 2 };

enum class FormShow : std::int16_t { Modeless = 0, Modal = 1 };

// Why a form is asked whether it may unload.
namespace unload_mode {
inline constexpr std::int16_t kFormControlMenu = 0;  // closed from its system menu
inline constexpr std::int16_t kFormCode = 1;         // Unload called
}  // namespace unload_mode

class Form : public ControlContainer, public MessageTarget, public InputEvents {
  public:
    explicit Form(std::wstring name = L"Form1");
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::wstring& Name() const { return m_name; }

    // Makes the window (hidden) and the controls' windows, then raises Load.
    void Load();
    bool IsLoaded() const { return m_hwnd != 0; }

    // Loads if need be and shows. A modal show disables the thread's other
    // windows and returns once the form is hidden or unloaded; showing a
    // visible form modally raises 400.
    void Show(FormShow style = FormShow::Modeless, Form* owner = nullptr);
    // The same with any window as the owner (0 for none), as hosts give it.
    void Show(FormShow style, win::HWND owner);
    void Hide();
    // Asks QueryUnload and Unload (either may cancel), then destroys the
    // window; true when the form was unloaded. The controls stay, so the
    // form can load again.
    bool Unload();

    win::HWND hWnd() const { return m_hwnd; }

    const std::wstring& Caption() const { return m_caption; }
    void SetCaption(std::wstring caption);
    BorderStyle Border() const { return m_border; }
    void SetBorderStyle(BorderStyle style);  // before the form loads
    bool ControlBox() const { return m_controlBox; }
    void SetControlBox(bool box);
    bool MinButton() const { return m_minButton; }
    void SetMinButton(bool button);
    bool MaxButton() const { return m_maxButton; }
    void SetMaxButton(bool button);
    StartUpPosition StartPosition() const { return m_startPosition; }
    void SetStartUpPosition(StartUpPosition position) { m_startPosition = position; }
    bool KeyPreview() const { return m_keyPreview; }
    void SetKeyPreview(bool preview) { m_keyPreview = preview; }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    bool Visible() const;

    // The outer rectangle, in twips of the screen.
    std::int32_t Left() const { return m_left; }
    std::int32_t Top() const { return m_top; }
    std::int32_t Width() const { return m_width; }
    std::int32_t Height() const { return m_height; }
    void Move(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);
    // The client area in twips; setting it sizes the form around it.
    std::int32_t ScaleWidth() const;
    std::int32_t ScaleHeight() const;
    void SetClientSize(std::int32_t width, std::int32_t height);

    std::uint32_t BackColor() const { return m_backColor; }
    void SetBackColor(std::uint32_t colour);
    std::uint32_t ForeColor() const { return m_foreColor; }
    void SetForeColor(std::uint32_t colour);
    const std::shared_ptr<zv::Font>& Font() const { return m_font; }
    void SetFont(std::shared_ptr<zv::Font> font);

    // The size of a text in the form's font, in twips; lines split at line
    // feeds, the height of an empty text is one line.
    std::int32_t TextWidth(const std::wstring& text) const;
    std::int32_t TextHeight(const std::wstring& text) const;

    // The device context to draw on while Paint is being raised.
    win::HDC hDC() const { return m_paintDc; }

    // Controls, in the order they were added. Adding to a loaded form makes
    // the control's window at once. A name used by another control makes
    // both members of a control array, which need distinct indexes.
    template <typename T>
    std::shared_ptr<T> Add(const std::wstring& name, ControlContainer* container = nullptr,
                           std::int16_t index = -1) {
        auto control = std::shared_ptr<T>(new T(*this, name, index));
        Adopt(control, container);
        control->InitNew();
        return control;
    }
    // Of a type named as form files name it ("Label", ...), including user
    // controls that a host registered; nullptr for an unknown type.
    std::shared_ptr<Control> Add(const std::wstring& typeName, const std::wstring& name,
                                 ControlContainer* container = nullptr, std::int16_t index = -1);
    // A new member of a control array: a copy of its first member, hidden,
    // in the same container. 360 when the index is taken, 340 when there
    // is no such array.
    std::shared_ptr<Control> LoadArrayMember(const std::wstring& name, std::int16_t index);
    // Takes the control (and what it contains) off the form.
    void Remove(Control& control);

    const std::vector<std::shared_ptr<Control>>& Controls() const { return m_controls; }
    Control* Find(const std::wstring& name, std::int16_t index = -1) const;
    template <typename T>
    T* Find(const std::wstring& name, std::int16_t index = -1) const {
        return dynamic_cast<T*>(Find(name, index));
    }
    // The same, raising object required (424) when there is no such
    // control of that type.
    template <typename T>
    T& Get(const std::wstring& name, std::int16_t index = -1) const {
        T* control = Find<T>(name, index);
        if (control == nullptr) {
            RaiseNoSuchControl(name);
        }
        return *control;
    }

    // Keyboard interface.
    Control* ActiveControl() const;
    const std::vector<Control*>& TabOrder() const { return m_tabOrder; }
    void MoveFocus(bool forward);
    CommandButton* DefaultButton() const;
    CommandButton* CancelButton() const;
    // The focusable control after a label with this caption in the tab
    // order (access marks ignored); 0 when there is none.
    win::HWND BoxAfterLabel(const std::wstring& caption) const;

    // The form of a window of the runtime, or nullptr.
    static Form* FromWindow(win::HWND hwnd);

    // Persistence: the form's properties and its controls, nested as they
    // sit in their containers.
    void WriteTo(PropertyBag& bag) const;
    // Replaces the controls by those of the bag; unknown types are
    // skipped. Loads nothing: the window is made by Load or Show.
    void ReadFrom(const PropertyBag& bag);
    void SaveFile(const std::filesystem::path& path) const;
    void LoadFile(const std::filesystem::path& path);

    Event<> OnLoad;
    Event<std::int16_t&, std::int16_t> QueryUnload;  // cancel, unload mode
    Event<std::int16_t&> OnUnload;                   // cancel
    Event<> Activate;
    Event<> Deactivate;
    Event<> Resize;
    Event<> Paint;

    // ControlContainer
    win::HWND ContainerWindow() const override { return m_hwnd; }
    Form& ContainerForm() override { return *this; }
    std::uint32_t ContainerBackColor() const override { return m_backColor; }

    // Used by controls.
    void TabIndexChanged(Control& control, std::int16_t index);
    void DefaultChanged(CommandButton& button);
    void CancelChanged(CommandButton& button);
    // The form's share of a key that reached a control: preview, Tab,
    // Enter, Escape, access keys. True when the form took it.
    bool TakeControlKey(Control& control, win::UINT message, win::WPARAM& wParam);
    void ControlGotFocus(Control& control) { m_lastFocus = &control; }

  protected:
    win::LRESULT OnMessage(win::HWND hwnd, win::UINT message, win::WPARAM wParam,
                           win::LPARAM lParam) override;
    void PaintOwn(win::HDC dc) override;
    void OwnMouse(win::UINT message, win::WPARAM wParam, win::POINT pixels) override;

  private:
    [[noreturn]] static void RaiseNoSuchControl(const std::wstring& name);
    void Adopt(const std::shared_ptr<Control>& control, ControlContainer* container);
    std::vector<Control*>::iterator TabPlaceIn(ControlContainer& container);
    void CreateControlWindows(ControlContainer& container);
    win::DWORD WindowStyle() const;
    win::DWORD WindowExStyle() const;
    void PlaceForStart(win::HWND owner);
    void RunModal();
    void EnableDisabledWindows();
    bool AskToUnload(std::int16_t mode);
    void Destroyed();
    void SyncRectFromWindow();
    bool TakeAccessKey(wchar_t key);
    void ClearControls();
    void ReadContents(ControlContainer& container, const PropertyBag& bag,
                      std::vector<std::pair<Control*, std::int32_t>>& tabIndexes);
    void ApplyClientSize();

    std::wstring m_name;
    win::HWND m_hwnd = 0;
    std::wstring m_caption;
    BorderStyle m_border = BorderStyle::Sizable;
    bool m_controlBox = true;
    bool m_minButton = true;
    bool m_maxButton = true;
    StartUpPosition m_startPosition = StartUpPosition::Manual;
    bool m_keyPreview = false;
    bool m_enabled = true;
    std::int32_t m_left = 0;
    std::int32_t m_top = 0;
    std::int32_t m_width = 4800;
    std::int32_t m_height = 3600;
    std::int32_t m_clientWidth = -1;  // asked for before the window is made
    std::int32_t m_clientHeight = -1;
    std::uint32_t m_backColor = colour::kButtonFace;
    std::uint32_t m_foreColor = colour::kButtonText;
    std::shared_ptr<zv::Font> m_font;
    EventConnection m_fontChanged = 0;
    win::HBRUSH m_brush = 0;
    win::HDC m_paintDc = 0;
    std::vector<std::shared_ptr<Control>> m_controls;
    std::vector<Control*> m_tabOrder;
    Control* m_lastFocus = nullptr;
    bool m_modal = false;
    // The windows that the modal show disabled, until it gives them back.
    std::vector<win::HWND> m_disabledByModal;
    bool m_unloading = false;
};

}  // namespace zv::forms

#pragma once

// A text box: one line, or several with scroll bars; locked boxes show
// their text without taking typing; a password character hides it. Each
// change of the text raises Change.

#include "platform/forms/Control.h"
#include "platform/forms/Label.h"

namespace zv::forms {

class TextBox : public Control {
  public:
    TextBox(Form& form, std::wstring name, std::int16_t index);

    std::wstring TypeName() const override { return L"TextBox"; }

    std::wstring Text() const;
    void SetText(std::wstring text);

    // Fixed when the window is made: changing them on a loaded form raises
    // 382 (set not supported at run time), as the platform's boxes cannot
    // change them.
    bool MultiLine() const { return m_multiLine; }
    void SetMultiLine(bool multiLine);
    // 0 none, 1 horizontal, 2 vertical, 3 both.
    std::int16_t ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(std::int16_t bars);
    Alignment TextAlignment() const { return m_alignment; }
    void SetAlignment(Alignment alignment);

    bool Locked() const { return m_locked; }
    void SetLocked(bool locked);
    // 0 for no limit.
    std::int32_t MaxLength() const { return m_maxLength; }
    void SetMaxLength(std::int32_t length);
    // Empty, or the one character shown for each typed one.
    const std::wstring& PasswordChar() const { return m_passwordChar; }
    void SetPasswordChar(std::wstring character);

    // The selection, in characters from 0.
    std::int32_t SelStart() const;
    void SetSelStart(std::int32_t start);
    std::int32_t SelLength() const;
    void SetSelLength(std::int32_t length);
    std::wstring SelText() const;
    void SetSelText(const std::wstring& text);

    Event<> Change;

    bool WantsKey(int vk) const override;
    void OnNotify(win::UINT code) override;
    void WriteProperties(PropertyBag& bag) const override;
    void ReadProperties(const PropertyBag& bag) override;

  protected:
    std::optional<WindowKind> OwnWindowKind() const override;
    std::string WindowText() const override;
    void WindowCreated() override;

  private:
    void FixedWhileLoaded() const;
    std::pair<std::int32_t, std::int32_t> Selection() const;
    void Select(std::int32_t start, std::int32_t end);

    std::wstring m_text;
    bool m_multiLine = false;
    std::int16_t m_scrollBars = 0;
    Alignment m_alignment = Alignment::Left;
    bool m_locked = false;
    std::int32_t m_maxLength = 0;
    std::wstring m_passwordChar;
    bool m_settingText = false;
};

}  // namespace zv::forms

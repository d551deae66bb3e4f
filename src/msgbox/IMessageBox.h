#pragma once

// The message box: asks the user with a dialog of the library's own, with
// the caller's button captions, an optional picture and an optional check
// box, shown modally without an owner.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/forms/Picture.h"

namespace zv {

class IMessageBox {
  public:
    // strCaption: the message ("\r\n" between lines); strButtons: the
    // button captions, separated by "," ("Ok" when empty; ",," is a comma
    // inside a caption); strTitle: the window caption (the application's
    // title when empty); sDefaultButton: the caption (case-sensitive) of
    // the default button; pPicture: shown at the left of the message, none
    // when null; strChkBox: the check box caption (no check box when empty)
    // and chkValue its value at the start (0 clear, 1 ticked).
    // Returns the position of the button pressed (0 = first caption), -1
    // when the dialog was closed without one, -2 when it could not be set
    // up, and then nothing is shown.
    std::int16_t DMsgBox(const std::wstring& strCaption, const std::wstring& strButtons = L"Ok",
                         const std::wstring& strTitle = L"",
                         const std::wstring& sDefaultButton = L"",
                         const std::shared_ptr<Picture>& pPicture = nullptr,
                         const std::wstring& strChkBox = L"", std::int16_t chkValue = 0);

    // The check box value as the last DMsgBox that showed its dialog closed;
    // 0 before any.
    std::int16_t CheckBoxValue() const { return m_iCheckBoxValue; }

  private:
    std::int16_t m_iCheckBoxValue = 0;
};

}  // namespace zv

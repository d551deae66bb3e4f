#pragma once

// The option box: asks the user to pick one of several choices, shown as
// option buttons in a modal dialog over the active window.

#include <cstdint>
#include <string>

namespace zv {

class IOptionBox {
  public:
    // strOptions: the choices, separated by "," (a choice may hold "\r\n");
    // strCaption: text above them ("\r\n" between lines), none when empty;
    // sDefaultOption: the choice chosen at the start (case-sensitive);
    // iHelpId: 1 or more shows the Help button.
    // Returns the index of the chosen option when OK is pressed (0 when none
    // is chosen), -1 for Cancel or closing, -2 when there are no choices (or
    // the dialog could not be shown), and then nothing is shown.
    std::int16_t OptionBox(const std::wstring& strOptions, const std::wstring& strCaption = L"",
                           const std::wstring& strTitle = L"",
                           const std::wstring& sDefaultOption = L"", std::int16_t iHelpId = 0);
};

}  // namespace zv

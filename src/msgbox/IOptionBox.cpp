#include "msgbox/IOptionBox.h"

#include "msgbox/frmRadioOptions.h"
#include "platform/automation/Trapped.h"
#include "platform/win/WinApi.h"

namespace zv {

namespace {

constexpr std::int16_t kNoChoices = -2;
constexpr std::int16_t kCancelled = -1;

}  // namespace

std::int16_t IOptionBox::OptionBox(const std::wstring& strOptions, const std::wstring& strCaption,
                                   const std::wstring& strTitle, const std::wstring& sDefaultOption,
                                   std::int16_t iHelpId) {
    // No error leaves the library, not even a failure of the memory: the box
    // just did not ask.
    return Trapped(kNoChoices, [&] {
        frmRadioOptions dialog;
        if (!dialog.Prepare(strOptions, strCaption, strTitle, sDefaultOption, iHelpId)) {
            dialog.Unload();
            return kNoChoices;
        }
        dialog.ShowModalOver(win::GetActiveWindow());
        const std::int16_t result = dialog.Cancelled() == 0 ? dialog.SelectedIndex() : kCancelled;
        dialog.Unload();
        return result;
    });
}

}  // namespace zv

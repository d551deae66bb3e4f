#include "msgbox/IMessageBox.h"

#include "msgbox/frmMessageBox.h"
#include "platform/automation/Application.h"
#include "platform/automation/Trapped.h"
#include "winmsg/modMousePointer.h"

namespace zv {

namespace {

constexpr std::int16_t kSetUpFailed = -2;

// The arrow while the user answers, whatever pointer the host had set.
void ShowWithArrowPointer(frmMessageBox& dialog) {
    const std::int16_t saved = App().MousePointer();
    HideBusyPointer();
    dialog.Show(forms::FormShow::Modal);
    App().SetMousePointer(saved);
}

}  // namespace

std::int16_t IMessageBox::DMsgBox(const std::wstring& strCaption, const std::wstring& strButtons,
                                  const std::wstring& strTitle, const std::wstring& sDefaultButton,
                                  const std::shared_ptr<Picture>& pPicture,
                                  const std::wstring& strChkBox, std::int16_t chkValue) {
    // No error leaves the library, not even a failure of the memory: the box
    // just did not ask.
    return Trapped(kSetUpFailed, [&] {
        frmMessageBox dialog;
        dialog.Prepare(strCaption, strButtons, strTitle, sDefaultButton, pPicture, strChkBox,
                       chkValue);
        ShowWithArrowPointer(dialog);
        m_iCheckBoxValue = dialog.CheckBoxValue();
        const std::int16_t pressed = dialog.PressedIndex();
        dialog.Unload();
        return pressed;
    });
}

}  // namespace zv

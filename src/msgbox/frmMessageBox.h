#pragma once

// The message box's dialog: a message of one or more lines, an optional
// picture at its left, one push button per caption under it and an optional
// check box under the buttons. It sizes itself to its texts, measured in its
// own font (Tahoma 8), and its width and height are its outer size.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/ctlImage.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Form.h"
#include "platform/forms/Label.h"
#include "platform/forms/Picture.h"

namespace zv {

class frmMessageBox : public forms::Form {
  public:
    // The window caption when no title is given is the application's title.
    frmMessageBox();

    // Sets a fresh dialog up before it is shown, so that its first show
    // centres it at its final size. Raises an AutomationError when a step
    // fails (a check box value outside 0..2).
    void Prepare(const std::wstring& strCaption, const std::wstring& strButtons,
                 const std::wstring& strTitle, const std::wstring& sDefaultButton,
                 const std::shared_ptr<zv::Picture>& pPicture, const std::wstring& strChkBox,
                 std::int16_t chkValue);

    // -1 until a button is pressed, then its position (0 = first caption).
    std::int16_t PressedIndex() const { return m_iPressed; }
    bool CheckBoxShown() const { return m_bCheckBoxShown; }
    // 0 clear, 1 ticked: the initial value until the user clicks the box.
    std::int16_t CheckBoxValue() const { return m_iCheckBoxValue; }

  private:
    void AddDesignTimeControls();
    void ShowPicture(const std::shared_ptr<zv::Picture>& pPicture);
    std::int32_t LayOutMessage(const std::wstring& strCaption);
    void MarkCheckBox(const std::wstring& strChkBox, std::int16_t chkValue);
    std::int32_t ButtonWidth(const std::vector<std::wstring>& captions) const;
    void AddButtons(const std::vector<std::wstring>& captions, std::int32_t buttonWidth);
    std::int32_t FitButtonsAcross(std::int32_t dialogWidth, std::int32_t buttonWidth);
    std::int32_t DialogHeight() const;
    void ChooseDefault(const std::wstring& sDefaultButton);
    void PlaceCheckBox();
    void Press(std::int16_t index);

    std::shared_ptr<forms::Label> m_lblMsg;
    std::vector<forms::CommandButton*> m_cmdButton;
    std::shared_ptr<forms::CheckBox> m_chkBox;
    std::shared_ptr<ctlImage> m_ctlImg;
    std::int16_t m_iPressed = -1;
    bool m_bCheckBoxShown = false;
    std::int16_t m_iCheckBoxValue = 0;
};

}  // namespace zv

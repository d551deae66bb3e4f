#pragma once

// The option box's dialog: an optional caption in a frame, one option
// button per choice in a second frame, and OK, Cancel and Help below. It
// sizes itself to its texts, measured in its own font (Tahoma 8).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/forms/CommandButton.h"
#include "platform/forms/Form.h"
#include "platform/forms/Frame.h"
#include "platform/forms/Label.h"
#include "platform/forms/OptionButton.h"
#include "platform/win/WinApi.h"

namespace zv {

class frmRadioOptions : public forms::Form {
  public:
    frmRadioOptions();

    // Lays the dialog out for the choices (separated by ","; a choice may
    // hold "\r\n") and pre-selects the one equal to sDefaultOption; false
    // when there are no choices.
    bool Prepare(const std::wstring& strOptions, const std::wstring& strCaption,
                 const std::wstring& strTitle, const std::wstring& sDefaultOption,
                 std::int16_t iHelpId);

    // Shows the prepared dialog modally, owned by the given window (0 for
    // none); returns once OK or Cancel hid it or it was closed.
    void ShowModalOver(win::HWND owner);

    // -1 (True) until OK is pressed.
    std::int16_t Cancelled() const { return m_iCancelled; }
    bool CaptionShown() const { return m_bCaptionShown; }
    std::int16_t HelpId() const { return m_iHelpId; }
    // The first chosen option button from the lowest index, or 0.
    std::int16_t SelectedIndex() const;

  private:
    void AddDesignTimeControls();
    std::int32_t WidestLine(const std::wstring& text, std::int32_t width) const;
    std::int32_t ChoiceHeight(const std::wstring& choice) const;
    void LayOutCaption(const std::wstring& strCaption, std::int32_t width);
    void PlaceOptionsFrame();
    void AddOptionButtons(const std::vector<std::wstring>& choices, std::int32_t width,
                          std::int32_t height);
    void PlaceButtonRow();
    void SelectDefault(const std::wstring& sDefaultOption);
    void FitToButtonRow();
    void HideCaptionFrameUnlessShown();
    void Close(std::int16_t cancelled);

    std::shared_ptr<forms::Frame> m_fraCaption;
    std::shared_ptr<forms::Label> m_lblCaption;
    std::shared_ptr<forms::Frame> m_fraOptions;
    std::vector<forms::OptionButton*> m_opt;
    std::shared_ptr<forms::CommandButton> m_cmdOk;
    std::shared_ptr<forms::CommandButton> m_cmdCancel;
    std::shared_ptr<forms::CommandButton> m_cmdHelp;
    std::int16_t m_iCancelled = -1;
    bool m_bCaptionShown = false;
    std::int16_t m_iHelpId = 0;
};

}  // namespace zv

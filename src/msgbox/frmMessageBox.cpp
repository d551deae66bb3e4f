#include "msgbox/frmMessageBox.h"

#include <algorithm>

#include "msgbox/CaptionList.h"
#include "platform/automation/Application.h"
#include "platform/automation/AutomationError.h"
#include "platform/automation/Rounding.h"
#include "platform/forms/Twips.h"
#include "platform/text/WideString.h"

namespace zv {

namespace {

using namespace forms;

constexpr std::int32_t kMargin = 120;
constexpr std::int32_t kFirstButtonLeft = 130;
constexpr std::int32_t kButtonWidth = 1335;
constexpr std::int32_t kButtonHeight = 375;
constexpr std::int32_t kButtonGap = 120;
// Air around a caption on its button, and the check mark beside a check
// box's caption.
constexpr std::int32_t kButtonTextPadding = 200;
constexpr std::int32_t kCheckMarkRoom = 500;
constexpr std::int32_t kLabelPadding = 50;
constexpr std::int32_t kPictureGap = 240;
constexpr std::int32_t kButtonsBelowMessage = 250;
// Button positions 0 to 32,767: the result is a 16-bit position.
constexpr std::size_t kMostButtons = 32768;

const std::wstring kLineBreak = L"\r\n";

}  // namespace

frmMessageBox::frmMessageBox() : Form(L"frmMessageBox") {
    SetBorderStyle(BorderStyle::FixedDialog);
    SetControlBox(true);
    SetStartUpPosition(StartUpPosition::CenterScreen);
    SetCaption(App().Title());
    Font()->SetName(L"Tahoma");
    Font()->SetSize(8);
    AddDesignTimeControls();
    Paint.Connect([this] { PlaceCheckBox(); });
    m_chkBox->Click.Connect([this] { m_iCheckBoxValue = m_chkBox->Value(); });
}

void frmMessageBox::AddDesignTimeControls() {
    m_lblMsg = Add<Label>(L"lblMsg");
    m_lblMsg->Move(kMargin, kMargin, 4 * kButtonWidth, 255);
    auto first = Add<CommandButton>(L"cmdButton", nullptr, 0);
    first->Move(kMargin, 600, kButtonWidth, kButtonHeight);
    m_cmdButton.push_back(first.get());
    m_chkBox = Add<CheckBox>(L"chkBox");
    m_chkBox->Move(kMargin, 1095, 2 * kButtonWidth, kButtonHeight);
    m_chkBox->SetVisible(false);
    m_ctlImg = Add<ctlImage>(L"ctlImg");
    m_ctlImg->Move(kMargin, kMargin, 480, 480);
    m_ctlImg->SetVisible(false);
}

void frmMessageBox::Prepare(const std::wstring& strCaption, const std::wstring& strButtons,
                            const std::wstring& strTitle, const std::wstring& sDefaultButton,
                            const std::shared_ptr<zv::Picture>& pPicture,
                            const std::wstring& strChkBox, std::int16_t chkValue) {
    m_iPressed = -1;
    m_iCheckBoxValue = chkValue;
    m_cmdButton.front()->SetLeft(kFirstButtonLeft);
    ShowPicture(pPicture);
    if (!strTitle.empty()) {
        SetCaption(strTitle);
    }
    const std::int32_t textWidth = LayOutMessage(strCaption);
    MarkCheckBox(strChkBox, chkValue);
    m_lblMsg->SetWidth(textWidth + kLabelPadding);
    std::int32_t dialogWidth = m_lblMsg->Left() + m_lblMsg->Width() + kMargin;
    const std::vector<std::wstring> captions =
        SplitCaptionList(strButtons.empty() ? std::wstring(L"Ok") : strButtons);
    if (captions.size() > kMostButtons) {
        throw AutomationError(err::kInvalidProcedureCall);
    }
    const std::int32_t buttonWidth = ButtonWidth(captions);
    AddButtons(captions, buttonWidth);
    dialogWidth = FitButtonsAcross(dialogWidth, buttonWidth);
    Move(Left(), Top(), dialogWidth, DialogHeight());
    ChooseDefault(sDefaultButton);
}

void frmMessageBox::ShowPicture(const std::shared_ptr<zv::Picture>& pPicture) {
    if (!pPicture || pPicture->Type() == PictureType::None) {
        m_ctlImg->SetVisible(false);
        return;
    }
    const std::int32_t width = TwipsX(Picture::PixelsFromHiMetric(pPicture->Width()));
    const std::int32_t height = TwipsY(Picture::PixelsFromHiMetric(pPicture->Height()));
    m_ctlImg->Move(kMargin, m_lblMsg->Top(), width, height);
    m_ctlImg->SetPicture(pPicture);
    m_ctlImg->SetVisible(true);
    m_lblMsg->SetLeft(width + kPictureGap);
}

// Puts the message into the label, one line high per line; returns the
// width of its widest line.
std::int32_t frmMessageBox::LayOutMessage(const std::wstring& strCaption) {
    const std::vector<std::wstring> lines = Split(strCaption, kLineBreak);
    m_lblMsg->SetCaption(strCaption);
    const std::int32_t lineHeight = TextHeight(L"T");
    m_lblMsg->SetHeight(lineHeight * static_cast<std::int32_t>(lines.size()));
    std::int32_t width = 0;
    for (const std::wstring& line : lines) {
        width = std::max(width, TextWidth(line));
    }
    return width;
}

// The box is shown or hidden when the dialog paints.
void frmMessageBox::MarkCheckBox(const std::wstring& strChkBox, std::int16_t chkValue) {
    m_bCheckBoxShown = !strChkBox.empty();
    if (m_bCheckBoxShown) {
        m_chkBox->SetCaption(strChkBox);
        m_chkBox->SetValue(chkValue);
    }
}

std::int32_t frmMessageBox::ButtonWidth(const std::vector<std::wstring>& captions) const {
    std::int32_t width = m_cmdButton.front()->Width();
    for (const std::wstring& caption : captions) {
        width = std::max(width, TextWidth(caption) + kButtonTextPadding);
    }
    return width;
}

void frmMessageBox::AddButtons(const std::vector<std::wstring>& captions,
                               std::int32_t buttonWidth) {
    const std::int32_t top = m_lblMsg->Top() + m_lblMsg->Height() + kButtonsBelowMessage;
    const std::int32_t firstLeft = m_cmdButton.front()->Left();
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const auto index = static_cast<std::int16_t>(i);
        if (i > 0) {
            m_cmdButton.push_back(
                &dynamic_cast<CommandButton&>(*LoadArrayMember(L"cmdButton", index)));
        }
        CommandButton& button = *m_cmdButton.back();
        const std::int32_t left = firstLeft + index * (buttonWidth + kButtonGap);
        button.Move(left, top, buttonWidth, button.Height());
        button.SetVisible(true);
        button.SetCaption(captions[i]);
        button.SetTag(captions[i]);
        button.Click.Connect([this, index] { Press(index); });
    }
}

// Under a wider message the buttons share the free room (one button is
// centred); a wider row widens the dialog instead. Returns its width.
std::int32_t frmMessageBox::FitButtonsAcross(std::int32_t dialogWidth, std::int32_t buttonWidth) {
    const std::int32_t labelRight = m_lblMsg->Left() + m_lblMsg->Width();
    const std::int32_t buttonsRight = m_cmdButton.back()->Left() + buttonWidth;
    if (labelRight < buttonsRight) {
        return buttonsRight + 2 * m_lblMsg->Left();
    }
    const std::int32_t free = dialogWidth - (buttonsRight + 2 * kMargin);
    if (free < 1) {
        return dialogWidth;
    }
    if (m_cmdButton.size() == 1) {
        m_cmdButton.front()->SetLeft(Round32(dialogWidth / 2.0 - buttonWidth / 2.0));
        return dialogWidth;
    }
    const std::int32_t shift =
        Round32(static_cast<double>(free) / static_cast<double>(m_cmdButton.size()));
    for (CommandButton* button : m_cmdButton) {
        button->SetLeft(button->Left() + shift);
    }
    return dialogWidth;
}

std::int32_t frmMessageBox::DialogHeight() const {
    const CommandButton& first = *m_cmdButton.front();
    const std::int32_t height = first.Top() + 2 * first.Height() + 2 * m_lblMsg->Top();
    return m_bCheckBoxShown ? height + m_chkBox->Height() : height;
}

// Only an exact match (case included) is the default; buttons before it
// are made not default, and without a match none is.
void frmMessageBox::ChooseDefault(const std::wstring& sDefaultButton) {
    if (sDefaultButton.empty()) {
        return;
    }
    for (CommandButton* button : m_cmdButton) {
        if (button->Caption() == sDefaultButton) {
            button->SetDefault(true);
            return;
        }
        button->SetDefault(false);
    }
}

// Under the buttons, centred unless wider than the dialog. Only a real
// change moves the box, so that painting settles.
void frmMessageBox::PlaceCheckBox() {
    if (m_chkBox->Visible() != m_bCheckBoxShown) {
        m_chkBox->SetVisible(m_bCheckBoxShown);
    }
    if (!m_bCheckBoxShown) {
        return;
    }
    const std::int32_t top = Round32(Height() - 2.5 * m_chkBox->Height());
    const std::int32_t width = TextWidth(m_chkBox->Caption()) + kCheckMarkRoom;
    const std::int32_t left = width <= Width() ? Round32((Width() - width) / 2.0) : 0;
    if (top != m_chkBox->Top() || width != m_chkBox->Width() || left != m_chkBox->Left()) {
        m_chkBox->Move(left, top, width, m_chkBox->Height());
    }
}

void frmMessageBox::Press(std::int16_t index) {
    m_iPressed = index;
    Hide();
}

}  // namespace zv

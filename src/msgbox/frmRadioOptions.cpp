#include "msgbox/frmRadioOptions.h"

#include <algorithm>

#include "platform/forms/Twips.h"
#include "platform/text/WideString.h"
#include "platform/win/WinConstants.h"

namespace zv {

namespace {

using namespace forms;

// Choices 0 to 32,767: the result is a 16-bit position.
constexpr std::size_t kMostChoices = 32768;
constexpr std::int32_t kMargin = 120;
constexpr std::int32_t kButtonWidth = 1215;
constexpr std::int32_t kButtonHeight = 375;
// Room for the option mark and a little air on each side of a text.
constexpr std::int32_t kTextPadding = 200;
constexpr std::int32_t kInnerLeft = kTextPadding / 2;
// Below a frame's top edge, where its caption would be.
constexpr std::int32_t kFrameTopSpace = 150;
constexpr std::int32_t kOptionSpacing = 30;
constexpr std::int32_t kCaptionLineSpacing = 30;
constexpr std::int32_t kChoiceLineSpacing = 20;

const std::wstring kLineBreak = L"\r\n";

}  // namespace

frmRadioOptions::frmRadioOptions() : Form(L"frmRadioOptions") {
    SetBorderStyle(BorderStyle::FixedDialog);
    SetControlBox(true);
    SetStartUpPosition(StartUpPosition::CenterOwner);
    Font()->SetName(L"Tahoma");
    Font()->SetSize(8);
    AddDesignTimeControls();
    OnLoad.Connect([this] { FitToButtonRow(); });
    Paint.Connect([this] {
        FitToButtonRow();
        HideCaptionFrameUnlessShown();
    });
    m_cmdOk->Click.Connect([this] { Close(0); });
    m_cmdCancel->Click.Connect([this] { Close(-1); });
}

void frmRadioOptions::AddDesignTimeControls() {
    const std::int32_t rowWidth = 4 * kButtonWidth + kTextPadding;
    m_fraCaption = Add<Frame>(L"fraCaption");
    m_fraCaption->SetCaption(L"");
    m_fraCaption->Move(kMargin, kMargin, rowWidth, 735);
    m_lblCaption = Add<Label>(L"lblCaption", m_fraCaption.get());
    m_lblCaption->SetCaption(L"");
    m_lblCaption->Move(kInnerLeft, kFrameTopSpace + kCaptionLineSpacing / 2,
                       rowWidth - kTextPadding, 480);
    m_fraOptions = Add<Frame>(L"fraOptions");
    m_fraOptions->SetCaption(L"");
    m_fraOptions->Move(kMargin, 975, rowWidth, 735);
    auto first = Add<OptionButton>(L"opt", m_fraOptions.get(), 0);
    first->Move(kInnerLeft, kFrameTopSpace, rowWidth - kTextPadding, 255);
    m_opt.push_back(first.get());
    m_cmdOk = Add<CommandButton>(L"cmdOk");
    m_cmdOk->SetCaption(L"OK");
    m_cmdOk->SetDefault(true);
    m_cmdCancel = Add<CommandButton>(L"cmdCancel");
    m_cmdCancel->SetCaption(L"Cancel");
    m_cmdCancel->SetCancel(true);
    m_cmdHelp = Add<CommandButton>(L"cmdHelp");
    m_cmdHelp->SetCaption(L"Help");
    for (CommandButton* button : {m_cmdHelp.get(), m_cmdOk.get(), m_cmdCancel.get()}) {
        button->Move(kMargin, 1830, kButtonWidth, kButtonHeight);
    }
}

bool frmRadioOptions::Prepare(const std::wstring& strOptions, const std::wstring& strCaption,
                              const std::wstring& strTitle, const std::wstring& sDefaultOption,
                              std::int16_t iHelpId) {
    m_iCancelled = -1;
    if (strOptions.empty()) {
        return false;
    }
    m_iHelpId = iHelpId;
    m_cmdHelp->SetVisible(iHelpId >= 1);
    SetCaption(strTitle);

    const std::vector<std::wstring> choices = Split(strOptions, L",");
    if (choices.size() > kMostChoices) {
        return false;
    }
    std::int32_t width = m_cmdCancel->Width() + m_cmdOk->Width() + 2 * m_cmdHelp->Width();
    std::int32_t height = 0;
    for (const std::wstring& choice : choices) {
        width = WidestLine(choice, width);
        height = std::max(height, ChoiceHeight(choice));
    }
    if (!strCaption.empty()) {
        width = WidestLine(strCaption, width);
        LayOutCaption(strCaption, width);
    }
    PlaceOptionsFrame();
    AddOptionButtons(choices, width, height);
    PlaceButtonRow();
    SelectDefault(sDefaultOption);
    return true;
}

// The width that also fits every line of the text with its padding.
std::int32_t frmRadioOptions::WidestLine(const std::wstring& text, std::int32_t width) const {
    for (const std::wstring& line : Split(text, kLineBreak)) {
        width = std::max(width, TextWidth(line) + kTextPadding);
    }
    return width;
}

std::int32_t frmRadioOptions::ChoiceHeight(const std::wstring& choice) const {
    std::int32_t height = 0;
    for (const std::wstring& line : Split(choice, kLineBreak)) {
        height += TextHeight(line) + kChoiceLineSpacing;
    }
    return height;
}

void frmRadioOptions::LayOutCaption(const std::wstring& strCaption, std::int32_t width) {
    std::int32_t labelHeight = 0;
    for (const std::wstring& line : Split(strCaption, kLineBreak)) {
        labelHeight += TextHeight(line) + kCaptionLineSpacing;
    }
    m_lblCaption->SetCaption(strCaption);
    m_lblCaption->Move(kInnerLeft, kFrameTopSpace + kCaptionLineSpacing / 2, width, labelHeight);
    m_fraCaption->Move(m_fraCaption->Left(), m_fraCaption->Top(), width + kTextPadding,
                       labelHeight + kFrameTopSpace + 60);
    m_bCaptionShown = true;
}

// Just below the caption frame, or in its place when there is no caption.
void frmRadioOptions::PlaceOptionsFrame() {
    const std::int32_t below = m_bCaptionShown ? m_fraCaption->Height() : 0;
    m_fraOptions->SetTop(m_fraCaption->Top() + below);
    HideCaptionFrameUnlessShown();
}

void frmRadioOptions::AddOptionButtons(const std::vector<std::wstring>& choices, std::int32_t width,
                                       std::int32_t height) {
    const auto count = static_cast<std::int32_t>(choices.size());
    for (std::int32_t i = 0; i < count; ++i) {
        if (i > 0) {
            const auto index = static_cast<std::int16_t>(i);
            m_opt.push_back(&dynamic_cast<OptionButton&>(*LoadArrayMember(L"opt", index)));
        }
        OptionButton& option = *m_opt.back();
        const OptionButton* above = i > 0 ? m_opt[m_opt.size() - 2] : nullptr;
        const std::int32_t top =
            above == nullptr ? kFrameTopSpace : above->Top() + above->Height() + kOptionSpacing;
        option.SetVisible(true);
        option.SetCaption(choices[static_cast<std::size_t>(i)]);
        option.Move(option.Left(), top, width, height);
        m_fraOptions->Move(m_fraOptions->Left(), m_fraOptions->Top(), m_fraCaption->Width(),
                           m_opt.front()->Height() * count + 300);
    }
}

// Help keeps its place at the left; Cancel ends flush with the options
// frame, OK before it at Help's distance from the form's edge.
void frmRadioOptions::PlaceButtonRow() {
    const std::int32_t top = m_fraOptions->Top() + m_fraOptions->Height() + kMargin;
    m_cmdHelp->SetTop(top);
    const std::int32_t cancelLeft =
        m_fraOptions->Left() + m_fraOptions->Width() - m_cmdCancel->Width();
    m_cmdCancel->Move(cancelLeft, top, m_cmdCancel->Width(), m_cmdCancel->Height());
    m_cmdOk->Move(cancelLeft - m_cmdHelp->Left() - m_cmdOk->Width(), top, m_cmdOk->Width(),
                  m_cmdOk->Height());
    FitToButtonRow();
}

void frmRadioOptions::SelectDefault(const std::wstring& sDefaultOption) {
    if (sDefaultOption.empty()) {
        return;
    }
    const auto match = std::find_if(m_opt.begin(), m_opt.end(), [&](const OptionButton* option) {
        return option->Caption() == sDefaultOption;
    });
    if (match != m_opt.end()) {
        (*match)->SetValue(true);
    }
}

// Three frame margins across; the button row with one margin below it.
// The window's frame is known once it exists, so the height waits for the
// load. Only a real change moves the window, so that painting settles.
void frmRadioOptions::FitToButtonRow() {
    const std::int32_t width = 3 * m_fraOptions->Left() + m_fraOptions->Width();
    const std::int32_t height = IsLoaded() ? m_cmdOk->Top() + m_cmdOk->Height() +
                                                 m_fraOptions->Left() + Height() - ScaleHeight()
                                           : Height();
    if (PixelsX(width) != PixelsX(Width()) || PixelsY(height) != PixelsY(Height())) {
        Move(Left(), Top(), width, height);
    }
}

void frmRadioOptions::HideCaptionFrameUnlessShown() {
    if (!m_bCaptionShown && m_fraCaption->Visible()) {
        m_fraCaption->SetVisible(false);
    }
}

void frmRadioOptions::ShowModalOver(win::HWND owner) {
    Show(FormShow::Modal, owner);
}

void frmRadioOptions::Close(std::int16_t cancelled) {
    m_iCancelled = cancelled;
    Hide();
}

std::int16_t frmRadioOptions::SelectedIndex() const {
    const auto chosen = std::find_if(m_opt.begin(), m_opt.end(),
                                     [](const OptionButton* option) { return option->Value(); });
    return chosen == m_opt.end() ? std::int16_t{0}
                                 : static_cast<std::int16_t>(chosen - m_opt.begin());
}

}  // namespace zv

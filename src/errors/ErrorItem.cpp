#include "errors/ErrorItem.h"

#include <algorithm>

#include "platform/automation/Trapped.h"

namespace zv {

namespace {

const wchar_t* const kCancelledMessage = L"The operation was cancelled.";
const wchar_t* const kSuccessMessage = L"The operation completed successfully.";
const wchar_t* const kUnknownErrorMessage =
    L"An unknown error has occurred.  Please contact Zarvane for assistance.";
const wchar_t* const kDefaultDetailsSeparator = L"  ";
const wchar_t* const kDefaultInstructionsSeparator = L"\r\n\r\n";

// Appends the part after the separator, leaving the separator out while the
// text is still empty.
void AppendSeparated(std::wstring& text, const std::wstring& separator, const std::wstring& part) {
    if (!text.empty()) {
        text += separator;
    }
    text += part;
}

// " (Error #n)" goes before a closing period, so that the sentence still ends
// with it: "Port closed (Error #5)."
void AppendErrorNumber(std::wstring& text, std::int32_t number) {
    const bool movePeriod = !text.empty() && text.back() == L'.';
    if (movePeriod) {
        text.pop_back();
    }
    text += L" (Error #" + std::to_wstring(number) + L")";
    if (movePeriod) {
        text += L'.';
    }
}

}  // namespace

ErrorItem::ErrorItem()
    : m_defaultMessage(kUnknownErrorMessage),
      m_detailsSeparator(kDefaultDetailsSeparator),
      m_instructionsSeparator(kDefaultInstructionsSeparator) {}

std::wstring ErrorItem::Message() const {
    return Trapped(std::wstring(), [&]() -> std::wstring {
        if (!m_message.empty()) {
            return m_message;
        }
        switch (m_errorType) {
            case errCancelled:
                return kCancelledMessage;
            case errSuccess:
                return kSuccessMessage;
            default:
                return m_defaultMessage;
        }
    });
}

void ErrorItem::SetTimeStamp(Date value) noexcept {
    m_timeStamp = value;
    m_timeStamped = true;
}

std::int32_t ErrorItem::ErrorTypeAsMsgBoxStyle() const noexcept {
    switch (m_errorType) {
        case errInformation:
        case errSuccess:
            return kStyleInformationIcon;
        case errWarning:
        case errCritical:
            return kStyleExclamationIcon;
        case errFatal:
            return kStyleStopIcon;
        default:
            return kStyleNoIcon;
    }
}

bool ErrorItem::IsErrorType(std::span<const Variant> types) const {
    return Trapped(false, [&] {
        return std::any_of(types.begin(), types.end(), [this](const Variant& type) {
            const auto number = type.AsNumber();
            return number && *number == static_cast<double>(m_errorType);
        });
    });
}

bool ErrorItem::HasWarningsOrWorse() const noexcept {
    return m_errorType == errWarning || m_errorType == errCritical || m_errorType == errFatal;
}

bool ErrorItem::HasMsg(bool bIgnoreCancel, bool bIgnoreSuccess) const noexcept {
    if (bIgnoreCancel && m_errorType == errCancelled) {
        return false;
    }
    if (bIgnoreSuccess && m_errorType == errSuccess) {
        return false;
    }
    return !m_message.empty();
}

std::wstring ErrorItem::FormatMsg(const std::wstring& sDetailsSeparator,
                                  const std::wstring& sInstructionsSeparator, bool bIncludeMsg,
                                  bool bIncludeDetails, bool bIncludeInstructions) const {
    const std::wstring& detailsSeparator =
        sDetailsSeparator.empty() ? m_detailsSeparator : sDetailsSeparator;
    const std::wstring& instructionsSeparator =
        sInstructionsSeparator.empty() ? m_instructionsSeparator : sInstructionsSeparator;

    return Trapped(std::wstring(), [&] {
        std::wstring text;
        if (bIncludeMsg) {
            text = Message();
        }
        if (bIncludeDetails && !m_details.empty()) {
            AppendSeparated(text, detailsSeparator, m_details);
        }
        if (m_number != 0) {
            AppendErrorNumber(text, m_number);
        }
        if (bIncludeInstructions && !m_instructions.empty()) {
            AppendSeparated(text, instructionsSeparator, m_instructions);
        }
        return text;
    });
}

void ErrorItem::Init(std::wstring strErr, errorLogIcon errLevel, std::int32_t nNumber,
                     std::wstring strDetails, std::wstring strInstructions,
                     std::wstring strDisplayName) {
    m_errorType = errLevel;
    m_message = std::move(strErr);
    m_number = nNumber;
    m_details = std::move(strDetails);
    m_instructions = std::move(strInstructions);
    m_displayName = std::move(strDisplayName);
    m_helpContext = 0;
    m_tag.clear();
    m_parent = 0;
}

void ErrorItem::Reset() {
    Init({}, errSuccess);
}

void ErrorItem::InitFrom(const ErrorItem& ei, const std::wstring& strDisplayNameToUseIfThereIsNone,
                         bool bSetAppContext) {
    Trapped([&] {
        // Everything is read from ei before Init writes, so that ei may be this record.
        std::wstring context = ei.m_applicationContext;
        Init(ei.Message(), ei.m_errorType, ei.m_number, ei.m_details, ei.m_instructions,
             ei.DisplayNameOr(strDisplayNameToUseIfThereIsNone));
        if (bSetAppContext) {
            m_applicationContext = std::move(context);
        }
    });
}

void ErrorItem::InitFromWithNewMsg(const std::wstring& strNewMsg, const ErrorItem& ei,
                                   const std::wstring& strDisplayNameToUseIfThereIsNone,
                                   bool bSetAppContext) {
    Trapped([&] {
        std::wstring context = ei.m_applicationContext;
        std::wstring details = ei.FormatMsg({}, {}, true, true, false);
        Init(strNewMsg.empty() ? ei.Message() : strNewMsg, ei.m_errorType, ei.m_number,
             std::move(details), ei.m_instructions,
             ei.DisplayNameOr(strDisplayNameToUseIfThereIsNone));
        if (bSetAppContext) {
            m_applicationContext = std::move(context);
        }
    });
}

void ErrorItem::ReInit(const std::wstring& strNewMsg) {
    InitFromWithNewMsg(strNewMsg, *this, {}, false);
}

std::shared_ptr<ErrorItem> ErrorItem::Clone() const {
    return Trapped(std::shared_ptr<ErrorItem>(),
                   [&] { return std::make_shared<ErrorItem>(*this); });
}

void ErrorItem::CloneFrom(const ErrorItem& ei) {
    Trapped([&] {
        // Copied whole before it replaces this record, which a failure leaves as it was.
        ErrorItem copy = ei;
        copy.m_message = ei.Message();
        *this = std::move(copy);
    });
}

std::wstring ErrorItem::DisplayNameOr(const std::wstring& substitute) const {
    return m_displayName.empty() ? substitute : m_displayName;
}

}  // namespace zv

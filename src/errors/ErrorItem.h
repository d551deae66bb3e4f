#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/automation/DateTime.h"
#include "platform/automation/Variant.h"

namespace zv {

// The type of an error record. Stored as a 32-bit value: a record keeps any
// number it is given, named or not.
enum errorLogIcon : std::int32_t {
    errNoIcon = 0,
    errInformation = 1,
    errWarning = 2,
    errCritical = 3,
    errFatal = 4,
    errSuccess = 5,
    errQuestion = 6,
    errCancelled = 7,
    errCompleted = 8,
};

// The record in which the library and its hosts describe the outcome of an
// operation. Methods that can fail fill one instead of raising. A record is
// shared by reference (std::shared_ptr); collections and controls keep a
// Clone of what they are given.
class ErrorItem {
  public:
    static constexpr std::int32_t kStyleNoIcon = 0;
    static constexpr std::int32_t kStyleStopIcon = 16;
    static constexpr std::int32_t kStyleExclamationIcon = 48;
    static constexpr std::int32_t kStyleInformationIcon = 64;

    ErrorItem();

    // Properties

    std::int32_t Number() const noexcept { return m_number; }
    void SetNumber(std::int32_t value) noexcept { m_number = value; }

    errorLogIcon ErrorType() const noexcept { return m_errorType; }
    void SetErrorType(errorLogIcon value) noexcept { m_errorType = value; }

    // The stored message, or when it is empty the text that stands for the
    // record's type: cancelled, success, else DefaultMessage.
    std::wstring Message() const;
    void SetMessage(std::wstring value) { m_message = std::move(value); }

    const std::wstring& DisplayName() const noexcept { return m_displayName; }
    void SetDisplayName(std::wstring value) { m_displayName = std::move(value); }

    const std::wstring& ApplicationContext() const noexcept { return m_applicationContext; }
    void SetApplicationContext(std::wstring value) { m_applicationContext = std::move(value); }

    const std::wstring& DefaultMessage() const noexcept { return m_defaultMessage; }
    void SetDefaultMessage(std::wstring value) { m_defaultMessage = std::move(value); }

    const std::wstring& Instructions() const noexcept { return m_instructions; }
    void SetInstructions(std::wstring value) { m_instructions = std::move(value); }

    const std::wstring& Details() const noexcept { return m_details; }
    void SetDetails(std::wstring value) { m_details = std::move(value); }

    std::int16_t HelpContext() const noexcept { return m_helpContext; }
    void SetHelpContext(std::int16_t value) noexcept { m_helpContext = value; }

    const std::wstring& Tag() const noexcept { return m_tag; }
    void SetTag(std::wstring value) { m_tag = std::move(value); }

    std::int16_t Parent() const noexcept { return m_parent; }
    void SetParent(std::int16_t value) noexcept { m_parent = value; }

    bool TimeStamped() const noexcept { return m_timeStamped; }
    void SetTimeStamped(bool value) noexcept { m_timeStamped = value; }

    Date TimeStamp() const noexcept { return m_timeStamp; }
    // Also marks the record as time-stamped.
    void SetTimeStamp(Date value) noexcept;

    const std::wstring& FormatMsgDefaultDetailsSeparator() const noexcept {
        return m_detailsSeparator;
    }
    void SetFormatMsgDefaultDetailsSeparator(std::wstring value) {
        m_detailsSeparator = std::move(value);
    }

    const std::wstring& FormatMsgDefaultInstructionsSeparator() const noexcept {
        return m_instructionsSeparator;
    }
    void SetFormatMsgDefaultInstructionsSeparator(std::wstring value) {
        m_instructionsSeparator = std::move(value);
    }

    // The icon style flags of the platform message box for the record's type.
    std::int32_t ErrorTypeAsMsgBoxStyle() const noexcept;

    // Queries

    // True as soon as one of the values is numerically equal to ErrorType.
    bool IsErrorType(std::span<const Variant> types) const;
    bool IsCancelled() const noexcept { return m_errorType == errCancelled; }
    bool HasWarningsOrWorse() const noexcept;
    // Whether the stored message (not its substitute) has text, leaving out
    // cancelled and successful records on request.
    bool HasMsg(bool bIgnoreCancel = true, bool bIgnoreSuccess = true) const noexcept;

    // Formatting

    // One line of text: message, details, error number and instructions. Empty
    // separators stand for the record's default separators.
    std::wstring FormatMsg(const std::wstring& sDetailsSeparator = {},
                           const std::wstring& sInstructionsSeparator = {}, bool bIncludeMsg = true,
                           bool bIncludeDetails = true, bool bIncludeInstructions = true) const;

    // Initialisation

    void Init(std::wstring strErr, errorLogIcon errLevel = errWarning, std::int32_t nNumber = 0,
              std::wstring strDetails = {}, std::wstring strInstructions = {},
              std::wstring strDisplayName = {});
    void Reset();
    void InitFrom(const ErrorItem& ei, const std::wstring& strDisplayNameToUseIfThereIsNone = {},
                  bool bSetAppContext = false);
    // Wraps ei under a new headline: ei's message, details and number become
    // the details.
    void InitFromWithNewMsg(const std::wstring& strNewMsg, const ErrorItem& ei,
                            const std::wstring& strDisplayNameToUseIfThereIsNone = {},
                            bool bSetAppContext = false);
    // Moves the record's message, details and number into its details under a
    // new message.
    void ReInit(const std::wstring& strNewMsg);

    // Copying

    // A copy of every stored field; an empty message stays empty.
    std::shared_ptr<ErrorItem> Clone() const;
    // Overwrites every field from ei's getters, so an empty message arrives as
    // its substitute text.
    void CloneFrom(const ErrorItem& ei);

  private:
    std::wstring DisplayNameOr(const std::wstring& substitute) const;

    std::int32_t m_number = 0;
    errorLogIcon m_errorType = errSuccess;
    std::wstring m_message;
    std::wstring m_displayName;
    std::wstring m_applicationContext;
    std::wstring m_defaultMessage;
    std::wstring m_instructions;
    std::wstring m_details;
    std::int16_t m_helpContext = 0;
    std::wstring m_tag;
    std::int16_t m_parent = 0;
    bool m_timeStamped = false;
    Date m_timeStamp;
    std::wstring m_detailsSeparator;
    std::wstring m_instructionsSeparator;
};

}  // namespace zv

#include "errors/ErrorLogFile.h"

#include <exception>

#include "platform/automation/Application.h"
#include "platform/automation/DateTime.h"
#include "platform/text/WideString.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv {

namespace {

constexpr wchar_t kTab = L'\t';
constexpr std::wstring_view kLineEnd = L"\r\n";

void Tell(const std::wstring& message) {
    win::MessageBoxA(win::GetActiveWindow(), ToAnsi(message).c_str(), ToAnsi(App().Title()).c_str(),
                     win::MB_ICONEXCLAMATION | win::MB_OK);
}

std::wstring EntryText(std::int16_t number, const ErrorItem& record) {
    std::wstring text = std::to_wstring(number);
    text += kTab;
    if (record.TimeStamped()) {
        text += FormatGeneralDate(record.TimeStamp());
        text += kTab;
    }
    text += kTab;
    text += ErrorLogFile::GetMessageString(record.ErrorType());
    if (record.Number() != 0) {
        text += L"\tError #" + std::to_wstring(record.Number());
    }
    for (const std::wstring* field : {&record.DisplayName(), &record.ApplicationContext()}) {
        if (!field->empty()) {
            text += kTab;
            text += *field;
        }
    }
    const std::wstring message = record.Message();
    for (const std::wstring* line : {&message, &record.Details(), &record.Instructions()}) {
        if (line == &message || !line->empty()) {
            text += kLineEnd;
            text += kTab;
            text += *line;
        }
    }
    text += kLineEnd;
    return text;
}

}  // namespace

void ErrorLogFile::StartLogging(const std::wstring& strFileName, bool bTruncateExisting) {
    StopLogging();
    if (!m_file.Open(strFileName, bTruncateExisting)) {
        Tell(L"Failed to start logging to file: " + strFileName + L"\r\n\r\n" + m_file.ErrorText());
        return;
    }
    m_entryNumber = 1;
}

void ErrorLogFile::StopLogging() {
    if (!m_file.Close()) {
        Tell(L"Failed to close log file: " + m_file.ErrorText());
    }
}

void ErrorLogFile::WriteEntry(const ErrorItem& errItem) {
    if (!IsLogging()) {
        return;
    }
    std::wstring failure;
    try {
        if (!m_file.Write(win::ToCodePage(EntryText(m_entryNumber, errItem)))) {
            failure = m_file.ErrorText();
        }
    } catch (const std::exception& error) {  // an entry too large to build
        failure = FromUtf8(error.what());
    }
    if (!failure.empty()) {
        Tell(L"Failed to write to file: " + failure +
             L"\r\n\r\nThe log file will be closed and nothing more will be written to it to "
             L"avoid further errors.");
        StopLogging();
        return;
    }
    // The numbers are 16-bit, as the log's readers expect; past the last one
    // they go round rather than stop the log.
    m_entryNumber = static_cast<std::int16_t>(static_cast<std::uint16_t>(m_entryNumber) + 1u);
}

void ErrorLogFile::Save(const std::wstring& strFileName,
                        std::span<const std::shared_ptr<ErrorItem>> records, bool bSaveInfoItems,
                        bool bTruncateExisting) {
    try {
        StartLogging(strFileName, bTruncateExisting);
        for (const auto& record : records) {
            if (!IsLogging()) {
                break;
            }
            if (bSaveInfoItems || record->ErrorType() != errInformation) {
                WriteEntry(*record);
            }
        }
        StopLogging();
    } catch (const std::exception& error) {
        Tell(L"Failed to save log file: " + FromUtf8(error.what()));
    }
}

std::wstring ErrorLogFile::GetMessageString(errorLogIcon errType) {
    switch (errType) {
        case errInformation:
            return L"Information";
        case errWarning:
            return L"Warning";
        case errCritical:
            return L"Critical";
        case errFatal:
            return L"Fatal";
        case errSuccess:
            return L"Success";
        case errQuestion:
            return L"Question";
        case errCancelled:
            return L"Canceled";
        case errCompleted:
            return L"Completed";
        default:
            return {};
    }
}

}  // namespace zv

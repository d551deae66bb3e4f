#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "errors/ErrorItem.h"
#include "platform/win/TextFile.h"

namespace zv {

// What the error list keeps for logging its records to a text file, and the
// writing itself: continuously, one entry per record as it is added
// (StartLogging ... StopLogging), or once, every record (Save). An entry is
// its number, time stamp, type, error number, name and context on a line
// separated by tabs, then the message, details and instructions on lines of
// their own, each after a tab; lines end in CR LF and the text is in the
// platform's code page. Every failure is shown to the user in the platform's
// message box, under the application's title, and ends the logging; none
// reaches the caller.
class ErrorLogFile {
  public:
    // Closes a log that is open, then opens the file, emptied or appended to
    // (created when missing either way); entries are numbered from 1 again.
    void StartLogging(const std::wstring& strFileName, bool bTruncateExisting = true);
    void StopLogging();
    bool IsLogging() const noexcept { return m_file.IsOpen(); }

    // Writes one entry for the record while logging is on.
    void WriteEntry(const ErrorItem& errItem);

    // Writes the records, given in the order they were added, to a file of
    // their own, leaving out information records unless bSaveInfoItems; a
    // log open before is closed and stays closed. The walk ends at the first
    // failure.
    void Save(const std::wstring& strFileName, std::span<const std::shared_ptr<ErrorItem>> records,
              bool bSaveInfoItems = true, bool bTruncateExisting = true);

    // The name of a record type in the log ("Warning", "Canceled", ...);
    // empty for errNoIcon and for values without a name.
    static std::wstring GetMessageString(errorLogIcon errType);

  private:
    win::TextFile m_file;
    std::int16_t m_entryNumber = 1;
};

}  // namespace zv

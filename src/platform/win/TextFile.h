#pragma once

// Files the library writes (error logs), through the platform: POSIX files
// on the headless backend, the system's file handles on Win32. Every write
// goes straight to the operating system, with no buffer in the process, so
// a program that crashes afterwards loses nothing a write has taken.

#include <cstdint>
#include <string>
#include <string_view>

namespace zv::win {

// A text as 8-bit text in the platform's code page, what text files hold:
// Windows-1252 on the headless backend, the system's ANSI code page on
// Win32. A character that the code page lacks becomes '?'.
std::string ToCodePage(std::wstring_view text);

class TextFile {
  public:
    TextFile() = default;
    // Closes an open file, ignoring a failure: there is no one left to tell.
    ~TextFile();
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    // Opens a file for writing, created when missing: emptied when truncate
    // is true, else appended to. A file that is open is closed first. False,
    // with the platform's text for the failure in ErrorText(), when the file
    // cannot be opened.
    bool Open(const std::wstring& path, bool truncate);
    bool IsOpen() const noexcept { return m_open; }

    // Hands every byte to the operating system; false (ErrorText()) when it
    // takes not all of them, or when no file is open.
    bool Write(std::string_view bytes);

    // Lets the file go; false (ErrorText()) when the platform reports a
    // failure, after which the file is not open either.
    bool Close();

    // The platform's description of the last failure: the system's message
    // on Win32, the C library's text for the error number elsewhere.
    const std::wstring& ErrorText() const noexcept { return m_error; }

  private:
    // The backend's calls, each answering 0 or the platform's error code,
    // and the codes that planned failures give.
    struct Native;

    bool Fail(std::uint32_t error);

    std::intptr_t m_handle = 0;
    bool m_open = false;
    std::wstring m_error;
};

}  // namespace zv::win

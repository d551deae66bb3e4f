#include "platform/win/TextFile.h"

#include "platform/win/FileFaults.h"
#include "platform/win/TextFileNative.h"

namespace zv::win {

TextFile::~TextFile() {
    if (m_open) {
        Native::Close(m_handle);
    }
}

bool TextFile::Fail(std::uint32_t error) {
    m_error = Native::Describe(error);
    return false;
}

bool TextFile::Open(const std::wstring& path, bool truncate) {
    Close();
    if (FileOperationFails(FileOperation::Open)) {
        return Fail(Native::kAccessDenied);
    }
    if (const std::uint32_t error = Native::Open(path, truncate, m_handle)) {
        return Fail(error);
    }
    m_open = true;
    return true;
}

bool TextFile::Write(std::string_view bytes) {
    if (!m_open) {
        return Fail(Native::kNotOpen);
    }
    if (FileOperationFails(FileOperation::Write)) {
        return Fail(Native::kDiskFull);
    }
    const std::uint32_t error = Native::Write(m_handle, bytes);
    return error == 0 || Fail(error);
}

bool TextFile::Close() {
    if (!m_open) {
        return true;
    }
    m_open = false;
    // A planned failure still lets the file go, as a failing close does.
    const bool planned = FileOperationFails(FileOperation::Close);
    const std::uint32_t error = Native::Close(m_handle);
    return error != 0 ? Fail(error) : !planned || Fail(Native::kFault);
}

}  // namespace zv::win

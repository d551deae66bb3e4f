// Files through POSIX calls: no stdio buffer stands between a write and the
// operating system.

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "headless/core/Cp1252.h"
#include "platform/text/WideString.h"
#include "platform/win/TextFileNative.h"

namespace zv::win {

const std::uint32_t TextFile::Native::kAccessDenied = EACCES;
const std::uint32_t TextFile::Native::kDiskFull = ENOSPC;
const std::uint32_t TextFile::Native::kFault = EIO;
const std::uint32_t TextFile::Native::kNotOpen = EBADF;

std::string ToCodePage(std::wstring_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const wchar_t ch : text) {
        bytes.push_back(
            static_cast<char>(headless::UnicodeToCp1252(static_cast<char32_t>(ch)).value_or('?')));
    }
    return bytes;
}

std::uint32_t TextFile::Native::Open(const std::wstring& path, bool truncate,
                                     std::intptr_t& handle) {
    const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (truncate ? O_TRUNC : O_APPEND);
    const int fd = ::open(ToUtf8(path).c_str(), flags, 0666);
    if (fd < 0) {
        return static_cast<std::uint32_t>(errno);
    }
    handle = fd;
    return 0;
}

std::uint32_t TextFile::Native::Write(std::intptr_t handle, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(static_cast<int>(handle), bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return written < 0 ? static_cast<std::uint32_t>(errno) : kDiskFull;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

std::uint32_t TextFile::Native::Close(std::intptr_t handle) {
    return ::close(static_cast<int>(handle)) == 0 ? 0 : static_cast<std::uint32_t>(errno);
}

std::wstring TextFile::Native::Describe(std::uint32_t error) {
    return FromUtf8(std::strerror(static_cast<int>(error)));
}

}  // namespace zv::win

// Files through the system's file handles, written without a buffer of the
// process.

#include <algorithm>
#include <string>

#include "platform/win/TextFileNative.h"
#include "win32/Win32.h"

namespace zv::win {

namespace {

::HANDLE HandleOf(std::intptr_t value) {
    return reinterpret_cast<::HANDLE>(value);
}

}  // namespace

const std::uint32_t TextFile::Native::kAccessDenied = ERROR_ACCESS_DENIED;
const std::uint32_t TextFile::Native::kDiskFull = ERROR_DISK_FULL;
const std::uint32_t TextFile::Native::kFault = ERROR_WRITE_FAULT;
const std::uint32_t TextFile::Native::kNotOpen = ERROR_INVALID_HANDLE;

std::string ToCodePage(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int size =
        ::WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.data(), length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

std::uint32_t TextFile::Native::Open(const std::wstring& path, bool truncate,
                                     std::intptr_t& handle) {
    const ::HANDLE file = ::CreateFileW(
        path.c_str(), truncate ? GENERIC_WRITE : FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
        truncate ? CREATE_ALWAYS : OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    // INVALID_HANDLE_VALUE would name the seam's HANDLE inside this namespace.
    if (file == HandleOf(-1)) {
        return ::GetLastError();
    }
    handle = reinterpret_cast<std::intptr_t>(file);
    return 0;
}

std::uint32_t TextFile::Native::Write(std::intptr_t handle, std::string_view bytes) {
    while (!bytes.empty()) {
        const auto chunk = static_cast<::DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        ::DWORD written = 0;
        if (!::WriteFile(HandleOf(handle), bytes.data(), chunk, &written, nullptr)) {
            return ::GetLastError();
        }
        if (written == 0) {
            return kDiskFull;
        }
        bytes.remove_prefix(written);
    }
    return 0;
}

std::uint32_t TextFile::Native::Close(std::intptr_t handle) {
    return ::CloseHandle(HandleOf(handle)) ? 0 : ::GetLastError();
}

// The system's message for an error code, without its closing line break.
std::wstring TextFile::Native::Describe(std::uint32_t error) {
    wchar_t* text = nullptr;
    const ::DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring description(text != nullptr ? text : L"", length);
    ::LocalFree(text);
    while (!description.empty() && (description.back() == L'\r' || description.back() == L'\n' ||
                                    description.back() == L' ')) {
        description.pop_back();
    }
    return description.empty() ? L"Error " + std::to_wstring(error) : description;
}

}  // namespace zv::win

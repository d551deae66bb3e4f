#pragma once

// What each backend gives TextFile: the system's own file calls, which it
// implements in its TextFile unit. Only TextFile's units include this.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/win/TextFile.h"

namespace zv::win {

struct TextFile::Native {
    // The codes that planned failures and a write without a file give.
    static const std::uint32_t kAccessDenied;
    static const std::uint32_t kDiskFull;
    static const std::uint32_t kFault;
    static const std::uint32_t kNotOpen;

    static std::uint32_t Open(const std::wstring& path, bool truncate, std::intptr_t& handle);
    // Hands every byte to the system, however many calls that takes.
    static std::uint32_t Write(std::intptr_t handle, std::string_view bytes);
    static std::uint32_t Close(std::intptr_t handle);
    static std::wstring Describe(std::uint32_t error);
};

}  // namespace zv::win

#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "errors/ErrorItem.h"

namespace zv::test {

inline constexpr auto kSuccessText = L"The operation completed successfully.";
inline constexpr auto kCancelledText = L"The operation was cancelled.";
inline constexpr auto kUnknownText =
    L"An unknown error has occurred.  Please contact Zarvane for assistance.";

inline ErrorItem MakeItem(std::wstring message, errorLogIcon type, std::int32_t number = 0,
                          std::wstring details = {}, std::wstring instructions = {}) {
    ErrorItem item;
    item.Init(std::move(message), type, number, std::move(details), std::move(instructions));
    return item;
}

}  // namespace zv::test

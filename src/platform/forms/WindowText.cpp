#include "platform/forms/WindowText.h"

#include <algorithm>
#include <vector>

#include "platform/text/WideString.h"

namespace zv::forms {

std::wstring WindowTextOf(win::HWND hwnd) {
    const int length = win::GetWindowTextLengthA(hwnd);
    if (length <= 0) {
        return {};
    }
    std::vector<char> text(static_cast<std::size_t>(length) + 1);
    const int copied = win::GetWindowTextA(hwnd, text.data(), length + 1);
    return FromAnsi(std::string_view(text.data(), static_cast<std::size_t>(std::max(copied, 0))));
}

}  // namespace zv::forms

#include "WindowFacts.h"

namespace zv::test {

std::string TextOf(win::HWND hwnd) {
    char text[256] = {};
    win::GetWindowTextA(hwnd, text, static_cast<int>(sizeof text));
    return text;
}

std::string ClassOf(win::HWND hwnd) {
    char name[64] = {};
    win::GetClassNameA(hwnd, name, static_cast<int>(sizeof name));
    return name;
}

}  // namespace zv::test

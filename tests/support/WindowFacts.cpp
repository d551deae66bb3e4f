#include "WindowFacts.h"

namespace zv::test {

std::string TextOf(win::HWND hwnd) {
    std::string text(static_cast<std::size_t>(win::GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        win::GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string ClassOf(win::HWND hwnd) {
    char name[64] = {};
    win::GetClassNameA(hwnd, name, static_cast<int>(sizeof name));
    return name;
}

win::ATOM RegisterClassOf(const char* name, win::WNDPROC proc, int colourIndex, win::UINT style) {
    win::WNDCLASSA windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = proc;
    windowClass.lpszClassName = name;
    windowClass.hbrBackground = colourIndex + 1;
    return win::RegisterClassA(&windowClass);
}

win::RECT WindowRectOf(win::HWND hwnd) {
    win::RECT rect;
    win::GetWindowRect(hwnd, &rect);
    return rect;
}

win::RECT ClientRectOf(win::HWND hwnd) {
    win::RECT rect;
    win::GetClientRect(hwnd, &rect);
    return rect;
}

}  // namespace zv::test

// The window tree beyond parents and siblings on the headless backend:
// re-parenting, enumerating and finding windows; window properties; and the
// alive test of processes.

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "headless/core/Focus.h"
#include "headless/core/Geometry.h"
#include "headless/core/WindowSystem.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv::win {

namespace {

using headless::ClassNameOf;
using headless::FoldName;
using headless::System;
using headless::Window;

bool Matches(LPCSTR wanted, const std::string& actual) {
    return wanted == nullptr || FoldName(wanted) == FoldName(actual);
}

void CollectDescendants(const Window& window, std::vector<HWND>& found) {
    for (HWND child : window.children) {
        found.push_back(child);
        if (const Window* descendant = System().Find(child)) {
            CollectDescendants(*descendant, found);
        }
    }
}

}  // namespace

HWND SetParent(HWND hWndChild, HWND hWndNewParent) {
    Window* window = System().Find(hWndChild);
    const HWND newParent = hWndNewParent != 0 ? hWndNewParent : GetDesktopWindow();
    if (window == nullptr || System().Find(newParent) == nullptr || hWndChild == newParent) {
        return 0;
    }
    // The platform hides the window first and shows it again afterwards, with
    // every notice of both; the window keeps its place relative to its parent.
    const BOOL wasVisible = ShowWindow(hWndChild, SW_HIDE);
    if ((window = System().Find(hWndChild)) == nullptr) {
        return 0;
    }
    const HWND oldParent = window->parent;
    const POINT oldOrigin = headless::ClientOrigin(oldParent);
    const int x = window->rect.left - oldOrigin.x;
    const int y = window->rect.top - oldOrigin.y;
    if (Window* parent = System().Find(oldParent)) {
        std::erase(parent->children, hWndChild);
    }
    window->parent = newParent;
    System().Find(newParent)->children.insert(System().Find(newParent)->children.begin(),
                                              hWndChild);
    SetWindowPos(hWndChild, HWND_TOP, x, y, 0, 0, SWP_NOSIZE);
    if (wasVisible) {
        ShowWindow(hWndChild, SW_SHOW);
    }
    return oldParent == GetDesktopWindow() ? GetDesktopWindow() : oldParent;
}

BOOL EnumChildWindows(HWND hWndParent, WNDENUMPROC lpEnumFunc, LPARAM lParam) {
    const Window* parent = System().Find(hWndParent != 0 ? hWndParent : GetDesktopWindow());
    if (parent == nullptr || lpEnumFunc == nullptr) {
        return FALSE;
    }
    // The list is taken first: windows made during the walk are not visited,
    // and windows destroyed during it are stepped over.
    std::vector<HWND> descendants;
    CollectDescendants(*parent, descendants);
    for (HWND hwnd : descendants) {
        if (IsWindow(hwnd) && !lpEnumFunc(hwnd, lParam)) {
            break;
        }
    }
    return TRUE;
}

HWND FindWindowExA(HWND hWndParent, HWND hWndChildAfter, LPCSTR lpszClass, LPCSTR lpszWindow) {
    const Window* parent = System().Find(hWndParent != 0 ? hWndParent : GetDesktopWindow());
    if (parent == nullptr) {
        return 0;
    }
    const auto& children = parent->children;
    auto from = children.begin();
    if (hWndChildAfter != 0) {
        from = std::find(children.begin(), children.end(), hWndChildAfter);
        if (from == children.end()) {
            return 0;
        }
        ++from;
    }
    const auto found = std::find_if(from, children.end(), [&](HWND hwnd) {
        const Window* window = System().Find(hwnd);
        return window != nullptr && Matches(lpszClass, ClassNameOf(*window)) &&
               Matches(lpszWindow, window->text);
    });
    return found == children.end() ? 0 : *found;
}

BOOL SetPropA(HWND hWnd, LPCSTR lpString, HANDLE hData) {
    Window* window = System().Find(hWnd);
    if (window == nullptr || lpString == nullptr) {
        return FALSE;
    }
    const std::string name = FoldName(lpString);
    const auto found = std::find_if(window->props.begin(), window->props.end(),
                                    [&](const auto& prop) { return prop.first == name; });
    if (found != window->props.end()) {
        found->second = hData;
    } else {
        window->props.emplace_back(name, hData);
    }
    return TRUE;
}

HANDLE GetPropA(HWND hWnd, LPCSTR lpString) {
    const Window* window = System().Find(hWnd);
    if (window == nullptr || lpString == nullptr) {
        return 0;
    }
    const std::string name = FoldName(lpString);
    const auto found = std::find_if(window->props.begin(), window->props.end(),
                                    [&](const auto& prop) { return prop.first == name; });
    return found == window->props.end() ? 0 : found->second;
}

HANDLE RemovePropA(HWND hWnd, LPCSTR lpString) {
    const HANDLE data = GetPropA(hWnd, lpString);
    if (Window* window = System().Find(hWnd); window != nullptr && lpString != nullptr) {
        const std::string name = FoldName(lpString);
        std::erase_if(window->props, [&](const auto& prop) { return prop.first == name; });
    }
    return data;
}

DWORD GetCurrentProcessId() {
    return System().CurrentProcess();
}

HANDLE OpenProcess(DWORD, BOOL, DWORD dwProcessId) {
    // A process handle is the process identifier; nothing needs releasing.
    return System().IsProcessRunning(dwProcessId) ? static_cast<HANDLE>(dwProcessId) : 0;
}

BOOL CloseHandle(HANDLE hObject) {
    return hObject != 0 ? TRUE : FALSE;
}

// Only the program itself is a module here; the system names its file in /proc.
DWORD GetModuleFileNameA(HINSTANCE hModule, LPSTR lpFilename, DWORD nSize) {
    std::error_code error;
    const std::string path = std::filesystem::read_symlink("/proc/self/exe", error).string();
    if (hModule != 0 || error || lpFilename == nullptr || nSize == 0) {
        return 0;
    }
    // As on the platform, a path that does not fit is cut and still ended.
    const std::size_t copied = std::min<std::size_t>(path.size(), nSize - 1);
    std::memcpy(lpFilename, path.data(), copied);
    lpFilename[copied] = '\0';
    return static_cast<DWORD>(copied);
}

}  // namespace zv::win

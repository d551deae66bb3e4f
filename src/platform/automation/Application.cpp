#include "platform/automation/Application.h"

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/automation/AutomationError.h"
#include "platform/text/WideString.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv {

namespace {

// The running program's file as the platform names it; an empty path when it
// cannot, until the host sets the folder itself.
const std::filesystem::path& ProgramFile() {
    static const std::filesystem::path file = [] {
        std::string name(4096, '\0');
        const win::DWORD length =
            win::GetModuleFileNameA(0, name.data(), static_cast<win::DWORD>(name.size()));
        name.resize(length);
        return std::filesystem::path(name);
    }();
    return file;
}

std::wstring ToWide(const std::filesystem::path& path) {
    return FromUtf8(path.string());
}

bool IsValidPointer(std::int16_t pointer) {
    return (pointer >= mouse_pointer::kDefault && pointer <= mouse_pointer::kSizeAll) ||
           pointer == mouse_pointer::kCustom;
}

// The standard cursor that shows a pointer, 0 for the custom icon, which is
// the host's to show.
std::uintptr_t StandardCursorOf(std::int16_t pointer) {
    switch (pointer) {
        case mouse_pointer::kDefault:
        case mouse_pointer::kArrow:
            return win::IDC_ARROW;
        case mouse_pointer::kCrosshair:
            return win::IDC_CROSS;
        case mouse_pointer::kIBeam:
            return win::IDC_IBEAM;
        case mouse_pointer::kIcon:
            return win::IDC_ICON;
        case mouse_pointer::kSize:
        case mouse_pointer::kSizeAll:
            return win::IDC_SIZEALL;
        case mouse_pointer::kSizeNESW:
            return win::IDC_SIZENESW;
        case mouse_pointer::kSizeNS:
            return win::IDC_SIZENS;
        case mouse_pointer::kSizeNWSE:
            return win::IDC_SIZENWSE;
        case mouse_pointer::kSizeWE:
            return win::IDC_SIZEWE;
        case mouse_pointer::kUpArrow:
            return win::IDC_UPARROW;
        case mouse_pointer::kHourglass:
            return win::IDC_WAIT;
        case mouse_pointer::kNoDrop:
            return win::IDC_NO;
        case mouse_pointer::kArrowHourglass:
            return win::IDC_APPSTARTING;
        case mouse_pointer::kArrowQuestion:
            return win::IDC_HELP;
        default:
            return 0;
    }
}

void ShowPointer(std::int16_t pointer) {
    const std::uintptr_t cursor = StandardCursorOf(pointer);
    if (cursor != 0) {
        win::SetCursor(win::LoadCursorA(0, reinterpret_cast<win::LPCSTR>(cursor)));
    }
}

}  // namespace

Application::Application()
    : m_title(ToWide(ProgramFile().stem())),
      m_path(ToWide(ProgramFile().parent_path())),
      m_exeName(m_title) {}

void Application::SetMousePointer(std::int16_t pointer) {
    if (!IsValidPointer(pointer)) {
        throw AutomationError(err::kInvalidPropertyValue);
    }
    m_mousePointer = pointer;
    ShowPointer(pointer);
}

bool Application::ShowMousePointer() const {
    if (m_mousePointer == mouse_pointer::kDefault) {
        return false;
    }
    ShowPointer(m_mousePointer);
    return true;
}

Application& App() {
    static Application application;
    return application;
}

}  // namespace zv

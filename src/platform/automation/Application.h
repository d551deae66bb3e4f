#pragma once

#include <cstdint>
#include <string>

namespace zv {

// The platform's mouse-pointer codes for the application-wide pointer.
namespace mouse_pointer {
inline constexpr std::int16_t kDefault = 0;  // each window shows its own cursor
inline constexpr std::int16_t kArrow = 1;
inline constexpr std::int16_t kCrosshair = 2;
inline constexpr std::int16_t kIBeam = 3;
inline constexpr std::int16_t kIcon = 4;
inline constexpr std::int16_t kSize = 5;  // four arrows
inline constexpr std::int16_t kSizeNESW = 6;
inline constexpr std::int16_t kSizeNS = 7;
inline constexpr std::int16_t kSizeNWSE = 8;
inline constexpr std::int16_t kSizeWE = 9;
inline constexpr std::int16_t kUpArrow = 10;
inline constexpr std::int16_t kHourglass = 11;
inline constexpr std::int16_t kNoDrop = 12;
inline constexpr std::int16_t kArrowHourglass = 13;
inline constexpr std::int16_t kArrowQuestion = 14;
inline constexpr std::int16_t kSizeAll = 15;
inline constexpr std::int16_t kCustom = 99;  // the host's own icon
}  // namespace mouse_pointer

// The application object: what the library knows of the program it runs in
// (its title, its folder and file name) and the application-wide mouse
// pointer. There is one per process, given by App(); on the headless backend
// ResetWindowSystem replaces it with a fresh one, as a new process would have.
class Application {
  public:
    // As the program starts: titled with its file name, the default pointer.
    Application();

    const std::wstring& Title() const noexcept { return m_title; }
    void SetTitle(std::wstring title) { m_title = std::move(title); }

    // The folder of the running program, without a trailing separator. Hosts
    // and tests may point it elsewhere (where the program's files are kept).
    const std::wstring& Path() const noexcept { return m_path; }
    void SetPath(std::wstring path) { m_path = std::move(path); }

    // The program's file name without its extension.
    const std::wstring& EXEName() const noexcept { return m_exeName; }

    // The application-wide pointer (mouse_pointer codes). Setting it shows the
    // window system's matching cursor at once, where there is one; a code
    // outside 0..15 and 99 raises invalid property value (380).
    std::int16_t MousePointer() const noexcept { return m_mousePointer; }
    void SetMousePointer(std::int16_t pointer);

    // For a window asked for its cursor (WM_SETCURSOR): shows the
    // application-wide pointer and answers true, or answers false when the
    // window should show its own.
    bool ShowMousePointer() const;

  private:
    std::wstring m_title;
    std::wstring m_path;
    std::wstring m_exeName;
    std::int16_t m_mousePointer = mouse_pointer::kDefault;
};

// The process's application object.
Application& App();

}  // namespace zv

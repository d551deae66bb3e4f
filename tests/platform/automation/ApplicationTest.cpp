#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#include "PlatformTest.h"
#include "platform/automation/Application.h"
#include "platform/automation/AutomationError.h"
#include "platform/driver/Driver.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"
#include "support/ErrorNumber.h"

namespace zv::test {
namespace {

win::HCURSOR StandardCursor(std::uintptr_t id) {
    return win::LoadCursorA(0, reinterpret_cast<win::LPCSTR>(id));
}

std::int32_t PointerError(std::int16_t pointer) {
    return test::ErrorNumberOf([&] { App().SetMousePointer(pointer); });
}

class ApplicationObject : public PlatformTest {};

TEST_F(ApplicationObject, MousePointerStartsAtTheDefaultAndKeepsEveryPlatformCode) {
    EXPECT_EQ(App().MousePointer(), mouse_pointer::kDefault);
    for (std::int16_t pointer = 0; pointer <= 15; ++pointer) {
        App().SetMousePointer(pointer);
        EXPECT_EQ(App().MousePointer(), pointer);
    }
    App().SetMousePointer(mouse_pointer::kCustom);
    EXPECT_EQ(App().MousePointer(), mouse_pointer::kCustom);
}

TEST_F(ApplicationObject, MousePointerRejectsOtherCodesWith380AndACustomOneLeavesTheCursor) {
    App().SetMousePointer(mouse_pointer::kHourglass);
    const std::int16_t rejected[] = {-1, 16, 98, 100, -32768};
    for (const std::int16_t pointer : rejected) {
        EXPECT_EQ(PointerError(pointer), err::kInvalidPropertyValue) << pointer;
    }
    EXPECT_EQ(App().MousePointer(), mouse_pointer::kHourglass);
    EXPECT_EQ(win::GetCursor(), StandardCursor(win::IDC_WAIT));

    // A custom pointer leaves the cursor to the host.
    App().SetMousePointer(mouse_pointer::kHourglass);
    App().SetMousePointer(mouse_pointer::kCustom);
    EXPECT_EQ(win::GetCursor(), StandardCursor(win::IDC_WAIT));
}

TEST_F(ApplicationObject, EveryStandardPointerShowsItsSystemCursor) {
    const std::pair<std::int16_t, std::uintptr_t> kShapes[] = {
        {mouse_pointer::kHourglass, win::IDC_WAIT},
        {mouse_pointer::kIBeam, win::IDC_IBEAM},
        {mouse_pointer::kSizeWE, win::IDC_SIZEWE},
        {mouse_pointer::kCrosshair, win::IDC_CROSS},
        {mouse_pointer::kIcon, win::IDC_ICON},
        {mouse_pointer::kSizeNESW, win::IDC_SIZENESW},
        {mouse_pointer::kSizeNWSE, win::IDC_SIZENWSE},
        {mouse_pointer::kUpArrow, win::IDC_UPARROW},
        {mouse_pointer::kNoDrop, win::IDC_NO},
        {mouse_pointer::kArrowHourglass, win::IDC_APPSTARTING},
        {mouse_pointer::kArrowQuestion, win::IDC_HELP},
        {mouse_pointer::kDefault, win::IDC_ARROW},
    };
    for (const auto& [pointer, cursor] : kShapes) {
        App().SetMousePointer(pointer);
        EXPECT_NE(StandardCursor(cursor), 0) << pointer;
        EXPECT_EQ(win::GetCursor(), StandardCursor(cursor)) << pointer;
    }
}

TEST_F(ApplicationObject, StartsWithTheRunningProgramsFolderAndName) {
    const std::filesystem::path folder(App().Path());
    EXPECT_TRUE(folder.is_absolute());
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(App().EXEName(), L"zvtest_application");
    EXPECT_EQ(App().Title(), App().EXEName());
}

#if !defined(_WIN32)

TEST_F(ApplicationObject, AFreshDesktopBringsAFreshApplicationObject) {
    const std::wstring path = App().Path();
    App().SetTitle(L"Changed");
    App().SetPath(L"/elsewhere");
    App().SetMousePointer(mouse_pointer::kHourglass);
    driver::ResetWindowSystem();
    EXPECT_EQ(App().Title(), App().EXEName());
    EXPECT_EQ(App().Path(), path);
    EXPECT_EQ(App().MousePointer(), mouse_pointer::kDefault);
}
#endif

}  // namespace
}  // namespace zv::test

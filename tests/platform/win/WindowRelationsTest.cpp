// Parents, owners, siblings in z-order, texts, classes and window longs.

#include <array>
#include <string>

#include "PlatformTest.h"
#include "WindowFacts.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

class WindowRelations : public PlatformTest {};

// Children stand in the order they were made; top-level windows the other
// way round, the newest on top.
TEST_F(WindowRelations, NewChildrenGoBelowTheirSiblings) {
    const HWND parent = CreateRecorder("parent", WS_POPUP);
    const HWND first = CreateRecorder("first", WS_CHILD, parent, 1);
    const HWND second = CreateRecorder("second", WS_CHILD, parent, 2);
    const HWND third = CreateRecorder("third", WS_CHILD, parent, 3);

    EXPECT_EQ(GetWindow(parent, GW_CHILD), first);
    EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), second);
    EXPECT_EQ(GetWindow(second, GW_HWNDNEXT), third);
    EXPECT_EQ(GetWindow(third, GW_HWNDNEXT), 0);
    EXPECT_EQ(GetWindow(third, GW_HWNDPREV), second);
    EXPECT_EQ(GetWindow(second, GW_HWNDFIRST), first);
    EXPECT_EQ(GetWindow(first, GW_HWNDLAST), third);
    EXPECT_EQ(GetWindow(first, GW_HWNDPREV), 0);
}

TEST_F(WindowRelations, NewTopLevelWindowsGoOnTop) {
    const HWND older = CreateRecorder("older", WS_POPUP);
    const HWND newer = CreateRecorder("newer", WS_POPUP);
    EXPECT_EQ(GetWindow(newer, GW_HWNDNEXT), older);
}

TEST_F(WindowRelations, ParentOfChildrenOwnerOfPopupsNothingForOverlapped) {
    const HWND main = CreateRecorder("main", WS_OVERLAPPED);
    const HWND child = CreateRecorder("child", WS_CHILD, main, 1);
    const HWND popup = CreateRecorder("popup", WS_POPUP, child);
    const HWND tool = CreateRecorder("tool", WS_OVERLAPPED, main);

    EXPECT_EQ(GetParent(child), main);
    EXPECT_EQ(GetParent(main), 0);
    // The owner of a window is always top-level, whatever window was given.
    EXPECT_EQ(GetWindow(popup, GW_OWNER), main);
    EXPECT_EQ(GetParent(popup), main);
    EXPECT_EQ(GetWindow(tool, GW_OWNER), main);
    EXPECT_EQ(GetParent(tool), 0);
    EXPECT_EQ(GetWindow(child, GW_OWNER), 0);
}

TEST_F(WindowRelations, TopLevelWindowsAreChildrenOfTheDesktop) {
    const HWND desktop = GetDesktopWindow();
    EXPECT_TRUE(IsWindow(desktop));
    const HWND main = CreateRecorder("main", WS_POPUP);
    EXPECT_EQ(GetWindow(desktop, GW_CHILD), main);
    EXPECT_FALSE(DestroyWindow(desktop));
    char name[16] = {};
    EXPECT_EQ(GetClassNameA(desktop, name, sizeof name), 6);
    EXPECT_STREQ(name, "#32769");
}

TEST_F(WindowRelations, TextTravelsThroughMessages) {
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    MessageLog::Current().Clear();

    EXPECT_TRUE(SetWindowTextA(hwnd, "Network IDs"));
    char text[64] = "sentinel";
    EXPECT_EQ(GetWindowTextA(hwnd, text, sizeof text), 11);
    EXPECT_STREQ(text, "Network IDs");
    EXPECT_EQ(GetWindowTextLengthA(hwnd), 11);

    const std::array WmTextSeq = {
        ExpectedMessage{"window", WM_SETTEXT},
        ExpectedMessage{"window", WM_GETTEXT, kWParam, sizeof text},
        ExpectedMessage{"window", WM_GETTEXTLENGTH},
    };
    EXPECT_SEQUENCE(WmTextSeq);
}

TEST_F(WindowRelations, TextIsCutToTheBufferAndClassNamesFoundWithoutRegardToCase) {
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    char text[5] = "xxxx";
    EXPECT_EQ(GetWindowTextA(hwnd, text, sizeof text), 4);  // the creation text "window"
    EXPECT_STREQ(text, "wind");
    EXPECT_EQ(GetWindowTextA(hwnd, text, 0), 0);

    // Class names are found without regard to case.
    EXPECT_EQ(RegisterClassOf("zvrecorder", RecorderProc), 0);  // already registered

    const HWND found = CreateWindowExA(0, "ZVRECORDER", "", WS_POPUP, 0, 0, 1, 1, 0, 0, 0, nullptr);
    char name[32] = {};
    EXPECT_EQ(GetClassNameA(found, name, sizeof name), 10);
    EXPECT_STREQ(name, kRecorderClass);
}

// Top-level windows keep WS_CLIPSIBLINGS whatever style they are given.
TEST_F(WindowRelations, StyleChangesAreAnnounced) {
    const HWND hwnd = CreateRecorder("window", WS_POPUP);
    MessageLog::Current().Clear();

    EXPECT_EQ(SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(WS_POPUP | WS_DISABLED)),
              static_cast<LONG>(WS_POPUP | WS_CLIPSIBLINGS));
    EXPECT_EQ(GetWindowLongA(hwnd, GWL_STYLE),
              static_cast<LONG>(WS_POPUP | WS_DISABLED | WS_CLIPSIBLINGS));

    // The index is an int in a WPARAM: all of it on 32-bit Windows, and so on
    // the headless backend; sign-extended on 64-bit Windows.
#if defined(_WIN64)
    const auto index = static_cast<WPARAM>(GWL_STYLE);
#else
    const auto index = static_cast<WPARAM>(static_cast<DWORD>(GWL_STYLE));
#endif
    const std::array WmStyleChangeSeq = {
        ExpectedMessage{"window", WM_STYLECHANGING, kWParam, index},
        ExpectedMessage{"window", WM_STYLECHANGED, kWParam, index},
    };
    EXPECT_SEQUENCE(WmStyleChangeSeq);
}

TEST_F(WindowRelations, OtherLongsAreStoredAsGiven) {
    const HWND parent = CreateRecorder("parent", WS_POPUP);
    const HWND child = CreateRecorder("child", WS_CHILD, parent, 77);
    EXPECT_EQ(GetWindowLongA(child, GWL_ID), 77);
    EXPECT_EQ(SetWindowLongA(child, GWL_USERDATA, 1234), 0);
    EXPECT_EQ(GetWindowLongA(child, GWL_USERDATA), 1234);
    EXPECT_EQ(SetWindowLongA(child, GWL_HINSTANCE, 400), 0);
    EXPECT_EQ(GetWindowLongA(child, GWL_HINSTANCE), 400);
}

}  // namespace
}  // namespace zv::test

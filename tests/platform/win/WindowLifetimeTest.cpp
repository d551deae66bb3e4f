// Creation and destruction: which window hears which message, in what order.

#include <array>

#include "PlatformTest.h"
#include "WindowFacts.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

constexpr WPARAM ParentNotifyParam(UINT event, int id) {
    return static_cast<WPARAM>((static_cast<UINT>(id) << 16) | event);
}

class WindowLifetime : public PlatformTest {};

constexpr std::array WmCreateOverlappedSeq = {
    ExpectedMessage{"main", WM_GETMINMAXINFO},
    ExpectedMessage{"main", WM_NCCREATE},
    ExpectedMessage{"main", WM_NCCALCSIZE, kWParam, 0},
    ExpectedMessage{"main", WM_CREATE},
};

constexpr std::array WmCreatePopupSeq = {
    ExpectedMessage{"popup", WM_NCCREATE},
    ExpectedMessage{"popup", WM_NCCALCSIZE, kWParam, 0},
    ExpectedMessage{"popup", WM_CREATE},
    ExpectedMessage{"popup", WM_SIZE, kBothParams, SIZE_RESTORED, MakeLParam(100, 50)},
    ExpectedMessage{"popup", WM_MOVE, kLParam, 0, MakeLParam(10, 20)},
};

TEST_F(WindowLifetime, AnOverlappedWindowPutsOffItsSizeMessagesWhereAPopupHearsThem) {
    CreateRecorder("main", WS_OVERLAPPED | WS_CAPTION);
    EXPECT_SEQUENCE(WmCreateOverlappedSeq);
    MessageLog::Current().Clear();
    CreateRecorder("popup", WS_POPUP);
    EXPECT_SEQUENCE(WmCreatePopupSeq);
}

TEST_F(WindowLifetime, ChildCreationNotifiesTheParentLast) {
    const HWND parent = CreateRecorder("parent", WS_POPUP);
    MessageLog::Current().Clear();
    const HWND child = CreateRecorder("child", WS_CHILD, parent, 7);
    const std::array WmCreateChildSeq = {
        ExpectedMessage{"child", WM_NCCREATE},
        ExpectedMessage{"child", WM_NCCALCSIZE, kWParam, 0},
        ExpectedMessage{"child", WM_CREATE},
        ExpectedMessage{"child", WM_SIZE, kBothParams, SIZE_RESTORED, MakeLParam(100, 50)},
        ExpectedMessage{"child", WM_MOVE, kLParam, 0, MakeLParam(10, 20)},
        ExpectedMessage{"parent", WM_PARENTNOTIFY, kBothParams, ParentNotifyParam(WM_CREATE, 7),
                        child},
    };
    EXPECT_SEQUENCE(WmCreateChildSeq);
}

TEST_F(WindowLifetime, OnlyTheParentHearsOfAGrandchild) {
    const HWND top = CreateRecorder("top", WS_POPUP);
    const HWND parent = CreateRecorder("parent", WS_CHILD, top, 1);
    MessageLog::Current().Clear();
    CreateRecorder("grandchild", WS_CHILD, parent, 2);
    const auto& messages = MessageLog::Current().Messages();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().hwnd, parent);
    EXPECT_EQ(messages.back().message, WM_PARENTNOTIFY);
    for (const auto& message : messages) {
        EXPECT_NE(message.hwnd, top);
    }
}

TEST_F(WindowLifetime, NoParentNotifyStyleKeepsTheParentUninformed) {
    const HWND parent = CreateRecorder("parent", WS_POPUP);
    MessageLog::Current().Clear();
    const HWND child = CreateRecorder("child", WS_CHILD, parent, 3, WS_EX_NOPARENTNOTIFY);
    MessageLog::Current().Clear();
    DestroyWindow(child);
    const std::array WmDestroyQuietChildSeq = {
        ExpectedMessage{"child", WM_DESTROY},
        ExpectedMessage{"child", WM_NCDESTROY},
    };
    EXPECT_SEQUENCE(WmDestroyQuietChildSeq);
}

TEST_F(WindowLifetime, DestroyReachesParentsBeforeChildrenAndNcDestroyTheOtherWay) {
    const HWND top = CreateRecorder("top", WS_POPUP);
    const HWND first = CreateRecorder("first", WS_CHILD, top, 1);
    CreateRecorder("inner", WS_CHILD, first, 3);
    const HWND second = CreateRecorder("second", WS_CHILD, top, 2);
    MessageLog::Current().Clear();

    EXPECT_TRUE(DestroyWindow(top));

    // Children in z-order: "first", made first, stands above "second".
    const std::array WmDestroyTreeSeq = {
        ExpectedMessage{"top", WM_DESTROY},      ExpectedMessage{"first", WM_DESTROY},
        ExpectedMessage{"inner", WM_DESTROY},    ExpectedMessage{"second", WM_DESTROY},
        ExpectedMessage{"inner", WM_NCDESTROY},  ExpectedMessage{"first", WM_NCDESTROY},
        ExpectedMessage{"second", WM_NCDESTROY}, ExpectedMessage{"top", WM_NCDESTROY},
    };
    EXPECT_SEQUENCE(WmDestroyTreeSeq);
    EXPECT_FALSE(IsWindow(top));
    EXPECT_FALSE(IsWindow(first));
    EXPECT_FALSE(IsWindow(second));
}

TEST_F(WindowLifetime, DestroyingAChildTellsItsParentFirst) {
    const HWND parent = CreateRecorder("parent", WS_POPUP);
    const HWND child = CreateRecorder("child", WS_CHILD, parent, 9);
    MessageLog::Current().Clear();
    DestroyWindow(child);
    const std::array WmDestroyChildSeq = {
        ExpectedMessage{"parent", WM_PARENTNOTIFY, kBothParams, ParentNotifyParam(WM_DESTROY, 9),
                        child},
        ExpectedMessage{"child", WM_DESTROY},
        ExpectedMessage{"child", WM_NCDESTROY},
    };
    EXPECT_SEQUENCE(WmDestroyChildSeq);
    EXPECT_TRUE(IsWindow(parent));
    EXPECT_EQ(GetWindow(parent, GW_CHILD), 0);
}

TEST_F(WindowLifetime, OwnedWindowsGoBeforeTheirOwner) {
    const HWND owner = CreateRecorder("owner", WS_POPUP);
    const HWND owned = CreateRecorder("owned", WS_POPUP, owner);
    MessageLog::Current().Clear();
    DestroyWindow(owner);
    const std::array WmDestroyOwnerSeq = {
        ExpectedMessage{"owned", WM_DESTROY},
        ExpectedMessage{"owned", WM_NCDESTROY},
        ExpectedMessage{"owner", WM_DESTROY},
        ExpectedMessage{"owner", WM_NCDESTROY},
    };
    EXPECT_SEQUENCE(WmDestroyOwnerSeq);
    EXPECT_FALSE(IsWindow(owned));
}

TEST_F(WindowLifetime, StaleHandlesNeverComeBackToLife) {
    const HWND first = CreateRecorder("first", WS_POPUP);
    DestroyWindow(first);
    const HWND second = CreateRecorder("second", WS_POPUP);
    EXPECT_NE(first, second);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(IsWindow(second));
    EXPECT_FALSE(DestroyWindow(first));
    EXPECT_EQ(SendMessageA(first, WM_USER, 0, 0), 0);
    EXPECT_EQ(GetWindowLongA(first, GWL_STYLE), 0);
}

TEST_F(WindowLifetime, ChildNeedsAParent) {
    EXPECT_EQ(CreateRecorder("orphan", WS_CHILD, 0), 0);
    EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, 0, 0, 0, nullptr), 0);
}

// A window whose procedure refuses WM_CREATE.
LRESULT ZV_CALLBACK RefuseCreate(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MessageLog::Current().Record({hwnd, message, wParam, lParam});
    return message == WM_CREATE ? -1 : DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(WindowLifetime, RefusedCreationOnlyHearsNcDestroy) {
    ASSERT_NE(RegisterClassOf("Refusing", RefuseCreate), 0);

    EXPECT_EQ(CreateWindowExA(0, "refusing", "r", WS_POPUP, 0, 0, 1, 1, 0, 0, 0, nullptr), 0);

    const auto& messages = MessageLog::Current().Messages();
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages[2].message, WM_CREATE);
    EXPECT_EQ(messages[3].message, WM_NCDESTROY);
    EXPECT_FALSE(IsWindow(messages[3].hwnd));
}

// A window that destroys itself while it is being created.
LRESULT ZV_CALLBACK DestroyInCreate(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        DestroyWindow(hwnd);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(WindowLifetime, WindowDestroyedDuringCreationIsNoWindow) {
    ASSERT_NE(RegisterClassOf("SelfDestroying", DestroyInCreate), 0);
    const HWND parent = CreateRecorder("parent", WS_POPUP);
    MessageLog::Current().Clear();

    EXPECT_EQ(CreateWindowExA(0, "SelfDestroying", "", WS_CHILD, 0, 0, 1, 1, parent, 4, 0, nullptr),
              0);
    // The parent heard of the destruction, never of a finished creation.
    ASSERT_EQ(MessageLog::Current().Messages().size(), 1u);
    EXPECT_EQ(MessageLog::Current().Messages()[0].wParam, ParentNotifyParam(WM_DESTROY, 4));
}

}  // namespace
}  // namespace zv::test

// Delivering a message through the registry does not allocate once the
// window and its managers are warm, as the suite's counting operator new
// shows.

#include <memory>

#include "TestMemory.h"
#include "WatchTest.h"
#include "platform/win/WinConstants.h"

namespace zv::test {
namespace {

using namespace zv::win;

constexpr UINT WM_PING = WM_USER + 1;
constexpr UINT WM_NESTED = WM_USER + 2;

class Allocation : public PlatformTest {};

LRESULT ZV_CALLBACK QuietProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return message >= WM_USER ? static_cast<LRESULT>(wParam) + lParam
                              : DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(Allocation, MessagesToAWarmWindowDoNotAllocate) {
    WNDCLASSA quiet;
    quiet.lpfnWndProc = QuietProc;
    quiet.lpszClassName = "ZvQuiet";
    RegisterClassA(&quiet);
    const HWND hwnd = CreateWindowExA(0, "ZvQuiet", "", WS_POPUP, 0, 0, 10, 10, 0, 0, 0, nullptr);
    const auto mgr1 = WindowProcMgr::Create();
    const auto mgr2 = WindowProcMgr::Create();
    long seen = 0;
    // The first manager sends a nested message and swallows every other
    // one; both hear every answer.
    mgr1->OnMessage.Connect(
        [&](HWND h, UINT uMsg, WPARAM wParam, LPARAM, bool& bHandled, LRESULT& answer) {
            ++seen;
            if (uMsg == WM_PING && (wParam & 1) != 0) {
                SendMessageA(h, WM_NESTED, wParam, 0);
            }
            if (uMsg == WM_PING && (wParam & 2) != 0) {
                bHandled = true;
                answer = 5;
            }
        });
    mgr1->OnMessageProcessed.Connect([&](HWND, UINT, WPARAM, LPARAM, LRESULT) { ++seen; });
    mgr2->OnMessage.Connect([&](HWND, UINT, WPARAM, LPARAM, bool&, LRESULT&) { ++seen; });
    mgr2->OnMessageProcessed.Connect([&](HWND, UINT, WPARAM, LPARAM, LRESULT) { ++seen; });
    mgr1->Subclass(hwnd);
    mgr2->Subclass(hwnd);
    for (WPARAM i = 0; i < 16; ++i) {
        SendMessageA(hwnd, WM_PING, i, 0);
    }

    seen = 0;
    const std::size_t before = AllocationCount();
    bool answersRight = true;
    for (WPARAM i = 0; i < 1000; ++i) {
        const LRESULT expected = (i & 2) != 0 ? 5 : static_cast<LRESULT>(i) + 1;
        answersRight = SendMessageA(hwnd, WM_PING, i, 1) == expected && answersRight;
    }
    const std::size_t allocated = AllocationCount() - before;

    EXPECT_EQ(allocated, 0u);
    EXPECT_TRUE(answersRight);
    // Every message went all the way: mgr1 saw each, mgr2 those not
    // swallowed, both heard every answer, and half had a nested message.
    EXPECT_EQ(seen, 1000 + 500 + 1000 * 2 + 500 * 4);

    mgr1->UnSubclassAll();
    mgr2->UnSubclassAll();
}

}  // namespace
}  // namespace zv::test

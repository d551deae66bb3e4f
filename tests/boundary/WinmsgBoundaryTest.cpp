// The window plumbing with failing handlers, host objects and memory: each
// member gives its neutral result and keeps working afterwards.

#include <memory>
#include <string>

#include "BoundaryTest.h"
#include "TestMemory.h"
#include "WindowFacts.h"
#include "platform/automation/AutomationObject.h"
#include "platform/win/WinConstants.h"
#include "winmsg/AutoScope.h"
#include "winmsg/CallbackFcn.h"
#include "winmsg/ParentMsgForwarder.h"
#include "winmsg/TimerNoUI.h"
#include "winmsg/WindowHookMgr.h"
#include "winmsg/WindowProcMgr.h"
#include "winmsg/modAutoMousePointer.h"
#include "winmsg/modWindowHookMgr.h"

namespace zv::test {
namespace {

using namespace zv::win;

HWND PlainWindow() {
    RegisterClassOf("ZvBoundaryPlain", DefWindowProcA);
    return CreateWindowExA(0, "ZvBoundaryPlain", "", WS_POPUP, 0, 0, 10, 10, 0, 0, 0, nullptr);
}

// A host's method that runs out of memory.
class FailingHost : public AutomationObject {
  public:
    FailingHost() {
        Expose(1, L"Run").Method([](Variant&) { OutOfMemory(); });
    }
};

// A host's scope whose ending fails.
class FailingScope : public IAutoScope {
  public:
    void Terminate(const std::wstring&) override { Unreadable(); }
};

const BoundaryRow kRows[] = {
    {"WindowProcMgr_WindowProc",
     [] {
         const auto manager = WindowProcMgr::Create();
         manager->OnMessage.Connect([](HWND, UINT, WPARAM, LPARAM, bool&, LRESULT& answer) {
             answer = 7;
             Unreadable();
         });
         bool handled = false;
         return manager->WindowProc(PlainWindow(), WM_USER, 0, 0, handled) == 7;
     }},
    {"WindowProcMgr_WindowProcDone",
     [] {
         const auto manager = WindowProcMgr::Create();
         manager->OnMessageProcessed.Connect(
             [](HWND, UINT, WPARAM, LPARAM, LRESULT) { OutOfMemory(); });
         manager->WindowProcDone(PlainWindow(), WM_USER, 0, 0, 0);
         return true;
     }},
    {"WindowProcMgr_Subclass",
     [] {
         const auto manager = WindowProcMgr::Create();
         const HWND hwnd = PlainWindow();
         WithoutMemory([&] { manager->Subclass(hwnd); });
         return !WindowProcMgr::AnySubclassedWindowsRemaining();
     }},
    {"WindowProcMgr_AnySubclassedWindowsRemaining",
     [] {
         const auto manager = WindowProcMgr::Create();
         manager->Subclass(PlainWindow());
         Collection<std::int32_t> windows;
         const bool any =
             WithoutMemory([&] { return WindowProcMgr::AnySubclassedWindowsRemaining(&windows); });
         manager->UnSubclassAll();
         return !any;
     }},
    {"WindowProcMgr_UnSubclass",
     [] {
         // Inside one of the window's messages the release is put off, which
         // needs memory; without it the window stays subclassed.
         const auto manager = WindowProcMgr::Create();
         const HWND hwnd = PlainWindow();
         manager->Subclass(hwnd);
         manager->OnMessage.Connect([&](HWND, UINT message, WPARAM, LPARAM, bool&, LRESULT&) {
             if (message == WM_USER) {
                 WithoutMemory([&] { manager->UnSubclass(hwnd); });
             }
         });
         SendMessageA(hwnd, WM_USER, 0, 0);
         const bool stays = WindowProcMgr::AnySubclassedWindowsRemaining();
         manager->UnSubclassAll();
         return stays;
     }},
    {"WindowHookMgr_Hook",
     [] {
         const auto manager = WindowHookMgr::Create();
         const HWND hwnd = PlainWindow();
         WithoutMemory([&] { manager->Hook(hwnd); });
         return !modWindowHookMgr::IsWindowHooked(hwnd);
     }},
    {"WindowHookMgr_GetMsgProc",
     [] {
         const auto manager = WindowHookMgr::Create();
         manager->OnMessage.Connect([](HWND, UINT&, WPARAM&, LPARAM&) { OutOfMemory(); });
         UINT message = WM_USER;
         WPARAM wParam = 0;
         LPARAM lParam = 0;
         manager->GetMsgProc(PlainWindow(), message, wParam, lParam);
         return message == WM_USER;
     }},
    {"ParentMsgForwarder_SetWindowProcMgrToUse",
     [] {
         // Still forwarding through the manager it had.
         ParentMsgForwarder forwarder;
         HWND parent = PlainWindow();
         HWND oldParent = PlainWindow();
         forwarder.StartForwarding(parent, oldParent);
         int heard = 0;
         forwarder.OnUnknownMessage.Connect([&](HWND, UINT&, WPARAM&, LPARAM&, bool&) { ++heard; });
         WithoutMemory([&] { forwarder.SetWindowProcMgrToUse(nullptr); });
         SendMessageA(parent, WM_USER, 0, 0);
         return heard == 1;
     }},
    {"ParentMsgForwarder_StartForwarding",
     [] {
         // Not forwarding through a parent it could not subclass.
         ParentMsgForwarder forwarder;
         HWND parent = PlainWindow();
         HWND oldParent = PlainWindow();
         WithoutMemory([&] { forwarder.StartForwarding(parent, oldParent); });
         return !WindowProcMgr::AnySubclassedWindowsRemaining();
     }},
    {"TimerNoUI_StartTimer",
     [] {
         TimerNoUI timer;
         WithoutMemory([&] { timer.StartTimer(10); });
         return true;
     }},
    {"CallbackFcn_CallFcn",
     [] {
         CallbackFcn callback;
         callback.SetFcnObject(std::make_shared<FailingHost>());
         callback.SetFcnName(L"Run");
         return callback.CallFcn(Variant(7)).ToInt32() == 7;
     }},
    {"NewAutoScope",
     [] {
         std::wstring key(64, L'k');
         return WithoutMemory([&] { return NewAutoScope(nullptr, std::move(key)); }) == nullptr;
     }},
    {"AutoScope_Release",
     [] {
         auto scope = NewAutoScope(std::make_shared<FailingScope>(), L"k");
         scope.reset();
         return true;
     }},
    {"NewAutoMousePointer",
     [] { return WithoutMemory([] { return NewAutoMousePointer(11); }) == nullptr; }},
};

INSTANTIATE_TEST_SUITE_P(Winmsg, Boundary, testing::ValuesIn(kRows), MemberOf);

}  // namespace
}  // namespace zv::test

// Thread hooks of the headless backend. A chain is the hooks of one type on
// one thread, the newest first. As on the platform, CallNextHookEx goes on
// from the hook being called rather than from the handle it is given, so a
// hook that removes itself while it runs still passes the call on.

#include <algorithm>
#include <cstring>

#include "headless/core/WindowSystem.h"
#include "platform/win/WinApi.h"
#include "platform/win/WinConstants.h"

namespace zv::headless {

namespace {

bool IsSupportedType(int type) {
    return type == WH_GETMESSAGE || type == WH_CBT;
}

// The newest hook of the chain installed before `before` (0: the newest of
// all), or null.
const Hook* NextInChain(DWORD thread, int type, HHOOK before) {
    const Hook* next = nullptr;
    for (const Hook& hook : System().Hooks()) {
        if (hook.thread == thread && hook.type == type && (before == 0 || hook.handle < before) &&
            (next == nullptr || hook.handle > next->handle)) {
            next = &hook;
        }
    }
    return next;
}

// Calls one hook, remembering it as the thread's current one while it runs.
LRESULT CallHook(Thread& thread, const Hook& hook, int code, WPARAM wParam, LPARAM lParam) {
    const HOOKPROC proc = hook.proc;  // the hook may go while it runs
    thread.hookCalls.push_back(HookCall{hook.type, hook.handle});
    const LRESULT result = proc(code, wParam, lParam);
    thread.hookCalls.pop_back();
    return result;
}

}  // namespace

LRESULT CallHooks(int type, int code, WPARAM wParam, LPARAM lParam) {
    if (System().Hooks().empty()) {
        return 0;
    }
    Thread& thread = *System().FindThread(System().CurrentThread());
    const Hook* first = NextInChain(thread.id, type, 0);
    return first == nullptr ? 0 : CallHook(thread, *first, code, wParam, lParam);
}

}  // namespace zv::headless

namespace zv::win {

using headless::System;

// Hooks run in the process that installs them: a thread of another process
// would need the hook in a library, which the headless backend has none of.
HHOOK SetWindowsHookExA(int idHook, HOOKPROC lpfn, HINSTANCE /*hmod*/, DWORD dwThreadId) {
    if (!headless::IsSupportedType(idHook) || lpfn == nullptr ||
        System().ProcessOfThread(dwThreadId) != System().CurrentProcess()) {
        return 0;
    }
    const HHOOK handle = System().NextHookHandle();
    System().Hooks().push_back(headless::Hook{handle, idHook, lpfn, dwThreadId});
    return handle;
}

BOOL UnhookWindowsHookEx(HHOOK hhk) {
    return std::erase_if(System().Hooks(),
                         [&](const headless::Hook& hook) { return hook.handle == hhk; }) > 0
               ? TRUE
               : FALSE;
}

LRESULT CallNextHookEx(HHOOK /*hhk*/, int nCode, WPARAM wParam, LPARAM lParam) {
    headless::Thread& thread = *System().FindThread(System().CurrentThread());
    if (thread.hookCalls.empty()) {
        return 0;
    }
    const headless::HookCall current = thread.hookCalls.back();
    const headless::Hook* next = headless::NextInChain(thread.id, current.type, current.handle);
    return next == nullptr ? 0 : headless::CallHook(thread, *next, nCode, wParam, lParam);
}

void RtlMoveMemory(void* Destination, const void* Source, std::size_t Length) {
    std::memmove(Destination, Source, Length);
}

}  // namespace zv::win

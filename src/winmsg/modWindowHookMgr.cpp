#include "winmsg/modWindowHookMgr.h"

#include <map>
#include <utility>

#include "platform/automation/AutomationError.h"
#include "platform/automation/Trapped.h"
#include "platform/win/WinConstants.h"
#include "winmsg/IWindowHookMgr.h"

namespace zv::modWindowHookMgr {

using namespace zv::win;

namespace {

// One thread's registry, created with its first hook.
struct ThreadRegistry {
    std::map<HWND, HHOOK> hooks;
    std::map<HWND, std::shared_ptr<IWindowHookMgr>> hookManagers;
};

std::map<DWORD, ThreadRegistry>& Registries() {
    static auto* registries = new std::map<DWORD, ThreadRegistry>;  // outlives every hook
    return *registries;
}

// The callback of a window: the calling thread's registry first, then those
// of the other threads of the process, which may have hooked it.
std::shared_ptr<IWindowHookMgr> CallbackOf(HWND hwnd) {
    auto& registries = Registries();
    const auto own = registries.find(GetCurrentThreadId());
    if (own != registries.end()) {
        const auto found = own->second.hookManagers.find(hwnd);
        if (found != own->second.hookManagers.end()) {
            return found->second;
        }
    }
    for (const auto& [thread, registry] : registries) {
        const auto found = registry.hookManagers.find(hwnd);
        if (found != registry.hookManagers.end()) {
            return found->second;
        }
    }
    return nullptr;
}

// The registry that holds the window: the calling thread's, else that of
// the thread which hooked it from elsewhere (a handler on the window's own
// thread may release it).
ThreadRegistry* RegistryHolding(HWND hwnd) {
    auto& registries = Registries();
    const auto own = registries.find(GetCurrentThreadId());
    if (own != registries.end() && own->second.hooks.contains(hwnd)) {
        return &own->second;
    }
    for (auto& [thread, registry] : registries) {
        if (registry.hooks.contains(hwnd)) {
            return &registry;
        }
    }
    return nullptr;
}

// The message record being handed to a callback. Every hooked window of a
// thread installs a hook of its own, so one message passes this procedure
// once per hook of the chain: only the first pass calls the callback.
const void* g_delivering = nullptr;

}  // namespace

bool HookWindow(HWND hwnd, std::shared_ptr<IWindowHookMgr> callback) {
    ThreadRegistry& registry = Registries()[GetCurrentThreadId()];
    if (registry.hooks.contains(hwnd)) {
        throw AutomationError(err::kDuplicateKey);
    }
    const DWORD thread = GetWindowThreadProcessId(hwnd, nullptr);
    // A hook of a thread of this process, with its procedure in this program,
    // names no module (a module's address need not fit a window long).
    const HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, HookGetMsgProc, 0, thread);
    if (hook == 0) {
        return false;
    }
    registry.hooks.emplace(hwnd, hook);
    registry.hookManagers.emplace(hwnd, std::move(callback));
    return true;
}

void UnhookWindow(HWND hwnd) {
    ThreadRegistry* registry = RegistryHolding(hwnd);
    if (registry == nullptr) {
        return;
    }
    UnhookWindowsHookEx(registry->hooks.at(hwnd));
    registry->hooks.erase(hwnd);
    // Last: this may drop the last reference to the callback.
    const auto manager = registry->hookManagers.find(hwnd);
    if (manager != registry->hookManagers.end()) {
        const auto keepUntilForgotten = std::move(manager->second);
        registry->hookManagers.erase(manager);
    }
}

bool IsWindowHooked(HWND hwnd) {
    const auto registry = Registries().find(GetCurrentThreadId());
    return registry != Registries().end() && registry->second.hooks.contains(hwnd);
}

LRESULT ZV_CALLBACK HookGetMsgProc(int nCode, WPARAM wParam, LPARAM lParam) {
    auto* where = reinterpret_cast<void*>(lParam);
    if (where != nullptr && where != g_delivering) {
        MSG record;
        RtlMoveMemory(&record, where, sizeof record);
        if (const auto callback = CallbackOf(record.hwnd)) {
            const void* outer = std::exchange(g_delivering, where);
            // A host's failure must not unwind through the platform.
            Trapped([&] {
                callback->GetMsgProc(record.hwnd, record.message, record.wParam, record.lParam);
            });
            RtlMoveMemory(where, &record, sizeof record);
            const LRESULT result = CallNextHookEx(0, nCode, wParam, lParam);
            g_delivering = outer;
            return result;
        }
    }
    return CallNextHookEx(0, nCode, wParam, lParam);
}

}  // namespace zv::modWindowHookMgr
